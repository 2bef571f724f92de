#pragma once

#include <string_view>
#include <vector>

namespace Quiverstep {

enum class ControlKind { Button, CheckBox, RadioButton, TextBox, Label, Frame, DropDownList, ListBox, Canvas };

// The ids that make a control the dialog's own OK and Cancel: Enter and Escape reach them.
inline constexpr int OkControl = 1;
inline constexpr int CancelControl = 2;

// One control of a window, as both toolkits make it. Positions are pixels at 96 dpi.
struct ControlDescription
{
    int id;
    const char *name;
    ControlKind kind;
    const char *text;
    int left;
    int top;
    int width;
    int height;
    // The frame the position is relative to (its id); 0 for the window itself.
    int frame = 0;
    // The first radio button of a group.
    bool groupStart = false;

    bool TakesFocus() const { return kind != ControlKind::Label && kind != ControlKind::Frame; }
};

enum class WindowPlacement { CentreScreen, CentreOwner, SystemDefault };

// A window's caption, client size and controls. The controls that take the focus come in Tab
// order; a frame comes before the controls placed in it.
struct WindowDescription
{
    const char *name;
    const char *caption;
    int width;
    int height;
    WindowPlacement placement;
    std::vector<ControlDescription> controls;
    int defaultButton = 0; // 0: none
    int cancelButton = 0;  // 0: none

    const ControlDescription &Control(int id) const;
    // The control's left and top in the window's client area.
    int Left(const ControlDescription &control) const;
    int Top(const ControlDescription &control) const;
};

} // namespace Quiverstep
