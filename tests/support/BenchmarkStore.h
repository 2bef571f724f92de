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
    using typename Store::Text;

    std::optional<std::string> Find(Text application, Text section, Text key) override
    {
        if (tracing)
            accesses.push_back({false, std::string(key), {}});
        return Store::Find(application, section, key);
    }
    void SaveSetting(Text application, Text section, Text key, Text value) override
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

// The events the benchmark tables measure, each after a guide start on the settings above.
struct BenchmarkScenario
{
    std::string name;
    std::string ditherType;
    bool image = true;       // event 19 (a dither update); otherwise event 22
    bool guideStart = false; // event 22 with errors (0, 0)
    std::string lastStep;    // "Current Step" put back before each update
    double eventTarget = 0;  // absolute target in seconds, 0 for none
    double floorFactor = 0;  // target as a multiple of the floor, 0 for none
};

inline const std::vector<BenchmarkScenario> BenchmarkScenarios = {
        {"correction", "0", false, false, "", 5e-6, 0},
        {"guide start", "0", false, true, "", 0, 0},
        {"dither: spiral", "0", true, false, "", 0, 1.5},
        {"dither: random", "1", true, false, "", 0, 1.5},
        {"dither: Half-step 2x2", "2", true, false, "", 0, 1.5},
        {"dither: Horizontall Snake 20x20, last step", "5", true, false, "440", 0, 1.5},
};

// Puts the walk back to the scenario's last step, as each measured update starts.
inline void PutBackLastStep(SettingsStore &store, const BenchmarkScenario &scenario)
{
    if (scenario.lastStep.empty())
        return;
    const Settings settings(store);
    StoreOperation operation(store);
    settings.Save(Keys::CurrentStep, scenario.lastStep);
    settings.Save(Keys::CurrentDirection, "False");
    operation.Commit();
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
