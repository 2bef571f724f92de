#include "presenters/TimedMessagePresenter.h"

namespace Quiverstep {

TimedMessagePresenter::TimedMessagePresenter()
    : WindowPresenter(Description())
{
    setActions({{OKButton, [this] { View().Close(false); }}});
}

void TimedMessagePresenter::SetMessage(const std::string &text, const std::string &title)
{
    m_text = text;
    m_title = title;
}

void TimedMessagePresenter::Load()
{
    if (!m_title.empty())
        View().SetCaption(m_title);
    View().SetText(MsgText, m_text);
    View().StartTimer(closeTimer, DisplayMilliseconds);
}

void TimedMessagePresenter::Tick(int timer)
{
    // Once only: the window closes.
    if (timer == closeTimer)
        View().Close(false);
}

} // namespace Quiverstep
