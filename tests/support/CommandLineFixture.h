#pragma once

#include "CommandLine.h"
#include "TempFolderTest.h"

#include <sstream>
#include <vector>

namespace Quiverstep {

struct CommandResult
{
    int status;
    std::string out;
    std::string err;
};

// Runs the quiverstep command in-process against a store in a fresh folder of its own.
class CommandLineFixture : public TempFolderTest
{
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        db = folder / "s.db";
    }

    CommandResult run(std::vector<std::string> arguments, const std::string &input = "")
    {
        arguments.insert(arguments.begin(), {"--store", db.string()});
        std::istringstream in(input);
        std::ostringstream out, err;
        const int status = RunCommandLine(arguments, in, out, err);
        return {status, out.str(), err.str()};
    }

    std::string stored(const std::string &key) { return run({"store", "get", key}).out; }

    std::filesystem::path db;
};

} // namespace Quiverstep
