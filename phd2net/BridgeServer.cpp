#include "BridgeServer.h"

#include <chrono>

namespace Quiverstep::Phd2 {

namespace {

constexpr auto RetryInterval = std::chrono::seconds(1);

std::string text(const asio::ip::tcp::endpoint &endpoint)
{
    return endpoint.address().to_string() + ":" + std::to_string(endpoint.port());
}

} // namespace

BridgeServer::BridgeServer(asio::io_context &io, WalkStore &walk, Options options, Printer print)
    : m_io(io)
    , m_options(std::move(options))
    , m_print(std::move(print))
    , m_bridge(*this, walk)
    , m_acceptor(io)
    , m_resolver(io)
    , m_retry(io)
{}

void BridgeServer::Start()
{
    m_acceptor.open(m_options.listen.protocol());
    m_acceptor.set_option(asio::ip::tcp::acceptor::reuse_address(true));
    m_acceptor.bind(m_options.listen);
    m_acceptor.listen();
    Report("listening on " + text(m_acceptor.local_endpoint()) + " for imaging programs; PHD2 at "
           + m_options.phd2Host + ":" + m_options.phd2Port);
    accept();
    connectPhd2();
}

unsigned short BridgeServer::Port() const
{
    return m_acceptor.local_endpoint().port();
}

void BridgeServer::accept()
{
    auto socket = std::make_shared<LineSocket>(m_io);
    m_acceptor.async_accept(socket->socket(), [this, socket](std::error_code error) {
        if (error == asio::error::operation_aborted)
            return;
        if (!error) {
            const int id = ++m_nextClient;
            std::error_code ignored;
            socket->socket().set_option(asio::ip::tcp::no_delay(true), ignored);
            m_connections[id].client = socket;
            Report("client " + std::to_string(id) + " connected from "
                   + text(socket->socket().remote_endpoint(ignored)));
            connectUpstream(id);
        }
        accept();
    });
}

void BridgeServer::connectUpstream(int id)
{
    auto upstream = std::make_shared<LineSocket>(m_io);
    m_connections[id].upstream = upstream;
    m_resolver.async_resolve(
            m_options.phd2Host,
            m_options.phd2Port,
            [this, id, upstream](std::error_code error, asio::ip::tcp::resolver::results_type results) {
                if (error || !m_connections.contains(id)) {
                    closeClient(id);
                    return;
                }
                asio::async_connect(upstream->socket(), results, [this, id, upstream](std::error_code error, const auto &) {
                    const auto found = m_connections.find(id);
                    if (found == m_connections.end())
                        return upstream->Close();
                    if (error) {
                        Report("client " + std::to_string(id) + ": PHD2 is not reachable; closing");
                        closeClient(id);
                        return;
                    }
                    std::error_code ignored;
                    upstream->socket().set_option(asio::ip::tcp::no_delay(true), ignored);
                    m_bridge.ClientOpened(id);
                    found->second.client->ReadBytes(
                            [this, id](std::string_view bytes) { guarded(id, [&] { m_bridge.ClientBytes(id, bytes); }); },
                            [this, id] { closeClient(id); });
                    upstream->ReadLines(
                            [this, id](const std::string &line) { guarded(id, [&] { m_bridge.UpstreamLine(id, line); }); },
                            [this, id] { closeClient(id); });
                });
            });
}

void BridgeServer::closeClient(int id)
{
    const auto found = m_connections.find(id);
    if (found == m_connections.end())
        return;
    Connection connection = found->second;
    m_connections.erase(found);
    m_bridge.ClientClosed(id);
    Report("client " + std::to_string(id) + " disconnected");
    // What PHD2 said last still reaches the client before its connection closes.
    if (connection.client)
        connection.client->CloseAfterWrites();
    if (connection.upstream)
        connection.upstream->Close();
}

void BridgeServer::connectPhd2()
{
    m_resolver.async_resolve(
            m_options.phd2Host,
            m_options.phd2Port,
            [this](std::error_code error, asio::ip::tcp::resolver::results_type results) {
                if (error)
                    return retryPhd2();
                auto socket = std::make_shared<LineSocket>(m_io);
                asio::async_connect(socket->socket(), results, [this, socket](std::error_code error, const auto &) {
                    if (error)
                        return retryPhd2();
                    std::error_code ignored;
                    socket->socket().set_option(asio::ip::tcp::no_delay(true), ignored);
                    m_phd2 = socket;
                    m_phd2WasUp = true;
                    m_bridge.Phd2Opened();
                    socket->ReadLines([this](const std::string &line) { guarded(0, [&] { m_bridge.Phd2Line(line); }); },
                                      [this] {
                                          m_phd2.reset();
                                          m_bridge.Phd2Closed();
                                          retryPhd2();
                                      });
                });
            });
}

void BridgeServer::guarded(int client, const std::function<void()> &work)
{
    // Whatever slipped through costs that client its connection, never the bridge.
    try {
        work();
    } catch (const std::exception &error) {
        Report(std::string("internal error: ") + error.what());
        if (client)
            closeClient(client);
    }
}

void BridgeServer::retryPhd2()
{
    if (m_phd2WasUp)
        Report("PHD2 is not reachable at " + m_options.phd2Host + ":" + m_options.phd2Port
               + "; trying every second");
    m_phd2WasUp = false;
    m_retry.expires_after(RetryInterval);
    m_retry.async_wait([this](std::error_code error) {
        if (!error)
            connectPhd2();
    });
}

void BridgeServer::ToClient(int client, const std::string &line)
{
    const auto found = m_connections.find(client);
    if (found != m_connections.end() && found->second.client)
        found->second.client->Send(line);
}

void BridgeServer::ToUpstream(int client, const std::string &line)
{
    const auto found = m_connections.find(client);
    if (found != m_connections.end() && found->second.upstream)
        found->second.upstream->Send(line);
}

void BridgeServer::ToPhd2(const std::string &line)
{
    if (m_phd2)
        m_phd2->Send(line);
}

void BridgeServer::Report(const std::string &text)
{
    m_print(text);
}

double BridgeServer::Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double BridgeServer::Timestamp()
{
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

} // namespace Quiverstep::Phd2
