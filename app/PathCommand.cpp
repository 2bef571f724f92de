#include "PathCommand.h"

#include "StoreCopyWalk.h"

#include "Conversions.h"
#include "SeededRandom.h"

#include <memory>
#include <optional>
#include <ostream>

namespace Quiverstep {

namespace {

struct PathOptions
{
    int steps = 20;
    std::optional<std::uint64_t> seed;
};

void printPath(CommandContext &context, const PathOptions &options)
{
    const int steps = options.steps;
    std::optional<SeededRandom> seeded;
    if (options.seed)
        seeded.emplace(DitherSeed(*options.seed));
    RandomSource &random = seeded ? static_cast<RandomSource &>(*seeded) : context.process.random;
    StoreCopyWalk onCopy(context.store(), context.platform, context.err, random);
    DitherWalk &walk = onCopy.walk();
    walk.Start();
    for (int i = 0; i < steps; ++i) {
        const PixelPoint target = walk.Next();
        context.out << RealToText(target.x) << ' ' << RealToText(target.y) << '\n';
    }
}

} // namespace

void AddPathCommand(CLI::App &app, CommandContext &context)
{
    auto options = std::make_shared<PathOptions>();
    CLI::App *path = app.add_subcommand("path",
                                        "Print the next dither positions of the stored settings "
                                        "(computed on a copy; the store is not changed)");
    path->add_option("--steps", options->steps, "How many positions")
            ->check(CLI::Range(0, 1000000))
            ->capture_default_str();
    path->add_option("--seed", options->seed, "Seed of the random dither type (as in run and assess)");
    path->callback([&context, options] { printPath(context, *options); });
}

} // namespace Quiverstep
