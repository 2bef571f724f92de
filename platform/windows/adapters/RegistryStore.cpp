#include "RegistryStore.h"

#include "WideText.h"

#include "Errors.h"

#include <windows.h>

#include <algorithm>

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

// Opens the section for reading; false when it does not exist yet.
bool openSection(Key &key, std::string_view application, std::string_view section)
{
    const LONG status = RegOpenKeyExW(HKEY_CURRENT_USER,
                                      RegistryStore::SectionKey(application, section).c_str(),
                                      0,
                                      KEY_QUERY_VALUE,
                                      key.out());
    if (status == ERROR_FILE_NOT_FOUND)
        return false;
    if (status != ERROR_SUCCESS)
        fail("opening the settings key", status);
    return true;
}

// A value as text. A value put there by hand with another type than REG_SZ is read as the
// text it would show as, so that a number entered as a DWORD still counts.
std::string valueText(DWORD type, const std::wstring &data, DWORD bytes)
{
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
        std::wstring text(data.c_str(), std::min<std::size_t>(bytes / sizeof(wchar_t), data.size()));
        text.resize(std::wcslen(text.c_str())); // the terminating zero, and anything after it
        return Narrow(text);
    }
    case REG_DWORD:
        return std::to_string(*reinterpret_cast<const DWORD *>(data.data()));
    default:
        throw StoreError("registry: a setting is not text");
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
        LONG status
                = RegQueryValueExW(sectionKey.get(), name.c_str(), nullptr, &type, nullptr, &bytes);
        if (status == ERROR_FILE_NOT_FOUND)
            return std::nullopt;
        if (status != ERROR_SUCCESS)
            fail("reading a setting", status);
        std::wstring data(bytes / sizeof(wchar_t) + 2, L'\0');
        DWORD capacity = DWORD(data.size() * sizeof(wchar_t));
        status = RegQueryValueExW(sectionKey.get(),
                                  name.c_str(),
                                  nullptr,
                                  &type,
                                  reinterpret_cast<BYTE *>(data.data()),
                                  &capacity);
        if (status == ERROR_MORE_DATA)
            continue; // it grew between the two reads
        if (status == ERROR_FILE_NOT_FOUND)
            return std::nullopt;
        if (status != ERROR_SUCCESS)
            fail("reading a setting", status);
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
        fail("listing the settings", status);
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
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS)
            fail("listing the settings", status);
        name.resize(nameLength);
        values.emplace_back(Narrow(name), valueText(type, data, bytes));
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
