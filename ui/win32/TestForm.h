#pragma once

#include "win32/Win32WindowView.h"

#include "presenters/TestFormPresenter.h"
#include "presenters/TestFormView.h"

namespace Quiverstep {

// The test form in Win32.
class TestForm : public Win32WindowView<TestFormView>
{
public:
    explicit TestForm(PlugInEnvironment &environment);

protected:
    void onCommand(int id, int code, HWND control) override;

private:
    void OpenSettings() override;

    PlugInEnvironment &m_environment;
    TestFormPresenter m_presenter;
};

} // namespace Quiverstep
