#include "presenters/TimedMessagePresenter.h"

namespace Quiverstep {

const WindowDescription &TimedMessagePresenter::Description()
{
    using K = ControlKind;
    // clang-format off
    static const WindowDescription description{
        "TimedMessage", "Quiverstep: Error", 384, 171, WindowPlacement::CentreScreen,
        {
            {OKButton, "OKButton", K::Button, "OK", 144, 132, 81, 25},
            {MsgText, "MsgText", K::Label, "", 8, 12, 369, 109},
        },
        OKButton,
    };
    // clang-format on
    return description;
}

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
