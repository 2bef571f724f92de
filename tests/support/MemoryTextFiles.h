#pragma once

#include "TextFile.h"

#include <map>
#include <set>
#include <string>

namespace Quiverstep {

// Text files kept in memory; a path can be made to fail on open or on write.
class MemoryTextFiles : public TextFileSystem
{
public:
    std::unique_ptr<TextStream> OpenForAppending(const std::string &path) override;

    std::map<std::string, std::string> files;
    std::set<std::string> unopenable;
    std::set<std::string> unwritable;
    int opened = 0;
};

} // namespace Quiverstep
