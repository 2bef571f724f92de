#pragma once

#include "win32/PathPicture.h"
#include "win32/Win32WindowView.h"

#include "presenters/TestFormPresenter.h"
#include "presenters/TestFormView.h"

#include <memory>

namespace Quiverstep {

// The test form in Win32.
class TestForm : public Win32WindowView<TestFormView>
{
public:
    explicit TestForm(PlugInEnvironment &environment);

    PathPicture *picture() const { return m_picture.get(); }

protected:
    void makeCanvas(const ControlDescription &control, int left, int top, int width, int height) override;
    void onCommand(int id, int code, HWND control) override;

private:
    void OpenSettings() override;
    void ClearPath() override;
    void PaintPosition(double x, double y, std::int32_t pathColour) override;

    PlugInEnvironment &m_environment;
    TestFormPresenter m_presenter;
    std::unique_ptr<PathPicture> m_picture;
};

} // namespace Quiverstep
