#pragma once

#include "PlugInEnvironment.h"

#include <QDialog>

#include <memory>

class QPushButton;
class QTimer;

namespace Quiverstep {

class DitherPlugIn;
class PathCanvas;

// Draws, cell by cell, the path the stored dither settings follow. It has no stepping of
// its own: it drives its own plug-in object in the test modes, so every simulated step is
// a real dither update on the stored running state.
class PathSimulator : public QDialog
{
    Q_OBJECT

public:
    static constexpr int StepMilliseconds = 80;

    // Loads: the simulation starts running at once.
    explicit PathSimulator(PlugInEnvironment &environment, QWidget *parent = nullptr);
    ~PathSimulator() override;

    bool running() const { return m_running; }

public slots:
    void done(int result) override;

signals:
    // After each simulated step has been painted.
    void stepped();

private:
    void InitSimulation();
    void SimulateStep();
    void Reset();
    void RunStop();
    void stepOnce();
    void stepWhileRunning();
    void unload();

    PlugInEnvironment &m_environment;
    bool m_running = false;
    std::unique_ptr<DitherPlugIn> m_plugIn;
    bool m_unloaded = false;

    PathCanvas *pathCanvas;
    QPushButton *exitButton;
    QPushButton *resetButton;
    QPushButton *runButton;
    QPushButton *stepButton;
    QTimer *stepTimer;
};

} // namespace Quiverstep
