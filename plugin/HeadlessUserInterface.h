#pragma once

#include "UserInterface.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace Quiverstep {

// The user interface without windows: messages are kept (and handed to a printer when one is
// given), the settings dialog is only counted, and myDelay's timer is a plain deadline.
class HeadlessUserInterface : public UserInterface
{
public:
    using Printer = std::function<void(const std::string &)>;
    explicit HeadlessUserInterface(Printer printer = {});

    void ShowSettings() override;
    void StartDelayTimer(std::int32_t milliseconds, std::function<void()> tick) override;
    void ProcessEvents() override;
    void ShowTimedMessage(const std::string &text) override;

    const std::vector<std::string> &messages() const { return m_messages; }
    int settingsShown() const { return m_settingsShown; }
    int delayTicks() const { return m_ticks; }

private:
    Printer m_printer;
    std::vector<std::string> m_messages;
    int m_settingsShown = 0;
    int m_ticks = 0;
    std::function<void()> m_tick;
    std::chrono::steady_clock::time_point m_deadline;
};

} // namespace Quiverstep
