#include "win32/SettingsDialog.h"

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
    : Win32WindowView(P::Description())
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
            m_presenter.DitherTypeChanged(Selected(P::DitherType));
    } else {
        m_presenter.Clicked(id);
    }
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
