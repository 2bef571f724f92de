#pragma once

#include "SettingsStore.h"

#include <map>
#include <string>
#include <tuple>

namespace Quiverstep {

// The store held in memory: the test double, and the store of the soak run.
// Keys match without regard to letter case, as in the per-user store.
class MemoryStore : public SettingsStore
{
public:
    std::optional<std::string> Find(Text application, Text section, Text key) override;
    void SaveSetting(Text application, Text section, Text key, Text value) override;
    Entries List(Text application, Text section) override;

    int writeCount() const { return m_writes; }

private:
    using Address = std::tuple<std::string, std::string, std::string>;
    static Address address(std::string_view application,
                           std::string_view section,
                           std::string_view key);

    std::map<Address, std::pair<std::string, std::string>> m_values; // -> key as written, value
    int m_writes = 0;
};

} // namespace Quiverstep
