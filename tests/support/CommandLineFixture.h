#pragma once

#include "CommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace Quiverstep {

struct CommandResult
{
    int status;
    std::string out;
    std::string err;
};

// Runs the quiverstep command in-process against a store in a fresh folder of its own.
class CommandLineFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path()
                 / ("quiverstep-" + std::to_string(::getpid()) + "-"
                    + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        db = folder / "s.db";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    CommandResult run(std::vector<std::string> arguments, const std::string &input = "")
    {
        arguments.insert(arguments.begin(), {"--store", db.string()});
        std::istringstream in(input);
        std::ostringstream out, err;
        const int status = RunCommandLine(arguments, in, out, err);
        return {status, out.str(), err.str()};
    }

    std::string stored(const std::string &key) { return run({"store", "get", key}).out; }

    std::filesystem::path folder;
    std::filesystem::path db;
};

} // namespace Quiverstep
