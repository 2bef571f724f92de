#include "HeadlessUserInterface.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace Quiverstep {

HeadlessUserInterface::HeadlessUserInterface(Printer printer)
    : m_printer(std::move(printer))
{}

void HeadlessUserInterface::ShowSettings()
{
    ++m_settingsShown;
}

void HeadlessUserInterface::StartDelayTimer(std::int32_t milliseconds, std::function<void()> tick)
{
    m_tick = std::move(tick);
    m_deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
}

void HeadlessUserInterface::ProcessEvents()
{
    if (!m_tick)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (now < m_deadline) {
        std::this_thread::sleep_for(
                std::min<std::chrono::steady_clock::duration>(m_deadline - now,
                                                              std::chrono::milliseconds(10)));
        return;
    }
    ++m_ticks;
    std::exchange(m_tick, nullptr)();
}

void HeadlessUserInterface::ShowTimedMessage(const std::string &text)
{
    m_messages.push_back(text);
    if (m_printer)
        m_printer(text);
}

} // namespace Quiverstep
