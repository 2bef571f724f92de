#include "PathPaint.h"

#include "GuideBox.h"
#include "Spiral.h"

#include <algorithm>
#include <cmath>

namespace Quiverstep {

namespace {

// A far-off position (a hand-edited offset) still gives a rectangle, outside the area.
int pixel(float coordinate)
{
    constexpr double Far = 1e6;
    if (std::isnan(coordinate))
        return int(-Far);
    return int(std::clamp(std::floor(double(coordinate) + 0.5), -Far, Far));
}

} // namespace

CellRect PathCell(int width, int height, double x, double y)
{
    const float dx = float(width) / GuideBox::Cells;
    const float dy = float(height) / GuideBox::Cells;
    const double cx = width / 2.0;
    const double cy = height / 2.0;
    return {float(cx - dx / 2.0 + (x - GuideBox::Centre) * dx + 1),
            float(cy - dy / 2.0 + (y - GuideBox::Centre) * dy + 1),
            float(cx + dx / 2.0 + (x - GuideBox::Centre) * dx - 1),
            float(cy + dy / 2.0 + (y - GuideBox::Centre) * dy - 1)};
}

Rgb ColourChannels(std::int32_t colour)
{
    return {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF};
}

PathPaint PlanPathPaint(int width, int height, double x, double y, std::int32_t pathColour)
{
    const CellRect cell = PathCell(width, height, x, y);
    return {{pixel(cell.x1), pixel(cell.y1), pixel(cell.x2), pixel(cell.y2)},
            pathColour ^ ColourToggleMask,
            pathColour};
}

} // namespace Quiverstep
