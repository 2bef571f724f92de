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
    std::optional<std::string> Find(std::string_view application,
                                    std::string_view section,
                                    std::string_view key) override;
    void SaveSetting(std::string_view application,
                     std::string_view section,
                     std::string_view key,
                     std::string_view value) override;
    std::vector<std::pair<std::string, std::string>> List(std::string_view application,
                                                          std::string_view section) override;

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
