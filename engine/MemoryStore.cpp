#include "MemoryStore.h"

#include "Conversions.h"

namespace Quiverstep {

MemoryStore::Address MemoryStore::address(std::string_view application,
                                          std::string_view section,
                                          std::string_view key)
{
    return {ToUpper(application), ToUpper(section), ToUpper(key)};
}

std::optional<std::string> MemoryStore::Find(std::string_view application,
                                             std::string_view section,
                                             std::string_view key)
{
    auto it = m_values.find(address(application, section, key));
    if (it == m_values.end())
        return std::nullopt;
    return it->second.second;
}

void MemoryStore::SaveSetting(std::string_view application,
                              std::string_view section,
                              std::string_view key,
                              std::string_view value)
{
    ++m_writes;
    auto [it, inserted] = m_values.try_emplace(address(application, section, key),
                                               std::string(key),
                                               std::string(value));
    if (!inserted)
        it->second.second = value;
}

std::vector<std::pair<std::string, std::string>> MemoryStore::List(std::string_view application,
                                                                   std::string_view section)
{
    std::vector<std::pair<std::string, std::string>> result;
    const std::string app = ToUpper(application);
    const std::string sec = ToUpper(section);
    for (const auto &[addr, entry] : m_values) {
        if (std::get<0>(addr) == app && std::get<1>(addr) == sec)
            result.push_back(entry);
    }
    return result;
}

} // namespace Quiverstep
