#pragma once

#include "Pattern.h"
#include "Settings.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Quiverstep {

// The first two entries of the dither type list, and its last one (it begins with eight
// blanks).
inline constexpr std::string_view SpiralEntry = "Spiral";
inline constexpr std::string_view RandomEntry = "Random";
inline constexpr std::string_view AddNewPatternEntry = "        < Add New Pattern... >";

// The entries of the dither type list: "Spiral", "Random", the stored patterns by number,
// then the add entry at index nextPattern.
struct DitherTypeList
{
    std::vector<std::string> entries;
    std::vector<PatternEntry> patterns; // entry i (2 or more) is patterns[i - 2]
    std::int32_t nextPattern = 2;
};

DitherTypeList FillDitherTypeList(const Settings &settings);

// The name of the stored dither type as the list shows it; "Pattern" followed by the number
// for a pattern that is not stored.
std::string DitherTypeName(const Settings &settings);

// The index the dialog opens with for a stored "Dither Type": "TRUE" 1, "FALSE" 0, else the
// leading number rounded; negative, the add entry or beyond the list give 0.
int InitialDitherTypeIndex(std::string_view storedType, std::size_t entryCount);

// A stored check box setting as a check box state: 0 unchecked, 1 checked, 2 grayed.
// Other numbers (written by hand) show as checked, since the log treats any non-zero as on.
int CheckBoxState(std::string_view stored);

// What the settings dialog shows when it loads (after installing the built-in patterns).
struct SettingsView
{
    DitherTypeList list;
    int ditherType = 0;
    std::string stepSize;
    std::string maxDither;
    int ao7 = 0;
    int log = 0;
};

SettingsView LoadSettingsView(const Settings &settings);

} // namespace Quiverstep
