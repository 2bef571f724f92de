#pragma once

#include <filesystem>

namespace Quiverstep {

// $XDG_CONFIG_HOME/Orrerix (~/.config/Orrerix when unset or not absolute).
std::filesystem::path UserConfigFolder();

// $XDG_STATE_HOME/Orrerix (~/.local/state/Orrerix when unset or not absolute).
std::filesystem::path UserStateFolder();

} // namespace Quiverstep
