#include "presenters/PatternEditorPresenter.h"

#include "presenters/PatternEditorView.h"

#include "PatternEditing.h"

#include <vector>

namespace Quiverstep {

const WindowDescription &PatternEditorPresenter::Description()
{
    using K = ControlKind;
    // clang-format off
    static const WindowDescription description{
        "PatternEditor", "Custom Dither Pattern", 445, 414, WindowPlacement::CentreOwner,
        {
            {nameLabel, "nameLabel", K::Label, "Dither Name:", 12, 24, 101, 25},
            {DitherName, "DitherName", K::TextBox, "", 124, 24, 213, 29},
            {saveButton, "saveButton", K::Button, "Save", 348, 20, 81, 33},
            {cancelButton, "cancelButton", K::Button, "Cancel", 348, 60, 81, 33},
            {addButton, "addButton", K::Button, "Add", 20, 72, 77, 29},
            {xLabel, "xLabel", K::Label, "X:", 108, 80, 13, 21},
            {XStep, "XStep", K::TextBox, "", 124, 72, 53, 29},
            {yLabel, "yLabel", K::Label, "Y:", 188, 80, 13, 21},
            {YStep, "YStep", K::TextBox, "", 208, 72, 53, 29},
            {stepList, "stepList", K::ListBox, "", 20, 104, 317, 160},
            {Delete, "Delete", K::Button, "Delete", 20, 284, 65, 25},
            {MoveUp, "MoveUp", K::Button, "Move Up", 168, 284, 77, 25},
            {MoveDown, "MoveDown", K::Button, "Move Down", 256, 284, 85, 25},
            {removeButton, "removeButton", K::Button, "Remove", 348, 104, 81, 33},
            {endRuleFrame, "endRuleFrame", K::Frame, "At the end of the pattern", 20, 320, 321, 85},
            {BottomToTop, "BottomToTop", K::RadioButton, "Reverse direction (bottom to top)", 20, 52, 217, 21, endRuleFrame, true},
            {TopToBottom, "TopToBottom", K::RadioButton, "Repeat top to bottom", 20, 24, 201, 21, endRuleFrame},
        },
        saveButton,
        cancelButton,
    };
    // clang-format on
    return description;
}

PatternEditorPresenter::PatternEditorPresenter(PatternEditorView &view)
    : m_view(view)
{}

void PatternEditorPresenter::Load(const std::string &name, const std::string &body, bool newPattern)
{
    m_name = name;
    m_newPattern = newPattern;
    m_saved = false;
    m_removed = false;
    m_view.SetText(DitherName, name);
    const PatternEditing::LoadedBody loaded = PatternEditing::LoadBody(body);
    for (std::size_t i = 0; i < loaded.lines.size(); ++i)
        m_view.InsertEntry(stepList, int(i), loaded.lines[i]);
    // The body is consumed as it is read: only its end marker is left.
    const std::size_t lastSlash = body.rfind('\\');
    m_body = lastSlash == std::string::npos ? body : body.substr(lastSlash + 1);
    m_view.SetCheckState(loaded.repeatFromTop ? TopToBottom : BottomToTop, 1);
}

void PatternEditorPresenter::Clicked(int control)
{
    switch (control) {
    case addButton:
        addStep();
        break;
    case Delete:
        deleteSelectedStep();
        break;
    case MoveUp:
        moveSelectedTo(m_view.Selected(stepList) - 1);
        break;
    case MoveDown:
        moveSelectedTo(m_view.Selected(stepList) < 0 ? -1 : m_view.Selected(stepList) + 1);
        break;
    case saveButton:
        save();
        break;
    case cancelButton:
        Cancel();
        break;
    case removeButton:
        removePattern();
        break;
    default:
        break;
    }
}

void PatternEditorPresenter::Cancel()
{
    m_saved = false;
    m_view.Close(false);
}

// Selecting raises the selection action, as the user's choice does.
void PatternEditorPresenter::select(int index)
{
    m_view.Select(stepList, index);
    if (index >= 0)
        SelectionChanged();
}

void PatternEditorPresenter::addStep()
{
    const auto line = PatternEditing::AddedStepLine(m_view.Text(XStep), m_view.Text(YStep));
    if (!line) {
        m_view.ShowMessage("X and Y must be numeric");
        return;
    }
    const int count = int(m_view.Entries(stepList).size());
    m_view.InsertEntry(stepList, count, *line);
    m_view.SetText(XStep, "");
    m_view.SetText(YStep, "");
    select(count);
}

// Shows the selected step in the X and Y boxes.
void PatternEditorPresenter::SelectionChanged()
{
    const int i = m_view.Selected(stepList);
    if (i < 0)
        return;
    const PatternEditing::StepTexts texts = PatternEditing::LineStepTexts(
            m_view.Entries(stepList)[std::size_t(i)]);
    m_view.SetText(XStep, texts.x);
    m_view.SetText(YStep, texts.y);
}

void PatternEditorPresenter::deleteSelectedStep()
{
    const int i = m_view.Selected(stepList);
    if (i < 0)
        return;
    m_view.RemoveEntry(stepList, i);
    // The line that moved up into its place, else the new last one.
    select(i < int(m_view.Entries(stepList).size()) ? i : i - 1);
}

// Exchanges the selected line with line `target`, when there is one; the moved step stays
// selected.
void PatternEditorPresenter::moveSelectedTo(int target)
{
    const std::vector<std::string> lines = m_view.Entries(stepList);
    if (target < 0 || target >= int(lines.size()))
        return;
    const int i = m_view.Selected(stepList);
    m_view.RemoveEntry(stepList, i);
    m_view.InsertEntry(stepList, i, lines[std::size_t(target)]);
    m_view.RemoveEntry(stepList, target);
    m_view.InsertEntry(stepList, target, lines[std::size_t(i)]);
    select(target);
}

void PatternEditorPresenter::save()
{
    const std::string name = m_view.Text(DitherName);
    const std::vector<std::string> lines = m_view.Entries(stepList);
    const char *problem = nullptr;
    if (name.empty())
        problem = "Please specify the name for this pattern";
    else if (name.find('\\') != std::string::npos) // the name ends at the first "\" when read
        problem = "The pattern name cannot contain a backslash.";
    else if (lines.empty())
        problem = "No steps specified in the dither pattern. Please add some.";
    if (problem) {
        m_view.ShowMessage(problem);
        return;
    }
    m_body = PatternEditing::BuildBody(lines, m_view.CheckState(TopToBottom) == 1);
    m_name = name;
    m_saved = true;
    m_view.Close(true);
}

void PatternEditorPresenter::removePattern()
{
    if (m_newPattern) {
        m_saved = false;
        m_removed = false;
        m_view.Close(false);
        return;
    }
    if (!m_view.AskYesNo("Do you want to delete this pattern permanently?"))
        return;
    m_saved = true;
    m_removed = true;
    m_name = m_view.Text(DitherName);
    m_view.Close(true);
}

} // namespace Quiverstep
