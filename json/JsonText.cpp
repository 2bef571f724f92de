#include "JsonText.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>

namespace Quiverstep {

std::string JsonNumber(double value)
{
    if (!std::isfinite(value))
        return "null";
    // Whole numbers as integers ("16", not "16.0"), as the reports have always written them.
    if (value == std::trunc(value) && std::fabs(value) < 9007199254740992.0) {
        if (value == 0 && std::signbit(value))
            return "-0";
        return nlohmann::json(static_cast<std::int64_t>(value)).dump();
    }
    return nlohmann::json(value).dump();
}

std::string JsonText(const std::string &text)
{
    // Bytes that are no UTF-8 become U+FFFD: the file stays valid JSON.
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace Quiverstep
