// A long night in one process as users run it: guide frames with an image every 10 frames,
// every dither type in turn, on the per-user SQLite store with the guide log on (or, with
// --memory, on the in-memory store without a log, as the tests run it). The resident memory
// after the last frame must be within 1 MiB of what it was after the first 10,000 frames.
#include "MemoryStore.h"
#include "Pattern.h"
#include "PlugInRig.h"
#include "SettingKeys.h"
#include "SqliteStore.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

using namespace Quiverstep;

namespace {

long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

} // namespace

int main(int argc, char **argv)
{
    const bool inMemory = argc > 1 && std::string(argv[1]) == "--memory";
    const int first = inMemory ? 2 : 1;
    const long frames = argc > first ? std::atol(argv[first]) : 250000;
    constexpr long Baseline = 10000;
    [[maybe_unused]] constexpr long Allowed = 1 << 20;
    if (frames <= Baseline) {
        std::fprintf(stderr, "usage: quiverstep_soak [--memory] FRAMES (more than %ld)\n", Baseline);
        return 2;
    }

    const std::filesystem::path folder = std::filesystem::temp_directory_path()
                                         / ("quiverstep-soak-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::unique_ptr<SettingsStore> store;
    if (inMemory)
        store = std::make_unique<MemoryStore>();
    else
        store = std::make_unique<SqliteStore>(folder / "Quiverstep.db");
    const Settings settings(*store);
    settings.Save(Keys::DitherStep, "1");
    settings.Save(Keys::MaxDitherX, "4");
    if (!inMemory) {
        settings.Save(Keys::Log, "1");
        settings.Save(Keys::LogFile, (folder / "Quiverstep118.log").string());
    }
    InstallBuiltInPatterns(settings);
    PlugInRig rig(*store);
    rig.cameras.KeepLines(false);
    rig.cameras.SetValue("AutoguiderMaximumMove", 1000.0);
    rig.cameras.SetValue("AutoguiderMinimumMove", 50.0);

    const char *types[] = {"0", "1", "2", "3", "4", "5", "6"};
    long baseline = 0;
    long images = 0;
    for (long frame = 0; frame < frames; ++frame) {
        if (frame % 20000 == 0) {
            // The user picks another dither type; guiding starts again.
            settings.Save(Keys::DitherType, types[frame / 20000 % 7]);
            rig.GuideFrame(0, 0);
            continue;
        }
        // A star that wanders a little around the target.
        const double t = double(frame);
        rig.GuideFrame(0.05 + 0.3 * std::sin(t * 0.37), -0.05 + 0.3 * std::cos(t * 0.23));
        if (frame % 10 == 0) {
            rig.ImageDone();
            ++images;
        }
        if (frame + 1 == Baseline)
            baseline = residentBytes();
    }
    const long last = residentBytes();
    const long growth = last - baseline;
    std::uintmax_t logBytes = 0;
    if (!inMemory)
        logBytes = std::filesystem::file_size(folder / "Quiverstep118.log");
    std::filesystem::remove_all(folder);
    std::printf("soak: %s; %ld guide frames, %ld images; resident %.2f MiB after %ld frames, "
                "%.2f MiB after the last (%+ld bytes)\n",
                inMemory ? "in-memory store, no log"
                         : ("SQLite store, guide log of " + std::to_string(logBytes / 1048576)
                            + " MiB")
                                   .c_str(),
                frames,
                images,
                baseline / 1048576.0,
                Baseline,
                last / 1048576.0,
                growth);
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer's allocator holds freed memory back by design; under it this run
    // looks for memory errors and leaks, and resident memory is judged in the normal build.
    const bool kept = true;
    std::printf("soak: resident memory not judged under AddressSanitizer\n");
#else
    const bool kept = growth <= Allowed;
#endif
    // The plug-in must still be dithering: the target has moved off the centre.
    const bool working = rig.plugIn.XOffset != 16 || rig.plugIn.YOffset != 16;
    std::printf("soak: %d passed, %d failed\n", kept && working, !(kept && working));
    return kept && working ? 0 : 1;
}
