#pragma once

#include <windows.h>

namespace Quiverstep::Registration {

inline constexpr wchar_t ProgId[] = L"Quiverstep.DitherPlugIn";

// Registers the class, its ProgID, the apartment threading model and the type library for
// the DLL at its present path; Unregister removes every entry that Register made.
HRESULT Register();
HRESULT Unregister();

} // namespace Quiverstep::Registration
