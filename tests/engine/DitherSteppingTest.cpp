#include "DitherStepping.h"
#include "DitherType.h"
#include "MemoryStore.h"
#include "SettingKeys.h"
#include "Spiral.h"
#include "UnseededRandom.h"

#include <gtest/gtest.h>

using namespace Quiverstep;

namespace {

class RecordedMessages : public MessageSink
{
public:
    void ShowTimedMessage(const std::string &text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

class DitherSteppingTest : public ::testing::Test
{
protected:
    void SetUp() override { Spiral::Module() = {}; }

    std::pair<double, double> update()
    {
        SkipOnFailure step;
        DitherUpdate({XOffset,
                      YOffset,
                      nDitherType,
                      nStepSize,
                      nMaxDitherX,
                      nMaxDitherY,
                      nCurrentStep,
                      bCurrentDirection,
                      sPattern},
                     {settings, random, sink},
                     step);
        return {XOffset, YOffset};
    }

    void usePattern(const std::string &text, const std::string &stepSize)
    {
        settings.Save("Pattern2", text);
        settings.Save(Keys::DitherType, "2");
        settings.Save(Keys::DitherStep, stepSize);
        settings.Save(Keys::CurrentStep, "0");
    }

    MemoryStore store;
    Settings settings{store};
    UnseededRandom random;
    RecordedMessages sink;

    double XOffset = 0, YOffset = 0;
    std::int16_t nDitherType = 0;
    double nStepSize = 0, nMaxDitherX = 0, nMaxDitherY = 0;
    std::int32_t nCurrentStep = 0;
    bool bCurrentDirection = false;
    std::string sPattern;
};

using Walk = std::vector<std::pair<double, double>>;

} // namespace

TEST_F(DitherSteppingTest, HalfStepRepeatsFromTop)
{
    usePattern("Half-step 2x2\\ 0.00,  0.00\\ 0.50,  0.00\\ 0.50,  0.50\\ 0.00,  0.50\\TOP", "2");
    Walk walk;
    std::vector<std::string> stored;
    for (int i = 0; i < 5; ++i) {
        walk.push_back(update());
        stored.push_back(settings.Get(Keys::CurrentStep, ""));
    }
    EXPECT_EQ(walk, (Walk{{16, 16}, {17, 16}, {17, 17}, {16, 17}, {16, 16}}));
    EXPECT_EQ(stored, (std::vector<std::string>{"1", "2", "3", "0", "1"}));
    EXPECT_EQ(settings.Get(Keys::CurrentOffsetX, ""), "16");
    EXPECT_EQ(settings.Get(Keys::CurrentDirection, ""), "False");
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(DitherSteppingTest, BottomWalksBackUsingEachEndTwice)
{
    usePattern("H\\ 0.00,  0.00\\ 0.50,  0.00\\ 0.50,  0.50\\ 0.00,  0.50\\BOTTOM", "2");
    Spiral::Module().PathColour = ColourBlue;
    Walk walk;
    std::vector<std::int32_t> colours;
    for (int i = 0; i < 10; ++i) {
        walk.push_back(update());
        colours.push_back(PathColourValue());
    }
    EXPECT_EQ(walk,
              (Walk{{16, 16},
                    {17, 16},
                    {17, 17},
                    {16, 17},
                    {16, 17},
                    {17, 17},
                    {17, 16},
                    {16, 16},
                    {16, 16},
                    {17, 16}}));
    // The colour toggles at each turn: after the 4th and after the 8th update.
    const std::int32_t B = ColourBlue, M = ColourBlue ^ ColourToggleMask;
    EXPECT_EQ(colours, (std::vector<std::int32_t>{B, B, B, M, M, M, M, B, B, B}));
}

TEST_F(DitherSteppingTest, PositionOutsideTheBoxIsReportedAndClamped)
{
    usePattern("Far\\8,0\\TOP", "2");
    settings.Save(Keys::MaxDitherX, "4");
    EXPECT_EQ(update(), (std::pair<double, double>{30, 16}));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0],
              "Dither Pattern position exceeds Dither Box limit: please check!\r\n"
              "Dither Max=4\r\nStep Size =2\r\nPosition  = (32, 16)");
    update();
    EXPECT_EQ(sink.messages.size(), 2u); // a new message each time
}

TEST_F(DitherSteppingTest, EdgesOfTheBoxPassWithoutMessage)
{
    usePattern("Edge\\-7,7\\TOP", "2");
    EXPECT_EQ(update(), (std::pair<double, double>{2, 30}));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(DitherSteppingTest, MissingFieldsFollowTheSkipRules)
{
    usePattern("Odd\\5\\TOP", "1");
    EXPECT_EQ(update(), (std::pair<double, double>{2, 21})); // no x part: 0, clamped
    settings.Save(Keys::CurrentStep, "9");
    EXPECT_EQ(update(), (std::pair<double, double>{2, 2})); // no such field
    EXPECT_EQ(settings.Get(Keys::CurrentStep, ""), "0");
}

TEST_F(DitherSteppingTest, DitherTypeDecoding)
{
    EXPECT_EQ(DitherType::Decode("true"), 1);
    EXPECT_EQ(DitherType::Decode("False"), 0);
    EXPECT_EQ(DitherType::Decode("2.5"), 2);
    EXPECT_EQ(DitherType::Decode("3.5"), 4);

    settings.Save(Keys::DitherType, "3"); // no "Pattern3": the spiral
    Spiral::InitSpiral(settings, 4, 1, true);
    EXPECT_EQ(update(), (std::pair<double, double>{15, 16}));
    EXPECT_EQ(nDitherType, 0);
    settings.Save(Keys::DitherType, "40000"); // outside the Integer range: the spiral
    EXPECT_EQ(update(), (std::pair<double, double>{15, 15}));
}

TEST_F(DitherSteppingTest, StoredOffsetsOutsideTheWindowRestartAtTheCentre)
{
    settings.Save(Keys::DitherType, "1");
    settings.Save(Keys::CurrentOffsetX, "2");
    settings.Save(Keys::CurrentOffsetY, "20");
    auto [x, y] = update();
    EXPECT_LE(std::abs(x - 16), 1);
    EXPECT_LE(std::abs(y - 16), 1);
}

TEST_F(DitherSteppingTest, RandomStaysInTheBoxAndAlwaysMoves)
{
    settings.Save(Keys::DitherType, "1");
    double lastX = 16, lastY = 16;
    for (int i = 0; i < 2000; ++i) {
        auto [x, y] = update();
        EXPECT_TRUE(x >= 12 && x <= 20 && y >= 12 && y <= 20) << x << "," << y;
        EXPECT_FALSE(x == lastX && y == lastY);
        EXPECT_LE(std::abs(x - lastX), 1);
        EXPECT_LE(std::abs(y - lastY), 1);
        lastX = x;
        lastY = y;
    }
}

TEST_F(DitherSteppingTest, RandomWithNoPossibleMoveEnds)
{
    settings.Save(Keys::DitherType, "1");
    settings.Save(Keys::DitherStep, "0");
    EXPECT_EQ(update(), (std::pair<double, double>{16, 16}));

    // An offset one step cannot bring back into the box starts again from the centre.
    settings.Save(Keys::DitherStep, "1");
    settings.Save(Keys::MaxDitherX, "2");
    settings.Save(Keys::CurrentOffsetX, "25");
    auto [x, y] = update();
    EXPECT_LE(std::abs(x - 16), 1);
    EXPECT_LE(std::abs(y - 16), 1);
}

TEST_F(DitherSteppingTest, HugeCurrentStepNeitherOverflowsNorHangs)
{
    usePattern("P\\1,0\\0,1\\TOP", "1");
    settings.Save(Keys::CurrentStep, "2147483647");
    EXPECT_EQ(update(), (std::pair<double, double>{2, 2}));
    EXPECT_EQ(settings.Get(Keys::CurrentStep, ""), "0");
    settings.Save(Keys::CurrentStep, "40000");
    update();
    EXPECT_EQ(settings.Get(Keys::CurrentStep, ""), "0");
}
