// One camera member, the camera's creation or the log file fails on every access across a
// guide start, a correction and a captured image with logging on. The host must get a
// normal return each time, and the plug-in must end where the steps that still run take it.
#include "BenchmarkStore.h"
#include "MemoryStore.h"
#include "PlugInRig.h"
#include "SettingKeys.h"
#include "TempFolderTest.h"
#include "TextLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

using namespace Quiverstep;

namespace {

static_assert(noexcept(std::declval<DitherPlugIn &>().CameraEvent(
                      0, 0, std::declval<const std::string &>(), 0, 0)),
              "no error may leave the event entry");

using Entries = std::vector<std::pair<std::string, std::string>>;
const std::string HealthyMove = "camera: Move(17, 15.8, 17, 15)";

// What one night of three events leaves behind.
struct Night
{
    double XOffset = 0, YOffset = 0, nMaxMove = 0, nMinMove = 0;
    Entries initialStore, store;
    std::optional<std::string> log; // nothing when no file was made
    std::vector<std::string> moves, cameraLines;

    // How often the camera was left pointed at the autoguider.
    long resets() const { return std::ranges::count(cameraLines, "camera: Autoguider = 0"); }
};

// The log as it is when a block stops at the first line starting with `prefix`: the rest
// of that block is lost, the next block or correction line is written again. A non-empty
// `correction` stands for the correction line.
std::string cut(const std::string &log, const std::string &prefix, const std::string &correction)
{
    std::string kept;
    bool cutting = false;
    for (std::string line : LinesOf(log, "\r\n")) {
        const bool correctionLine = line.starts_with("Autoguider Error X=");
        if (line == std::string(46, '-') || line.starts_with("----> ") || correctionLine)
            cutting = false;
        if (line.starts_with(prefix))
            cutting = true;
        if (correctionLine && !correction.empty())
            line = correction;
        if (!cutting)
            kept += line + "\r\n";
    }
    return kept;
}

class FaultInjectionTest : public TempFolderTest
{
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        logPath = (folder / "guide.log").string();
        healthy = night([](PlugInRig &) {});
    }

    // Guide start, one correction, one captured image; `breakIt` makes the fault.
    Night night(const std::function<void(PlugInRig &)> &breakIt)
    {
        MemoryStore store;
        PlugInRig rig(store);
        SaveBenchmarkSettings(rig.settings, "0");
        rig.settings.Save(Keys::Log, "1");
        rig.settings.Save(Keys::LogFile, logPath);
        rig.settings.Save(Keys::CurrentOffsetX, "17");
        rig.settings.Save(Keys::CurrentOffsetY, "15");
        rig.cameras.SetValue("AutoguiderMaximumMove", 1000.0);
        rig.cameras.SetValue("AutoguiderMinimumMove", 100.0);
        rig.cameras.SetValue("GuideStarX", 16.5);
        rig.cameras.SetValue("BinX", 2.0);
        rig.cameras.SetValue("MoveVia", std::string("Relays"));
        // Limits from an earlier guide start, kept when the host's cannot be read.
        rig.plugIn.nMaxMove = 0.75;
        rig.plugIn.nMinMove = 0.05;
        breakIt(rig);

        Night n;
        n.initialStore = store.List(Keys::Application, Keys::Section);
        rig.GuideFrame(0, 0);
        EXPECT_EQ(rig.cameras.liveCameras(), 0) << "after the guide start";
        // e on X is 0.07 (below the minimum of 0.1, above 0.05); e on Y is 0.8 (above 0.75).
        rig.GuideFrame(1.07, -0.2);
        EXPECT_EQ(rig.cameras.liveCameras(), 0) << "after the correction";
        rig.ImageDone();
        EXPECT_EQ(rig.cameras.liveCameras(), 0) << "after the image";
        EXPECT_FALSE(rig.plugIn.bGuiding) << "after the image, dithered or not";
        n.XOffset = rig.plugIn.XOffset;
        n.YOffset = rig.plugIn.YOffset;
        n.nMaxMove = rig.plugIn.nMaxMove;
        n.nMinMove = rig.plugIn.nMinMove;
        n.store = store.List(Keys::Application, Keys::Section);
        if (std::filesystem::exists(logPath))
            n.log = contents(logPath);
        n.cameraLines = rig.cameras.lines();
        std::ranges::copy_if(n.cameraLines, std::back_inserter(n.moves), [](const auto &line) {
            return line.starts_with("camera: Move(");
        });
        std::filesystem::remove(logPath);
        return n;
    }

    Night failing(const std::string &member)
    {
        return night([&](PlugInRig &rig) { rig.cameras.FailMember(member); });
    }

    std::string logPath;
    Night healthy;
};

// The state after the night's dither update (spiral from its start).
void expectDithered(const Night &n)
{
    EXPECT_EQ(n.XOffset, 15);
    EXPECT_EQ(n.YOffset, 16);
}

// Every event 22 was a guide start: no move, no image block, nothing written to the store.
void expectGuideStartsOnly(const Night &n)
{
    EXPECT_EQ(n.XOffset, 17);
    EXPECT_EQ(n.YOffset, 15);
    EXPECT_TRUE(n.moves.empty());
    EXPECT_EQ(n.store, n.initialStore);
}

} // namespace

TEST_F(FaultInjectionTest, HealthyNightIsTheReference)
{
    const Night &n = healthy;
    expectDithered(n);
    EXPECT_EQ(n.nMaxMove, 1);
    EXPECT_EQ(n.nMinMove, 0.1);
    EXPECT_EQ(n.moves, std::vector<std::string>{HealthyMove});
    ASSERT_TRUE(n.log);
    // The log's lines are the guide log test's. The remaining error against the target: 0 on X
    // (below the minimum), 0.8 on Y.
    EXPECT_TRUE(Contains(*n.log,
                         "\r\n\r\nAutoguider Error X=0 Y = 0.800000000000001  Offset X = 17 Y = 15"
                         "\r\n----> Image captured at "));
}

TEST_F(FaultInjectionTest, CameraThatCannotBeCreated)
{
    const Night n = night([](PlugInRig &rig) { rig.cameras.SetAbsent(true); });
    // The guide errors cannot be read, so both events 22 are guide starts; the image
    // then finds bGuiding False and is not dithered. Nothing else reaches the host.
    expectGuideStartsOnly(n);
    EXPECT_EQ(n.cameraLines, std::vector<std::string>(4, "camera: create failed"));
    EXPECT_EQ(n.nMaxMove, 0.75) << "the host's limits could not be read";
    EXPECT_EQ(n.nMinMove, 0.05);
    EXPECT_FALSE(n.log) << "every log call fails at its camera";
}

TEST_F(FaultInjectionTest, GuideErrorsThatCannotBeRead)
{
    // Two guide starts, each with its full header; the header reads no guide error.
    const std::string header = healthy.log->substr(0, healthy.log->find("Autoguider Error X="));
    for (const std::string member : {"GuideErrorX", "GuideErrorY"}) {
        SCOPED_TRACE(member);
        const Night n = failing(member);
        expectGuideStartsOnly(n);
        EXPECT_EQ(n.nMaxMove, 1);
        EXPECT_EQ(n.nMinMove, 0.1);
        EXPECT_EQ(n.log, header + header);
    }
}

TEST_F(FaultInjectionTest, MembersThatFailLeaveTheOtherSteps)
{
    // The members of one log line; that line, where its block stops (none when every log call
    // stops before it opens the file); how many fewer times the camera is left pointed at the
    // autoguider (a block cut short leaves it on the autoguider); and, where the night moves
    // otherwise, the move, the limits and the correction line.
    struct Fault
    {
        const char *members, *cutAt;
        int lostResets;
        std::string move = HealthyMove;
        double maxMove = 1, minMove = 0.1;
        std::string correction = "";
    };
    const std::vector<Fault> faults = {
            {"Autoguider", nullptr, 4},
            {"Status", nullptr, 3},
            {"EnabledXAxis enabledyaxis", "Enabled X = ", 1},
            // Y is limited to the kept 0.75: from 15 + 0.75.
            {"AutoguiderMaximumMove",
             "Autoguider Max Move = ",
             1,
             "camera: Move(17, 15.75, 17, 15)",
             0.75,
             0.1,
             "Autoguider Error X=0 Y = 0.75  Offset X = 17 Y = 15"},
            // X's 0.07 is no longer below the minimum, so it is moved.
            {"AutoguiderMinimumMove",
             "Autoguider Min Move = ",
             1,
             "camera: Move(17.07, 15.8, 17, 15)",
             1,
             0.05,
             "Autoguider Error X=0.0700000000000003 Y = 0.800000000000001  Offset X = 17 Y = 15"},
            {"AutoguiderBacklashXAxis AutoguiderBacklashYAxis", "Autoguider Backlash: ", 1},
            {"AutoguiderCalibrationTimeXAxis AutoguiderCalibrationTimeYAxis",
             "Autoguider Calibration: ",
             1},
            {"AutoguiderDelayAfterCorrection", "Autoguider Delay = ", 1},
            {"AutoguiderExposureTime", "Autoguider Exposure = ", 1},
            {"BinX BinY", "Autoguider Bin X = ", 1},
            {"Delay", "Delay = ", 1},
            {"exposureTime", "Exposure Time = ", 1},
            {"ImageReduction", "Reduction = ", 1},
            {"MoveVia", "Move Via = ", 1},
            {"ReverseX", "Reverse X = ", 1},
            {"Subframe", "Subframe = ", 1},
            {"SubframeLeft SubframeTop SubframeRight SubframeBottom", "Subframe rect = ", 1},
            {"GuideStarX GuideStarY", "Guide Star X = ", 2},
            {"MoveToX MoveToY", "MoveTo X = ", 2},
            {"TelescopeDeclination", "Declination = ", 2},
    };
    for (const Fault &f : faults) {
        for (const std::string &member : LinesOf(f.members + std::string(" "), " ")) {
            SCOPED_TRACE(member);
            const Night n = failing(member);
            expectDithered(n);
            EXPECT_EQ(n.moves, std::vector<std::string>{f.move});
            EXPECT_EQ(n.nMaxMove, f.maxMove);
            EXPECT_EQ(n.nMinMove, f.minMove);
            EXPECT_EQ(n.store, healthy.store);
            EXPECT_EQ(n.resets(), healthy.resets() - f.lostResets);
            if (!f.cutAt) {
                EXPECT_FALSE(n.log);
                continue;
            }
            const std::string expected = cut(*healthy.log, f.cutAt, f.correction);
            EXPECT_LT(expected.size(), healthy.log->size()) << "the cut must remove something";
            EXPECT_EQ(n.log, expected);
        }
    }
}

TEST_F(FaultInjectionTest, MoveThatFails)
{
    const Night n = failing("Move");
    expectDithered(n);
    EXPECT_TRUE(n.moves.empty());
    EXPECT_EQ(n.store, healthy.store);
    EXPECT_EQ(n.log, healthy.log) << "the correction line is still written";
    // The axes are switched off again after the failed move.
    const auto failed = std::ranges::find(n.cameraLines, "camera: Move failed");
    ASSERT_NE(failed, n.cameraLines.end());
    EXPECT_EQ(*(failed + 1), "camera: EnabledXAxis = False");
    EXPECT_EQ(*(failed + 2), "camera: enabledyaxis = False");
}

TEST_F(FaultInjectionTest, LogFileThatCannotBeWritten)
{
    for (const std::string &path :
         {(folder / "missing" / "guide.log").string(), std::string("/dev/full"), folder.string()}) {
        SCOPED_TRACE(path);
        const Night n = night([&](PlugInRig &rig) { rig.settings.Save(Keys::LogFile, path); });
        expectDithered(n);
        EXPECT_EQ(n.moves, std::vector<std::string>{HealthyMove});
        Entries expected = healthy.store;
        for (auto &[key, value] : expected) {
            if (key == Keys::LogFile)
                value = path;
        }
        EXPECT_EQ(n.store, expected);
        EXPECT_FALSE(n.log);
        // A missing folder of a chosen path is not made.
        EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
        // Three log calls, each leaving the camera on the autoguider.
        EXPECT_EQ(n.resets(), healthy.resets() - 3);
    }
}
