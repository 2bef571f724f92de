#pragma once

#include <string>
#include <string_view>

namespace Quiverstep {

// What is wrong with a value that an event wrote, judged by the reader of its key: empty
// when the reader takes it back. Events write only the running dither state; any other
// key is itself a fault.
std::string RunningStateProblem(std::string_view key, std::string_view value);

} // namespace Quiverstep
