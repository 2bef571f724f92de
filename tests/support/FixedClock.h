#pragma once

#include "Clock.h"

namespace Quiverstep {

// A clock that says what it is told.
class FixedClock : public Clock
{
public:
    LocalTime Now() override { return time; }
    LocalTime time{2026, 12, 6, 21, 30, 5};
};

} // namespace Quiverstep
