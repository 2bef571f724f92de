#pragma once

#include "Assessment.h"

#include <iosfwd>
#include <string>

namespace Quiverstep {

// A figure for a person: in full when it has at most six decimals, so that an exact fraction
// shows exactly (0.0625), otherwise rounded to three.
std::string FigureText(double value);

// The line that names the step, the box, the night and the cameras: the table's first line
// and the plot's title.
std::string AssessmentTitle(const Assessment &assessment);

// The table, one row per setting, and the lines that say which setting covers the sub-pixel
// square best and which costs the least settling.
void WriteAssessmentTable(std::ostream &out, const Assessment &assessment);

// The same as JSON, with every image's position.
void WriteAssessmentJson(std::ostream &out, const Assessment &assessment);

} // namespace Quiverstep
