#pragma once

#include "PlugInEnvironment.h"

#include <QDialog>

#include <memory>

class QPushButton;

namespace Quiverstep {

class DitherPlugIn;
class PathCanvas;

// A developer's window that plays the host: it opens the settings dialog, raises guide
// starts, guide errors and finished images on its own plug-in object, plots each new
// target, and generates two snake patterns.
class TestForm : public QDialog
{
    Q_OBJECT

public:
    explicit TestForm(PlugInEnvironment &environment, QWidget *parent = nullptr);
    ~TestForm() override;

private:
    void openSettings();
    void startGuiding();
    void correctGuideError();
    void completeDownload();
    void generatePatterns();

    PlugInEnvironment &m_environment;
    std::unique_ptr<DitherPlugIn> m_plugIn;

    QPushButton *setupButton;
    QPushButton *guideStartButton;
    QPushButton *guideErrorButton;
    QPushButton *downloadCompleteButton;
    PathCanvas *pathCanvas;
    QPushButton *generatePatternButton;
};

} // namespace Quiverstep
