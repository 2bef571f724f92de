#include "LineSocket.h"

#include <utility>

namespace Quiverstep::Phd2 {

namespace {

// PHD2's longest messages (a star image) are some kilobytes; this bounds a runaway line.
constexpr std::size_t MaxPhd2Line = 16 * 1024 * 1024;

} // namespace

LineSocket::LineSocket(asio::io_context &io)
    : m_socket(io)
    , m_lines(MaxPhd2Line)
{}

void LineSocket::ReadBytes(std::function<void(std::string_view)> onBytes, Closed onClosed)
{
    m_onBytes = std::move(onBytes);
    m_onClosed = std::move(onClosed);
    readBytes();
}

void LineSocket::ReadLines(std::function<void(const std::string &)> onLine, Closed onClosed)
{
    m_onLine = std::move(onLine);
    m_onClosed = std::move(onClosed);
    readLines();
}

void LineSocket::readBytes()
{
    m_socket.async_read_some(asio::buffer(m_bytes),
                             [self = shared_from_this()](std::error_code error, std::size_t n) {
                                 if (error || !self->m_open)
                                     return self->closed();
                                 self->m_onBytes(std::string_view(self->m_bytes.data(), n));
                                 if (self->m_open)
                                     self->readBytes();
                             });
}

void LineSocket::readLines()
{
    asio::async_read_until(m_socket, m_lines, '\n', [self = shared_from_this()](std::error_code error, std::size_t n) {
        if (error || !self->m_open)
            return self->closed();
        std::string line(asio::buffers_begin(self->m_lines.data()),
                         asio::buffers_begin(self->m_lines.data()) + std::ptrdiff_t(n));
        self->m_lines.consume(n);
        self->m_onLine(line);
        if (self->m_open)
            self->readLines();
    });
}

void LineSocket::Send(std::string data)
{
    if (!m_open || m_closeAfterWrites)
        return;
    m_writes.push_back(std::move(data));
    if (m_writes.size() == 1)
        write();
}

void LineSocket::write()
{
    asio::async_write(m_socket,
                      asio::buffer(m_writes.front()),
                      [self = shared_from_this()](std::error_code error, std::size_t) {
                          // Closed meanwhile: the queue is dead, with the buffer just written.
                          if (error || !self->m_open)
                              return self->closed();
                          self->m_writes.pop_front();
                          if (!self->m_writes.empty())
                              self->write();
                          else if (self->m_closeAfterWrites)
                              self->Close();
                      });
}

void LineSocket::CloseAfterWrites()
{
    m_closeAfterWrites = true;
    if (m_writes.empty())
        Close();
}

void LineSocket::Close()
{
    if (!m_open)
        return;
    m_open = false;
    std::error_code ignored;
    m_socket.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
    m_socket.close(ignored);
    closed();
}

void LineSocket::closed()
{
    if (m_open) {
        m_open = false;
        std::error_code ignored;
        m_socket.close(ignored);
    }
    // The queue stays: a write under way still reads its buffer until its handler runs.
    // Called once: the handler may drop the last reference to this socket.
    if (Closed onClosed = std::exchange(m_onClosed, nullptr))
        onClosed();
}

} // namespace Quiverstep::Phd2
