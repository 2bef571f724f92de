#include "HostScript.h"
#include "FixedClock.h"
#include "FixedUserPaths.h"
#include "MemoryStore.h"
#include "MemoryTextFiles.h"
#include "PlugInRig.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace Quiverstep;

namespace {

class HostScriptTest : public ::testing::Test
{
protected:
    HostScriptTest() { PlugInRig::ForgetProcessState(); }

    int run(const std::string &script)
    {
        std::istringstream in(script);
        return host.Run(in, err);
    }

    std::vector<std::string> lines() const
    {
        std::vector<std::string> result;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);)
            result.push_back(line);
        return result;
    }

    MemoryStore store;
    FixedClock clock;
    MemoryTextFiles files;
    FixedUserPaths paths;
    std::ostringstream out, err;
    HostScript host{store, clock, files, paths, out};
};

} // namespace

TEST_F(HostScriptTest, GuideStartThenCorrection)
{
    EXPECT_EQ(run("# a night\n"
                  "\n"
                  "want 22\n"
                  "camera GuideErrorX=0 GuideErrorY=0 AutoguiderMaximumMove=1000 "
                  "AutoguiderMinimumMove=100\n"
                  "event 22 1\n"
                  "camera GuideErrorX=0.5 GuideErrorY=-0.2\r\n"
                  "event 22 1\n"
                  "get bGuiding\n"),
              0);
    const auto l = lines();
    ASSERT_GE(l.size(), 4u);
    EXPECT_EQ(l[0], "WantEvent(22) = 1");
    const auto enabled = std::find(l.begin(), l.end(), "camera: enabledyaxis = True");
    ASSERT_NE(enabled, l.end());
    EXPECT_EQ(*(enabled + 1), "camera: Move(16.5, 15.8, 16, 16)");
    EXPECT_EQ(*(enabled + 2), "camera: EnabledXAxis = False");
    EXPECT_EQ(l.back(), "bGuiding = True");
    EXPECT_EQ(err.str(), "");
}

TEST_F(HostScriptTest, MembersStoreAndMessages)
{
    EXPECT_EQ(run("set XOffset 17.5\n"
                  "get XOffset\n"
                  "set NumberToAverage 5\n"
                  "get NumberToAverage\n"
                  "get Name\n"
                  "store set Pattern2 = Far\\8,0\\TOP\n"
                  "store set Dither Type = 2\n"
                  "store set Dither Step = 2\n"
                  "store set Empty =\n"
                  "store get Empty\n"
                  "store get Missing Key\n"
                  "set Debugging 3\n"
                  "event 0 0\n"
                  "get Debugging\n"
                  "new\n"
                  "get Debugging\n"),
              0);
    EXPECT_EQ(lines(),
              (std::vector<std::string>{
                      "XOffset = 17.5",
                      "NumberToAverage = 1",
                      "Name = Quiverstep Guider 1.1.8",
                      "Empty = ",
                      "Missing Key absent",
                      "message: Dither Pattern position exceeds Dither Box limit: please check! | "
                      "Dither Max=4 | Step Size =2 | Position  = (32, 16)",
                      "Debugging = 3",
                      "Debugging = 0",
              }));
}

TEST_F(HostScriptTest, CameraAbsentAndFailingMembers)
{
    EXPECT_EQ(run("camera absent\nevent 22 1\ncamera present\ncamera fail guideerrorx\n"
                  "camera Status=Busy EnabledXAxis=True\nevent 22 1\n"),
              0);
    EXPECT_EQ(lines(),
              (std::vector<std::string>{"camera: create failed",
                                        "camera: create",
                                        "camera: Autoguider = 1",
                                        "camera: GuideErrorX failed",
                                        "camera: AutoguiderMaximumMove -> 0",
                                        "camera: AutoguiderMinimumMove -> 0",
                                        "camera: release"}));
}

TEST_F(HostScriptTest, BadLinesStopWithTheirNumber)
{
    for (const auto &[script, reason] : std::vector<std::pair<std::string, std::string>>{
                 {"frobnicate", "unknown command: frobnicate"},
                 {"want", "want takes one event number"},
                 {"event 22", "event takes an event number and a camera number"},
                 {"event 22 x", "not a whole number: x"},
                 {"want 99999999999", "not a whole number: 99999999999"},
                 {"set XOffset abc", "not a number: abc"},
                 {"set Debugging 40000", "not a 16-bit number: 40000"},
                 {"set Name x", "no member to set: Name"},
                 {"get Nothing", "no member to get: Nothing"},
                 {"camera GuideErrorX", "expected NAME=VALUE: GuideErrorX"},
                 {"store set Log", "expected store set KEY = VALUE"},
                 {"store delete Log", "expected store set KEY = VALUE or store get KEY"},
         }) {
        err.str("");
        EXPECT_EQ(run("want 19\n\n" + script + "\nwant 22\n"), 2) << script;
        EXPECT_EQ(err.str(), "error: line 3: " + reason + "\n");
    }
    EXPECT_EQ(out.str().find("WantEvent(22)"), std::string::npos); // nothing after the bad line
}
