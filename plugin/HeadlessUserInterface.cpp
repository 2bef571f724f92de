#include "HeadlessUserInterface.h"

#include "moduleEvent.h"

#include <algorithm>
#include <thread>

namespace Quiverstep {

HeadlessUserInterface::HeadlessUserInterface(Printer printer)
    : m_printer(std::move(printer))
{}

void HeadlessUserInterface::ShowSettings()
{
    ++m_settingsShown;
}

void HeadlessUserInterface::StartDelayTimer(std::int32_t milliseconds)
{
    m_timerEnabled = true;
    m_deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
}

void HeadlessUserInterface::ProcessEvents()
{
    if (!m_timerEnabled)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (now < m_deadline) {
        std::this_thread::sleep_for(
                std::min<std::chrono::steady_clock::duration>(m_deadline - now,
                                                              std::chrono::milliseconds(10)));
        return;
    }
    m_timerEnabled = false;
    ++m_ticks;
    moduleEvent::DelayTick();
}

void HeadlessUserInterface::ShowTimedMessage(const std::string &text)
{
    m_messages.push_back(text);
    if (m_printer)
        m_printer(text);
}

} // namespace Quiverstep
