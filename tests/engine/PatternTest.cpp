#include "Pattern.h"
#include "Conversions.h"
#include "MemoryStore.h"
#include "SettingKeys.h"

#include <gtest/gtest.h>

#include <set>

using namespace Quiverstep;

namespace {

// A step's x and y texts, joined by "|"; "-" first when it has no separator.
std::string split(std::string_view step)
{
    const StepParts parts = SplitStep(step);
    return (parts.hasSeparator ? "" : "-") + std::string(parts.x) + "|" + std::string(parts.y);
}

// Whether the pattern text walks a snake over -n..n: every cell once, one cell at a time.
void expectSnake(const std::string &text, int n)
{
    std::vector<std::pair<int, int>> walk;
    for (std::size_t i = 1; auto field = StepField(text, i); ++i) {
        const StepParts parts = SplitStep(*field);
        walk.emplace_back(int(LeadingNumber(parts.x)), int(LeadingNumber(parts.y)));
        EXPECT_TRUE(std::abs(walk.back().first) <= n && std::abs(walk.back().second) <= n);
        if (i > 1) {
            const auto [x, y] = walk[i - 2];
            EXPECT_EQ(std::abs(walk.back().first - x) + std::abs(walk.back().second - y), 1)
                    << "at step " << i;
        }
    }
    EXPECT_EQ(walk.size(), std::size_t((2 * n + 1) * (2 * n + 1)));
    EXPECT_EQ(std::set(walk.begin(), walk.end()).size(), walk.size());
}

} // namespace

TEST(PatternSteps, SplitsAtColonFirstThenCommaAndEndsBeforeTheMarker)
{
    EXPECT_EQ(split(" 0.50,  0.00"), " 0.50|  0.00");
    EXPECT_EQ(split("3: -2"), "3| -2");
    EXPECT_EQ(split("1:2,3"), "1|2,3");
    EXPECT_EQ(split("7"), "-|7");
    EXPECT_EQ(StepField("P\\1,0\\TOP", 1), "1,0");
    EXPECT_FALSE(StepField("P\\1,0\\TOP", 2)); // the end marker is never a step
    EXPECT_EQ(StepField("P\\1,0\\2,0", 1), "1,0");
    EXPECT_FALSE(StepField("P\\1,0\\2,0", 2));
    EXPECT_TRUE(RepeatsFromTop("P\\1,0\\top"));
    EXPECT_FALSE(RepeatsFromTop("P\\1,0\\BOTTOM"));
}

TEST(BuiltInPatterns, ExactTexts)
{
    const auto texts = BuiltInPatternTexts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0],
              "Half-step 2x2\\ 0.00,  0.00\\ 0.50,  0.00\\ 0.50,  0.50\\ 0.00,  0.50\\TOP");
    EXPECT_TRUE(texts[1].starts_with("Horizontal Snake 10x10\\-5,-5\\-4,-5\\"));
    EXPECT_NE(texts[1].find("\\5,-5\\5,-4\\4,-4\\"), std::string::npos);
    EXPECT_TRUE(texts[1].ends_with("\\4,5\\5,5\\BOTTOM"));
    EXPECT_TRUE(texts[2].starts_with("Vertical Snake 10x10\\-5,-5\\-5,-4\\"));
    EXPECT_NE(texts[2].find("\\-5,5\\-4,5\\-4,4\\"), std::string::npos);
    EXPECT_TRUE(texts[2].ends_with("\\5,4\\5,5\\BOTTOM"));
    EXPECT_TRUE(texts[3].starts_with("Horizontall Snake 20x20\\-10,-10\\-9,-10\\"));
    EXPECT_TRUE(texts[4].starts_with("Vertical Snake 20x20\\-10,-10\\-10,-9\\"));
    for (int i = 1; i <= 4; ++i)
        expectSnake(texts[i], i < 3 ? 5 : 10);
}

TEST(BuiltInPatterns, InstalledOnlyBelowVersion11)
{
    MemoryStore store;
    Settings settings(store);
    ASSERT_TRUE(InstallBuiltInPatterns(settings));
    EXPECT_EQ(settings.Get(Keys::Version, ""), "1.1");
    EXPECT_EQ(settings.Find("Pattern7"), std::string());
    EXPECT_EQ(EnumeratePatterns(settings).nextPattern, 7);

    // A second load leaves the user's changes alone.
    settings.Save("Pattern2", "Mine\\1,1\\TOP");
    EXPECT_FALSE(InstallBuiltInPatterns(settings));
    EXPECT_EQ(settings.Get("Pattern2", ""), "Mine\\1,1\\TOP");

    // An older generation gets them again, cutting later user patterns off.
    settings.Save(Keys::Version, "1.05");
    settings.Save("Pattern7", "Later\\1,1\\TOP");
    EXPECT_TRUE(InstallBuiltInPatterns(settings));
    EXPECT_EQ(settings.Get("Pattern2", "").substr(0, 13), "Half-step 2x2");
    EXPECT_EQ(EnumeratePatterns(settings).nextPattern, 7);

    // A later build compares against 1.1 too: a 1.1 store keeps its patterns, an older one
    // gets them with the build's version.
    settings.Save("Pattern2", "Mine\\1,1\\TOP");
    EXPECT_FALSE(InstallBuiltInPatterns(settings, "1.2"));
    EXPECT_EQ(settings.Get("Pattern2", ""), "Mine\\1,1\\TOP");
    EXPECT_EQ(settings.Get(Keys::Version, ""), "1.1");
    settings.Save(Keys::Version, "1.05");
    EXPECT_TRUE(InstallBuiltInPatterns(settings, "1.2"));
    EXPECT_EQ(settings.Get(Keys::Version, ""), "1.2");
}

TEST(PatternRun, EnumerationStopsAtEmptyTextOrMissingBackslashAddAndDeleteKeepTheRunDense)
{
    MemoryStore store;
    Settings settings(store);
    settings.Save("Pattern2", "A\\1,0\\TOP");
    settings.Save("Pattern3", "no backslash");
    settings.Save("Pattern4", "C\\1,0\\TOP");
    PatternList list = EnumeratePatterns(settings);
    EXPECT_EQ(list.nextPattern, 3);
    ASSERT_EQ(list.patterns.size(), 1u);
    EXPECT_EQ(list.patterns[0].name, "A");
    EXPECT_EQ(list.patterns[0].body, "1,0\\TOP");

    InstallBuiltInPatterns(settings);
    AddPattern(settings, 7, "P\\1,0\\TOP");
    EXPECT_EQ(settings.Get("Pattern7", ""), "P\\1,0\\TOP");
    EXPECT_EQ(settings.Find("Pattern8"), std::string());
    EXPECT_EQ(EnumeratePatterns(settings).nextPattern, 8);

    const std::string four = settings.Get("Pattern4", "");
    DeletePattern(settings, 3, 8);
    EXPECT_EQ(settings.Get("Pattern3", ""), four);
    EXPECT_EQ(settings.Get("Pattern6", ""), "P\\1,0\\TOP");
    EXPECT_EQ(settings.Find("Pattern7"), std::string());
    list = EnumeratePatterns(settings);
    EXPECT_EQ(list.nextPattern, 7);
    EXPECT_EQ(list.patterns[0].name, "Half-step 2x2");

    ReplacePattern(settings, 2, "Q\\0,1\\BOTTOM");
    EXPECT_EQ(EnumeratePatterns(settings).patterns[0].name, "Q");
}
