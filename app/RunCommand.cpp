#include "RunCommand.h"

#include "ReportPlot.h"
#include "RunSettings.h"

#include "Conversions.h"
#include "GuidingSession.h"
#include "ReportText.h"

#include <fstream>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace Quiverstep {

namespace {

struct RunOptions
{
    GuidingSession::Options session;
    RunSettings settings;
    std::string json;
    std::string plot;
};

// Overwrites one line on a terminal; elsewhere (a log, a pipe) prints a line now and then.
class ProgressLine
{
public:
    explicit ProgressLine(CommandContext &context)
        : m_err(context.err)
        , m_terminal(&context.err == &std::cerr && ::isatty(STDERR_FILENO))
    {}

    void Show(const SessionReport::Image &image, int images)
    {
        const std::string text = "image " + std::to_string(image.number) + " of "
                                 + std::to_string(images) + ", target " + RealToText(image.targetX)
                                 + ", " + RealToText(image.targetY);
        if (m_terminal) {
            m_err << "\r\033[K" << text << std::flush;
            m_open = true;
        } else if (image.number % std::max(1, images / 10) == 0 || image.number == images) {
            m_err << text << '\n';
        }
    }

    void Finish()
    {
        if (m_open)
            m_err << "\r\033[K" << std::flush;
    }

private:
    std::ostream &m_err;
    bool m_terminal;
    bool m_open = false;
};

void run(CommandContext &context, const RunOptions &options)
{
    if (!options.plot.empty() && !CanDrawPictures())
        throw UsageError(std::string("--plot: ") + NoWindows);
    SettingsStore &store = context.store();
    SaveRunSettings(store, options.settings, context.process.spiral);

    CommandPlatform &platform = context.platform;
    GuidingSession session(store, platform.clock, platform.files, platform.paths, options.session);
    ProgressLine progress(context);
    const SessionReport report = session.Run(
            [&progress](const SessionReport::Image &image, int images) {
                progress.Show(image, images);
            });
    progress.Finish();

    WriteReportTable(context.out, report);
    if (!options.json.empty()) {
        std::ofstream file(options.json, std::ios::binary | std::ios::trunc);
        WriteReportJson(file, report);
        file.close();
        if (!file)
            throw std::runtime_error("cannot write the report " + options.json);
        context.out << "Report: " << options.json << '\n';
    }
    if (!options.plot.empty()) {
        WriteReportPlot(options.plot, report);
        context.out << "Plot: " << options.plot << '\n';
    }
}

} // namespace

void AddRunCommand(CLI::App &app, CommandContext &context)
{
    auto options = std::make_shared<RunOptions>();
    CLI::App *command = app.add_subcommand(
            "run",
            "Simulate a night of autoguided imaging with the plug-in and report how the guide "
            "star followed the dither targets. The settings are saved first, as the settings "
            "dialog's OK saves them, so the dither walk starts afresh.");
    GuidingSession::Options &session = options->session;
    command->add_option("--images", session.images, "Images to take")
            ->check(CLI::Range(0, 100000))
            ->capture_default_str();
    command->add_option("--frames", session.framesPerImage, "Exposure length in guide frames")
            ->check(CLI::Range(1, 100000))
            ->capture_default_str();
    command->add_option("--seed", session.seed, "Seed of the seeing and the random dither")
            ->capture_default_str();
    command->add_option("--tolerance",
                        session.tolerance,
                        "Pixels on each axis within which the star counts as settled")
            ->check(CLI::NonNegativeNumber)
            ->capture_default_str();
    command->add_option("--seeing", session.camera.seeing, "Seeing sigma in guide pixels")
            ->check(CLI::NonNegativeNumber)
            ->capture_default_str();
    AddRunSettingsOptions(*command, options->settings);
    command->add_option("--json", options->json, "Also write the report as JSON")->type_name("FILE");
    command->add_option("--plot", options->plot, "Also draw the targets and the track as PNG")
            ->type_name("FILE");
    command->callback([&context, options] { run(context, *options); });
}

} // namespace Quiverstep
