#include "TestForm.h"

#include "MessageBoxes.h"
#include "frmSetupOptions.h"

#include "GeneratedPatterns.h"

#include "DitherPlugIn.h"
#include "EventNumbers.h"
#include "Spiral.h"

namespace Quiverstep {

TestForm::TestForm(PlugInEnvironment &environment)
    : DialogWindow(L"Test", 604, 468, Placement::SystemDefault)
    , m_environment(environment)
    , m_oPlugIn(std::make_unique<DitherPlugIn>(environment))
{}

TestForm::~TestForm() = default;

void TestForm::build()
{
    // In keyboard focus order.
    button(Command1, L"Setup", 68, 32, 137, 57);
    button(Command2, L"Guide Start", 68, 120, 137, 57);
    button(Command3, L"Guide Error", 68, 200, 137, 57);
    button(Command4, L"Download Complete", 68, 284, 137, 53);
    m_picture = std::make_unique<PathPicture>(m_hwnd,
                                              Picture1,
                                              Scale(252),
                                              Scale(32),
                                              Scale(317),
                                              Scale(313));
    button(CustomPattern, L"Generate Pattern", 224, 392, 101, 65);
}

void TestForm::onCommand(int id, int, HWND)
{
    switch (id) {
    case Command1:
        Command1_Click();
        break;
    case Command2:
        Command2_Click();
        break;
    case Command3:
        Command3_Click();
        break;
    case Command4:
        Command4_Click();
        break;
    case CustomPattern:
        CustomPattern_Click();
        break;
    default:
        break;
    }
}

void TestForm::Command1_Click()
{
    Guarded(m_hwnd, [&] { frmSetupOptions::ShowModal(m_environment); });
    m_picture->Clear();
}

void TestForm::Command2_Click()
{
    m_oPlugIn->Debugging = TestModes::GuideStart;
    m_oPlugIn->CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
}

void TestForm::Command3_Click()
{
    m_oPlugIn->Debugging = TestModes::Correction;
    m_oPlugIn->CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
}

void TestForm::Command4_Click()
{
    const std::int32_t colour = PathColourValue(m_environment.process.spiral);
    m_oPlugIn->Debugging = TestModes::Dither;
    m_oPlugIn->CameraEvent(Events::ExposureEnd, Events::ImagingCamera, "", 0, 0);
    m_picture->PaintPosition(m_oPlugIn->XOffset, m_oPlugIn->YOffset, colour);
}

void TestForm::CustomPattern_Click()
{
    Guarded(m_hwnd, [&] { GeneratePatterns(Settings(m_environment.store)); });
}

} // namespace Quiverstep
