#pragma once

#include "CommandContext.h"

#include <CLI/CLI.hpp>

namespace Quiverstep {

// quiverstep assess: what a dither setting means for the images, before the night.
void AddAssessCommand(CLI::App &app, CommandContext &context);

} // namespace Quiverstep
