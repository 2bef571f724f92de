#pragma once

#include "Settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Quiverstep {

// A step text split at its first ":" or, without one, at its first ",".
struct StepParts
{
    bool hasSeparator = false;
    std::string_view x; // empty when there is no separator
    std::string_view y; // the whole step when there is no separator
};

StepParts SplitStep(std::string_view step);

// Step i (from 1): the field between the i-th and the (i+1)-th "\"; nothing when it does not exist.
std::optional<std::string_view> StepField(std::string_view patternText, std::size_t i);

// True when the upper-cased text contains "\TOP": the walk restarts at the first step.
bool RepeatsFromTop(std::string_view patternText);

struct PatternEntry
{
    std::int32_t number = 0; // the key number and the dither type list index
    std::string name;        // text before the first "\"
    std::string body;        // text after the first "\", end marker included
};

struct PatternList
{
    std::vector<PatternEntry> patterns;
    std::int32_t nextPattern = 2; // N: the first free number, the list index of the add entry
};

// Reads "Pattern2", "Pattern3", ... until an empty text or a text without "\".
PatternList EnumeratePatterns(const Settings &settings);

// The stored text of pattern n; the empty text means that it does not exist.
std::string ReadPattern(const Settings &settings, std::int64_t n);

void AddPattern(const Settings &settings, std::int32_t nextPattern, std::string_view text);
void ReplacePattern(const Settings &settings, std::int32_t n, std::string_view text);
// Moves the patterns after n down by one and ends the run one earlier.
void DeletePattern(const Settings &settings, std::int32_t n, std::int32_t nextPattern);

// Snakes over -n..n: rows (horizontal) or columns (vertical), alternating direction,
// steps as "x,y", the given name first and end marker last.
std::string HorizontalSnake(std::string_view name, int n, std::string_view endMarker);
std::string VerticalSnake(std::string_view name, int n, std::string_view endMarker);

// The texts installed under "Pattern2" to "Pattern6".
std::vector<std::string> BuiltInPatternTexts();

// When "Version" reads below 1.1, writes this release's settings version ("1.1") and the
// built-in patterns ("Pattern7" empty). Returns whether it installed them.
bool InstallBuiltInPatterns(const Settings &settings);
// The same, writing the settings version of the build given ("1.2").
bool InstallBuiltInPatterns(const Settings &settings, std::string_view buildVersion);

} // namespace Quiverstep
