#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <string_view>

namespace Quiverstep {

// The title of every message box: the program's.
inline constexpr wchar_t MessageTitle[] = L"Quiverstep";

// A modal box with the text and an OK button.
void ShowMessage(HWND owner, std::string_view text);

// A modal Yes/No question; true for Yes. No is the default, so that a stray Enter
// deletes nothing.
bool AskYesNo(HWND owner, std::string_view text);

// Runs an action of a window that reaches the store. A failure of the store is shown and
// the window stays open, instead of escaping the window's message handler. Returns whether
// the action completed.
template<typename Action>
bool Guarded(HWND owner, Action &&action)
{
    try {
        action();
        return true;
    } catch (const std::exception &error) {
        ShowMessage(owner, error.what());
        return false;
    }
}

// A window's view whose message boxes and questions open over the window, once it exists.
template<typename View>
class MessageBoxView : public View
{
protected:
    explicit MessageBoxView(const HWND &window)
        : m_window(window)
    {}

    void ShowMessage(const std::string &text) override { Quiverstep::ShowMessage(m_window, text); }
    bool AskYesNo(const std::string &text) override { return Quiverstep::AskYesNo(m_window, text); }

private:
    const HWND &m_window;
};

} // namespace Quiverstep
