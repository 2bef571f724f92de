#pragma once

#include <cstdint>

namespace Quiverstep {

// One 24-bit colour, 0xBBGGRR, split into its channels.
struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
};
Rgb ColourChannels(std::int32_t colour);

// A cell of the 33 by 33 path grid, one pixel inside its edges, in drawing-area pixels.
struct CellRect
{
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
};

// The cell of guide-box position (x, y) on a drawing area of width by height inner pixels;
// (16, 16) is centred. Not snapped: 16.5 gives a cell shifted by half a cell.
CellRect PathCell(int width, int height, double x, double y);

// The pixels a path cell covers, edges included.
struct PixelRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// How one reached position is painted on a drawing area of width by height inner pixels:
// the cell flashes in the complement of the path colour with a black border, then ends in
// the path colour with a white border.
struct PathPaint
{
    PixelRect cell;
    std::int32_t flashColour = 0;
    std::int32_t colour = 0;
};
PathPaint PlanPathPaint(int width, int height, double x, double y, std::int32_t pathColour);

inline constexpr std::int32_t ColourBlack = 0x000000;
inline constexpr std::int32_t ColourWhite = 0xFFFFFF;
inline constexpr int FlashMilliseconds = 10;

} // namespace Quiverstep
