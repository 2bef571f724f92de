#pragma once

#include <asio.hpp>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace Quiverstep::Phd2 {

// A TCP connection with a queue of writes, read either as raw bytes or as lines.
class LineSocket : public std::enable_shared_from_this<LineSocket>
{
public:
    using Closed = std::function<void()>;

    explicit LineSocket(asio::io_context &io);

    asio::ip::tcp::socket &socket() { return m_socket; }
    bool open() const { return m_open; }

    void ReadBytes(std::function<void(std::string_view)> onBytes, Closed onClosed);
    // Each line with its LF.
    void ReadLines(std::function<void(const std::string &)> onLine, Closed onClosed);
    void Send(std::string data);
    // Closes once what is queued has been written.
    void CloseAfterWrites();
    void Close();

private:
    void readBytes();
    void readLines();
    void write();
    void closed();

    asio::ip::tcp::socket m_socket;
    bool m_open = true;
    bool m_closeAfterWrites = false;
    std::deque<std::string> m_writes;
    std::array<char, 4096> m_bytes{};
    asio::streambuf m_lines;
    std::function<void(std::string_view)> m_onBytes;
    std::function<void(const std::string &)> m_onLine;
    Closed m_onClosed;
};

} // namespace Quiverstep::Phd2
