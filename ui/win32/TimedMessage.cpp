#include "win32/TimedMessage.h"

namespace Quiverstep {

namespace {
constexpr UINT_PTR closeTimer = 1;
} // namespace

TimedMessage::TimedMessage()
    : DialogWindow(TimedMessagePresenter::Description())
    , m_presenter(*this)
{}

void TimedMessage::Open(const std::string &text)
{
    auto *message = new TimedMessage;
    message->m_messageText = text;
    message->m_ownsItself = true;
    try {
        message->ShowModeless();
    } catch (...) {
        delete message;
        throw;
    }
}

void TimedMessage::onLoad()
{
    m_presenter.Load(m_messageText, m_title);
}

void TimedMessage::onCommand(int id, int code, HWND)
{
    if (code == BN_CLICKED)
        m_presenter.Clicked(id);
}

void TimedMessage::onTimer(UINT_PTR timer)
{
    if (timer == closeTimer)
        m_presenter.TimeUp();
}

void TimedMessage::onDestroyed()
{
    if (m_ownsItself)
        delete this;
}

void TimedMessage::SetCaption(const std::string &caption)
{
    DialogWindow::SetCaption(caption);
}

void TimedMessage::SetMessage(const std::string &text)
{
    // The label shows lines joined by CR LF as lines.
    SetText(GetDlgItem(m_hwnd, TimedMessagePresenter::MsgText), text);
}

void TimedMessage::StartCloseTimer(int milliseconds)
{
    SetTimer(m_hwnd, closeTimer, UINT(milliseconds), nullptr);
}

void TimedMessage::Close()
{
    DialogWindow::Close();
}

} // namespace Quiverstep
