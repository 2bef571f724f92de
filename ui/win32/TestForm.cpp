#include "win32/TestForm.h"

#include "win32/SettingsDialog.h"

namespace Quiverstep {

TestForm::TestForm(PlugInEnvironment &environment)
    : Win32WindowView(TestFormPresenter::Description())
    , m_environment(environment)
    , m_presenter(environment, *this)
{}

void TestForm::makeCanvas(const ControlDescription &control, int left, int top, int width, int height)
{
    m_picture = std::make_unique<PathPicture>(m_hwnd, control.id, left, top, width, height);
}

void TestForm::onCommand(int id, int code, HWND)
{
    if (code == BN_CLICKED)
        m_presenter.Clicked(id);
}

void TestForm::OpenSettings()
{
    SettingsDialog::ShowModal(m_environment);
}

void TestForm::ClearPath()
{
    m_picture->Clear();
}

void TestForm::PaintPosition(double x, double y, std::int32_t pathColour)
{
    m_picture->PaintPosition(x, y, pathColour);
}

} // namespace Quiverstep
