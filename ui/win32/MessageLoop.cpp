#include "win32/MessageLoop.h"

#include "win32/Win32WindowView.h"

namespace Quiverstep::MessageLoop {

bool PumpOne()
{
    MSG message{};
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        // Leave the quit request for the host's own loop.
        PostQuitMessage(int(message.wParam));
        return false;
    }
    const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && Win32WindowView::IsOurs(root) && IsDialogMessageW(root, &message))
        return true;
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
}

} // namespace Quiverstep::MessageLoop
