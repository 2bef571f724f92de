#include "PathCommand.h"

#include "Conversions.h"
#include "DitherPlugIn.h"
#include "EventNumbers.h"
#include "HeadlessUserInterface.h"
#include "PosixPlatform.h"
#include "MemoryStore.h"
#include "RecordingCamera.h"
#include "SettingKeys.h"
#include "UnseededRandom.h"

#include <memory>
#include <ostream>

namespace Quiverstep {

namespace {

void printPath(CommandContext &context, int steps)
{
    // Work on a copy so that the stored walk is not advanced, and keep the user's log out of it.
    MemoryStore copy;
    for (const auto &[key, value] : context.store().List(Keys::Application, Keys::Section))
        copy.SaveSetting(Keys::Application, Keys::Section, key, value);
    copy.SaveSetting(Keys::Application, Keys::Section, Keys::Log, "0");

    RecordingCameraFactory cameras;
    HeadlessUserInterface ui(
            [&context](const std::string &text) { context.err << "message: " << text << '\n'; });
    PosixPlatform platform;
    PlugInEnvironment environment{copy,
                                  cameras,
                                  ui,
                                  platform.clock,
                                  UnseededRandom::Process(),
                                  platform.files,
                                  platform.paths};
    DitherPlugIn plugIn(environment);

    // As the simulator does: a guide start in test mode 2, then one image per step in mode 3.
    plugIn.Debugging = TestModes::GuideStart;
    plugIn.CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
    plugIn.Debugging = TestModes::Dither;
    for (int i = 0; i < steps; ++i) {
        plugIn.CameraEvent(Events::ExposureEnd, Events::ImagingCamera, "", 0, 0);
        context.out << RealToText(plugIn.XOffset) << ' ' << RealToText(plugIn.YOffset) << '\n';
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
