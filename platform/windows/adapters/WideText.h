#pragma once

#include <string>
#include <string_view>

namespace Quiverstep {

// The core's texts are UTF-8; Windows takes UTF-16.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
// UTF-16 in the given code page (CP_UTF8, CP_ACP ...).
std::string NarrowTo(unsigned codePage, std::wstring_view wide);

} // namespace Quiverstep
