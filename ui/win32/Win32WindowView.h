#pragma once

#include "presenters/WindowPresenter.h"

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Quiverstep {

class PathPicture;

// The module this code is linked into: the DLL, or a test program.
HINSTANCE ModuleInstance();

// A window in Win32 made from its presenter's description: a fixed-size window that behaves
// as a dialog (Tab order, the default button on Enter, Escape), laid out in pixels at 96 dpi
// and scaled for the screen's DPI, its controls handled by their kind, their events handed
// to the presenter, and message boxes and questions that open over the window once it exists.
class Win32WindowView : public WindowView
{
public:
    explicit Win32WindowView(WindowPresenter &presenter);
    ~Win32WindowView() override;
    Win32WindowView(const Win32WindowView &) = delete;
    Win32WindowView &operator=(const Win32WindowView &) = delete;

    HWND hwnd() const { return m_hwnd; }
    bool IsOpen() const { return m_hwnd != nullptr; }

    // Creates the window (hidden) and its controls, then loads the presenter. Called by the
    // Show functions when the window is not open yet.
    void Create(HWND owner);
    // Shows the window modal to owner (none: the thread's active window, if any) and
    // returns when it has closed.
    void ShowModal(HWND owner = nullptr);
    // Shows the window and returns at once; an open window is brought forward.
    void ShowModeless(HWND owner = nullptr);

    // Whether the top-level window is one of ours; how many of ours exist.
    static bool IsOurs(HWND window);
    static int OpenCount();
    // Forgets the window classes, before the module that registered them goes.
    static void UnregisterClasses();

    // Texts of any window or control, in the core's UTF-8.
    static std::string ControlText(HWND control);
    static void SetControlText(HWND control, std::string_view text);

    std::string Text(int id) const override { return ControlText(item(id)); }
    void SetText(int id, const std::string &text) override { SetControlText(item(id), text); }
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
    void ClearPath(int id) override;
    void PaintPosition(int id, double x, double y, std::int32_t pathColour) override;
    void SetCaption(const std::string &caption) override;
    void StartTimer(int timer, int milliseconds) override
    {
        SetTimer(m_hwnd, UINT_PTR(timer), UINT(milliseconds), nullptr);
    }
    void StopTimer(int timer) override { KillTimer(m_hwnd, UINT_PTR(timer)); }
    void OpenModal(WindowPresenter &presenter) override;
    // Unloads the window: the presenter unloads, then the window goes.
    void Close(bool accepted = false) override;
    void ShowMessage(const std::string &text) override;
    bool AskYesNo(const std::string &text) override;

protected:
    HWND item(int id) const { return GetDlgItem(m_hwnd, id); }
    // Whether a modal window opened while this one is active may be its owned window.
    virtual bool canOwn() const { return true; }
    // When the window has gone; a self-owned window may delete itself here.
    virtual void onDestroyed() {}

    HWND m_hwnd = nullptr;

private:
    // A drop-down list and a list box take the same requests under different numbers.
    struct ListMessages
    {
        UINT reset, add, insert, remove, count, textLength, text, selected, select;
    };
    const ListMessages &messages(int id) const;

    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void position(HWND owner);
    void buildDescribed();
    void makeDescribed(const ControlDescription &control);
    void command(int id, int code);
    void escape();
    // As CheckRadioButton: the button on, the others of its group off.
    void checkRadioButton(int id);

    WindowPresenter &m_presenter;
    const WindowDescription &m_description;
    std::unique_ptr<PathPicture> m_canvas; // the control of kind Canvas; one at the most
    std::wstring m_caption;
    HFONT m_font = nullptr;
    bool m_modal = false;
    bool m_closing = false;
};

} // namespace Quiverstep
