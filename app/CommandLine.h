#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace Quiverstep {

// Runs the quiverstep command with its arguments (without the program name) and returns
// the exit status: 0 done, 1 failed, 2 bad input.
int RunCommandLine(const std::vector<std::string> &arguments,
                   std::istream &in,
                   std::ostream &out,
                   std::ostream &err);

} // namespace Quiverstep
