#pragma once

#include "win32/PathPicture.h"
#include "win32/Win32WindowView.h"

#include "presenters/PathSimulatorPresenter.h"
#include "presenters/PathSimulatorView.h"

#include <memory>

namespace Quiverstep {

// The simulator in Win32. It starts running when it loads.
class PathSimulator : public Win32WindowView<PathSimulatorView>
{
public:
    explicit PathSimulator(PlugInEnvironment &environment);
    ~PathSimulator() override;

protected:
    void makeCanvas(
            const ControlDescription &control, int left, int top, int width, int height) override;
    void onLoad() override;
    void onCommand(int id, int code, HWND control) override;
    void onTimer(UINT_PTR timer) override;
    void onUnload() override;

private:
    void StartStepTimer(int milliseconds) override;
    void StopStepTimer() override;
    void ClearPath() override;
    void PaintPosition(double x, double y, std::int32_t pathColour) override;
    std::string StepSizeText() override;
    void Close() override;

    PlugInEnvironment &m_environment;
    PathSimulatorPresenter m_presenter;
    std::unique_ptr<PathPicture> m_picture;
};

} // namespace Quiverstep
