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

} // namespace Quiverstep
