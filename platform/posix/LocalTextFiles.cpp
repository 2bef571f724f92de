#include "LocalTextFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace Quiverstep {

namespace {

class LocalTextStream : public TextStream
{
public:
    LocalTextStream(std::FILE *file, std::string path)
        : m_file(file)
        , m_path(std::move(path))
    {}
    ~LocalTextStream() override
    {
        if (m_file)
            std::fclose(m_file);
    }

    void Write(std::string_view text) override
    {
        if (!m_file)
            throw FileError(m_path + ": closed");
        if (std::fwrite(text.data(), 1, text.size(), m_file) != text.size()
            || std::fflush(m_file) != 0)
            fail();
    }

    void Close() override
    {
        if (!m_file)
            return;
        std::FILE *file = m_file;
        m_file = nullptr;
        if (std::fclose(file) != 0)
            fail();
    }

private:
    [[noreturn]] void fail() const { throw FileError(m_path + ": " + std::strerror(errno)); }

    std::FILE *m_file;
    std::string m_path;
};

} // namespace

std::unique_ptr<TextStream> LocalTextFiles::OpenForAppending(const std::string &path)
{
    std::FILE *file = std::fopen(path.c_str(), "ab");
    if (!file)
        throw FileError(path + ": " + std::strerror(errno));
    return std::make_unique<LocalTextStream>(file, path);
}

} // namespace Quiverstep
