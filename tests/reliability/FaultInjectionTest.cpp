// One camera member, the camera's creation or the log file fails on every access across a
// guide start, a correction and a captured image with logging on. The host must get a
// normal return each time, and the plug-in must end where the steps that still run take it.
#include "MemoryStore.h"
#include "PlugInRig.h"
#include "SettingKeys.h"
#include "TempFolderTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

using namespace Quiverstep;

namespace {

static_assert(noexcept(std::declval<DitherPlugIn &>().CameraEvent(
                      0, 0, std::declval<const std::string &>(), 0, 0)),
              "no error may leave the event entry");

const std::string Hyphens(46, '-');

// What one night of three events leaves behind.
struct Night
{
    double XOffset = 0;
    double YOffset = 0;
    bool bGuiding = true;
    double nMaxMove = 0;
    double nMinMove = 0;
    std::vector<std::pair<std::string, std::string>> initialStore;
    std::vector<std::pair<std::string, std::string>> store;
    std::optional<std::string> log; // nothing when no file was made
    std::vector<std::string> moves;
    int liveCameras = -1;
    std::vector<std::string> cameraLines;
};

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::string joined(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

// The log as it is when a block stops at the first line starting with `prefix`: the rest
// of that block is lost, the next block or correction line is written again.
std::string cutBlocks(const std::string &log, const std::string &prefix)
{
    std::vector<std::string> kept;
    bool cutting = false;
    for (const std::string &line : linesOf(log)) {
        if (line == Hyphens || line.rfind("----> ", 0) == 0
            || line.rfind("Autoguider Error X=", 0) == 0)
            cutting = false;
        if (line.rfind(prefix, 0) == 0)
            cutting = true;
        if (!cutting)
            kept.push_back(line);
    }
    return joined(kept);
}

// The log with its correction line replaced.
std::string withCorrectionLine(const std::string &log, const std::string &correction)
{
    std::vector<std::string> lines = linesOf(log);
    for (std::string &line : lines) {
        if (line.rfind("Autoguider Error X=", 0) == 0)
            line = correction;
    }
    return joined(lines);
}

class FaultInjectionTest : public TempFolderTest
{
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        logPath = (folder / "guide.log").string();
    }

    // Guide start, one correction, one captured image; `breakIt` makes the fault.
    Night night(const std::function<void(PlugInRig &)> &breakIt)
    {
        PlugInRig::ForgetProcessState();
        MemoryStore store;
        PlugInRig rig(store);
        rig.settings.Save(Keys::Log, "1");
        rig.settings.Save(Keys::LogFile, logPath);
        rig.settings.Save(Keys::DitherType, "0");
        rig.settings.Save(Keys::DitherStep, "1");
        rig.settings.Save(Keys::MaxDitherX, "4");
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
        n.liveCameras = rig.cameras.liveCameras();

        n.XOffset = rig.plugIn.XOffset;
        n.YOffset = rig.plugIn.YOffset;
        n.bGuiding = rig.plugIn.bGuiding;
        n.nMaxMove = rig.plugIn.nMaxMove;
        n.nMinMove = rig.plugIn.nMinMove;
        n.store = store.List(Keys::Application, Keys::Section);
        if (std::filesystem::exists(logPath))
            n.log = contents(logPath);
        for (const std::string &line : rig.cameras.lines()) {
            if (line.rfind("camera: Move(", 0) == 0)
                n.moves.push_back(line);
        }
        n.cameraLines = rig.cameras.lines();
        std::filesystem::remove(logPath);
        return n;
    }

    Night healthy()
    {
        return night([](PlugInRig &) {});
    }

    Night failing(const std::string &member)
    {
        return night([&](PlugInRig &rig) { rig.cameras.FailMember(member); });
    }

    std::string logPath;
};

const std::string HealthyMove = "camera: Move(17, 15.8, 17, 15)";

// The state the store holds after the night's dither update (spiral from its start).
void expectDithered(const Night &n)
{
    EXPECT_EQ(n.XOffset, 15);
    EXPECT_EQ(n.YOffset, 16);
    EXPECT_FALSE(n.bGuiding);
    EXPECT_EQ(n.liveCameras, 0);
}

// The night went on as the healthy one: the same move and the same store.
void expectDitheredAsHealthy(const Night &n, const Night &healthy)
{
    expectDithered(n);
    EXPECT_EQ(n.nMaxMove, 1);
    EXPECT_EQ(n.moves, std::vector<std::string>{HealthyMove});
    EXPECT_EQ(n.store, healthy.store);
}

// How often the camera was left pointed at the autoguider.
long resets(const Night &n)
{
    return std::count(n.cameraLines.begin(), n.cameraLines.end(), "camera: Autoguider = 0");
}

// Every event 22 was a guide start: no move, no image block, nothing written to the store.
void expectGuideStartsOnly(const Night &n)
{
    EXPECT_EQ(n.XOffset, 17);
    EXPECT_EQ(n.YOffset, 15);
    EXPECT_FALSE(n.bGuiding);
    EXPECT_TRUE(n.moves.empty());
    EXPECT_EQ(n.liveCameras, 0);
    EXPECT_EQ(n.store, n.initialStore);
}

} // namespace

TEST_F(FaultInjectionTest, HealthyNightIsTheReference)
{
    const Night n = healthy();
    expectDithered(n);
    EXPECT_EQ(n.nMaxMove, 1);
    EXPECT_EQ(n.nMinMove, 0.1);
    EXPECT_EQ(n.moves, std::vector<std::string>{HealthyMove});
    ASSERT_TRUE(n.log);
    const std::vector<std::string> lines = linesOf(*n.log);
    // Header 18 + body 11, one correction line, image line + body 11.
    ASSERT_EQ(lines.size(), 29u + 1u + 12u);
    EXPECT_EQ(lines[0], Hyphens);
    // The remaining error against the target: 0 on X (below the minimum), 0.8 on Y.
    EXPECT_EQ(lines[29], "Autoguider Error X=0 Y = 0.800000000000001  Offset X = 17 Y = 15");
    EXPECT_EQ(lines[30], "----> Image captured at 2026/12/06 09:30:05 PM");
    const auto stored = [&](std::string_view key) {
        for (const auto &[k, v] : n.store) {
            if (k == key)
                return v;
        }
        return std::string("(absent)");
    };
    EXPECT_EQ(stored(Keys::CurrentOffsetX), "15");
    EXPECT_EQ(stored(Keys::CurrentOffsetY), "16");
    EXPECT_EQ(stored(Keys::SpiralPosX), "15");
}

TEST_F(FaultInjectionTest, CameraThatCannotBeCreated)
{
    const Night n = night([](PlugInRig &rig) { rig.cameras.SetAbsent(true); });
    // The guide errors cannot be read, so both events 22 are guide starts; the image
    // then finds bGuiding False and is not dithered.
    expectGuideStartsOnly(n);
    EXPECT_EQ(n.nMaxMove, 0.75) << "the host's limits could not be read";
    EXPECT_EQ(n.nMinMove, 0.05);
    EXPECT_FALSE(n.log) << "every log call fails at its camera";
}

TEST_F(FaultInjectionTest, GuideErrorsThatCannotBeRead)
{
    const Night before = healthy();
    for (const std::string member : {"GuideErrorX", "GuideErrorY"}) {
        SCOPED_TRACE(member);
        const Night n = failing(member);
        expectGuideStartsOnly(n);
        EXPECT_EQ(n.nMaxMove, 1);
        EXPECT_EQ(n.nMinMove, 0.1);
        // Two guide starts, each with its full header; the header reads no guide error.
        const std::vector<std::string> reference = linesOf(*before.log);
        const std::string header = joined({reference.begin(), reference.begin() + 29});
        ASSERT_TRUE(n.log);
        EXPECT_EQ(*n.log, header + header);
    }
}

TEST_F(FaultInjectionTest, HostMoveLimitsThatCannotBeRead)
{
    const Night before = healthy();
    {
        SCOPED_TRACE("AutoguiderMaximumMove");
        const Night n = failing("AutoguiderMaximumMove");
        expectDithered(n);
        EXPECT_EQ(n.nMaxMove, 0.75);
        EXPECT_EQ(n.nMinMove, 0.1);
        // Y is limited to the kept 0.75: from 15 + 0.75.
        EXPECT_EQ(n.moves, std::vector<std::string>{"camera: Move(17, 15.75, 17, 15)"});
        EXPECT_EQ(n.store, before.store);
        ASSERT_TRUE(n.log);
        EXPECT_EQ(*n.log,
                  withCorrectionLine(cutBlocks(*before.log, "Autoguider Max Move = "),
                                     "Autoguider Error X=0 Y = 0.75  Offset X = 17 Y = 15"));
    }
    {
        SCOPED_TRACE("AutoguiderMinimumMove");
        const Night n = failing("AutoguiderMinimumMove");
        expectDithered(n);
        EXPECT_EQ(n.nMaxMove, 1);
        EXPECT_EQ(n.nMinMove, 0.05);
        // X's 0.07 is no longer below the minimum, so it is moved.
        EXPECT_EQ(n.moves, std::vector<std::string>{"camera: Move(17.07, 15.8, 17, 15)"});
        EXPECT_EQ(n.store, before.store);
        ASSERT_TRUE(n.log);
        EXPECT_EQ(*n.log,
                  withCorrectionLine(cutBlocks(*before.log, "Autoguider Min Move = "),
                                     "Autoguider Error X=0.0700000000000003 Y = 0.800000000000001"
                                     "  Offset X = 17 Y = 15"));
    }
}

TEST_F(FaultInjectionTest, CameraSelectionAndStatusThatCannotBeWritten)
{
    const Night before = healthy();
    for (const std::string member : {"Autoguider", "Status"}) {
        SCOPED_TRACE(member);
        const Night n = failing(member);
        // Guiding and dithering go on; every log call stops before it opens the file.
        expectDitheredAsHealthy(n, before);
        EXPECT_FALSE(n.log);
    }
}

TEST_F(FaultInjectionTest, AxisSwitchesThatCannotBeWritten)
{
    const Night before = healthy();
    for (const std::string member : {"EnabledXAxis", "enabledyaxis"}) {
        SCOPED_TRACE(member);
        const Night n = failing(member);
        expectDitheredAsHealthy(n, before); // the move is still made
        ASSERT_TRUE(n.log);
        // The header reads both switches for one line.
        EXPECT_EQ(*n.log, cutBlocks(*before.log, "Enabled X = "));
    }
}

TEST_F(FaultInjectionTest, MoveThatFails)
{
    const Night before = healthy();
    const Night n = failing("Move");
    expectDithered(n);
    EXPECT_TRUE(n.moves.empty());
    EXPECT_EQ(n.store, before.store);
    ASSERT_TRUE(n.log);
    EXPECT_EQ(*n.log, *before.log) << "the correction line is still written";
    // The axes are switched off again after the failed move.
    const auto &lines = n.cameraLines;
    const auto failed = std::find(lines.begin(), lines.end(), "camera: Move failed");
    ASSERT_NE(failed, lines.end());
    EXPECT_EQ(*(failed + 1), "camera: EnabledXAxis = False");
    EXPECT_EQ(*(failed + 2), "camera: enabledyaxis = False");
}

TEST_F(FaultInjectionTest, LogReadingsThatFail)
{
    const Night before = healthy();
    // Each log reading with the first line that needs it; the block stops there.
    const std::vector<std::pair<std::string, std::string>> readings = {
            {"AutoguiderBacklashXAxis", "Autoguider Backlash: "},
            {"AutoguiderBacklashYAxis", "Autoguider Backlash: "},
            {"AutoguiderCalibrationTimeXAxis", "Autoguider Calibration: "},
            {"AutoguiderCalibrationTimeYAxis", "Autoguider Calibration: "},
            {"AutoguiderDelayAfterCorrection", "Autoguider Delay = "},
            {"AutoguiderExposureTime", "Autoguider Exposure = "},
            {"BinX", "Autoguider Bin X = "},
            {"BinY", "Autoguider Bin X = "},
            {"Delay", "Delay = "},
            {"exposureTime", "Exposure Time = "},
            {"ImageReduction", "Reduction = "},
            {"MoveVia", "Move Via = "},
            {"ReverseX", "Reverse X = "},
            {"Subframe", "Subframe = "},
            {"SubframeLeft", "Subframe rect = "},
            {"SubframeTop", "Subframe rect = "},
            {"SubframeRight", "Subframe rect = "},
            {"SubframeBottom", "Subframe rect = "},
            {"GuideStarX", "Guide Star X = "},
            {"GuideStarY", "Guide Star X = "},
            {"MoveToX", "MoveTo X = "},
            {"MoveToY", "MoveTo X = "},
            {"TelescopeDeclination", "Declination = "},
    };
    for (const auto &[member, line] : readings) {
        SCOPED_TRACE(member);
        const Night n = failing(member);
        expectDitheredAsHealthy(n, before);
        ASSERT_TRUE(n.log);
        const std::string expected = cutBlocks(*before.log, line);
        EXPECT_LT(expected.size(), before.log->size()) << "the cut must remove something";
        EXPECT_EQ(*n.log, expected);
        // A block cut short leaves the camera pointed at the autoguider.
        const bool inBody = line.rfind("Guide Star", 0) == 0 || line.rfind("MoveTo", 0) == 0
                            || line.rfind("Declination", 0) == 0;
        EXPECT_EQ(resets(n), resets(before) - (inBody ? 2 : 1));
    }
}

TEST_F(FaultInjectionTest, LogFileThatCannotBeWritten)
{
    const Night before = healthy();
    const std::vector<std::string> paths = {(folder / "missing" / "guide.log").string(),
                                            "/dev/full",
                                            folder.string()};
    for (const std::string &path : paths) {
        SCOPED_TRACE(path);
        const Night n = night([&](PlugInRig &rig) { rig.settings.Save(Keys::LogFile, path); });
        expectDithered(n);
        EXPECT_EQ(n.moves, std::vector<std::string>{HealthyMove});
        std::vector<std::pair<std::string, std::string>> expected = before.store;
        for (auto &[key, value] : expected) {
            if (key == Keys::LogFile)
                value = path;
        }
        EXPECT_EQ(n.store, expected);
        EXPECT_FALSE(n.log);
        // A missing folder of a chosen path is not made.
        EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
        // Three log calls, each leaving the camera on the autoguider.
        EXPECT_EQ(resets(n), resets(before) - 3);
    }
}
