#include "win32/SettingsDialog.h"

namespace Quiverstep {

SettingsDialog &SettingsDialog::Instance(PlugInEnvironment &environment)
{
    if (SettingsDialogPresenter *loaded = SettingsDialogPresenter::Loaded())
        return static_cast<SettingsDialog &>(loaded->View());
    auto dialog = std::unique_ptr<SettingsDialog>(
            new SettingsDialog(std::make_unique<SettingsDialogPresenter>(environment)));
    dialog->Create(nullptr); // loads
    return *dialog.release();
}

void SettingsDialog::ShowModal(PlugInEnvironment &environment)
{
    SettingsDialog &dialog = Instance(environment);
    if (IsWindowVisible(dialog.hwnd())) {
        // Already open (asked for again from a window over it): only brought forward.
        SetForegroundWindow(dialog.hwnd());
        return;
    }
    dialog.Win32WindowView::ShowModal();
    // Closed means unloaded: the next use loads afresh from the store.
    delete &dialog;
}

SettingsDialog::SettingsDialog(std::unique_ptr<SettingsDialogPresenter> presenter)
    : Win32WindowView(*presenter)
    , m_presenter(std::move(presenter))
{}

} // namespace Quiverstep
