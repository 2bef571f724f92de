#include "GuidingSession.h"

#include "SeededRandom.h"
#include "SimulatedCameraFactory.h"

#include "Conversions.h"
#include "DitherPlugIn.h"
#include "DitherStepping.h"
#include "DitherTypeList.h"
#include "EventNumbers.h"
#include "GuideLog.h"
#include "HeadlessUserInterface.h"
#include "Pattern.h"
#include "SettingKeys.h"
#include "Settings.h"
#include "Spiral.h"

#include <cmath>
#include <stdexcept>

namespace Quiverstep {

GuidingSession::GuidingSession(SettingsStore &store,
                               Clock &clock,
                               TextFileSystem &files,
                               UserPaths &paths,
                               Options options)
    : m_store(store)
    , m_clock(clock)
    , m_files(files)
    , m_paths(paths)
    , m_options(options)
{
    if (m_options.images < 0)
        throw std::invalid_argument("the number of images must not be negative");
    if (m_options.framesPerImage < 1)
        throw std::invalid_argument("an exposure needs at least one guide frame");
}

void GuidingSession::describe(SessionReport &report) const
{
    const Settings settings(m_store);
    report.ditherType = DitherTypeName(settings);
    report.stepSize = settings.Get(Keys::DitherStep, Keys::Defaults::DitherStep);
    report.maxDither = settings.Get(Keys::MaxDitherX, Keys::Defaults::MaxDither);
    report.seed = m_options.seed;
    report.framesPerImage = m_options.framesPerImage;
    report.tolerance = m_options.tolerance;
    if (LeadingNumber(settings.Get(Keys::Log, "False")) == 0)
        return;
    if (const auto stored = settings.Find(Keys::LogFile)) {
        report.logFile = *stored;
    } else {
        const auto places = m_paths.DefaultLogFiles(GuideLog::DefaultLogFileName());
        report.logFile = places.empty() ? std::string() : places.front();
    }
}

SessionReport GuidingSession::Run(const Progress &progress)
{
    GuideCameraModel::Options cameraOptions = m_options.camera;
    cameraOptions.seed = m_options.seed;
    cameraOptions.exposureSeconds = m_options.framesPerImage * cameraOptions.frameSeconds;
    GuideCameraModel model(cameraOptions);
    SimulatedCameraFactory cameras(model);

    SessionReport report;
    describe(report);
    HeadlessUserInterface ui(
            [&report](const std::string &text) { report.messages.push_back(text); });
    SeededRandom random(DitherSeed(m_options.seed));
    // Each night is a host process of its own, started afresh.
    ProcessState process;
    PlugInEnvironment environment{m_store, cameras, ui, m_clock, random, m_files, m_paths, process};
    DitherPlugIn plugIn(environment);
    report.plugInName = plugIn.Name();

    // The host raises only the events the plug-in asked for.
    const bool guideFrames = plugIn.WantEvent(Events::GuideFrame) == 1;
    const bool images = plugIn.WantEvent(Events::ExposureEnd) == 1;

    model.StartGuiding();
    if (guideFrames)
        plugIn.CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
    report.track.push_back({model.MeasuredX(), model.MeasuredY()});

    // The simulator paints each target in the colour the path had before the step to it.
    std::int32_t colour = PathColourValue(process.spiral);
    for (int number = 1; number <= m_options.images; ++number) {
        SessionReport::Image image;
        image.number = number;
        image.targetX = plugIn.XOffset;
        image.targetY = plugIn.YOffset;
        image.colour = colour;
        image.frames = m_options.framesPerImage;
        double sumSquares = 0;
        for (int frame = 0; frame < m_options.framesPerImage; ++frame) {
            model.TakeFrame();
            const double ex = model.MeasuredX() - image.targetX;
            const double ey = model.MeasuredY() - image.targetY;
            if (!image.settleFrames && std::abs(ex) <= m_options.tolerance
                && std::abs(ey) <= m_options.tolerance)
                image.settleFrames = frame;
            sumSquares += ex * ex + ey * ey;
            report.track.push_back({model.MeasuredX(), model.MeasuredY()});
            if (guideFrames)
                plugIn.CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
        }
        image.rmsError = std::sqrt(sumSquares / image.frames);
        colour = PathColourValue(process.spiral);
        if (images)
            plugIn.CameraEvent(Events::ExposureEnd, Events::ImagingCamera, "", 0, 0);
        report.images.push_back(image);
        if (progress)
            progress(image, m_options.images);
    }
    return report;
}

} // namespace Quiverstep
