#include "SettleRule.h"

#include "Phd2Messages.h"

#include <gtest/gtest.h>

#include <fstream>

namespace Quiverstep::Phd2 {

namespace {

// A settle recorded from PHD2's own dither, one event a line from SettleBegin up to the guide
// frame that SettleDone ended: from PHD2 2.6.13dev8 with the kit's simulator (10 ms exposures),
// through its event server. PHD2 judges a frame, sends its Settling (or SettleDone), then the
// frame's GuideStep or StarLost with the distance it judged. The rule, fed each frame's
// distance at the moment PHD2 judged it, must give the same events.
void replay(const std::string &name, SettleParams params)
{
    std::ifstream file(std::string(RECORDINGS_DIR) + "/" + name);
    EXPECT_TRUE(file) << name;
    std::vector<Json> events;
    for (std::string line; std::getline(file, line);)
        if (!line.empty())
            events.push_back(Json::parse(line));
    ASSERT_GE(events.size(), 3u);
    ASSERT_EQ(events.front()["Event"], "SettleBegin");
    SettleRule rule(params, events.front()["Timestamp"].get<double>());
    for (std::size_t i = 1; i + 1 < events.size(); ++i) {
        const Json &judged = events[i];
        const Json &frame = events[i + 1];
        if (judged["Event"] != "Settling" && judged["Event"] != "SettleDone")
            continue;
        ASSERT_TRUE(frame["Event"] == "GuideStep" || frame["Event"] == "StarLost") << name << " line " << i + 2;
        const SettleRule::Outcome outcome = rule.Frame(judged["Timestamp"].get<double>(),
                                                       frame["Event"] == "GuideStep",
                                                       frame["AvgDist"].get<double>());
        const std::string where = name + " line " + std::to_string(i + 1);
        if (judged["Event"] == "SettleDone") {
            EXPECT_TRUE(outcome.done) << where;
            EXPECT_EQ(outcome.error, judged.value("Error", "")) << where;
            EXPECT_EQ(outcome.totalFrames, judged["TotalFrames"]) << where;
            EXPECT_EQ(outcome.droppedFrames, judged["DroppedFrames"]) << where;
            return;
        }
        ASSERT_FALSE(outcome.done) << where;
        EXPECT_EQ(Decimals(outcome.distance, 2), judged["Distance"].get<double>()) << where;
        EXPECT_EQ(Decimals(outcome.time, 1), judged["Time"].get<double>()) << where;
    }
    ADD_FAILURE() << name << ": no SettleDone";
}

TEST(SettleRuleTest, GivesPhd2sOwnSettlingOfRecordedDithers)
{
    replay("dither-1.5px-1s.jsonl", {1.5, 1, 30});
    replay("dither-0.5px-0s.jsonl", {0.5, 0, 30});
    replay("dither-0.001px-timeout-2s.jsonl", {0.001, 1, 2});
}

TEST(SettleRuleTest, CountsWholeSecondsInRangeAndLostFramesAsDropped)
{
    SettleRule rule({1.0, 2, 10}, 0);
    EXPECT_FALSE(rule.Frame(0.5, true, 0.8).done);  // in range from 0.5
    EXPECT_FALSE(rule.Frame(1.0, false, 0.8).done); // lost: the run restarts
    EXPECT_FALSE(rule.Frame(1.5, true, 0.9).done);
    const auto almost = rule.Frame(3.4999, true, 0.9);
    EXPECT_FALSE(almost.done);
    EXPECT_EQ(almost.time, 1.999);
    const auto settled = rule.Frame(3.5, true, 1.0);
    EXPECT_TRUE(settled.done);
    EXPECT_EQ(settled.error, "");
    EXPECT_EQ(settled.totalFrames, 5);
    EXPECT_EQ(settled.droppedFrames, 1);
}

} // namespace

} // namespace Quiverstep::Phd2
