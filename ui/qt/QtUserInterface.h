#pragma once

#include "presenters/WindowsUserInterface.h"

namespace Quiverstep {

// The plug-in's user interface in Qt windows.
class QtUserInterface : public WindowsUserInterface
{
public:
    void ShowSettings() override;
    void StartDelayTimer(std::int32_t milliseconds, std::function<void()> tick) override;
    void ProcessEvents() override;
    void ShowTimedMessage(const std::string &text) override;
};

} // namespace Quiverstep
