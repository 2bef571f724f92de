#pragma once

#include <cstdint>
#include <string_view>

namespace Quiverstep {

// The dither type: the index of the settings dialog's list, stored under "Dither Type".
// 0 is the spiral, 1 the random walk, and n of 2 or more the pattern stored under "Pattern"
// followed by n.
namespace DitherType {

inline constexpr std::int16_t Spiral = 0;
inline constexpr std::int16_t Random = 1;
inline constexpr std::int16_t FirstPattern = 2;

inline bool IsPattern(double type)
{
    return type >= FirstPattern;
}

// A stored "Dither Type" as the dither update and the settings dialog read it: "TRUE" is 1
// and "FALSE" 0 in any letter case, anything else its leading number rounded, halves to even.
double Decode(std::string_view stored);

} // namespace DitherType

} // namespace Quiverstep
