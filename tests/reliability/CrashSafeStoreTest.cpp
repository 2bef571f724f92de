// A child process dithers through the production store as fast as it can and reports each
// update that returned; it is killed with SIGKILL at a random moment, 200 times. After each
// kill the store must open, read and write at once, and hold exactly the state after the
// last reported update or the one after it: every key its old or its new value, the keys of
// one update together, every pattern whole. The expected states come from running the same
// updates on a copy in memory.
#include "BenchmarkStore.h"
#include "MemoryStore.h"
#include "PlugInRig.h"
#include "SettingKeys.h"
#include "SqliteStore.h"
#include "TempFolderTest.h"
#include "TimeLimits.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <poll.h>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace Quiverstep;

namespace {

using Snapshot = std::vector<std::pair<std::string, std::string>>;

constexpr int Kills = 200;

// The child: dither updates until killed, each reported by its count once it has returned.
[[noreturn]] void dither(const std::filesystem::path &path, int report)
{
    SqliteStore store(path);
    PlugInRig rig(store);
    rig.cameras.KeepLines(false);
    rig.plugIn.Debugging = 3;
    for (std::uint32_t done = 0; done < 1000000; ++done) {
        if (write(report, &done, sizeof done) != sizeof done)
            _exit(3);
        rig.ImageDone();
    }
    _exit(0);
}

// The states after 0, 1, ..., count updates from `start`, as the plug-in makes them.
std::vector<Snapshot> expectedStates(const Snapshot &start, std::uint32_t count)
{
    MemoryStore copy;
    for (const auto &[key, value] : start)
        copy.SaveSetting(Keys::Application, Keys::Section, key, value);
    PlugInRig rig(copy);
    rig.cameras.KeepLines(false);
    rig.plugIn.Debugging = 3;
    std::vector<Snapshot> states{start};
    for (std::uint32_t i = 0; i < count; ++i) {
        rig.ImageDone();
        states.push_back(copy.List(Keys::Application, Keys::Section));
    }
    return states;
}

using CrashSafeStoreTest = TempFolderTest;

} // namespace

TEST_F(CrashSafeStoreTest, KilledWriterLosesNothing)
{
    // Spiral, random walk, a built-in snake and the long user pattern in turn.
    const std::vector<std::string> types = {"0", "1", "4", "7"};
    Snapshot before;
    {
        SqliteStore store(path);
        const Settings settings(store);
        SaveBenchmarkSettings(settings, types[0]);
        settings.Save(Keys::Pattern(7), LongPattern(10000));
        settings.Save(Keys::Pattern(8), "");
        before = store.List(Keys::Application, Keys::Section);
    }

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    int roundsWithUpdates = 0;
    for (int round = 0; round < Kills; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(fds[0]);
            dither(path, fds[1]);
        }
        close(fds[1]);

        // Half of the kills fall anywhere from the start (opening, recovery), half while the
        // child is writing: after its first update returned, however slow the machine is.
        // What it reported last, that many updates have returned, and so are stored.
        std::uint32_t reported = 0, value = 0;
        const auto readReport = [&] {
            const bool got = read(fds[0], &value, sizeof value) == sizeof value;
            reported = got ? value : reported;
            return got;
        };
        if (random() % 2) {
            pollfd ready{fds[0], POLLIN, 0};
            while (reported == 0 && poll(&ready, 1, 5000) > 0 && readReport()) {
            }
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 30000));
        } else {
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 10000));
        }
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself: " << status;
        while (readReport()) {
        }
        close(fds[0]);

        // Open, read and write at once; the write also picks the next round's dither type.
        const auto start = std::chrono::steady_clock::now();
        Snapshot after, next;
        {
            SqliteStore store(path);
            after = store.List(Keys::Application, Keys::Section);
            Settings(store).Save(Keys::DitherType, types[std::size_t(round + 1) % types.size()]);
            next = store.List(Keys::Application, Keys::Section);
        }
        EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                  1.0 * SlowFactor)
                << "opening after the kill waited";

        const std::vector<Snapshot> states = expectedStates(before, reported + 1);
        // Either state holds every pattern whole, as the store held them before the round.
        const bool atNext = after == states[reported + 1];
        EXPECT_TRUE(after == states[reported] || atNext)
                << "the store holds neither the state after " << reported
                << " updates nor the one after";
        before = next;

        roundsWithUpdates += reported > 0 || atNext;
    }
    // The kills must have hit a writer at work, not only one that was starting.
    EXPECT_GE(roundsWithUpdates, Kills / 4);
}
