#pragma once

#include "SessionReport.h"

#include <iosfwd>

namespace Quiverstep {

// The table of images and the summary, for a person.
void WriteReportTable(std::ostream &out, const SessionReport &report);

// The same data as JSON.
void WriteReportJson(std::ostream &out, const SessionReport &report);

} // namespace Quiverstep
