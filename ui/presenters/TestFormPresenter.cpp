#include "presenters/TestFormPresenter.h"

#include "DitherPlugIn.h"
#include "EventNumbers.h"
#include "Pattern.h"
#include "SettingKeys.h"
#include "Spiral.h"

namespace Quiverstep {

TestFormPresenter::TestFormPresenter(PlugInEnvironment &environment)
    : WindowPresenter(Description())
    , m_environment(environment)
    , m_plugIn(std::make_unique<DitherPlugIn>(environment))
{
    setActions({
            {setupButton, [this] { openSettings(); }},
            {guideStartButton, [this] { raiseGuideFrame(TestModes::GuideStart); }},
            {guideErrorButton, [this] { raiseGuideFrame(TestModes::Correction); }},
            {downloadCompleteButton, [this] { completeDownload(); }},
            {generatePatternButton, [this] { generatePatterns(); }},
    });
}

TestFormPresenter::~TestFormPresenter() = default;

void TestFormPresenter::openSettings()
{
    Guarded(View(), [&] { m_environment.ui.ShowSettings(); });
    View().ClearPath(pathCanvas);
}

void TestFormPresenter::raiseGuideFrame(std::int16_t testMode)
{
    m_plugIn->Debugging = testMode;
    m_plugIn->CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
}

void TestFormPresenter::completeDownload()
{
    // The cell shows the colour the path had before this step, which may turn it.
    const std::int32_t colour = PathColourValue(m_environment.process.spiral);
    m_plugIn->Debugging = TestModes::Dither;
    m_plugIn->CameraEvent(Events::ExposureEnd, Events::ImagingCamera, "", 0, 0);
    View().PaintPosition(pathCanvas, m_plugIn->XOffset, m_plugIn->YOffset, colour);
}

// Two sample snakes over -5..5, each under a key of its own, replacing what it held.
void TestFormPresenter::generatePatterns()
{
    constexpr int Reach = 5;
    Guarded(View(), [&] {
        const Settings settings(m_environment.store);
        StoreOperation operation(m_environment.store);
        settings.Save(Keys::NewPatternHorizontalSnake,
                      HorizontalSnake("Horizontal Snake", Reach, "BOTTOM"));
        settings.Save(Keys::NewPatternVerticalSnake,
                      VerticalSnake("Vertical Snake", Reach, "BOTTOM"));
        operation.Commit();
    });
}

} // namespace Quiverstep
