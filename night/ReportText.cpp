#include "ReportText.h"

#include "Conversions.h"
#include "JsonText.h"

#include <cstdio>
#include <ostream>

namespace Quiverstep {

namespace {

std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string padLeft(const std::string &text, std::size_t width)
{
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

} // namespace

std::string ReportTitle(const SessionReport &report)
{
    return report.plugInName + ": " + report.ditherType + ", step " + report.stepSize
           + ", max dither " + report.maxDither + "; " + std::to_string(report.images.size())
           + " images of " + std::to_string(report.framesPerImage) + " guide frames; seed "
           + std::to_string(report.seed);
}

void WriteReportTable(std::ostream &out, const SessionReport &report)
{
    out << ReportTitle(report) << "\n\n";

    out << "Image  Target X  Target Y  Settle    RMS\n";
    for (const SessionReport::Image &image : report.images) {
        out << padLeft(std::to_string(image.number), 5) << padLeft(RealToText(image.targetX), 10)
            << padLeft(RealToText(image.targetY), 10)
            << padLeft(image.settleFrames ? std::to_string(*image.settleFrames) : "-", 8)
            << padLeft(fixed(image.rmsError, 3), 7) << '\n';
    }

    out << "\nImages: " << report.images.size() << '\n';
    out << "Settle frames (star within " << RealToText(report.tolerance)
        << " px of the target): mean " << fixed(report.MeanSettleFrames(), 2) << ", worst "
        << report.WorstSettleFrames() << "; " << report.SettledImages() << " of "
        << report.images.size() << " images settled\n";
    out << "RMS guide error while exposing: " << fixed(report.RmsError(), 3) << " px\n";
    if (!report.logFile.empty())
        out << "Guide log: " << report.logFile << '\n';
    for (const std::string &message : report.messages)
        out << "Message: " << message << '\n';
}

void WriteReportJson(std::ostream &out, const SessionReport &report)
{
    out << "{\n";
    out << "  \"plugIn\": " << JsonText(report.plugInName) << ",\n";
    out << "  \"ditherType\": " << JsonText(report.ditherType) << ",\n";
    out << "  \"stepSize\": " << JsonText(report.stepSize) << ",\n";
    out << "  \"maxDither\": " << JsonText(report.maxDither) << ",\n";
    out << "  \"seed\": " << report.seed << ",\n";
    out << "  \"framesPerImage\": " << report.framesPerImage << ",\n";
    out << "  \"tolerance\": " << JsonNumber(report.tolerance) << ",\n";
    out << "  \"guideLog\": " << (report.logFile.empty() ? "null" : JsonText(report.logFile))
        << ",\n";
    out << "  \"images\": [";
    const char *separator = "\n";
    for (const SessionReport::Image &image : report.images) {
        out << separator << "    {\"image\": " << image.number
            << ", \"targetX\": " << JsonNumber(image.targetX)
            << ", \"targetY\": " << JsonNumber(image.targetY) << ", \"settleFrames\": "
            << (image.settleFrames ? std::to_string(*image.settleFrames) : "null")
            << ", \"rmsError\": " << JsonNumber(image.rmsError) << "}";
        separator = ",\n";
    }
    out << (report.images.empty() ? "],\n" : "\n  ],\n");
    out << "  \"summary\": {\"images\": " << report.images.size()
        << ", \"settledImages\": " << report.SettledImages()
        << ", \"meanSettleFrames\": " << JsonNumber(report.MeanSettleFrames())
        << ", \"worstSettleFrames\": " << report.WorstSettleFrames()
        << ", \"rmsError\": " << JsonNumber(report.RmsError()) << "},\n";
    out << "  \"messages\": [";
    separator = "";
    for (const std::string &message : report.messages) {
        out << separator << JsonText(message);
        separator = ", ";
    }
    out << "]\n}\n";
}

} // namespace Quiverstep
