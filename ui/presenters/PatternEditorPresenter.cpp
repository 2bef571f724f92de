#include "presenters/PatternEditorPresenter.h"

#include "SettingsValidation.h"

#include "Conversions.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace Quiverstep {

namespace {

// A value rounded to hundredths, halves away from zero, with two decimals: "1.05", "-0.50".
// Nothing when the value times 100 overflows a double.
std::optional<std::string> hundredthsText(double value)
{
    const double n = std::floor(std::abs(value) * 100 + 0.5);
    if (!std::isfinite(n))
        return std::nullopt;
    // Formatted with a precision, to_chars gives every digit of the whole number exactly,
    // where dividing the double would round.
    char whole[400]; // the largest double has 309 digits
    const auto end = std::to_chars(whole, whole + sizeof whole, n, std::chars_format::fixed, 0);
    std::string digits(whole, end.ptr);
    if (digits.size() < 3)
        digits = std::string(3 - digits.size(), '0') + digits;
    const std::size_t point = digits.size() - 2;
    return (value < 0 && n != 0 ? "-" : "") + digits.substr(0, point) + "." + digits.substr(point);
}

// The line the Add button appends: " 1.50: -2.00". Nothing when a text is not a number or its
// hundredths cannot be formed.
std::optional<std::string> addedStepLine(std::string_view xText, std::string_view yText)
{
    const auto x = TypedNumber(xText);
    const auto y = TypedNumber(yText);
    if (!x || !y)
        return std::nullopt;
    const auto xShown = hundredthsText(*x);
    const auto yShown = hundredthsText(*y);
    if (!xShown || !yShown)
        return std::nullopt;
    return " " + *xShown + ": " + *yShown;
}

// A step's number as the X or Y box shows it.
std::string numberText(std::string_view text)
{
    const double value = LeadingNumber(text);
    return std::isfinite(value) ? RealToText(value) : std::string();
}

} // namespace

PatternEditorPresenter::PatternEditorPresenter(const std::string &name,
                                               const std::string &body,
                                               bool newPattern)
    : WindowPresenter(Description())
    , m_name(name)
    , m_body(body)
    , m_newPattern(newPattern)
{
    setActions({
            {addButton, [this] { addStep(); }},
            {Delete, [this] { deleteSelectedStep(); }},
            {MoveUp, [this] { moveSelectedTo(View().Selected(stepList) - 1); }},
            {MoveDown,
             [this] {
                 const int i = View().Selected(stepList);
                 moveSelectedTo(i < 0 ? -1 : i + 1);
             }},
            {saveButton, [this] { save(); }},
            {cancelButton, [this] { Cancel(); }},
            {removeButton, [this] { removePattern(); }},
    });
}

void PatternEditorPresenter::Load()
{
    m_saved = false;
    m_removed = false;
    View().SetText(DitherName, m_name);
    // The body is consumed as it is read: each step up to a "\" is a line of the list (its
    // first "," made ":"), and only the end marker is left.
    int count = 0;
    for (std::size_t slash; (slash = m_body.find('\\')) != std::string::npos;) {
        std::string step = m_body.substr(0, slash);
        m_body.erase(0, slash + 1);
        if (const std::size_t comma = step.find(','); comma != std::string::npos)
            step[comma] = ':';
        View().InsertEntry(stepList, count++, step);
    }
    View().SetCheckState(ToUpper(m_body) == "TOP" ? TopToBottom : BottomToTop, 1);
}

void PatternEditorPresenter::Cancel()
{
    m_saved = false;
    View().Close(false);
}

// Selecting raises the selection action, as the user's choice does.
void PatternEditorPresenter::select(int index)
{
    View().Select(stepList, index);
    if (index >= 0)
        SelectionChanged(stepList);
}

void PatternEditorPresenter::addStep()
{
    const auto line = addedStepLine(View().Text(XStep), View().Text(YStep));
    if (!line) {
        View().ShowMessage("X and Y must be numeric");
        return;
    }
    const int count = int(View().Entries(stepList).size());
    View().InsertEntry(stepList, count, *line);
    View().SetText(XStep, "");
    View().SetText(YStep, "");
    select(count);
}

// Shows the selected step in the X and Y boxes.
void PatternEditorPresenter::SelectionChanged(int)
{
    const int i = View().Selected(stepList);
    if (i < 0)
        return;
    const std::string line = View().Entries(stepList)[std::size_t(i)];
    // A line without ":" clears both boxes.
    const std::size_t colon = line.find(':');
    const bool step = colon != std::string::npos;
    View().SetText(XStep, step ? numberText(std::string_view(line).substr(0, colon)) : "");
    View().SetText(YStep, step ? numberText(std::string_view(line).substr(colon + 1)) : "");
}

void PatternEditorPresenter::deleteSelectedStep()
{
    const int i = View().Selected(stepList);
    if (i < 0)
        return;
    View().RemoveEntry(stepList, i);
    // The line that moved up into its place, else the new last one.
    select(i < int(View().Entries(stepList).size()) ? i : i - 1);
}

// Exchanges the selected line with line `target`, when there is one; the moved step stays
// selected.
void PatternEditorPresenter::moveSelectedTo(int target)
{
    const std::vector<std::string> lines = View().Entries(stepList);
    if (target < 0 || target >= int(lines.size()))
        return;
    const int i = View().Selected(stepList);
    View().RemoveEntry(stepList, i);
    View().InsertEntry(stepList, i, lines[std::size_t(target)]);
    View().RemoveEntry(stepList, target);
    View().InsertEntry(stepList, target, lines[std::size_t(i)]);
    select(target);
}

void PatternEditorPresenter::save()
{
    const std::string name = View().Text(DitherName);
    const std::vector<std::string> lines = View().Entries(stepList);
    const char *problem = nullptr;
    if (name.empty())
        problem = "Please specify the name for this pattern";
    else if (name.find('\\') != std::string::npos) // the name ends at the first "\" when read
        problem = "The pattern name cannot contain a backslash.";
    else if (lines.empty())
        problem = "No steps specified in the dither pattern. Please add some.";
    if (problem) {
        View().ShowMessage(problem);
        return;
    }
    // Every line followed by "\", then the end marker.
    m_body.clear();
    for (const std::string &line : lines)
        m_body += line + "\\";
    m_body += View().CheckState(TopToBottom) == 1 ? "TOP" : "BOTTOM";
    m_name = name;
    m_saved = true;
    View().Close(true);
}

void PatternEditorPresenter::removePattern()
{
    if (m_newPattern) {
        m_saved = false;
        m_removed = false;
        View().Close(false);
        return;
    }
    if (!View().AskYesNo("Do you want to delete this pattern permanently?"))
        return;
    m_saved = true;
    m_removed = true;
    m_name = View().Text(DitherName);
    View().Close(true);
}

} // namespace Quiverstep
