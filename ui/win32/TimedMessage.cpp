#include "win32/TimedMessage.h"

namespace Quiverstep {

TimedMessage::TimedMessage(std::unique_ptr<TimedMessagePresenter> presenter)
    : Win32WindowView(*presenter)
    , m_presenter(std::move(presenter))
{}

void TimedMessage::Open(const std::string &text)
{
    auto presenter = std::make_unique<TimedMessagePresenter>();
    presenter->SetMessage(text);
    std::unique_ptr<TimedMessage> message(new TimedMessage(std::move(presenter)));
    message->ShowModeless();
    message.release(); // it deletes itself when it closes
}

} // namespace Quiverstep
