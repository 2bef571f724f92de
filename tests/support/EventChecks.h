#pragma once

#include "PlugInRig.h"
#include "WatchedStore.h"

#include <string>
#include <string_view>
#include <vector>

namespace Quiverstep {

// What is wrong with a value that an event wrote, judged by the reader of its key: empty
// when the reader takes it back. Events write only the running dither state; any other
// key is itself a fault.
std::string RunningStateProblem(std::string_view key, std::string_view value);

// What one event left wrong: a camera object not released, a store operation left open, or
// a write its reader cannot take back (the store's writes are those of this event).
std::vector<std::string> EventProblems(const PlugInRig &rig, const WatchedStore &store);

} // namespace Quiverstep
