#include "win32/MessageBoxes.h"

#include "WideText.h"

namespace Quiverstep {

void ShowMessage(HWND owner, std::string_view text)
{
    MessageBoxW(owner, Widen(text).c_str(), MessageTitle, MB_OK);
}

bool AskYesNo(HWND owner, std::string_view text)
{
    return MessageBoxW(owner, Widen(text).c_str(), MessageTitle, MB_YESNO | MB_DEFBUTTON2) == IDYES;
}

} // namespace Quiverstep
