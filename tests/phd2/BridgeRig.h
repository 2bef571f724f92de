#pragma once

#include "Bridge.h"
#include "BridgeDoubles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Quiverstep::Phd2 {

// A bridge with one client (1) whose PHD2 connection is up, and PHD2 guiding with its lock
// at 653, 302. The test plays PHD2: it answers the bridge's requests and sends events.
class BridgeRig : public ::testing::Test
{
protected:
    static constexpr int Client = 1;

    BridgeRig()
    {
        bridge.Phd2Opened();
        phd2Event(R"({"Event":"Version","Timestamp":1.0,"Host":"scope","Inst":1,"PHDVersion":"2.6.13"})");
        phd2Event(R"({"Event":"AppState","Timestamp":1.0,"Host":"scope","Inst":1,"State":"Guiding"})");
        connect(Client);
        links.reports.clear();
    }

    void connect(int client)
    {
        bridge.ClientOpened(client);
        bridge.UpstreamLine(client, R"({"Event":"Version","Host":"scope","Inst":1})" "\r\n");
        links.toClient[client].clear();
    }

    void send(const std::string &line, int client = Client) { bridge.ClientBytes(client, line + "\r\n"); }
    void phd2Event(const std::string &line) { bridge.Phd2Line(line + "\r\n"); }

    // The bridge's last request to PHD2, checked for its method, answered with `result`, or
    // refused with the error `code` and `result` as its message.
    void answer(const std::string &method, const Json &result, int code = 0)
    {
        const Json request = Json::parse(links.toPhd2.back());
        EXPECT_EQ(request["method"], method);
        bridge.Phd2Line(Line(code ? ErrorReply(code, result.get<std::string>(), request["id"])
                                  : ResultReply(result, request["id"])));
    }

    // Answers the requests of one dither; returns the lock the bridge asked for. PHD2's
    // LockPositionSet reaches the bridge's connection first, or, for `copyFirst`, that
    // client's connection.
    Json playDither(Point lock = {653, 302}, double raAngle = 0, int copyFirst = 0)
    {
        answer("get_lock_position", Json{lock.x, lock.y});
        answer("get_calibration_data", Json{{"calibrated", true}, {"xAngle", raAngle}, {"yAngle", raAngle + 90}});
        const Json set = Json::parse(links.toPhd2.back());
        if (copyFirst)
            bridge.UpstreamLine(copyFirst, std::string(LockSet) + "\r\n");
        phd2Event(LockSet);
        answer("set_lock_position", 0);
        return set["params"];
    }
    static constexpr const char *LockSet = R"({"Event":"LockPositionSet","Timestamp":2.0,"Host":"scope","Inst":1,"X":1,"Y":2})";

    // The events and replies a client got, by name ("reply" or "error: message" for replies).
    std::vector<std::string> received(int client = Client)
    {
        std::vector<std::string> names;
        for (const std::string &line : links.toClient[client]) {
            const Json message = Json::parse(line);
            if (message.contains("Event"))
                names.push_back(message["Event"]);
            else if (message.contains("error"))
                names.push_back("error: " + message["error"]["message"].get<std::string>());
            else
                names.push_back("reply");
        }
        return names;
    }
    Json last(int client = Client) { return Json::parse(links.toClient[client].back()); }

    RecordingLinks links;
    ScriptedWalk walk;
    Bridge bridge{links, walk};
};

} // namespace Quiverstep::Phd2
