#include "qt/PathSimulator.h"

#include "qt/SettingsDialog.h"

#include <QTimer>

namespace Quiverstep {

using Presenter = PathSimulatorPresenter;

PathSimulator::PathSimulator(PlugInEnvironment &environment, QWidget *parent)
    : QDialog(parent)
    , QtWindowView(*this, Presenter::Description())
    , m_environment(environment)
    , m_stepTimer(new QTimer(this))
    , m_presenter(environment, *this)
{
    m_stepTimer->setObjectName("stepTimer");
    m_stepTimer->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5% early
    connect(m_stepTimer, &QTimer::timeout, this, [this] { m_presenter.Tick(); });
    m_controls.ForwardClicks([this](int id) { m_presenter.Clicked(id); });
    m_presenter.Load();
}

void PathSimulator::done(int result)
{
    m_presenter.Unload();
    QDialog::done(result);
}

void PathSimulator::StartStepTimer(int milliseconds)
{
    m_stepTimer->start(milliseconds);
}

void PathSimulator::StopStepTimer()
{
    m_stepTimer->stop();
}

void PathSimulator::PaintPosition(int canvas, double x, double y, std::int32_t pathColour)
{
    QtWindowView::PaintPosition(canvas, x, y, pathColour);
    emit stepped();
}

std::string PathSimulator::StepSizeText()
{
    return SettingsDialog::Instance(m_environment).stepSizeText();
}

void PathSimulator::Close()
{
    close();
}

} // namespace Quiverstep
