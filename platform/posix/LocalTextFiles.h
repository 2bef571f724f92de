#pragma once

#include "TextFile.h"

namespace Quiverstep {

// Text files on the local file system.
class LocalTextFiles : public TextFileSystem
{
public:
    std::unique_ptr<TextStream> OpenForAppending(const std::string &path) override;
};

} // namespace Quiverstep
