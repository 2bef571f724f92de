#pragma once

#include "PixelPoint.h"

#include "DitherPlugIn.h"
#include "HeadlessUserInterface.h"
#include "RecordingCamera.h"

#include <vector>

namespace Quiverstep {

// The dither targets that the stored settings give, worked out by a plug-in object through
// the real dither update, driven as the simulator drives it: a guide start, then one dither
// update per image. The walk advances the running state of its store, so it is given a copy.
class DitherWalk
{
public:
    using Printer = HeadlessUserInterface::Printer;

    // The plug-in's messages (the dither box message) go to the printer.
    DitherWalk(SettingsStore &store,
               RandomSource &random,
               Clock &clock,
               TextFileSystem &files,
               UserPaths &paths,
               Printer messages = {});

    // The guide start: the target of the first image.
    PixelPoint Start();
    // An image is finished: the next target.
    PixelPoint Next();
    // The targets of a night of this many images: the start, then the target after each
    // image but the last.
    std::vector<PixelPoint> Targets(int images);

    // The walk's plug-in runs in a host process of its own.
    ProcessState &process() { return m_process; }

private:
    PixelPoint target() const;

    RecordingCameraFactory m_cameras;
    HeadlessUserInterface m_ui;
    ProcessState m_process;
    PlugInEnvironment m_environment;
    DitherPlugIn m_plugIn;
};

// Gives `copy` every setting of `store` with the guide log off, so that a walk on the copy
// changes nothing of the user's and writes no log.
void CopySettingsWithoutLog(SettingsStore &store, SettingsStore &copy);

} // namespace Quiverstep
