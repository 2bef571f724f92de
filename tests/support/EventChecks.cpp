#include "EventChecks.h"

#include "Conversions.h"

#include <cmath>

namespace Quiverstep {

std::string RunningStateProblem(std::string_view key, std::string_view value)
{
    const std::string upper = ToUpper(key);
    const std::string what = std::string(key) + " = \"" + std::string(value).substr(0, 40) + "\": ";
    try {
        if (upper == "CURRENT DIRECTION" || upper == "SPIRAL INOUT") {
            if (value != "True" && value != "False")
                return what + "a flag is not True or False";
            StrictFlag(value);
        } else if (upper == "CURRENT STEP" || upper == "SPIRAL DIRECTION X"
                   || upper == "SPIRAL DIRECTION Y" || upper == "SPIRAL POS X"
                   || upper == "SPIRAL POS Y") {
            const double number = StrictNumber(value);
            if (IntegerToText(ToLong(number)) != value)
                return what + "not a plain 32-bit integer text";
        } else if (upper == "CURRENT OFFSET X" || upper == "CURRENT OFFSET Y"
                   || upper == "SPIRAL RADIUS" || upper == "SPIRAL START X"
                   || upper == "SPIRAL START Y") {
            const double number = StrictNumber(value);
            if (!std::isfinite(number) || RealToText(number) != value)
                return what + "not a real number text";
        } else {
            return what + "an event wrote a key that only the windows write";
        }
    } catch (const std::exception &) {
        return what + "does not read back";
    }
    return {};
}

std::vector<std::string> EventProblems(const PlugInRig &rig, const WatchedStore &store)
{
    std::vector<std::string> problems;
    if (rig.cameras.liveCameras() != 0)
        problems.emplace_back("a camera object was not released");
    if (store.depth != 0 || store.begun != store.ended)
        problems.emplace_back("a store operation was left open");
    for (const auto &[key, value] : store.writes) {
        if (std::string problem = RunningStateProblem(key, value); !problem.empty())
            problems.push_back(std::move(problem));
    }
    return problems;
}

} // namespace Quiverstep
