#pragma once

#include "presenters/SettingsDialogPresenter.h"
#include "win32/Win32WindowView.h"

#include <memory>

namespace Quiverstep {

// The settings dialog in Win32. One instance per process, loaded when first needed and
// unloaded when it closes.
class SettingsDialog : public Win32WindowView
{
public:
    // The process's instance, created and loaded (not shown) when there is none.
    static SettingsDialog &Instance(PlugInEnvironment &environment);
    // Shows the instance modally and unloads it when it closes.
    static void ShowModal(PlugInEnvironment &environment);

private:
    explicit SettingsDialog(std::unique_ptr<SettingsDialogPresenter> presenter);

    std::unique_ptr<SettingsDialogPresenter> m_presenter;
};

} // namespace Quiverstep
