#pragma once

#include "BridgeLinks.h"
#include "WalkStore.h"

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace Quiverstep::Phd2 {

// What the bridge sent, line by line, at a clock the test sets.
class RecordingLinks : public BridgeLinks
{
public:
    void ToClient(int client, const std::string &line) override { toClient[client].push_back(line); }
    void ToUpstream(int client, const std::string &line) override { toUpstream[client].push_back(line); }
    void ToPhd2(const std::string &line) override { toPhd2.push_back(line); }
    void Report(const std::string &text) override { reports.push_back(text); }
    double Now() override { return now; }
    double Timestamp() override { return 1700000000.5; }

    std::map<int, std::vector<std::string>> toClient;
    std::map<int, std::vector<std::string>> toUpstream;
    std::vector<std::string> toPhd2;
    std::vector<std::string> reports;
    double now = 100;
};

// A walk of given targets, with the anchor in memory.
class ScriptedWalk : public WalkStore
{
public:
    Point CurrentTarget() override { return current; }
    Point NextTarget(std::vector<std::string> &messages) override
    {
        if (!failure.empty())
            throw std::runtime_error(failure);
        messages.insert(messages.end(), nextMessages.begin(), nextMessages.end());
        current = targets.at(taken++);
        return current;
    }
    std::optional<LockAnchor> LoadAnchor() override { return anchor; }
    void SaveAnchor(const LockAnchor &value) override { anchor = value; }

    Point current{16, 16};
    std::vector<Point> targets;
    std::size_t taken = 0;
    std::vector<std::string> nextMessages;
    std::string failure;
    std::optional<LockAnchor> anchor;
};

} // namespace Quiverstep::Phd2
