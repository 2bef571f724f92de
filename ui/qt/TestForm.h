#pragma once

#include "presenters/TestFormPresenter.h"
#include "presenters/TestFormView.h"
#include "qt/DescribedControls.h"
#include "qt/MessageBoxes.h"

#include <QDialog>

namespace Quiverstep {

// The test form in Qt.
class TestForm : public QDialog, private MessageBoxView<TestFormView>
{
    Q_OBJECT

public:
    explicit TestForm(PlugInEnvironment &environment, QWidget *parent = nullptr);

private:
    void OpenSettings() override;
    void ClearPath() override;
    void PaintPosition(double x, double y, std::int32_t pathColour) override;

    PlugInEnvironment &m_environment;
    DescribedControls m_controls;
    TestFormPresenter m_presenter;
};

} // namespace Quiverstep
