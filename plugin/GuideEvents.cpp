#include "DitherPlugIn.h"

#include "EventNumbers.h"

#include "Conversions.h"
#include "DitherStepping.h"
#include "GuideBox.h"
#include "SettingKeys.h"
#include "Spiral.h"

#include <cmath>
#include <memory>
#include <optional>

namespace Quiverstep {

namespace {

constexpr double MoveDivisor = 1000;
// While errors are read and the move is made, the camera is addressed as WhichCamera + 1000.
constexpr std::int32_t GuidingSelector = 1000;

} // namespace

// The host's camera object of one guide event, addressed through its Autoguider member.
// In the test modes, or when it cannot be created, there is none: every access fails and is
// skipped.
class DitherPlugIn::EventCamera
{
public:
    EventCamera(HostCameraFactory *cameras, std::int32_t whichCamera, SkipOnFailure &step)
        : m_whichCamera(whichCamera)
        , m_step(step)
    {
        if (!cameras)
            return;
        m_step([&] { m_camera = cameras->Create(); });
        Select(0);
    }

    HostCamera &operator*() const
    {
        if (!m_camera)
            throw CameraError("no camera object");
        return *m_camera;
    }
    HostCamera *operator->() const { return &**this; }

    // Points the camera at WhichCamera plus the offset.
    void Select(std::int32_t offset)
    {
        m_step([&] { (*this)->Set("Autoguider", double(CheckedAdd(m_whichCamera, offset))); });
    }

    // Reads a number; nothing when the read fails.
    std::optional<double> Read(std::string_view member)
    {
        std::optional<double> value;
        m_step([&] { value = CameraNumber((*this)->Get(member)); });
        return value;
    }

    std::int32_t whichCamera() const { return m_whichCamera; }

private:
    std::unique_ptr<HostCamera> m_camera;
    std::int32_t m_whichCamera;
    SkipOnFailure &m_step;
};

namespace {

// The averaged error of one frame: the sum of one buffered error divided by one. Before the
// first guide start there is no buffer, and an error the sum cannot hold (not finite)
// overflows it; both leave the sum at 0. A failed read leaves the buffer at its reset 0.
double averageOfOneFrame(bool buffersCreated, std::optional<double> error)
{
    const bool kept = buffersCreated && error && std::isfinite(*error);
    return kept ? 0.0 + *error : 0.0;
}

// Makes the move from the measured position (16 + average) to the target at most maxMove,
// and one below minMove no move.
void limitMove(double &average, double target, double maxMove, double minMove, SkipOnFailure &step)
{
    double e = 0;
    step([&] { e = Finite(average + GuideBox::Centre - target); });
    if (std::abs(e) > maxMove) {
        step([&] {
            average = Finite(e < 0 ? target - maxMove - GuideBox::Centre
                                   : target + maxMove - GuideBox::Centre);
        });
    } else if (std::abs(e) < minMove) {
        step([&] { average = Finite(target - GuideBox::Centre); });
    }
}

} // namespace

void DitherPlugIn::ImageCaptured(SkipOnFailure &step)
{
    step([&] { WriteLogBlock(true); });
    const Quiverstep::Settings settings(m_environment.store);
    DitherUpdate(XOffset,
                 YOffset,
                 m_dither,
                 {settings, m_environment.random, m_environment.ui, m_environment.process.spiral},
                 step);
    bGuiding = false;
}

void DitherPlugIn::GuideEvent(std::int32_t WhichCamera, SkipOnFailure &step)
{
    EventCamera camera(Debugging == TestModes::Normal ? &m_environment.cameras : nullptr,
                       WhichCamera,
                       step);
    bGuiding = true;

    bool guideStart = Debugging == TestModes::GuideStart;
    if (Debugging != TestModes::Correction && Debugging != TestModes::GuideStart) {
        // The first frame after guiding starts measures exactly 0, 0. Errors that cannot be
        // read (no camera object) count as a guide start too.
        guideStart = step.test([&] {
            const double x = CameraNumber(camera->Get("GuideErrorX"));
            const double y = CameraNumber(camera->Get("GuideErrorY"));
            return x == 0 && y == 0;
        });
    }

    if (guideStart)
        StartGuiding(camera, step);
    else
        Correct(camera, step);
}

void DitherPlugIn::StartGuiding(EventCamera &camera, SkipOnFailure &step)
{
    const Quiverstep::Settings settings(m_environment.store);
    step([&] {
        XOffset = StrictNumber(settings.Get(Keys::CurrentOffsetX, Keys::Defaults::Position));
    });
    step([&] {
        YOffset = StrictNumber(settings.Get(Keys::CurrentOffsetY, Keys::Defaults::Position));
    });
    if (const auto maxMove = camera.Read("AutoguiderMaximumMove"))
        nMaxMove = *maxMove / MoveDivisor;
    if (const auto minMove = camera.Read("AutoguiderMinimumMove"))
        nMinMove = *minMove / MoveDivisor;
    m_environment.process.errorBuffersCreated = true;

    // Read as a truth value: 0 or -1 until the next dither update decodes the type.
    step([&] {
        m_dither.type = StrictFlag(settings.Get(Keys::DitherType, Keys::Defaults::DitherType)) ? -1
                                                                                               : 0;
    });
    step([&] {
        m_dither.stepSize = StrictNumber(settings.Get(Keys::DitherStep, Keys::Defaults::DitherStep));
    });
    step([&] {
        m_dither.maxDitherX = StrictNumber(
                settings.Get(Keys::MaxDitherX, Keys::Defaults::MaxDither));
    });
    m_dither.maxDitherY = m_dither.maxDitherX;
    // The spiral takes the new step and limit and goes on from its stored position.
    step([&] {
        Spiral::InitSpiral(m_environment.process.spiral,
                           settings,
                           m_dither.maxDitherX,
                           m_dither.stepSize,
                           false);
    });

    bGuiding = false;
    step([&] { WriteLogBlock(false); });
    // The camera is released with the Autoguider still pointing at WhichCamera.
}

void DitherPlugIn::Correct(EventCamera &camera, SkipOnFailure &step)
{
    ProcessState &s = m_environment.process;

    camera.Select(GuidingSelector);
    const std::optional<double> errorX = camera.Read("GuideErrorX");
    const std::optional<double> errorY = camera.Read("GuideErrorY");
    camera.Select(0);

    s.averageErrorX = averageOfOneFrame(s.errorBuffersCreated, errorX);
    s.averageErrorY = averageOfOneFrame(s.errorBuffersCreated, errorY);
    limitMove(s.averageErrorX, XOffset, nMaxMove, nMinMove, step);
    limitMove(s.averageErrorY, YOffset, nMaxMove, nMinMove, step);

    // The host's own axis corrections are on only for this one move.
    camera.Select(GuidingSelector);
    step([&] { camera->Set("EnabledXAxis", true); });
    step([&] { camera->Set("enabledyaxis", true); });
    step([&] {
        camera->Move(Finite(GuideBox::Centre + s.averageErrorX),
                     Finite(GuideBox::Centre + s.averageErrorY),
                     XOffset,
                     YOffset);
    });
    step([&] { camera->Set("EnabledXAxis", false); });
    step([&] { camera->Set("enabledyaxis", false); });
    camera.Select(0);

    if (bLog)
        step([&] { WriteGuideErrorLine(s.averageErrorX, s.averageErrorY, XOffset, YOffset); });

    if (camera.whichCamera() == Events::Autoguider)
        step([&] { camera->Set("Autoguider", 0.0); });
}

} // namespace Quiverstep
