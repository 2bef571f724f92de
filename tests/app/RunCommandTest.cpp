#include "CommandLineFixture.h"
#include "ReportPlot.h"

using namespace Quiverstep;

using RunCommandTest = CommandLineFixture;

TEST_F(RunCommandTest, ANightWritesTheTableTheJsonAndThePlot)
{
    const auto json = folder / "r.json";
    const auto plot = folder / "r.png";
    std::vector<std::string> arguments{"run", "--images", "3", "--frames", "5", "--json", json.string()};
    if (CanDrawPictures())
        arguments.insert(arguments.end(), {"--plot", plot.string()});
    const CommandResult r = run(arguments);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find("Quiverstep Guider 1.1.8: Spiral, step 1, max dither 4; 3 images of 5 "
                         "guide frames; seed 1\n"),
              0u);
    EXPECT_NE(r.out.find("\nImages: 3\n"), std::string::npos);
    EXPECT_NE(r.out.find("\nReport: " + json.string() + "\n"), std::string::npos);
    // Not a terminal: plain progress lines, the last one for the last image.
    EXPECT_NE(r.err.find("image 3 of 3, target 15, 15\n"), std::string::npos) << r.err;

    const std::string report = contents(json);
    EXPECT_EQ(report.find("{\n  \"plugIn\": \"Quiverstep Guider 1.1.8\""), 0u);
    EXPECT_NE(report.find("\"summary\": {\"images\": 3,"), std::string::npos);
    if (CanDrawPictures()) {
        EXPECT_EQ(contents(plot).substr(0, 8), "\x89PNG\r\n\x1a\n");
    }
}

TEST_F(RunCommandTest, ABuildWithoutWindowsRefusesGuiAndPlotsBeforeDoingAnything)
{
    if (CanDrawPictures())
        GTEST_SKIP() << "this build has windows";
    const CommandResult gui = run({"gui", "settings"});
    EXPECT_EQ(gui.status, 2);
    EXPECT_EQ(gui.err, "quiverstep: gui: this build has no windows (it was built without Qt)\n");
    const CommandResult plot = run({"run", "--plot", (folder / "r.png").string()});
    EXPECT_EQ(plot.status, 2);
    EXPECT_EQ(plot.err, "quiverstep: --plot: this build has no windows (it was built without Qt)\n");
    EXPECT_FALSE(std::filesystem::exists(db)) << "nothing was stored";
}

TEST_F(RunCommandTest, EveryRunStartsTheWalkAfreshSoItRepeats)
{
    const CommandResult first = run({"run", "--images", "6", "--frames", "4"});
    const CommandResult second = run({"run", "--images", "6", "--frames", "4"});
    ASSERT_EQ(first.status, 0);
    EXPECT_EQ(first.out, second.out);
    EXPECT_NE(run({"run", "--images", "6", "--frames", "4", "--seed", "9"}).out, first.out);
}

TEST_F(RunCommandTest, OptionsAreSavedAsTheSettingsDialogSavesThem)
{
    ASSERT_EQ(run({"run", "--images", "0", "--type", "random", "--step", "2", "--max", " 6"}).status,
              0);
    EXPECT_EQ(stored("Dither Type"), "1\n");
    EXPECT_EQ(stored("Dither Step"), "2\n");
    EXPECT_EQ(stored("Max Dither X"), " 6\n");
    EXPECT_EQ(stored("Max Dither Y"), " 6\n");
    EXPECT_EQ(stored("Current Offset X"), "16\n");
    EXPECT_EQ(stored("Spiral Radius"), "0\n");
    EXPECT_EQ(stored("Log"), "0\n");

    // Later runs keep what was saved.
    const CommandResult r = run({"run", "--images", "1"});
    EXPECT_NE(r.out.find(": Random, step 2, max dither  6;"), std::string::npos) << r.out;
}

TEST_F(RunCommandTest, APatternIsChosenByNameAndStartsOnItsFirstStep)
{
    ASSERT_EQ(run({"run",
                   "--images",
                   "0",
                   "--type",
                   "horizontal snake 10x10",
                   "--step",
                   "1",
                   "--max",
                   "5"})
                      .status,
              0);
    EXPECT_EQ(stored("Dither Type"), "3\n");
    EXPECT_EQ(stored("Current Offset X"), "11\n");
    EXPECT_EQ(stored("Current Offset Y"), "11\n");
    EXPECT_EQ(stored("Current Step"), "1\n");
    EXPECT_EQ(stored("Current Direction"), "False\n");
}

TEST_F(RunCommandTest, SettingsThatFailTheChecksGetTheDialogsMessageAndChangeNothing)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
            {{"--step", "5", "--max", "4"}, "Step Size is larger than dither box size - please fix"},
            {{"--max", "1e999"}, "Max Dither is not numeric."},
            {{"--step", "0"}, "Step Size should be greater than zero"},
            {{"--type", "Horizontal Snake 10x10"},
             "Selected dither pattern and step size will take the guide star outside the "
             "specified Max Dither box.\r\nPlease choose a different pattern or increase Max "
             "Dither and/or decrease Step Size."},
    };
    for (const auto &[options, message] : cases) {
        std::vector<std::string> arguments{"run"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const CommandResult r = run(arguments);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_EQ(r.err, "quiverstep: " + message + "\n");
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(run({"store", "list"}).out, "");
}

TEST_F(RunCommandTest, AnUnknownDitherTypeNamesTheChoices)
{
    const CommandResult r = run({"run", "--type", "zigzag"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("\"zigzag\""), std::string::npos);
    EXPECT_NE(r.err.find("Half-step 2x2"), std::string::npos);
    EXPECT_EQ(run({"run", "--type", "7"}).status, 2); // five patterns: 2 to 6
}
