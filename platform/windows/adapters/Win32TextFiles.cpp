#include "Win32TextFiles.h"

#include "WideText.h"

#include <windows.h>

namespace Quiverstep {

namespace {

[[noreturn]] void fail(const std::string &path, const char *what)
{
    throw FileError(path + ": " + what + " failed with error " + std::to_string(GetLastError()));
}

// The core's UTF-8 in the system's 8-bit code page, as a text file of the platform holds it.
std::string codePageText(std::string_view utf8)
{
    return NarrowTo(CP_ACP, Widen(utf8));
}

class Win32TextStream : public TextStream
{
public:
    Win32TextStream(HANDLE file, std::string path)
        : m_file(file)
        , m_path(std::move(path))
    {}
    ~Win32TextStream() override
    {
        if (m_file != INVALID_HANDLE_VALUE)
            CloseHandle(m_file);
    }

    void Write(std::string_view text) override
    {
        if (m_file == INVALID_HANDLE_VALUE)
            throw FileError(m_path + ": closed");
        const std::string bytes = codePageText(text);
        DWORD written = 0;
        if (!WriteFile(m_file, bytes.data(), DWORD(bytes.size()), &written, nullptr)
            || written != bytes.size())
            fail(m_path, "writing");
    }

    void Close() override
    {
        if (m_file == INVALID_HANDLE_VALUE)
            return;
        const HANDLE file = m_file;
        m_file = INVALID_HANDLE_VALUE;
        if (!CloseHandle(file))
            fail(m_path, "closing");
    }

private:
    HANDLE m_file;
    std::string m_path;
};

} // namespace

std::unique_ptr<TextStream> Win32TextFiles::OpenForAppending(const std::string &path)
{
    // Appending access alone: every write lands at the end, even when another program
    // appends to the same file meanwhile. Readers may look at it while guiding goes on.
    const HANDLE file = CreateFileW(Widen(path).c_str(),
                                    FILE_APPEND_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr,
                                    OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL,
                                    nullptr);
    if (file == INVALID_HANDLE_VALUE)
        fail(path, "opening");
    return std::make_unique<Win32TextStream>(file, path);
}

} // namespace Quiverstep
