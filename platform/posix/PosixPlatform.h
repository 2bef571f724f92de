#pragma once

#include "LocalTextFiles.h"
#include "SystemClock.h"
#include "XdgUserPaths.h"

namespace Quiverstep {

// The POSIX adapters that a plug-in environment takes besides the store, the camera and the
// user interface.
struct PosixPlatform
{
    SystemClock clock;
    LocalTextFiles files;
    XdgUserPaths paths;
};

} // namespace Quiverstep
