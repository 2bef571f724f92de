#pragma once

#include "SessionReport.h"

#include <string>

namespace Quiverstep {

// Whether this build can draw pictures: one built without Qt has no windows and no plots.
bool CanDrawPictures();

// A PNG of the night, painted by the Qt windows' code; a build without them refuses.
void WriteReportPlot(const std::string &path, const SessionReport &report);

} // namespace Quiverstep
