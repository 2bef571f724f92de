#pragma once

#include "Assessment.h"

#include <string>

namespace Quiverstep {

// A PNG of an assessment, painted by the Qt windows' code; a build without them refuses.
void WriteAssessmentPlot(const std::string &path, const Assessment &assessment);

} // namespace Quiverstep
