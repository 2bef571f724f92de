#pragma once

#include "presenters/WindowPresenter.h"

#include "PlugInEnvironment.h"

#include <cstdint>
#include <memory>

namespace Quiverstep {

class DitherPlugIn;

// A developer's window that plays the host: it opens the settings dialog, raises guide
// starts, guide errors and finished images on its own plug-in object through its test modes,
// plots each new target, and generates two snake patterns.
class TestFormPresenter : public WindowPresenter
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

    explicit TestFormPresenter(PlugInEnvironment &environment);
    ~TestFormPresenter() override;

private:
    void openSettings();
    // A guide start or a correction, by the test mode.
    void raiseGuideFrame(std::int16_t testMode);
    void completeDownload();
    void generatePatterns();

    PlugInEnvironment &m_environment;
    std::unique_ptr<DitherPlugIn> m_plugIn;
};

} // namespace Quiverstep
