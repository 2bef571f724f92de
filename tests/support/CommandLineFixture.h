#pragma once

#include "CommandLine.h"
#include "TempFolderTest.h"
#include "TextLines.h"

#include <sstream>
#include <vector>

namespace Quiverstep {

struct CommandResult
{
    int status;
    std::string out;
    std::string err;
};

// Runs the quiverstep command in-process, as a new process would, against a store in a fresh
// folder of its own.
class CommandLineFixture : public TempFolderTest
{
protected:
    CommandResult run(std::vector<std::string> arguments, const std::string &input = "")
    {
        arguments.insert(arguments.begin(), {"--store", path.string()});
        std::istringstream in(input);
        std::ostringstream out, err;
        const int status = RunCommandLine(arguments, in, out, err);
        return {status, out.str(), err.str()};
    }

    void set(const std::string &key, const std::string &value)
    {
        EXPECT_EQ(run({"store", "set", key, value}).status, 0) << key;
    }
    std::string stored(const std::string &key) { return run({"store", "get", key}).out; }
};

} // namespace Quiverstep
