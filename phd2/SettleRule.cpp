#include "SettleRule.h"

#include <cmath>

namespace Quiverstep::Phd2 {

namespace {

// PHD2 caps settling at this many frames when a client gives none.
constexpr int FrameLimit = 99999;

// PHD2 compares whole elapsed seconds, from a stopwatch in milliseconds.
long wholeSeconds(double seconds)
{
    return std::lround(std::floor(seconds * 1000.0)) / 1000;
}

} // namespace

SettleRule::SettleRule(SettleParams params, double startSeconds)
    : m_params(params)
    , m_start(startSeconds)
{}

SettleRule::Outcome SettleRule::Frame(double now, bool locked, double distance)
{
    const bool inRange = locked && distance <= m_params.pixels;
    double timeInRange = 0;
    ++m_frames;
    if (!locked)
        ++m_dropped;
    if (m_frames >= FrameLimit)
        return done({});
    if (inRange) {
        if (!m_priorInRange) {
            if (m_params.time <= 0)
                return done({});
            m_inRangeSince = now;
        } else {
            timeInRange = now - m_inRangeSince;
            if (wholeSeconds(timeInRange) >= m_params.time)
                return done({});
        }
    }
    if (wholeSeconds(now - m_start) >= m_params.timeout)
        return done("timed-out waiting for guider to settle");
    m_priorInRange = inRange;
    Outcome settling;
    settling.distance = distance;
    settling.time = std::floor(timeInRange * 1000.0) / 1000.0;
    return settling;
}

SettleRule::Outcome SettleRule::Abort(const std::string &reason) const
{
    return done(reason);
}

SettleRule::Outcome SettleRule::done(std::string error) const
{
    Outcome outcome;
    outcome.done = true;
    outcome.error = std::move(error);
    outcome.totalFrames = m_frames;
    outcome.droppedFrames = m_dropped;
    return outcome;
}

} // namespace Quiverstep::Phd2
