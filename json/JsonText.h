#pragma once

#include <string>

namespace Quiverstep {

// A JSON number: the shortest text that reads back as the same double; null for an infinity
// or NaN, which JSON cannot hold.
std::string JsonNumber(double value);

// A JSON string, quoted and escaped.
std::string JsonText(const std::string &text);

} // namespace Quiverstep
