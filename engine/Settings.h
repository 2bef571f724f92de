#pragma once

#include "SettingsStore.h"

#include <string>
#include <string_view>

namespace Quiverstep {

// The store as this system uses it: application "Orrerix", section "Quiverstep".
class Settings
{
public:
    explicit Settings(SettingsStore &store)
        : m_store(store)
    {}

    std::string Get(std::string_view key, std::string_view defaultValue) const;
    std::optional<std::string> Find(std::string_view key) const;
    void Save(std::string_view key, std::string_view value) const;

    SettingsStore &store() const { return m_store; }

private:
    SettingsStore &m_store;
};

} // namespace Quiverstep
