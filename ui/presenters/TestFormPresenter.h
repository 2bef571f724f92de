#pragma once

#include "presenters/WindowDescription.h"

#include "PlugInEnvironment.h"

#include <memory>

namespace Quiverstep {

class DitherPlugIn;
class TestFormView;

// A developer's window that plays the host: it opens the settings dialog, raises guide
// starts, guide errors and finished images on its own plug-in object through its test modes,
// plots each new target, and generates two snake patterns.
class TestFormPresenter
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
    static const WindowDescription &Description();

    TestFormPresenter(PlugInEnvironment &environment, TestFormView &view);
    ~TestFormPresenter();

    void Clicked(int control);

private:
    void openSettings();
    void startGuiding();
    void correctGuideError();
    void completeDownload();
    void generatePatterns();

    PlugInEnvironment &m_environment;
    TestFormView &m_view;
    std::unique_ptr<DitherPlugIn> m_plugIn;
};

} // namespace Quiverstep
