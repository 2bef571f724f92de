#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the pattern editor does with its texts and its step list, without the window.
namespace Quiverstep::PatternEditing {

inline constexpr std::string_view NotNumeric = "X and Y must be numeric";
inline constexpr std::string_view NameMissing = "Please specify the name for this pattern";
inline constexpr std::string_view NameWithBackslash
        = "The pattern name cannot contain a backslash.";
inline constexpr std::string_view NoSteps
        = "No steps specified in the dither pattern. Please add some.";
inline constexpr std::string_view ConfirmRemove = "Do you want to delete this pattern permanently?";

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

// The message that stops Save, if any.
std::optional<std::string> SaveProblem(std::string_view name, std::size_t lineCount);

// Selection rules; -1 means no selection or nothing to do.
int SelectionAfterDelete(int removedIndex, int remainingCount);
int MoveUpTarget(int selected);
int MoveDownTarget(int selected, int count);

} // namespace Quiverstep::PatternEditing
