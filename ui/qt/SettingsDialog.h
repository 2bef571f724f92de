#pragma once

#include "presenters/SettingsDialogPresenter.h"
#include "presenters/SettingsDialogView.h"
#include "qt/DescribedControls.h"

#include <QDialog>

namespace Quiverstep {

// The settings dialog in Qt. One instance per process, loaded when first needed and
// destroyed when it closes.
class SettingsDialog : public QDialog, private SettingsDialogView
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

    QString stepSizeText() const;

public slots:
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit SettingsDialog(PlugInEnvironment &environment);

    void ShowMessage(const std::string &text) override;
    bool AskYesNo(const std::string &text) override;
    void ShowDitherTypes(const std::vector<std::string> &entries) override;
    void SelectDitherType(int index) override;
    int SelectedDitherType() const override;
    std::string Text(int control) const override;
    void SetText(int control, const std::string &text) override;
    int CheckState(int control) const override;
    void SetCheckState(int control, int state) override;
    PatternEdit EditPattern(const std::string &name, const std::string &body, bool isNew) override;
    void OpenSimulator(const std::string &caption) override;
    void Close(bool saved) override;

    PlugInEnvironment &m_environment;
    DescribedControls m_controls;
    SettingsDialogPresenter m_presenter;
};

} // namespace Quiverstep
