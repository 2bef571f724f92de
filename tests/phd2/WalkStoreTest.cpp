#include "BridgeWalkStore.h"

#include "CommandLineFixture.h"

#include "Conversions.h"
#include "SeededRandom.h"
#include "SqliteStore.h"
#include "UnseededRandom.h"

namespace Quiverstep {

namespace {

using WalkStoreTest = CommandLineFixture;

// The bridge's next dither target, as `quiverstep path` prints it.
std::string nextTarget(BridgeWalkStore &walk)
{
    std::vector<std::string> messages;
    const Phd2::Point target = walk.NextTarget(messages);
    return RealToText(target.x) + " " + RealToText(target.y) + "\n";
}

TEST_F(WalkStoreTest, DithersTakeTheTargetsOfPathForEveryDitherTypeAndLeaveTheLogSetting)
{
    for (const std::string type : {"0", "1", "2"}) {
        ASSERT_EQ(run({"settings", "save", "--type", type, "--step", "1", "--max", "4", "--log"}).status, 0);
        const CommandResult path = run({"path", "--steps", "6", "--seed", "7"});
        SqliteStore store(this->path);
        SeededRandom random(DitherSeed(7));
        BridgeWalkStore walk(store, random);
        std::string dithers;
        for (int i = 0; i < 6; ++i)
            dithers += nextTarget(walk);
        EXPECT_EQ(dithers, path.out) << "type " << type;
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
        nextTarget(walk);
        nextTarget(walk);
        walk.SaveAnchor({{650.25, 300}, {651.25, 299}});
    }
    const std::string next = run({"path", "--steps", "1"}).out;
    SqliteStore store(path);
    UnseededRandom random;
    BridgeWalkStore walk(store, random);
    const auto anchor = walk.LoadAnchor();
    ASSERT_TRUE(anchor);
    EXPECT_EQ(anchor->origin.x, 650.25);
    EXPECT_EQ(anchor->lastTarget.y, 299);
    EXPECT_EQ(nextTarget(walk), next);
}

} // namespace

} // namespace Quiverstep
