#pragma once

#include "GuideBox.h"
#include "Settings.h"
#include "Spiral.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Quiverstep {

// The settings dialog's inputs as its controls hold them at the moment of the check.
struct SettingsInput
{
    std::string maxDither; // the max dither text, stored as typed
    std::string stepSize;  // the step size text, stored as typed
    int ditherType = -1;   // the selected list index; -1 when nothing is selected
    int ao7 = 0;           // check box state: 0 unchecked, 1 checked, 2 grayed
    int log = 0;           // check box state
};

namespace ValidationMessages {
inline constexpr std::string_view MaxDitherNotNumeric = "Max Dither is not numeric.";
inline constexpr std::string_view StepNotNumeric = "Dither Step Size is not numeric";
inline constexpr std::string_view StepLargerThanBox
        = "Step Size is larger than dither box size - please fix";
inline constexpr std::string_view BoxTooLarge
        = "Max Dither box size is too large: the guide star will come too close to the edge "
          "of the guide box";
inline constexpr std::string_view StepNotPositive = "Step Size should be greater than zero";
inline constexpr std::string_view NoDitherType = "Please select dither type";
inline constexpr std::string_view PatternOutsideBox
        = "Selected dither pattern and step size will take the guide star outside the "
          "specified Max Dither box.\r\nPlease choose a different pattern or increase Max "
          "Dither and/or decrease Step Size.";
inline constexpr std::string_view FractionalAo7Step
        = "AO-7 dither can only step a whole number of pixels: fractional step is not "
          "supported";
inline constexpr std::string_view PatternMissing
        = "Dither Pattern doesn't exist. Please select another.";
} // namespace ValidationMessages

// The number a typed text holds; nothing when it is not numeric or too large for a number.
std::optional<double> TypedNumber(std::string_view text);

// Checks the inputs in their fixed order. On the first failure returns its message and
// stores nothing; otherwise stores every setting, resets the running dither state and the
// spiral walk in one store operation, and returns nothing.
// `spiral` is the walk in memory that restarts with the stored one.
std::optional<std::string> ValidateAndSave(const SettingsInput &input,
                                           SettingsStore &store,
                                           Spiral::State &spiral);

// Whether every step of pattern n, scaled by the step size, stays within the max dither.
// Types below 2 and missing patterns fit. Both texts must be numeric.
bool PatternFitsBox(const Settings &settings,
                    std::int64_t n,
                    std::string_view stepSizeText,
                    std::string_view maxDitherText);

// The guide-box position of a pattern's first step at this step size; the centre when the
// pattern has no step. A step without separator gives x 0 and its whole text as y.
struct GuidePosition
{
    double x = GuideBox::Centre;
    double y = GuideBox::Centre;
};
GuidePosition FirstStepPosition(std::string_view patternText, double stepSize);

} // namespace Quiverstep
