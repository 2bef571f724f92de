#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The pattern editor's texts: the step lines and the stored bodies.
namespace Quiverstep::PatternEditing {

// A value rounded to hundredths, halves away from zero, with two decimals: "1.05", "-0.50".
// Nothing when the value times 100 overflows a double.
std::optional<std::string> HundredthsText(double value);

// The line the Add button appends: " 1.50: -2.00". Nothing when a text is not a number or its
// hundredths cannot be formed.
std::optional<std::string> AddedStepLine(std::string_view xText, std::string_view yText);

// A stored body split into list lines (first "," made ":") and its end rule.
struct LoadedBody
{
    std::vector<std::string> lines;
    bool repeatFromTop = false; // the end marker is "TOP" in any case
};
LoadedBody LoadBody(std::string_view body);

// Every line followed by "\", then "TOP" or "BOTTOM".
std::string BuildBody(const std::vector<std::string> &lines, bool repeatFromTop);

// The X and Y box texts for a selected line; both empty for a line without ":".
struct StepTexts
{
    std::string x;
    std::string y;
};
StepTexts LineStepTexts(std::string_view line);

} // namespace Quiverstep::PatternEditing
