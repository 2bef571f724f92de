#pragma once

#include <windows.h>

#include <string>

namespace Quiverstep::ComModule {

// The DLL's own handle, set when it is loaded.
HINSTANCE Instance();
void SetInstance(HINSTANCE instance);
// The DLL's full path.
std::wstring Path();

// Live objects and class factory locks: the DLL stays loaded while any exist, and while any
// of its windows is open.
void AddObject();
void ReleaseObject();
void Lock(bool lock);
bool CanUnload();

} // namespace Quiverstep::ComModule
