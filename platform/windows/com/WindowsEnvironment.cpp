#include "WindowsEnvironment.h"

#include "DispatchCameraFactory.h"
#include "RegistryStore.h"
#include "Win32Clock.h"
#include "Win32TextFiles.h"
#include "win32/Win32UserInterface.h"
#include "WindowsUserPaths.h"

namespace Quiverstep {

PlugInEnvironment &WindowsEnvironment()
{
    struct Pieces
    {
        RegistryStore store;
        DispatchCameraFactory cameras;
        Win32UserInterface ui;
        Win32Clock clock;
        Win32TextFiles files;
        WindowsUserPaths paths;
        ProcessState process;
        PlugInEnvironment
                environment{store, cameras, ui, clock, process.random, files, paths, process};
        Pieces() { ui.Attach(environment); }
    };
    static Pieces pieces;
    return pieces.environment;
}

} // namespace Quiverstep
