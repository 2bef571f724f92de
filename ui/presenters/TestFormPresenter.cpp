#include "presenters/TestFormPresenter.h"

#include "GeneratedPatterns.h"

#include "DitherPlugIn.h"
#include "EventNumbers.h"
#include "Spiral.h"

namespace Quiverstep {

const WindowDescription &TestFormPresenter::Description()
{
    using K = ControlKind;
    // clang-format off
    static const WindowDescription description{
        "TestForm", "Test", 604, 468, WindowPlacement::SystemDefault,
        {
            {setupButton, "setupButton", K::Button, "Setup", 68, 32, 137, 57},
            {guideStartButton, "guideStartButton", K::Button, "Guide Start", 68, 120, 137, 57},
            {guideErrorButton, "guideErrorButton", K::Button, "Guide Error", 68, 200, 137, 57},
            {downloadCompleteButton, "downloadCompleteButton", K::Button, "Download Complete", 68, 284, 137, 53},
            {pathCanvas, "pathCanvas", K::Canvas, "", 252, 32, 317, 313},
            {generatePatternButton, "generatePatternButton", K::Button, "Generate Pattern", 224, 392, 101, 65},
        },
    };
    // clang-format on
    return description;
}

TestFormPresenter::TestFormPresenter(PlugInEnvironment &environment)
    : WindowPresenter(Description())
    , m_environment(environment)
    , m_plugIn(std::make_unique<DitherPlugIn>(environment))
{
    setActions({
            {setupButton, [this] { openSettings(); }},
            {guideStartButton, [this] { startGuiding(); }},
            {guideErrorButton, [this] { correctGuideError(); }},
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

void TestFormPresenter::startGuiding()
{
    m_plugIn->Debugging = TestModes::GuideStart;
    m_plugIn->CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
}

void TestFormPresenter::correctGuideError()
{
    m_plugIn->Debugging = TestModes::Correction;
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

void TestFormPresenter::generatePatterns()
{
    Guarded(View(), [&] { GeneratePatterns(Settings(m_environment.store)); });
}

} // namespace Quiverstep
