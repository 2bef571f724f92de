#pragma once

#include "Settings.h"

#include <string>

namespace Quiverstep {

// The test form's two sample snakes over -5..5, ending "\BOTTOM".
std::string GeneratedHorizontalSnake();
std::string GeneratedVerticalSnake();

// Stores both under their own keys, replacing what they held.
void GeneratePatterns(const Settings &settings);

} // namespace Quiverstep
