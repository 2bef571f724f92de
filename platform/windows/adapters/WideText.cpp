#include "WideText.h"

#include <windows.h>

namespace Quiverstep {

std::wstring Widen(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), length);
    return wide;
}

std::string Narrow(std::wstring_view wide)
{
    return NarrowTo(CP_UTF8, wide);
}

std::string NarrowTo(unsigned codePage, std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int length = WideCharToMultiByte(codePage,
                                           0,
                                           wide.data(),
                                           int(wide.size()),
                                           nullptr,
                                           0,
                                           nullptr,
                                           nullptr);
    std::string text(std::size_t(length), '\0');
    WideCharToMultiByte(codePage,
                        0,
                        wide.data(),
                        int(wide.size()),
                        text.data(),
                        length,
                        nullptr,
                        nullptr);
    return text;
}

} // namespace Quiverstep
