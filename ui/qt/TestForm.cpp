#include "TestForm.h"

#include "GeneratedPatterns.h"
#include "MessageBoxes.h"
#include "PathCanvas.h"
#include "SettingsDialog.h"
#include "WindowLayout.h"

#include "DitherPlugIn.h"
#include "EventNumbers.h"
#include "Spiral.h"

#include <QPushButton>

namespace Quiverstep {

TestForm::TestForm(PlugInEnvironment &environment, QWidget *parent)
    : QDialog(parent)
    , m_environment(environment)
    , m_plugIn(std::make_unique<DitherPlugIn>(environment))
{
    setObjectName("TestForm");
    setWindowTitle("Test");
    MakeFixedDialog(this, 604, 468);

    setupButton = new QPushButton("Setup", this);
    Place(setupButton, "setupButton", 68, 32, 137, 57);
    guideStartButton = new QPushButton("Guide Start", this);
    Place(guideStartButton, "guideStartButton", 68, 120, 137, 57);
    guideErrorButton = new QPushButton("Guide Error", this);
    Place(guideErrorButton, "guideErrorButton", 68, 200, 137, 57);
    downloadCompleteButton = new QPushButton("Download Complete", this);
    Place(downloadCompleteButton, "downloadCompleteButton", 68, 284, 137, 53);
    pathCanvas = new PathCanvas(this);
    Place(pathCanvas, "pathCanvas", 252, 32, 317, 313);
    generatePatternButton = new QPushButton("Generate Pattern", this);
    Place(generatePatternButton, "generatePatternButton", 224, 392, 101, 65);
    for (QPushButton *button : {setupButton,
                                guideStartButton,
                                guideErrorButton,
                                downloadCompleteButton,
                                generatePatternButton})
        button->setAutoDefault(false);

    setTabOrder(setupButton, guideStartButton);
    setTabOrder(guideStartButton, guideErrorButton);
    setTabOrder(guideErrorButton, downloadCompleteButton);
    setTabOrder(downloadCompleteButton, pathCanvas);
    setTabOrder(pathCanvas, generatePatternButton);

    connect(setupButton, &QPushButton::clicked, this, &TestForm::openSettings);
    connect(guideStartButton, &QPushButton::clicked, this, &TestForm::startGuiding);
    connect(guideErrorButton, &QPushButton::clicked, this, &TestForm::correctGuideError);
    connect(downloadCompleteButton, &QPushButton::clicked, this, &TestForm::completeDownload);
    connect(generatePatternButton, &QPushButton::clicked, this, &TestForm::generatePatterns);
}

TestForm::~TestForm() = default;

void TestForm::openSettings()
{
    Guarded(this, [&] { SettingsDialog::ShowModal(m_environment); });
    pathCanvas->Clear();
}

void TestForm::startGuiding()
{
    m_plugIn->Debugging = TestModes::GuideStart;
    m_plugIn->CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
}

void TestForm::correctGuideError()
{
    m_plugIn->Debugging = TestModes::Correction;
    m_plugIn->CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
}

void TestForm::completeDownload()
{
    const std::int32_t colour = PathColourValue(m_environment.process.spiral);
    m_plugIn->Debugging = TestModes::Dither;
    m_plugIn->CameraEvent(Events::ExposureEnd, Events::ImagingCamera, "", 0, 0);
    pathCanvas->PaintPosition(m_plugIn->XOffset, m_plugIn->YOffset, colour);
}

void TestForm::generatePatterns()
{
    Guarded(this, [&] { GeneratePatterns(Settings(m_environment.store)); });
}

} // namespace Quiverstep
