#pragma once

#include "MemoryStore.h"

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace Quiverstep {

// Operations that are all or nothing over a medium that writes at once (the registry): the
// writes of an operation are held until the outermost one commits, and dropped when it is
// abandoned. Reads see the held writes; outside an operation every write goes through.
class StagedStore : public SettingsStore
{
public:
    explicit StagedStore(std::unique_ptr<SettingsStore> medium);

    std::optional<std::string> Find(std::string_view application,
                                    std::string_view section,
                                    std::string_view key) override;
    void SaveSetting(std::string_view application,
                     std::string_view section,
                     std::string_view key,
                     std::string_view value) override;
    std::vector<std::pair<std::string, std::string>> List(std::string_view application,
                                                          std::string_view section) override;

    void BeginOperation() override;
    void CommitOperation() override;
    void AbandonOperation() override;

private:
    std::unique_ptr<SettingsStore> m_medium;
    int m_depth = 0;
    MemoryStore m_held; // what the held writes read as
    std::vector<std::tuple<std::string, std::string, std::string, std::string>> m_writes;
};

} // namespace Quiverstep
