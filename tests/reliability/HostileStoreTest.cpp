// Hand-edited settings of every kind under every key, for each dither type: every event of
// a night must return within a second, release its camera, keep the target a finite number
// and write only running state that its readers take back.
#include "BenchmarkStore.h"
#include "Conversions.h"
#include "EventChecks.h"
#include "Pattern.h"
#include "PlugInRig.h"
#include "SettingKeys.h"
#include "SqliteStore.h"
#include "TempFolderTest.h"
#include "TimeLimits.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

using namespace Quiverstep;

namespace {

// A name for the report, and the text.
const std::vector<std::pair<std::string, std::string>> HostileValues = {
        {"empty", ""},
        {"zero", "0"},
        {"letters", "abcXYZ"},
        {"1E308", "1E308"},
        {"-1E308", "-1E308"},
        {"NaN", "NaN"},
        {"a million digits", std::string(1000000, '7')},
        {"backslashes", "\\\\\\\\"},
        {"control characters", std::string("\x01\x02\t\r\n\x1b\x7f\0z", 9)},
        {"100,000 steps", LongPattern(100000)},
        {"2147483647", "2147483647"},
        {"-2147483648", "-2147483648"},
};

template<class Event>
double secondsTaken(Event &&event)
{
    const auto start = std::chrono::steady_clock::now();
    event();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

class HostileStoreTest : public TempFolderTest
{
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        // A hostile "LogFile" is a relative path: let it land here.
        previous = std::filesystem::current_path();
        std::filesystem::current_path(folder);
    }
    void TearDown() override
    {
        std::filesystem::current_path(previous);
        TempFolderTest::TearDown();
    }

    // A working configuration (the benchmarks' own) with logging on, for the given dither type.
    void configure(const Settings &settings, const std::string &type)
    {
        SaveBenchmarkSettings(settings, type);
        settings.Save(Keys::MaxDitherY, "4");
        settings.Save(Keys::Log, "1");
        settings.Save(Keys::LogFile, (folder / "guide.log").string());
        settings.Save(Keys::CurrentStep, "0");
        settings.Save(Keys::CurrentDirection, "False");
    }

    // A night in all test modes; returns what went wrong, empty when nothing did.
    static std::vector<std::string> night(WatchedStore &store)
    {
        PlugInRig rig(store);
        rig.cameras.KeepLines(false);
        rig.cameras.SetValue("AutoguiderMaximumMove", 1000.0);
        rig.cameras.SetValue("AutoguiderMinimumMove", 100.0);
        std::vector<std::string> problems;
        auto event = [&](const std::string &what, std::int16_t mode, auto &&raise) {
            rig.plugIn.Debugging = mode;
            store.writes.clear();
            if (const double seconds = secondsTaken(raise); seconds >= 1 * SlowFactor)
                problems.push_back(what + " took " + std::to_string(seconds) + " s");
            if (!std::isfinite(rig.plugIn.XOffset) || !std::isfinite(rig.plugIn.YOffset))
                problems.push_back(what + " made the target not finite");
            for (const std::string &problem : EventProblems(rig, store))
                problems.push_back(what + ": " + problem);
        };
        event("guide start", 0, [&] { rig.GuideFrame(0, 0); });
        // Ten dithers reach the spiral's second ring.
        for (int i = 0; i < 10; ++i) {
            event("correction", 0, [&] { rig.GuideFrame(0.4, -0.3); });
            event("image", 0, [&] { rig.ImageDone(); });
        }
        for (std::int16_t mode : {1, 2, 3})
            event("mode " + std::to_string(mode), mode, [&] { rig.ImageDone(); });
        event("mode 7", 7, [&] { rig.GuideFrame(0.1, 0.1); });
        return problems;
    }

    std::filesystem::path previous;
};

} // namespace

TEST_F(HostileStoreTest, EveryKeyWithEveryHostileValueForEveryDitherType)
{
    std::vector<std::string> keys(Keys::All.begin(), Keys::All.end());
    keys.insert(keys.end(), {Keys::Pattern(2), Keys::Pattern(3)});
    for (const std::string type : {"0", "1", "2", "3"}) {
        for (const std::string &key : keys) {
            for (const auto &[name, text] : HostileValues) {
                WatchedStore store;
                const Settings settings(store);
                configure(settings, type);
                settings.Save(key, text);
                const std::vector<std::string> problems = night(store);
                EXPECT_TRUE(problems.empty()) << "type " << type << ", " << key << " = " << name
                                              << ": " << problems.front();
            }
        }
    }
}

TEST_F(HostileStoreTest, LongPatternWalkedFromHostileSteps)
{
    // The walk scans the pattern text up to the current step: from any stored step, in
    // either direction, it must stay quick and end inside the box.
    for (const std::string step :
         {"0", "99998", "99999", "100000", "2147483646", "2147483647", "-1", "-2147483648"}) {
        for (const std::string direction : {"False", "True"}) {
            SCOPED_TRACE("step " + step + " " + direction);
            WatchedStore store;
            const Settings settings(store);
            configure(settings, "2");
            settings.Save(Keys::Pattern(2), LongPattern(100000));
            settings.Save(Keys::CurrentStep, step);
            settings.Save(Keys::CurrentDirection, direction);
            const std::vector<std::string> problems = night(store);
            EXPECT_TRUE(problems.empty()) << problems.front();
            const double x = StrictNumber(settings.Get(Keys::CurrentOffsetX, ""));
            EXPECT_TRUE(x >= 2 && x <= 30) << x;
        }
    }
}

TEST_F(HostileStoreTest, HugeValuesThroughTheProductionStore)
{
    // The same night on the database: a million characters and 100,000 steps are stored
    // and read back whole, and every event still returns at once.
    for (const std::string &key : {std::string(Keys::DitherType),
                                   std::string(Keys::CurrentStep),
                                   std::string(Keys::CurrentOffsetX),
                                   Keys::Pattern(2)}) {
        for (const auto &[name, text] : HostileValues) {
            if (text.size() < 1000)
                continue;
            SCOPED_TRACE(key + " = " + name);
            std::filesystem::remove(path);
            SqliteStore database(path);
            const Settings settings(database);
            configure(settings, "2");
            settings.Save(key, text);
            ASSERT_EQ(settings.Get(key, ""), text);

            PlugInRig rig(database);
            rig.cameras.KeepLines(false);
            for (int i = 0; i < 3; ++i) {
                EXPECT_LT(secondsTaken([&] {
                              rig.GuideFrame(i == 0 ? 0 : 0.3, 0.2);
                              rig.ImageDone();
                          }),
                          2 * SlowFactor);
            }
            EXPECT_TRUE(std::isfinite(rig.plugIn.XOffset));
            EXPECT_EQ(settings.Get(Keys::Pattern(3), ""), BuiltInPatternTexts()[1]);
        }
    }
}

TEST_F(HostileStoreTest, PositionsThatOverflowAreRefused)
{
    // An overflowing step position keeps the update's 0, which the box check reports and
    // clamps; an overflowing spiral position leaves the target where it was.
    struct Case
    {
        std::string type, step, maxDither, pattern, message;
    };
    for (const Case &c : {Case{"2", "1E308", "4", "A\\-4,0\\TOP", "Position  = (0, 16)"},
                          Case{"2", "0", "4", "A\\1E400,0\\TOP", "Position  = (0, 16)"},
                          Case{"2", "0", "4", "A\\0,-1E400\\TOP", "Position  = (16, 0)"},
                          Case{"0", "1E308", "1.7E308", "", ""}}) {
        SCOPED_TRACE(c.step + " " + c.pattern);
        WatchedStore store;
        const Settings settings(store);
        configure(settings, c.type);
        settings.Save(Keys::Log, "0");
        settings.Save(Keys::DitherStep, c.step);
        settings.Save(Keys::MaxDitherX, c.maxDither);
        if (!c.pattern.empty())
            settings.Save(Keys::Pattern(2), c.pattern);
        PlugInRig rig(store);
        rig.plugIn.Debugging = 3;
        for (int i = 0; i < 12; ++i) {
            store.writes.clear();
            rig.ImageDone();
            ASSERT_TRUE(std::isfinite(rig.plugIn.XOffset) && std::isfinite(rig.plugIn.YOffset))
                    << "update " << i;
            for (const auto &[key, value] : store.writes)
                EXPECT_EQ(RunningStateProblem(key, value), "") << "update " << i;
        }
        if (!c.message.empty()) {
            ASSERT_FALSE(rig.ui.messages().empty());
            const std::string &message = rig.ui.messages().front();
            EXPECT_EQ(message.substr(message.rfind("\r\n") + 2), c.message);
            EXPECT_TRUE(rig.plugIn.XOffset == 2 || rig.plugIn.YOffset == 2);
        }
    }
}
