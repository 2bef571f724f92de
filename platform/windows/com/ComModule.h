#pragma once

#include <windows.h>

#include <string>

namespace Quiverstep::ComModule {

// The DLL's full path.
std::wstring Path();

// Live objects and class factory locks: the DLL stays loaded while any exist, and while any
// of its windows is open.
void Lock(bool lock);
bool CanUnload();

} // namespace Quiverstep::ComModule
