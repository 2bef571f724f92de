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
    std::unique_ptr<TextStream> OpenForAppending(const std::string &path) override
    {
        if (failOpen || path.empty() || unopenable.count(path))
            throw FileError(path + ": cannot open");
        files[path];
        return std::make_unique<Stream>(*this, path);
    }

    std::map<std::string, std::string> files;
    std::set<std::string> unopenable;
    bool failOpen = false;
    bool failWrite = false;
    bool failClose = false;

private:
    class Stream : public TextStream
    {
    public:
        Stream(MemoryTextFiles &files, std::string path)
            : m_files(files)
            , m_path(std::move(path))
        {}
        void Write(std::string_view text) override
        {
            if (m_files.failWrite)
                throw FileError(m_path + ": no space left on device");
            m_files.files[m_path] += text;
        }
        void Close() override
        {
            if (m_files.failClose)
                throw FileError(m_path + ": cannot close");
        }

    private:
        MemoryTextFiles &m_files;
        std::string m_path;
    };
};

} // namespace Quiverstep
