#pragma once

#include "Settings.h"

#include <cstdint>
#include <optional>

namespace Quiverstep {

// Path colours, 0xBBGGRR.
inline constexpr std::int32_t ColourBlue = 0xFF0000;
inline constexpr std::int32_t ColourRed = 0x0000FF;
inline constexpr std::int32_t ColourToggleMask = 0xFF00FF;

// The square spiral walk around the guide-box centre (dither type 0).
namespace Spiral {

// The walk's state in memory, one per process: the walk fields and the path colour shared
// with the pattern walk and the drawings. Persisted fields come first, in their store order.
struct State
{
    bool SpiralInOut = false;
    double SpiralRadius = 0;
    std::int32_t SpiralDirX = 0;
    std::int32_t SpiralDirY = 0;
    double SpiralStartX = 0;
    double SpiralStartY = 0;
    std::int32_t SpiralPosX = 0;
    std::int32_t SpiralPosY = 0;

    double SpiralStepSize = 0;
    std::int32_t SpiralGridStep = 0;
    std::int32_t SpiralLimit = 0;

    // Empty until something sets it; an empty colour counts as 0.
    std::optional<std::int32_t> PathColour;

    bool initialised = false; // InitSpiral has run in this process
};

// Throws SettingError for a step size of 0 (the limit would divide by zero), leaving
// the module as it was.
void InitSpiral(State &m, const Settings &settings, double maxDither, double stepSize, bool reset);
void NextSpiralPosition(State &m, const Settings &settings, double &x, double &y);
void StepSpiral(State &m, double &gx, double &gy);
void SaveSpiralState(const State &m, const Settings &settings);
void LoadSpiralState(State &m, const Settings &settings);

} // namespace Spiral

// The current path colour as a number (empty counts as 0).
std::int32_t PathColourValue(const Spiral::State &walk);

} // namespace Quiverstep
