#pragma once

#include "Assessment.h"

#include <string>

namespace Quiverstep {

// A PNG of an assessment: for each assessed setting, the images' positions in imaging pixels,
// numbered in order, beside the sub-pixel square with its 4 by 4 grid and the phases; the
// refused settings with the dialog's message. Throws std::runtime_error when the file cannot
// be written.
void PaintAssessmentPlot(const std::string &path, const Assessment &assessment);

} // namespace Quiverstep
