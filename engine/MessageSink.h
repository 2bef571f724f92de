#pragma once

#include <string>

namespace Quiverstep {

// Where the dither update shows its box message: a new timed message window each time,
// not waited for.
class MessageSink
{
public:
    virtual ~MessageSink() = default;
    virtual void ShowTimedMessage(const std::string &text) = 0;
};

} // namespace Quiverstep
