#include "GuideCameraModel.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Quiverstep;

namespace {

// A star that only moves when it is moved.
const GuideCameraModel::Options Still{.seeing = 0, .driftX = 0, .driftY = 0, .periodicAmplitude = 0};

double number(const GuideCameraModel &model, const char *member)
{
    return CameraNumber(model.Get(member));
}

} // namespace

TEST(GuideCameraModelTest, FirstFrameAfterGuidingStartsReadsExactlyZero)
{
    GuideCameraModel model{GuideCameraModel::Options{}};
    for (int i = 0; i < 5; ++i)
        model.TakeFrame();
    EXPECT_NE(number(model, "GuideErrorX"), 0);
    model.StartGuiding();
    EXPECT_EQ(model.Get("GuideErrorX"), CameraValue(0.0));
    EXPECT_EQ(model.Get("GuideErrorY"), CameraValue(0.0));
    model.TakeFrame();
    EXPECT_NE(number(model, "GuideErrorX"), 0);
    EXPECT_NE(number(model, "GuideErrorY"), 0);
}

TEST(GuideCameraModelTest, MoveShiftsTheStarByTheDifferenceOnEnabledAxesOnly)
{
    GuideCameraModel model(Still);
    model.StartGuiding();
    struct Case
    {
        bool x, y;
        double fromX, fromY, toX, toY, starX, starY;
    };
    // Measured at 17 while it is at 16: the mount moves it by one pixel, to 17, not to 18.
    for (const Case &c : {Case{true, false, 17, 16, 18, 13, 17, 16},
                          Case{false, true, 17, 16, 16, 15, 17, 15},
                          Case{false, false, 17, 15, 18, 16, 17, 15}}) {
        model.Set("EnabledXAxis", c.x);
        model.Set("enabledyaxis", c.y);
        model.Move(c.fromX, c.fromY, c.toX, c.toY);
        EXPECT_EQ(model.StarX(), c.starX);
        EXPECT_EQ(model.StarY(), c.starY);
    }
    EXPECT_EQ(model.MoveCount(), 3);
    model.TakeFrame();
    EXPECT_EQ(number(model, "GuideErrorX"), 1);
    EXPECT_EQ(number(model, "GuideStarX") - number(model, "SubframeLeft"), 17);
    EXPECT_EQ(number(model, "MoveToX") - number(model, "SubframeLeft"), 18);
}

TEST(GuideCameraModelTest, DriftAndPeriodicErrorMoveTheStarBetweenFrames)
{
    GuideCameraModel model({.seeing = 0,
                            .driftX = 0.02,
                            .driftY = -0.01,
                            .periodicAmplitude = 0.3,
                            .periodicFrames = 120});
    model.StartGuiding();
    for (int i = 0; i < 30; ++i)
        model.TakeFrame();
    // A quarter period: the periodic error is at its peak, on X only.
    EXPECT_NEAR(model.StarX(), 16 + 0.6 + 0.3, 1e-9);
    EXPECT_NEAR(model.StarY(), 16 - 0.3, 1e-9);
    for (int i = 0; i < 90; ++i)
        model.TakeFrame();
    EXPECT_NEAR(model.StarX(), 16 + 2.4, 1e-9);
    EXPECT_NEAR(number(model, "GuideErrorX"), 2.4, 1e-9);
}

TEST(GuideCameraModelTest, SeeingHasTheSetSigma)
{
    GuideCameraModel::Options options = Still;
    options.seeing = 0.2;
    GuideCameraModel model(options);
    model.StartGuiding();
    const int frames = 20000;
    double sum = 0, sumSquares = 0;
    for (int i = 0; i < frames; ++i) {
        model.TakeFrame();
        const double error = number(model, "GuideErrorY");
        sum += error;
        sumSquares += error * error;
    }
    EXPECT_NEAR(sum / frames, 0, 0.01);
    EXPECT_NEAR(std::sqrt(sumSquares / frames), 0.2, 0.005);
    EXPECT_EQ(model.StarY(), 16);
}

TEST(GuideCameraModelTest, MembersMatchWithoutCaseAndUnknownOnesFail)
{
    GuideCameraModel model({.maxMove = 1.5, .minMove = 0.2});
    EXPECT_EQ(number(model, "AutoguiderMaximumMove"), 1500);
    EXPECT_EQ(number(model, "autoguiderminimummove"), 200);
    EXPECT_EQ(model.Get("ENABLEDYAXIS"), CameraValue(true));
    model.Set("Autoguider", 1001.0);
    EXPECT_EQ(number(model, "autoguider"), 1001);
    EXPECT_THROW(model.Get("FocusPosition"), CameraError);
    EXPECT_THROW(model.Set("GuideErrorX", 1.0), CameraError);
}
