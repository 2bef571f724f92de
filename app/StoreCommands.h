#pragma once

#include "CommandContext.h"

#include <CLI/CLI.hpp>

namespace Quiverstep {

// quiverstep store list | get KEY | set KEY VALUE
void AddStoreCommands(CLI::App &app, CommandContext &context);

} // namespace Quiverstep
