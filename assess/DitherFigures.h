#pragma once

#include "ImagingGeometry.h"
#include "PixelPoint.h"

#include <optional>
#include <vector>

namespace Quiverstep {

// What the dither targets of a night mean for its images, measured in imaging pixels.
struct DitherFigures
{
    static constexpr int PhaseGrid = 4; // cells per side of the grid over the sub-pixel square

    std::vector<PixelPoint> positions; // each image's offset (u, v) from the undithered image
    std::optional<double> minMove;     // between consecutive images; none for a single image
    std::optional<double> medianMove;
    int distinctPixels = 0;             // imaging pixels (floor u, floor v) that images use
    int mostReused = 0;                 // the most images on one of them
    int phaseCells = 0;                 // grid cells that hold an image's sub-pixel phase
    double excursion = 0;               // the largest |u| or |v|: the border the stack loses
    std::optional<double> settleFrames; // mean guide frames per dither; none without a dither

    double PhaseCoverage() const { return double(phaseCells) / (PhaseGrid * PhaseGrid); }
};

// The offset of a guide-box target from the centre 16, 16, rotated by the angle and scaled
// into imaging pixels: u = R (dx cos a - dy sin a), v = R (dx sin a + dy cos a).
PixelPoint ImagingOffset(const PixelPoint &target, const ImagingGeometry &geometry);

// The position within its imaging pixel, each coordinate in [0, 1).
PixelPoint Phase(const PixelPoint &position);

// The column or row, 0 to PhaseGrid - 1, of the grid cell that holds a phase coordinate.
int PhaseCell(double phase);

// The figures of the images taken at these guide-box targets, in order.
DitherFigures ComputeDitherFigures(const std::vector<PixelPoint> &targets,
                                   const ImagingGeometry &geometry);

} // namespace Quiverstep
