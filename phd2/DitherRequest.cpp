#include "DitherRequest.h"

#include <climits>
#include <cmath>

namespace Quiverstep::Phd2 {

namespace {

std::optional<double> number(const Json &value)
{
    if (!value.is_number())
        return std::nullopt;
    return value.get<double>();
}

// PHD2 reads a truth value from true/false or an integer.
std::optional<bool> truth(const Json &value)
{
    if (value.is_boolean())
        return value.get<bool>();
    if (value.is_number_integer())
        return value.get<std::int64_t>() != 0;
    return std::nullopt;
}

// Whole seconds, rounded down; out-of-range values are held at the ends rather than
// overflowing the conversion.
int wholeSeconds(double seconds)
{
    const double floored = std::floor(seconds);
    if (!(floored > INT_MIN))
        return INT_MIN;
    if (!(floored < INT_MAX))
        return INT_MAX;
    return int(floored);
}

} // namespace

const Json *Param(const Json *params, std::size_t position, const char *name)
{
    if (!params)
        return nullptr;
    if (params->is_array())
        return position < params->size() ? &(*params)[position] : nullptr;
    if (params->is_object()) {
        const auto found = params->find(name);
        return found == params->end() ? nullptr : &*found;
    }
    return nullptr;
}

std::optional<SettleParams> ParseSettle(const Json &settle)
{
    SettleParams result;
    bool pixels = false, time = false, timeout = false;
    for (const auto &[key, value] : settle.items()) {
        const auto n = number(value);
        if (!n)
            continue;
        if (key == "pixels") {
            result.pixels = *n;
            pixels = true;
        } else if (key == "time") {
            result.time = wholeSeconds(*n);
            time = true;
        } else if (key == "timeout") {
            result.timeout = wholeSeconds(*n);
            timeout = true;
        }
    }
    if (!(pixels && time && timeout))
        return std::nullopt;
    return result;
}

DitherParse ParseDither(const Json *params)
{
    DitherRequest request;
    const Json *amount = Param(params, 0, "amount");
    const auto amountValue = amount ? number(*amount) : std::nullopt;
    if (!amountValue)
        return {std::nullopt, "expected dither amount param"};
    request.amount = std::fabs(*amountValue);

    if (const Json *raOnly = Param(params, 1, "raOnly")) {
        const auto value = truth(*raOnly);
        if (!value)
            return {std::nullopt, "expected dither raOnly param"};
        request.raOnly = *value;
    }

    const Json *settle = Param(params, 2, "settle");
    if (!settle || !settle->is_object())
        return {std::nullopt, "expected settle object param"};
    const auto settleParams = ParseSettle(*settle);
    if (!settleParams)
        return {std::nullopt, "invalid settle params"};
    request.settle = *settleParams;
    return {request, {}};
}

} // namespace Quiverstep::Phd2
