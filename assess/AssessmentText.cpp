#include "AssessmentText.h"

#include "JsonText.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iomanip>
#include <ostream>

namespace Quiverstep {

namespace {

constexpr int FullDecimals = 6;

using Result = Assessment::Result;

std::string optionalFigure(const std::optional<double> &value)
{
    return value ? FigureText(*value) : "-";
}

std::string jsonFigure(const std::optional<double> &value)
{
    return value ? JsonNumber(*value) : "null";
}

// The leaders by name, or "every setting" when no assessed setting is left out.
std::string names(const std::vector<std::string> &list, const Assessment &assessment)
{
    const auto assessed = std::count_if(assessment.results.begin(),
                                        assessment.results.end(),
                                        [](const Result &result) { return !result.refused; });
    if (list.size() > 1 && std::ptrdiff_t(list.size()) == assessed)
        return "every setting";
    std::string text;
    for (std::size_t i = 0; i < list.size(); ++i)
        text += (i == 0 ? "" : i + 1 == list.size() ? " and " : ", ") + list[i];
    return text;
}

// The dialog's two-line message on one line of the table.
std::string oneLine(std::string text)
{
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        line += text[i] == '\n' || text[i] == '\r' ? ' ' : text[i];
    }
    return line;
}

void writeConclusion(std::ostream &out, const Assessment &assessment)
{
    const Assessment::Leaders coverage = assessment.BestCoverage();
    if (coverage.names.empty())
        return;
    out << "Best coverage of the sub-pixel square: " << names(coverage.names, assessment) << ", "
        << FigureText(coverage.value) << " of "
        << DitherFigures::PhaseGrid * DitherFigures::PhaseGrid << " cells.";
    const Assessment::Leaders settling = assessment.LeastSettling();
    if (settling.names.empty())
        out << " No dither in a night of one image.\n";
    else
        out << " Least settling: " << names(settling.names, assessment) << ", "
            << FigureText(settling.value)
            << (settling.value == 1 ? " guide frame" : " guide frames") << " per dither.\n";
}

} // namespace

std::string FigureText(double value)
{
    if (value == 0)
        return "0"; // and not -0
    char text[400];
    const auto full = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    std::string shortest(text, full.ptr);
    const std::size_t point = shortest.find('.');
    if (point == std::string::npos || shortest.size() - point - 1 <= FullDecimals)
        return shortest;
    std::snprintf(text, sizeof text, "%.3f", value);
    std::string rounded = text;
    rounded.erase(rounded.find_last_not_of('0') + 1);
    if (rounded.back() == '.')
        rounded.pop_back();
    return rounded == "-0" ? "0" : rounded;
}

std::string AssessmentTitle(const Assessment &assessment)
{
    std::string title;
    if (!assessment.results.empty()) {
        const Result &first = assessment.results.front();
        title = "Step " + first.stepSize + ", max dither " + first.maxDither + "; ";
    }
    return title + std::to_string(assessment.images)
           + (assessment.images == 1 ? " image" : " images") + "; imaging scale "
           + FigureText(assessment.geometry.scale) + " px per guide px, angle "
           + FigureText(assessment.geometry.angleDegrees) + " degrees; max move "
           + FigureText(assessment.geometry.maxMove) + " guide px per frame; seed "
           + std::to_string(assessment.seed);
}

void WriteAssessmentTable(std::ostream &out, const Assessment &assessment)
{
    out << AssessmentTitle(assessment) << "\n\n";

    std::size_t nameWidth = std::string("Dither type").size();
    for (const Result &result : assessment.results)
        nameWidth = std::max(nameWidth, result.ditherType.size());
    out << "Rank  " << std::left << std::setw(int(nameWidth)) << "Dither type" << std::right
        << "  minMove  medianMove  distinctPixels  mostReused  phaseCoverage  excursion"
           "  settleFrames\n";
    int rank = 0;
    for (const Result &result : assessment.results) {
        out << std::setw(4) << (result.refused ? "-" : std::to_string(++rank)) << "  ";
        if (result.refused) {
            out << std::left << std::setw(int(nameWidth)) << result.ditherType << std::right
                << "  refused: " << oneLine(*result.refused) << '\n';
            continue;
        }
        const DitherFigures &f = result.figures;
        out << std::left << std::setw(int(nameWidth)) << result.ditherType << std::right
            << std::setw(9) << optionalFigure(f.minMove) << std::setw(12)
            << optionalFigure(f.medianMove) << std::setw(16) << f.distinctPixels << std::setw(12)
            << f.mostReused << std::setw(15) << FigureText(f.PhaseCoverage()) << std::setw(11)
            << FigureText(f.excursion) << std::setw(14) << optionalFigure(f.settleFrames) << '\n';
    }
    out << '\n';
    if (assessment.results.size() > 1)
        out << "Ranked by mostReused (fewest first), then phaseCoverage (most first), "
               "settleFrames and excursion (least first).\n";
    writeConclusion(out, assessment);
}

void WriteAssessmentJson(std::ostream &out, const Assessment &assessment)
{
    out << "{\n";
    out << "  \"images\": " << assessment.images << ",\n";
    out << "  \"scale\": " << JsonNumber(assessment.geometry.scale) << ",\n";
    out << "  \"angle\": " << JsonNumber(assessment.geometry.angleDegrees) << ",\n";
    out << "  \"maxMove\": " << JsonNumber(assessment.geometry.maxMove) << ",\n";
    out << "  \"seed\": " << assessment.seed << ",\n";
    out << "  \"results\": [";
    const char *separator = "\n";
    for (const Result &result : assessment.results) {
        const DitherFigures &f = result.figures;
        const bool assessed = !result.refused;
        out << separator << "    {\"ditherType\": " << JsonText(result.ditherType)
            << ", \"stepSize\": " << JsonText(result.stepSize)
            << ", \"maxDither\": " << JsonText(result.maxDither)
            << ", \"images\": " << (assessed ? std::to_string(f.positions.size()) : "null")
            << ", \"refused\": " << (assessed ? "null" : JsonText(*result.refused))
            << ",\n     \"minMove\": " << jsonFigure(f.minMove)
            << ", \"medianMove\": " << jsonFigure(f.medianMove)
            << ", \"distinctPixels\": " << (assessed ? std::to_string(f.distinctPixels) : "null")
            << ", \"mostReused\": " << (assessed ? std::to_string(f.mostReused) : "null")
            << ", \"phaseCoverage\": " << (assessed ? JsonNumber(f.PhaseCoverage()) : "null")
            << ", \"excursion\": " << (assessed ? JsonNumber(f.excursion) : "null")
            << ", \"settleFrames\": " << jsonFigure(f.settleFrames) << ",\n     \"positions\": [";
        for (std::size_t i = 0; i < f.positions.size(); ++i) {
            out << (i == 0 ? "" : ", ") << '[' << JsonNumber(f.positions[i].x) << ", "
                << JsonNumber(f.positions[i].y) << ']';
        }
        out << "]}";
        separator = ",\n";
    }
    out << (assessment.results.empty() ? "]\n" : "\n  ]\n") << "}\n";
}

} // namespace Quiverstep
