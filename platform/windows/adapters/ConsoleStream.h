#pragma once

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

namespace Quiverstep {

// A standard output of a console program. Written to a console window, the core's UTF-8
// text goes out as UTF-16 through WriteConsoleW, so that every character shows whatever the
// console's code page; redirected to a file or a pipe, the bytes pass unchanged through the
// C runtime's stream.
class ConsoleStream
{
public:
    enum Which { Output, Error };

    ConsoleStream(Which which, std::ostream &redirected);
    ~ConsoleStream();
    ConsoleStream(const ConsoleStream &) = delete;
    ConsoleStream &operator=(const ConsoleStream &) = delete;

    std::ostream &stream() { return m_console ? *m_console : m_redirected; }

private:
    class Buffer;

    std::ostream &m_redirected;
    std::unique_ptr<Buffer> m_buffer;
    std::unique_ptr<std::ostream> m_console;
};

} // namespace Quiverstep
