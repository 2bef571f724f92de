#include "CommandLineFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

using namespace Quiverstep;

using SettingsCommandsTest = CommandLineFixture;

namespace {

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
    const CommandResult larger = run(
            {"settings", "save", "--type", "0", "--step", "5", "--max", "4"});
    EXPECT_EQ(larger.status, 1);
    EXPECT_EQ(larger.out, "");
    EXPECT_EQ(larger.err, "Step Size is larger than dither box size - please fix\n");
    const CommandResult outside = run(
            {"settings", "save", "--type", "3", "--step", "1", "--max", "4"});
    EXPECT_EQ(outside.status, 1);
    EXPECT_TRUE(outside.err.ends_with("Dither and/or decrease Step Size.\n")) << outside.err;
    // An option given empty with "=" is the empty text, not a wait for the next argument.
    const CommandResult empty = run({"settings", "save", "--type=0", "--step=", "--max=4"});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "Dither Step Size is not numeric\n");
    // Not even the built-in patterns the check needed are kept.
    EXPECT_EQ(run({"store", "list"}).out, "");
}

TEST_F(SettingsCommandsTest, SuccessfulSaveStoresAsTheDialogDoes)
{
    const CommandResult saved = run(
            {"settings", "save", "--type", "0", "--step", "1", "--max", "4"});
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(stored("Current Offset X"), "16\n");
    EXPECT_EQ(stored("Spiral Radius"), "0\n");

    db = folder / "fresh.db"; // a built-in pattern on a fresh store, as the dialog would see it
    const CommandResult snake = run(
            {"settings", "save", "--type", "3", "--step", "1", "--max", " 5", "--log"});
    EXPECT_EQ(snake.status, 0) << snake.err;
    EXPECT_EQ(stored("Current Offset X"), "11\n");
    EXPECT_EQ(stored("Max Dither X"), " 5\n");
    EXPECT_EQ(stored("Log"), "1\n");
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
