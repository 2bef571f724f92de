#include "win32/TestForm.h"

#include "win32/SettingsDialog.h"

namespace Quiverstep {

TestForm::TestForm(PlugInEnvironment &environment)
    : Win32WindowView(TestFormPresenter::Description())
    , m_environment(environment)
    , m_presenter(environment, *this)
{}

void TestForm::onCommand(int id, int code, HWND)
{
    if (code == BN_CLICKED)
        m_presenter.Clicked(id);
}

void TestForm::OpenSettings()
{
    SettingsDialog::ShowModal(m_environment);
}

} // namespace Quiverstep
