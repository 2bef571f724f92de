#pragma once

#include "UserPaths.h"

namespace Quiverstep {

// Default places of the guide log in folders the test chooses.
class FixedUserPaths : public UserPaths
{
public:
    std::vector<std::string> DefaultLogFiles(const std::string &fileName) override
    {
        std::vector<std::string> files;
        for (const std::string &folder : logFolders)
            files.push_back(folder + "/" + fileName);
        return files;
    }

    std::vector<std::string> logFolders{"/default-logs"};
};

} // namespace Quiverstep
