#pragma once

#include "DitherStepping.h"
#include "PlugInEnvironment.h"

#include "SkipOnFailure.h"

#include <cstdint>
#include <string>

namespace Quiverstep {

// The object the host creates: its interface _DitherPlugIn, members in interface order.
class DitherPlugIn
{
public:
    explicit DitherPlugIn(PlugInEnvironment &environment);

    // Public data members.
    double XOffset = 0;         // dither target X, guide-box pixels (16 is the centre)
    double YOffset = 0;         // dither target Y
    bool bGuiding = false;      // a correction was handled since the last guide start or dither
    double nMaxMove = 0;        // largest guide move (host value / 1000)
    double nMinMove = 0;        // smallest guide move
    std::int16_t Debugging = 0; // test mode 0 to 3

    // "Quiverstep Guider 1.1.8"
    std::string Name() const;
    // 1 for events 19 and 22, else 0; always clears bGuiding.
    std::int32_t WantEvent(const std::int32_t &WhichEvent);
    // Always 1; writes are ignored.
    std::int16_t NumberToAverage() const;
    void SetNumberToAverage(const std::int16_t &value);
    // The event entry. No error ever leaves it.
    void CameraEvent(const std::int32_t &WhichEvent,
                     const std::int32_t &WhichCamera,
                     const std::string &MyString,
                     const std::int32_t &Param1,
                     const std::int32_t &Param2) noexcept;
    // Shows the settings dialog modally.
    void Settings();
    // Waits `duration` milliseconds (when above 100) while processing user-interface events.
    void myDelay(const double &duration);

    // Frames per correction; NumberToAverage reports it.
    static constexpr std::int16_t FramesPerCorrection = 1;

private:
    class EventCamera;

    // Event 19 from the imaging camera: log the image, dither, stop guiding.
    void ImageCaptured(SkipOnFailure &step);
    // Event 22: a guide start or a correction.
    void GuideEvent(std::int32_t WhichCamera, SkipOnFailure &step);
    void StartGuiding(EventCamera &camera, SkipOnFailure &step);
    void Correct(EventCamera &camera, SkipOnFailure &step);

    void WriteLogBlock(bool bImageCaptured);
    void WriteGuideErrorLine(double ErrorX, double ErrorY, double &OffsetX, double &OffsetY);

    DitherState m_dither;
    bool bLog = false;

    PlugInEnvironment &m_environment;
};

} // namespace Quiverstep
