#pragma once

#include "SettingsStore.h"

namespace Quiverstep {

// The per-user settings area of a classic automation component:
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>, values
// written as REG_SZ text. Reading never fails: a value that cannot be read, or is of a type
// without a text form, is absent. The registry matches value names without regard to case,
// as the store must.
class RegistryStore : public SettingsStore
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

    // "Software\VB and VBA Program Settings\<application>\<section>"
    static std::wstring SectionKey(std::string_view application, std::string_view section);
};

} // namespace Quiverstep
