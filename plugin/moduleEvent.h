#pragma once

#include "SkipOnFailure.h"

#include <cstdint>

namespace Quiverstep {

class DitherPlugIn;

// The guide-event handling and the process-wide state that every DitherPlugIn shares.
class moduleEvent
{
public:
    // Frames per correction; NumberToAverage reports it.
    static constexpr int N = 1;

    struct State
    {
        // The first guide start of the process creates the error buffers; a correction before
        // it has nowhere to keep the measured error, so its average is 0.
        bool ErrorBuffersCreated = false;
        // The averaged and limited errors of the last correction: 16 plus each is where the
        // star was measured, the from-position of its move.
        double AvgErrorX = 0;
        double AvgErrorY = 0;
        // Set by myDelay, cleared by the settings dialog's Timer1 tick.
        bool DelayWaiting = false;
    };

    static State &Module();

    // Event 19 from the imaging camera: log the image, dither, stop guiding.
    static void ImageCaptured(DitherPlugIn &plugIn, SkipOnFailure &step);
    // Event 22: a guide start or a correction.
    static void GuideEvent(DitherPlugIn &plugIn, std::int32_t WhichCamera, SkipOnFailure &step);

    // The settings dialog's Timer1 tick while myDelay waits.
    static void DelayTick();

private:
    class EventCamera;

    static void StartGuiding(DitherPlugIn &plugIn, EventCamera &camera, SkipOnFailure &step);
    static void Correct(DitherPlugIn &plugIn, EventCamera &camera, SkipOnFailure &step);
};

} // namespace Quiverstep
