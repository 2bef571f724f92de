#include "win32/TimedMessage.h"

namespace Quiverstep {

TimedMessage::TimedMessage()
    : TimedMessage(std::make_unique<TimedMessagePresenter>())
{}

TimedMessage::TimedMessage(std::unique_ptr<TimedMessagePresenter> presenter)
    : Win32WindowView(*presenter)
    , m_presenter(std::move(presenter))
{}

TimedMessage::~TimedMessage() = default;

void TimedMessage::Open(const std::string &text)
{
    auto *message = new TimedMessage;
    message->SetMessage(text);
    message->m_ownsItself = true;
    try {
        message->ShowModeless();
    } catch (...) {
        delete message;
        throw;
    }
}

void TimedMessage::SetMessage(const std::string &text, const std::string &title)
{
    m_presenter->SetMessage(text, title);
}

void TimedMessage::onDestroyed()
{
    if (m_ownsItself)
        delete this;
}

} // namespace Quiverstep
