#include "BridgeRig.h"

namespace Quiverstep::Phd2 {

namespace {

using BridgeDitherTest = BridgeRig;

const char *const Dither = R"({"method":"dither","params":{"amount":5,"raOnly":false,"settle":{"pixels":1.5,"time":1,"timeout":30}},"id":"d1"})";

std::string guideStep(const std::string &avgDist)
{
    return R"({"Event":"GuideStep","Timestamp":3.0,"Host":"scope","Inst":1,"Frame":9,"Time":3.1,"dx":0.5,"dy":0.1,"AvgDist":)" + avgDist + "}";
}

TEST_F(BridgeDitherTest, MovesTheLockToTheNextTargetAndGivesEveryClientPhd2sDitherEvents)
{
    connect(2);
    walk.targets = {{15, 17}};
    send(Dither);
    const Json set = playDither({653, 302}, 0, 2);
    // No anchor yet: the lock is the current target (16, 16); the target moves it by (-1, +1).
    EXPECT_EQ(set, (Json{652.0, 303.0, true}));
    ASSERT_TRUE(walk.anchor);
    EXPECT_EQ(walk.anchor->origin.x, 653);
    EXPECT_EQ(walk.anchor->lastTarget.y, 303);

    EXPECT_EQ(received(1), (std::vector<std::string>{"LockPositionSet", "GuidingDithered", "SettleBegin", "reply"}));
    EXPECT_EQ(received(2), (std::vector<std::string>{"LockPositionSet", "GuidingDithered", "SettleBegin"}));
    EXPECT_EQ(last(1), ResultReply(0, "d1"));
    const Json dithered = Json::parse(links.toClient[2][1]);
    EXPECT_EQ(dithered, (Json{{"Event", "GuidingDithered"}, {"Timestamp", 1700000000.5}, {"Host", "scope"}, {"Inst", 1}, {"dx", -1.0}, {"dy", 1.0}}));

    // Each connection's copy of PHD2's LockPositionSet is dropped, before or after the
    // bridge's: the clients have it once.
    bridge.UpstreamLine(1, std::string(LockSet) + "\r\n");
    EXPECT_EQ(links.toClient[1].size(), 4u);

    // While it settles: get_settling is true, another dither or a guide is refused, for all.
    send(R"({"method":"get_settling","id":5})", 2);
    EXPECT_EQ(last(2), ResultReply(true, 5));
    send(Dither, 2);
    EXPECT_EQ(received(2).back(), "error: Cannot initiate dither while dither is in progress");
    send(R"({"method":"guide","params":[{"pixels":1.5,"time":1,"timeout":30},false],"id":6})", 2);
    EXPECT_EQ(received(2).back(), "error: Cannot initiate guide while dither is in progress");
    EXPECT_EQ(last(2)["error"]["code"], 1);

    // The asker leaves; settling goes on for the other by PHD2's rule.
    bridge.ClientClosed(1);
    phd2Event(guideStep("3.2"));
    links.now += 0.5;
    phd2Event(guideStep("1.2"));
    links.now += 1.0;
    phd2Event(guideStep("0.4"));
    const std::vector<std::string> names = received(2);
    EXPECT_EQ(std::vector<std::string>(names.end() - 3, names.end()),
              (std::vector<std::string>{"Settling", "Settling", "SettleDone"}));
    EXPECT_EQ(Json::parse(links.toClient[2][links.toClient[2].size() - 3]).dump(),
              R"({"Event":"Settling","Timestamp":1700000000.5,"Host":"scope","Inst":1,"Distance":3.2,"Time":0.0,"SettleTime":1.0,"StarLocked":true})");
    EXPECT_EQ(last(2).dump(),
              R"({"Event":"SettleDone","Timestamp":1700000000.5,"Host":"scope","Inst":1,"Status":0,"TotalFrames":3,"DroppedFrames":0})");
    EXPECT_FALSE(bridge.DitherUnderWay());
}

TEST_F(BridgeDitherTest, RefusesWhenPhd2CannotDitherAndReportsEveryFailure)
{
    phd2Event(R"({"Event":"GuidingStopped","Timestamp":1.0,"Host":"scope","Inst":1})");
    send(Dither);
    EXPECT_EQ(last()["error"], (Json{{"code", 1}, {"message", "Dither error"}}));

    phd2Event(R"({"Event":"StartGuiding","Timestamp":1.0,"Host":"scope","Inst":1})");
    answer("get_lock_position", Json{653, 302});
    // While PHD2 settles after a guide, it says so itself: the client may have seen a
    // SettleDone that the bridge's own connection has not read yet.
    phd2Event(R"({"Event":"SettleBegin","Timestamp":1.0,"Host":"scope","Inst":1})");
    send(Dither);
    answer("get_settling", true);
    EXPECT_EQ(last()["error"]["message"], "Cannot initiate dither while guide is in progress");

    // Settled after all, the dither goes ahead; PHD2 refuses the lock: its message, code 1.
    walk.targets = {{30, 30}};
    send(Dither);
    answer("get_settling", false);
    answer("get_lock_position", Json{5, 5});
    answer("get_calibration_data", Json{{"xAngle", 0}, {"yAngle", 90}});
    answer("set_lock_position", "could not set lock position", Codes::InvalidRequest);
    EXPECT_EQ(last()["error"], (Json{{"code", 1}, {"message", "could not set lock position"}}));

    // The walk cannot be read.
    walk.failure = "the store is locked";
    send(Dither);
    answer("get_lock_position", Json{653, 302});
    answer("get_calibration_data", Json{{"xAngle", 0}, {"yAngle", 90}});
    EXPECT_EQ(last()["error"], (Json{{"code", 1}, {"message", "the store is locked"}}));
    EXPECT_FALSE(bridge.DitherUnderWay());
}

TEST_F(BridgeDitherTest, WaitsUntilTheBridgesOwnConnectionKnowsWhetherPhd2Guides)
{
    bridge.Phd2Closed();
    walk.targets = {{17, 16}};
    send(Dither);
    bridge.Phd2Opened();
    EXPECT_TRUE(links.toPhd2.empty());
    phd2Event(R"({"Event":"AppState","Timestamp":1.0,"Host":"scope","Inst":1,"State":"Guiding"})");
    playDither();
    EXPECT_EQ(last(), ResultReply(0, "d1"));
}

TEST_F(BridgeDitherTest, SendsTheBoxMessageAsAnAlertAndMovesOnlyAlongRaWhenAsked)
{
    walk.anchor = LockAnchor{{600, 300}, {600, 300}};
    walk.targets = {{19, 20}};
    walk.nextMessages = {"Dither Pattern position exceeds Dither Box limit: please check!"};
    send(R"({"method":"dither","params":[5,true,{"pixels":2,"time":0,"timeout":9}],"id":3})");
    // RA along the camera's diagonal: of the move (3, 4) the part along it remains.
    const Json set = playDither({600, 300}, 45);
    EXPECT_NEAR(set[0].get<double>(), 603.5, 1e-9);
    EXPECT_NEAR(set[1].get<double>(), 303.5, 1e-9);
    EXPECT_EQ(received()[0], "Alert");
    EXPECT_EQ(Json::parse(links.toClient[Client][0])["Msg"], walk.nextMessages[0]);
    const Json dithered = Json::parse(links.toClient[Client][2]);
    EXPECT_NEAR(dithered["dx"].get<double>(), 4.95, 1e-9);
    EXPECT_NEAR(dithered["dy"].get<double>(), 0, 1e-9);
    EXPECT_EQ(links.reports.front(), "message: Dither Pattern position exceeds Dither Box limit: please check!");
}

TEST_F(BridgeDitherTest, EndsSettlingWhenGuidingStopsOrTheTimeoutPasses)
{
    walk.targets = {{17, 16}, {18, 16}};
    send(Dither);
    playDither();
    phd2Event(R"({"Event":"StarLost","Timestamp":3.0,"Host":"scope","Inst":1,"Frame":10,"Time":3.2,"AvgDist":2.5})");
    phd2Event(R"({"Event":"GuidingStopped","Timestamp":3.0,"Host":"scope","Inst":1})");
    EXPECT_EQ(last().dump(),
              R"({"Event":"SettleDone","Timestamp":1700000000.5,"Host":"scope","Inst":1,"Status":1,"Error":"Guiding stopped","TotalFrames":1,"DroppedFrames":1})");

    phd2Event(R"({"Event":"StartGuiding","Timestamp":1.0,"Host":"scope","Inst":1})");
    answer("get_lock_position", Json{654, 302});
    send(Dither);
    playDither({654, 302});
    links.now += 30;
    phd2Event(guideStep("5"));
    EXPECT_EQ(last()["Error"], "timed-out waiting for guider to settle");
}

TEST_F(BridgeDitherTest, KeepsTheOriginWhenGuidingRestartsAtTheLastTargetAndMovesItElsewhere)
{
    walk.anchor = LockAnchor{{600, 300}, {601, 300}};
    walk.current = {17, 16};
    phd2Event(R"({"Event":"StartGuiding","Timestamp":1.0,"Host":"scope","Inst":1})");
    answer("get_lock_position", Json{601.4, 300.9});
    EXPECT_EQ(walk.anchor->origin.x, 600);

    // A client puts the lock on another star: the current target goes there.
    phd2Event(R"({"Event":"LockPositionSet","Timestamp":2.0,"Host":"scope","Inst":1,"X":200,"Y":100})");
    EXPECT_EQ(walk.anchor->origin.x, 199);
    EXPECT_EQ(walk.anchor->origin.y, 100);
    EXPECT_EQ(walk.anchor->lastTarget.x, 200);
}

} // namespace

} // namespace Quiverstep::Phd2
