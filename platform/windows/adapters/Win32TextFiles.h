#pragma once

#include "TextFile.h"

namespace Quiverstep {

// Text files through the Win32 file functions: opened for appending (a missing file is
// created, its folder is not), written in the system's 8-bit code page.
class Win32TextFiles : public TextFileSystem
{
public:
    std::unique_ptr<TextStream> OpenForAppending(const std::string &path) override;
};

} // namespace Quiverstep
