// What one CameraEvent costs with the substitute camera and the settings database on disk,
// beside its floor: the same reads and writes done directly on the same database in one
// transaction. A correction reads no settings and must stay under 5 microseconds; a dither
// update may cost at most 1.5 times its floor, which holds only while all of its writes
// reach the disk in one durable commit.
#include "PlugInRig.h"
#include "SettingKeys.h"
#include "SqliteStore.h"
#include "BenchmarkStore.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <thread>
#include <unistd.h>

using namespace Quiverstep;

namespace {

// The settings database reached directly, with the production store's settings (write-ahead
// log, full synchronisation): the floor under what an event costs.
class RawDatabase
{
public:
    explicit RawDatabase(const std::filesystem::path &path)
    {
        if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr)
            != SQLITE_OK)
            throw std::runtime_error("cannot open " + path.string());
        sqlite3_busy_timeout(m_db, 5000);
        exec(SqliteStore::JournalModeStatement);
        exec(SqliteStore::SynchronousStatement);
        m_find = prepare(SqliteStore::FindStatement);
        m_save = prepare(SqliteStore::SaveStatement);
    }
    ~RawDatabase()
    {
        sqlite3_finalize(m_find);
        sqlite3_finalize(m_save);
        sqlite3_close_v2(m_db);
    }
    RawDatabase(const RawDatabase &) = delete;
    RawDatabase &operator=(const RawDatabase &) = delete;

    // The reads and writes in one transaction (none when there are none).
    void Replay(const std::vector<StoreAccess> &accesses)
    {
        if (accesses.empty())
            return;
        const bool writes = std::ranges::any_of(accesses, &StoreAccess::write);
        exec(writes ? "BEGIN IMMEDIATE" : "BEGIN");
        for (const StoreAccess &access : accesses) {
            sqlite3_stmt *statement = access.write ? m_save : m_find;
            bind(statement, 1, Keys::Application);
            bind(statement, 2, Keys::Section);
            bind(statement, 3, access.key);
            if (access.write)
                bind(statement, 4, access.value);
            int rc = SQLITE_ROW;
            while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            }
            sqlite3_reset(statement);
            if (rc != SQLITE_DONE)
                throw std::runtime_error(std::string("cannot replay: ") + sqlite3_errmsg(m_db));
        }
        exec("COMMIT");
    }

private:
    void exec(const char *sql)
    {
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string("cannot run ") + sql + ": " + sqlite3_errmsg(m_db));
    }
    sqlite3_stmt *prepare(const char *sql)
    {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr)
            != SQLITE_OK)
            throw std::runtime_error(std::string("cannot prepare ") + sql);
        return statement;
    }
    static void bind(sqlite3_stmt *statement, int index, std::string_view text)
    {
        sqlite3_bind_text(statement, index, text.data(), int(text.size()), SQLITE_STATIC);
    }

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_find = nullptr;
    sqlite3_stmt *m_save = nullptr;
};

std::filesystem::path dataFolder()
{
    // Beside the program, so on the disk of the build, not on a memory file system.
    return std::filesystem::canonical("/proc/self/exe").parent_path() / "bench-data";
}

// A fresh database's files, removed again afterwards.
struct DatabaseFiles
{
    DatabaseFiles()
    {
        std::filesystem::create_directories(path.parent_path());
        remove();
    }
    ~DatabaseFiles() { remove(); }
    void remove() const
    {
        for (const char *suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(path.string() + suffix);
    }
    const std::filesystem::path path = dataFolder()
                                       / ("bench-" + std::to_string(::getpid()) + ".db");
};

// One plug-in on a fresh database, after a guide start, set up for a scenario.
struct Bench
{
    explicit Bench(const BenchmarkScenario &s)
        : scenario(s)
    {
        SaveBenchmarkSettings(Settings(database), s.ditherType);
        rig.cameras.KeepLines(false);
        rig.cameras.SetValue("AutoguiderMaximumMove", 1000.0);
        rig.cameras.SetValue("AutoguiderMinimumMove", 100.0);
        rig.GuideFrame(0, 0);
        if (!s.guideStart) {
            rig.cameras.SetValue("GuideErrorX", 0.3);
            rig.cameras.SetValue("GuideErrorY", -0.2);
        }
    }

    // Makes the next event an update again; `walkBack` also puts the walk back to the
    // scenario's last step, as each measured update starts.
    void Prepare(bool walkBack = true)
    {
        if (walkBack)
            PutBackLastStep(database, scenario);
        if (scenario.image)
            rig.plugIn.bGuiding = true;
    }

    void Event()
    {
        rig.plugIn.CameraEvent(scenario.image ? 19 : 22, scenario.image ? 0 : 1, empty, 0, 0);
    }

    // The store work of one event.
    std::vector<StoreAccess> Trace(bool walkBack = true)
    {
        Prepare(walkBack);
        database.accesses.clear();
        database.tracing = true;
        Event();
        database.tracing = false;
        return database.accesses;
    }

    const BenchmarkScenario scenario;
    const std::string empty;
    DatabaseFiles files;
    TracingStore<SqliteStore> database{files.path};
    PlugInRig rig{database};
    RawDatabase raw{files.path};
};

void eventBenchmark(benchmark::State &state, const BenchmarkScenario &s)
{
    Bench bench(s);
    for (auto _ : state) {
        if (!s.lastStep.empty()) {
            // Back to the last step, outside the measured time.
            state.PauseTiming();
            bench.Prepare();
            state.ResumeTiming();
        } else {
            bench.Prepare();
        }
        bench.Event();
    }
    state.counters["store accesses"] = double(bench.Trace().size());
}

void floorBenchmark(benchmark::State &state, const BenchmarkScenario &s)
{
    Bench bench(s);
    // Two consecutive events, replayed in turn: the database skips a write of the value a
    // row already holds, and would then have nothing to commit.
    const std::vector<StoreAccess> first = bench.Trace();
    const std::vector<StoreAccess> second = bench.Trace(false);
    bool odd = false;
    for (auto _ : state) {
        bench.raw.Replay(odd ? second : first);
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
        if (line.starts_with("model name"))
            return line.substr(line.find(':') + 2);
    }
    return "unknown processor";
}

} // namespace

int main(int argc, char **argv)
{
    for (const BenchmarkScenario &s : BenchmarkScenarios) {
        using Function = void (*)(benchmark::State &, const BenchmarkScenario &);
        for (auto [kind, function] : {std::pair<std::string, Function>{"event/", eventBenchmark},
                                      {"floor/", floorBenchmark}})
            benchmark::RegisterBenchmark((kind + s.name).c_str(), function, s)
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
                "| target | met |\n|---|---|---|---|---|---|---|\n");
    for (const BenchmarkScenario &s : BenchmarkScenarios) {
        const auto event = reporter.medians.find("event/" + s.name);
        const auto floor = reporter.medians.find("floor/" + s.name);
        if (event == reporter.medians.end() || floor == reporter.medians.end())
            continue;
        const double accesses = reporter.accesses["floor/" + s.name];
        const double ratio = accesses > 0 ? event->second / floor->second : 0;
        char target[32] = "none", ratioText[32] = "-";
        bool met = true;
        if (s.eventTarget > 0) {
            std::snprintf(target, sizeof target, "< %s", duration(s.eventTarget).c_str());
            met = event->second < s.eventTarget;
        } else if (s.floorFactor > 0) {
            std::snprintf(target, sizeof target, "<= %.1f x floor", s.floorFactor);
            met = ratio <= s.floorFactor;
        }
        allMet = allMet && met;
        if (accesses > 0)
            std::snprintf(ratioText, sizeof ratioText, "%.2f", ratio);
        std::printf("| %s | %.0f | %s | %s | %s | %s | %s |\n",
                    s.name.c_str(),
                    accesses,
                    duration(event->second).c_str(),
                    accesses > 0 ? duration(floor->second).c_str() : "no store work",
                    ratioText,
                    target,
                    std::string(target) == "none" ? "-"
                    : met                         ? "yes"
                                                  : "NO");
    }
    std::printf("\nMeasured on %s, %u cores, database in %s\n",
                cpuModel().c_str(),
                std::thread::hardware_concurrency(),
                dataFolder().c_str());
    return allMet ? 0 : 1;
}
