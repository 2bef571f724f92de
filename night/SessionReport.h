#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Quiverstep {

// What a simulated night showed: one record per image, the star's measured track, and the
// settings it ran with.
struct SessionReport
{
    struct Image
    {
        int number = 0;
        double targetX = 0; // the dither target while the image was exposed
        double targetY = 0;
        std::int32_t colour = 0;         // the path colour, 0xBBGGRR, as the simulator paints it
        int frames = 0;                  // guide frames during the exposure
        std::optional<int> settleFrames; // frames before the star was within tolerance; none
                                         // when it never was
        double rmsError = 0;             // measured position against the target, both axes
    };

    struct Point
    {
        double x = 0;
        double y = 0;
    };

    std::string plugInName;
    std::string ditherType; // the entry of the dither type list: "Spiral", "Random" or a pattern
    std::string stepSize;   // as stored
    std::string maxDither;  // as stored
    std::uint64_t seed = 0;
    int framesPerImage = 0;
    double tolerance = 0;
    std::string logFile; // empty when the guide log is off

    std::vector<Image> images;
    std::vector<Point> track;          // measured star positions, guide start first
    std::vector<std::string> messages; // messages the plug-in showed

    int SettledImages() const;
    // Over the images that settled; 0 when none did.
    double MeanSettleFrames() const;
    int WorstSettleFrames() const;
    // Over every guide frame of every exposure.
    double RmsError() const;
};

} // namespace Quiverstep
