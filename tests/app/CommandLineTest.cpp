#include "CommandLineFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace Quiverstep;

using CommandLineTest = CommandLineFixture;

TEST_F(CommandLineTest, StoreSetGetList)
{
    EXPECT_EQ(run({"store", "set", "Dither Step", "2"}).status, 0);
    CommandResult get = run({"store", "get", "Dither Step"});
    EXPECT_EQ(get.status, 0);
    EXPECT_EQ(get.out, "2\n");
    EXPECT_EQ(run({"store", "set", "Empty", ""}).status, 0);
    EXPECT_EQ(run({"store", "get", "Empty"}).out, "\n");
    EXPECT_EQ(run({"store", "list"}).out, "Dither Step = 2\nEmpty = \n");
}

TEST_F(CommandLineTest, AbsentKeyIsReportedWithStatusOne)
{
    CommandResult get = run({"store", "get", "Nothing"});
    EXPECT_EQ(get.status, 1);
    EXPECT_EQ(get.out, "");
    EXPECT_NE(get.err.find("Nothing"), std::string::npos);
}

TEST_F(CommandLineTest, PathPrintsTheFirstRingWithoutAdvancingTheStore)
{
    run({"store", "set", "Dither Step", "1"});
    run({"store", "set", "Max Dither X", "4"});
    const std::string ring = "15 16\n15 15\n16 15\n17 15\n17 16\n17 17\n16 17\n15 17\n";
    EXPECT_EQ(run({"path", "--steps", "8"}).out, ring);
    EXPECT_EQ(run({"path", "--steps", "8"}).out, ring);
    EXPECT_EQ(run({"store", "get", "Spiral Pos X"}).status, 1);
}

TEST_F(CommandLineTest, BadInputExitsWithTwoAndChangesNothing)
{
    for (const std::vector<std::string> &arguments :
         {std::vector<std::string>{"path", "--steps", "x"},
          {"store", "set", "Only Key"},
          {"frobnicate"},
          {"store"}}) {
        CommandResult r = run(arguments);
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
        CommandResult r = run(arguments);
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.out.find("Usage"), std::string::npos) << r.out;
    }
    EXPECT_NE(run({"path", "--help"}).out.find("--steps"), std::string::npos);
}

TEST_F(CommandLineTest, PathFollowsPatternsAndRandomThroughTheDitherUpdate)
{
    run({"store",
         "set",
         "Pattern2",
         "H\\ 0.00,  0.00\\ 0.50,  0.00\\ 0.50,  0.50\\ 0.00,  0.50\\TOP"});
    run({"store", "set", "Dither Type", "2"});
    run({"store", "set", "Dither Step", "2"});
    run({"store", "set", "Current Step", "0"});
    EXPECT_EQ(run({"path", "--steps", "5"}).out, "16 16\n17 16\n17 17\n16 17\n16 16\n");
    EXPECT_EQ(run({"store", "get", "Current Step"}).out, "0\n");

    run({"store", "set", "Dither Type", "1"});
    CommandResult random = run({"path", "--steps", "50"});
    std::istringstream in(random.out);
    int count = 0;
    for (double x, y; in >> x >> y; ++count)
        EXPECT_TRUE(x >= 8 && x <= 24 && y >= 8 && y <= 24) << x << " " << y;
    EXPECT_EQ(count, 50);
}
