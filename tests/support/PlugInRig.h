#pragma once

#include "DitherPlugIn.h"
#include "FixedClock.h"
#include "FixedUserPaths.h"
#include "HeadlessUserInterface.h"
#include "LocalTextFiles.h"
#include "RecordingCamera.h"
#include "Settings.h"
#include "UnseededRandom.h"

namespace Quiverstep {

// One plug-in object with substitutes for everything around it: the recording camera, the
// headless user interface, a fixed clock and a fresh random generator. The store is the
// caller's; so is the file system when one is given (local files otherwise).
class PlugInRig
{
public:
    explicit PlugInRig(SettingsStore &store, TextFileSystem *files = nullptr);

    // Event 22 from the autoguider after the host measured these guide errors.
    void GuideFrame(double errorX, double errorY);
    // Event 19 from the imaging camera.
    void ImageDone();
    // Forgets the process-wide state (spiral walk, error buffers) as a new process would.
    static void ForgetProcessState();

    SettingsStore &store;
    Settings settings;
    RecordingCameraFactory cameras;
    HeadlessUserInterface ui;
    FixedClock clock;
    UnseededRandom random;
    LocalTextFiles localFiles;
    FixedUserPaths paths;
    PlugInEnvironment environment;
    DitherPlugIn plugIn;
};

} // namespace Quiverstep
