#pragma once

#include "Settings.h"

#include <string_view>

namespace Quiverstep {

// The simulator's Reset: puts the stored walk back on its start (the first pattern step at
// the step size typed in the settings dialog, else the centre) with "Current Step" "1" and
// "Current Direction" "False". Returns false, writing nothing, when the selected pattern
// does not exist. The spiral's own walk is left as it is.
bool ResetDitherWalk(const Settings &settings, std::string_view dialogStepSizeText);

} // namespace Quiverstep
