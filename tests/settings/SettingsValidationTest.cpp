#include "SettingsValidation.h"

#include "Pattern.h"
#include "SettingKeys.h"
#include "WatchedStore.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace Quiverstep;

namespace {

class ValidateAndSaveTest : public ::testing::Test
{
protected:
    ValidateAndSaveTest() { InstallBuiltInPatterns(settings); }

    std::optional<std::string> save(std::string max, std::string step, int type = 0, int ao7 = 0)
    {
        writesBefore = store.writeCount();
        return ValidateAndSave({std::move(max), std::move(step), type, ao7, 0}, store, spiral);
    }
    std::string get(std::string_view key) const { return settings.Get(key, "<absent>"); }

    WatchedStore store;
    Settings settings{store};
    Spiral::State spiral;
    int writesBefore = 0;
};

} // namespace

TEST_F(ValidateAndSaveTest, EachCheckShowsItsOwnMessageAndStoresNothing)
{
    const std::string outside
            = "Selected dither pattern and step size will take the guide star outside the "
              "specified Max Dither box.\r\nPlease choose a different pattern or increase Max "
              "Dither and/or decrease Step Size.";
    const std::string tooLarge = "Max Dither box size is too large: the guide star will come "
                                 "too close to the edge of the guide box";
    const std::string fractional = "AO-7 dither can only step a whole number of pixels: "
                                   "fractional step is not supported";
    const std::tuple<const char *, const char *, int, int, std::string> cases[] = {
            {"abc", "x", 0, 0, "Max Dither is not numeric."}, // check 1 comes first
            {"", "1", 0, 0, "Max Dither is not numeric."},
            {"1e999", "1", 0, 0, "Max Dither is not numeric."}, // too large for a number
            {"4", "x", 0, 0, "Dither Step Size is not numeric"},
            {"4", "", 0, 0, "Dither Step Size is not numeric"},
            {"4", "-1e999", 0, 0, "Dither Step Size is not numeric"},
            {"4", "5", 0, 0, "Step Size is larger than dither box size - please fix"},
            {"20", "30", 0, 0, "Step Size is larger than dither box size - please fix"},
            {"14", "1", 0, 0, tooLarge},
            {"4", "0", 0, 0, "Step Size should be greater than zero"},
            {"4", "-1", 0, 0, "Step Size should be greater than zero"},
            {"4", "1", -1, 0, "Please select dither type"},
            {"4", "1", 3, 0, outside}, // Horizontal Snake 10x10
            {"4", "1.5", 0, 1, fractional},
            {"4", "1.5", 0, 2, fractional}, // grayed is not unchecked
            {"4", "1", 9, 0, "Dither Pattern doesn't exist. Please select another."},
    };
    for (const auto &[max, step, type, ao7, message] : cases) {
        EXPECT_EQ(save(max, step, type, ao7), message) << max << " / " << step;
        EXPECT_EQ(store.writeCount(), writesBefore) << max << " / " << step;
    }
}

TEST_F(ValidateAndSaveTest, BoundariesThatPass)
{
    EXPECT_FALSE(save("13.9", "1"));
    EXPECT_FALSE(save("4", "4")); // a step equal to the box
    EXPECT_FALSE(save("4", "2", 0, 1));
    EXPECT_FALSE(save("4", "1.5", 0, 0));
}

TEST_F(ValidateAndSaveTest, SpiralSaveStoresEverySettingAndRestartsTheWalk)
{
    settings.Save(Keys::SpiralRadius, "3");
    settings.Save(Keys::SpiralPosX, "13");
    settings.Save(Keys::CurrentStep, "7");
    ASSERT_FALSE(ValidateAndSave({" 4", "1.0", 0, 1, 1}, store, spiral)); // texts stored as typed
    // Only pattern types reset the step.
    for (auto [key, value] : {std::pair{Keys::CurrentOffsetX, "16"}, {Keys::CurrentOffsetY, "16"},
                              {Keys::DitherType, "0"},           {Keys::DitherStep, "1.0"},
                              {Keys::MaxDitherX, " 4"},          {Keys::MaxDitherY, " 4"},
                              {Keys::AO7Compatible, "1"},        {Keys::Log, "1"},
                              {Keys::SpiralRadius, "0"},         {Keys::SpiralPosX, "16"},
                              {Keys::CurrentStep, "7"}})
        EXPECT_EQ(get(key), value) << key;
    EXPECT_EQ(spiral.SpiralLimit, 4);       // the walk in memory restarted as well
    EXPECT_EQ(store.commits, 1);
}

TEST_F(ValidateAndSaveTest, PatternSaveStartsOnTheFirstStep)
{
    ASSERT_FALSE(save("5", "1", 3));
    EXPECT_EQ(get(Keys::CurrentOffsetX), "11");
    EXPECT_EQ(get(Keys::CurrentOffsetY), "11");
    EXPECT_EQ(get(Keys::CurrentStep), "1");
    EXPECT_EQ(get(Keys::CurrentDirection), "False");
    EXPECT_EQ(get(Keys::DitherType), "3");

    ReplacePattern(settings, 2, "H\\ 0.50,  -0.25\\TOP");
    ASSERT_FALSE(save("4", "2", 2));
    EXPECT_EQ(get(Keys::CurrentOffsetX), "17");
    EXPECT_EQ(get(Keys::CurrentOffsetY), "15.5");
}

TEST(PatternFitsBox, ReadsTheStoredPatternAtTheTypedSizes)
{
    MemoryStore store;
    Settings settings(store);
    settings.Save(Keys::Pattern(2), "P\\1,0\\0:-3\\BOTTOM");
    EXPECT_TRUE(PatternFitsBox(settings, 2, "1", "3")); // a step exactly at the box edge fits
    EXPECT_FALSE(PatternFitsBox(settings, 2, "1", "2.9"));
    EXPECT_FALSE(PatternFitsBox(settings, 2, "2", "5"));
    EXPECT_TRUE(PatternFitsBox(settings, 0, "9", "1")); // spiral and random always fit
    EXPECT_TRUE(PatternFitsBox(settings, 5, "9", "1")); // missing: the save reports it
    settings.Save(Keys::Pattern(3), "Q\\1,0\\9,9");     // the last field is the end marker
    EXPECT_TRUE(PatternFitsBox(settings, 3, "1", "1"));
}
