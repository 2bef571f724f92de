#include "presenters/TimedMessagePresenter.h"

#include "presenters/TimedMessageView.h"

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

TimedMessagePresenter::TimedMessagePresenter(TimedMessageView &view)
    : m_view(view)
{}

void TimedMessagePresenter::Load(const std::string &text, const std::string &title)
{
    if (!title.empty())
        m_view.SetCaption(title);
    m_view.SetMessage(text);
    m_view.StartCloseTimer(DisplayMilliseconds);
}

void TimedMessagePresenter::Clicked(int control)
{
    if (control == OKButton)
        m_view.Close();
}

void TimedMessagePresenter::TimeUp()
{
    m_view.Close();
}

} // namespace Quiverstep
