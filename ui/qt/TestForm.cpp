#include "qt/TestForm.h"

#include "qt/PathCanvas.h"
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

void TestForm::ClearPath()
{
    m_controls.Get<PathCanvas>(TestFormPresenter::pathCanvas)->Clear();
}

void TestForm::PaintPosition(double x, double y, std::int32_t pathColour)
{
    m_controls.Get<PathCanvas>(TestFormPresenter::pathCanvas)->PaintPosition(x, y, pathColour);
}

} // namespace Quiverstep
