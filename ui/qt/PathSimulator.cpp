#include "qt/PathSimulator.h"

#include "DitherWalkReset.h"
#include "qt/MessageBoxes.h"
#include "qt/PathCanvas.h"
#include "qt/SettingsDialog.h"
#include "SettingsValidation.h"
#include "qt/WindowLayout.h"

#include "DitherPlugIn.h"
#include "EventNumbers.h"
#include "Spiral.h"

#include <QPushButton>
#include <QTimer>

namespace Quiverstep {

PathSimulator::PathSimulator(PlugInEnvironment &environment, QWidget *parent)
    : QDialog(parent)
    , m_environment(environment)
{
    setObjectName("PathSimulator");
    setWindowTitle("Dither Simulator");
    MakeFixedDialog(this, 456, 292);

    exitButton = new QPushButton("Exit", this);
    Place(exitButton, "exitButton", 368, 12, 81, 25);
    pathCanvas = new PathCanvas(this);
    Place(pathCanvas, "pathCanvas", 12, 12, 341, 265);
    resetButton = new QPushButton("Reset", this);
    Place(resetButton, "resetButton", 364, 180, 81, 29);
    runButton = new QPushButton("Run", this);
    Place(runButton, "runButton", 364, 216, 81, 29);
    stepButton = new QPushButton("Step", this);
    Place(stepButton, "stepButton", 364, 252, 81, 29);
    for (QPushButton *button : {exitButton, resetButton, runButton, stepButton})
        button->setAutoDefault(false);

    stepTimer = new QTimer(this);
    stepTimer->setObjectName("stepTimer");
    stepTimer->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5% early

    setTabOrder(exitButton, pathCanvas);
    setTabOrder(pathCanvas, runButton);
    setTabOrder(runButton, stepButton);
    setTabOrder(stepButton, resetButton);

    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(resetButton, &QPushButton::clicked, this, &PathSimulator::Reset);
    connect(runButton, &QPushButton::clicked, this, &PathSimulator::RunStop);
    connect(stepButton, &QPushButton::clicked, this, &PathSimulator::stepOnce);
    connect(stepTimer, &QTimer::timeout, this, &PathSimulator::stepWhileRunning);

    m_plugIn = std::make_unique<DitherPlugIn>(m_environment);
    InitSimulation();
    runButton->setText("Stop");
    stepTimer->setInterval(StepMilliseconds);
    stepTimer->start();
    m_running = true;
}

PathSimulator::~PathSimulator()
{
    stepTimer->stop();
}

void PathSimulator::InitSimulation()
{
    if (!m_plugIn)
        return;
    pathCanvas->Clear();
    m_plugIn->Debugging = TestModes::GuideStart;
    m_plugIn->CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
}

void PathSimulator::SimulateStep()
{
    if (!m_plugIn)
        return;
    const std::int32_t colour = PathColourValue(m_environment.process.spiral);
    m_plugIn->Debugging = TestModes::Dither;
    m_plugIn->CameraEvent(Events::ExposureEnd, Events::ImagingCamera, "", 0, 0);
    pathCanvas->PaintPosition(m_plugIn->XOffset, m_plugIn->YOffset, colour);
    emit stepped();
}

void PathSimulator::Reset()
{
    stepTimer->stop();
    runButton->setText("Run");
    m_running = false;
    InitSimulation();
    bool reset = false;
    if (!Guarded(this, [&] {
            const QString stepSize = SettingsDialog::Instance(m_environment).stepSizeText();
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

void PathSimulator::RunStop()
{
    if (m_running) {
        stepTimer->stop();
        runButton->setText("Run");
        m_running = false;
    } else {
        runButton->setText("Stop");
        stepTimer->setInterval(StepMilliseconds);
        stepTimer->start();
        m_running = true;
    }
}

void PathSimulator::stepOnce()
{
    if (m_running)
        RunStop();
    SimulateStep();
}

void PathSimulator::stepWhileRunning()
{
    if (m_running)
        SimulateStep();
}

void PathSimulator::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    Reset();
    stepTimer->stop();
    m_plugIn.reset();
}

void PathSimulator::done(int result)
{
    // Exit, Escape and the window frame all unload: the stored walk goes back to its start.
    unload();
    QDialog::done(result);
}

} // namespace Quiverstep
