#include "CommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

using namespace Quiverstep;

namespace {

struct Result
{
    int status;
    std::string out;
    std::string err;
};

class SettingsCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db = std::filesystem::temp_directory_path()
             / ("quiverstep-settings-" + std::to_string(::getpid()) + ".db");
        removeDb();
    }
    void TearDown() override { removeDb(); }

    void removeDb()
    {
        for (const char *suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(db.string() + suffix);
    }

    Result run(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), {"--store", db.string()});
        std::ostringstream out, err;
        std::istringstream in;
        const int status = RunCommandLine(arguments, in, out, err);
        return {status, out.str(), err.str()};
    }

    std::string get(const std::string &key) { return run({"store", "get", key}).out; }

    std::filesystem::path db;
};

const std::string EmptyStoreView = "Dither Type: Spiral\n"
                                   "Step Size: 1\n"
                                   "Max Dither: 4\n"
                                   "Using AO-7: unchecked\n"
                                   "Log: unchecked\n"
                                   "Dither types:\n"
                                   "0 Spiral\n"
                                   "1 Random\n"
                                   "2 Half-step 2x2\n"
                                   "3 Horizontal Snake 10x10\n"
                                   "4 Vertical Snake 10x10\n"
                                   "5 Horizontall Snake 20x20\n"
                                   "6 Vertical Snake 20x20\n"
                                   "7         < Add New Pattern... >\n";

} // namespace

TEST_F(SettingsCommandsTest, FailingCheckPrintsItsMessageAndStoresNothing)
{
    const Result larger = run({"settings", "save", "--type", "0", "--step", "5", "--max", "4"});
    EXPECT_EQ(larger.status, 1);
    EXPECT_EQ(larger.out, "");
    EXPECT_EQ(larger.err, "Step Size is larger than dither box size - please fix\n");
    const Result outside = run({"settings", "save", "--type", "3", "--step", "1", "--max", "4"});
    EXPECT_EQ(outside.status, 1);
    EXPECT_TRUE(outside.err.ends_with("Dither and/or decrease Step Size.\n")) << outside.err;
    // Not even the built-in patterns the check needed are kept.
    EXPECT_EQ(run({"store", "list"}).out, "");
}

TEST_F(SettingsCommandsTest, SuccessfulSaveStoresAsTheDialogDoes)
{
    const Result saved = run({"settings", "save", "--type", "0", "--step", "1", "--max", "4"});
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(get("Current Offset X"), "16\n");
    EXPECT_EQ(get("Spiral Radius"), "0\n");

    removeDb(); // a built-in pattern on a fresh store, as the dialog would see it
    const Result snake = run(
            {"settings", "save", "--type", "3", "--step", "1", "--max", " 5", "--log"});
    EXPECT_EQ(snake.status, 0) << snake.err;
    EXPECT_EQ(get("Current Offset X"), "11\n");
    EXPECT_EQ(get("Max Dither X"), " 5\n");
    EXPECT_EQ(get("Log"), "1\n");
}

TEST_F(SettingsCommandsTest, ShowPrintsTheDialogsViewWithoutWriting)
{
    EXPECT_EQ(run({"settings", "show"}).out, EmptyStoreView);
    EXPECT_EQ(run({"store", "list"}).out, "");
    run({"store", "set", "Dither Type", "6"});
    run({"store", "set", "Log", "2"});
    EXPECT_TRUE(run({"settings", "show"})
                        .out.starts_with("Dither Type: Vertical Snake 20x20\n"
                                         "Step Size: 1\n"
                                         "Max Dither: 4\n"
                                         "Using AO-7: unchecked\n"
                                         "Log: grayed\n"));
}

TEST_F(SettingsCommandsTest, MissingArgumentsAreBadInput)
{
    EXPECT_EQ(run({"settings", "save", "--step", "1", "--max", "4"}).status, 2);
    EXPECT_EQ(run({"settings", "save", "--type", "x", "--step", "1", "--max", "4"}).status, 2);
    EXPECT_EQ(run({"store", "list"}).out, "");
}
