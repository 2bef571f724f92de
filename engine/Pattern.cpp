#include "Pattern.h"

#include "Conversions.h"
#include "SettingKeys.h"
#include "Version.h"

namespace Quiverstep {

StepParts SplitStep(std::string_view step)
{
    std::size_t separator = step.find(':');
    if (separator == std::string_view::npos)
        separator = step.find(',');
    if (separator == std::string_view::npos)
        return {false, {}, step};
    return {true, step.substr(0, separator), step.substr(separator + 1)};
}

std::optional<std::string_view> StepField(std::string_view patternText, std::size_t i)
{
    std::size_t start = 0;
    for (std::size_t field = 0; field < i; ++field) {
        const std::size_t slash = patternText.find('\\', start);
        if (slash == std::string_view::npos)
            return std::nullopt;
        start = slash + 1;
    }
    const std::size_t end = patternText.find('\\', start);
    if (end == std::string_view::npos)
        return std::nullopt;
    return patternText.substr(start, end - start);
}

bool RepeatsFromTop(std::string_view patternText)
{
    return ToUpper(patternText).find("\\TOP") != std::string::npos;
}

PatternList EnumeratePatterns(const Settings &settings)
{
    PatternList list;
    for (std::int32_t n = 2;; ++n) {
        const std::string text = settings.Get(Keys::Pattern(n), "");
        const std::size_t slash = text.find('\\');
        if (text.empty() || slash == std::string::npos) {
            list.nextPattern = n;
            return list;
        }
        list.patterns.push_back({n, text.substr(0, slash), text.substr(slash + 1)});
    }
}

std::string ReadPattern(const Settings &settings, std::int64_t n)
{
    return settings.Get(Keys::Pattern(n), "");
}

void AddPattern(const Settings &settings, std::int32_t nextPattern, std::string_view text)
{
    settings.Save(Keys::Pattern(nextPattern), text);
    settings.Save(Keys::Pattern(std::int64_t(nextPattern) + 1), "");
}

void ReplacePattern(const Settings &settings, std::int32_t n, std::string_view text)
{
    settings.Save(Keys::Pattern(n), text);
}

void DeletePattern(const Settings &settings, std::int32_t n, std::int32_t nextPattern)
{
    for (std::int64_t m = std::int64_t(n) + 1; m <= std::int64_t(nextPattern) - 1; ++m)
        settings.Save(Keys::Pattern(m - 1), ReadPattern(settings, m));
    settings.Save(Keys::Pattern(std::int64_t(nextPattern) - 1), "");
}

namespace {

std::string step(int x, int y)
{
    return "\\" + IntegerToText(x) + "," + IntegerToText(y);
}

} // namespace

std::string HorizontalSnake(std::string_view name, int n, std::string_view endMarker)
{
    std::string text(name);
    bool leftToRight = true;
    for (int y = -n; y <= n; ++y) {
        for (int i = -n; i <= n; ++i)
            text += step(leftToRight ? i : -i, y);
        leftToRight = !leftToRight;
    }
    text += "\\";
    text += endMarker;
    return text;
}

std::string VerticalSnake(std::string_view name, int n, std::string_view endMarker)
{
    std::string text(name);
    bool downwards = true;
    for (int x = -n; x <= n; ++x) {
        for (int i = -n; i <= n; ++i)
            text += step(x, downwards ? i : -i);
        downwards = !downwards;
    }
    text += "\\";
    text += endMarker;
    return text;
}

std::vector<std::string> BuiltInPatternTexts()
{
    return {
            "Half-step 2x2\\ 0.00,  0.00\\ 0.50,  0.00\\ 0.50,  0.50\\ 0.00,  0.50\\TOP",
            HorizontalSnake("Horizontal Snake 10x10", 5, "BOTTOM"),
            VerticalSnake("Vertical Snake 10x10", 5, "BOTTOM"),
            // The double "l" is the name users' stored settings carry.
            HorizontalSnake("Horizontall Snake 20x20", 10, "BOTTOM"),
            VerticalSnake("Vertical Snake 20x20", 10, "BOTTOM"),
    };
}

bool InstallBuiltInPatterns(const Settings &settings)
{
    return InstallBuiltInPatterns(settings, SettingsVersionText());
}

bool InstallBuiltInPatterns(const Settings &settings, std::string_view buildVersion)
{
    // The generation that brought the built-in patterns, not the build's own: a later version
    // must never install them over the patterns of a store that already has them.
    constexpr double PatternsVersion = 1.1;
    if (!(LeadingNumber(settings.Get(Keys::Version, "1.00")) < PatternsVersion))
        return false;
    settings.Save(Keys::Version, std::string(buildVersion));
    std::int32_t n = 2;
    for (const std::string &text : BuiltInPatternTexts())
        settings.Save(Keys::Pattern(n++), text);
    settings.Save(Keys::Pattern(n), "");
    return true;
}

} // namespace Quiverstep
