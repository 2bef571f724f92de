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

    void BeginOperation() override;
    void CommitOperation() override;
    void AbandonOperation() override;

    std::optional<std::string> Find(Text application, Text section, Text key) override;
    void SaveSetting(Text application, Text section, Text key, Text value) override;
    Entries List(Text application, Text section) override;

private:
    std::unique_ptr<SettingsStore> m_medium;
    int m_depth = 0;
    MemoryStore m_held; // what the held writes read as
    std::vector<std::tuple<std::string, std::string, std::string, std::string>> m_writes;
};

} // namespace Quiverstep
