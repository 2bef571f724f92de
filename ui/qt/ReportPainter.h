#pragma once

#include "SessionReport.h"

#include <string>

namespace Quiverstep {

// A PNG of the night: every dither target painted on the 33 by 33 grid as the simulator
// paints its cells, and the star's measured track over them. Throws std::runtime_error when
// the file cannot be written.
void PaintReportPlot(const std::string &path, const SessionReport &report);

} // namespace Quiverstep
