#include "qt/SettingsDialog.h"

#include "qt/PathSimulator.h"
#include "qt/PatternEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPointer>

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
    dialog->m_presenter.Load();
    return *dialog.release();
}

SettingsDialog *SettingsDialog::Loaded()
{
    SettingsDialogPresenter *loaded = SettingsDialogPresenter::Loaded();
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

SettingsDialog::SettingsDialog(PlugInEnvironment &environment)
    : QDialog(nullptr)
    , QtWindowView(*this, P::Description())
    , m_environment(environment)
    , m_presenter(environment, *this)
{
    for (int label : {P::stepSizeLabel, P::stepSizeUnit, P::maxDitherLabel, P::maxDitherUnit})
        m_controls.Get<QLabel>(label)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *list = m_controls.Get<QComboBox>(P::DitherType);
    // A wheel turned over the list does not take the focus; see eventFilter.
    list->setFocusPolicy(Qt::StrongFocus);
    list->installEventFilter(this);
    connect(list, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_presenter.DitherTypeChanged(index);
    });
    m_controls.ForwardClicks([this](int id) { m_presenter.Clicked(id); });
    for (int id : {P::logCheckBox, P::AO7}) {
        // A box opened grayed (a stored "2") is two-state from its first click on, so that
        // a click never brings the gray back.
        auto *box = m_controls.Get<QCheckBox>(id);
        connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
    }
}

bool SettingsDialog::eventFilter(QObject *watched, QEvent *event)
{
    // The dither type list takes the wheel only when it has the focus: a wheel turned while
    // the mouse passes over it must not change the type, nor open the pattern editor from the
    // add entry. The parent gets the wheel instead.
    auto *list = m_controls.Widget(P::DitherType);
    if (watched == list && event->type() == QEvent::Wheel && !list->hasFocus()) {
        event->ignore();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void SettingsDialog::done(int result)
{
    QDialog::done(result);
    m_presenter.Closed();
    deleteLater();
}

PatternEdit SettingsDialog::EditPattern(const std::string &name, const std::string &body, bool isNew)
{
    PatternEditor editor(this);
    editor.m_patternName = QString::fromStdString(name);
    editor.m_patternBody = QString::fromStdString(body);
    editor.m_newPattern = isNew;
    editor.exec();
    return {editor.m_saved,
            editor.m_removed,
            editor.m_patternName.toStdString(),
            editor.m_patternBody.toStdString()};
}

void SettingsDialog::OpenSimulator(const std::string &caption)
{
    PathSimulator simulator(m_environment, this);
    simulator.setWindowTitle(QString::fromStdString(caption));
    simulator.exec();
}

void SettingsDialog::Close(bool saved)
{
    if (saved)
        accept();
    else
        reject();
}

std::string SettingsDialog::stepSizeText() const
{
    return Text(P::StepSize);
}

} // namespace Quiverstep
