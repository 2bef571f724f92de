#pragma once

#include "WideText.h"
#include "win32/DialogWindow.h"
#include "win32/MessageBoxes.h"
#include "win32/PathPicture.h"

#include <string>
#include <vector>

namespace Quiverstep {

// A window's view in Win32: the controls of its description, and message boxes and
// questions that open over the window, once it exists.
template<typename View>
class Win32WindowView : public DialogWindow, public View
{
protected:
    explicit Win32WindowView(const WindowDescription &description)
        : DialogWindow(description)
    {}

    HWND item(int id) const { return GetDlgItem(m_hwnd, id); }

    std::string Text(int id) const override { return DialogWindow::Text(item(id)); }
    void SetText(int id, const std::string &text) override
    {
        DialogWindow::SetText(item(id), text);
    }

    // The states' numbers are BST_UNCHECKED, BST_CHECKED and BST_INDETERMINATE.
    int CheckState(int id) const override { return int(SendMessageW(item(id), BM_GETCHECK, 0, 0)); }
    void SetCheckState(int id, int state) override
    {
        if (description().Control(id).kind == ControlKind::RadioButton && state == BST_CHECKED) {
            checkRadioButton(id);
            return;
        }
        if (state == BST_INDETERMINATE) // grayed, as a hand-edited setting may ask for
            SendMessageW(item(id), BM_SETSTYLE, BS_AUTO3STATE, FALSE);
        SendMessageW(item(id), BM_SETCHECK, WPARAM(state), 0);
    }

    std::vector<std::string> Entries(int id) const override
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
    void SetEntries(int id, const std::vector<std::string> &entries) override
    {
        SendMessageW(item(id), messages(id).reset, 0, 0);
        for (const std::string &entry : entries)
            SendMessageW(item(id),
                         messages(id).add,
                         0,
                         reinterpret_cast<LPARAM>(Widen(entry).c_str()));
        Select(id, -1);
    }
    void InsertEntry(int id, int index, const std::string &text) override
    {
        SendMessageW(item(id),
                     messages(id).insert,
                     WPARAM(index),
                     reinterpret_cast<LPARAM>(Widen(text).c_str()));
    }
    void RemoveEntry(int id, int index) override
    {
        SendMessageW(item(id), messages(id).remove, WPARAM(index), 0);
    }
    int Selected(int id) const override
    {
        return int(SendMessageW(item(id), messages(id).selected, 0, 0));
    }
    // Selecting by message raises no selection notification.
    void Select(int id, int index) override
    {
        SendMessageW(item(id), messages(id).select, WPARAM(index), 0);
    }

    void ClearPath(int) override { canvas()->Clear(); }
    void PaintPosition(int, double x, double y, std::int32_t pathColour) override
    {
        canvas()->PaintPosition(x, y, pathColour);
    }

    void ShowMessage(const std::string &text) override { Quiverstep::ShowMessage(m_hwnd, text); }
    bool AskYesNo(const std::string &text) override { return Quiverstep::AskYesNo(m_hwnd, text); }

private:
    // A drop-down list and a list box take the same requests under different numbers.
    struct ListMessages
    {
        UINT reset, add, insert, remove, count, textLength, text, selected, select;
    };
    const ListMessages &messages(int id) const
    {
        static constexpr ListMessages comboBox{CB_RESETCONTENT,
                                               CB_ADDSTRING,
                                               CB_INSERTSTRING,
                                               CB_DELETESTRING,
                                               CB_GETCOUNT,
                                               CB_GETLBTEXTLEN,
                                               CB_GETLBTEXT,
                                               CB_GETCURSEL,
                                               CB_SETCURSEL};
        static constexpr ListMessages listBox{LB_RESETCONTENT,
                                              LB_ADDSTRING,
                                              LB_INSERTSTRING,
                                              LB_DELETESTRING,
                                              LB_GETCOUNT,
                                              LB_GETTEXTLEN,
                                              LB_GETTEXT,
                                              LB_GETCURSEL,
                                              LB_SETCURSEL};
        return description().Control(id).kind == ControlKind::ListBox ? listBox : comboBox;
    }

    // As CheckRadioButton: the button on, the others of its group off.
    void checkRadioButton(int id)
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
};

} // namespace Quiverstep
