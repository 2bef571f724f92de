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
    std::optional<std::string> Find(Text application, Text section, Text key) override;
    void SaveSetting(Text application, Text section, Text key, Text value) override;
    Entries List(Text application, Text section) override;

    // "Software\VB and VBA Program Settings\<application>\<section>"
    static std::wstring SectionKey(std::string_view application, std::string_view section);
};

} // namespace Quiverstep
