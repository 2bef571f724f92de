#pragma once

#include "presenters/SettingsDialogPresenter.h"
#include "qt/QtWindowView.h"

#include <memory>

namespace Quiverstep {

// The settings dialog in Qt. One instance per process, loaded when first needed and
// destroyed when it closes.
class SettingsDialog : public QtWindowView
{
    Q_OBJECT

public:
    // The process's instance, created and loaded (not shown) when there is none.
    static SettingsDialog &Instance(PlugInEnvironment &environment);
    // The instance when one is loaded.
    static SettingsDialog *Loaded();
    // Shows the instance modally and unloads it when it closes.
    static void ShowModal(PlugInEnvironment &environment);
    // Destroys the instance, if any.
    static void Unload();

public slots:
    void done(int result) override;

private:
    explicit SettingsDialog(std::unique_ptr<SettingsDialogPresenter> presenter);

    std::unique_ptr<SettingsDialogPresenter> m_presenter;
};

} // namespace Quiverstep
