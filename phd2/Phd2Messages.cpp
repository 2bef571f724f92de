#include "Phd2Messages.h"

#include <cmath>

namespace Quiverstep::Phd2 {

std::string Line(const Json &message)
{
    // Replacement rather than an exception: a client's invalid UTF-8 echoed in an id must not
    // take the bridge down.
    return message.dump(-1, ' ', false, Json::error_handler_t::replace) + "\r\n";
}

Json ResultReply(const Json &result, const Json &id)
{
    return Json{{"jsonrpc", "2.0"}, {"result", result}, {"id", id}};
}

Json ErrorReply(int code, const std::string &message, const Json &id)
{
    return Json{{"jsonrpc", "2.0"}, {"error", Json{{"code", code}, {"message", message}}}, {"id", id}};
}

double Decimals(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

Json Event(const std::string &name, const EventSource &source, double timestamp)
{
    return Json{{"Event", name},
                {"Timestamp", Decimals(timestamp, 3)},
                {"Host", source.host},
                {"Inst", source.instance}};
}

} // namespace Quiverstep::Phd2
