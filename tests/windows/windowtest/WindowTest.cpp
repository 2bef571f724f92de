// The five windows on Windows (under Wine and Xvfb): opened as a user reaches them, driven
// from a second thread as a user would, checked, and saved as pictures.
//   QuiverstepWindowTest.exe RESULT_FILE PICTURE_FOLDER
// The settings dialog, the pattern editor and the simulator are reached through the
// registered Quiverstep.dll (Settings, as the host calls it); the timed message and the test
// form, which the host never opens, through the same windows linked into this program.
// Writes "ok NAME" / "not ok NAME: ..." lines and "windowtest: N passed, N failed".

#include "RegistryStore.h"
#include "WideText.h"
#include "Win32Clock.h"
#include "Win32TextFiles.h"
#include "WindowsUserPaths.h"
#include "presenters/PathSimulatorPresenter.h"
#include "presenters/PatternEditorPresenter.h"
#include "presenters/TestFormPresenter.h"
#include "win32/Win32WindowView.h"
#include "win32/MessageLoop.h"
#include "win32/SettingsDialog.h"
#include "win32/TimedMessage.h"
#include "win32/Win32UserInterface.h"

#include "DitherPlugIn.h"
#include "DitherStepping.h"
#include "EventNumbers.h"
#include "PlugInMembers.h"
#include "RecordingCamera.h"

#include <oaidl.h>
#include <windows.h>

#include <clocale>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

using namespace Quiverstep;

namespace {

using Dialog = SettingsDialogPresenter;
using Editor = PatternEditorPresenter;
using Simulator = PathSimulatorPresenter;
using Form = TestFormPresenter;
using Message = TimedMessagePresenter;

const wchar_t *const SettingsCaption = L"Quiverstep 1.1 Settings";
const wchar_t *const EditorCaption = L"Custom Dither Pattern";
const wchar_t *const MessageCaption = L"Quiverstep: Error";

// The windows linked into this program run in a process of their own, on the real store,
// with no host camera.
PlugInEnvironment &environment()
{
    static RegistryStore store;
    static RecordingCameraFactory cameras;
    static Win32UserInterface ui;
    static Win32Clock clock;
    static Win32TextFiles files;
    static WindowsUserPaths paths;
    static ProcessState process;
    static PlugInEnvironment pieces{store, cameras, ui, clock, process.random, files, paths, process};
    ui.Attach(pieces);
    return pieces;
}

std::FILE *s_results = nullptr;
std::wstring s_pictures;
int s_passed = 0;
int s_failed = 0;

// One line per check: line breaks in the texts as " | ".
void check(const std::string &name, const std::string &actual, const std::string &expected)
{
    const bool ok = actual == expected;
    ++(ok ? s_passed : s_failed);
    std::string line = "ok " + name;
    if (!ok)
        line = "not " + line + ": got [" + actual + "], expected [" + expected + "]";
    for (std::size_t at; (at = line.find_first_of("\r\n")) != std::string::npos;)
        line.replace(at, 1, line[at] == '\n' ? " | " : "");
    std::fprintf(s_results, "%s\n", line.c_str());
    std::fflush(s_results);
}

// A condition, written as the word for each outcome.
void check(const std::string &name, bool holds, const std::string &yes, const std::string &no)
{
    check(name, holds ? yes : no, yes);
}

// Polls for up to ten seconds.
HWND waitFor(const std::function<HWND()> &find)
{
    for (int i = 0; i < 200; ++i) {
        if (const HWND found = find())
            return found;
        Sleep(50);
    }
    return nullptr;
}

// A shown window: the settings dialog exists hidden while it loads.
HWND waitForWindow(const wchar_t *caption, const wchar_t *windowClass = L"QuiverstepDialog")
{
    return waitFor([=] {
        const HWND window = FindWindowW(windowClass, caption);
        return window && IsWindowVisible(window) ? window : nullptr;
    });
}

bool waitGone(HWND window)
{
    return waitFor([=] { return IsWindow(window) ? nullptr : HWND(1); }) != nullptr;
}

std::string clientSize(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return std::to_string(client.right) + "x" + std::to_string(client.bottom);
}

// Checks that the window opens, and its client size when one is given.
HWND opens(const std::string &what, const wchar_t *caption, const std::string &size = "")
{
    const HWND window = waitForWindow(caption);
    check(what + " opens", window != nullptr, "open", "none");
    if (window && !size.empty())
        check(what + ": client size", clientSize(window), size);
    return window;
}

void type(HWND window, int id, const std::string &value)
{
    Win32WindowView::SetControlText(GetDlgItem(window, id), value);
}

// A control's notification to its window, queued as a user's click is: for buttons that open
// a modal window, which would hold a sent message up.
void click(HWND window, int id, int code = BN_CLICKED)
{
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, code), LPARAM(GetDlgItem(window, id)));
}

// A click that returns when it has been handled.
void clickAndWait(HWND window, int id)
{
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(window, id)));
}

// A key as the window system queues it for the control that has the focus.
void press(HWND control, WPARAM key)
{
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, LPARAM(0xC0000001));
}

// Escape on a control of the window; whether the window is still open after it.
std::string afterEscape(HWND window, int control)
{
    press(GetDlgItem(window, control), VK_ESCAPE);
    Sleep(500);
    return IsWindowVisible(window) ? "open" : "closed";
}

void escapeKeepsOpen(const std::string &what, HWND window, int control)
{
    check(what + ": Escape keeps it open", afterEscape(window, control), "open");
}

// The window as it is on the screen, frame included, as a 24-bit BMP.
void savePicture(HWND window, const std::wstring &name)
{
    Sleep(700); // let it paint
    RECT frame{};
    GetWindowRect(window, &frame);
    const LONG width = frame.right - frame.left, height = frame.bottom - frame.top;
    BITMAPINFOHEADER header{sizeof header, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const DWORD size = DWORD((width * 3 + 3) & ~3) * DWORD(height);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof header;
    const BITMAPFILEHEADER file{0x4D42, offset + size, 0, 0, offset};
    void *pixels = nullptr;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const auto info = reinterpret_cast<BITMAPINFO *>(&header);
    const HBITMAP bitmap = CreateDIBSection(screen, info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
    GdiFlush();
    if (std::FILE *out = _wfopen((s_pictures + L"\\" + name + L".bmp").c_str(), L"wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&header, sizeof header, 1, out);
        std::fwrite(pixels, 1, size, out);
        std::fclose(out);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

// The message box that an action opened, its text (its one static control with text), closed
// with the given button.
std::string answerMessageBox(int button)
{
    const HWND box = waitForWindow(L"Quiverstep", L"#32770");
    if (!box)
        return "no message box";
    std::string shown;
    for (HWND child = nullptr; (child = FindWindowExW(box, child, L"Static", nullptr));)
        shown += Win32WindowView::ControlText(child);
    PostMessageW(box, WM_COMMAND, WPARAM(button), 0);
    waitGone(box);
    return shown;
}

// The dither type list's selection: "INDEX TEXT of COUNT".
std::string selectedEntry(HWND list)
{
    const LRESULT index = SendMessageW(list, CB_GETCURSEL, 0, 0);
    std::wstring entry(64, L'\0');
    const LRESULT length = SendMessageW(list, CB_GETLBTEXT, WPARAM(index), LPARAM(entry.data()));
    entry.resize(std::size_t(length));
    return std::to_string(index) + " " + Narrow(entry) + " of "
           + std::to_string(SendMessageW(list, CB_GETCOUNT, 0, 0));
}

// A selection as the user makes it: the list notifies its dialog.
void selectDitherType(HWND dialog, HWND list, int index)
{
    SendMessageW(list, CB_SETCURSEL, WPARAM(index), 0);
    click(dialog, Dialog::DitherType, CBN_SELCHANGE);
}

std::string stored(const std::string &key)
{
    return RegistryStore().Find("Orrerix", "Quiverstep", key).value_or("absent");
}

// Pattern 2, selected at its first step, with that step size and a dither box of 4.
void storePattern(const std::string &pattern, const std::string &step)
{
    for (const auto &[key, value] : {std::pair<std::string, std::string>{"Pattern2", pattern},
                                     {"Dither Type", "2"},
                                     {"Current Step", "1"},
                                     {"Dither Step", step},
                                     {"Max Dither X", "4"}})
        RegistryStore().SaveSetting("Orrerix", "Quiverstep", key, value);
}

using Action = std::function<void()>;

DWORD WINAPI runAndDelete(LPVOID action)
{
    (*static_cast<Action *>(action))();
    delete static_cast<Action *>(action);
    return 0;
}

// Runs driver on a second thread, acting on the windows as a user would, while this thread
// runs show.
void drive(const Action &driver, const Action &show)
{
    const HANDLE thread = CreateThread(nullptr, 0, runAndDelete, new Action(driver), 0, nullptr);
    show();
    WaitForSingleObject(thread, 30000);
    CloseHandle(thread);
}

// --- Through the registered component: Settings, and from it the editor and the simulator.

void driveSettings()
{
    const HWND dialog = opens("settings dialog", SettingsCaption, "449x231");
    if (!dialog)
        return;
    const HWND list = GetDlgItem(dialog, Dialog::DitherType);
    check("settings dialog: Spiral selected of 8", selectedEntry(list), "0 Spiral of 8");
    savePicture(dialog, L"settings");
    escapeKeepsOpen("settings dialog", dialog, Dialog::StepSize);

    // What the dialog decides is the presenter's (tests/presenters); here the Win32 windows
    // carry it: the message box, the editor and the simulator through their modal loops.
    click(dialog, Dialog::Pattern);
    check("Pattern with Spiral selected: message",
          answerMessageBox(IDOK),
          "This pattern is built-in and cannot be altered");

    // The add entry opens the pattern editor; Save adds the pattern just above the add entry
    // (what it stores is the presenter tests').
    selectDitherType(dialog, list, 7);
    HWND editor = opens("pattern editor from the add entry", EditorCaption, "445x414");
    for (const auto &[x, y] : {std::pair{"1.5", "-2"}, {"0", "1"}, {"-1", "0"}}) {
        type(editor, Editor::XStep, x);
        type(editor, Editor::YStep, y);
        clickAndWait(editor, Editor::addButton);
    }
    savePicture(editor, L"editor");
    click(editor, Editor::saveButton);
    waitGone(editor);
    Sleep(300);
    check("saved pattern: listed and selected", selectedEntry(list), "7 New Pattern of 9");

    // Pattern opens the selected pattern; Remove asks, and Yes deletes it.
    click(dialog, Dialog::Pattern);
    editor = waitForWindow(EditorCaption);
    check("pattern editor: Escape is its Cancel", afterEscape(editor, Editor::DitherName), "closed");
    click(dialog, Dialog::Pattern);
    editor = waitForWindow(EditorCaption);
    click(editor, Editor::removeButton);
    check("Remove: question",
          answerMessageBox(IDYES),
          "Do you want to delete this pattern permanently?");
    waitGone(editor);
    Sleep(300);
    check("removed: the one before selected", selectedEntry(list), "6 Vertical Snake 20x20 of 8");
    selectDitherType(dialog, list, 0);
    Sleep(300);

    // Simulate...: the simulator over the saved settings, ten steps by hand.
    click(dialog, Dialog::simulateButton);
    const HWND simulator = opens("simulator from Simulate...", L"Simulator - Spiral", "456x292");
    clickAndWait(simulator, Simulator::resetButton);
    for (int i = 0; i < 10; ++i)
        clickAndWait(simulator, Simulator::stepButton);
    Sleep(500);
    savePicture(simulator, L"simulator");
    escapeKeepsOpen("simulator", simulator, Simulator::stepButton);
    click(simulator, Simulator::exitButton);
    waitGone(simulator);

    // OK with valid input closes the dialog, and Settings returns.
    type(dialog, Dialog::MaxDitherX, "3");
    click(dialog, Dialog::OK);
    check("OK with valid input closes the dialog", waitGone(dialog), "closed", "open");
}

// An automation type as the interface's description names it.
std::string typeName(const TYPEDESC &type)
{
    if (type.vt == VT_PTR)
        return typeName(*type.lptdesc) + " byref";
    const std::map<VARTYPE, std::string> names{{VT_R8, "Double"},
                                               {VT_BOOL, "Boolean"},
                                               {VT_I2, "Integer"},
                                               {VT_I4, "Long"},
                                               {VT_BSTR, "String"},
                                               {VT_VARIANT, "Variant"},
                                               {VT_VOID, ""},
                                               {VT_HRESULT, ""}};
    const auto found = names.find(type.vt);
    return found != names.end() ? found->second : "?" + std::to_string(type.vt);
}

// The members as the component's type library describes them to a late-bound client, one
// per line in interface order: "get NAME(PARAMETERS): TYPE", "put NAME(TYPE)", "call ...".
std::string describedMembers(IDispatch *plugIn)
{
    ITypeInfo *info = nullptr;
    if (FAILED(plugIn->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info)))
        return "no type information";
    TYPEATTR *attributes = nullptr;
    info->GetTypeAttr(&attributes);
    std::string lines;
    for (WORD i = 0; i < attributes->cFuncs; ++i) {
        FUNCDESC *function = nullptr;
        info->GetFuncDesc(i, &function);
        if (!(function->wFuncFlags & FUNCFLAG_FRESTRICTED)) { // IUnknown's and IDispatch's
            BSTR name = nullptr;
            UINT count = 0;
            info->GetNames(function->memid, &name, 1, &count);
            std::string parameters;
            for (SHORT p = 0; p < function->cParams; ++p)
                parameters += (p ? ", " : "") + typeName(function->lprgelemdescParam[p].tdesc);
            const std::string kind = function->invkind == INVOKE_PROPERTYGET   ? "get "
                                     : function->invkind == INVOKE_PROPERTYPUT ? "put "
                                                                               : "call ";
            const std::string result = typeName(function->elemdescFunc.tdesc);
            lines += kind + Narrow(name ? name : L"") + "(" + parameters + ")"
                     + (result.empty() ? "" : ": " + result) + "\n";
            SysFreeString(name);
        }
        info->ReleaseFuncDesc(function);
    }
    info->ReleaseTypeAttr(attributes);
    info->Release();
    return lines;
}

// The interface as the core describes its data members, then the rest of _DitherPlugIn.
std::string expectedMembers()
{
    const char *const types[] = {"Double", "Boolean", "Integer", "String"}; // MemberType's order
    std::string lines;
    for (const PlugInMember &member : PlugInMembers()) {
        const std::string name(member.name), type = types[int(member.type)];
        if (member.dataMember)
            lines += "get " + name + "(): " + type + "\nput " + name + "(" + type + ")\n";
    }
    return lines
           + "get Name(): String\n"
             "get WantEvent(Long byref): Long\n"
             "get NumberToAverage(): Integer\n"
             "put NumberToAverage(Integer byref)\n"
             "call CameraEvent(Long byref, Long byref, String byref, Long byref, Long byref)\n"
             "call Settings()\n"
             "call myDelay(Variant byref)\n";
}

void settingsThroughTheComponent()
{
    CLSID clsid{};
    IDispatch *plugIn = nullptr;
    CLSIDFromProgID(L"Quiverstep.DitherPlugIn", &clsid);
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&plugIn)))) {
        check("Quiverstep.DitherPlugIn created", "no", "yes");
        return;
    }
    check("type library: the members in interface order, as the core describes them",
          describedMembers(plugIn),
          expectedMembers());

    LPOLESTR name = const_cast<LPOLESTR>(L"Settings");
    DISPID id = 0;
    plugIn->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
    DISPPARAMS none{};
    HRESULT done = E_FAIL;
    drive(driveSettings, [&] {
        done = plugIn->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
    });
    check("Settings returns when the dialog closes", SUCCEEDED(done), "yes", "no");
    plugIn->Release();
}

// --- The timed message and the test form, in this program.

// A host's own message loop, which knows nothing of dialogs (no IsDialogMessage), for up to
// the given time or until done.
void hostLoop(const std::function<bool()> &done, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < milliseconds) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// The timed message of a camera event lives on the host's message loop: its dialog keys work
// there too.
void timedMessage()
{
    const auto driver = [] {
        const HWND message = waitForWindow(MessageCaption);
        if (!message)
            return;
        savePicture(message, L"message");
        escapeKeepsOpen("timed message on the host's loop", message, Message::OKButton);
        press(GetDlgItem(message, Message::OKButton), VK_RETURN);
    };
    drive(driver, [] {
        environment().ui.ShowTimedMessage(BoxLimitMessage(4, 1, 21, 16));
        const HWND message = FindWindowW(L"QuiverstepDialog", MessageCaption);
        check("timed message: opens without waiting", message != nullptr, "open", "none");
        check("timed message: client size", clientSize(message), "384x171");
        hostLoop([&] { return !IsWindow(message); }, 2500);
        check("timed message on the host's loop: Enter presses OK",
              !IsWindow(message),
              "closed",
              "open");
        MessageLoop::RunUntil([&] { return !IsWindow(message); });
    });
}

// myDelay loads the settings dialog hidden; a later Settings from a host with a window of
// its own is modal to that window: the window is its owner and is disabled while it is open.
void settingsAfterDelay()
{
    const auto style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    const HWND host = CreateWindowW(L"STATIC", L"Host", style, 0, 0, 300, 200, {}, {}, {}, {});
    SetForegroundWindow(host);
    SetActiveWindow(host);
    DitherPlugIn plugIn(environment());
    plugIn.myDelay(200);
    const auto cancel = [host] {
        const HWND dialog = opens("settings dialog after myDelay", SettingsCaption);
        if (!dialog)
            return;
        check("Settings after myDelay: owned by the host's window",
              GetWindow(dialog, GW_OWNER) == host,
              "owned",
              "not owned");
        check("Settings after myDelay: the host's window disabled",
              !IsWindowEnabled(host),
              "disabled",
              "enabled");
        click(dialog, Dialog::cancelButton);
        waitGone(dialog);
    };
    drive(cancel, [&] { plugIn.Settings(); });
    check("Settings after myDelay: the host's window enabled again",
          IsWindowEnabled(host),
          "enabled",
          "disabled");
    DestroyWindow(host);
}

void showTestForm(const Action &driver)
{
    TestFormPresenter presenter(environment());
    Win32WindowView form(presenter);
    drive(driver, [&] {
        form.ShowModeless();
        MessageLoop::RunUntil([&] { return !form.IsOpen(); });
    });
}

void driveTestForm()
{
    const HWND form = opens("test form", L"Test", "604x468");
    clickAndWait(form, Form::guideStartButton);
    for (int i = 0; i < 8; ++i)
        clickAndWait(form, Form::downloadCompleteButton);
    savePicture(form, L"testform");
    escapeKeepsOpen("test form", form, Form::setupButton);
    PostMessageW(form, WM_CLOSE, 0, 0);
}

// A dither-box message while a modal window is open (the settings dialog over the test
// form): the message window opens enabled, in front, and closes itself after three seconds.
void driveMessageOverModal()
{
    const HWND form = waitForWindow(L"Test");
    click(form, Form::setupButton); // the settings dialog, modal
    const HWND dialog = opens("settings dialog from the test form's Setup", SettingsCaption);
    click(form, Form::downloadCompleteButton); // an image that dithers out of the box
    const HWND message = waitForWindow(MessageCaption);
    const DWORD opened = GetTickCount();
    const bool inFront = message && waitFor([&] {
                             return GetForegroundWindow() == message ? message : nullptr;
                         });
    check("timed message over a modal dialog: enabled and in front",
          message ? std::string(IsWindowEnabled(message) ? "enabled" : "disabled")
                            + (inFront ? " in front" : " behind")
                  : "none",
          "enabled in front");
    const bool closed = message && waitGone(message);
    const DWORD shown = GetTickCount() - opened;
    check("timed message: closes itself after 3 s",
          !closed                         ? "open"
          : shown >= 2900 && shown < 4500 ? "yes"
                                          : std::to_string(shown) + " ms",
          "yes");
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    waitGone(dialog);
    PostMessageW(form, WM_CLOSE, 0, 0);
}

// A host that switched the C runtime to a German locale (decimal comma) still gets "." in
// every stored number.
void numbersUnderGermanLocale()
{
    setlocale(LC_ALL, "German");
    char probe[16];
    std::snprintf(probe, sizeof probe, "%g", 0.5);
    check("German C runtime locale in force", probe, "0,5");
    storePattern("Half\\1,0\\0,1\\TOP", "0.5");
    DitherPlugIn plugIn(environment());
    plugIn.Debugging = TestModes::Dither;
    plugIn.CameraEvent(Events::ExposureEnd, Events::ImagingCamera, "", 0, 0);
    check("German locale: the offset stored with \".\"", stored("Current Offset Y"), "16.5");
    setlocale(LC_ALL, "C");
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 3 || !(s_results = _wfopen(argv[1], L"w")))
        return 2;
    s_pictures = argv[2];
    CoInitialize(nullptr);
    settingsThroughTheComponent();
    timedMessage();
    showTestForm(driveTestForm);
    storePattern("Far\\10,0\\TOP", "1"); // one step out of the dither box
    showTestForm(driveMessageOverModal);
    numbersUnderGermanLocale();
    settingsAfterDelay();
    std::fprintf(s_results, "windowtest: %d passed, %d failed\n", s_passed, s_failed);
    std::fclose(s_results);
    CoUninitialize();
    return s_failed == 0 ? 0 : 1;
}
