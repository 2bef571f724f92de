#pragma once

#include "CommandContext.h"

#include <CLI/CLI.hpp>

namespace Quiverstep {

// quiverstep host [SCRIPT]: runs a host script against one plug-in object.
void AddHostCommand(CLI::App &app, CommandContext &context);

} // namespace Quiverstep
