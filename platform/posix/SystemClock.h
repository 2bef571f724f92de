#pragma once

#include "Clock.h"

namespace Quiverstep {

class SystemClock : public Clock
{
public:
    LocalTime Now() override;
};

} // namespace Quiverstep
