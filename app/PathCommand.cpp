#include "PathCommand.h"

#include "StoreCopyWalk.h"

#include "Conversions.h"
#include "UnseededRandom.h"

#include <memory>
#include <ostream>

namespace Quiverstep {

namespace {

void printPath(CommandContext &context, int steps)
{
    StoreCopyWalk onCopy(context.store(), context.platform, context.err, UnseededRandom::Process());
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
    auto steps = std::make_shared<int>(20);
    CLI::App *path = app.add_subcommand("path",
                                        "Print the next dither positions of the stored settings "
                                        "(computed on a copy; the store is not changed)");
    path->add_option("--steps", *steps, "How many positions")
            ->check(CLI::Range(0, 1000000))
            ->capture_default_str();
    path->callback([&context, steps] { printPath(context, *steps); });
}

} // namespace Quiverstep
