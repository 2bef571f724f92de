#pragma once

#include "win32/Win32WindowView.h"

#include "presenters/SettingsDialogPresenter.h"
#include "presenters/SettingsDialogView.h"

#include <string>

namespace Quiverstep {

// The settings dialog in Win32. One instance per process, loaded when first needed and
// unloaded when it closes.
class SettingsDialog : public Win32WindowView<SettingsDialogView>
{
public:
    // The process's instance, created and loaded (not shown) when there is none.
    static SettingsDialog &Instance(PlugInEnvironment &environment);
    // The instance when one is loaded.
    static SettingsDialog *Loaded();
    // Shows the instance modally and unloads it when it closes.
    static void ShowModal(PlugInEnvironment &environment);
    // Unloads the instance, if any.
    static void Unload();

    std::string stepSizeText() const;

protected:
    void onLoad() override;
    void onCommand(int id, int code, HWND control) override;

private:
    explicit SettingsDialog(PlugInEnvironment &environment);

    PatternEdit EditPattern(const std::string &name, const std::string &body, bool isNew) override;
    void OpenSimulator(const std::string &caption) override;
    void Close(bool saved) override;

    PlugInEnvironment &m_environment;
    SettingsDialogPresenter m_presenter;
};

} // namespace Quiverstep
