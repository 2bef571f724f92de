#include "DitherPlugIn.h"

#include "EventNumbers.h"

#include "Conversions.h"
#include "GuideLog.h"
#include "Version.h"

namespace Quiverstep {

namespace {

// The guide log over the plug-in's store and platform pieces.
GuideLog guideLog(const Settings &settings, PlugInEnvironment &environment)
{
    return GuideLog(settings,
                    environment.cameras,
                    environment.files,
                    environment.paths,
                    environment.clock);
}

} // namespace

DitherPlugIn::DitherPlugIn(PlugInEnvironment &environment)
    : m_environment(environment)
{}

std::string DitherPlugIn::Name() const
{
    return "Quiverstep Guider " + VersionText();
}

std::int32_t DitherPlugIn::WantEvent(const std::int32_t &WhichEvent)
{
    bGuiding = false;
    return WhichEvent == Events::ExposureEnd || WhichEvent == Events::GuideFrame ? 1 : 0;
}

std::int16_t DitherPlugIn::NumberToAverage() const
{
    return FramesPerCorrection;
}

void DitherPlugIn::SetNumberToAverage(const std::int16_t &)
{
    // Averaging always uses one frame.
}

void DitherPlugIn::CameraEvent(const std::int32_t &WhichEvent,
                               const std::int32_t &WhichCamera,
                               const std::string &,
                               const std::int32_t &,
                               const std::int32_t &) noexcept
{
    SkipOnFailure step;
    try {
        // The event's store writes reach the disk together, before the host gets control back.
        StoreOperation operation(m_environment.store);
        if (Debugging == TestModes::Dither)
            ImageCaptured(step);
        else if (Debugging == TestModes::GuideStart || Debugging == TestModes::Correction)
            GuideEvent(WhichCamera, step);
        else if (WhichEvent == Events::ExposureEnd && WhichCamera == Events::ImagingCamera
                 && bGuiding)
            ImageCaptured(step);
        else if (WhichEvent == Events::GuideFrame)
            GuideEvent(WhichCamera, step);
        step([&] { operation.Commit(); });
    } catch (...) {
        // The host never sees an error.
    }
}

void DitherPlugIn::Settings()
{
    m_environment.ui.ShowSettings();
}

void DitherPlugIn::myDelay(const double &duration)
{
    if (!(duration > 100))
        return;
    // The flag is the process's: a tick of any plug-in object's wait ends every wait.
    ProcessState &process = m_environment.process;
    process.delayWaiting = true;
    m_environment.ui.StartDelayTimer(ToLong(duration), [&process] { process.delayWaiting = false; });
    while (process.delayWaiting)
        m_environment.ui.ProcessEvents();
}

void DitherPlugIn::WriteLogBlock(bool bImageCaptured)
{
    const Quiverstep::Settings settings(m_environment.store);
    guideLog(settings, m_environment)
            .WriteLogBlock(bLog,
                           bImageCaptured,
                           {XOffset,
                            YOffset,
                            bGuiding,
                            m_dither.type,
                            m_dither.stepSize,
                            m_dither.maxDitherX,
                            m_dither.currentStep,
                            m_dither.currentDirection});
}

void DitherPlugIn::WriteGuideErrorLine(double ErrorX,
                                       double ErrorY,
                                       double &OffsetX,
                                       double &OffsetY)
{
    const Quiverstep::Settings settings(m_environment.store);
    guideLog(settings, m_environment).WriteGuideErrorLine(bLog, ErrorX, ErrorY, OffsetX, OffsetY);
}

} // namespace Quiverstep
