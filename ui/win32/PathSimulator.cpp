#include "win32/PathSimulator.h"

#include "win32/SettingsDialog.h"

namespace Quiverstep {

namespace {
constexpr UINT_PTR stepTimer = 1;
} // namespace

PathSimulator::PathSimulator(PlugInEnvironment &environment)
    : Win32WindowView(PathSimulatorPresenter::Description())
    , m_environment(environment)
    , m_presenter(environment, *this)
{}

void PathSimulator::onLoad()
{
    m_presenter.Load();
}

void PathSimulator::onCommand(int id, int code, HWND)
{
    if (code == BN_CLICKED)
        m_presenter.Clicked(id);
}

void PathSimulator::onTimer(UINT_PTR timer)
{
    if (timer == stepTimer)
        m_presenter.Tick();
}

void PathSimulator::onUnload()
{
    m_presenter.Unload();
}

void PathSimulator::StartStepTimer(int milliseconds)
{
    SetTimer(m_hwnd, stepTimer, UINT(milliseconds), nullptr);
}

void PathSimulator::StopStepTimer()
{
    KillTimer(m_hwnd, stepTimer);
}

std::string PathSimulator::StepSizeText()
{
    return SettingsDialog::Instance(m_environment).stepSizeText();
}

void PathSimulator::Close()
{
    DialogWindow::Close();
}

} // namespace Quiverstep
