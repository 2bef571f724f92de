#include "MemoryTextFiles.h"

namespace Quiverstep {

namespace {

class MemoryTextStream : public TextStream
{
public:
    MemoryTextStream(MemoryTextFiles &files, std::string path)
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

} // namespace

std::unique_ptr<TextStream> MemoryTextFiles::OpenForAppending(const std::string &path)
{
    if (failOpen || path.empty() || unopenable.count(path))
        throw FileError(path + ": cannot open");
    files[path];
    return std::make_unique<MemoryTextStream>(*this, path);
}

} // namespace Quiverstep
