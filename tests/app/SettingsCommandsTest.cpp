#include "CommandLineFixture.h"

#include <gtest/gtest.h>

using namespace Quiverstep;

using SettingsCommandsTest = CommandLineFixture;

// The checks and what a save stores are the settings layer's; here how the command reaches
// them and what it prints.
TEST_F(SettingsCommandsTest, FailingCheckPrintsItsMessageAndStoresNothing)
{
    // An option given empty with "=" is the empty text, not a wait for the next argument.
    const CommandResult empty = run({"settings", "save", "--type=0", "--step=", "--max=4"});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.out, "");
    EXPECT_EQ(empty.err, "Dither Step Size is not numeric\n");
    // The built-in patterns are there for the check, but only a successful save keeps them.
    const CommandResult outside = run(
            {"settings", "save", "--type", "3", "--step", "1", "--max", "4"});
    EXPECT_EQ(outside.status, 1);
    EXPECT_TRUE(outside.err.ends_with("Dither and/or decrease Step Size.\n")) << outside.err;
    EXPECT_EQ(run({"store", "list"}).out, "");
}

TEST_F(SettingsCommandsTest, SuccessfulSaveStoresAsTheDialogDoes)
{
    const CommandResult snake = run(
            {"settings", "save", "--type", "3", "--step", "1", "--max", " 5", "--ao7", "--log"});
    EXPECT_EQ(snake.status, 0) << snake.err;
    EXPECT_EQ(stored("Max Dither X"), " 5\n");
    EXPECT_EQ(stored("AO7 Compatible"), "1\n");
    EXPECT_EQ(stored("Log"), "1\n");
}

TEST_F(SettingsCommandsTest, ShowPrintsTheDialogsViewWithoutWriting)
{
    EXPECT_EQ(run({"settings", "show"}).out,
              "Dither Type: Spiral\nStep Size: 1\nMax Dither: 4\n"
              "Using AO-7: unchecked\nLog: unchecked\n"
              "Dither types:\n0 Spiral\n1 Random\n2 Half-step 2x2\n"
              "3 Horizontal Snake 10x10\n4 Vertical Snake 10x10\n"
              "5 Horizontall Snake 20x20\n6 Vertical Snake 20x20\n"
              "7         < Add New Pattern... >\n");
    EXPECT_EQ(run({"store", "list"}).out, "");
    set("Dither Type", "6");
    set("Log", "2");
    EXPECT_TRUE(run({"settings", "show"})
                        .out.starts_with("Dither Type: Vertical Snake 20x20\nStep Size: 1\n"
                                         "Max Dither: 4\nUsing AO-7: unchecked\nLog: grayed\n"));
}
