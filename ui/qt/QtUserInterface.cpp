#include "qt/QtUserInterface.h"

#include "qt/QtApplication.h"
#include "qt/SettingsDialog.h"
#include "qt/TimedMessage.h"

#include <QApplication>
#include <QTimer>

namespace Quiverstep {

namespace {

// Counts myDelay's waits: a wait started again ends only with its own tick.
int s_delayGeneration = 0;

} // namespace

void QtUserInterface::ShowSettings()
{
    EnsureQtApplication();
    SettingsDialog::ShowModal(environment());
}

void QtUserInterface::StartDelayTimer(std::int32_t milliseconds, std::function<void()> tick)
{
    EnsureQtApplication();
    // The settings dialog loads (hidden) as for its first use. The wait runs on a timer of
    // its own, which the dialog's closing does not stop.
    SettingsDialog::Instance(environment());
    const int generation = ++s_delayGeneration;
    QTimer::singleShot(milliseconds,
                       Qt::PreciseTimer, // a coarse timer may fire 5% early
                       QCoreApplication::instance(),
                       [generation, tick = std::move(tick)] {
                           if (generation == s_delayGeneration)
                               tick();
                       });
}

void QtUserInterface::ProcessEvents()
{
    // Waits for the next event rather than spinning; the timer's tick is one.
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void QtUserInterface::ShowTimedMessage(const std::string &text)
{
    EnsureQtApplication();
    // A modal window blocks every window but its own: the message opens as the own window of
    // the one that is open (the simulator, the test form, the settings dialog).
    auto *message = new TimedMessage;
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->SetMessage(QString::fromStdString(text));
    message->ShowOver(QApplication::activeModalWidget());
}

} // namespace Quiverstep
