#include "win32/TimedMessage.h"

namespace Quiverstep {

namespace {
constexpr UINT_PTR closeTimer = 1;
} // namespace

TimedMessage::TimedMessage()
    : DialogWindow(L"Quiverstep: Error", 384, 171, Placement::CentreScreen)
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

void TimedMessage::build()
{
    // In keyboard focus order.
    defaultButton(OKButton, L"OK", 144, 132, 81, 25);
    label(MsgText, L"", 8, 12, 369, 109);
}

void TimedMessage::onLoad()
{
    if (!m_title.empty())
        SetCaption(m_title);
    // The label shows lines joined by CR LF as lines.
    SetText(GetDlgItem(m_hwnd, MsgText), m_messageText);
    SetTimer(m_hwnd, closeTimer, DisplayMilliseconds, nullptr);
}

void TimedMessage::onCommand(int id, int, HWND)
{
    if (id == OKButton)
        Close();
}

void TimedMessage::onTimer(UINT_PTR timer)
{
    if (timer == closeTimer)
        Close();
}

void TimedMessage::onDestroyed()
{
    if (m_ownsItself)
        delete this;
}

} // namespace Quiverstep
