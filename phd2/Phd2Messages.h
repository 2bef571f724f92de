#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace Quiverstep::Phd2 {

// Objects keep their members in the order written, as PHD2 writes them.
using Json = nlohmann::ordered_json;

namespace Codes {
inline constexpr int ParseError = -32700;
inline constexpr int InvalidRequest = -32600;
inline constexpr int MethodNotFound = -32601;
inline constexpr int InvalidParams = -32602;
inline constexpr int InternalError = -32603;
// What PHD2 answers when an operation it accepted as a request fails.
inline constexpr int Failed = 1;
} // namespace Codes

// The longest line PHD2 reads, with its LF.
inline constexpr std::size_t MaxLineBytes = 1024;

// One message as PHD2 sends it: compact JSON and CR LF.
std::string Line(const Json &message);

Json ResultReply(const Json &result, const Json &id);
Json ErrorReply(int code, const std::string &message, const Json &id);

// PHD2 prints its figures with a fixed number of decimals; the same value as a number.
double Decimals(double value, int decimals);

// What every event carries besides its name: PHD2's host name and instance, taken from
// PHD2's own events so that the bridge's events look like its.
struct EventSource
{
    std::string host;
    int instance = 1;
};

Json Event(const std::string &name, const EventSource &source, double timestamp);

} // namespace Quiverstep::Phd2
