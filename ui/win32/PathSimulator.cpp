#include "win32/PathSimulator.h"

#include "win32/MessageBoxes.h"
#include "win32/SettingsDialog.h"

#include "DitherWalkReset.h"
#include "SettingsValidation.h"

#include "DitherPlugIn.h"
#include "EventNumbers.h"
#include "Spiral.h"

namespace Quiverstep {

namespace {
constexpr UINT_PTR stepTimer = 1;
} // namespace

PathSimulator::PathSimulator(PlugInEnvironment &environment)
    : DialogWindow(L"Dither Simulator", 456, 292, Placement::CentreOwner)
    , m_environment(environment)
{}

PathSimulator::~PathSimulator() = default;

void PathSimulator::build()
{
    // In keyboard focus order.
    button(exitButton, L"Exit", 368, 12, 81, 25);
    m_picture = std::make_unique<PathPicture>(m_hwnd,
                                              pathCanvas,
                                              Scale(12),
                                              Scale(12),
                                              Scale(341),
                                              Scale(265));
    button(runButton, L"Run", 364, 216, 81, 29);
    button(stepButton, L"Step", 364, 252, 81, 29);
    button(resetButton, L"Reset", 364, 180, 81, 29);
}

void PathSimulator::onLoad()
{
    m_plugIn = std::make_unique<DitherPlugIn>(m_environment);
    InitSimulation();
    SetText(GetDlgItem(m_hwnd, runButton), "Stop");
    SetTimer(m_hwnd, stepTimer, StepMilliseconds, nullptr);
    m_running = true;
}

void PathSimulator::onCommand(int id, int, HWND)
{
    switch (id) {
    case exitButton:
        Close();
        break;
    case resetButton:
        Reset();
        break;
    case runButton:
        RunStop();
        break;
    case stepButton:
        stepOnce();
        break;
    default:
        break;
    }
}

void PathSimulator::onTimer(UINT_PTR timer)
{
    if (timer == stepTimer)
        stepWhileRunning();
}

void PathSimulator::InitSimulation()
{
    if (!m_plugIn)
        return;
    m_picture->Clear();
    m_plugIn->Debugging = TestModes::GuideStart;
    m_plugIn->CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
}

void PathSimulator::SimulateStep()
{
    if (!m_plugIn)
        return;
    const std::int32_t colour = PathColourValue(m_environment.process.spiral);
    m_plugIn->Debugging = TestModes::Dither;
    m_plugIn->CameraEvent(Events::ExposureEnd, Events::ImagingCamera, "", 0, 0);
    m_picture->PaintPosition(m_plugIn->XOffset, m_plugIn->YOffset, colour);
}

void PathSimulator::Reset()
{
    KillTimer(m_hwnd, stepTimer);
    SetText(GetDlgItem(m_hwnd, runButton), "Run");
    m_running = false;
    InitSimulation();
    bool reset = false;
    if (!Guarded(m_hwnd, [&] {
            const std::string stepSize = SettingsDialog::Instance(m_environment).stepSizeText();
            reset = ResetDitherWalk(Settings(m_environment.store), stepSize);
        }))
        return;
    if (!reset) {
        ShowMessage(m_hwnd, ValidationMessages::PatternMissing);
        return;
    }
    InitSimulation();
}

void PathSimulator::RunStop()
{
    const HWND run = GetDlgItem(m_hwnd, runButton);
    if (m_running) {
        KillTimer(m_hwnd, stepTimer);
        SetText(run, "Run");
        m_running = false;
    } else {
        SetText(run, "Stop");
        SetTimer(m_hwnd, stepTimer, StepMilliseconds, nullptr);
        m_running = true;
    }
}

void PathSimulator::stepOnce()
{
    if (m_running)
        RunStop();
    SimulateStep();
}

void PathSimulator::stepWhileRunning()
{
    if (m_running)
        SimulateStep();
}

void PathSimulator::onUnload()
{
    // Exit, Escape and the window frame all unload: the stored walk goes back to its start.
    Reset();
    KillTimer(m_hwnd, stepTimer);
    m_plugIn.reset();
}

} // namespace Quiverstep
