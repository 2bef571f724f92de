#include "CommandLineFixture.h"

#include <gtest/gtest.h>

using namespace Quiverstep;

// The host script, read from standard input by `quiverstep host` against the chosen store.
class HostScriptTest : public CommandLineFixture
{
protected:
    CommandResult host(const std::string &script) { return run({"host"}, script); }
};

TEST_F(HostScriptTest, GuideStartThenCorrection)
{
    const CommandResult r = host("# a night\n\nwant 22\n"
                                 "camera GuideErrorX=0 GuideErrorY=0 AutoguiderMaximumMove=1000 "
                                 "AutoguiderMinimumMove=100\nevent 22 1\n"
                                 "camera GuideErrorX=0.5 GuideErrorY=-0.2\r\nevent 22 1\n"
                                 "get bGuiding\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.starts_with("WantEvent(22) = 1\n")) << r.out;
    EXPECT_NE(r.out.find("camera: enabledyaxis = True\ncamera: Move(16.5, 15.8, 16, 16)\n"
                         "camera: EnabledXAxis = False\n"),
              std::string::npos);
    EXPECT_TRUE(r.out.ends_with("\nbGuiding = True\n"));
    EXPECT_EQ(r.err, "");
}

TEST_F(HostScriptTest, MembersStoreAndMessages)
{
    const CommandResult r = host("set XOffset 17.5\nget XOffset\n"
                                 "set NumberToAverage 5\nget NumberToAverage\nget Name\n"
                                 "store set Pattern2 = Far\\8,0\\TOP\nstore set Dither Type = 2\n"
                                 "store set Dither Step = 2\nstore set Empty =\nstore get Empty\n"
                                 "store get Missing Key\n"
                                 "set Debugging 3\nevent 0 0\nget Debugging\nnew\nget Debugging\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "XOffset = 17.5\nNumberToAverage = 1\nName = Quiverstep Guider 1.1.8\n"
              "Empty = \nMissing Key absent\n"
              "message: Dither Pattern position exceeds Dither Box limit: please check! | "
              "Dither Max=4 | Step Size =2 | Position  = (32, 16)\n"
              "Debugging = 3\nDebugging = 0\n");
    EXPECT_EQ(stored("Dither Step"), "2\n"); // in the store the command opened
}

TEST_F(HostScriptTest, CameraAbsentAndFailingMembers)
{
    const CommandResult r = host("camera absent\nevent 22 1\ncamera present\n"
                                 "camera fail guideerrorx\n"
                                 "camera Status=Busy EnabledXAxis=True\nevent 22 1\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "camera: create failed\ncamera: create\ncamera: Autoguider = 1\n"
              "camera: GuideErrorX failed\ncamera: AutoguiderMaximumMove -> 0\n"
              "camera: AutoguiderMinimumMove -> 0\ncamera: release\n");
}

TEST_F(HostScriptTest, BadLinesStopWithTheirNumberAndStatusTwo)
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
        const CommandResult r = host("want 19\n\n" + script + "\nwant 22\n");
        EXPECT_EQ(r.status, 2) << script;
        EXPECT_EQ(r.err, "error: line 3: " + reason + "\n");
        EXPECT_EQ(r.out, "WantEvent(19) = 1\n") << script; // nothing after the bad line
    }
}
