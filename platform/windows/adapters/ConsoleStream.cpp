#include "ConsoleStream.h"

#include "WideText.h"

#include <windows.h>

namespace Quiverstep {

namespace {

// The length of the longest prefix of `text` that ends on a whole UTF-8 sequence, so that a
// character split between two writes is converted once it is complete.
std::size_t wholeSequences(const std::string &text)
{
    // A sequence is at most 4 bytes: look back for the lead byte of the last one.
    for (std::size_t back = 1; back <= 4 && back <= text.size(); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte
        const std::size_t length = byte < 0x80 ? 1 : byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
        return back >= length ? text.size() : text.size() - back;
    }
    return text.size(); // no lead byte: not UTF-8, written as it is
}

} // namespace

class ConsoleStream::Buffer : public std::streambuf
{
public:
    explicit Buffer(HANDLE console)
        : m_console(console)
    {}
    ~Buffer() override { write(true); }

protected:
    int_type overflow(int_type c) override
    {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            m_pending.push_back(traits_type::to_char_type(c));
            if (c == '\n')
                write(false);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char *text, std::streamsize count) override
    {
        m_pending.append(text, std::size_t(count));
        if (m_pending.find('\n') != std::string::npos)
            write(false);
        return count;
    }
    int sync() override { return write(false) ? 0 : -1; }

private:
    bool write(bool all)
    {
        const std::size_t length = all ? m_pending.size() : wholeSequences(m_pending);
        const std::wstring wide = Widen(std::string_view(m_pending).substr(0, length));
        m_pending.erase(0, length);
        DWORD written = 0;
        return wide.empty()
               || WriteConsoleW(m_console, wide.data(), DWORD(wide.size()), &written, nullptr);
    }

    HANDLE m_console;
    std::string m_pending;
};

ConsoleStream::ConsoleStream(Which which, std::ostream &redirected)
    : m_redirected(redirected)
{
    const HANDLE handle = GetStdHandle(which == Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && handle && GetConsoleMode(handle, &mode)) {
        m_buffer = std::make_unique<Buffer>(handle);
        m_console = std::make_unique<std::ostream>(m_buffer.get());
    }
}

ConsoleStream::~ConsoleStream()
{
    if (m_console)
        m_console->flush();
}

} // namespace Quiverstep
