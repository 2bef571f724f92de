#pragma once

#include <string>
#include <vector>

namespace Quiverstep {

// Where the platform keeps a user's files.
class UserPaths
{
public:
    virtual ~UserPaths() = default;

    // Where the guide log named fileName goes when no "LogFile" is stored, most preferred
    // first: the log appends to the first of them that it can open.
    virtual std::vector<std::string> DefaultLogFiles(const std::string &fileName) = 0;
};

} // namespace Quiverstep
