#pragma once

#include "presenters/WindowDescription.h"

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

namespace Quiverstep {

class PathPicture;

// The module this code is linked into: the DLL, or a test program.
HINSTANCE ModuleInstance();

// A fixed-size window that behaves as a dialog (Tab order, the default button on Enter,
// Escape), made from its description, laid out in pixels at 96 dpi and scaled for the
// screen's DPI.
class DialogWindow
{
public:
    virtual ~DialogWindow();
    DialogWindow(const DialogWindow &) = delete;
    DialogWindow &operator=(const DialogWindow &) = delete;

    HWND hwnd() const { return m_hwnd; }
    bool IsOpen() const { return m_hwnd != nullptr; }

    // Shows the window modal to owner (none: the thread's active window, if any) and
    // returns when it has closed.
    void ShowModal(HWND owner = nullptr);
    // Shows the window and returns at once; an open window is brought forward.
    void ShowModeless(HWND owner = nullptr);
    // Unloads the window: onUnload, then the window goes.
    void Close();
    void SetCaption(std::string_view caption);
    std::string Caption() const;

    // Whether the top-level window is one of ours; how many of ours exist.
    static bool IsOurs(HWND window);
    static int OpenCount();
    // Pixels at 96 dpi on this screen.
    static int Scale(int pixels);
    // Forgets the window classes, before the module that registered them goes.
    static void UnregisterClasses();

    // Texts of controls, in the core's UTF-8.
    static std::string Text(HWND control);
    static void SetText(HWND control, std::string_view text);

protected:
    // A window of the description's caption and size, with its controls made before build().
    explicit DialogWindow(const WindowDescription &description);

    // Creates the window (hidden) and its controls, then runs onLoad. Called by the Show
    // functions when the window is not open yet.
    void Create(HWND owner);

    const WindowDescription &description() const { return m_description; }
    // The control of kind Canvas; a window has one at the most.
    PathPicture *canvas() const { return m_canvas.get(); }

    virtual void build() {}
    virtual void onLoad() {}
    virtual void onCommand(int id, int code, HWND control);
    virtual void onTimer(UINT_PTR timer);
    // Closing through the window frame.
    virtual void onCancel() { Close(); }
    virtual void onUnload() {}
    // Whether a modal window opened while this one is active may be its owned window.
    virtual bool canOwn() const { return true; }
    // When the window has gone; a self-owned window may delete itself here.
    virtual void onDestroyed() {}

    HWND m_hwnd = nullptr;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void position(HWND owner);
    void buildDescribed();
    void escape();
    void makeDescribed(const ControlDescription &control);

    const WindowDescription &m_description;
    std::unique_ptr<PathPicture> m_canvas;
    std::wstring m_caption;
    HFONT m_font = nullptr;
    bool m_modal = false;
    bool m_closing = false;
};

} // namespace Quiverstep
