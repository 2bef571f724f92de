#pragma once

#include "SessionReport.h"

#include <iosfwd>
#include <string>

namespace Quiverstep {

// The line that names the plug-in, the settings and the night: the table's first line and
// the plot's title.
std::string ReportTitle(const SessionReport &report);

// The table of images and the summary, for a person.
void WriteReportTable(std::ostream &out, const SessionReport &report);

// The same data as JSON.
void WriteReportJson(std::ostream &out, const SessionReport &report);

} // namespace Quiverstep
