#pragma once

#include "FixedClock.h"
#include "FixedUserPaths.h"
#include "MemoryStore.h"
#include "MemoryTextFiles.h"
#include "Pattern.h"
#include "PlugInEnvironment.h"
#include "RecordingCamera.h"
#include "SettingKeys.h"
#include "Settings.h"
#include "UnseededRandom.h"

#include <gtest/gtest.h>

#include <string>

namespace Quiverstep {

// A window's surroundings for the presenter and the window tests: a store in memory, no
// camera, and test doubles for the rest; `UserInterface` is the one the windows go through.
template<typename UserInterface>
class EnvironmentRig : public ::testing::Test
{
protected:
    EnvironmentRig() { cameras.SetAbsent(true); }

    std::string get(std::string_view key) const { return settings.Get(key, "<absent>"); }

    // The example pattern as "Pattern2", stored and typed with a step size of 2.
    void storePattern(const std::string &text = "P\\1,0\\0:1\\-1,0\\TOP")
    {
        InstallBuiltInPatterns(settings);
        settings.Save(Keys::Pattern(2), text);
        settings.Save(Keys::DitherType, "2");
        settings.Save(Keys::DitherStep, "2");
        settings.Save(Keys::MaxDitherX, "4");
    }

    MemoryStore store;
    Settings settings{store};
    RecordingCameraFactory cameras;
    UserInterface ui;
    FixedClock clock;
    UnseededRandom random;
    MemoryTextFiles files;
    FixedUserPaths paths;
    ProcessState process;
    PlugInEnvironment environment{store, cameras, ui, clock, random, files, paths, process};
};

} // namespace Quiverstep
