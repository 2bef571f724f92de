#pragma once

#include "DitherFigures.h"
#include "ImagingGeometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Quiverstep {

// The figures of one or more dither settings over the same night and the same cameras.
struct Assessment
{
    struct Result
    {
        std::string ditherType;             // the entry of the dither type list
        std::string stepSize;               // as typed into the dialog
        std::string maxDither;              // as typed into the dialog
        std::optional<std::string> refused; // the settings dialog's message; no figures then
        DitherFigures figures;
    };

    int images = 0;
    ImagingGeometry geometry;
    std::uint64_t seed = 0;
    std::vector<Result> results;

    // Best first: the fewest images on one imaging pixel (what rejecting hot pixels needs),
    // then the most of the sub-pixel square covered (what drizzle needs), then the least
    // settling, then the narrowest border; refused settings last. Ties keep their order.
    void Rank();

    // The assessed settings that lead on one figure, ties in order, and the figure.
    struct Leaders
    {
        std::vector<std::string> names; // none when no setting has the figure
        double value = 0;
    };
    // The most cells of the sub-pixel grid covered.
    Leaders BestCoverage() const;
    // The fewest guide frames per dither; none without a dither.
    Leaders LeastSettling() const;
};

} // namespace Quiverstep
