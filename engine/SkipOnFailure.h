#pragma once

#include <utility>

namespace Quiverstep {

// The event entry's error policy in one place: a step that fails is abandoned and
// execution goes on with the next one; what the step would have set keeps its value.
// A condition whose evaluation fails counts as true: the branch is entered.
class SkipOnFailure
{
public:
    template<typename Step>
    void operator()(Step &&step) noexcept
    {
        try {
            std::forward<Step>(step)();
        } catch (...) {
            // Skipped: nothing is shown or reported.
        }
    }

    template<typename Condition>
    bool test(Condition &&condition) noexcept
    {
        try {
            return std::forward<Condition>(condition)();
        } catch (...) {
            return true;
        }
    }
};

} // namespace Quiverstep
