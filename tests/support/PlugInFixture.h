#pragma once

#include "DitherPlugIn.h"
#include "FixedClock.h"
#include "HeadlessUserInterface.h"
#include "MemoryStore.h"
#include "MemoryTextFiles.h"
#include "RecordingCamera.h"
#include "Settings.h"
#include "Spiral.h"
#include "UnseededRandom.h"
#include "moduleEvent.h"

#include <gtest/gtest.h>

namespace Quiverstep {

// A plug-in object over test doubles, with the module state of the process reset.
class PlugInFixture : public ::testing::Test
{
protected:
    PlugInFixture() { resetModules(); }

    static void resetModules()
    {
        moduleEvent::Module() = {};
        Spiral::Module() = {};
    }

    void event(std::int32_t which, std::int32_t camera)
    {
        plugIn.CameraEvent(which, camera, "", 0, 0);
    }

    // Guide start with the host's limits of 1000 and 100 (1 and 0.1 pixels).
    void guideStart(double maxMove = 1000, double minMove = 100)
    {
        cameras.SetValue("GuideErrorX", 0.0);
        cameras.SetValue("GuideErrorY", 0.0);
        cameras.SetValue("AutoguiderMaximumMove", maxMove);
        cameras.SetValue("AutoguiderMinimumMove", minMove);
        event(22, 1);
    }

    void correction(double errorX, double errorY)
    {
        cameras.SetValue("GuideErrorX", errorX);
        cameras.SetValue("GuideErrorY", errorY);
        event(22, 1);
    }

    std::vector<std::string> moves() const
    {
        std::vector<std::string> result;
        for (const std::string &line : cameras.lines()) {
            if (line.starts_with("camera: Move("))
                result.push_back(line.substr(8));
        }
        return result;
    }

    MemoryStore store;
    Settings settings{store};
    RecordingCameraFactory cameras;
    HeadlessUserInterface ui;
    FixedClock clock;
    UnseededRandom random;
    MemoryTextFiles files;
    PlugInEnvironment environment{store, cameras, ui, clock, random, files};
    DitherPlugIn plugIn{environment};
};

} // namespace Quiverstep
