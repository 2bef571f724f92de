#pragma once

#include "presenters/TestFormPresenter.h"
#include "presenters/TestFormView.h"
#include "qt/QtWindowView.h"

#include <QDialog>

namespace Quiverstep {

// The test form in Qt.
class TestForm : public QDialog, private QtWindowView<TestFormView>
{
    Q_OBJECT

public:
    explicit TestForm(PlugInEnvironment &environment, QWidget *parent = nullptr);

private:
    void OpenSettings() override;

    PlugInEnvironment &m_environment;
    TestFormPresenter m_presenter;
};

} // namespace Quiverstep
