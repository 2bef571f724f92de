#pragma once

#include "SettingsStore.h"
#include "Spiral.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

namespace Quiverstep {

// The dither settings a run is started with; what is not given is taken from the store.
struct RunSettings
{
    std::optional<std::string> type; // "spiral", "random", a pattern's number or its name
    std::optional<std::string> step; // as typed into the dialog's step size box
    std::optional<std::string> max;  // as typed into the dialog's max dither box
};

// The options --type, --step and --max of a command that starts from these settings.
void AddRunSettingsOptions(CLI::App &command, RunSettings &settings);

// Saves the settings as the settings dialog's OK does, which also restarts the dither walk,
// so that every run starts the night afresh. Everything happens in one store operation;
// a setting that fails the dialog's checks throws UsageError with the dialog's message and
// leaves the store unchanged.
void SaveRunSettings(SettingsStore &store, const RunSettings &request, Spiral::State &spiral);

} // namespace Quiverstep
