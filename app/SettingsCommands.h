#pragma once

#include "CommandContext.h"

#include <CLI/CLI.hpp>

namespace Quiverstep {

// quiverstep settings show | save --type INDEX --step TEXT --max TEXT [--ao7] [--log]:
// the settings dialog's view of the store, and its validated save.
void AddSettingsCommands(CLI::App &app, CommandContext &context);

} // namespace Quiverstep
