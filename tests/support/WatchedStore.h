#pragma once

#include "MemoryStore.h"

#include <string>
#include <utility>
#include <vector>

namespace Quiverstep {

// A memory store that notes every write and how operations open and close, so that a test can
// check what one event or save wrote and that it closed what it opened.
class WatchedStore : public MemoryStore
{
public:
    void SaveSetting(std::string_view application,
                     std::string_view section,
                     std::string_view key,
                     std::string_view value) override
    {
        writes.emplace_back(key, value);
        MemoryStore::SaveSetting(application, section, key, value);
    }
    void BeginOperation() override { ++begun; }
    void CommitOperation() override { commits += ++ended == begun; }
    void AbandonOperation() override { ++ended; }

    std::vector<std::pair<std::string, std::string>> writes;
    int begun = 0;
    int ended = 0;
    int commits = 0; // operations committed as the outermost one
};

} // namespace Quiverstep
