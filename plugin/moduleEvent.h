#pragma once

#include "SkipOnFailure.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace Quiverstep {

class DitherPlugIn;

// A module-level value of the automation interface: empty until set; empty counts as 0.
using Variant = std::optional<double>;

// The guide-event handling and the process-wide state that every DitherPlugIn shares.
class moduleEvent
{
public:
    // Frames per correction; NumberToAverage reports it.
    static constexpr int N = 1;

    struct State
    {
        std::optional<std::vector<Variant>> ErrorBufferX; // absent until the first guide start
        std::optional<std::vector<Variant>> ErrorBufferY;
        Variant ErrorSumX;
        Variant ErrorSumY;
        Variant AvgErrorX;
        Variant AvgErrorY;
        Variant ErrorCount;
        bool DelayWaiting = false;
    };

    static State &Module();

    // Event 19 from the imaging camera: log the image, dither, stop guiding.
    static void ImageCaptured(DitherPlugIn &plugIn, SkipOnFailure &step);
    // Event 22: a guide start or a correction.
    static void GuideEvent(DitherPlugIn &plugIn, std::int32_t WhichCamera, SkipOnFailure &step);

    // The settings dialog's Timer1 tick while myDelay waits.
    static void DelayTick();
};

} // namespace Quiverstep
