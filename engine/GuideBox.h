#pragma once

namespace Quiverstep::GuideBox {

// Guide-box pixel positions: the centre is 16 on both axes, x grows to the right and y
// downwards; a dither target of 16, 16 is undithered.
inline constexpr double Centre = 16;
// Dither targets stay within these, inclusive.
inline constexpr double Lowest = 2;
inline constexpr double Highest = 30;
// Drawings show one cell per pixel position 0 to 32.
inline constexpr int Cells = 33;

} // namespace Quiverstep::GuideBox
