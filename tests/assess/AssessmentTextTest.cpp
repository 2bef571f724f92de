#include "AssessmentText.h"

#include "TextLines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace Quiverstep;

namespace {

// A row at step 1 and max dither " 4": the figures of targets along x at these offsets from
// the centre, or a refusal of two lines.
Assessment::Result assessed(const std::string &name, std::vector<double> offsets, double scale)
{
    std::vector<PixelPoint> targets;
    for (const double offset : offsets)
        targets.push_back({16 + offset, 16});
    return {name, "1", " 4", std::nullopt, ComputeDitherFigures(targets, {scale, 0, 1})};
}

Assessment::Result refused(const std::string &name)
{
    return {name, "1", " 4", "First line.\r\nSecond line.", {}};
}

// Three settings of three images each, and one refused, in the order of the dialog's list.
Assessment sample()
{
    Assessment assessment;
    assessment.images = 3;
    assessment.geometry = {2.6, 0, 1};
    assessment.seed = 5;
    assessment.results = {assessed("Spiral", {0, -1, -2}, 2.6),
                          assessed("Random", {0, 1, 0}, 2.6),
                          refused("Snake \"10\""),
                          assessed("Half-step", {0, 0.5, 0.5}, 2.6)};
    assessment.Rank();
    return assessment;
}

std::vector<std::string> order(const Assessment &assessment)
{
    std::vector<std::string> names;
    for (const Assessment::Result &result : assessment.results)
        names.push_back(result.ditherType);
    return names;
}

} // namespace

TEST(AssessmentTextTest, FiguresPrintInFullUpToSixDecimalsAndRoundedBeyond)
{
    for (auto [figure, text] : {std::pair{0.0625, "0.0625"}, {1.03125, "1.03125"}, {2.6, "2.6"},
                                {2.6 * 3, "7.8"}, {std::sqrt(2.0), "1.414"}, {-1.0 / 3, "-0.333"},
                                {-0.0, "0"}, {-1e-9, "0"}})
        EXPECT_EQ(FigureText(figure), text) << figure;
}

TEST(AssessmentTextTest, RankingPutsFewestImagesPerPixelFirstThenCoverageAndRefusalsLast)
{
    // The Spiral puts each image on a pixel of its own; Half-step and Random put two on one
    // and cover two cells of the sub-pixel square each, and Half-step settles sooner.
    EXPECT_EQ(order(sample()),
              (std::vector<std::string>{"Spiral", "Half-step", "Random", "Snake \"10\""}));

    Assessment tie;
    tie.results = {refused("A"),
                   assessed("B", {0, 1}, 1),
                   assessed("C", {0, 2}, 1),
                   assessed("D", {0, 1}, 1)};
    tie.Rank();
    EXPECT_EQ(order(tie), (std::vector<std::string>{"B", "D", "C", "A"}));
    EXPECT_EQ(tie.BestCoverage().names, (std::vector<std::string>{"B", "D", "C"}));
    EXPECT_EQ(tie.BestCoverage().value, 1);
    EXPECT_EQ(tie.LeastSettling().names, (std::vector<std::string>{"B", "D"}));
    EXPECT_EQ(tie.LeastSettling().value, 1);

    std::ostringstream out;
    WriteAssessmentTable(out, tie);
    EXPECT_TRUE(out.str().ends_with("Best coverage of the sub-pixel square: every setting, 1 of "
                                    "16 cells. Least settling: B and D, 1 guide frame per "
                                    "dither.\n"))
            << out.str();
}

TEST(AssessmentTextTest, TableWithARefusedRowAndTheConclusion)
{
    std::ostringstream out;
    WriteAssessmentTable(out, sample());
    EXPECT_EQ(out.str(),
              "Step 1, max dither  4; 3 images; imaging scale 2.6 px per guide px, angle 0 "
              "degrees; max move 1 guide px per frame; seed 5\n"
              "\n"
              "Rank  Dither type  minMove  medianMove  distinctPixels  mostReused  "
              "phaseCoverage  excursion  settleFrames\n"
              "   1  Spiral           2.6         2.6               3           1         "
              "0.1875        5.2             1\n"
              "   2  Half-step          0        0.65               2           2          "
              "0.125        1.3           0.5\n"
              "   3  Random           2.6         2.6               2           2          "
              "0.125        2.6             1\n"
              "   -  Snake \"10\"   refused: First line. Second line.\n"
              "\n"
              "Ranked by mostReused (fewest first), then phaseCoverage (most first), "
              "settleFrames and excursion (least first).\n"
              "Best coverage of the sub-pixel square: Spiral, 3 of 16 cells. Least settling: "
              "Half-step, 0.5 guide frames per dither.\n");
}

TEST(AssessmentTextTest, JsonHasEveryFigureAndNullsForARefusalAndAMissingMove)
{
    Assessment assessment = sample();
    assessment.results.push_back(assessed("One", {1}, 1));
    std::ostringstream out;
    WriteAssessmentJson(out, assessment);
    const std::string json = out.str();
    EXPECT_TRUE(json.starts_with("{\n  \"images\": 3,\n  \"scale\": 2.6,\n  \"angle\": 0,\n  "
                                 "\"maxMove\": 1,\n  \"seed\": 5,\n  \"results\": [\n"))
            << json;
    EXPECT_TRUE(Contains(json,
                         "    {\"ditherType\": \"Spiral\", \"stepSize\": \"1\", \"maxDither\": "
                         "\" 4\", \"images\": 3, \"refused\": null,\n     \"minMove\": 2.6, "
                         "\"medianMove\": 2.6, \"distinctPixels\": 3, \"mostReused\": 1, "
                         "\"phaseCoverage\": 0.1875, \"excursion\": 5.2, \"settleFrames\": 1,\n"
                         "     \"positions\": [[0, 0], [-2.6, 0], [-5.2, 0]]},\n"));
    EXPECT_TRUE(Contains(json,
                         "{\"ditherType\": \"Snake \\\"10\\\"\", \"stepSize\": \"1\", "
                         "\"maxDither\": \" 4\", \"images\": null, \"refused\": \"First "
                         "line.\\r\\nSecond line.\",\n     \"minMove\": null, \"medianMove\": "
                         "null, \"distinctPixels\": null, \"mostReused\": null, "
                         "\"phaseCoverage\": null, \"excursion\": null, \"settleFrames\": null,\n"
                         "     \"positions\": []}"));
    EXPECT_TRUE(Contains(json,
                         "\"images\": 1, \"refused\": null,\n     \"minMove\": null, "
                         "\"medianMove\": null, \"distinctPixels\": 1, \"mostReused\": 1, "
                         "\"phaseCoverage\": 0.0625, \"excursion\": 1, \"settleFrames\": null"));
    EXPECT_TRUE(json.ends_with("\"positions\": [[1, 0]]}\n  ]\n}\n")) << json;
}
