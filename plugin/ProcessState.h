#pragma once

#include "Spiral.h"
#include "UnseededRandom.h"

namespace Quiverstep {

// What the plug-in keeps per process, shared by every plug-in object in it. Each product's
// entry point owns the one of its process; each test rig owns its own.
struct ProcessState
{
    // The first guide start of the process creates the error buffers; a correction before
    // it has nowhere to keep the measured error, so its average is 0.
    bool errorBuffersCreated = false;
    // The averaged and limited errors of the last correction: 16 plus each is where the
    // star was measured, the from-position of its move.
    double averageErrorX = 0;
    double averageErrorY = 0;
    // Set by myDelay, cleared by its timer's tick.
    bool delayWaiting = false;
    // The spiral walk and the path colour.
    Spiral::State spiral;
    // The products' random generator (the tests and the simulated night bring their own).
    UnseededRandom random;
};

} // namespace Quiverstep
