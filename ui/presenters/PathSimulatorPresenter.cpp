#include "presenters/PathSimulatorPresenter.h"

#include "SettingsValidation.h"

#include "Conversions.h"
#include "DitherPlugIn.h"
#include "DitherType.h"
#include "EventNumbers.h"
#include "SettingKeys.h"
#include "Spiral.h"

#include <cmath>

namespace Quiverstep {

PathSimulatorPresenter::PathSimulatorPresenter(PlugInEnvironment &environment,
                                               const std::string &caption,
                                               StepSizeText stepSizeText)
    : WindowPresenter(Description())
    , m_environment(environment)
    , m_caption(caption)
    , m_stepSizeText(std::move(stepSizeText))
{
    setActions({
            {exitButton, [this] { View().Close(false); }},
            {resetButton, [this] { reset(); }},
            {runButton, [this] { setRunning(!m_running); }},
            {stepButton, [this] { stepOnce(); }},
    });
}

PathSimulatorPresenter::~PathSimulatorPresenter() = default;

void PathSimulatorPresenter::Load()
{
    if (!m_caption.empty())
        View().SetCaption(m_caption);
    m_plugIn = std::make_unique<DitherPlugIn>(m_environment);
    initSimulation();
    setRunning(true);
}

void PathSimulatorPresenter::Tick(int timer)
{
    if (timer == stepTimer && m_running)
        simulateStep();
}

void PathSimulatorPresenter::Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    reset();
    View().StopTimer(stepTimer);
    m_plugIn.reset();
}

void PathSimulatorPresenter::initSimulation()
{
    if (!m_plugIn)
        return;
    View().ClearPath(pathCanvas);
    m_plugIn->Debugging = TestModes::GuideStart;
    m_plugIn->CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
}

void PathSimulatorPresenter::simulateStep()
{
    if (!m_plugIn)
        return;
    // The cell shows the colour the path had before this step, which may turn it.
    const std::int32_t colour = PathColourValue(m_environment.process.spiral);
    m_plugIn->Debugging = TestModes::Dither;
    m_plugIn->CameraEvent(Events::ExposureEnd, Events::ImagingCamera, "", 0, 0);
    View().PaintPosition(pathCanvas, m_plugIn->XOffset, m_plugIn->YOffset, colour);
}

void PathSimulatorPresenter::reset()
{
    setRunning(false);
    initSimulation();
    bool walkReset = false;
    if (!Guarded(View(), [&] { walkReset = resetWalk(); }))
        return;
    if (!walkReset) {
        View().ShowMessage(std::string(ValidationMessages::PatternMissing));
        return;
    }
    initSimulation();
}

bool PathSimulatorPresenter::resetWalk()
{
    const Settings settings(m_environment.store);
    GuidePosition start;
    const double type = LeadingNumber(settings.Get(Keys::DitherType, Keys::Defaults::DitherType));
    if (DitherType::IsPattern(type)) {
        // The key takes the type as real number text: a stored 2.5 names "Pattern2.5".
        if (!std::isfinite(type))
            return false;
        const std::string text = settings.Get(std::string(Keys::PatternPrefix) + RealToText(type),
                                              "");
        if (text.empty())
            return false;
        // Only a hand-edited store can leave the box unreadable: start at the centre.
        start = FirstStepPosition(text, TypedNumber(m_stepSizeText()).value_or(0));
    }
    StoreOperation operation(m_environment.store);
    settings.Save(Keys::CurrentStep, "1");
    settings.Save(Keys::CurrentDirection, FlagToText(false));
    settings.Save(Keys::CurrentOffsetX, RealToText(start.x));
    settings.Save(Keys::CurrentOffsetY, RealToText(start.y));
    operation.Commit();
    return true;
}

void PathSimulatorPresenter::setRunning(bool running)
{
    if (!running)
        View().StopTimer(stepTimer);
    View().SetText(runButton, running ? "Stop" : "Run");
    if (running)
        View().StartTimer(stepTimer, StepMilliseconds);
    m_running = running;
}

void PathSimulatorPresenter::stepOnce()
{
    if (m_running)
        setRunning(false);
    simulateStep();
}

} // namespace Quiverstep
