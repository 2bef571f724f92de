#include "PathCell.h"

#include "GuideBox.h"

namespace Quiverstep {

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

} // namespace Quiverstep
