#include "qt/SettingsDialog.h"

#include <QLabel>
#include <QPointer>

namespace Quiverstep {

using P = SettingsDialogPresenter;

SettingsDialog &SettingsDialog::Instance(PlugInEnvironment &environment)
{
    if (SettingsDialog *loaded = Loaded())
        return *loaded;
    auto dialog = std::unique_ptr<SettingsDialog>(
            new SettingsDialog(std::make_unique<P>(environment)));
    dialog->Load();
    return *dialog.release();
}

SettingsDialog *SettingsDialog::Loaded()
{
    P *loaded = P::Loaded();
    return loaded ? static_cast<SettingsDialog *>(&loaded->View()) : nullptr;
}

void SettingsDialog::ShowModal(PlugInEnvironment &environment)
{
    QPointer<SettingsDialog> dialog = &Instance(environment);
    dialog->exec();
    delete dialog.data();
}

void SettingsDialog::Unload()
{
    delete Loaded();
}

SettingsDialog::SettingsDialog(std::unique_ptr<SettingsDialogPresenter> presenter)
    : QtWindowView(*presenter)
    , m_presenter(std::move(presenter))
{
    for (int label : {P::stepSizeLabel, P::stepSizeUnit, P::maxDitherLabel, P::maxDitherUnit})
        control<QLabel>(label)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void SettingsDialog::done(int result)
{
    QtWindowView::done(result);
    deleteLater();
}

} // namespace Quiverstep
