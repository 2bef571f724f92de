#pragma once

#include "presenters/WindowDescription.h"

#include <string>

namespace Quiverstep {

class TimedMessageView;

// A message that does not stop the caller: shown modeless, it closes itself after three
// seconds or when OK is pressed.
class TimedMessagePresenter
{
public:
    enum Control : int {
        MsgText = 1301,
        OKButton = OkControl,
    };
    static const WindowDescription &Description();
    static constexpr int DisplayMilliseconds = 3000;

    explicit TimedMessagePresenter(TimedMessageView &view);

    // Each opening: the message, and a title replacing the design caption when not empty.
    void Load(const std::string &text, const std::string &title);
    void Clicked(int control);
    // The close timer fired.
    void TimeUp();

private:
    TimedMessageView &m_view;
};

} // namespace Quiverstep
