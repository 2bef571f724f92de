#include "win32/Win32UserInterface.h"

#include "win32/MessageLoop.h"
#include "win32/SettingsDialog.h"
#include "win32/TimedMessage.h"

#include <windows.h>

#include <utility>

namespace Quiverstep {

namespace {

// myDelay's wait: the thread timer that ends it, and its tick. A wait started again ends
// only with its own tick.
UINT_PTR s_delayTimer = 0;
std::function<void()> s_delayTick;

void CALLBACK delayTick(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (timer != s_delayTimer)
        return;
    s_delayTimer = 0;
    if (s_delayTick)
        std::exchange(s_delayTick, nullptr)();
}

} // namespace

void Win32UserInterface::ShowSettings()
{
    SettingsDialog::ShowModal(environment());
}

void Win32UserInterface::StartDelayTimer(std::int32_t milliseconds, std::function<void()> tick)
{
    // The settings dialog loads (hidden) as for its first use. The wait runs on a thread
    // timer of its own, which the dialog's closing does not stop.
    SettingsDialog::Instance(environment());
    if (s_delayTimer)
        KillTimer(nullptr, s_delayTimer);
    s_delayTick = std::move(tick);
    s_delayTimer = SetTimer(nullptr, 0, UINT(milliseconds > 0 ? milliseconds : 0), &delayTick);
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
