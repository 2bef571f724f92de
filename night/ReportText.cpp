#include "ReportText.h"

#include "Conversions.h"

#include <charconv>
#include <cmath>
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

// Shortest text that reads back as the same double; JSON has no infinities or NaN.
std::string jsonNumber(double value)
{
    if (!std::isfinite(value))
        return "null";
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string jsonText(const std::string &text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                quoted += escaped;
            } else {
                quoted += c;
            }
        }
    }
    return quoted + "\"";
}

} // namespace

void WriteReportTable(std::ostream &out, const SessionReport &report)
{
    out << report.plugInName << ": " << report.ditherType << ", step " << report.stepSize
        << ", max dither " << report.maxDither << "; " << report.images.size() << " images of "
        << report.framesPerImage << " guide frames; seed " << report.seed << "\n\n";

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
    out << "  \"plugIn\": " << jsonText(report.plugInName) << ",\n";
    out << "  \"ditherType\": " << jsonText(report.ditherType) << ",\n";
    out << "  \"stepSize\": " << jsonText(report.stepSize) << ",\n";
    out << "  \"maxDither\": " << jsonText(report.maxDither) << ",\n";
    out << "  \"seed\": " << report.seed << ",\n";
    out << "  \"framesPerImage\": " << report.framesPerImage << ",\n";
    out << "  \"tolerance\": " << jsonNumber(report.tolerance) << ",\n";
    out << "  \"guideLog\": " << (report.logFile.empty() ? "null" : jsonText(report.logFile))
        << ",\n";
    out << "  \"images\": [";
    const char *separator = "\n";
    for (const SessionReport::Image &image : report.images) {
        out << separator << "    {\"image\": " << image.number
            << ", \"targetX\": " << jsonNumber(image.targetX)
            << ", \"targetY\": " << jsonNumber(image.targetY) << ", \"settleFrames\": "
            << (image.settleFrames ? std::to_string(*image.settleFrames) : "null")
            << ", \"rmsError\": " << jsonNumber(image.rmsError) << "}";
        separator = ",\n";
    }
    out << (report.images.empty() ? "],\n" : "\n  ],\n");
    out << "  \"summary\": {\"images\": " << report.images.size()
        << ", \"settledImages\": " << report.SettledImages()
        << ", \"meanSettleFrames\": " << jsonNumber(report.MeanSettleFrames())
        << ", \"worstSettleFrames\": " << report.WorstSettleFrames()
        << ", \"rmsError\": " << jsonNumber(report.RmsError()) << "},\n";
    out << "  \"messages\": [";
    separator = "";
    for (const std::string &message : report.messages) {
        out << separator << jsonText(message);
        separator = ", ";
    }
    out << "]\n}\n";
}

} // namespace Quiverstep
