#pragma once

#include "CommandContext.h"

#include <CLI/CLI.hpp>

namespace Quiverstep {

// quiverstep path [--steps N]: the next dither positions, computed on a copy of the store.
void AddPathCommand(CLI::App &app, CommandContext &context);

} // namespace Quiverstep
