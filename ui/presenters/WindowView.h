#pragma once

#include <exception>
#include <string>

namespace Quiverstep {

// What every presenter asks of its window, whatever the toolkit.
class WindowView
{
public:
    virtual ~WindowView() = default;

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
