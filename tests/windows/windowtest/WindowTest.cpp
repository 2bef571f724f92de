// The five windows on Windows (under Wine and Xvfb): opened as a user reaches them, driven
// from a second thread as a user would, checked, and saved as pictures.
//   QuiverstepWindowTest.exe RESULT_FILE PICTURE_FOLDER
// The settings dialog, the pattern editor and the simulator are reached through the
// registered Quiverstep.dll (Settings, as the host calls it); the timed message and the test
// form, which the host never opens, through the same windows linked into this program.
// Writes "ok NAME" / "not ok NAME: ..." lines and "windowtest: N passed, N failed" to
// RESULT_FILE.

#include "Custom.h"
#include "DialogWindow.h"
#include "MessageLoop.h"
#include "RegistryStore.h"
#include "Simulator.h"
#include "TestForm.h"
#include "WideText.h"
#include "WindowsEnvironment.h"
#include "frmSetupOptions.h"
#include "msgdlg.h"

#include "DitherPlugIn.h"
#include "DitherStepping.h"
#include "EventNumbers.h"
#include "PlugInMembers.h"

#include <oaidl.h>
#include <windows.h>

#include <clocale>
#include <cstdio>
#include <functional>
#include <string>

using namespace Quiverstep;

namespace {

std::FILE *s_results = nullptr;
std::wstring s_pictures;
int s_passed = 0;
int s_failed = 0;

// A text on one line: its line breaks as " | ".
std::string oneLine(std::string text)
{
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;)
        text.replace(at, 2, " | ");
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos;)
        text.replace(at, 1, " | ");
    return text;
}

void check(const std::string &name, const std::string &actual, const std::string &expected)
{
    if (actual == expected) {
        ++s_passed;
        std::fprintf(s_results, "ok %s\n", name.c_str());
    } else {
        ++s_failed;
        std::fprintf(s_results,
                     "not ok %s: got [%s], expected [%s]\n",
                     name.c_str(),
                     oneLine(actual).c_str(),
                     oneLine(expected).c_str());
    }
    std::fflush(s_results);
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
HWND waitForWindow(const wchar_t *windowClass, const wchar_t *title)
{
    return waitFor([=] {
        const HWND window = FindWindowW(windowClass, title);
        return window && IsWindowVisible(window) ? window : nullptr;
    });
}

bool waitGone(HWND window)
{
    return waitFor([=] { return IsWindow(window) ? nullptr : HWND(1); }) != nullptr;
}

std::string text(HWND window)
{
    return DialogWindow::Text(window);
}

std::string clientSize(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return std::to_string(client.right) + "x" + std::to_string(client.bottom);
}

// A click as the button's own notification to its window, queued as a user's click is:
// for buttons that open a modal window, which would hold a sent message up.
void click(HWND window, int id)
{
    PostMessageW(window,
                 WM_COMMAND,
                 MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

// A click that returns when it has been handled.
void clickAndWait(HWND window, int id)
{
    SendMessageW(window,
                 WM_COMMAND,
                 MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

void type(HWND window, int id, const std::string &value)
{
    SendMessageW(GetDlgItem(window, id),
                 WM_SETTEXT,
                 0,
                 reinterpret_cast<LPARAM>(Widen(value).c_str()));
}

BOOL CALLBACK takeStaticText(HWND child, LPARAM result)
{
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    if (lstrcmpiW(name, L"Static") == 0 && GetWindowTextLengthW(child) > 0) {
        *reinterpret_cast<std::string *>(result) = DialogWindow::Text(child);
        return FALSE;
    }
    return TRUE;
}

// The text of a message box: its one static control with text.
std::string messageBoxText(HWND box)
{
    std::string found;
    EnumChildWindows(box, &takeStaticText, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The window as it is on the screen, frame included, as a 24-bit BMP.
void savePicture(HWND window, const std::wstring &name)
{
    Sleep(700); // let it paint
    RECT frame{};
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD stride = DWORD((width * 3 + 3) & ~3);
    std::string pixels(std::size_t(stride) * std::size_t(height), '\0');
    GetDIBits(memory,
              bitmap,
              0,
              UINT(height),
              pixels.data(),
              reinterpret_cast<BITMAPINFO *>(&header),
              DIB_RGB_COLORS);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = DWORD(file.bfOffBits + pixels.size());
    if (std::FILE *out = _wfopen((s_pictures + L"\\" + name + L".bmp").c_str(), L"wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&header, sizeof header, 1, out);
        std::fwrite(pixels.data(), 1, pixels.size(), out);
        std::fclose(out);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

// The message box that an action opened, its text, closed with the given button.
std::string answerMessageBox(int button)
{
    const HWND box = waitForWindow(L"#32770", L"Quiverstep");
    if (!box)
        return "no message box";
    const std::string shown = messageBoxText(box);
    PostMessageW(box, WM_COMMAND, WPARAM(button), 0);
    waitGone(box);
    return shown;
}

std::string selectedEntry(HWND list)
{
    const LRESULT index = SendMessageW(list, CB_GETCURSEL, 0, 0);
    std::wstring entry(std::size_t(SendMessageW(list, CB_GETLBTEXTLEN, WPARAM(index), 0)) + 1,
                       L'\0');
    entry.resize(std::size_t(
            SendMessageW(list, CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(entry.data()))));
    return std::to_string(index) + " " + Narrow(entry) + " of "
           + std::to_string(SendMessageW(list, CB_GETCOUNT, 0, 0));
}

// A selection as the user makes it: the list notifies its dialog.
void selectDitherType(HWND dialog, HWND list, int index)
{
    SendMessageW(list, CB_SETCURSEL, WPARAM(index), 0);
    PostMessageW(dialog,
                 WM_COMMAND,
                 MAKEWPARAM(frmSetupOptions::DitherType, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

std::string storedPattern(int number)
{
    return RegistryStore()
            .Find("Orrerix", "Quiverstep", "Pattern" + std::to_string(number))
            .value_or("absent");
}

// --- Through the registered component: Settings, and from it the editor and the simulator.

// The controls, by the windows' own identifiers.
constexpr int OK = frmSetupOptions::OK;
constexpr int StepSize = frmSetupOptions::StepSize;
constexpr int MaxDitherX = frmSetupOptions::MaxDitherX;
constexpr int DitherType = frmSetupOptions::DitherType;
constexpr int Command3 = frmSetupOptions::Command3;
constexpr int PatternButton = frmSetupOptions::Pattern;
constexpr int EditorSave = Custom::Command1;
constexpr int EditorRemove = Custom::Command7;
constexpr int EditorAdd = Custom::pbAdd;
constexpr int EditorX = Custom::XStep;
constexpr int EditorY = Custom::YStep;
constexpr int EditorList = Custom::List1;
constexpr int SimulatorExit = Simulator::OKButton;
constexpr int SimulatorReset = Simulator::pbReset;
constexpr int SimulatorRun = Simulator::pbRun;
constexpr int SimulatorStep = Simulator::pbStep;

DWORD WINAPI driveSettings(LPVOID)
{
    const HWND dialog = waitForWindow(L"QuiverstepDialog", L"Quiverstep 1.1 Settings");
    check("Settings opens the settings dialog", dialog ? "open" : "none", "open");
    if (!dialog)
        return 0;
    check("settings dialog: client size", clientSize(dialog), "449x231");
    const HWND list = GetDlgItem(dialog, DitherType);
    check("settings dialog: dither types",
          std::to_string(SendMessageW(list, CB_GETCOUNT, 0, 0)),
          "8");
    check("settings dialog: Spiral selected",
          std::to_string(SendMessageW(list, CB_GETCURSEL, 0, 0)),
          "0");
    savePicture(dialog, L"settings");

    // OK with a step of 0: the validation's message, and the dialog stays.
    type(dialog, StepSize, "0");
    click(dialog, OK);
    check("OK with step 0: message",
          answerMessageBox(IDOK),
          "Step Size should be greater than zero");
    check("OK with step 0: dialog stays open", IsWindowVisible(dialog) ? "open" : "closed", "open");
    type(dialog, StepSize, "1");

    click(dialog, PatternButton);
    check("Pattern with Spiral selected: message",
          answerMessageBox(IDOK),
          "This pattern is built-in and cannot be altered");

    // The add entry opens the pattern editor; Save adds the pattern just above the add entry.
    selectDitherType(dialog, list, 7);
    HWND editor = waitForWindow(L"QuiverstepDialog", L"Custom Dither Pattern");
    check("add entry opens the pattern editor", editor ? "open" : "none", "open");
    if (editor) {
        check("pattern editor: client size", clientSize(editor), "445x414");
        for (const auto &[x, y] : {std::pair{"1.5", "-2"}, {"0", "1"}, {"-1", "0"}}) {
            type(editor, EditorX, x);
            type(editor, EditorY, y);
            clickAndWait(editor, EditorAdd);
        }
        std::wstring line(64, L'\0');
        line.resize(std::size_t(SendMessageW(GetDlgItem(editor, EditorList),
                                             LB_GETTEXT,
                                             0,
                                             reinterpret_cast<LPARAM>(line.data()))));
        check("pattern editor: added step", Narrow(line), " 1.50: -2.00");
        check("pattern editor: the last added step in the boxes",
              text(GetDlgItem(editor, EditorX)) + "," + text(GetDlgItem(editor, EditorY)),
              "-1,0");
        savePicture(editor, L"editor");
        click(editor, EditorSave);
        waitGone(editor);
        Sleep(300);
        check("saved pattern: listed and selected", selectedEntry(list), "7 New Pattern of 9");
        check("saved pattern: stored",
              storedPattern(7),
              "New Pattern\\ 1.50: -2.00\\ 0.00: 1.00\\ -1.00: 0.00\\BOTTOM");
    }

    // Pattern opens the selected pattern; Remove asks, and Yes deletes it.
    click(dialog, PatternButton);
    editor = waitForWindow(L"QuiverstepDialog", L"Custom Dither Pattern");
    check("Pattern opens the editor on the pattern",
          editor ? text(GetDlgItem(editor, Custom::DitherName)) : "none",
          "New Pattern");
    if (editor) {
        click(editor, EditorRemove);
        check("Remove: question",
              answerMessageBox(IDYES),
              "Do you want to delete this pattern permanently?");
        waitGone(editor);
        Sleep(300);
        check("removed pattern: the one before selected",
              selectedEntry(list),
              "6 Vertical Snake 20x20 of 8");
        check("removed pattern: the end of the list stored", storedPattern(7), "");
    }
    selectDitherType(dialog, list, 0);
    Sleep(300);

    // Simulate...: the simulator over the saved settings, ten steps by hand.
    click(dialog, Command3);
    const HWND simulator = waitForWindow(L"QuiverstepDialog", L"Simulator - Spiral");
    check("Simulate... opens the simulator", simulator ? "open" : "none", "open");
    if (simulator) {
        check("simulator: client size", clientSize(simulator), "456x292");
        check("simulator: running", text(GetDlgItem(simulator, SimulatorRun)), "Stop");
        clickAndWait(simulator, SimulatorReset);
        for (int i = 0; i < 10; ++i)
            clickAndWait(simulator, SimulatorStep);
        Sleep(500);
        check("simulator: stopped by Reset", text(GetDlgItem(simulator, SimulatorRun)), "Run");
        savePicture(simulator, L"simulator");
        click(simulator, SimulatorExit);
        waitGone(simulator);
    }

    // OK with valid input closes the dialog, and Settings returns.
    type(dialog, MaxDitherX, "3");
    click(dialog, OK);
    check("OK with valid input closes the dialog", waitGone(dialog) ? "closed" : "open", "closed");
    return 0;
}

// An automation type as the interface's description names it.
std::string typeName(const TYPEDESC &type)
{
    if (type.vt == VT_PTR)
        return typeName(*type.lptdesc) + " byref";
    switch (type.vt) {
    case VT_R8:
        return "Double";
    case VT_BOOL:
        return "Boolean";
    case VT_I2:
        return "Integer";
    case VT_I4:
        return "Long";
    case VT_BSTR:
        return "String";
    case VT_VARIANT:
        return "Variant";
    case VT_VOID:
    case VT_HRESULT:
        return "";
    default:
        return "?" + std::to_string(type.vt);
    }
}

std::string typeName(MemberType type)
{
    switch (type) {
    case MemberType::Double:
        return "Double";
    case MemberType::Boolean:
        return "Boolean";
    case MemberType::Integer:
        return "Integer";
    case MemberType::String:
        return "String";
    }
    return "?";
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
    std::string lines;
    for (const PlugInMember &member : PlugInMembers()) {
        if (!member.dataMember)
            continue;
        const std::string name(member.name);
        lines += "get " + name + "(): " + typeName(member.type) + "\n";
        lines += "put " + name + "(" + typeName(member.type) + ")\n";
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
    CLSID plugInClass{};
    IDispatch *plugIn = nullptr;
    if (FAILED(CLSIDFromProgID(L"Quiverstep.DitherPlugIn", &plugInClass))
        || FAILED(CoCreateInstance(plugInClass,
                                   nullptr,
                                   CLSCTX_INPROC_SERVER,
                                   IID_IDispatch,
                                   reinterpret_cast<void **>(&plugIn)))) {
        check("Quiverstep.DitherPlugIn created", "no", "yes");
        return;
    }
    check("type library: the members in interface order, as the core describes them",
          describedMembers(plugIn),
          expectedMembers());

    LPOLESTR name = const_cast<LPOLESTR>(L"Settings");
    DISPID settings = 0;
    plugIn->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &settings);
    const HANDLE driver = CreateThread(nullptr, 0, &driveSettings, nullptr, 0, nullptr);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    const HRESULT result = plugIn->Invoke(settings,
                                          IID_NULL,
                                          LOCALE_USER_DEFAULT,
                                          DISPATCH_METHOD,
                                          &none,
                                          nullptr,
                                          nullptr,
                                          nullptr);
    check("Settings returns when the dialog closes",
          SUCCEEDED(result) ? "returned" : "failed",
          "returned");
    WaitForSingleObject(driver, 30000);
    CloseHandle(driver);
    plugIn->Release();

    RegistryStore store;
    check("OK stored the dialog's values",
          store.Find("Orrerix", "Quiverstep", "Dither Step").value_or("absent") + " "
                  + store.Find("Orrerix", "Quiverstep", "Max Dither X").value_or("absent"),
          "1 3");
}

// --- The timed message and the test form, in this program.

DWORD WINAPI pictureOfMessage(LPVOID)
{
    if (const HWND message = waitForWindow(L"QuiverstepDialog", L"Quiverstep: Error")) {
        check("timed message: client size", clientSize(message), "384x171");
        savePicture(message, L"message");
    }
    return 0;
}

void timedMessage()
{
    const HANDLE driver = CreateThread(nullptr, 0, &pictureOfMessage, nullptr, 0, nullptr);
    const DWORD opened = GetTickCount();
    WindowsEnvironment().ui.ShowTimedMessage(BoxLimitMessage(4, 1, 21, 16));
    const HWND message = FindWindowW(L"QuiverstepDialog", L"Quiverstep: Error");
    check("timed message: opens without waiting", message ? "open" : "none", "open");
    MessageLoop::RunUntil([&] { return !IsWindow(message); });
    const DWORD shown = GetTickCount() - opened;
    check("timed message: closes itself after 3 s",
          shown >= 2900 && shown < 4500 ? "yes" : std::to_string(shown) + " ms",
          "yes");
    WaitForSingleObject(driver, 10000);
    CloseHandle(driver);
}

DWORD WINAPI driveTestForm(LPVOID)
{
    const HWND form = waitForWindow(L"QuiverstepDialog", L"Test");
    check("test form: open", form ? "open" : "none", "open");
    if (!form)
        return 0;
    check("test form: client size", clientSize(form), "604x468");
    clickAndWait(form, TestForm::Command2); // Guide Start
    for (int i = 0; i < 8; ++i)
        clickAndWait(form, TestForm::Command4); // Download Complete
    savePicture(form, L"testform");
    PostMessageW(form, WM_CLOSE, 0, 0);
    return 0;
}

// A dither-box message while a modal window is open (the settings dialog over the test
// form): the message window opens enabled, in front, and its OK closes it.
DWORD WINAPI driveMessageOverModal(LPVOID)
{
    const HWND form = waitForWindow(L"QuiverstepDialog", L"Test");
    if (!form)
        return 0;
    click(form, TestForm::Command1); // Setup: the settings dialog, modal
    const HWND dialog = waitForWindow(L"QuiverstepDialog", L"Quiverstep 1.1 Settings");
    check("Setup opens the settings dialog over the test form", dialog ? "open" : "none", "open");
    click(form, TestForm::Command4); // an image that dithers out of the box
    const HWND message = waitForWindow(L"QuiverstepDialog", L"Quiverstep: Error");
    const bool inFront = message && waitFor([&] {
                             return GetForegroundWindow() == message ? message : nullptr;
                         });
    check("timed message over a modal dialog: enabled and in front",
          message ? std::string(IsWindowEnabled(message) ? "enabled" : "disabled")
                            + (inFront ? " in front" : " behind")
                  : "none",
          "enabled in front");
    if (message) {
        const std::string shown = text(GetDlgItem(message, msgdlg::MsgText));
        check("timed message: the box message",
              shown.substr(0, shown.find("\r\n")),
              "Dither Pattern position exceeds Dither Box limit: please check!");
        click(message, msgdlg::OKButton);
        check("timed message: OK closes it", waitGone(message) ? "closed" : "open", "closed");
    }
    if (dialog) {
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        waitGone(dialog);
    }
    PostMessageW(form, WM_CLOSE, 0, 0);
    return 0;
}

void timedMessageOverModalDialog()
{
    RegistryStore store;
    store.SaveSetting("Orrerix", "Quiverstep", "Pattern2", "Far\\10,0\\TOP");
    store.SaveSetting("Orrerix", "Quiverstep", "Dither Type", "2");
    store.SaveSetting("Orrerix", "Quiverstep", "Current Step", "1");
    store.SaveSetting("Orrerix", "Quiverstep", "Dither Step", "1");
    store.SaveSetting("Orrerix", "Quiverstep", "Max Dither X", "4");
    TestForm form(WindowsEnvironment());
    const HANDLE driver = CreateThread(nullptr, 0, &driveMessageOverModal, nullptr, 0, nullptr);
    form.ShowModeless();
    MessageLoop::RunUntil([&] { return !form.IsOpen(); });
    WaitForSingleObject(driver, 20000);
    CloseHandle(driver);
}

void testForm()
{
    TestForm form(WindowsEnvironment());
    const HANDLE driver = CreateThread(nullptr, 0, &driveTestForm, nullptr, 0, nullptr);
    form.ShowModeless();
    MessageLoop::RunUntil([&] { return !form.IsOpen(); });
    WaitForSingleObject(driver, 10000);
    CloseHandle(driver);
}

// A host that switched the C runtime to a German locale (decimal comma) still gets "." in
// every stored number.
void numbersUnderGermanLocale()
{
    setlocale(LC_ALL, "German");
    char probe[16];
    std::snprintf(probe, sizeof probe, "%g", 0.5);
    check("German C runtime locale in force", probe, "0,5");
    RegistryStore store;
    store.SaveSetting("Orrerix", "Quiverstep", "Pattern2", "Half\\1,0\\0,1\\TOP");
    store.SaveSetting("Orrerix", "Quiverstep", "Dither Type", "2");
    store.SaveSetting("Orrerix", "Quiverstep", "Current Step", "1");
    store.SaveSetting("Orrerix", "Quiverstep", "Dither Step", "0.5");
    store.SaveSetting("Orrerix", "Quiverstep", "Max Dither X", "4");
    DitherPlugIn plugIn(WindowsEnvironment());
    plugIn.Debugging = TestModes::Dither;
    plugIn.CameraEvent(Events::ExposureEnd, Events::ImagingCamera, "", 0, 0);
    check("German locale: the offset stored with \".\"",
          store.Find("Orrerix", "Quiverstep", "Current Offset Y").value_or("absent"), "16.5");
    setlocale(LC_ALL, "C");
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 3)
        return 2;
    s_results = _wfopen(argv[1], L"w");
    if (!s_results)
        return 2;
    s_pictures = argv[2];
    CoInitialize(nullptr);
    settingsThroughTheComponent();
    timedMessage();
    testForm();
    timedMessageOverModalDialog();
    numbersUnderGermanLocale();
    std::fprintf(s_results, "windowtest: %d passed, %d failed\n", s_passed, s_failed);
    std::fclose(s_results);
    CoUninitialize();
    return s_failed == 0 ? 0 : 1;
}
