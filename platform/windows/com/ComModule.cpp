#include "ComModule.h"

#include "win32/Win32WindowView.h"

namespace Quiverstep::ComModule {

namespace {
LONG s_locks = 0;
} // namespace

std::wstring Path()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(ModuleInstance(), path.data(), DWORD(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void Lock(bool lock)
{
    if (lock)
        InterlockedIncrement(&s_locks);
    else
        InterlockedDecrement(&s_locks);
}

bool CanUnload()
{
    return s_locks == 0 && Win32WindowView::OpenCount() == 0;
}

} // namespace Quiverstep::ComModule
