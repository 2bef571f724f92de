#pragma once

#include "CommandContext.h"

#include <CLI/CLI.hpp>

namespace Quiverstep {

// quiverstep phd2 [--listen ADDR:PORT] [--phd2 HOST:PORT]: the bridge between imaging
// programs and PHD2.
void AddPhd2Command(CLI::App &app, CommandContext &context);

} // namespace Quiverstep
