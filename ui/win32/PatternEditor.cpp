#include "win32/PatternEditor.h"

#include "WideText.h"

namespace Quiverstep {

using Presenter = PatternEditorPresenter;

PatternEditor::PatternEditor()
    : DialogWindow(Presenter::Description())
    , MessageBoxView(m_hwnd)
    , m_presenter(*this)
{}

void PatternEditor::onLoad()
{
    m_presenter.Load(m_patternName, m_patternBody, m_newPattern);
    takeResult();
}

void PatternEditor::onCommand(int id, int code, HWND)
{
    if (id == Presenter::stepList) {
        if (code == LBN_SELCHANGE)
            m_presenter.SelectionChanged();
    } else if (code == BN_CLICKED) {
        m_presenter.Clicked(id);
    }
}

void PatternEditor::onCancel()
{
    m_presenter.Cancel();
}

void PatternEditor::takeResult()
{
    m_patternName = m_presenter.Name();
    m_patternBody = m_presenter.Body();
    m_saved = m_presenter.Saved();
    m_removed = m_presenter.Removed();
}

void PatternEditor::Close(bool)
{
    takeResult();
    DialogWindow::Close();
}

std::string PatternEditor::Text(int control) const
{
    return DialogWindow::Text(GetDlgItem(m_hwnd, control));
}

void PatternEditor::SetText(int control, const std::string &text)
{
    DialogWindow::SetText(GetDlgItem(m_hwnd, control), text);
}

bool PatternEditor::IsChecked(int control) const
{
    return IsDlgButtonChecked(m_hwnd, control) == BST_CHECKED;
}

void PatternEditor::Check(int control)
{
    CheckRadioButton(m_hwnd, Presenter::TopToBottom, Presenter::BottomToTop, control);
}

LRESULT PatternEditor::toList(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return SendMessageW(GetDlgItem(m_hwnd, Presenter::stepList), message, wParam, lParam);
}

std::vector<std::string> PatternEditor::Lines() const
{
    std::vector<std::string> lines;
    for (WPARAM i = 0; i < WPARAM(toList(LB_GETCOUNT)); ++i) {
        std::wstring text(std::size_t(toList(LB_GETTEXTLEN, i)) + 1, L'\0');
        text.resize(std::size_t(toList(LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
        lines.push_back(Narrow(text));
    }
    return lines;
}

void PatternEditor::InsertLine(int index, const std::string &text)
{
    toList(LB_INSERTSTRING, WPARAM(index), reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void PatternEditor::DeleteLine(int index)
{
    toList(LB_DELETESTRING, WPARAM(index));
}

int PatternEditor::SelectedLine() const
{
    return int(toList(LB_GETCURSEL));
}

void PatternEditor::SelectLine(int index)
{
    toList(LB_SETCURSEL, WPARAM(index));
}

} // namespace Quiverstep
