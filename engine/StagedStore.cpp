#include "StagedStore.h"

#include "Conversions.h"

#include <algorithm>

namespace Quiverstep {

StagedStore::StagedStore(std::unique_ptr<SettingsStore> medium)
    : m_medium(std::move(medium))
{}

std::optional<std::string> StagedStore::Find(std::string_view application,
                                             std::string_view section,
                                             std::string_view key)
{
    if (auto held = m_held.Find(application, section, key))
        return held;
    return m_medium->Find(application, section, key);
}

void StagedStore::SaveSetting(std::string_view application,
                              std::string_view section,
                              std::string_view key,
                              std::string_view value)
{
    if (m_depth == 0)
        return m_medium->SaveSetting(application, section, key, value);
    m_held.SaveSetting(application, section, key, value);
    m_writes.emplace_back(application, section, key, value);
}

std::vector<std::pair<std::string, std::string>> StagedStore::List(std::string_view application,
                                                                   std::string_view section)
{
    auto values = m_medium->List(application, section);
    const auto held = m_held.List(application, section);
    if (held.empty())
        return values;
    for (const auto &entry : held) {
        const std::string upper = ToUpper(entry.first);
        auto same = std::find_if(values.begin(), values.end(), [&upper](const auto &stored) {
            return ToUpper(stored.first) == upper;
        });
        if (same != values.end())
            same->second = entry.second;
        else
            values.push_back(entry);
    }
    std::stable_sort(values.begin(), values.end(), [](const auto &a, const auto &b) {
        return ToUpper(a.first) < ToUpper(b.first);
    });
    return values;
}

void StagedStore::BeginOperation()
{
    ++m_depth;
}

void StagedStore::CommitOperation()
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    auto writes = std::move(m_writes);
    m_writes.clear();
    m_held = MemoryStore();
    for (const auto &[application, section, key, value] : writes)
        m_medium->SaveSetting(application, section, key, value);
}

void StagedStore::AbandonOperation()
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    m_writes.clear();
    m_held = MemoryStore();
}

} // namespace Quiverstep
