#include "PlugInFixture.h"

#include "SettingKeys.h"
#include "TextLines.h"

using namespace Quiverstep;

namespace {

class GuideEventTest : public PlugInFixture
{
protected:
    std::string calls() const { return Joined(cameras.lines(), "; "); }
    // The guide log shows what the guide start loaded.
    std::string &logOn()
    {
        settings.Save(Keys::Log, "1");
        settings.Save(Keys::LogFile, "/g.log");
        return files.files["/g.log"];
    }
};

} // namespace

TEST_F(GuideEventTest, GuideStartReloadsTargetAndLimitsAndReadsTheDitherTypeAsTruthValue)
{
    settings.Save(Keys::CurrentOffsetX, "17");
    settings.Save(Keys::CurrentOffsetY, "15.5");
    plugIn.bGuiding = true;
    guideStart(1500, 200);
    EXPECT_EQ(plugIn.XOffset, 17);
    EXPECT_EQ(plugIn.YOffset, 15.5);
    EXPECT_EQ(plugIn.nMaxMove, 1.5);
    EXPECT_EQ(plugIn.nMinMove, 0.2);
    EXPECT_FALSE(plugIn.bGuiding);
    EXPECT_EQ(calls(),
              "camera: create; camera: Autoguider = 1; camera: GuideErrorX -> 0; "
              "camera: GuideErrorY -> 0; camera: AutoguiderMaximumMove -> 1500; "
              "camera: AutoguiderMinimumMove -> 200; camera: release; ");

    std::string &log = logOn();
    // A text that is no truth value leaves the type as it was.
    for (auto [stored, loaded] : {std::pair{"2", "-1"}, {"Spiral", "-1"}, {"0", "0"}}) {
        settings.Save(Keys::DitherType, stored);
        log.clear();
        guideStart();
        EXPECT_TRUE(Contains(log, std::string("\nDither Type = ") + loaded + "\r")) << stored;
    }
}

// A correction moves with the axes enabled only around the move; moves are limited to the
// maximum, and below the minimum become none.
TEST_F(GuideEventTest, CorrectionMovesWithinTheLimitsWithAxesEnabledOnlyAroundTheMove)
{
    guideStart();
    cameras.clearLines();
    correction(0.5, -0.2);
    EXPECT_TRUE(plugIn.bGuiding);
    EXPECT_EQ(calls(),
              "camera: create; camera: Autoguider = 1; camera: GuideErrorX -> 0.5; "
              "camera: GuideErrorY -> -0.2; camera: Autoguider = 1001; camera: GuideErrorX -> 0.5; "
              "camera: GuideErrorY -> -0.2; camera: Autoguider = 1; camera: Autoguider = 1001; "
              "camera: EnabledXAxis = True; camera: enabledyaxis = True; "
              "camera: Move(16.5, 15.8, 16, 16); camera: EnabledXAxis = False; "
              "camera: enabledyaxis = False; camera: Autoguider = 1; camera: Autoguider = 0; "
              "camera: release; ");

    struct Case
    {
        double maxMove, minMove, targetX, errorX, errorY;
        const char *move;
    };
    for (const Case &c : {Case{1000, 600, 16, 0.5, -0.2, "Move(16, 16, 16, 16)"},
                          Case{1000, 100, 18, 0.1, 0.3, "Move(17, 16.3, 18, 16)"},
                          Case{1000, 100, 14, 0.1, -1.5, "Move(15, 15, 14, 16)"}}) {
        guideStart(c.maxMove, c.minMove);
        plugIn.XOffset = c.targetX; // as after a dither
        correction(c.errorX, c.errorY);
        EXPECT_EQ(moves().back(), c.move);
    }
}

TEST_F(GuideEventTest, ImageDithersOnlyAfterACorrection)
{
    guideStart();
    event(19, 0);
    EXPECT_EQ(plugIn.XOffset, 16);
    EXPECT_FALSE(settings.Find(Keys::CurrentOffsetX));

    correction(0.5, 0.5);
    event(19, 0);
    EXPECT_EQ(plugIn.XOffset, 15);
    EXPECT_EQ(settings.Get(Keys::CurrentOffsetX, ""), "15");
    EXPECT_FALSE(plugIn.bGuiding);
    event(19, 0); // no further dither until the next correction
    EXPECT_EQ(plugIn.YOffset, 16);
}

TEST_F(GuideEventTest, AnotherGuideCameraKeepsTheSelectorOnIt)
{
    guideStart();
    cameras.clearLines();
    cameras.SetValue("GuideErrorX", 0.5);
    event(22, 2);
    EXPECT_EQ(cameras.lines()[1], "camera: Autoguider = 2");
    EXPECT_EQ(cameras.lines()[cameras.lines().size() - 2], "camera: Autoguider = 2");
}

TEST_F(GuideEventTest, CorrectionBeforeAnyGuideStartMovesFromTheTarget)
{
    plugIn.XOffset = 16;
    plugIn.YOffset = 16;
    plugIn.nMaxMove = 1;
    correction(0.7, 0.4);
    // No error buffers yet: the sums stay empty and the averages are 0.
    EXPECT_EQ(moves(), (std::vector<std::string>{"Move(16, 16, 16, 16)"}));
    EXPECT_TRUE(plugIn.bGuiding);
}

TEST_F(GuideEventTest, HandEditedStoreValuesLeaveMembersAsTheyWere)
{
    const std::string &log = logOn();
    settings.Save(Keys::CurrentOffsetX, "sixteen");
    settings.Save(Keys::DitherStep, "0");
    plugIn.XOffset = 18;
    guideStart();
    EXPECT_EQ(plugIn.XOffset, 18);
    EXPECT_TRUE(Contains(log, "\nStep Size = 0  Max Dither = 4\r"));
    EXPECT_EQ(process.spiral.SpiralLimit, 0); // the step of 0 was refused
    correction(0.5, 0.5);
    EXPECT_TRUE(plugIn.bGuiding);
}
