#include "PathCell.h"

namespace Quiverstep {

namespace {
constexpr int Cells = 33;
constexpr double Centre = 16;
} // namespace

CellRect PathCell(int width, int height, double x, double y)
{
    const float dx = float(width) / Cells;
    const float dy = float(height) / Cells;
    const double cx = width / 2.0;
    const double cy = height / 2.0;
    return {float(cx - dx / 2.0 + (x - Centre) * dx + 1),
            float(cy - dy / 2.0 + (y - Centre) * dy + 1),
            float(cx + dx / 2.0 + (x - Centre) * dx - 1),
            float(cy + dy / 2.0 + (y - Centre) * dy - 1)};
}

} // namespace Quiverstep
