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

// The plug-in members that the dither update reads and writes.
struct DitherMembers
{
    double &XOffset;
    double &YOffset;
    std::int16_t &nDitherType;
    double &nStepSize;
    double &nMaxDitherX;
    double &nMaxDitherY;
    std::int32_t &nCurrentStep;
    bool &bCurrentDirection;
    std::string &sPattern;
};

struct DitherContext
{
    const Settings &settings;
    RandomSource &random;
    MessageSink &messages;
    Spiral::State &spiral;
};

// The next dither target for the stored dither type, stored in XOffset, YOffset and the
// store. Each statement runs under `step`: one that fails is skipped.
void DitherUpdate(DitherMembers members, const DitherContext &context, SkipOnFailure &step);

// The four lines of the box message, joined by CR LF.
std::string BoxLimitMessage(double maxDither, double stepSize, double x, double y);

} // namespace Quiverstep
