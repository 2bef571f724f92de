#pragma once

#include "TextFile.h"

#include <map>
#include <set>
#include <string>

namespace Quiverstep {

// Text files kept in memory. Opening fails for an empty path, a path made unopenable, or
// every path while failOpen holds; writing and closing fail while told to.
class MemoryTextFiles : public TextFileSystem
{
public:
    std::unique_ptr<TextStream> OpenForAppending(const std::string &path) override;

    std::map<std::string, std::string> files;
    std::set<std::string> unopenable;
    bool failOpen = false;
    bool failWrite = false;
    bool failClose = false;
};

} // namespace Quiverstep
