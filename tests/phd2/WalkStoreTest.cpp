#include "BridgeWalkStore.h"

#include "CommandLineFixture.h"
#include "TextLines.h"

#include "Conversions.h"
#include "SeededRandom.h"
#include "SqliteStore.h"
#include "UnseededRandom.h"

namespace Quiverstep {

namespace {

class WalkStoreTest : public CommandLineFixture
{
protected:
    // The next targets that `quiverstep path` shows, then those that the bridge's dithers take
    // from the same store, each as "x y".
    std::pair<std::vector<std::string>, std::vector<std::string>> pathAndDithers(int count)
    {
        const CommandResult path = run({"path", "--steps", std::to_string(count), "--seed", "7"});
        EXPECT_EQ(path.status, 0) << path.err;
        SqliteStore store(this->path);
        SeededRandom random(DitherSeed(7));
        BridgeWalkStore walk(store, random);
        std::vector<std::string> dithers;
        for (int i = 0; i < count; ++i) {
            std::vector<std::string> messages;
            const Phd2::Point target = walk.NextTarget(messages);
            dithers.push_back(RealToText(target.x) + " " + RealToText(target.y));
        }
        return {LinesOf(path.out), dithers};
    }
};

TEST_F(WalkStoreTest, DithersTakeTheTargetsOfPathForEveryDitherTypeAndLeaveTheLogSetting)
{
    for (const std::string type : {"0", "1", "2"}) {
        ASSERT_EQ(run({"settings", "save", "--type", type, "--step", "1", "--max", "4", "--log"}).status, 0);
        const auto [path, dithers] = pathAndDithers(6);
        EXPECT_EQ(dithers, path) << "type " << type;
        EXPECT_EQ(stored("Log"), "1\n");
    }
}

TEST_F(WalkStoreTest, ARestartedBridgeGoesOnWithTheStoredWalkAndAnchor)
{
    ASSERT_EQ(run({"settings", "save", "--type", "0", "--step", "1", "--max", "4"}).status, 0);
    {
        SqliteStore store(path);
        UnseededRandom random;
        BridgeWalkStore walk(store, random);
        std::vector<std::string> messages;
        walk.NextTarget(messages);
        walk.NextTarget(messages);
        walk.SaveAnchor({{650.25, 300}, {651.25, 299}});
    }
    const std::vector<std::string> next = LinesOf(run({"path", "--steps", "1"}).out);
    SqliteStore store(path);
    UnseededRandom random;
    BridgeWalkStore walk(store, random);
    const auto anchor = walk.LoadAnchor();
    ASSERT_TRUE(anchor);
    EXPECT_EQ(anchor->origin.x, 650.25);
    EXPECT_EQ(anchor->lastTarget.y, 299);
    std::vector<std::string> messages;
    const Phd2::Point third = walk.NextTarget(messages);
    EXPECT_EQ(std::vector<std::string>{RealToText(third.x) + " " + RealToText(third.y)}, next);
}

} // namespace

} // namespace Quiverstep
