#pragma once

#include "DitherPlugIn.h"
#include "EventNumbers.h"
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
// caller's; so is the file system when one is given (local files otherwise). It has the
// process state of a new process.
class PlugInRig
{
public:
    explicit PlugInRig(SettingsStore &store, TextFileSystem *files = nullptr)
        : store(store)
        , settings(store)
        , environment{store, cameras, ui, clock, random, files ? *files : localFiles, paths, process}
        , plugIn(environment)
    {}

    // The autoguider's event after the host measured these guide errors.
    void GuideFrame(double errorX, double errorY)
    {
        cameras.SetValue("GuideErrorX", errorX);
        cameras.SetValue("GuideErrorY", errorY);
        plugIn.CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
    }
    void ImageDone() { plugIn.CameraEvent(Events::ExposureEnd, Events::ImagingCamera, "", 0, 0); }

    SettingsStore &store;
    Settings settings;
    RecordingCameraFactory cameras;
    HeadlessUserInterface ui;
    FixedClock clock;
    UnseededRandom random;
    LocalTextFiles localFiles;
    FixedUserPaths paths;
    ProcessState process; // as in a new process
    PlugInEnvironment environment;
    DitherPlugIn plugIn;
};

} // namespace Quiverstep
