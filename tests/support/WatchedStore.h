#pragma once

#include "MemoryStore.h"

#include <string>
#include <utility>
#include <vector>

namespace Quiverstep {

// A memory store that notes every write and how operations open and close, so that a fuzz
// target can check what one event wrote and that the event closed what it opened.
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
    void BeginOperation() override
    {
        ++depth;
        ++begun;
    }
    void CommitOperation() override
    {
        --depth;
        ++ended;
        commits += depth == 0;
    }
    void AbandonOperation() override
    {
        --depth;
        ++ended;
    }

    std::vector<std::pair<std::string, std::string>> writes;
    int depth = 0;
    int begun = 0;
    int ended = 0;
    int commits = 0; // outermost operations committed
};

} // namespace Quiverstep
