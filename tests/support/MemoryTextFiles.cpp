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
        if (m_files.unwritable.count(m_path))
            throw FileError(m_path + ": no space left on device");
        m_files.files[m_path] += text;
    }
    void Close() override {}

private:
    MemoryTextFiles &m_files;
    std::string m_path;
};

} // namespace

std::unique_ptr<TextStream> MemoryTextFiles::OpenForAppending(const std::string &path)
{
    if (unopenable.count(path))
        throw FileError(path + ": no such folder");
    ++opened;
    files[path];
    return std::make_unique<MemoryTextStream>(*this, path);
}

} // namespace Quiverstep
