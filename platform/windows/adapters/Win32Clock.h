#pragma once

#include "Clock.h"

namespace Quiverstep {

// The local date and time of the system.
class Win32Clock : public Clock
{
public:
    LocalTime Now() override;
};

} // namespace Quiverstep
