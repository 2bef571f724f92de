#pragma once

#include "ProcessState.h"
#include "UserInterface.h"

#include "Clock.h"
#include "HostCamera.h"
#include "RandomSource.h"
#include "SettingsStore.h"
#include "TextFile.h"
#include "UserPaths.h"

namespace Quiverstep {

// The platform pieces a plug-in object reaches, passed in so that tests can replace each.
struct PlugInEnvironment
{
    SettingsStore &store;
    HostCameraFactory &cameras;
    UserInterface &ui;
    Clock &clock;
    RandomSource &random;
    TextFileSystem &files;
    UserPaths &paths;
    ProcessState &process;
};

} // namespace Quiverstep
