#include "win32/Win32WindowView.h"

#include "win32/MessageLoop.h"
#include "win32/PathPicture.h"

#include "WideText.h"

#include <cwchar>
#include <set>
#include <stdexcept>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace Quiverstep {

namespace {

constexpr wchar_t WindowClass[] = L"QuiverstepDialog";
constexpr DWORD FrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD FrameExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int DialogPointSize = 8;
// The title of every message box: the program's.
constexpr wchar_t MessageTitle[] = L"Quiverstep";

std::set<HWND> &openWindows()
{
    static std::set<HWND> windows;
    return windows;
}

HWND s_parking = nullptr;
HHOOK s_dialogKeys = nullptr;

// A modeless window shown from a host's call (the timed message of a camera event) lives on
// the host's message loop, which does not give it its dialog keys: Enter, Escape, Tab and the
// arrows. This hook on the thread's messages does what IsDialogMessage does in our own loops.
LRESULT CALLBACK dialogKeys(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        MSG *message = reinterpret_cast<MSG *>(lParam);
        if (message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST && message->hwnd) {
            const HWND root = GetAncestor(message->hwnd, GA_ROOT);
            if (root && Win32WindowView::IsOurs(root) && IsDialogMessageW(root, message)) {
                // Handled: what the loop goes on to dispatch is a message that does nothing.
                message->message = WM_NULL;
                message->wParam = 0;
                message->lParam = 0;
            }
        }
    }
    return CallNextHookEx(s_dialogKeys, code, wParam, lParam);
}

// The owner of windows that have none of the host's: owned windows stay out of the task bar.
HWND parkingWindow()
{
    if (!s_parking || !IsWindow(s_parking))
        s_parking = CreateWindowExW(0,
                                    L"STATIC",
                                    L"",
                                    WS_POPUP,
                                    0,
                                    0,
                                    0,
                                    0,
                                    nullptr,
                                    nullptr,
                                    ModuleInstance(),
                                    nullptr);
    return s_parking;
}

int screenDpi()
{
    static const int dpi = [] {
        const HDC screen = GetDC(nullptr);
        const int value = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

// Pixels at 96 dpi on this screen.
int scale(int pixels)
{
    return MulDiv(pixels, screenDpi(), 96);
}

} // namespace

HINSTANCE ModuleInstance()
{
    // The linker places this at the start of the module's image: its handle.
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

Win32WindowView::Win32WindowView(WindowPresenter &presenter)
    : m_presenter(presenter)
    , m_description(presenter.Description())
    , m_caption(Widen(m_description.caption))
{
    m_presenter.Attach(*this);
}

Win32WindowView::~Win32WindowView()
{
    if (m_hwnd) {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        openWindows().erase(m_hwnd);
        DestroyWindow(m_hwnd);
    }
    if (m_font)
        DeleteObject(m_font);
}

bool Win32WindowView::IsOurs(HWND window)
{
    return openWindows().count(window) != 0;
}

int Win32WindowView::OpenCount()
{
    return int(openWindows().size());
}

void Win32WindowView::UnregisterClasses()
{
    if (s_dialogKeys)
        UnhookWindowsHookEx(s_dialogKeys);
    s_dialogKeys = nullptr;
    if (s_parking)
        DestroyWindow(s_parking);
    s_parking = nullptr;
    UnregisterClassW(WindowClass, ModuleInstance());
    UnregisterClassW(L"QuiverstepPicture", ModuleInstance());
}

std::string Win32WindowView::ControlText(HWND control)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(control, text.data(), int(text.size()))));
    return Narrow(text);
}

void Win32WindowView::SetControlText(HWND control, std::string_view text)
{
    SetWindowTextW(control, Widen(text).c_str());
}

void Win32WindowView::SetCaption(const std::string &caption)
{
    m_caption = Widen(caption);
    if (m_hwnd)
        SetWindowTextW(m_hwnd, m_caption.c_str());
}

void Win32WindowView::Create(HWND owner)
{
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &Win32WindowView::windowProc;
        windowClass.cbWndExtra = DLGWINDOWEXTRA; // the dialog manager keeps its state there
        windowClass.hInstance = ModuleInstance();
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = WindowClass;
        return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    if (!registered)
        throw std::runtime_error("window class cannot be registered");

    if (!m_font) {
        // The dialog font; the fields left zero are the defaults.
        LOGFONTW font{};
        font.lfHeight = -MulDiv(DialogPointSize, screenDpi(), 72);
        font.lfWeight = FW_NORMAL;
        font.lfCharSet = DEFAULT_CHARSET;
        wcscpy(font.lfFaceName, L"MS Shell Dlg");
        m_font = CreateFontIndirectW(&font);
    }
    if (!owner)
        owner = parkingWindow();
    RECT frame{0, 0, scale(m_description.width), scale(m_description.height)};
    AdjustWindowRectEx(&frame, FrameStyle, FALSE, FrameExStyle);
    m_closing = false;
    CreateWindowExW(FrameExStyle,
                    WindowClass,
                    m_caption.c_str(),
                    FrameStyle,
                    m_description.placement == WindowPlacement::SystemDefault ? CW_USEDEFAULT : 0,
                    m_description.placement == WindowPlacement::SystemDefault ? CW_USEDEFAULT : 0,
                    frame.right - frame.left,
                    frame.bottom - frame.top,
                    owner,
                    nullptr,
                    ModuleInstance(),
                    this);
    if (!m_hwnd)
        throw std::runtime_error("window cannot be created");
    SendMessageW(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    position(owner);
    buildDescribed();
    m_presenter.Load();
}

void Win32WindowView::position(HWND owner)
{
    if (m_description.placement == WindowPlacement::SystemDefault)
        return;
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    RECT area{};
    if (m_description.placement == WindowPlacement::CentreOwner && owner && IsWindowVisible(owner))
        GetWindowRect(owner, &area);
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    SetWindowPos(m_hwnd,
                 nullptr,
                 area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2,
                 0,
                 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32WindowView::ShowModal(HWND owner)
{
    if (!owner) {
        // Modal to the host's window when it has one active on this thread. A window that
        // closes by itself (a timed message) would take this one with it: its owner instead.
        HWND active = GetActiveWindow();
        const auto ours = [](HWND window) {
            return IsOurs(window) ? reinterpret_cast<Win32WindowView *>(
                           GetWindowLongPtrW(window, GWLP_USERDATA))
                                  : nullptr;
        };
        while (active && ours(active) && !ours(active)->canOwn())
            active = GetWindow(active, GW_OWNER);
        if (active && IsWindowEnabled(active) && IsWindowVisible(active))
            owner = active;
    }
    if (!m_hwnd) {
        Create(owner);
    } else if (owner && GetWindow(m_hwnd, GW_OWNER) != owner) {
        // Made hidden before (myDelay loads the settings dialog): it becomes the owner's
        // window now, so that the owner is disabled while it is open and it stays in front.
        SetWindowLongPtrW(m_hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    }
    const HWND ownerWindow = GetWindow(m_hwnd, GW_OWNER);
    const bool reenable = ownerWindow && IsWindowEnabled(ownerWindow);
    if (reenable)
        EnableWindow(ownerWindow, FALSE);
    m_modal = true;
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    MessageLoop::RunUntil([this] { return !m_hwnd || m_closing; });
    m_modal = false;
    // The owner first, so that it gets the activation back.
    if (reenable)
        EnableWindow(ownerWindow, TRUE);
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

void Win32WindowView::ShowModeless(HWND owner)
{
    if (!s_dialogKeys)
        s_dialogKeys = SetWindowsHookExW(WH_GETMESSAGE, &dialogKeys, nullptr, GetCurrentThreadId());
    if (!m_hwnd)
        Create(owner);
    ShowWindow(m_hwnd, SW_SHOW);
    BringWindowToTop(m_hwnd);
    SetForegroundWindow(m_hwnd);
}

void Win32WindowView::Close(bool)
{
    if (!m_hwnd || m_closing)
        return;
    m_closing = true;
    m_presenter.Unload();
    // A modal window goes when its loop has handed the activation back.
    if (!m_modal && m_hwnd)
        DestroyWindow(m_hwnd);
}

void Win32WindowView::buildDescribed()
{
    // The controls that take the focus first, in Tab order; then frames and labels, which
    // stay below them.
    for (const ControlDescription &control : m_description.controls) {
        if (control.TakesFocus())
            makeDescribed(control);
    }
    for (const ControlDescription &control : m_description.controls) {
        if (!control.TakesFocus())
            makeDescribed(control);
    }
}

namespace {

// The window class and styles of each kind of control.
struct ControlClass
{
    const wchar_t *windowClass;
    DWORD style;
    DWORD exStyle;
};

ControlClass controlClass(const ControlDescription &control, bool isDefault)
{
    switch (control.kind) {
    case ControlKind::Button:
        return {L"BUTTON", DWORD(isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP, 0};
    case ControlKind::CheckBox:
        return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::RadioButton:
        return {L"BUTTON",
                DWORD(BS_AUTORADIOBUTTON | WS_TABSTOP | (control.groupStart ? WS_GROUP : 0)),
                0};
    case ControlKind::TextBox:
        return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::Label:
        return {L"STATIC", SS_LEFT | SS_NOPREFIX | WS_GROUP, 0};
    case ControlKind::Frame:
        return {L"BUTTON", BS_GROUPBOX | WS_GROUP, 0};
    case ControlKind::DropDownList:
        return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::ListBox:
        return {L"LISTBOX",
                LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE};
    case ControlKind::Canvas:
        break;
    }
    return {};
}

} // namespace

void Win32WindowView::makeDescribed(const ControlDescription &control)
{
    const int left = m_description.Left(control);
    const int top = m_description.Top(control);
    if (control.kind == ControlKind::Canvas) {
        m_canvas = std::make_unique<PathPicture>(m_hwnd,
                                                 control.id,
                                                 scale(left),
                                                 scale(top),
                                                 scale(control.width),
                                                 scale(control.height));
        return;
    }
    const bool isDefault = control.id == m_description.defaultButton;
    const ControlClass made = controlClass(control, isDefault);
    // A drop-down list is made tall enough for its list; the closed box keeps its height.
    constexpr int ListHeight = 200;
    const bool dropDown = control.kind == ControlKind::DropDownList;
    const HWND child = CreateWindowExW(made.exStyle,
                                       made.windowClass,
                                       Widen(control.text).c_str(),
                                       made.style | WS_CHILD | WS_VISIBLE,
                                       scale(left),
                                       scale(top),
                                       scale(control.width),
                                       scale(control.height + (dropDown ? ListHeight : 0)),
                                       m_hwnd,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                       ModuleInstance(),
                                       nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    if (isDefault)
        SendMessageW(m_hwnd, DM_SETDEFID, WPARAM(control.id), 0);
    if (dropDown) {
        RECT closed{};
        GetWindowRect(child, &closed);
        const int extra = int(closed.bottom - closed.top)
                          - int(SendMessageW(child, CB_GETITEMHEIGHT, WPARAM(-1), 0));
        SendMessageW(child, CB_SETITEMHEIGHT, WPARAM(-1), LPARAM(scale(control.height) - extra));
    }
}

void Win32WindowView::escape()
{
    // The described cancel button's click; a window without one stays open, keeping what
    // the user entered.
    const int cancel = m_description.cancelButton;
    const HWND button = cancel ? GetDlgItem(m_hwnd, cancel) : nullptr;
    if (button && IsWindowEnabled(button))
        command(cancel, BN_CLICKED);
}

LRESULT CALLBACK Win32WindowView::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *window = static_cast<Win32WindowView *>(
                reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        window->m_hwnd = hwnd;
        openWindows().insert(hwnd);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto *window = reinterpret_cast<Win32WindowView *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window)
        return DefDlgProcW(hwnd, message, wParam, lParam);
    // No C++ exception may unwind through the system's frames: a failure that a handler
    // did not answer itself is shown, and the window stays.
    try {
        return window->handle(message, wParam, lParam);
    } catch (const std::exception &error) {
        MessageBoxW(hwnd, Widen(error.what()).c_str(), MessageTitle, MB_OK);
    } catch (...) {
    }
    return 0;
}

LRESULT Win32WindowView::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        // Escape, unless a control has the cancel button's id; Enter without a default button.
        if (id == IDCANCEL && !GetDlgItem(m_hwnd, IDCANCEL))
            escape();
        else if (id != IDOK || GetDlgItem(m_hwnd, IDOK))
            command(id, code);
        return 0;
    }
    case WM_TIMER:
        m_presenter.Tick(int(wParam));
        return 0;
    case WM_CLOSE:
        m_presenter.Cancel();
        return 0;
    case WM_NCDESTROY: {
        const HWND hwnd = m_hwnd;
        openWindows().erase(hwnd);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        m_hwnd = nullptr;
        const LRESULT result = DefDlgProcW(hwnd, message, wParam, lParam);
        onDestroyed(); // may delete this
        return result;
    }
    default:
        return DefDlgProcW(m_hwnd, message, wParam, lParam);
    }
}

void Win32WindowView::SetCheckState(int id, int state)
{
    if (m_description.Control(id).kind == ControlKind::RadioButton && state == BST_CHECKED) {
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

void Win32WindowView::command(int id, int code)
{
    for (const ControlDescription &control : m_description.controls) {
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
    for (const ControlDescription &control : m_description.controls) {
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

const Win32WindowView::ListMessages &Win32WindowView::messages(int id) const
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
    return m_description.Control(id).kind == ControlKind::ListBox ? listBox : comboBox;
}

void Win32WindowView::ClearPath(int)
{
    m_canvas->Clear();
}

void Win32WindowView::PaintPosition(int, double x, double y, std::int32_t pathColour)
{
    m_canvas->PaintPosition(x, y, pathColour);
}

void Win32WindowView::ShowMessage(const std::string &text)
{
    MessageBoxW(m_hwnd, Widen(text).c_str(), MessageTitle, MB_OK);
}

bool Win32WindowView::AskYesNo(const std::string &text)
{
    // No is the default, so that a stray Enter deletes nothing.
    return MessageBoxW(m_hwnd, Widen(text).c_str(), MessageTitle, MB_YESNO | MB_DEFBUTTON2)
           == IDYES;
}

} // namespace Quiverstep
