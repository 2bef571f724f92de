#pragma once

namespace Quiverstep {

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

} // namespace Quiverstep
