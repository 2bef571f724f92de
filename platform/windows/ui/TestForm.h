#pragma once

#include "DialogWindow.h"
#include "PathPicture.h"

#include "PlugInEnvironment.h"

#include <memory>

namespace Quiverstep {

class DitherPlugIn;

// A developer's window that plays the host: guide start, guide error and image download
// through its own plug-in object's test modes, with each new target plotted on the grid.
class TestForm : public DialogWindow
{
public:
    enum Control : int {
        setupButton = 1401,
        guideStartButton,
        guideErrorButton,
        downloadCompleteButton,
        pathCanvas,
        generatePatternButton,
    };

    explicit TestForm(PlugInEnvironment &environment);
    ~TestForm() override;

    PathPicture *picture() const { return m_picture.get(); }

protected:
    void build() override;
    void onCommand(int id, int code, HWND control) override;

private:
    void openSettings();
    void startGuiding();
    void correctGuideError();
    void completeDownload();
    void generatePatterns();

    PlugInEnvironment &m_environment;
    std::unique_ptr<DitherPlugIn> m_plugIn;
    std::unique_ptr<PathPicture> m_picture;
};

} // namespace Quiverstep
