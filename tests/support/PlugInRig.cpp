#include "PlugInRig.h"

#include "Spiral.h"
#include "moduleEvent.h"

namespace Quiverstep {

PlugInRig::PlugInRig(SettingsStore &store, TextFileSystem *files)
    : store(store)
    , settings(store)
    , environment{store, cameras, ui, clock, random, files ? *files : localFiles, paths}
    , plugIn(environment)
{}

void PlugInRig::GuideFrame(double errorX, double errorY)
{
    cameras.SetValue("GuideErrorX", errorX);
    cameras.SetValue("GuideErrorY", errorY);
    plugIn.CameraEvent(22, 1, "", 0, 0);
}

void PlugInRig::ImageDone()
{
    plugIn.CameraEvent(19, 0, "", 0, 0);
}

void PlugInRig::ForgetProcessState()
{
    Spiral::Module() = {};
    moduleEvent::Module() = {};
}

} // namespace Quiverstep
