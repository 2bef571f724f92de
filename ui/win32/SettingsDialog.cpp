#include "win32/SettingsDialog.h"

#include "WideText.h"
#include "win32/MessageBoxes.h"
#include "win32/PathSimulator.h"
#include "win32/PatternEditor.h"

#include <memory>

namespace Quiverstep {

namespace {

using P = SettingsDialogPresenter;

} // namespace

SettingsDialog &SettingsDialog::Instance(PlugInEnvironment &environment)
{
    if (SettingsDialog *loaded = Loaded())
        return *loaded;
    auto dialog = std::unique_ptr<SettingsDialog>(new SettingsDialog(environment));
    dialog->Create(nullptr); // loads
    return *dialog.release();
}

SettingsDialog *SettingsDialog::Loaded()
{
    SettingsDialogPresenter *loaded = SettingsDialogPresenter::Loaded();
    return loaded ? static_cast<SettingsDialog *>(&loaded->View()) : nullptr;
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
    if (Loaded() == &dialog)
        delete &dialog;
}

void SettingsDialog::Unload()
{
    delete Loaded();
}

SettingsDialog::SettingsDialog(PlugInEnvironment &environment)
    : DialogWindow(P::Description())
    , m_environment(environment)
    , m_presenter(environment, *this)
{}

void SettingsDialog::onLoad()
{
    m_presenter.Load();
}

void SettingsDialog::onCommand(int id, int code, HWND)
{
    if (id == P::DitherType) {
        if (code == CBN_SELCHANGE)
            m_presenter.DitherTypeChanged(SelectedDitherType());
    } else {
        m_presenter.Clicked(id);
    }
}

void SettingsDialog::ShowMessage(const std::string &text)
{
    Quiverstep::ShowMessage(m_hwnd, text);
}

bool SettingsDialog::AskYesNo(const std::string &text)
{
    return Quiverstep::AskYesNo(m_hwnd, text);
}

void SettingsDialog::ShowDitherTypes(const std::vector<std::string> &entries)
{
    const HWND box = item(P::DitherType);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (const std::string &entry : entries)
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(entry).c_str()));
    SendMessageW(box, CB_SETCURSEL, WPARAM(-1), 0);
}

void SettingsDialog::SelectDitherType(int index)
{
    SendMessageW(item(P::DitherType), CB_SETCURSEL, WPARAM(index), 0);
}

int SettingsDialog::SelectedDitherType() const
{
    return int(SendMessageW(item(P::DitherType), CB_GETCURSEL, 0, 0));
}

std::string SettingsDialog::Text(int control) const
{
    return DialogWindow::Text(item(control));
}

void SettingsDialog::SetText(int control, const std::string &text)
{
    DialogWindow::SetText(item(control), text);
}

// The states' numbers are BST_UNCHECKED, BST_CHECKED and BST_INDETERMINATE.
int SettingsDialog::CheckState(int control) const
{
    return int(SendMessageW(item(control), BM_GETCHECK, 0, 0));
}

void SettingsDialog::SetCheckState(int control, int state)
{
    if (state == BST_INDETERMINATE) // grayed, as a hand-edited setting may ask for
        SendMessageW(item(control), BM_SETSTYLE, BS_AUTO3STATE, FALSE);
    SendMessageW(item(control), BM_SETCHECK, WPARAM(state), 0);
}

PatternEdit SettingsDialog::EditPattern(const std::string &name, const std::string &body, bool isNew)
{
    PatternEditor editor;
    editor.m_patternName = name;
    editor.m_patternBody = body;
    editor.m_newPattern = isNew;
    editor.ShowModal(m_hwnd);
    return {editor.m_saved, editor.m_removed, editor.m_patternName, editor.m_patternBody};
}

void SettingsDialog::OpenSimulator(const std::string &caption)
{
    PathSimulator simulator(m_environment);
    simulator.SetCaption(caption);
    simulator.ShowModal(m_hwnd);
}

void SettingsDialog::Close(bool)
{
    DialogWindow::Close();
}

std::string SettingsDialog::stepSizeText() const
{
    return Text(P::StepSize);
}

} // namespace Quiverstep
