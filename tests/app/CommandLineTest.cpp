#include "CommandLineFixture.h"

#include <gtest/gtest.h>

using namespace Quiverstep;

using CommandLineTest = CommandLineFixture;

TEST_F(CommandLineTest, StoreSetGetListAndAnAbsentKeyWithStatusOne)
{
    set("Dither Step", "2");
    const CommandResult get = run({"store", "get", "Dither Step"});
    EXPECT_EQ(get.status, 0);
    EXPECT_EQ(get.out, "2\n");
    set("Empty", "");
    EXPECT_EQ(stored("Empty"), "\n");
    EXPECT_EQ(run({"store", "list"}).out, "Dither Step = 2\nEmpty = \n");

    const CommandResult absent = run({"store", "get", "Nothing"});
    EXPECT_EQ(absent.status, 1);
    EXPECT_EQ(absent.out, "");
    EXPECT_TRUE(Contains(absent.err, "Nothing"));
}

TEST_F(CommandLineTest, PathPrintsTheStoredWalkWithoutAdvancingIt)
{
    // The spiral of the default settings, the same twice: neither store nor process keeps it.
    // A pattern's walk is the engine test's; that path leaves it where it was, and the random
    // walk it takes from its seed, the bridge walk store test's.
    const std::string ring = "15 16\n15 15\n16 15\n";
    EXPECT_EQ(run({"path", "--steps", "3"}).out, ring);
    EXPECT_EQ(run({"path", "--steps", "3"}).out, ring);
    EXPECT_EQ(run({"store", "get", "Spiral Pos X"}).status, 1);
}

TEST_F(CommandLineTest, BadInputExitsWithTwoAndChangesNothing)
{
    for (const std::vector<std::string> &arguments :
         {std::vector<std::string>{"path", "--steps", "x"},
          {"store", "set", "Only Key"},
          {"frobnicate"},
          {"store"},
          {"settings", "save", "--step", "1", "--max", "4"},
          {"settings", "save", "--type", "x", "--step", "1", "--max", "4"}}) {
        const CommandResult r = run(arguments);
        EXPECT_EQ(r.status, 2) << arguments[0];
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_EQ(run({"store", "list"}).out, "");
}

TEST_F(CommandLineTest, HelpForEverySubcommand)
{
    for (const std::vector<std::string> &arguments : {std::vector<std::string>{"--help"},
                                                      {"store", "--help"},
                                                      {"path", "--help"},
                                                      {"store", "set", "--help"}}) {
        const CommandResult r = run(arguments);
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(Contains(r.out, "Usage"));
    }
    EXPECT_TRUE(Contains(run({"path", "--help"}).out, "--steps"));
}
