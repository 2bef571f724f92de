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
    // Fills the dither type list, none selected. Neither this nor SelectDitherType raises
    // the list's selection event.
    virtual void ShowDitherTypes(const std::vector<std::string> &entries) = 0;
    virtual void SelectDitherType(int index) = 0;
    virtual int SelectedDitherType() const = 0; // -1: none
    virtual std::string Text(int control) const = 0;
    virtual void SetText(int control, const std::string &text) = 0;
    // A check box's state: 0 unchecked, 1 checked, 2 grayed.
    virtual int CheckState(int control) const = 0;
    virtual void SetCheckState(int control, int state) = 0;
    // Shows the pattern editor modally on the pattern and returns when it has closed.
    virtual PatternEdit EditPattern(const std::string &name, const std::string &body, bool isNew) = 0;
    // Shows the simulator modally with the caption and returns when it has closed.
    virtual void OpenSimulator(const std::string &caption) = 0;
    // Closes the window: saved after OK, not after Cancel.
    virtual void Close(bool saved) = 0;
};

} // namespace Quiverstep
