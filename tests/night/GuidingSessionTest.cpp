#include "GuidingSession.h"

#include "FixedClock.h"
#include "FixedUserPaths.h"
#include "MemoryStore.h"
#include "MemoryTextFiles.h"
#include "SettingKeys.h"
#include "Settings.h"

#include <gtest/gtest.h>

using namespace Quiverstep;

namespace {

class GuidingSessionTest : public ::testing::Test
{
protected:
    SessionReport run(GuidingSession::Options options)
    {
        return GuidingSession(store, clock, files, paths, options).Run();
    }

    MemoryStore store;
    Settings settings{store};
    FixedClock clock;
    MemoryTextFiles files;
    FixedUserPaths paths;
};

int count(const std::string &text, const std::string &what)
{
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

} // namespace

TEST_F(GuidingSessionTest, ADitherOfThreePixelsAtOnePixelPerFrameTakesThreeFrames)
{
    settings.Save(Keys::DitherStep, "3");
    settings.Save(Keys::MaxDitherX, "3");
    const SessionReport report = run({.images = 2, .framesPerImage = 12, .camera = {.maxMove = 1}});

    ASSERT_EQ(report.images.size(), 2u);
    EXPECT_EQ(report.images[0].targetX, 16);
    EXPECT_EQ(report.images[1].targetX, 13);
    EXPECT_EQ(report.images[1].targetY, 16);
    ASSERT_TRUE(report.images[1].settleFrames.has_value());
    EXPECT_GE(*report.images[1].settleFrames, 3);
    EXPECT_LE(*report.images[1].settleFrames, 5);
    // By the end of the exposure the star is held at the new target.
    EXPECT_NEAR(report.track.back().x, 13, 0.8);
}

TEST_F(GuidingSessionTest, EveryFrameIsACorrectionAndEveryImageADither)
{
    settings.Save(Keys::Log, "1");
    settings.Save(Keys::LogFile, "/night.log");
    const SessionReport report = run({.images = 4, .framesPerImage = 6, .camera = {}});
    ASSERT_EQ(report.images.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(report.images[i].number, i + 1);
        EXPECT_EQ(report.images[i].frames, 6);
    }
    EXPECT_EQ(report.track.size(), 1u + 4 * 6);
    EXPECT_EQ(report.track.front().x, 16);   // the guide start reads 0, 0
    EXPECT_EQ(report.logFile, "/night.log"); // name and type: in run's report
    const std::string &log = files.files["/night.log"];
    EXPECT_EQ(count(log, "Autoguider started at"), 1);
    // The modelled camera answers every reading of the header.
    EXPECT_EQ(count(log, "Subframe rect = (312, 228, 345, 261)"), 1);
    EXPECT_EQ(count(log, "Autoguider Error X="), 4 * 6);
    EXPECT_EQ(count(log, "----> Image captured at"), 4);
    // Four dither updates walked the spiral on.
    EXPECT_EQ(settings.Get(Keys::CurrentOffsetX, ""), "17");
    EXPECT_EQ(settings.Get(Keys::CurrentOffsetY, ""), "15");
}
