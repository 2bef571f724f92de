#include "presenters/PatternEditorPresenter.h"

#include "PatternEditing.h"

#include <vector>

namespace Quiverstep {

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
    const std::string name = m_name;
    const std::string body = m_body;
    m_saved = false;
    m_removed = false;
    View().SetText(DitherName, name);
    const PatternEditing::LoadedBody loaded = PatternEditing::LoadBody(body);
    for (std::size_t i = 0; i < loaded.lines.size(); ++i)
        View().InsertEntry(stepList, int(i), loaded.lines[i]);
    // The body is consumed as it is read: only its end marker is left.
    const std::size_t lastSlash = body.rfind('\\');
    m_body = lastSlash == std::string::npos ? body : body.substr(lastSlash + 1);
    View().SetCheckState(loaded.repeatFromTop ? TopToBottom : BottomToTop, 1);
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
    const auto line = PatternEditing::AddedStepLine(View().Text(XStep), View().Text(YStep));
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
    const PatternEditing::StepTexts texts = PatternEditing::LineStepTexts(
            View().Entries(stepList)[std::size_t(i)]);
    View().SetText(XStep, texts.x);
    View().SetText(YStep, texts.y);
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
    m_body = PatternEditing::BuildBody(lines, View().CheckState(TopToBottom) == 1);
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
