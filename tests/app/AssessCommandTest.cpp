#include "CommandLineFixture.h"
#include "ReportPlot.h"
#include "SettingsValidation.h"

#include <regex>

using namespace Quiverstep;

namespace {

class AssessCommandTest : public CommandLineFixture
{
protected:
    // The words of the table row of a dither type.
    static std::vector<std::string> row(const std::string &out, const std::string &type)
    {
        for (const std::string &line : LinesOf(out)) {
            if (line.size() > 6 && line.substr(6).starts_with(type + ' ')) {
                std::istringstream words(line);
                return {std::istream_iterator<std::string>(words), {}};
            }
        }
        return {};
    }

    // The dither types of the table's rows, in their order.
    static std::vector<std::string> types(const std::string &out)
    {
        std::vector<std::string> names;
        const std::regex entry(R"(^ {3}[0-9-]  (.+?)  )");
        for (const std::string &line : LinesOf(out)) {
            if (std::smatch match; std::regex_search(line, match, entry))
                names.push_back(match[1]);
        }
        return names;
    }

    // `quiverstep assess` with the options, then the further ones.
    CommandResult assess(std::vector<std::string> options, const std::vector<std::string> &more = {})
    {
        options.insert(options.begin(), "assess");
        options.insert(options.end(), more.begin(), more.end());
        return run(options);
    }

    void SetUp() override
    {
        CommandLineFixture::SetUp();
        json = (folder / "a.json").string();
    }

    std::string json;
};

} // namespace

TEST_F(AssessCommandTest, ASpiralOfOneRingAtScaleOneAndOneAndAHalfTurned)
{
    const std::vector<std::string>
            ring{"--type", "spiral", "--step", "1", "--max", "1", "--images", "9", "--json", json};
    const struct
    {
        std::vector<std::string> options, row;
        std::string positions;
    } cases[] = {
            // Eight moves of one pixel around the centre: every image on a pixel of its own,
            // all on the same sub-pixel phase.
            {{},
             {"1", "Spiral", "1", "1", "9", "1", "0.0625", "1", "1"},
             "[[0, 0], [-1, 0], [-1, -1], [0, -1], [1, -1], [1, 0], [1, 1], [0, 1], [-1, 1]]"},
            // At 1.5 imaging pixels per guide pixel the ring falls on pixels -2, 0 and 1 and on
            // the phases 0 and 0.5; half a guide pixel per frame takes two frames per dither.
            // Turned by 90 degrees, a step left in the guide camera is a step up in the imaging
            // one.
            {{"--scale", "1.5", "--max-move", "0.5", "--angle", "90"},
             {"1", "Spiral", "1.5", "1.5", "9", "1", "0.25", "1.5", "2"},
             "[[0, 0], [0, -1.5], [1.5, -1.5], [1.5, 0], [1.5, 1.5], [0, 1.5], [-1.5, 1.5], "
             "[-1.5, 0], [-1.5, -1.5]]"},
    };
    for (const auto &c : cases) {
        const CommandResult r = assess(ring, c.options);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(row(r.out, "Spiral"), c.row);
        EXPECT_TRUE(Contains(contents(json), "\"positions\": " + c.positions));
    }
}

TEST_F(AssessCommandTest, AStoredPatternWalksItsKnownPathAndIsARowOfAll)
{
    run({"store", "set", "Version", "1.1"});
    run({"store", "set", "Pattern2", "L walk\\0,0\\2,0\\2,1\\BOTTOM"});
    run({"store", "set", "Pattern3", ""});

    // From its first step forward, then back from the last step, which is taken twice.
    const CommandResult r = assess(
            {"--type", "l walk", "--step", "1", "--max", "2", "--images", "5", "--json", json});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(contents(json), "\"positions\": [[0, 0], [2, 0], [2, 1], [2, 1], [2, 0]]"));
    // Moves 2, 1, 0, 1; pixels (0, 0), (2, 0) twice, (2, 1) twice; frames 2, 1, 0, 1.
    EXPECT_EQ(row(r.out, "L walk"),
              (std::vector<std::string>{"1", "L", "walk", "0", "1", "3", "2", "0.0625", "2", "1"}));

    const CommandResult all = assess({"--all", "--step", "1", "--max", "2", "--images", "5"});
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(types(all.out), (std::vector<std::string>{"Spiral", "Random", "L walk"}));
}

TEST_F(AssessCommandTest, AllRanksEveryDitherTypeOfTheDialogAndShowsTheRefusedOnes)
{
    std::vector<std::string> options{"--all", "--json", json};
    const auto plot = folder / "a.png";
    if (CanDrawPictures())
        options.insert(options.end(), {"--plot", plot.string()});
    const CommandResult r = assess(options);
    ASSERT_EQ(r.status, 0) << r.err;
    // At step 1 the half-step pattern keeps every image on pixel 0, the random walk comes
    // back to pixels, and the snakes reach 5 and 10 steps out of a box of 4.
    EXPECT_EQ(types(r.out),
              (std::vector<std::string>{"Spiral",
                                        "Random",
                                        "Half-step 2x2",
                                        "Horizontal Snake 10x10",
                                        "Vertical Snake 10x10",
                                        "Horizontall Snake 20x20",
                                        "Vertical Snake 20x20"}));
    EXPECT_EQ(row(r.out, "Half-step 2x2")[5], "1");
    EXPECT_EQ(row(r.out, "Half-step 2x2")[6], "40");
    // The refusal's text is the settings checks', its row the assessment text test's.
    EXPECT_TRUE(Contains(r.out, "   -  Vertical Snake 10x10     refused: Selected dither pattern"));
    EXPECT_TRUE(Contains(r.out, "\nRanked by mostReused"));

    // How a refusal is written in the report is the assessment text test's.
    EXPECT_TRUE(Contains(contents(json),
                         "{\"ditherType\": \"Half-step 2x2\", \"stepSize\": \"1\", "
                         "\"maxDither\": \"4\", \"images\": 40, \"refused\": null,"));
    EXPECT_TRUE(Contains(r.out, "\nReport: " + json + "\n"));
    if (CanDrawPictures()) {
        EXPECT_TRUE(Contains(r.out, "\nPlot: " + plot.string() + "\n"));
        EXPECT_EQ(contents(plot).substr(0, 8), "\x89PNG\r\n\x1a\n");
    }

    // A box of 10 holds every snake.
    const CommandResult wide = assess({"--all", "--max", "10"});
    ASSERT_EQ(wide.status, 0) << wide.err;
    EXPECT_EQ(types(wide.out).size(), 7u);
    EXPECT_EQ(wide.out.find("refused"), std::string::npos);
}

TEST_F(AssessCommandTest, TheUsersStoreIsNeverChanged)
{
    ASSERT_EQ(assess({"--all"}).status, 0);
    EXPECT_EQ(run({"store", "list"}).out, "") << "a fresh store stays empty";

    // A night half done, with the log on: the walk stands somewhere and stays there.
    run({"store", "set", "LogFile", (folder / "guide.log").string()});
    ASSERT_EQ(run({"settings", "save", "--type", "1", "--step", "1", "--max", "4", "--log"}).status,
              0);
    ASSERT_EQ(run({"run", "--images", "3", "--frames", "2"}).status, 0);
    const std::string before = run({"store", "list"}).out;
    ASSERT_EQ(assess({"--all", "--images", "20"}).status, 0);
    ASSERT_EQ(assess({"--type", "Half-step 2x2", "--step", "2", "--max", "2"}).status, 0);
    EXPECT_EQ(run({"store", "list"}).out, before);
}

// The dialog's messages as run gives them; the option errors on one line.
TEST_F(AssessCommandTest, RefusedSettingsAndBadOptionsGetStatusTwoAndChangeNothing)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
            {{"--all", "--step", "5", "--max", "4"},
             "Step Size is larger than dither box size - please fix"},
            {{"--type", "Horizontal Snake 10x10"},
             std::string(ValidationMessages::PatternOutsideBox)},
            {{"--all", "--type", "spiral"}, "--type excludes --all"},
            {{"--scale", "0"}, "--scale: not above 0: 0"},
            {{"--scale", "nan"}, "--scale: not a finite number: nan"},
            {{"--scale="}, "--scale: not a finite number: "},
            {{"--angle", "inf"}, "--angle: not a finite number: inf"},
            {{"--max-move", "-1"}, "--max-move: not above 0: -1"},
            {{"--images", "0"}, "--images: Value 0 not in range 1 to 100000"},
    };
    for (const auto &[options, message] : cases) {
        const CommandResult r = assess(options);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_EQ(r.err, "quiverstep: " + message + "\n");
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(run({"store", "list"}).out, "");
}

TEST_F(AssessCommandTest, TheRandomWalkIsTheOneRunTakesWithTheSameSeed)
{
    const std::string night = (folder / "r.json").string();
    const std::vector<std::string> walk{"--type", "random", "--images", "12"};
    std::vector<std::string> arguments{"run", "--frames", "1", "--seed", "4", "--json", night};
    arguments.insert(arguments.end(), walk.begin(), walk.end());
    ASSERT_EQ(run(arguments).status, 0);
    std::string expected = "\"positions\": [";
    const std::string report = contents(night);
    const std::regex target(R"("targetX": ([-0-9.]+), "targetY": ([-0-9.]+))");
    for (std::sregex_iterator at(report.begin(), report.end(), target), end; at != end; ++at) {
        expected += (expected.ends_with("[") ? "[" : ", [")
                    + std::to_string(std::stoi((*at)[1]) - 16) + ", "
                    + std::to_string(std::stoi((*at)[2]) - 16) + "]";
    }
    expected += "]";

    ASSERT_EQ(assess(walk, {"--seed", "4", "--json", json}).status, 0);
    EXPECT_TRUE(Contains(contents(json), expected));
    ASSERT_EQ(assess(walk, {"--seed", "5", "--json", json}).status, 0);
    EXPECT_EQ(contents(json).find(expected), std::string::npos);
}
