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

PathSimulator::~PathSimulator() = default;

void PathSimulator::makeCanvas(
        const ControlDescription &control, int left, int top, int width, int height)
{
    m_picture = std::make_unique<PathPicture>(m_hwnd, control.id, left, top, width, height);
}

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

void PathSimulator::ClearPath()
{
    m_picture->Clear();
}

void PathSimulator::PaintPosition(double x, double y, std::int32_t pathColour)
{
    m_picture->PaintPosition(x, y, pathColour);
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
