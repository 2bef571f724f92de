#include "RegistryStore.h"

#include "WideText.h"

#include "Errors.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

namespace Quiverstep {

namespace {

// An open registry key, closed when it goes.
class Key
{
public:
    Key() = default;
    Key(const Key &) = delete;
    Key &operator=(const Key &) = delete;
    ~Key()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    HKEY *out() { return &m_key; }
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

[[noreturn]] void fail(const char *what, LONG status)
{
    throw StoreError(std::string("registry: ") + what + " failed with error "
                     + std::to_string(status));
}

// Opens the section for reading; false when it does not exist or cannot be opened, which
// reads as a section without settings: reading a setting never fails.
bool openSection(Key &key, std::string_view application, std::string_view section)
{
    return RegOpenKeyExW(HKEY_CURRENT_USER,
                         RegistryStore::SectionKey(application, section).c_str(),
                         0,
                         KEY_QUERY_VALUE,
                         key.out())
           == ERROR_SUCCESS;
}

// A value as text, as a classic automation component reads it: REG_SZ and REG_EXPAND_SZ as
// their text (unexpanded), REG_DWORD as its number, a signed 32-bit Long. A value of any
// other type counts as absent.
std::optional<std::string> valueText(DWORD type, const std::wstring &data, DWORD bytes)
{
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
        std::wstring text(data.c_str(), std::min<std::size_t>(bytes / sizeof(wchar_t), data.size()));
        text.resize(std::wcslen(text.c_str())); // the terminating zero, and anything after it
        return Narrow(text);
    }
    case REG_DWORD:
        if (bytes != sizeof(DWORD))
            return std::nullopt;
        return std::to_string(std::int32_t(*reinterpret_cast<const DWORD *>(data.data())));
    default:
        return std::nullopt;
    }
}

} // namespace

std::wstring RegistryStore::SectionKey(std::string_view application, std::string_view section)
{
    return L"Software\\VB and VBA Program Settings\\" + Widen(application) + L"\\" + Widen(section);
}

std::optional<std::string> RegistryStore::Find(std::string_view application,
                                               std::string_view section,
                                               std::string_view key)
{
    Key sectionKey;
    if (!openSection(sectionKey, application, section))
        return std::nullopt;
    const std::wstring name = Widen(key);
    for (;;) {
        DWORD type = 0;
        DWORD bytes = 0;
        if (RegQueryValueExW(sectionKey.get(), name.c_str(), nullptr, &type, nullptr, &bytes)
            != ERROR_SUCCESS)
            return std::nullopt;
        std::wstring data(bytes / sizeof(wchar_t) + 2, L'\0');
        DWORD capacity = DWORD(data.size() * sizeof(wchar_t));
        const LONG status = RegQueryValueExW(sectionKey.get(),
                                             name.c_str(),
                                             nullptr,
                                             &type,
                                             reinterpret_cast<BYTE *>(data.data()),
                                             &capacity);
        if (status == ERROR_MORE_DATA)
            continue; // it grew between the two reads
        if (status != ERROR_SUCCESS)
            return std::nullopt;
        return valueText(type, data, capacity);
    }
}

void RegistryStore::SaveSetting(std::string_view application,
                                std::string_view section,
                                std::string_view key,
                                std::string_view value)
{
    Key sectionKey;
    LONG status = RegCreateKeyExW(HKEY_CURRENT_USER,
                                  SectionKey(application, section).c_str(),
                                  0,
                                  nullptr,
                                  REG_OPTION_NON_VOLATILE,
                                  KEY_SET_VALUE,
                                  nullptr,
                                  sectionKey.out(),
                                  nullptr);
    if (status != ERROR_SUCCESS)
        fail("creating the settings key", status);
    const std::wstring text = Widen(value);
    status = RegSetValueExW(sectionKey.get(),
                            Widen(key).c_str(),
                            0,
                            REG_SZ,
                            reinterpret_cast<const BYTE *>(text.c_str()),
                            DWORD((text.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS)
        fail("writing a setting", status);
}

std::vector<std::pair<std::string, std::string>> RegistryStore::List(std::string_view application,
                                                                     std::string_view section)
{
    std::vector<std::pair<std::string, std::string>> values;
    Key sectionKey;
    if (!openSection(sectionKey, application, section))
        return values;
    DWORD count = 0;
    DWORD longestName = 0;
    DWORD longestData = 0;
    LONG status = RegQueryInfoKeyW(sectionKey.get(),
                                   nullptr,
                                   nullptr,
                                   nullptr,
                                   nullptr,
                                   nullptr,
                                   nullptr,
                                   &count,
                                   &longestName,
                                   &longestData,
                                   nullptr,
                                   nullptr);
    if (status != ERROR_SUCCESS)
        return values;
    for (DWORD i = 0; i < count; ++i) {
        std::wstring name(longestName + 1, L'\0');
        std::wstring data(longestData / sizeof(wchar_t) + 2, L'\0');
        DWORD nameLength = DWORD(name.size());
        DWORD bytes = DWORD(data.size() * sizeof(wchar_t));
        DWORD type = 0;
        status = RegEnumValueW(sectionKey.get(),
                               i,
                               name.data(),
                               &nameLength,
                               nullptr,
                               &type,
                               reinterpret_cast<BYTE *>(data.data()),
                               &bytes);
        if (status != ERROR_SUCCESS)
            break; // the end, or the key changed under the listing
        name.resize(nameLength);
        if (auto text = valueText(type, data, bytes))
            values.emplace_back(Narrow(name), std::move(*text));
    }
    // Key order without regard to case, as the keys match.
    auto folded = [](std::string text) {
        for (char &c : text)
            if (c >= 'A' && c <= 'Z')
                c = char(c - 'A' + 'a');
        return text;
    };
    std::sort(values.begin(), values.end(), [&](const auto &a, const auto &b) {
        return folded(a.first) < folded(b.first);
    });
    return values;
}

} // namespace Quiverstep
