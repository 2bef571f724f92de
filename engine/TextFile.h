#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace Quiverstep {

// A text file that cannot be opened, written or closed.
class FileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A text file opened for appending. Throws FileError on any failure.
class TextStream
{
public:
    virtual ~TextStream() = default;
    virtual void Write(std::string_view text) = 0;
    // Everything written has reached the file when this returns.
    virtual void Close() = 0;
};

class TextFileSystem
{
public:
    virtual ~TextFileSystem() = default;
    // Opens for appending, creating a missing file (not its folder). Throws FileError.
    virtual std::unique_ptr<TextStream> OpenForAppending(const std::string &path) = 0;
};

} // namespace Quiverstep
