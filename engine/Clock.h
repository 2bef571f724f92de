#pragma once

namespace Quiverstep {

struct LocalTime
{
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0;
    int hour = 0; // 0 to 23
    int minute = 0;
    int second = 0;
};

// The local date and time.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() = 0;
};

} // namespace Quiverstep
