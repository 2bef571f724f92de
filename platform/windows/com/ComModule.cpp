#include "ComModule.h"

#include "win32/Win32WindowView.h"

namespace Quiverstep::ComModule {

namespace {
HINSTANCE s_instance = nullptr;
LONG s_objects = 0;
LONG s_locks = 0;
} // namespace

HINSTANCE Instance()
{
    return s_instance;
}

void SetInstance(HINSTANCE instance)
{
    s_instance = instance;
}

std::wstring Path()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(s_instance, path.data(), DWORD(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void AddObject()
{
    InterlockedIncrement(&s_objects);
}

void ReleaseObject()
{
    InterlockedDecrement(&s_objects);
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
    return s_objects == 0 && s_locks == 0 && Win32WindowView::OpenCount() == 0;
}

} // namespace Quiverstep::ComModule
