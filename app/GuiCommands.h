#pragma once

#include "CommandContext.h"

#include <CLI/CLI.hpp>

namespace Quiverstep {

// quiverstep gui settings|editor|simulator|testform|message [--screenshot FILE]
void AddGuiCommands(CLI::App &app, CommandContext &context);

} // namespace Quiverstep
