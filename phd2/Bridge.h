#pragma once

#include "BridgeLinks.h"
#include "DitherRequest.h"
#include "LineBuffer.h"
#include "LockOrigin.h"
#include "Phd2Messages.h"
#include "SettleRule.h"
#include "WalkStore.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Quiverstep::Phd2 {

// The bridge between imaging programs and PHD2, without its sockets: each client has its own
// connection to PHD2 through which everything passes unchanged, except `dither`, which the
// bridge carries out by moving PHD2's lock to the next target of the user's walk and settling
// by PHD2's rule, and what must answer for that dither (`get_settling`, a `guide` meanwhile).
// The bridge's own connection to PHD2 carries its requests and feeds it PHD2's events.
class Bridge
{
public:
    Bridge(BridgeLinks &links, WalkStore &walk);

    void ClientOpened(int client);
    void ClientClosed(int client);
    void ClientBytes(int client, std::string_view bytes);
    // A line from PHD2 on the client's connection, with its line end.
    void UpstreamLine(int client, const std::string &line);

    void Phd2Opened();
    void Phd2Line(const std::string &line);
    void Phd2Closed();

    bool DitherUnderWay() const { return m_phase != Phase::Idle; }

private:
    using Reply = std::function<void(const Json &)>;
    using Done = std::function<void(const Json &)>;
    enum class Phase { Idle, Starting, Settling };
    enum class Kind { Forward, Dither, Settling, GuideRefused };
    struct BatchReplies;

    struct Client
    {
        LineBuffer buffer;
        bool live = false; // PHD2 has spoken on its connection
        // PHD2's LockPositionSet for our lock move reaches the client once, ahead of the dither's
        // events: its connection's copy is dropped, whether it comes before or after ours.
        std::deque<std::string> echoes; // sent from our connection; the copy is still to come
        std::deque<std::string> early;  // the copy came first; ours is still to come
        std::deque<std::shared_ptr<BatchReplies>> batches; // null: a batch passed through
    };

    struct DitherJob
    {
        int client = 0;
        Reply reply;
        DitherRequest request;
        Point lock;
        Point newLock;
        double raAngle = 0;
        double decAngle = 90;
    };

    void clientLine(int client, const std::string &line);
    void batch(int client, const std::string &line, const Json &requests);
    Kind kindOf(const Json &request) const;
    void handle(int client, Kind kind, const Json &request, Reply reply);

    void startDither(int client, const Json &request, Reply reply);
    void ditherLockKnown(const Json &reply);
    void ditherCalibrationKnown(const Json &reply);
    void ditherLockSet(const Json &reply);
    void failDither(const std::string &message);
    void settleFrame(bool locked, double distance);
    void finishSettling(const SettleRule::Outcome &outcome);

    void phd2Event(const Json &event, const std::string &line);
    void runWaiting();
    void reanchor(Point lock, const char *why);
    void call(const std::string &method, const Json &params, Done done);
    void broadcast(const Json &event);
    // A PHD2 event from the bridge, with these members after the common ones.
    Json event(const std::string &name, const Json &fields = Json::object()) const;

    BridgeLinks &m_links;
    WalkStore &m_walk;
    std::map<int, Client> m_clients;

    bool m_phd2Up = false;
    // PHD2's catch-up events end with AppState: until then the bridge does not know whether
    // PHD2 guides, and a dither waits for it.
    bool m_phd2Known = false;
    std::vector<std::function<void()>> m_waitingForPhd2;
    int m_nextCall = 0;
    std::map<int, Done> m_calls;
    EventSource m_source;
    bool m_guiding = false;
    bool m_phd2Settling = false; // PHD2 settles a guide or a dither of its own
    bool m_phd2Dithered = false;

    Phase m_phase = Phase::Idle;
    std::optional<DitherJob> m_job;
    bool m_lockWindow = false; // our set_lock_position is on its way
    std::optional<SettleRule> m_settle;
    double m_tolerance = DefaultLockTolerance;
};

} // namespace Quiverstep::Phd2
