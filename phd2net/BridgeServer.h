#pragma once

#include "Bridge.h"
#include "BridgeLinks.h"
#include "LineSocket.h"
#include "WalkStore.h"

#include <asio.hpp>

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace Quiverstep::Phd2 {

// The bridge on the network: it listens for imaging programs, gives each its own connection
// to PHD2, keeps one of its own, and connects again whenever PHD2 goes away and comes back.
class BridgeServer : public BridgeLinks
{
public:
    struct Options
    {
        asio::ip::tcp::endpoint listen;
        std::string phd2Host;
        std::string phd2Port;
    };
    using Printer = std::function<void(const std::string &)>;

    BridgeServer(asio::io_context &io, WalkStore &walk, Options options, Printer print);

    // Opens the listening socket (throws std::system_error when it cannot) and starts.
    void Start();
    // The port listened on, once started (the one chosen when 0 was asked for).
    unsigned short Port() const;

    void ToClient(int client, const std::string &line) override;
    void ToUpstream(int client, const std::string &line) override;
    void ToPhd2(const std::string &line) override;
    void Report(const std::string &text) override;
    double Now() override;
    double Timestamp() override;

private:
    struct Connection
    {
        std::shared_ptr<LineSocket> client;
        std::shared_ptr<LineSocket> upstream;
    };

    void accept();
    void connectUpstream(int id);
    void closeClient(int id);
    void connectPhd2();
    void retryPhd2();
    void guarded(int client, const std::function<void()> &work);

    asio::io_context &m_io;
    Options m_options;
    Printer m_print;
    Bridge m_bridge;
    asio::ip::tcp::acceptor m_acceptor;
    asio::ip::tcp::resolver m_resolver;
    asio::steady_timer m_retry;
    std::shared_ptr<LineSocket> m_phd2;
    bool m_phd2WasUp = true; // says "not reachable" once per outage
    std::map<int, Connection> m_connections;
    int m_nextClient = 0;
};

} // namespace Quiverstep::Phd2
