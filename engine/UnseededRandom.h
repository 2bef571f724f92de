#pragma once

#include "RandomSource.h"

#include <cstdint>

namespace Quiverstep {

// The classic 24-bit linear congruential generator of BASIC hosts, started from its
// fixed seed and never reseeded: every process replays the same draws.
class UnseededRandom : public RandomSource
{
public:
    double Next() override;

private:
    std::uint32_t m_state = 0x50000;
};

} // namespace Quiverstep
