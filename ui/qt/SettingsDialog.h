#pragma once

#include "presenters/SettingsDialogPresenter.h"
#include "presenters/SettingsDialogView.h"
#include "qt/QtWindowView.h"

#include <QDialog>

namespace Quiverstep {

// The settings dialog in Qt. One instance per process, loaded when first needed and
// destroyed when it closes.
class SettingsDialog : public QDialog, private QtWindowView<SettingsDialogView>
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

    std::string stepSizeText() const;

public slots:
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit SettingsDialog(PlugInEnvironment &environment);

    PatternEdit EditPattern(const std::string &name, const std::string &body, bool isNew) override;
    void OpenSimulator(const std::string &caption) override;
    void Close(bool saved) override;

    PlugInEnvironment &m_environment;
    SettingsDialogPresenter m_presenter;
};

} // namespace Quiverstep
