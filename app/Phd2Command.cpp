#include "Phd2Command.h"

#include "BridgeWalkStore.h"

#include "BridgeServer.h"
#include "SeededRandom.h"

#include <memory>
#include <optional>
#include <ostream>

namespace Quiverstep {

namespace {

struct Phd2Options
{
    std::string listen = "127.0.0.1:4410";
    std::string phd2 = "127.0.0.1:4400";
    std::optional<std::uint64_t> seed;
};

// HOST:PORT, the port a number from 0 (listen: any free port) to 65535.
std::pair<std::string, std::string> hostAndPort(const std::string &text, const char *option)
{
    const std::size_t colon = text.rfind(':');
    const std::string host = colon == std::string::npos ? "" : text.substr(0, colon);
    const std::string port = colon == std::string::npos ? "" : text.substr(colon + 1);
    const bool numeric = !port.empty() && port.size() <= 5
                         && port.find_first_not_of("0123456789") == std::string::npos;
    if (host.empty() || !numeric || std::stoi(port) > 65535)
        throw UsageError(std::string(option) + ": expected HOST:PORT, got \"" + text + "\"");
    return {host, port};
}

void runBridge(CommandContext &context, const Phd2Options &options)
{
    const auto [listenHost, listenPort] = hostAndPort(options.listen, "--listen");
    const auto [phd2Host, phd2Port] = hostAndPort(options.phd2, "--phd2");
    std::error_code error;
    const asio::ip::address address = asio::ip::make_address(listenHost, error);
    if (error)
        throw UsageError("--listen: \"" + listenHost + "\" is not an IP address");

    std::unique_ptr<SeededRandom> seeded;
    if (options.seed)
        seeded = std::make_unique<SeededRandom>(DitherSeed(*options.seed));
    RandomSource &random = seeded ? static_cast<RandomSource &>(*seeded) : context.process.random;
    BridgeWalkStore walk(context.store(), random, context.platform);

    asio::io_context io;
    Phd2::BridgeServer server(
            io,
            walk,
            {asio::ip::tcp::endpoint(address, static_cast<unsigned short>(std::stoi(listenPort))), phd2Host, phd2Port},
            [&context](const std::string &text) { context.out << text << std::endl; });
    try {
        server.Start();
    } catch (const std::system_error &e) {
        throw UsageError("cannot listen on " + options.listen + ": " + e.code().message());
    }
    asio::signal_set signals(io, SIGINT, SIGTERM);
    signals.async_wait([&](std::error_code, int) {
        context.out << "stopping" << std::endl;
        io.stop();
    });
    io.run();
}

} // namespace

void AddPhd2Command(CLI::App &app, CommandContext &context)
{
    auto options = std::make_shared<Phd2Options>();
    CLI::App *command = app.add_subcommand(
            "phd2",
            "Bridge between imaging programs and PHD2: point the imaging program at the listening "
            "address instead of PHD2's. Everything passes through to PHD2 unchanged, except "
            "`dither`, which moves PHD2's lock to the next target of the stored dither setting "
            "(the walk shared with the plug-in, `path` and `assess`) and settles as PHD2 does. "
            "The dither's `amount` is ignored: the stored step size and max dither rule. "
            "Runs until interrupted (Ctrl+C).");
    command->add_option("--listen", options->listen, "Address and port for imaging programs (ADDR:PORT; "
                                                     "an address other than 127.0.0.1 opens the bridge to the network)")
            ->capture_default_str();
    command->add_option("--phd2", options->phd2, "PHD2's event server (HOST:PORT; 4400 + instance - 1)")
            ->capture_default_str();
    command->add_option("--seed", options->seed, "Seed of the random dither type (as `path --seed`), for repeatable walks");
    command->callback([&context, options] { runBridge(context, *options); });
}

} // namespace Quiverstep
