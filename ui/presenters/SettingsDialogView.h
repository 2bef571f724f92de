#pragma once

#include "presenters/WindowView.h"

#include <string>
#include <vector>

namespace Quiverstep {

// What the pattern editor ended with: whether Save (or a confirmed Remove) closed it, and the
// pattern's name and body as it was saved.
struct PatternEdit
{
    bool saved = false;
    bool removed = false;
    std::string name;
    std::string body;
};

// The settings dialog's window.
class SettingsDialogView : public WindowView
{
public:
    // Shows the pattern editor modally on the pattern and returns when it has closed.
    virtual PatternEdit EditPattern(const std::string &name, const std::string &body, bool isNew) = 0;
    // Shows the simulator modally with the caption and returns when it has closed.
    virtual void OpenSimulator(const std::string &caption) = 0;
    // Closes the window: saved after OK, not after Cancel.
    virtual void Close(bool saved) = 0;
};

} // namespace Quiverstep
