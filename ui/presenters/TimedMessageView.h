#pragma once

#include <string>

namespace Quiverstep {

// The timed message's window: a caption, a label and a one-shot close timer.
class TimedMessageView
{
public:
    virtual ~TimedMessageView() = default;

    virtual void SetCaption(const std::string &caption) = 0;
    // Plain text; lines joined by CR LF show as lines.
    virtual void SetMessage(const std::string &text) = 0;
    // The timer fires once, after the time; its tick goes to the presenter's TimeUp.
    virtual void StartCloseTimer(int milliseconds) = 0;
    virtual void Close() = 0;
};

} // namespace Quiverstep
