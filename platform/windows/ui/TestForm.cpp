#include "TestForm.h"

#include "MessageBoxes.h"
#include "SettingsDialog.h"

#include "GeneratedPatterns.h"

#include "DitherPlugIn.h"
#include "EventNumbers.h"
#include "Spiral.h"

namespace Quiverstep {

TestForm::TestForm(PlugInEnvironment &environment)
    : DialogWindow(L"Test", 604, 468, Placement::SystemDefault)
    , m_environment(environment)
    , m_plugIn(std::make_unique<DitherPlugIn>(environment))
{}

TestForm::~TestForm() = default;

void TestForm::build()
{
    // In keyboard focus order.
    button(setupButton, L"Setup", 68, 32, 137, 57);
    button(guideStartButton, L"Guide Start", 68, 120, 137, 57);
    button(guideErrorButton, L"Guide Error", 68, 200, 137, 57);
    button(downloadCompleteButton, L"Download Complete", 68, 284, 137, 53);
    m_picture = std::make_unique<PathPicture>(m_hwnd,
                                              pathCanvas,
                                              Scale(252),
                                              Scale(32),
                                              Scale(317),
                                              Scale(313));
    button(generatePatternButton, L"Generate Pattern", 224, 392, 101, 65);
}

void TestForm::onCommand(int id, int, HWND)
{
    switch (id) {
    case setupButton:
        openSettings();
        break;
    case guideStartButton:
        startGuiding();
        break;
    case guideErrorButton:
        correctGuideError();
        break;
    case downloadCompleteButton:
        completeDownload();
        break;
    case generatePatternButton:
        generatePatterns();
        break;
    default:
        break;
    }
}

void TestForm::openSettings()
{
    Guarded(m_hwnd, [&] { SettingsDialog::ShowModal(m_environment); });
    m_picture->Clear();
}

void TestForm::startGuiding()
{
    m_plugIn->Debugging = TestModes::GuideStart;
    m_plugIn->CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
}

void TestForm::correctGuideError()
{
    m_plugIn->Debugging = TestModes::Correction;
    m_plugIn->CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
}

void TestForm::completeDownload()
{
    const std::int32_t colour = PathColourValue(m_environment.process.spiral);
    m_plugIn->Debugging = TestModes::Dither;
    m_plugIn->CameraEvent(Events::ExposureEnd, Events::ImagingCamera, "", 0, 0);
    m_picture->PaintPosition(m_plugIn->XOffset, m_plugIn->YOffset, colour);
}

void TestForm::generatePatterns()
{
    Guarded(m_hwnd, [&] { GeneratePatterns(Settings(m_environment.store)); });
}

} // namespace Quiverstep
