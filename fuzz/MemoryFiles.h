#pragma once

#include "MemoryTextStream.h"

#include <map>
#include <memory>
#include <string>

namespace Quiverstep {

// Text files in memory for fuzzed log paths, which never reach the disk. Unlike the tests'
// MemoryTextFiles, a failure holds for every path, whatever the fuzzer makes "LogFile",
// and closing can fail too.
class MemoryFiles : public TextFileSystem
{
public:
    bool failOpen = false;
    bool failWrite = false;
    bool failClose = false;
    std::map<std::string, std::string> files;

    std::unique_ptr<TextStream> OpenForAppending(const std::string &path) override
    {
        if (failOpen || path.empty())
            throw FileError(path + ": cannot open");
        return std::make_unique<MemoryTextStream>(files[path], failWrite, failClose);
    }
};

} // namespace Quiverstep
