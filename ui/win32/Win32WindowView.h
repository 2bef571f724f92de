#pragma once

#include "presenters/WindowPresenter.h"
#include "win32/DialogWindow.h"
#include "win32/MessageBoxes.h"
#include "win32/PathPicture.h"

#include <string>
#include <vector>

namespace Quiverstep {

// A window in Win32 made from its presenter's description: the controls, each handled by
// its kind, their events handed to the presenter, and message boxes and questions that open
// over the window, once it exists.
class Win32WindowView : public DialogWindow, public WindowView
{
public:
    explicit Win32WindowView(WindowPresenter &presenter);

    WindowPresenter &Presenter() const { return m_presenter; }

    std::string Text(int id) const override { return DialogWindow::Text(item(id)); }
    void SetText(int id, const std::string &text) override
    {
        DialogWindow::SetText(item(id), text);
    }

    // The states' numbers are BST_UNCHECKED, BST_CHECKED and BST_INDETERMINATE.
    int CheckState(int id) const override { return int(SendMessageW(item(id), BM_GETCHECK, 0, 0)); }
    void SetCheckState(int id, int state) override;
    std::vector<std::string> Entries(int id) const override;
    void SetEntries(int id, const std::vector<std::string> &entries) override;
    void InsertEntry(int id, int index, const std::string &text) override;
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
    void SetCaption(const std::string &caption) override { DialogWindow::SetCaption(caption); }
    void StartTimer(int timer, int milliseconds) override
    {
        SetTimer(m_hwnd, UINT_PTR(timer), UINT(milliseconds), nullptr);
    }
    void StopTimer(int timer) override { KillTimer(m_hwnd, UINT_PTR(timer)); }
    void OpenModal(WindowPresenter &presenter) override;
    void Close(bool) override { DialogWindow::Close(); }
    void ShowMessage(const std::string &text) override { Quiverstep::ShowMessage(m_hwnd, text); }
    bool AskYesNo(const std::string &text) override { return Quiverstep::AskYesNo(m_hwnd, text); }

protected:
    HWND item(int id) const { return GetDlgItem(m_hwnd, id); }

    void onLoad() override { m_presenter.Load(); }
    void onCommand(int id, int code, HWND control) override;
    void onTimer(UINT_PTR timer) override { m_presenter.Tick(int(timer)); }
    void onCancel() override { m_presenter.Cancel(); }
    void onUnload() override { m_presenter.Unload(); }

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
    void checkRadioButton(int id);

    WindowPresenter &m_presenter;
};

} // namespace Quiverstep
