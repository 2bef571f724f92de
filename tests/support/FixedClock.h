#pragma once

#include "Clock.h"

namespace Quiverstep {

// A clock that always tells the same moment, so that log texts can be compared whole.
class FixedClock : public Clock
{
public:
    explicit FixedClock(LocalTime time = {2024, 3, 9, 22, 15, 30})
        : m_time(time)
    {}
    LocalTime Now() override { return m_time; }

private:
    LocalTime m_time;
};

} // namespace Quiverstep
