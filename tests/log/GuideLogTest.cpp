#include "PlugInFixture.h"

#include "GuideLog.h"
#include "SettingKeys.h"
#include "TextLines.h"

using namespace Quiverstep;

namespace {

class GuideLogTest : public PlugInFixture
{
protected:
    GuideLogTest()
    {
        settings.Save(Keys::LogFile, path);
        settings.Save(Keys::Log, "1");
        cameras.SetValue("AutoguiderBacklashXAxis", 12.0);
        cameras.SetValue("EnabledXAxis", true);
        cameras.SetValue("MoveVia", std::string("Relays"));
    }

    std::string log() { return files.files[path]; }

    const std::string path = "/logs/guide.log";
};

// What every block ends with.
std::string body(const std::string &offsets, const std::string &guiding)
{
    return "Guide Star X = 0 Y = 0\r\nMoveTo X = 0 Y = 0\r\nDeclination = 0\r\nDither Type = 0\r\n"
           "Offset X = "
           + offsets + "\r\nStep Size = 1  Max Dither = 4\r\nGuiding =  " + guiding
           + "\r\nCurrent Step # = 0\r\nCurrent Direction = False\r\n\r\n\r\n";
}

std::string header(const std::string &stamp, const std::string &offsets)
{
    return "----------------------------------------------\r\n"
           "Autoguider started at "
           + stamp
           + "\r\n"
             "Version = 1.1.8\r\n"
             "Autoguider Backlash: X = 12 Y = 0\r\n"
             "Autoguider Calibration: X = 0 Y = 0\r\n"
             "Autoguider Delay = 0\r\n"
             "Autoguider Exposure = 0\r\n"
             "Autoguider Max Move = 1000\r\n"
             "Autoguider Min Move = 100\r\n"
             "Autoguider Bin X = 0 Y = 0\r\n"
             "Delay = 0\r\n"
             "Enabled X = True Y = 0\r\n"
             "Exposure Time = 0\r\n"
             "Reduction = 0\r\n"
             "Move Via = Relays\r\n"
             "Reverse X = 0\r\n"
             "Subframe = 0\r\n"
             "Subframe rect = (0, 0, 0, 0)\r\n"
           + body(offsets, "False");
}

} // namespace

TEST_F(GuideLogTest, GuidingStartImageAndCorrectionLines)
{
    guideStart();
    std::string expected = header("2026/12/06 09:30:05 PM", "16 Y = 16");
    EXPECT_EQ(log(), expected);

    correction(-0.25, 0.5);
    expected += "Autoguider Error X=-0.25 Y = 0.5  Offset X = 16 Y = 16\r\n";
    EXPECT_EQ(log(), expected);

    clock.time = {2026, 12, 7, 0, 30, 0};
    event(19, 0);
    expected += "----> Image captured at 2026/12/07 12:30:00 AM\r\n" + body("16 Y = 16", "True");
    EXPECT_EQ(log(), expected);
    // A second guiding start appends after the two empty lines, with the new target.
    guideStart();
    EXPECT_EQ(log(), expected + header("2026/12/07 12:30:00 AM", "15 Y = 16"));
}

TEST_F(GuideLogTest, CameraAccessOfALogCall)
{
    plugIn.bGuiding = true;
    cameras.clearLines();
    guideStart();
    const auto &lines = cameras.lines();
    // The guide start's own camera is still held while the log makes its own.
    const auto second = std::find(lines.begin() + 1, lines.end(), "camera: create");
    ASSERT_NE(second, lines.end());
    EXPECT_EQ(*(second + 1), "camera: Autoguider = 1");
    EXPECT_EQ(*(second + 2), "camera: Status = Writing guide data");
    // The readings come in the order the lines show them, left to right.
    std::vector<std::string> reads;
    for (auto line = second + 3; line != lines.end(); ++line) {
        if (const std::size_t arrow = line->find(" -> "); arrow != std::string::npos)
            reads.push_back(line->substr(8, arrow - 8));
    }
    EXPECT_EQ(
            Joined(reads, " "),
            "AutoguiderBacklashXAxis AutoguiderBacklashYAxis AutoguiderCalibrationTimeXAxis "
            "AutoguiderCalibrationTimeYAxis AutoguiderDelayAfterCorrection AutoguiderExposureTime "
            "AutoguiderMaximumMove AutoguiderMinimumMove BinX BinY Delay EnabledXAxis enabledyaxis "
            "exposureTime ImageReduction MoveVia ReverseX Subframe SubframeLeft SubframeTop "
            "SubframeRight SubframeBottom GuideStarX GuideStarY MoveToX MoveToY "
            "TelescopeDeclination ");
    EXPECT_EQ(lines[lines.size() - 3], "camera: Autoguider = 0");
    EXPECT_EQ(lines[lines.size() - 2], "camera: release");
    EXPECT_EQ(lines[lines.size() - 1], "camera: release");
}

// Midnight and an evening hour are the log test's stamps above.
TEST_F(GuideLogTest, StampsUseTheTwelveHourClock)
{
    EXPECT_EQ(GuideLog::FormatStamp({2026, 1, 2, 12, 30, 0}), "2026/01/02 12:30:00 PM");
    EXPECT_EQ(GuideLog::FormatStamp({2026, 11, 30, 11, 59, 59}), "2026/11/30 11:59:59 AM");
}

// Correction lines follow the switch only from the next block on.
TEST_F(GuideLogTest, LogValuesThatSwitchItOnForTheNextBlock)
{
    for (const char *off : {"0", "False", "True", ""}) {
        settings.Save(Keys::Log, off);
        cameras.clearLines();
        guideStart();
        correction(0.5, 0.5);
        EXPECT_TRUE(files.files.empty()) << off;
        EXPECT_EQ(std::count(cameras.lines().begin(), cameras.lines().end(), "camera: create"), 2)
                << off;
    }
    settings.Save(Keys::Log, "1");
    correction(0.5, 0.5);
    EXPECT_TRUE(files.files.empty());

    for (const char *on : {"1", "2", "1abc"}) {
        files.files.clear();
        settings.Save(Keys::Log, on);
        guideStart();
        EXPECT_FALSE(log().empty()) << on;
    }
    settings.Save(Keys::Log, "0");
    correction(0.5, 0.5);
    EXPECT_TRUE(log().ends_with("Autoguider Error X=0.5 Y = 0.5  Offset X = 16 Y = 16\r\n"))
            << log();
}

using GuideLogPlaceTest = PlugInFixture;

TEST_F(GuideLogPlaceTest, WithoutLogFileTheFirstDefaultPlaceThatOpensTakesTheLog)
{
    settings.Save(Keys::Log, "1");
    rig.paths.logFolders = {"/denied", "/fallback"};
    files.unopenable.insert("/denied/Quiverstep118.log");
    guideStart();
    EXPECT_TRUE(files.files["/fallback/Quiverstep118.log"].starts_with("-----"));

    files.unopenable.clear();
    guideStart();
    EXPECT_TRUE(files.files["/denied/Quiverstep118.log"].starts_with("-----"));
}
