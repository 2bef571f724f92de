#pragma once

#include "presenters/PathSimulatorPresenter.h"
#include "presenters/PathSimulatorView.h"
#include "qt/QtWindowView.h"

#include <QDialog>

class QTimer;

namespace Quiverstep {

// The simulator in Qt. It starts running when made.
class PathSimulator : public QDialog, private QtWindowView<PathSimulatorView>
{
    Q_OBJECT

public:
    explicit PathSimulator(PlugInEnvironment &environment, QWidget *parent = nullptr);

public slots:
    void done(int result) override;

signals:
    // After each simulated step has been painted.
    void stepped();

private:
    void StartStepTimer(int milliseconds) override;
    void StopStepTimer() override;
    void PaintPosition(int canvas, double x, double y, std::int32_t pathColour) override;
    std::string StepSizeText() override;
    void Close() override;

    PlugInEnvironment &m_environment;
    QTimer *m_stepTimer;
    PathSimulatorPresenter m_presenter;
};

} // namespace Quiverstep
