#include "TestForm.h"

#include "GeneratedPatterns.h"
#include "MessageBoxes.h"
#include "PathCanvas.h"
#include "WindowLayout.h"
#include "frmSetupOptions.h"

#include "DitherPlugIn.h"
#include "EventNumbers.h"
#include "Spiral.h"

#include <QPushButton>

namespace Quiverstep {

TestForm::TestForm(PlugInEnvironment &environment, QWidget *parent)
    : QDialog(parent)
    , m_environment(environment)
    , m_oPlugIn(std::make_unique<DitherPlugIn>(environment))
{
    setObjectName("TestForm");
    setWindowTitle("Test");
    MakeFixedDialog(this, 604, 468);

    Command1 = new QPushButton("Setup", this);
    Place(Command1, "Command1", 68, 32, 137, 57);
    Command2 = new QPushButton("Guide Start", this);
    Place(Command2, "Command2", 68, 120, 137, 57);
    Command3 = new QPushButton("Guide Error", this);
    Place(Command3, "Command3", 68, 200, 137, 57);
    Command4 = new QPushButton("Download Complete", this);
    Place(Command4, "Command4", 68, 284, 137, 53);
    Picture1 = new PathCanvas(this);
    Place(Picture1, "Picture1", 252, 32, 317, 313);
    CustomPattern = new QPushButton("Generate Pattern", this);
    Place(CustomPattern, "CustomPattern", 224, 392, 101, 65);
    for (QPushButton *button : {Command1, Command2, Command3, Command4, CustomPattern})
        button->setAutoDefault(false);

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Picture1);
    setTabOrder(Picture1, CustomPattern);

    connect(Command1, &QPushButton::clicked, this, &TestForm::openSettings);
    connect(Command2, &QPushButton::clicked, this, &TestForm::startGuiding);
    connect(Command3, &QPushButton::clicked, this, &TestForm::correctGuideError);
    connect(Command4, &QPushButton::clicked, this, &TestForm::completeDownload);
    connect(CustomPattern, &QPushButton::clicked, this, &TestForm::generatePatterns);
}

TestForm::~TestForm() = default;

void TestForm::openSettings()
{
    Guarded(this, [&] { frmSetupOptions::ShowModal(m_environment); });
    Picture1->Clear();
}

void TestForm::startGuiding()
{
    m_oPlugIn->Debugging = TestModes::GuideStart;
    m_oPlugIn->CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
}

void TestForm::correctGuideError()
{
    m_oPlugIn->Debugging = TestModes::Correction;
    m_oPlugIn->CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
}

void TestForm::completeDownload()
{
    const std::int32_t colour = PathColourValue(m_environment.process.spiral);
    m_oPlugIn->Debugging = TestModes::Dither;
    m_oPlugIn->CameraEvent(Events::ExposureEnd, Events::ImagingCamera, "", 0, 0);
    Picture1->PaintPosition(m_oPlugIn->XOffset, m_oPlugIn->YOffset, colour);
}

void TestForm::generatePatterns()
{
    Guarded(this, [&] { GeneratePatterns(Settings(m_environment.store)); });
}

} // namespace Quiverstep
