#include "qt/QtUserInterface.h"

#include "qt/QtApplication.h"
#include "qt/SettingsDialog.h"
#include "qt/TimedMessage.h"

#include <QApplication>

#include <stdexcept>

namespace Quiverstep {

PlugInEnvironment &QtUserInterface::environment()
{
    if (!m_environment)
        throw std::logic_error("QtUserInterface used before Attach");
    return *m_environment;
}

void QtUserInterface::ShowSettings()
{
    EnsureQtApplication();
    SettingsDialog::ShowModal(environment());
}

void QtUserInterface::StartDelayTimer(std::int32_t milliseconds, std::function<void()> tick)
{
    EnsureQtApplication();
    SettingsDialog::Instance(environment()).StartDelayTimer(milliseconds, std::move(tick));
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
    message->m_messageText = QString::fromStdString(text);
    message->ShowOver(QApplication::activeModalWidget());
}

} // namespace Quiverstep
