#pragma once

#include "UserPaths.h"

#include <filesystem>

namespace Quiverstep {

// The XDG base directories: settings under $XDG_CONFIG_HOME/Orrerix, the guide log under
// $XDG_STATE_HOME/Orrerix (~/.config and ~/.local/state when unset or not absolute).
class XdgUserPaths : public UserPaths
{
public:
    // $XDG_STATE_HOME/Orrerix/fileName; the folder is made when missing.
    std::vector<std::string> DefaultLogFiles(const std::string &fileName) override;

    static std::filesystem::path ConfigFolder();
    static std::filesystem::path StateFolder();
};

} // namespace Quiverstep
