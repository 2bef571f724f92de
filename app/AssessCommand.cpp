#include "AssessCommand.h"

#include "AssessmentPlot.h"
#include "ReportPlot.h"
#include "RunSettings.h"
#include "StoreCopyWalk.h"

#include "AssessmentText.h"
#include "DitherTypeList.h"
#include "MemoryStore.h"
#include "Pattern.h"
#include "SeededRandom.h"

#include <cmath>
#include <fstream>
#include <memory>
#include <ostream>

namespace Quiverstep {

namespace {

struct AssessOptions
{
    RunSettings settings;
    bool all = false;
    Assessment night; // its images, geometry and seed
    std::string json;
    std::string plot;
};

// One setting over the night, on a copy of `store`: saved as the dialog's OK saves it (a
// refusal throws UsageError with its message), then walked through the real dither update.
Assessment::Result assess(CommandContext &context,
                          SettingsStore &store,
                          const RunSettings &settings,
                          const Assessment &night)
{
    SeededRandom random(DitherSeed(night.seed));
    StoreCopyWalk onCopy(store, context.platform, context.err, random);
    SaveRunSettings(onCopy.store(), settings, onCopy.walk().process().spiral);
    const SettingsView saved = LoadSettingsView(Settings(onCopy.store()));

    Assessment::Result result;
    result.ditherType = saved.list.entries.at(saved.ditherType);
    result.stepSize = saved.stepSize;
    result.maxDither = saved.maxDither;
    result.figures = ComputeDitherFigures(onCopy.walk().Targets(night.images), night.geometry);
    return result;
}

// Every entry of the dialog's dither type list with the same step and box, each walked from
// one copy of the user's store, read once. Settings that no type passes (the spiral is
// refused only for what every type is) are bad input.
void assessAll(CommandContext &context, const AssessOptions &options, Assessment &assessment)
{
    MemoryStore copy;
    CopySettingsWithoutLog(context.store(), copy);
    const Settings settings(copy);
    InstallBuiltInPatterns(settings); // as the save of each setting would
    const DitherTypeList list = FillDitherTypeList(settings);

    RunSettings setting = options.settings;
    for (std::int32_t type = 0; type < list.nextPattern; ++type) {
        setting.type = std::to_string(type);
        try {
            assessment.results.push_back(assess(context, copy, setting, assessment));
        } catch (const UsageError &refusal) {
            if (type == 0)
                throw;
            Assessment::Result refused;
            refused.ditherType = list.entries.at(type);
            refused.stepSize = assessment.results.front().stepSize;
            refused.maxDither = assessment.results.front().maxDither;
            refused.refused = refusal.what();
            assessment.results.push_back(refused);
        }
    }
    assessment.Rank();
}

void writeJson(const std::string &path, const Assessment &assessment)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    WriteAssessmentJson(file, assessment);
    file.close();
    if (!file)
        throw std::runtime_error("cannot write the report " + path);
}

void run(CommandContext &context, const AssessOptions &options)
{
    if (!options.plot.empty() && !CanDrawPictures())
        throw UsageError(std::string("--plot: ") + NoWindows);
    Assessment assessment = options.night;
    if (options.all)
        assessAll(context, options, assessment);
    else
        assessment.results.push_back(assess(context, context.store(), options.settings, assessment));

    WriteAssessmentTable(context.out, assessment);
    if (!options.json.empty()) {
        writeJson(options.json, assessment);
        context.out << "Report: " << options.json << '\n';
    }
    if (!options.plot.empty()) {
        WriteAssessmentPlot(options.plot, assessment);
        context.out << "Plot: " << options.plot << '\n';
    }
}

// A number that must be finite and, unless zero is allowed, above it.
CLI::Validator finite(bool positive)
{
    return CLI::Validator(
            [positive](std::string &text) -> std::string {
                double value = 0;
                if (!CLI::detail::lexical_cast(text, value) || !std::isfinite(value))
                    return "not a finite number: " + text;
                if (positive && !(value > 0))
                    return "not above 0: " + text;
                return {};
            },
            positive ? "POSITIVE" : "NUMBER");
}

} // namespace

void AddAssessCommand(CLI::App &app, CommandContext &context)
{
    auto options = std::make_shared<AssessOptions>();
    options->night.images = 40;
    options->night.seed = 1;
    CLI::App *command = app.add_subcommand(
            "assess",
            "Before the night: where a dither setting puts the images on the imaging camera's "
            "pixels, how evenly it covers their sub-pixel positions, the border it costs and "
            "its settling. Works on a copy of the store; the settings go through the dialog's "
            "checks.");
    AddRunSettingsOptions(*command, options->settings);
    command->add_option("--seed", options->night.seed, "Seed of the random dither type")
            ->capture_default_str();
    command->add_option("--images", options->night.images, "Images of the night")
            ->check(CLI::Range(1, 100000))
            ->capture_default_str();
    ImagingGeometry &geometry = options->night.geometry;
    command->add_option("--scale",
                        geometry.scale,
                        "Imaging pixels per guide pixel: the guide camera's arc seconds per "
                        "pixel divided by the imaging camera's")
            ->check(finite(true))
            ->type_name("R")
            ->capture_default_str();
    command->add_option("--angle",
                        geometry.angleDegrees,
                        "Rotation of the imaging camera against the guide camera, in degrees")
            ->check(finite(false))
            ->type_name("DEG")
            ->capture_default_str();
    command->add_option("--max-move",
                        geometry.maxMove,
                        "The host's largest guide move per frame, in guide pixels")
            ->check(finite(true))
            ->type_name("PX")
            ->capture_default_str();
    CLI::Option *all = command->add_flag("--all",
                                         options->all,
                                         "Every dither type of the settings dialog's list, "
                                         "ranked, with the same step and max dither");
    all->excludes(command->get_option("--type"));
    command->add_option("--json", options->json, "Also write the figures and positions as JSON")
            ->type_name("FILE");
    command->add_option("--plot",
                        options->plot,
                        "Also draw the positions and the sub-pixel square as PNG")
            ->type_name("FILE");
    command->callback([&context, options] { run(context, *options); });
}

} // namespace Quiverstep
