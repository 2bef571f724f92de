#pragma once

#include "SettingsStore.h"

#include <string>
#include <vector>

namespace Quiverstep {

// Passes everything to another store and, while tracing, notes each read and write: the
// store work of one event, for replaying it without the plug-in.
class TracingStore : public SettingsStore
{
public:
    struct Access
    {
        bool write = false;
        std::string key;
        std::string value;
    };

    explicit TracingStore(SettingsStore &inner)
        : m_inner(inner)
    {}

    std::optional<std::string> Find(std::string_view application,
                                    std::string_view section,
                                    std::string_view key) override
    {
        if (tracing)
            accesses.push_back({false, std::string(key), {}});
        return m_inner.Find(application, section, key);
    }
    void SaveSetting(std::string_view application,
                     std::string_view section,
                     std::string_view key,
                     std::string_view value) override
    {
        if (tracing)
            accesses.push_back({true, std::string(key), std::string(value)});
        m_inner.SaveSetting(application, section, key, value);
    }
    std::vector<std::pair<std::string, std::string>> List(std::string_view application,
                                                          std::string_view section) override
    {
        return m_inner.List(application, section);
    }
    void BeginOperation() override { m_inner.BeginOperation(); }
    void CommitOperation() override { m_inner.CommitOperation(); }
    void AbandonOperation() override { m_inner.AbandonOperation(); }

    bool tracing = false;
    std::vector<Access> accesses;

private:
    SettingsStore &m_inner;
};

} // namespace Quiverstep
