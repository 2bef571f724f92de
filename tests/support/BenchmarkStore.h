#pragma once

#include "Pattern.h"
#include "SettingKeys.h"
#include "Settings.h"
#include "SettingsStore.h"

#include <string>
#include <vector>

namespace Quiverstep {

struct StoreAccess
{
    bool write = false;
    std::string key, value;
};

// A store that, while tracing, notes each read and write: the store work of one event, for
// replaying it without the plug-in.
template<class Store>
class TracingStore : public Store
{
public:
    using Store::Store;

    std::optional<std::string> Find(std::string_view application,
                                    std::string_view section,
                                    std::string_view key) override
    {
        if (tracing)
            accesses.push_back({false, std::string(key), {}});
        return Store::Find(application, section, key);
    }
    void SaveSetting(std::string_view application,
                     std::string_view section,
                     std::string_view key,
                     std::string_view value) override
    {
        if (tracing)
            accesses.push_back({true, std::string(key), std::string(value)});
        Store::SaveSetting(application, section, key, value);
    }

    bool tracing = false;
    std::vector<StoreAccess> accesses;
};

// The settings every benchmark scenario starts from: its dither type, step 1, max dither 4,
// the log off, the target at the centre, the built-in patterns.
inline void SaveBenchmarkSettings(const Settings &settings, const std::string &ditherType)
{
    settings.Save(Keys::DitherType, ditherType);
    settings.Save(Keys::DitherStep, "1");
    settings.Save(Keys::MaxDitherX, "4");
    settings.Save(Keys::Log, "0");
    settings.Save(Keys::CurrentOffsetX, "16");
    settings.Save(Keys::CurrentOffsetY, "16");
    InstallBuiltInPatterns(settings);
}

// A user pattern of that many steps inside a box of 4, for the walks that scan a long text.
inline std::string LongPattern(int steps)
{
    std::string text = "Long walk";
    for (int i = 0; i < steps; ++i)
        text += "\\" + std::to_string(i % 9 - 4) + "," + std::to_string(i / 9 % 9 - 4);
    return text + "\\BOTTOM";
}

} // namespace Quiverstep
