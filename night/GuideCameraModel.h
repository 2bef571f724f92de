#pragma once

#include "GuideBox.h"
#include "HostCamera.h"
#include "SeededRandom.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace Quiverstep {

// The sky, the mount and the guide camera of the simulated host. A guide star sits in the
// 33 by 33 pixel guide box (centre 16, 16); between guide frames it drifts and swings with
// the mount's periodic error, and every frame measures it through Gaussian seeing. Only a
// Move on an enabled axis moves it back: the simulated host makes no corrections of its own.
class GuideCameraModel
{
public:
    struct Options
    {
        double seeing = 0.15;           // sigma of each measured coordinate, pixels
        double driftX = 0.02;           // pixels per guide frame
        double driftY = -0.01;          // pixels per guide frame
        double periodicAmplitude = 0.3; // pixels, along X (right ascension)
        int periodicFrames = 120;       // period of the periodic error; 0 switches it off
        double maxMove = 1;             // largest correction the host allows, pixels
        double minMove = 0.1;           // smallest correction, pixels
        double frameSeconds = 2;        // guide exposure
        double exposureSeconds = 60;    // imaging exposure
        std::uint64_t seed = 1;
    };

    explicit GuideCameraModel(const Options &options);

    // Guiding starts: the host centres the guide box on the star, so the first frame reports
    // a guide error of exactly 0, 0.
    void StartGuiding();
    // The next guide exposure: the star moves on and is measured.
    void TakeFrame();

    // The star as the last frame measured it, in guide-box pixels (16 + guide error).
    double MeasuredX() const { return GuideBox::Centre + m_errorX; }
    double MeasuredY() const { return GuideBox::Centre + m_errorY; }
    // Where the star really is.
    double StarX() const { return m_starX; }
    double StarY() const { return m_starY; }
    int MoveCount() const { return m_moves; }

    // The camera object's members by name, without regard to case. An unknown member, or a
    // write to a member that can only be read, throws CameraError.
    CameraValue Get(std::string_view member) const;
    void Set(std::string_view member, const CameraValue &value);
    // Shifts the star by to - from on each enabled axis.
    void Move(double fromX, double fromY, double toX, double toY);

private:
    Options m_options;
    SeededRandom m_random;
    std::int64_t m_frame = 0;
    double m_starX = GuideBox::Centre;
    double m_starY = GuideBox::Centre;
    double m_errorX = 0;
    double m_errorY = 0;
    double m_moveToX = GuideBox::Centre;
    double m_moveToY = GuideBox::Centre;
    bool m_enabledX = true;
    bool m_enabledY = true;
    double m_autoguider = 0;
    std::string m_status;
    int m_moves = 0;
};

} // namespace Quiverstep
