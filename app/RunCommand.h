#pragma once

#include "CommandContext.h"

#include <CLI/CLI.hpp>

namespace Quiverstep {

// quiverstep run: a simulated autoguiding night with the plug-in, and its report.
void AddRunCommand(CLI::App &app, CommandContext &context);

} // namespace Quiverstep
