#pragma once

#include <string>

namespace Quiverstep::Phd2 {

// Everything the bridge sends goes out through these: the network in the program, a
// recorder in the tests. Lines carry their line end. Sends to a closed client are dropped.
class BridgeLinks
{
public:
    virtual ~BridgeLinks() = default;
    // To the client itself.
    virtual void ToClient(int client, const std::string &line) = 0;
    // To PHD2 over the client's own connection to it.
    virtual void ToUpstream(int client, const std::string &line) = 0;
    // To PHD2 over the bridge's own connection.
    virtual void ToPhd2(const std::string &line) = 0;
    // A line of the bridge's output for its user.
    virtual void Report(const std::string &text) = 0;
    // Seconds on a steady clock, and seconds since 1970 for the events' Timestamp.
    virtual double Now() = 0;
    virtual double Timestamp() = 0;
};

} // namespace Quiverstep::Phd2
