#include "ReportText.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace Quiverstep;

namespace {

SessionReport sample()
{
    SessionReport report;
    report.plugInName = "Quiverstep Guider 1.1.8";
    report.ditherType = "Half \"step\"";
    report.stepSize = "0.5";
    report.maxDither = "2";
    report.seed = 7;
    report.framesPerImage = 4;
    report.tolerance = 0.5;
    report.images = {{1, 16, 16, 0xFF0000, 4, 0, 0.25},
                     {2, 16.5, 15, 0xFF0000, 4, 3, 0.5},
                     {3, 17, 15, 0x0000FF, 2, std::nullopt, 1}};
    report.messages = {"line 1\r\nline 2"};
    return report;
}

} // namespace

TEST(ReportTextTest, AnEmptyNightHasNoNaNs)
{
    EXPECT_EQ(SessionReport{}.RmsError(), 0);
    EXPECT_EQ(SessionReport{}.MeanSettleFrames(), 0);
}

TEST(ReportTextTest, TableAndJson)
{
    std::ostringstream table, json;
    WriteReportTable(table, sample());
    WriteReportJson(json, sample());
    EXPECT_EQ(table.str(),
              "Quiverstep Guider 1.1.8: Half \"step\", step 0.5, max dither 2; 3 images of 4 guide "
              "frames; seed 7\n"
              "\n"
              "Image  Target X  Target Y  Settle    RMS\n"
              "    1        16        16       0  0.250\n"
              "    2      16.5        15       3  0.500\n"
              "    3        17        15       -  1.000\n"
              "\n"
              "Images: 3\n"
              "Settle frames (star within 0.5 px of the target): mean 1.50, worst 3; 2 of 3 images "
              "settled\n"
              "RMS guide error while exposing: 0.570 px\n"
              "Message: line 1\r\nline 2\n");
    EXPECT_EQ(json.str(),
              "{\n"
              "  \"plugIn\": \"Quiverstep Guider 1.1.8\",\n"
              "  \"ditherType\": \"Half \\\"step\\\"\",\n"
              "  \"stepSize\": \"0.5\",\n"
              "  \"maxDither\": \"2\",\n"
              "  \"seed\": 7,\n"
              "  \"framesPerImage\": 4,\n"
              "  \"tolerance\": 0.5,\n"
              "  \"guideLog\": null,\n"
              "  \"images\": [\n"
              "    {\"image\": 1, \"targetX\": 16, \"targetY\": 16, \"settleFrames\": 0, "
              "\"rmsError\": 0.25},\n"
              "    {\"image\": 2, \"targetX\": 16.5, \"targetY\": 15, \"settleFrames\": 3, "
              "\"rmsError\": 0.5},\n"
              "    {\"image\": 3, \"targetX\": 17, \"targetY\": 15, \"settleFrames\": null, "
              "\"rmsError\": 1}\n"
              "  ],\n"
              "  \"summary\": {\"images\": 3, \"settledImages\": 2, \"meanSettleFrames\": 1.5, "
              "\"worstSettleFrames\": 3, \"rmsError\": 0.570087712549569},\n"
              "  \"messages\": [\"line 1\\r\\nline 2\"]\n"
              "}\n");
}
