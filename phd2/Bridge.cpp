#include "Bridge.h"

#include "RequestShape.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <utility>

namespace Quiverstep::Phd2 {

namespace {

constexpr const char *DitherError = "Dither error";

std::string inProgress(const char *operation, const char *running)
{
    return std::string("Cannot initiate ") + operation + " while " + running + " is in progress";
}

std::optional<Point> pointOf(const Json &result)
{
    if (result.is_array() && result.size() == 2 && result[0].is_number() && result[1].is_number())
        return Point{result[0].get<double>(), result[1].get<double>()};
    return std::nullopt;
}

double numberOr(const Json &object, const char *name, double fallback)
{
    if (!object.is_object())
        return fallback;
    const auto found = object.find(name);
    return found != object.end() && found->is_number() ? found->get<double>() : fallback;
}

std::string errorMessage(const Json &reply)
{
    const auto error = reply.find("error");
    if (error == reply.end() || !error->is_object())
        return {};
    const auto message = error->find("message");
    return message != error->end() && message->is_string() ? message->get<std::string>()
                                                           : std::string(DitherError);
}

// Copies not matched (a connection opened in between) are forgotten after a few.
void keepAtMost(std::deque<std::string> &lines, const std::string &line)
{
    lines.push_back(line);
    if (lines.size() > 4)
        lines.pop_front();
}

std::string figure(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

} // namespace

// The replies of a batch that the bridge answers in part: the slots in request order, filled
// by PHD2's array and by the bridge, sent together when the last is in.
struct Bridge::BatchReplies
{
    std::vector<Json> slots;
    std::vector<std::size_t> upstreamSlots; // in the order PHD2 answers them
    int missing = 1;                        // the slots, and one until every request is out
    std::function<void(Json)> send;

    void fill(std::size_t slot, Json reply)
    {
        slots[slot] = std::move(reply);
        release();
    }
    void release()
    {
        if (--missing == 0)
            send(Json(slots));
    }
};

Bridge::Bridge(BridgeLinks &links, WalkStore &walk)
    : m_links(links)
    , m_walk(walk)
{}

void Bridge::ClientOpened(int client)
{
    m_clients[client];
}

void Bridge::ClientClosed(int client)
{
    // A dither it asked for goes on for the others; only its reply has nowhere to go.
    m_clients.erase(client);
}

void Bridge::ClientBytes(int client, std::string_view bytes)
{
    const auto found = m_clients.find(client);
    if (found == m_clients.end())
        return;
    for (LineBuffer::Piece &piece : found->second.buffer.Append(bytes)) {
        if (piece.tooBig)
            m_links.ToClient(client, Line(ErrorReply(Codes::InternalError, "too big", nullptr)));
        else
            clientLine(client, piece.line);
    }
}

void Bridge::clientLine(int client, const std::string &line)
{
    Json request;
    try {
        request = Json::parse(line);
    } catch (const Json::parse_error &error) {
        m_links.ToClient(client, Line(ErrorReply(Codes::ParseError, ParseErrorMessage(line, error.byte), nullptr)));
        return;
    } catch (const Json::exception &) {
        // A number beyond a double (1e999): PHD2 would take it as infinity and even echo an
        // id of "inf", which is no JSON; the bridge refuses the line.
        m_links.ToClient(client, Line(ErrorReply(Codes::ParseError, NumberRangeMessage(), nullptr)));
        return;
    }
    if (request.is_array()) {
        batch(client, line, request);
        return;
    }
    const Kind kind = kindOf(request);
    if (kind == Kind::Forward) {
        m_links.ToUpstream(client, line + "\n");
        return;
    }
    Reply reply;
    if (request.contains("id"))
        reply = [this, client](const Json &answer) { m_links.ToClient(client, Line(answer)); };
    handle(client, kind, request, std::move(reply));
}

void Bridge::batch(int client, const std::string &line, const Json &requests)
{
    Client &state = m_clients[client];
    bool local = false;
    for (const Json &request : requests)
        local = local || kindOf(request) != Kind::Forward;
    if (!local) {
        m_links.ToUpstream(client, line + "\n");
        if (ExpectsAnyReply(requests))
            state.batches.push_back(nullptr);
        return;
    }

    auto replies = std::make_shared<BatchReplies>();
    replies->send = [this, client](Json array) {
        if (!array.empty())
            m_links.ToClient(client, Line(array));
    };
    Json forwarded = Json::array();
    std::vector<std::pair<const Json *, std::optional<std::size_t>>> locals;
    for (const Json &request : requests) {
        const bool forward = kindOf(request) == Kind::Forward;
        std::optional<std::size_t> slot;
        if (forward ? ExpectsReply(request) : request.contains("id")) {
            slot = replies->slots.size();
            replies->slots.emplace_back();
            ++replies->missing;
        }
        if (forward) {
            forwarded.push_back(request);
            if (slot)
                replies->upstreamSlots.push_back(*slot);
        } else {
            locals.emplace_back(&request, slot);
        }
    }
    if (!forwarded.empty())
        m_links.ToUpstream(client, Line(forwarded));
    if (!replies->upstreamSlots.empty())
        state.batches.push_back(replies);
    for (const auto &[request, slot] : locals) {
        Reply reply;
        if (slot)
            reply = [replies, slot = *slot](const Json &answer) { replies->fill(slot, answer); };
        handle(client, kindOf(*request), *request, std::move(reply));
    }
    replies->release();
}

Bridge::Kind Bridge::kindOf(const Json &request) const
{
    const std::string method = MethodOf(request);
    if (method == "dither")
        return Kind::Dither;
    if (method == "get_settling" && m_phase == Phase::Settling)
        return Kind::Settling;
    if (method == "guide" && m_phase != Phase::Idle) {
        // PHD2 checks the parameters first: a faulty guide gets its answer from PHD2.
        const Json *params = request.contains("params") ? &request["params"] : nullptr;
        const Json *settle = Param(params, 0, "settle");
        if (settle && settle->is_object() && ParseSettle(*settle))
            return Kind::GuideRefused;
    }
    return Kind::Forward;
}

void Bridge::handle(int client, Kind kind, const Json &request, Reply reply)
{
    const Json id = request.contains("id") ? request["id"] : Json();
    auto answer = [&](const Json &message) {
        if (reply)
            reply(message);
    };
    switch (kind) {
    case Kind::Settling:
        answer(ResultReply(true, id));
        break;
    case Kind::GuideRefused:
        answer(ErrorReply(Codes::Failed, inProgress("guide", "dither"), id));
        break;
    case Kind::Dither:
        startDither(client, request, std::move(reply));
        break;
    case Kind::Forward:
        break;
    }
}

void Bridge::UpstreamLine(int client, const std::string &line)
{
    const auto found = m_clients.find(client);
    if (found == m_clients.end())
        return;
    Client &state = found->second;
    state.live = true;
    if (const auto echo = std::find(state.echoes.begin(), state.echoes.end(), line); echo != state.echoes.end()) {
        state.echoes.erase(echo);
        return;
    }
    if (m_lockWindow && line.starts_with(R"({"Event":"LockPositionSet")")) {
        keepAtMost(state.early, line);
        return;
    }
    if (line.starts_with('[') && !state.batches.empty()) {
        const std::shared_ptr<BatchReplies> replies = state.batches.front();
        state.batches.pop_front();
        if (replies) {
            Json array;
            try {
                array = Json::parse(line);
            } catch (const Json::exception &) {
                array = Json::array();
            }
            for (std::size_t i = 0; i < replies->upstreamSlots.size(); ++i)
                replies->fill(replies->upstreamSlots[i],
                              i < array.size() ? array[i]
                                               : ErrorReply(Codes::InternalError, "no reply", 0));
            return;
        }
    }
    m_links.ToClient(client, line);
}

// The dither, step by step: PHD2 must be guiding; its lock, the calibration's angles, the
// walk's next target, the lock moved there, then settling.

void Bridge::startDither(int client, const Json &request, Reply reply)
{
    const Json id = request.contains("id") ? request["id"] : Json();
    auto refuse = [&](int code, const std::string &message) {
        if (reply)
            reply(ErrorReply(code, message, id));
    };
    const Json *params = request.contains("params") ? &request["params"] : nullptr;
    const DitherParse parsed = ParseDither(params);
    if (!parsed.request)
        return refuse(Codes::InvalidParams, parsed.error);
    if (m_phase != Phase::Idle)
        return refuse(Codes::Failed, inProgress("dither", "dither"));
    if (m_phd2Settling) {
        // PHD2 sends each connection its events on its own: the client may have seen the
        // SettleDone that the bridge's connection has not read yet. PHD2 answers after every
        // event it sent before, so its answer decides.
        call("get_settling", nullptr, [this, client, request, reply, id](const Json &answer) {
            if (answer.value("result", Json()) == true) {
                const char *running = m_phd2Dithered ? "dither" : "guide";
                if (reply)
                    reply(ErrorReply(Codes::Failed, inProgress("dither", running), id));
                return;
            }
            m_phd2Settling = false;
            m_phd2Dithered = false;
            startDither(client, request, reply);
        });
        return;
    }
    if (!m_phd2Known) {
        // A client whose connection to PHD2 came up before the bridge's own.
        m_waitingForPhd2.push_back([this, client, request, reply] { startDither(client, request, reply); });
        return;
    }
    if (!m_phd2Up || !m_guiding)
        return refuse(Codes::Failed, DitherError);

    DitherJob job;
    job.client = client;
    job.request = *parsed.request;
    job.reply = [reply, id](const Json &answer) {
        if (reply) {
            Json withId = answer;
            withId["id"] = id;
            reply(withId);
        }
    };
    m_job = std::move(job);
    m_phase = Phase::Starting;
    call("get_lock_position", nullptr, [this](const Json &answer) { ditherLockKnown(answer); });
}

void Bridge::ditherLockKnown(const Json &reply)
{
    const auto lock = pointOf(reply.value("result", Json()));
    if (!lock)
        return failDither(DitherError);
    m_job->lock = *lock;
    call("get_calibration_data", nullptr, [this](const Json &answer) { ditherCalibrationKnown(answer); });
}

void Bridge::ditherCalibrationKnown(const Json &reply)
{
    const Json calibration = reply.value("result", Json());
    m_job->raAngle = numberOr(calibration, "xAngle", 0);
    m_job->decAngle = numberOr(calibration, "yAngle", m_job->raAngle + 90);

    std::vector<std::string> messages;
    Point target;
    LockAnchor anchor;
    try {
        std::optional<LockAnchor> stored = m_walk.LoadAnchor();
        anchor = stored ? *stored : Reanchor(std::nullopt, m_job->lock, m_walk.CurrentTarget(), 0);
        if (!stored)
            m_walk.SaveAnchor(anchor);
        target = m_walk.NextTarget(messages);
    } catch (const std::exception &error) {
        return failDither(error.what());
    }
    for (const std::string &message : messages) {
        m_links.Report("message: " + message);
        broadcast(event("Alert", Json{{"Msg", message}, {"Type", "warning"}}));
    }

    Point lock = LockFor(anchor, target);
    if (m_job->request.raOnly) {
        const Point along = AlongRa({lock.x - m_job->lock.x, lock.y - m_job->lock.y}, m_job->raAngle);
        lock = {m_job->lock.x + along.x, m_job->lock.y + along.y};
    }
    m_job->newLock = lock;
    m_links.Report("dither: target " + figure(target.x) + ", " + figure(target.y) + "; lock "
                   + figure(m_job->lock.x) + ", " + figure(m_job->lock.y) + " -> " + figure(lock.x)
                   + ", " + figure(lock.y));
    m_lockWindow = true;
    call("set_lock_position", Json{lock.x, lock.y, true}, [this](const Json &answer) {
        ditherLockSet(answer);
    });
}

void Bridge::ditherLockSet(const Json &reply)
{
    m_lockWindow = false;
    if (reply.contains("error"))
        return failDither(errorMessage(reply));
    if (!m_guiding)
        return failDither(DitherError);
    try {
        std::optional<LockAnchor> anchor = m_walk.LoadAnchor();
        if (anchor) {
            anchor->lastTarget = m_job->newLock;
            m_walk.SaveAnchor(*anchor);
        }
    } catch (const std::exception &error) {
        m_links.Report(std::string("the lock could not be stored: ") + error.what());
    }
    m_tolerance = m_job->request.settle.pixels;

    const Point moved = ToMountAxes({m_job->newLock.x - m_job->lock.x, m_job->newLock.y - m_job->lock.y},
                                    m_job->raAngle,
                                    m_job->decAngle);
    broadcast(event("GuidingDithered", Json{{"dx", Decimals(moved.x, 3)}, {"dy", Decimals(moved.y, 3)}}));
    broadcast(event("SettleBegin"));
    m_settle.emplace(m_job->request.settle, m_links.Now());
    m_phase = Phase::Settling;
    m_job->reply(ResultReply(0, nullptr));
}

void Bridge::failDither(const std::string &message)
{
    m_links.Report("dither failed: " + message);
    m_lockWindow = false;
    m_phase = Phase::Idle;
    if (m_job)
        m_job->reply(ErrorReply(Codes::Failed, message, nullptr));
    m_job.reset();
}

void Bridge::settleFrame(bool locked, double distance)
{
    const SettleRule::Outcome outcome = m_settle->Frame(m_links.Now(), locked, distance);
    if (outcome.done)
        return finishSettling(outcome);
    broadcast(event("Settling", Json{{"Distance", Decimals(outcome.distance, 2)},
                                            {"Time", Decimals(outcome.time, 1)},
                                            {"SettleTime", double(m_settle->params().time)},
                                            {"StarLocked", locked}}));
}

void Bridge::finishSettling(const SettleRule::Outcome &outcome)
{
    Json done = event("SettleDone");
    done["Status"] = outcome.error.empty() ? 0 : 1;
    if (!outcome.error.empty())
        done["Error"] = outcome.error;
    done["TotalFrames"] = outcome.totalFrames;
    done["DroppedFrames"] = outcome.droppedFrames;
    m_links.Report(outcome.error.empty() ? "settled after " + std::to_string(outcome.totalFrames) + " frames"
                                         : "settling failed: " + outcome.error);
    m_settle.reset();
    m_job.reset();
    m_phase = Phase::Idle;
    broadcast(done);
}

void Bridge::Phd2Opened()
{
    m_phd2Up = true;
    m_phd2Known = false;
    m_guiding = false;
    m_phd2Settling = false;
    m_phd2Dithered = false;
    m_links.Report("connected to PHD2");
}

void Bridge::Phd2Closed()
{
    if (!m_phd2Up)
        return;
    m_phd2Up = false;
    m_phd2Known = false;
    m_guiding = false;
    m_links.Report("PHD2 closed the connection; waiting for it to come back");
    // The requests under way fail; their continuations end the dither.
    std::map<int, Done> calls;
    calls.swap(m_calls);
    for (auto &[id, done] : calls)
        done(ErrorReply(Codes::Failed, "PHD2 closed the connection", id));
    if (m_phase == Phase::Settling)
        finishSettling(m_settle->Abort("Guiding stopped"));
}

void Bridge::runWaiting()
{
    std::vector<std::function<void()>> waiting;
    waiting.swap(m_waitingForPhd2);
    for (const auto &start : waiting)
        start();
}

void Bridge::Phd2Line(const std::string &line)
{
    Json message;
    try {
        message = Json::parse(line);
    } catch (const Json::exception &) {
        return;
    }
    if (!message.is_object())
        return;
    if (message.contains("Event")) {
        phd2Event(message, line);
        return;
    }
    const Json id = message.value("id", Json());
    if (!id.is_number_integer())
        return;
    const auto found = m_calls.find(id.get<int>());
    if (found == m_calls.end())
        return;
    Done done = std::move(found->second);
    m_calls.erase(found);
    done(message);
}

void Bridge::phd2Event(const Json &message, const std::string &line)
{
    const std::string name = message["Event"].is_string() ? message["Event"].get<std::string>() : "";
    if (message.contains("Host") && message["Host"].is_string())
        m_source.host = message["Host"].get<std::string>();
    if (message.contains("Inst") && message["Inst"].is_number_integer())
        m_source.instance = message["Inst"].get<int>();

    if (name == "LockPositionSet") {
        if (m_lockWindow) {
            // Our move: the clients get PHD2's own event now, ahead of the dither's events,
            // and their connections' copies are dropped.
            for (auto &[client, state] : m_clients) {
                if (!state.live)
                    continue;
                m_links.ToClient(client, line);
                if (const auto copy = std::find(state.early.begin(), state.early.end(), line); copy != state.early.end())
                    state.early.erase(copy);
                else
                    keepAtMost(state.echoes, line);
            }
        } else if (m_guiding && m_phase == Phase::Idle) {
            reanchor({numberOr(message, "X", 0), numberOr(message, "Y", 0)}, "lock set");
        }
    } else if (name == "StartGuiding") {
        m_guiding = true;
        call("get_lock_position", nullptr, [this](const Json &answer) {
            if (const auto lock = pointOf(answer.value("result", Json())); lock && m_phase == Phase::Idle)
                reanchor(*lock, "guiding started");
        });
    } else if (name == "AppState") {
        const std::string state = message.value("State", "");
        m_guiding = state == "Guiding" || state == "LostLock";
        m_phd2Known = true;
        runWaiting();
    } else if (name == "GuidingStopped") {
        m_guiding = false;
        if (m_phase == Phase::Settling)
            finishSettling(m_settle->Abort("Guiding stopped"));
    } else if (name == "GuidingDithered") {
        m_phd2Dithered = true;
    } else if (name == "SettleBegin") {
        m_phd2Settling = true;
    } else if (name == "SettleDone") {
        m_phd2Settling = false;
        m_phd2Dithered = false;
    } else if ((name == "GuideStep" || name == "StarLost") && m_phase == Phase::Settling) {
        settleFrame(name == "GuideStep", numberOr(message, "AvgDist", 0));
    }
}

void Bridge::reanchor(Point lock, const char *why)
{
    try {
        const std::optional<LockAnchor> before = m_walk.LoadAnchor();
        const LockAnchor after = Reanchor(before, lock, m_walk.CurrentTarget(), m_tolerance);
        if (before && after.origin.x == before->origin.x && after.origin.y == before->origin.y) {
            m_links.Report(std::string(why) + ": lock " + figure(lock.x) + ", " + figure(lock.y)
                           + " at the last target; the walk goes on from origin "
                           + figure(after.origin.x) + ", " + figure(after.origin.y));
            return;
        }
        m_walk.SaveAnchor(after);
        m_links.Report(std::string(why) + ": lock " + figure(lock.x) + ", " + figure(lock.y)
                       + "; origin " + figure(after.origin.x) + ", " + figure(after.origin.y));
    } catch (const std::exception &error) {
        m_links.Report(std::string("the origin could not be stored: ") + error.what());
    }
}

void Bridge::call(const std::string &method, const Json &params, Done done)
{
    const int id = ++m_nextCall;
    Json request{{"method", method}};
    if (!params.is_null())
        request["params"] = params;
    request["id"] = id;
    m_calls[id] = std::move(done);
    m_links.ToPhd2(Line(request));
}

void Bridge::broadcast(const Json &message)
{
    const std::string line = Line(message);
    for (const auto &[client, state] : m_clients)
        if (state.live)
            m_links.ToClient(client, line);
}

Json Bridge::event(const std::string &name, const Json &fields) const
{
    Json message = Event(name, m_source, m_links.Timestamp());
    for (const auto &[key, value] : fields.items())
        message[key] = value;
    return message;
}

} // namespace Quiverstep::Phd2
