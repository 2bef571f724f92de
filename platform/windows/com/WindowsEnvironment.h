#pragma once

#include "PlugInEnvironment.h"

namespace Quiverstep {

// The platform pieces of the process, shared by every plug-in object the DLL makes: the
// registry store, the host's camera by ProgID, the native windows, the clock, the files.
PlugInEnvironment &WindowsEnvironment();

} // namespace Quiverstep
