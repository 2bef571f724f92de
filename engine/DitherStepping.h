#pragma once

#include "MessageSink.h"
#include "RandomSource.h"
#include "Settings.h"
#include "SkipOnFailure.h"
#include "Spiral.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace Quiverstep {

// What the plug-in keeps of the walk between dithers, as the last dither update left it.
struct DitherState
{
    std::int16_t type = 0;
    double stepSize = 0;
    double maxDitherX = 0;
    double maxDitherY = 0;
    std::int32_t currentStep = 0;
    bool currentDirection = false;
    std::string pattern;
};

struct DitherContext
{
    const Settings &settings;
    RandomSource &random;
    MessageSink &messages;
    Spiral::State &spiral;
};

// The next dither target for the stored dither type, stored in xOffset, yOffset and the
// store. Each statement runs under `step`: one that fails is skipped.
void DitherUpdate(double &xOffset,
                  double &yOffset,
                  DitherState &state,
                  const DitherContext &context,
                  SkipOnFailure &step);

// The four lines of the box message, joined by CR LF.
std::string BoxLimitMessage(double maxDither, double stepSize, double x, double y);

} // namespace Quiverstep
