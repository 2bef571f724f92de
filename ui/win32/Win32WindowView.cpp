#include "win32/Win32WindowView.h"

#include "WideText.h"

namespace Quiverstep {

Win32WindowView::Win32WindowView(WindowPresenter &presenter)
    : DialogWindow(presenter.Description())
    , m_presenter(presenter)
{
    m_presenter.Attach(*this);
}

void Win32WindowView::SetCheckState(int id, int state)
{
    if (description().Control(id).kind == ControlKind::RadioButton && state == BST_CHECKED) {
        checkRadioButton(id);
        return;
    }
    if (state == BST_INDETERMINATE) // grayed, as a hand-edited setting may ask for
        SendMessageW(item(id), BM_SETSTYLE, BS_AUTO3STATE, FALSE);
    SendMessageW(item(id), BM_SETCHECK, WPARAM(state), 0);
}

std::vector<std::string> Win32WindowView::Entries(int id) const
{
    const ListMessages &list = messages(id);
    std::vector<std::string> entries;
    const auto count = WPARAM(SendMessageW(item(id), list.count, 0, 0));
    for (WPARAM i = 0; i < count; ++i) {
        std::wstring text(std::size_t(SendMessageW(item(id), list.textLength, i, 0)) + 1, L'\0');
        text.resize(std::size_t(
                SendMessageW(item(id), list.text, i, reinterpret_cast<LPARAM>(text.data()))));
        entries.push_back(Narrow(text));
    }
    return entries;
}

void Win32WindowView::SetEntries(int id, const std::vector<std::string> &entries)
{
    SendMessageW(item(id), messages(id).reset, 0, 0);
    for (const std::string &entry : entries)
        SendMessageW(item(id), messages(id).add, 0, reinterpret_cast<LPARAM>(Widen(entry).c_str()));
    Select(id, -1);
}

void Win32WindowView::InsertEntry(int id, int index, const std::string &text)
{
    SendMessageW(item(id),
                 messages(id).insert,
                 WPARAM(index),
                 reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void Win32WindowView::OpenModal(WindowPresenter &presenter)
{
    Win32WindowView window(presenter);
    window.ShowModal(m_hwnd);
}

void Win32WindowView::onCommand(int id, int code, HWND)
{
    for (const ControlDescription &control : description().controls) {
        if (control.id != id)
            continue;
        if (control.kind == ControlKind::DropDownList || control.kind == ControlKind::ListBox) {
            // The user's choice: selecting by message raises no notification.
            if (code == (control.kind == ControlKind::ListBox ? LBN_SELCHANGE : CBN_SELCHANGE))
                m_presenter.SelectionChanged(id);
        } else if (code == BN_CLICKED) {
            m_presenter.Clicked(id);
        }
        return;
    }
}

void Win32WindowView::checkRadioButton(int id)
{
    std::vector<int> group;
    bool found = false;
    for (const ControlDescription &control : description().controls) {
        const bool radio = control.kind == ControlKind::RadioButton;
        if (!radio || control.groupStart) {
            if (found)
                break;
            group.clear();
        }
        if (radio)
            group.push_back(control.id);
        found = found || control.id == id;
    }
    for (int button : group)
        SendMessageW(item(button), BM_SETCHECK, button == id ? BST_CHECKED : BST_UNCHECKED, 0);
}

} // namespace Quiverstep
