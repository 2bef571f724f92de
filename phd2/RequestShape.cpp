#include "RequestShape.h"

#include <algorithm>

namespace Quiverstep::Phd2 {

namespace {

bool wellFormed(const Json &request)
{
    if (!request.is_object())
        return false;
    const auto method = request.find("method");
    if (method == request.end() || !method->is_string())
        return false;
    const auto params = request.find("params");
    return params == request.end() || params->is_array() || params->is_object();
}

} // namespace

std::string MethodOf(const Json &request)
{
    return wellFormed(request) ? request["method"].get<std::string>() : std::string();
}

bool ExpectsReply(const Json &request)
{
    return !wellFormed(request) || request.contains("id");
}

bool ExpectsAnyReply(const Json &batch)
{
    return std::any_of(batch.begin(), batch.end(), [](const Json &request) {
        return ExpectsReply(request);
    });
}

std::string ParseErrorMessage(const std::string &line, std::size_t byte)
{
    if (line.find_first_not_of(" \t\r") == std::string::npos)
        return "invalid JSON request: empty string on line 1 at \"...\"";
    const std::size_t at = std::min(byte > 0 ? byte - 1 : 0, line.size());
    const char *description = at >= line.size()
                                      ? "Not all objects/arrays have been properly closed"
                                      : "Unexpected character";
    return std::string("invalid JSON request: ") + description + " on line 1 at \""
           + line.substr(at, 12) + "...\"";
}

std::string NumberRangeMessage()
{
    return "invalid JSON request: number out of range on line 1 at \"...\"";
}

} // namespace Quiverstep::Phd2
