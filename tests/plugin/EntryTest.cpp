#include "PlugInFixture.h"

#include "SettingKeys.h"

#include <chrono>

using namespace Quiverstep;

using EntryTest = PlugInFixture;

TEST_F(EntryTest, WantEventAnswersOneForNineteenAndTwentyTwoAndClearsGuiding)
{
    for (auto [which, wanted] : {std::pair{19, 1}, {22, 1}, {0, 0}, {20, 0}, {-1, 0}}) {
        plugIn.bGuiding = true;
        EXPECT_EQ(plugIn.WantEvent(which), wanted) << which;
        EXPECT_FALSE(plugIn.bGuiding);
    }
}

TEST_F(EntryTest, ImageEventsThatDoNotCountChangeNothing)
{
    event(19, 0); // before any guide event
    plugIn.bGuiding = true;
    event(19, 1); // from the autoguider
    event(20, 0); // not wanted
    EXPECT_EQ(store.writeCount(), 0);
    EXPECT_TRUE(cameras.lines().empty());
    EXPECT_EQ(plugIn.XOffset, 0);
}

TEST_F(EntryTest, TestModesNeedNoCamera)
{
    // Mode 3, a dither whatever the event, is the host script test's and the library test's.
    // Mode 2 is a guide start, whatever the event.
    settings.Save(Keys::CurrentOffsetX, "18");
    settings.Save(Keys::DitherStep, "2");
    plugIn.nMaxMove = 7;
    plugIn.Debugging = 2;
    event(19, 0);
    EXPECT_EQ(plugIn.XOffset, 18);
    EXPECT_EQ(plugIn.nMaxMove, 7);            // no camera: the limits keep their values
    EXPECT_EQ(process.spiral.SpiralLimit, 2); // the step of 2 was loaded
    EXPECT_FALSE(plugIn.bGuiding);

    // Mode 1 is a correction.
    plugIn.Debugging = 1;
    event(22, 1);
    EXPECT_TRUE(plugIn.bGuiding);

    // Any other mode makes every guide event a guide start.
    plugIn.Debugging = 7;
    settings.Save(Keys::CurrentOffsetX, "16");
    cameras.SetValue("GuideErrorX", 0.5);
    event(22, 1);
    EXPECT_FALSE(plugIn.bGuiding);
    EXPECT_EQ(plugIn.XOffset, 16);
    EXPECT_TRUE(cameras.lines().empty());
}

TEST_F(EntryTest, SettingsOpensTheDialogAndMyDelayWaitsForOneTickAboveOneHundred)
{
    plugIn.Settings();
    EXPECT_EQ(ui.settingsShown(), 1);
    const auto start = std::chrono::steady_clock::now();
    plugIn.myDelay(100);
    EXPECT_EQ(ui.delayTicks(), 0);
    plugIn.myDelay(101);
    EXPECT_EQ(ui.delayTicks(), 1);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(101));
    EXPECT_FALSE(process.delayWaiting);
}
