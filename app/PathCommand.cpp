#include "PathCommand.h"

#include "Conversions.h"
#include "DitherStepping.h"
#include "MemoryStore.h"
#include "SettingKeys.h"
#include "Spiral.h"

#include <memory>
#include <ostream>

namespace Quiverstep {

namespace {

// Collects the box messages instead of showing them.
class CollectedMessages : public MessageSink
{
public:
    void ShowTimedMessage(const std::string &) override {}
};

void printPath(CommandContext &context, int steps)
{
    // Work on a copy so that the stored walk is not advanced.
    MemoryStore copy;
    for (const auto &[key, value] : context.store().List(Keys::Application, Keys::Section))
        copy.SaveSetting(Keys::Application, Keys::Section, key, value);
    const Settings settings(copy);

    Spiral::InitSpiral(settings,
                       StrictNumber(settings.Get(Keys::MaxDitherX, "4")),
                       StrictNumber(settings.Get(Keys::DitherStep, "1")),
                       false);
    double x = 0, y = 0;
    for (int i = 0; i < steps; ++i) {
        Spiral::NextSpiralPosition(settings, x, y);
        context.out << RealToText(x) << ' ' << RealToText(y) << '\n';
    }
}

} // namespace

void AddPathCommand(CLI::App &app, CommandContext &context)
{
    auto steps = std::make_shared<int>(20);
    CLI::App *path = app.add_subcommand("path",
                                        "Print the next dither positions of the stored settings");
    path->add_option("--steps", *steps, "How many positions")
            ->check(CLI::Range(0, 1000000))
            ->capture_default_str();
    path->callback([&context, steps] { printPath(context, *steps); });
}

} // namespace Quiverstep
