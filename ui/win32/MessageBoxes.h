#pragma once

#include <windows.h>

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

} // namespace Quiverstep
