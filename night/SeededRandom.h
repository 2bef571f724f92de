#pragma once

#include "RandomSource.h"

#include <cstdint>
#include <random>

namespace Quiverstep {

// A uniform generator in [0, 1) started from a chosen seed, so that a simulated night can be
// replayed exactly. The 64-bit Mersenne Twister is fully specified by the standard, so the
// same seed gives the same draws with every library.
class SeededRandom : public RandomSource
{
public:
    explicit SeededRandom(std::uint64_t seed);

    double Next() override;
    // Standard normal deviate (Box-Muller), for the seeing.
    double NextGaussian();

private:
    std::mt19937_64 m_engine;
};

// The seed of the plug-in's random dither in a night of the given seed: a stream apart from
// the seeing's, so that `run` and `assess` of one seed walk the same random targets.
std::uint64_t DitherSeed(std::uint64_t nightSeed);

} // namespace Quiverstep
