#include "Simulator.h"

#include "DitherWalkReset.h"
#include "MessageBoxes.h"
#include "PathCanvas.h"
#include "SettingsValidation.h"
#include "WindowLayout.h"
#include "frmSetupOptions.h"

#include "DitherPlugIn.h"
#include "EventNumbers.h"
#include "Spiral.h"

#include <QPushButton>
#include <QTimer>

namespace Quiverstep {

Simulator::Simulator(PlugInEnvironment &environment, QWidget *parent)
    : QDialog(parent)
    , m_environment(environment)
{
    setObjectName("Simulator");
    setWindowTitle("Dither Simulator");
    MakeFixedDialog(this, 456, 292);

    OKButton = new QPushButton("Exit", this);
    Place(OKButton, "OKButton", 368, 12, 81, 25);
    Picture1 = new PathCanvas(this);
    Place(Picture1, "Picture1", 12, 12, 341, 265);
    pbReset = new QPushButton("Reset", this);
    Place(pbReset, "pbReset", 364, 180, 81, 29);
    pbRun = new QPushButton("Run", this);
    Place(pbRun, "pbRun", 364, 216, 81, 29);
    pbStep = new QPushButton("Step", this);
    Place(pbStep, "pbStep", 364, 252, 81, 29);
    for (QPushButton *button : {OKButton, pbReset, pbRun, pbStep})
        button->setAutoDefault(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5% early

    setTabOrder(OKButton, Picture1);
    setTabOrder(Picture1, pbRun);
    setTabOrder(pbRun, pbStep);
    setTabOrder(pbStep, pbReset);

    connect(OKButton, &QPushButton::clicked, this, &QWidget::close);
    connect(pbReset, &QPushButton::clicked, this, &Simulator::Reset);
    connect(pbRun, &QPushButton::clicked, this, &Simulator::RunStop);
    connect(pbStep, &QPushButton::clicked, this, &Simulator::stepOnce);
    connect(Timer1, &QTimer::timeout, this, &Simulator::stepWhileRunning);

    m_oPlugIn = std::make_unique<DitherPlugIn>(m_environment);
    InitSimulation();
    pbRun->setText("Stop");
    Timer1->setInterval(StepMilliseconds);
    Timer1->start();
    m_bRunning = true;
}

Simulator::~Simulator()
{
    Timer1->stop();
}

void Simulator::InitSimulation()
{
    if (!m_oPlugIn)
        return;
    Picture1->Clear();
    m_oPlugIn->Debugging = TestModes::GuideStart;
    m_oPlugIn->CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
}

void Simulator::SimulateStep()
{
    if (!m_oPlugIn)
        return;
    const std::int32_t colour = PathColourValue(m_environment.process.spiral);
    m_oPlugIn->Debugging = TestModes::Dither;
    m_oPlugIn->CameraEvent(Events::ExposureEnd, Events::ImagingCamera, "", 0, 0);
    Picture1->PaintPosition(m_oPlugIn->XOffset, m_oPlugIn->YOffset, colour);
    emit stepped();
}

void Simulator::Reset()
{
    Timer1->stop();
    pbRun->setText("Run");
    m_bRunning = false;
    InitSimulation();
    bool reset = false;
    if (!Guarded(this, [&] {
            const QString stepSize = frmSetupOptions::Instance(m_environment).stepSizeText();
            reset = ResetDitherWalk(Settings(m_environment.store), stepSize.toStdString());
        }))
        return;
    if (!reset) {
        const std::string_view missing = ValidationMessages::PatternMissing;
        ShowMessage(this, QString::fromUtf8(missing.data(), qsizetype(missing.size())));
        return;
    }
    InitSimulation();
}

void Simulator::RunStop()
{
    if (m_bRunning) {
        Timer1->stop();
        pbRun->setText("Run");
        m_bRunning = false;
    } else {
        pbRun->setText("Stop");
        Timer1->setInterval(StepMilliseconds);
        Timer1->start();
        m_bRunning = true;
    }
}

void Simulator::stepOnce()
{
    if (m_bRunning)
        RunStop();
    SimulateStep();
}

void Simulator::stepWhileRunning()
{
    if (m_bRunning)
        SimulateStep();
}

void Simulator::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    Reset();
    Timer1->stop();
    m_oPlugIn.reset();
}

void Simulator::done(int result)
{
    // Exit, Escape and the window frame all unload: the stored walk goes back to its start.
    unload();
    QDialog::done(result);
}

} // namespace Quiverstep
