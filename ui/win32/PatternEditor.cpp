#include "win32/PatternEditor.h"

#include "win32/MessageBoxes.h"
#include "WideText.h"

#include "PatternEditing.h"

#include <vector>

namespace Quiverstep {

PatternEditor::PatternEditor()
    : DialogWindow(L"Custom Dither Pattern", 445, 414, Placement::CentreOwner)
{}

void PatternEditor::build()
{
    // In keyboard focus order.
    textBox(DitherName, L"", 124, 24, 213, 29);
    defaultButton(saveButton, L"Save", 348, 20, 81, 33);
    button(cancelButton, L"Cancel", 348, 60, 81, 33);
    button(addButton, L"Add", 20, 72, 77, 29);
    textBox(XStep, L"", 124, 72, 53, 29);
    textBox(YStep, L"", 208, 72, 53, 29);
    listBox(stepList, 20, 104, 317, 160);
    button(Delete, L"Delete", 20, 284, 65, 25);
    button(MoveUp, L"Move Up", 168, 284, 77, 25);
    button(MoveDown, L"Move Down", 256, 284, 85, 25);
    button(removeButton, L"Remove", 348, 104, 81, 33);
    // endRuleFrame holds the end rules, placed relative to it.
    radioButton(BottomToTop, L"Reverse direction (bottom to top)", 20 + 20, 320 + 52, 217, 21, true);
    radioButton(TopToBottom, L"Repeat top to bottom", 20 + 20, 320 + 24, 201, 21, false);
    frame(endRuleFrame, L"At the end of the pattern", 20, 320, 321, 85);

    label(nameLabel, L"Dither Name:", 12, 24, 101, 25);
    label(xLabel, L"X:", 108, 80, 13, 21);
    label(yLabel, L"Y:", 188, 80, 13, 21);
    CheckRadioButton(m_hwnd, TopToBottom, BottomToTop, BottomToTop);
}

void PatternEditor::onLoad()
{
    m_removed = false;
    SetText(item(DitherName), m_patternName);
    m_saved = false;
    m_removed = false;
    const PatternEditing::LoadedBody body = PatternEditing::LoadBody(m_patternBody);
    for (const std::string &text : body.lines)
        addLine(text);
    // The body is consumed as it is read: only its end marker is left.
    const std::size_t lastSlash = m_patternBody.rfind('\\');
    if (lastSlash != std::string::npos)
        m_patternBody.erase(0, lastSlash + 1);
    CheckRadioButton(m_hwnd,
                     TopToBottom,
                     BottomToTop,
                     body.repeatFromTop ? TopToBottom : BottomToTop);
}

void PatternEditor::onCommand(int id, int code, HWND)
{
    switch (id) {
    case addButton:
        addStep();
        break;
    case stepList:
        if (code == LBN_SELCHANGE)
            showSelectedStep();
        break;
    case Delete:
        deleteSelectedStep();
        break;
    case MoveUp:
        moveStepUp();
        break;
    case MoveDown:
        moveStepDown();
        break;
    case saveButton:
        save();
        break;
    case cancelButton:
        onCancel();
        break;
    case removeButton:
        removePattern();
        break;
    default:
        break;
    }
}

int PatternEditor::selectedIndex() const
{
    return int(SendMessageW(item(stepList), LB_GETCURSEL, 0, 0));
}

int PatternEditor::lineCount() const
{
    return int(SendMessageW(item(stepList), LB_GETCOUNT, 0, 0));
}

std::string PatternEditor::line(int index) const
{
    std::wstring text(std::size_t(SendMessageW(item(stepList), LB_GETTEXTLEN, WPARAM(index), 0)) + 1,
                      L'\0');
    text.resize(std::size_t(SendMessageW(item(stepList),
                                         LB_GETTEXT,
                                         WPARAM(index),
                                         reinterpret_cast<LPARAM>(text.data()))));
    return Narrow(text);
}

void PatternEditor::addLine(const std::string &text)
{
    SendMessageW(item(stepList), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void PatternEditor::setLine(int index, const std::string &text)
{
    SendMessageW(item(stepList), LB_DELETESTRING, WPARAM(index), 0);
    SendMessageW(item(stepList),
                 LB_INSERTSTRING,
                 WPARAM(index),
                 reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void PatternEditor::select(int index)
{
    // Selecting raises the selection action, as the user's choice does.
    SendMessageW(item(stepList), LB_SETCURSEL, WPARAM(index), 0);
    if (index >= 0)
        showSelectedStep();
}

void PatternEditor::addStep()
{
    const auto added = PatternEditing::AddedStepLine(Text(item(XStep)), Text(item(YStep)));
    if (!added) {
        ShowMessage(m_hwnd, PatternEditing::NotNumeric);
        return;
    }
    addLine(*added);
    SetText(item(XStep), "");
    SetText(item(YStep), "");
    select(lineCount() - 1);
}

void PatternEditor::showSelectedStep()
{
    const int i = selectedIndex();
    if (i < 0)
        return;
    const PatternEditing::StepTexts texts = PatternEditing::LineStepTexts(line(i));
    SetText(item(XStep), texts.x);
    SetText(item(YStep), texts.y);
}

void PatternEditor::deleteSelectedStep()
{
    const int i = selectedIndex();
    if (i < 0)
        return;
    SendMessageW(item(stepList), LB_DELETESTRING, WPARAM(i), 0);
    select(PatternEditing::SelectionAfterDelete(i, lineCount()));
}

void PatternEditor::moveStepUp()
{
    moveSelectedTo(PatternEditing::MoveUpTarget(selectedIndex()));
}

void PatternEditor::moveStepDown()
{
    moveSelectedTo(PatternEditing::MoveDownTarget(selectedIndex(), lineCount()));
}

// Exchanges the selected line with line `target` (none when below 0); the moved step stays
// selected.
void PatternEditor::moveSelectedTo(int target)
{
    if (target < 0)
        return;
    const int i = selectedIndex();
    const std::string moved = line(i);
    setLine(i, line(target));
    setLine(target, moved);
    select(target);
}

void PatternEditor::save()
{
    const std::string name = Text(item(DitherName));
    if (const auto problem = PatternEditing::SaveProblem(name, std::size_t(lineCount()))) {
        ShowMessage(m_hwnd, *problem);
        return;
    }
    std::vector<std::string> lines;
    for (int i = 0; i < lineCount(); ++i)
        lines.push_back(line(i));
    m_patternBody = PatternEditing::BuildBody(lines,
                                              IsDlgButtonChecked(m_hwnd, TopToBottom)
                                                      == BST_CHECKED);
    m_patternName = name;
    m_saved = true;
    Close();
}

void PatternEditor::onCancel()
{
    // Cancel, Escape and the window frame all leave without a result.
    m_saved = false;
    Close();
}

void PatternEditor::removePattern()
{
    if (m_newPattern) {
        m_saved = false;
        m_removed = false;
        Close();
        return;
    }
    if (!AskYesNo(m_hwnd, PatternEditing::ConfirmRemove))
        return;
    m_saved = true;
    m_removed = true;
    m_patternName = Text(item(DitherName));
    Close();
}

} // namespace Quiverstep
