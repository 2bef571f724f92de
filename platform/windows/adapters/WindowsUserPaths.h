#pragma once

#include "UserPaths.h"

namespace Quiverstep {

// Where a guide log goes on Windows when no "LogFile" is stored: the root of drive C:, as
// the plug-in always kept it, and where a user may not create files there, the user's own
// local application data.
class WindowsUserPaths : public UserPaths
{
public:
    // {"C:\<fileName>", "%LOCALAPPDATA%\Orrerix\<fileName>"}; makes the Orrerix folder.
    std::vector<std::string> DefaultLogFiles(const std::string &fileName) override;
};

} // namespace Quiverstep
