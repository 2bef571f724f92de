#include "CommandLineFixture.h"
#include "ReportPlot.h"
#include "SettingsValidation.h"

using namespace Quiverstep;

using RunCommandTest = CommandLineFixture;

TEST_F(RunCommandTest, ANightWritesTheTableTheJsonAndThePlot)
{
    const auto json = folder / "r.json";
    const auto plot = folder / "r.png";
    std::vector<std::string>
            arguments{"run", "--images", "3", "--frames", "5", "--json", json.string()};
    if (CanDrawPictures())
        arguments.insert(arguments.end(), {"--plot", plot.string()});
    const CommandResult r = run(arguments);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find("Quiverstep Guider 1.1.8: Spiral, step 1, max dither 4; 3 images of 5 "
                         "guide frames; seed 1\n"),
              0u);
    EXPECT_TRUE(Contains(r.out, "\nImages: 3\n"));
    EXPECT_TRUE(Contains(r.out, "\nReport: " + json.string() + "\n"));
    // Not a terminal: plain progress lines, the last one for the last image.
    EXPECT_TRUE(Contains(r.err, "image 3 of 3, target 15, 15\n"));

    const std::string report = contents(json);
    EXPECT_EQ(report.find("{\n  \"plugIn\": \"Quiverstep Guider 1.1.8\""), 0u);
    EXPECT_TRUE(Contains(report, "\"summary\": {\"images\": 3,"));
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
    for (const std::string command : {"run", "assess"}) {
        const CommandResult plot = run({command, "--plot", (folder / "r.png").string()});
        EXPECT_EQ(plot.status, 2);
        EXPECT_EQ(plot.err,
                  "quiverstep: --plot: this build has no windows (it was built without Qt)\n");
    }
    EXPECT_FALSE(std::filesystem::exists(path)) << "nothing was stored";
}

TEST_F(RunCommandTest, EveryRunStartsTheWalkAfreshSoItRepeats)
{
    const CommandResult first = run({"run", "--images", "6", "--frames", "4"});
    const CommandResult second = run({"run", "--images", "6", "--frames", "4"});
    ASSERT_EQ(first.status, 0);
    EXPECT_EQ(first.out, second.out);
}

// What a save stores is the settings layer's rule; here that the options reach it. A pattern
// named in any letter case is the assess command test's: both commands take the same options.
TEST_F(RunCommandTest, OptionsAreSavedAsTheSettingsDialogSavesThem)
{
    ASSERT_EQ(run({"run", "--images", "0", "--type", "random", "--step", "2", "--max", " 6"}).status,
              0);
    EXPECT_EQ(stored("Log"), "0\n"); // the check boxes as the dialog shows them
    // Later runs keep what was saved.
    const CommandResult r = run({"run", "--images", "1"});
    EXPECT_TRUE(Contains(r.out, ": Random, step 2, max dither  6;"));
}

TEST_F(RunCommandTest, SettingsThatFailTheChecksOrAnUnknownTypeAreRefusedAndChangeNothing)
{
    // The stored or default step and box (1 and 4) for what is not given.
    const CommandResult r = run({"run", "--type", "Horizontal Snake 10x10"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "quiverstep: " + std::string(ValidationMessages::PatternOutsideBox) + "\n");
    EXPECT_EQ(r.out, "");
    // An unknown dither type names the choices.
    const CommandResult unknown = run({"run", "--type", "zigzag"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(Contains(unknown.err, "\"zigzag\""));
    EXPECT_TRUE(Contains(unknown.err, "Half-step 2x2"));
    EXPECT_EQ(run({"run", "--type", "7"}).status, 2); // five patterns: 2 to 6
    EXPECT_EQ(run({"store", "list"}).out, "");
}
