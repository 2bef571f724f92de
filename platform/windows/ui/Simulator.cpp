#include "Simulator.h"

#include "MessageBoxes.h"
#include "frmSetupOptions.h"

#include "DitherWalkReset.h"
#include "SettingsValidation.h"

#include "DitherPlugIn.h"
#include "EventNumbers.h"
#include "Spiral.h"

namespace Quiverstep {

namespace {
constexpr UINT_PTR Timer1 = 1;
} // namespace

Simulator::Simulator(PlugInEnvironment &environment)
    : DialogWindow(L"Dither Simulator", 456, 292, Placement::CentreOwner)
    , m_environment(environment)
{}

Simulator::~Simulator() = default;

void Simulator::build()
{
    // In keyboard focus order.
    button(OKButton, L"Exit", 368, 12, 81, 25);
    m_picture = std::make_unique<PathPicture>(m_hwnd,
                                              Picture1,
                                              Scale(12),
                                              Scale(12),
                                              Scale(341),
                                              Scale(265));
    button(pbRun, L"Run", 364, 216, 81, 29);
    button(pbStep, L"Step", 364, 252, 81, 29);
    button(pbReset, L"Reset", 364, 180, 81, 29);
}

void Simulator::onLoad()
{
    m_oPlugIn = std::make_unique<DitherPlugIn>(m_environment);
    InitSimulation();
    SetText(GetDlgItem(m_hwnd, pbRun), "Stop");
    SetTimer(m_hwnd, Timer1, StepMilliseconds, nullptr);
    m_bRunning = true;
}

void Simulator::onCommand(int id, int, HWND)
{
    switch (id) {
    case OKButton:
        Close();
        break;
    case pbReset:
        Reset();
        break;
    case pbRun:
        RunStop();
        break;
    case pbStep:
        pbStep_Click();
        break;
    default:
        break;
    }
}

void Simulator::onTimer(UINT_PTR timer)
{
    if (timer == Timer1)
        Timer1_Timer();
}

void Simulator::InitSimulation()
{
    if (!m_oPlugIn)
        return;
    m_picture->Clear();
    m_oPlugIn->Debugging = TestModes::GuideStart;
    m_oPlugIn->CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
}

void Simulator::SimulateStep()
{
    if (!m_oPlugIn)
        return;
    const std::int32_t colour = PathColourValue(m_environment.process.spiral);
    m_oPlugIn->Debugging = TestModes::Dither;
    m_oPlugIn->CameraEvent(Events::ExposureEnd, Events::ImagingCamera, "", 0, 0);
    m_picture->PaintPosition(m_oPlugIn->XOffset, m_oPlugIn->YOffset, colour);
}

void Simulator::Reset()
{
    KillTimer(m_hwnd, Timer1);
    SetText(GetDlgItem(m_hwnd, pbRun), "Run");
    m_bRunning = false;
    InitSimulation();
    bool reset = false;
    if (!Guarded(m_hwnd, [&] {
            const std::string stepSize = frmSetupOptions::Instance(m_environment).stepSizeText();
            reset = ResetDitherWalk(Settings(m_environment.store), stepSize);
        }))
        return;
    if (!reset) {
        ShowMessage(m_hwnd, ValidationMessages::PatternMissing);
        return;
    }
    InitSimulation();
}

void Simulator::RunStop()
{
    const HWND run = GetDlgItem(m_hwnd, pbRun);
    if (m_bRunning) {
        KillTimer(m_hwnd, Timer1);
        SetText(run, "Run");
        m_bRunning = false;
    } else {
        SetText(run, "Stop");
        SetTimer(m_hwnd, Timer1, StepMilliseconds, nullptr);
        m_bRunning = true;
    }
}

void Simulator::pbStep_Click()
{
    if (m_bRunning)
        RunStop();
    SimulateStep();
}

void Simulator::Timer1_Timer()
{
    if (m_bRunning)
        SimulateStep();
}

void Simulator::onUnload()
{
    // Exit, Escape and the window frame all unload: the stored walk goes back to its start.
    Reset();
    KillTimer(m_hwnd, Timer1);
    m_oPlugIn.reset();
}

} // namespace Quiverstep
