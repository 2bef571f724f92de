#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace Quiverstep {

class WindowPresenter;

// What every presenter asks of its window, whatever the toolkit. Controls are named by their
// ids in the window's description.
class WindowView
{
public:
    virtual ~WindowView() = default;

    virtual std::string Text(int control) const = 0;
    virtual void SetText(int control, const std::string &text) = 0;
    // A check box's or radio button's state: 0 unchecked, 1 checked, 2 grayed. Checking a
    // radio button turns the others of its group off.
    virtual int CheckState(int control) const = 0;
    virtual void SetCheckState(int control, int state) = 0;

    // Drop-down lists and list boxes. None of these raises the list's selection event.
    virtual std::vector<std::string> Entries(int control) const = 0;
    // Fills the list, none selected.
    virtual void SetEntries(int control, const std::vector<std::string> &entries) = 0;
    virtual void InsertEntry(int control, int index, const std::string &text) = 0;
    virtual void RemoveEntry(int control, int index) = 0;
    virtual int Selected(int control) const = 0; // -1: none
    virtual void Select(int control, int index) = 0;

    // A path canvas: cleared, or the cell of guide-box position (x, y) painted in the path
    // colour.
    virtual void ClearPath(int canvas) = 0;
    virtual void PaintPosition(int canvas, double x, double y, std::int32_t pathColour) = 0;

    virtual void SetCaption(const std::string &caption) = 0;
    // A timer of the window by the presenter's id: it ticks every interval until stopped, each
    // tick to the presenter's Tick.
    virtual void StartTimer(int timer, int milliseconds) = 0;
    virtual void StopTimer(int timer) = 0;
    // Opens the presenter's window modally over this one and returns when it has closed.
    virtual void OpenModal(WindowPresenter &presenter) = 0;
    // Closes the window, accepted when it leaves with a result; the presenter unloads.
    virtual void Close(bool accepted) = 0;

    // A modal box with the text and an OK button.
    virtual void ShowMessage(const std::string &text) = 0;
    // A modal Yes/No question, No the default; true for Yes.
    virtual bool AskYesNo(const std::string &text) = 0;
};

// Runs an action of a window that reaches the store. A failure of the store (a locked or
// damaged database) is shown and the window stays open, instead of escaping the toolkit's
// event handler. Returns whether the action completed.
template<typename Action>
bool Guarded(WindowView &view, Action &&action)
{
    try {
        action();
        return true;
    } catch (const std::exception &error) {
        view.ShowMessage(error.what());
        return false;
    }
}

} // namespace Quiverstep
