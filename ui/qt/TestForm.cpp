#include "qt/TestForm.h"

#include "qt/SettingsDialog.h"

namespace Quiverstep {

TestForm::TestForm(PlugInEnvironment &environment, QWidget *parent)
    : QDialog(parent)
    , QtWindowView(*this, TestFormPresenter::Description())
    , m_environment(environment)
    , m_presenter(environment, *this)
{
    m_controls.ForwardClicks([this](int id) { m_presenter.Clicked(id); });
}

void TestForm::OpenSettings()
{
    SettingsDialog::ShowModal(m_environment);
}

} // namespace Quiverstep
