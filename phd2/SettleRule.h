#pragma once

#include <optional>
#include <string>

namespace Quiverstep::Phd2 {

// The settle parameters of a `dither` or `guide`, as PHD2 keeps them: the seconds are whole.
struct SettleParams
{
    double pixels = 1.5;
    int time = 0;
    int timeout = 0;
};

// PHD2's settle rule, frame by frame: settled after `time` seconds in a row with the star
// locked and the smoothed distance at most `pixels` (time 0: the first such frame); failed
// when `timeout` seconds have passed, which is noticed at a frame.
class SettleRule
{
public:
    // What a frame gives the clients: a Settling event, or the SettleDone that ends it.
    struct Outcome
    {
        bool done = false;
        // Settling
        double distance = 0;
        double time = 0;
        // SettleDone
        std::string error; // empty on success
        int totalFrames = 0;
        int droppedFrames = 0;
    };

    SettleRule(SettleParams params, double startSeconds);

    // One guide frame at `now` (seconds, any steady clock): the star locked with the
    // smoothed distance, or lost.
    Outcome Frame(double now, bool locked, double distance);
    // Settling ended by something else (guiding stopped).
    Outcome Abort(const std::string &reason) const;

    const SettleParams &params() const { return m_params; }

private:
    Outcome done(std::string error) const;

    SettleParams m_params;
    double m_start;
    double m_inRangeSince = 0;
    bool m_priorInRange = false;
    int m_frames = 0;
    int m_dropped = 0;
};

} // namespace Quiverstep::Phd2
