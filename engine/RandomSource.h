#pragma once

namespace Quiverstep {

// A uniform random generator in [0, 1).
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double Next() = 0;
};

} // namespace Quiverstep
