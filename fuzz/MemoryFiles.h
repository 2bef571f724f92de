#pragma once

#include "MemoryTextStream.h"

#include <map>
#include <memory>
#include <string>

namespace Quiverstep {

// Text files in memory that fail where they are told to: fuzzed log paths never reach the
// disk, and opening, writing and closing can each fail.
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
