#include "BridgeRig.h"

#include "LineBuffer.h"

namespace Quiverstep::Phd2 {

namespace {

using LineHandlingTest = BridgeRig;

TEST(LineBufferTest, SplitsAtLfAcrossReadsAndDropsTheRestOfAnOverlongLine)
{
    LineBuffer buffer;
    EXPECT_TRUE(buffer.Append("{\"a\":").empty());
    auto pieces = buffer.Append("1}\r\n{}\n");
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].line, "{\"a\":1}\r");
    EXPECT_EQ(pieces[1].line, "{}");

    // 1023 bytes and LF is the longest line; one more byte is too big.
    pieces = buffer.Append(std::string(1023, 'x') + "\n");
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_FALSE(pieces[0].tooBig);
    pieces = buffer.Append(std::string(1000, 'x'));
    EXPECT_TRUE(pieces.empty());
    pieces = buffer.Append(std::string(1000, 'y') + "\n{\"next\":1}\n");
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_TRUE(pieces[0].tooBig);
    EXPECT_EQ(pieces[1].line, "{\"next\":1}");
}

TEST_F(LineHandlingTest, ForwardsRequestsUnchangedAndPhd2sLinesBack)
{
    send(R"({"method":"get_app_state","id":"nina-1"})");
    EXPECT_EQ(links.toUpstream[Client], std::vector<std::string>{"{\"method\":\"get_app_state\",\"id\":\"nina-1\"}\r\n"});
    const std::string reply = "{\"jsonrpc\":\"2.0\",\"result\":\"Guiding\",\"id\":\"nina-1\"}\r\n";
    bridge.UpstreamLine(Client, reply);
    EXPECT_EQ(links.toClient[Client], std::vector<std::string>{reply});
}

TEST_F(LineHandlingTest, AnswersMalformedAndOverlongLinesAsPhd2AndKeepsTheConnection)
{
    send("{\"method\": \"dither\", ");
    EXPECT_EQ(last()["error"]["code"], Codes::ParseError);
    EXPECT_EQ(last()["id"], nullptr);
    EXPECT_EQ(last()["error"]["message"],
              "invalid JSON request: Not all objects/arrays have been properly closed on line 1 at \"...\"");
    // PHD2's words, its line's CR included.
    send("hello");
    EXPECT_EQ(last()["error"]["message"], "invalid JSON request: Unexpected character on line 1 at \"hello\r...\"");
    send(R"({"method":"get_app_state","id":1} x)");
    EXPECT_EQ(last()["error"]["message"], "invalid JSON request: Unexpected character on line 1 at \"x\r...\"");
    send("");
    EXPECT_EQ(last()["error"]["message"], "invalid JSON request: empty string on line 1 at \"...\"");
    send(R"({"method":"dither","params":[1e999,false,{}],"id":2})");
    EXPECT_EQ(last()["error"]["message"], "invalid JSON request: number out of range on line 1 at \"...\"");

    send(R"({"method":"get_app_state","params":[")" + std::string(1100, 'x') + "\"]}");
    EXPECT_EQ(links.toClient[Client].back(), "{\"jsonrpc\":\"2.0\",\"error\":{\"code\":-32603,\"message\":\"too big\"},\"id\":null}\r\n");

    send(R"({"method":"get_app_state","id":7})");
    EXPECT_EQ(links.toUpstream[Client].size(), 1u);
    EXPECT_TRUE(links.toPhd2.empty());
}

TEST_F(LineHandlingTest, RefusesBadDitherParametersWithPhd2sMessages)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
            {R"({"method":"dither","id":1})", "expected dither amount param"},
            {R"({"method":"dither","params":{"amount":"3"},"id":1})", "expected dither amount param"},
            {R"({"method":"dither","params":[3, 1.5],"id":1})", "expected dither raOnly param"},
            {R"({"method":"dither","params":[3, false],"id":1})", "expected settle object param"},
            {R"({"method":"dither","params":[3, false, [1.5, 1, 30]],"id":1})", "expected settle object param"},
            {R"({"method":"dither","params":{"amount":3,"settle":{"pixels":1.5,"time":1}},"id":1})",
             "invalid settle params"},
            {R"({"method":"dither","params":{"amount":3,"settle":{"pixels":1.5,"time":"1","timeout":9}},"id":1})",
             "invalid settle params"},
    };
    for (const auto &[request, message] : cases) {
        send(request);
        EXPECT_EQ(last()["error"]["code"], Codes::InvalidParams) << request;
        EXPECT_EQ(last()["error"]["message"], message) << request;
    }
    EXPECT_TRUE(links.toPhd2.empty());
    EXPECT_TRUE(links.toUpstream[Client].empty());
}

TEST_F(LineHandlingTest, CarriesOutADitherWithoutIdWithoutReplying)
{
    walk.targets = {{17, 16}};
    send(R"({"method":"dither","params":[3, false, {"pixels":1.5,"time":0,"timeout":10}]})");
    playDither();
    EXPECT_EQ(received(), (std::vector<std::string>{"LockPositionSet", "GuidingDithered", "SettleBegin"}));
    EXPECT_TRUE(bridge.DitherUnderWay());
}

TEST_F(LineHandlingTest, AnswersABatchInOrderWithItsDitherAnsweredByTheBridge)
{
    walk.targets = {{17, 16}};
    send(R"([{"method":"get_app_state","id":1},{"method":"dither","params":[3,false,{"pixels":1,"time":0,"timeout":9}],"id":2},{"method":"loop"},{"method":"get_exposure","id":3}])");
    // PHD2 gets the rest as one batch; the reply waits for the dither's.
    EXPECT_EQ(links.toUpstream[Client],
              std::vector<std::string>{"[{\"method\":\"get_app_state\",\"id\":1},{\"method\":\"loop\"},{\"method\":\"get_exposure\",\"id\":3}]\r\n"});
    bridge.UpstreamLine(Client, R"([{"jsonrpc":"2.0","result":"Guiding","id":1},{"jsonrpc":"2.0","result":10,"id":3}])" "\r\n");
    EXPECT_TRUE(received().empty());
    playDither();
    const Json batch = last();
    ASSERT_EQ(batch.size(), 3u);
    EXPECT_EQ(batch[0]["id"], 1);
    EXPECT_EQ(batch[1], ResultReply(0, 2));
    EXPECT_EQ(batch[2]["id"], 3);

    // A batch with nothing for the bridge passes through, and so does its reply.
    send(R"([{"method":"get_exposure","id":4}])");
    EXPECT_EQ(links.toUpstream[Client].back(), "[{\"method\":\"get_exposure\",\"id\":4}]\r\n");
    bridge.UpstreamLine(Client, R"([{"jsonrpc":"2.0","result":10,"id":4}])" "\r\n");
    EXPECT_EQ(last()[0]["id"], 4);
}

} // namespace

} // namespace Quiverstep::Phd2
