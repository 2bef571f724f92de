#pragma once

#include "presenters/TestFormPresenter.h"
#include "presenters/TestFormView.h"
#include "qt/DescribedControls.h"

#include <QDialog>

namespace Quiverstep {

// The test form in Qt.
class TestForm : public QDialog, private TestFormView
{
    Q_OBJECT

public:
    explicit TestForm(PlugInEnvironment &environment, QWidget *parent = nullptr);

private:
    void ShowMessage(const std::string &text) override;
    bool AskYesNo(const std::string &text) override;
    void OpenSettings() override;
    void ClearPath() override;
    void PaintPosition(double x, double y, std::int32_t pathColour) override;

    PlugInEnvironment &m_environment;
    DescribedControls m_controls;
    TestFormPresenter m_presenter;
};

} // namespace Quiverstep
