#pragma once

#include <cstdint>

namespace Quiverstep {

// The host's event numbers and cameras that the plug-in answers.
namespace Events {
inline constexpr std::int32_t ExposureEnd = 19; // an exposure has ended
inline constexpr std::int32_t GuideFrame = 22;  // an autoguider frame with a fresh guide error
inline constexpr std::int32_t ImagingCamera = 0;
inline constexpr std::int32_t Autoguider = 1;
} // namespace Events

// The values of DitherPlugIn::Debugging.
namespace TestModes {
inline constexpr std::int16_t Normal = 0;
inline constexpr std::int16_t Correction = 1;
inline constexpr std::int16_t GuideStart = 2;
inline constexpr std::int16_t Dither = 3;
} // namespace TestModes

} // namespace Quiverstep
