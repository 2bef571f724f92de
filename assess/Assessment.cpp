#include "Assessment.h"

#include <algorithm>
#include <tuple>

namespace Quiverstep {

namespace {

using Result = Assessment::Result;

auto rankKey(const Result &result)
{
    const DitherFigures &f = result.figures;
    return std::make_tuple(result.refused.has_value(),
                           f.mostReused,
                           -f.phaseCells,
                           f.settleFrames.value_or(0),
                           f.excursion);
}

// The settings with the least value of a figure.
template<typename Figure>
Assessment::Leaders least(const std::vector<Result> &results, Figure figure)
{
    Assessment::Leaders leaders;
    for (const Result &result : results) {
        const std::optional<double> value = figure(result.figures);
        if (result.refused || !value)
            continue;
        if (leaders.names.empty() || *value < leaders.value) {
            leaders.value = *value;
            leaders.names.clear();
        }
        if (*value == leaders.value)
            leaders.names.push_back(result.ditherType);
    }
    return leaders;
}

} // namespace

void Assessment::Rank()
{
    std::stable_sort(results.begin(), results.end(), [](const Result &a, const Result &b) {
        return rankKey(a) < rankKey(b);
    });
}

Assessment::Leaders Assessment::BestCoverage() const
{
    Leaders leaders = least(results, [](const DitherFigures &f) -> std::optional<double> {
        return -f.phaseCells;
    });
    leaders.value = -leaders.value;
    return leaders;
}

Assessment::Leaders Assessment::LeastSettling() const
{
    return least(results, [](const DitherFigures &f) { return f.settleFrames; });
}

} // namespace Quiverstep
