#include "win32/SettingsDialog.h"

#include "win32/MessageBoxes.h"
#include "win32/PathSimulator.h"
#include "win32/PatternEditor.h"
#include "WideText.h"

#include "DitherTypeList.h"
#include "SettingsValidation.h"

namespace Quiverstep {

namespace {

SettingsDialog *s_instance = nullptr;
// Counts myDelay's timer starts, so that a wait handed over by an unloaded dialog ends
// only the wait it belongs to.
int s_delayGeneration = 0;
int s_handedOverGeneration = 0;
std::function<void()> s_handedOverTick;

constexpr UINT_PTR delayTimer = 1;
constexpr int FirstPattern = 2;

void CALLBACK handedOverTick(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (s_handedOverGeneration == s_delayGeneration && s_handedOverTick)
        std::exchange(s_handedOverTick, nullptr)();
}

int checkState(HWND box)
{
    switch (SendMessageW(box, BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
        return 1;
    case BST_INDETERMINATE:
        return 2;
    default:
        return 0;
    }
}

void setCheckState(HWND box, int state)
{
    if (state == 2) // grayed, as a hand-edited setting may ask for
        SendMessageW(box, BM_SETSTYLE, BS_AUTO3STATE, FALSE);
    SendMessageW(box,
                 BM_SETCHECK,
                 state == 0   ? BST_UNCHECKED
                 : state == 2 ? BST_INDETERMINATE
                              : BST_CHECKED,
                 0);
}

} // namespace

SettingsDialog &SettingsDialog::Instance(PlugInEnvironment &environment)
{
    if (!s_instance) {
        auto *dialog = new SettingsDialog(environment);
        s_instance = dialog;
        try {
            dialog->Create(nullptr);
        } catch (...) {
            s_instance = nullptr;
            delete dialog;
            throw;
        }
    }
    return *s_instance;
}

SettingsDialog *SettingsDialog::Loaded()
{
    return s_instance;
}

void SettingsDialog::ShowModal(PlugInEnvironment &environment)
{
    SettingsDialog &dialog = Instance(environment);
    if (IsWindowVisible(dialog.hwnd())) {
        // Already open (asked for again from a window over it): only brought forward.
        SetForegroundWindow(dialog.hwnd());
        return;
    }
    dialog.DialogWindow::ShowModal();
    // Closed means unloaded: the next use loads afresh from the store.
    if (s_instance == &dialog)
        delete &dialog;
}

void SettingsDialog::Unload()
{
    delete s_instance;
}

SettingsDialog::SettingsDialog(PlugInEnvironment &environment)
    : DialogWindow(L"Quiverstep 1.1 Settings", 449, 231, Placement::CentreScreen)
    , m_environment(environment)
{}

SettingsDialog::~SettingsDialog()
{
    if (s_instance == this)
        s_instance = nullptr;
    if (m_delayRunning) {
        // myDelay is still waiting on this timer: let its tick come all the same.
        s_handedOverGeneration = s_delayGeneration;
        s_handedOverTick = m_delayTick;
        const DWORD now = GetTickCount();
        const LONG remaining = LONG(m_delayDue - now);
        SetTimer(nullptr, 0, UINT(remaining > 0 ? remaining : 0), &handedOverTick);
    }
}

void SettingsDialog::build()
{
    // In keyboard focus order.
    defaultButton(OK, L"OK", 356, 12, 81, 33);
    button(cancelButton, L"Cancel", 356, 48, 81, 33);
    textBox(StepSize, L"1", 12 + 96, 12 + 64, 65, 29);
    textBox(MaxDitherX, L"4", 12 + 96, 12 + 100, 65, 29);
    dropDownList(DitherType, 12 + 72, 12 + 24, 241, 24);
    button(Pattern, L"Pattern:", 12 + 8, 12 + 24, 57, 25);
    button(simulateButton, L"Simulate...", 356, 104, 81, 33);
    checkBox(ckLog, L"Log", 360, 152, 77, 25);
    checkBox(AO7, L"Using AO-7", 12 + 212, 12 + 72, 109, 17);

    // ditherTypeFrame holds the controls above whose positions are given relative to it.
    frame(ditherTypeFrame, L"Dither Type", 12, 12, 337, 149);
    label(stepSizeLabel, L"Step Size:", 12 + 8, 12 + 68, 69, 29);
    label(stepSizeUnit, L"pixels", 12 + 168, 12 + 72, 45, 21);
    label(maxDitherLabel, L"Max Dither:", 12 + 8, 12 + 104, 85, 29);
    label(maxDitherUnit, L"pixels", 12 + 168, 12 + 104, 45, 21);
    label(restartNote, L"Saving restarts the dither path at its first position.", 12, 172, 337, 21);
    label(unitsNote, L"Step Size and Max Dither are in guide camera pixels.", 12, 196, 337, 21);
}

void SettingsDialog::onLoad()
{
    const Settings settings(m_environment.store);
    {
        StoreOperation operation(m_environment.store);
        InstallBuiltInPatterns(settings);
        operation.Commit();
    }
    const SettingsView view = LoadSettingsView(settings);
    showList(view.list);
    selectDitherType(view.ditherType);
    SetText(item(StepSize), view.stepSize);
    SetText(item(MaxDitherX), view.maxDither);
    setCheckState(item(ckLog), view.log);
    setCheckState(item(AO7), view.ao7);
}

void SettingsDialog::FillDitherTypeList()
{
    showList(Quiverstep::FillDitherTypeList(Settings(m_environment.store)));
}

void SettingsDialog::showList(const DitherTypeList &list)
{
    // Filling is not a selection: the list ends with none, as a fresh list has.
    const HWND box = item(DitherType);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (const std::string &entry : list.entries)
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(entry).c_str()));
    SendMessageW(box, CB_SETCURSEL, WPARAM(-1), 0);
    m_patterns = list.patterns;
    m_nextPattern = list.nextPattern;
}

void SettingsDialog::selectDitherType(int index)
{
    // Raises the selection event as a user's choice would.
    SendMessageW(item(DitherType), CB_SETCURSEL, WPARAM(index), 0);
    ditherTypeChanged(index);
}

int SettingsDialog::selectedDitherType() const
{
    return int(SendMessageW(item(DitherType), CB_GETCURSEL, 0, 0));
}

void SettingsDialog::AddPattern(const std::string &name, const std::string &body)
{
    Guarded(m_hwnd, [&] {
        const Settings settings(m_environment.store);
        StoreOperation operation(m_environment.store);
        Quiverstep::AddPattern(settings, m_nextPattern, name + "\\" + body);
        operation.Commit();
        FillDitherTypeList();
    });
    selectDitherType(m_nextPattern - 1);
}

void SettingsDialog::onCommand(int id, int code, HWND)
{
    switch (id) {
    case OK:
        saveAndClose();
        break;
    case cancelButton:
        Close();
        break;
    case simulateButton:
        simulate();
        break;
    case Pattern:
        editSelectedPattern();
        break;
    case DitherType:
        if (code == CBN_SELCHANGE)
            ditherTypeChanged(selectedDitherType());
        break;
    default:
        break;
    }
}

void SettingsDialog::ditherTypeChanged(int index)
{
    if (index >= m_nextPattern)
        addNewPattern();
}

void SettingsDialog::addNewPattern()
{
    PatternEditor editor;
    editor.m_patternBody.clear();
    editor.m_patternName = "New Pattern";
    editor.m_newPattern = true;
    editor.ShowModal(m_hwnd);
    if (editor.m_saved)
        AddPattern(editor.m_patternName, editor.m_patternBody);
    else
        selectDitherType(0);
}

void SettingsDialog::editSelectedPattern()
{
    const int i = selectedDitherType();
    if (i < FirstPattern) {
        ShowMessage(m_hwnd, "This pattern is built-in and cannot be altered");
        return;
    }
    if (i - FirstPattern >= int(m_patterns.size()))
        return; // the add entry is never left selected
    const PatternEntry &entry = m_patterns[std::size_t(i - FirstPattern)];
    PatternEditor editor;
    editor.m_patternName = entry.name;
    editor.m_patternBody = entry.body;
    editor.m_newPattern = false;
    editor.ShowModal(m_hwnd);
    if (!editor.m_saved)
        return;

    int restore = i;
    Guarded(m_hwnd, [&] {
        const Settings settings(m_environment.store);
        StoreOperation operation(m_environment.store);
        if (editor.m_removed) {
            DeletePattern(settings, i, m_nextPattern);
            restore = i - 1;
        } else {
            ReplacePattern(settings, i, editor.m_patternName + "\\" + editor.m_patternBody);
        }
        operation.Commit();
        FillDitherTypeList();
    });
    selectDitherType(restore);
}

SettingsInput SettingsDialog::input() const
{
    return {Text(item(MaxDitherX)),
            Text(item(StepSize)),
            selectedDitherType(),
            checkState(item(AO7)),
            checkState(item(ckLog))};
}

bool SettingsDialog::ValidateAndSave()
{
    std::optional<std::string> problem;
    if (!Guarded(m_hwnd, [&] {
            problem = Quiverstep::ValidateAndSave(input(),
                                                  m_environment.store,
                                                  m_environment.process.spiral);
        }))
        return false;
    if (problem) {
        ShowMessage(m_hwnd, *problem);
        return false;
    }
    return true;
}

void SettingsDialog::simulate()
{
    if (!ValidateAndSave())
        return;
    const int selected = selectedDitherType();
    std::wstring entry(std::size_t(
                               SendMessageW(item(DitherType), CB_GETLBTEXTLEN, WPARAM(selected), 0))
                               + 1,
                       L'\0');
    entry.resize(std::size_t(SendMessageW(item(DitherType),
                                          CB_GETLBTEXT,
                                          WPARAM(selected),
                                          reinterpret_cast<LPARAM>(entry.data()))));
    PathSimulator simulator(m_environment);
    simulator.SetCaption("Simulator - " + Narrow(entry));
    simulator.ShowModal(m_hwnd);
}

void SettingsDialog::saveAndClose()
{
    if (ValidateAndSave())
        Close();
}

void SettingsDialog::StartDelayTimer(std::int32_t milliseconds, std::function<void()> tick)
{
    ++s_delayGeneration;
    m_delayTick = std::move(tick);
    const UINT interval = UINT(milliseconds > 0 ? milliseconds : 0);
    m_delayRunning = true;
    m_delayDue = GetTickCount() + interval;
    SetTimer(m_hwnd, delayTimer, interval, nullptr);
}

void SettingsDialog::onTimer(UINT_PTR timer)
{
    if (timer == delayTimer)
        endDelay();
}

void SettingsDialog::endDelay()
{
    KillTimer(m_hwnd, delayTimer);
    m_delayRunning = false;
    if (m_delayTick)
        std::exchange(m_delayTick, nullptr)();
}

std::string SettingsDialog::stepSizeText() const
{
    return Text(item(StepSize));
}

} // namespace Quiverstep
