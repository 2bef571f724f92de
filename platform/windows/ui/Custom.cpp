#include "Custom.h"

#include "MessageBoxes.h"
#include "WideText.h"

#include "PatternEditing.h"

#include <vector>

namespace Quiverstep {

Custom::Custom()
    : DialogWindow(L"Custom Dither Pattern", 445, 414, Placement::CentreOwner)
{}

void Custom::build()
{
    // In keyboard focus order.
    textBox(DitherName, L"", 124, 24, 213, 29);
    defaultButton(Command1, L"Save", 348, 20, 81, 33);
    button(Command2, L"Cancel", 348, 60, 81, 33);
    button(pbAdd, L"Add", 20, 72, 77, 29);
    textBox(XStep, L"", 124, 72, 53, 29);
    textBox(YStep, L"", 208, 72, 53, 29);
    listBox(List1, 20, 104, 317, 160);
    button(Delete, L"Delete", 20, 284, 65, 25);
    button(MoveUp, L"Move Up", 168, 284, 77, 25);
    button(MoveDown, L"Move Down", 256, 284, 85, 25);
    button(Command7, L"Remove", 348, 104, 81, 33);
    // Frame1 holds the end rules, placed relative to it.
    radioButton(BottomToTop, L"Reverse direction (bottom to top)", 20 + 20, 320 + 52, 217, 21, true);
    radioButton(TopToBottom, L"Repeat top to bottom", 20 + 20, 320 + 24, 201, 21, false);
    frame(Frame1, L"At the end of the pattern", 20, 320, 321, 85);

    label(Label1, L"Dither Name:", 12, 24, 101, 25);
    label(Label2, L"X:", 108, 80, 13, 21);
    label(Label3, L"Y:", 188, 80, 13, 21);
    CheckRadioButton(m_hwnd, TopToBottom, BottomToTop, BottomToTop);
}

void Custom::onLoad()
{
    m_bDelete = false;
    SetText(item(DitherName), m_sDitherName);
    m_bOK = false;
    m_bDelete = false;
    const PatternEditing::LoadedBody body = PatternEditing::LoadBody(m_sDither);
    for (const std::string &text : body.lines)
        addLine(text);
    // The body is consumed as it is read: only its end marker is left.
    const std::size_t lastSlash = m_sDither.rfind('\\');
    if (lastSlash != std::string::npos)
        m_sDither.erase(0, lastSlash + 1);
    CheckRadioButton(m_hwnd,
                     TopToBottom,
                     BottomToTop,
                     body.repeatFromTop ? TopToBottom : BottomToTop);
}

void Custom::onCommand(int id, int code, HWND)
{
    switch (id) {
    case pbAdd:
        pbAdd_Click();
        break;
    case List1:
        if (code == LBN_SELCHANGE)
            List1_Click();
        break;
    case Delete:
        Delete_Click();
        break;
    case MoveUp:
        MoveUp_Click();
        break;
    case MoveDown:
        MoveDown_Click();
        break;
    case Command1:
        Command1_Click();
        break;
    case Command2:
        onCancel();
        break;
    case Command7:
        Command7_Click();
        break;
    default:
        break;
    }
}

int Custom::selectedIndex() const
{
    return int(SendMessageW(item(List1), LB_GETCURSEL, 0, 0));
}

int Custom::lineCount() const
{
    return int(SendMessageW(item(List1), LB_GETCOUNT, 0, 0));
}

std::string Custom::line(int index) const
{
    std::wstring text(std::size_t(SendMessageW(item(List1), LB_GETTEXTLEN, WPARAM(index), 0)) + 1,
                      L'\0');
    text.resize(std::size_t(SendMessageW(item(List1),
                                         LB_GETTEXT,
                                         WPARAM(index),
                                         reinterpret_cast<LPARAM>(text.data()))));
    return Narrow(text);
}

void Custom::addLine(const std::string &text)
{
    SendMessageW(item(List1), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void Custom::setLine(int index, const std::string &text)
{
    SendMessageW(item(List1), LB_DELETESTRING, WPARAM(index), 0);
    SendMessageW(item(List1),
                 LB_INSERTSTRING,
                 WPARAM(index),
                 reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void Custom::select(int index)
{
    // Selecting raises the selection action, as the user's choice does.
    SendMessageW(item(List1), LB_SETCURSEL, WPARAM(index), 0);
    if (index >= 0)
        List1_Click();
}

void Custom::pbAdd_Click()
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

void Custom::List1_Click()
{
    const int i = selectedIndex();
    if (i < 0)
        return;
    const PatternEditing::StepTexts texts = PatternEditing::LineStepTexts(line(i));
    SetText(item(XStep), texts.x);
    SetText(item(YStep), texts.y);
}

void Custom::Delete_Click()
{
    const int i = selectedIndex();
    if (i < 0)
        return;
    SendMessageW(item(List1), LB_DELETESTRING, WPARAM(i), 0);
    select(PatternEditing::SelectionAfterDelete(i, lineCount()));
}

void Custom::MoveUp_Click()
{
    moveSelectedTo(PatternEditing::MoveUpTarget(selectedIndex()));
}

void Custom::MoveDown_Click()
{
    moveSelectedTo(PatternEditing::MoveDownTarget(selectedIndex(), lineCount()));
}

// Exchanges the selected line with line `target` (none when below 0); the moved step stays
// selected.
void Custom::moveSelectedTo(int target)
{
    if (target < 0)
        return;
    const int i = selectedIndex();
    const std::string moved = line(i);
    setLine(i, line(target));
    setLine(target, moved);
    select(target);
}

void Custom::Command1_Click()
{
    const std::string name = Text(item(DitherName));
    if (const auto problem = PatternEditing::SaveProblem(name, std::size_t(lineCount()))) {
        ShowMessage(m_hwnd, *problem);
        return;
    }
    std::vector<std::string> lines;
    for (int i = 0; i < lineCount(); ++i)
        lines.push_back(line(i));
    m_sDither = PatternEditing::BuildBody(lines,
                                          IsDlgButtonChecked(m_hwnd, TopToBottom) == BST_CHECKED);
    m_sDitherName = name;
    m_bOK = true;
    Close();
}

void Custom::onCancel()
{
    // Cancel, Escape and the window frame all leave without a result.
    m_bOK = false;
    Close();
}

void Custom::Command7_Click()
{
    if (m_bNewPattern) {
        m_bOK = false;
        m_bDelete = false;
        Close();
        return;
    }
    if (!AskYesNo(m_hwnd, PatternEditing::ConfirmRemove))
        return;
    m_bOK = true;
    m_bDelete = true;
    m_sDitherName = Text(item(DitherName));
    Close();
}

} // namespace Quiverstep
