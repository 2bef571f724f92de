#include "win32/Win32UserInterface.h"

#include "win32/MessageLoop.h"
#include "win32/SettingsDialog.h"
#include "win32/TimedMessage.h"

#include <stdexcept>

namespace Quiverstep {

PlugInEnvironment &Win32UserInterface::environment()
{
    if (!m_environment)
        throw std::logic_error("Win32UserInterface used before Attach");
    return *m_environment;
}

void Win32UserInterface::ShowSettings()
{
    SettingsDialog::ShowModal(environment());
}

void Win32UserInterface::StartDelayTimer(std::int32_t milliseconds, std::function<void()> tick)
{
    SettingsDialog::Instance(environment()).StartDelayTimer(milliseconds, std::move(tick));
}

void Win32UserInterface::ProcessEvents()
{
    // Waits for the next message rather than spinning; the timer's tick is one. A quit
    // request ends the wait: nothing would tick any more.
    if (!MessageLoop::PumpOne())
        environment().process.delayWaiting = false;
}

void Win32UserInterface::ShowTimedMessage(const std::string &text)
{
    TimedMessage::Open(text);
}

} // namespace Quiverstep
