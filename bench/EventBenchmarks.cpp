// What one CameraEvent costs with the substitute camera and the settings database on disk,
// beside its floor: the same reads and writes done directly on the same database in one
// transaction. A correction reads no settings and must stay under 5 microseconds; a dither
// update may cost at most 1.5 times its floor, which holds only while all of its writes
// reach the disk in one durable commit.
#include "Pattern.h"
#include "PlugInRig.h"
#include "RawDatabase.h"
#include "SettingKeys.h"
#include "SqliteStore.h"
#include "TracingStore.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <thread>
#include <unistd.h>

using namespace Quiverstep;

namespace {

std::filesystem::path dataFolder()
{
    // Beside the program, so on the disk of the build, not on a memory file system.
    return std::filesystem::canonical("/proc/self/exe").parent_path() / "bench-data";
}

struct Scenario
{
    std::string name;
    std::string ditherType;
    bool image = true;       // event 19 (a dither update); otherwise event 22
    bool guideStart = false; // event 22 with errors (0, 0)
    std::string lastStep;    // "Current Step" put back before each update
    double eventTarget = 0;  // absolute target in seconds, 0 for none
    double floorFactor = 0;  // target as a multiple of the floor, 0 for none
};

const std::vector<Scenario> &scenarios()
{
    static const std::vector<Scenario> list = {
            {"correction", "0", false, false, "", 5e-6, 0},
            {"guide start", "0", false, true, "", 0, 0},
            {"dither: spiral", "0", true, false, "", 0, 1.5},
            {"dither: random", "1", true, false, "", 0, 1.5},
            {"dither: Half-step 2x2", "2", true, false, "", 0, 1.5},
            {"dither: Horizontall Snake 20x20, last step", "5", true, false, "440", 0, 1.5},
    };
    return list;
}

// One plug-in on a fresh database, after a guide start, set up for a scenario.
class Bench
{
public:
    explicit Bench(const Scenario &s)
        : m_scenario(s)
        , m_path(dataFolder() / ("bench-" + std::to_string(::getpid()) + ".db"))
    {
        std::filesystem::create_directories(m_path.parent_path());
        removeFiles();
        database = std::make_unique<SqliteStore>(m_path);
        tracing = std::make_unique<TracingStore>(*database);
        const Settings settings(*database);
        {
            StoreOperation operation(*database);
            settings.Save(Keys::DitherType, s.ditherType);
            settings.Save(Keys::DitherStep, "1");
            settings.Save(Keys::MaxDitherX, "4");
            settings.Save(Keys::Log, "0");
            settings.Save(Keys::CurrentOffsetX, "16");
            settings.Save(Keys::CurrentOffsetY, "16");
            InstallBuiltInPatterns(settings);
            operation.Commit();
        }
        PlugInRig::ForgetProcessState();
        rig = std::make_unique<PlugInRig>(*tracing);
        rig->cameras.KeepLines(false);
        rig->cameras.SetValue("AutoguiderMaximumMove", 1000.0);
        rig->cameras.SetValue("AutoguiderMinimumMove", 100.0);
        rig->GuideFrame(0, 0);
        if (!s.guideStart) {
            rig->cameras.SetValue("GuideErrorX", 0.3);
            rig->cameras.SetValue("GuideErrorY", -0.2);
        }
        raw = std::make_unique<RawDatabase>(m_path);
    }
    ~Bench()
    {
        raw.reset();
        rig.reset();
        tracing.reset();
        database.reset();
        removeFiles();
    }

    void Prepare()
    {
        if (!m_scenario.lastStep.empty()) {
            const Settings settings(*database);
            StoreOperation operation(*database);
            settings.Save(Keys::CurrentStep, m_scenario.lastStep);
            settings.Save(Keys::CurrentDirection, "False");
            operation.Commit();
        }
        if (m_scenario.image)
            rig->plugIn.bGuiding = true;
    }

    void Event()
    {
        rig->plugIn.CameraEvent(m_scenario.image ? 19 : 22, m_scenario.image ? 0 : 1, m_empty, 0, 0);
    }

    // The store work of one event; `prepare` first puts the walk back where the event
    // benchmark starts each update.
    std::vector<TracingStore::Access> Trace(bool prepare = true)
    {
        if (prepare)
            Prepare();
        else if (m_scenario.image)
            rig->plugIn.bGuiding = true;
        tracing->accesses.clear();
        tracing->tracing = true;
        Event();
        tracing->tracing = false;
        return tracing->accesses;
    }

    std::unique_ptr<SqliteStore> database;
    std::unique_ptr<TracingStore> tracing;
    std::unique_ptr<PlugInRig> rig;
    std::unique_ptr<RawDatabase> raw;

private:
    void removeFiles()
    {
        for (const char *suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(m_path.string() + suffix);
    }

    Scenario m_scenario;
    std::filesystem::path m_path;
    const std::string m_empty;
};

void eventBenchmark(benchmark::State &state, const Scenario &s)
{
    Bench bench(s);
    for (auto _ : state) {
        if (!s.lastStep.empty()) {
            // Back to the last step, outside the measured time.
            state.PauseTiming();
            bench.Prepare();
            state.ResumeTiming();
        } else if (s.image) {
            bench.rig->plugIn.bGuiding = true;
        }
        bench.Event();
    }
    state.counters["store accesses"] = double(bench.Trace().size());
}

void floorBenchmark(benchmark::State &state, const Scenario &s)
{
    Bench bench(s);
    // Two consecutive events, replayed in turn: the database skips a write of the value a
    // row already holds, and would then have nothing to commit.
    const std::vector<TracingStore::Access> first = bench.Trace();
    const std::vector<TracingStore::Access> second = bench.Trace(false);
    bool odd = false;
    for (auto _ : state) {
        bench.raw->Replay(odd ? second : first);
        odd = !odd;
    }
    state.counters["store accesses"] = double(first.size());
}

// Keeps the median of each benchmark, in seconds.
class TableReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
                continue;
            const std::string &name = run.run_name.function_name;
            medians[name] = run.GetAdjustedRealTime()
                            / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (const auto it = run.counters.find("store accesses"); it != run.counters.end())
                accesses[name] = it->second.value;
        }
    }
    std::map<std::string, double> medians;
    std::map<std::string, double> accesses;
};

std::string duration(double seconds)
{
    char text[32];
    if (seconds < 1e-3)
        std::snprintf(text, sizeof text, "%.2f µs", seconds * 1e6);
    else
        std::snprintf(text, sizeof text, "%.3f ms", seconds * 1e3);
    return text;
}

std::string cpuModel()
{
    std::ifstream in("/proc/cpuinfo");
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("model name", 0) == 0)
            return line.substr(line.find(':') + 2);
    }
    return "unknown processor";
}

} // namespace

int main(int argc, char **argv)
{
    for (const Scenario &s : scenarios()) {
        benchmark::RegisterBenchmark(("event/" + s.name).c_str(), eventBenchmark, s)
                ->UseRealTime()
                ->Repetitions(5)
                ->ReportAggregatesOnly(true)
                ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("floor/" + s.name).c_str(), floorBenchmark, s)
                ->UseRealTime()
                ->Repetitions(5)
                ->ReportAggregatesOnly(true)
                ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bool allMet = true;
    std::printf("\n| CameraEvent | store accesses | cost (median) | floor (median) | cost / floor "
                "| target | met |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    for (const Scenario &s : scenarios()) {
        const auto event = reporter.medians.find("event/" + s.name);
        const auto floor = reporter.medians.find("floor/" + s.name);
        if (event == reporter.medians.end() || floor == reporter.medians.end())
            continue;
        const bool hasFloor = reporter.accesses["floor/" + s.name] > 0;
        const double ratio = hasFloor ? event->second / floor->second : 0;
        std::string target = "none";
        bool met = true;
        if (s.eventTarget > 0) {
            target = "< " + duration(s.eventTarget);
            met = event->second < s.eventTarget;
        } else if (s.floorFactor > 0) {
            char text[32];
            std::snprintf(text, sizeof text, "<= %.1f x floor", s.floorFactor);
            target = text;
            met = ratio <= s.floorFactor;
        }
        allMet = allMet && met;
        char ratioText[32] = "-";
        if (hasFloor)
            std::snprintf(ratioText, sizeof ratioText, "%.2f", ratio);
        std::printf("| %s | %.0f | %s | %s | %s | %s | %s |\n",
                    s.name.c_str(),
                    reporter.accesses["floor/" + s.name],
                    duration(event->second).c_str(),
                    hasFloor ? duration(floor->second).c_str() : "no store work",
                    ratioText,
                    target.c_str(),
                    target == "none" ? "-"
                    : met            ? "yes"
                                     : "NO");
    }
    std::printf("\nMeasured on %s, %u cores, database in %s\n",
                cpuModel().c_str(),
                std::thread::hardware_concurrency(),
                dataFolder().c_str());
    return allMet ? 0 : 1;
}
