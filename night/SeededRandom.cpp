#include "SeededRandom.h"

#include <cmath>
#include <numbers>

namespace Quiverstep {

namespace {
constexpr std::uint64_t DitherStream = 0x9E3779B97F4A7C15ull;
} // namespace

std::uint64_t DitherSeed(std::uint64_t nightSeed)
{
    return nightSeed ^ DitherStream;
}

SeededRandom::SeededRandom(std::uint64_t seed)
    : m_engine(seed)
{}

double SeededRandom::Next()
{
    // The top 53 bits fill a double's mantissa exactly.
    return double(m_engine() >> 11) * 0x1.0p-53;
}

double SeededRandom::NextGaussian()
{
    const double u1 = 1.0 - Next(); // (0, 1]: the logarithm stays finite
    const double u2 = Next();
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
}

} // namespace Quiverstep
