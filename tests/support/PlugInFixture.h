#pragma once

#include "MemoryStore.h"
#include "MemoryTextFiles.h"
#include "PlugInRig.h"

#include <gtest/gtest.h>

namespace Quiverstep {

// The plug-in rig over a store and text files in memory, in a new process.
class PlugInFixture : public ::testing::Test
{
protected:
    void event(std::int32_t which, std::int32_t camera)
    {
        plugIn.CameraEvent(which, camera, "", 0, 0);
    }

    // Guide start with the host's limits of 1000 and 100 (1 and 0.1 pixels).
    void guideStart(double maxMove = 1000, double minMove = 100)
    {
        cameras.SetValue("AutoguiderMaximumMove", maxMove);
        cameras.SetValue("AutoguiderMinimumMove", minMove);
        rig.GuideFrame(0, 0);
    }

    void correction(double errorX, double errorY) { rig.GuideFrame(errorX, errorY); }

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
    MemoryTextFiles files;
    PlugInRig rig{store, &files};
    Settings &settings = rig.settings;
    RecordingCameraFactory &cameras = rig.cameras;
    HeadlessUserInterface &ui = rig.ui;
    FixedClock &clock = rig.clock;
    DitherPlugIn &plugIn = rig.plugIn;
    ProcessState &process = rig.process;
};

} // namespace Quiverstep
