#include "qt/SettingsDialog.h"

#include "DitherTypeList.h"
#include "qt/MessageBoxes.h"
#include "qt/PathSimulator.h"
#include "qt/PatternEditor.h"
#include "SettingsValidation.h"
#include "qt/WindowLayout.h"

#include "SettingKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace Quiverstep {

namespace {

SettingsDialog *s_instance = nullptr;
// Counts myDelay's timer starts, so that a wait handed over by an unloaded dialog ends
// only the wait it belongs to.
int s_delayGeneration = 0;

constexpr int DesignTimerInterval = 250;
constexpr int FirstPattern = 2;

int stateNumber(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

Qt::CheckState checkState(int state)
{
    return state == 0 ? Qt::Unchecked : state == 2 ? Qt::PartiallyChecked : Qt::Checked;
}

} // namespace

SettingsDialog &SettingsDialog::Instance(PlugInEnvironment &environment)
{
    if (!s_instance) {
        auto *dialog = new SettingsDialog(environment);
        s_instance = dialog;
        try {
            dialog->load();
        } catch (...) {
            delete dialog;
            throw;
        }
    }
    return *s_instance;
}

SettingsDialog *SettingsDialog::Loaded()
{
    return s_instance;
}

void SettingsDialog::ShowModal(PlugInEnvironment &environment)
{
    QPointer<SettingsDialog> dialog = &Instance(environment);
    dialog->exec();
    delete dialog.data();
}

void SettingsDialog::Unload()
{
    delete s_instance;
}

SettingsDialog::SettingsDialog(PlugInEnvironment &environment)
    : QDialog(nullptr)
    , m_environment(environment)
{
    setObjectName("SettingsDialog");
    setWindowTitle("Quiverstep 1.1 Settings");
    MakeFixedDialog(this, 449, 231);

    OK = new QPushButton("OK", this);
    Place(OK, "OK", 356, 12, 81, 33);
    OK->setDefault(true);
    cancelButton = new QPushButton("Cancel", this);
    Place(cancelButton, "cancelButton", 356, 48, 81, 33);
    simulateButton = new QPushButton("Simulate...", this);
    Place(simulateButton, "simulateButton", 356, 104, 81, 33);
    ckLog = new QCheckBox("Log", this);
    Place(ckLog, "ckLog", 360, 152, 77, 25);

    ditherTypeFrame = new QGroupBox("Dither Type", this);
    Place(ditherTypeFrame, "ditherTypeFrame", 12, 12, 337, 149);
    Pattern = new QPushButton("Pattern:", ditherTypeFrame);
    Place(Pattern, "Pattern", 8, 24, 57, 25);
    DitherType = new QComboBox(ditherTypeFrame);
    Place(DitherType, "DitherType", 72, 24, 241, 24);
    // A wheel turned over the list does not take the focus; see eventFilter.
    DitherType->setFocusPolicy(Qt::StrongFocus);
    DitherType->installEventFilter(this);
    stepSizeLabel = new QLabel("Step Size:", ditherTypeFrame);
    Place(stepSizeLabel, "stepSizeLabel", 8, 68, 69, 29);
    stepSizeLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    StepSize = new QLineEdit(QString::fromLatin1(Keys::Defaults::DitherStep.data(),
                                                 Keys::Defaults::DitherStep.size()),
                             ditherTypeFrame);
    Place(StepSize, "StepSize", 96, 64, 65, 29);
    stepSizeUnit = new QLabel("pixels", ditherTypeFrame);
    Place(stepSizeUnit, "stepSizeUnit", 168, 72, 45, 21);
    stepSizeUnit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    AO7 = new QCheckBox("Using AO-7", ditherTypeFrame);
    Place(AO7, "AO7", 212, 72, 109, 17);
    maxDitherLabel = new QLabel("Max Dither:", ditherTypeFrame);
    Place(maxDitherLabel, "maxDitherLabel", 8, 104, 85, 29);
    maxDitherLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MaxDitherX = new QLineEdit(QString::fromLatin1(Keys::Defaults::MaxDither.data(),
                                                   Keys::Defaults::MaxDither.size()),
                               ditherTypeFrame);
    Place(MaxDitherX, "MaxDitherX", 96, 100, 65, 29);
    maxDitherUnit = new QLabel("pixels", ditherTypeFrame);
    Place(maxDitherUnit, "maxDitherUnit", 168, 104, 45, 21);
    maxDitherUnit->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    restartNote = new QLabel("Saving restarts the dither path at its first position.", this);
    Place(restartNote, "restartNote", 12, 172, 337, 21);
    unitsNote = new QLabel("Step Size and Max Dither are in guide camera pixels.", this);
    Place(unitsNote, "unitsNote", 12, 196, 337, 21);

    delayTimer = new QTimer(this);
    delayTimer->setObjectName("delayTimer");
    delayTimer->setInterval(DesignTimerInterval);
    delayTimer->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5% early

    setTabOrder(OK, cancelButton);
    setTabOrder(cancelButton, StepSize);
    setTabOrder(StepSize, MaxDitherX);
    setTabOrder(MaxDitherX, DitherType);
    setTabOrder(DitherType, Pattern);
    setTabOrder(Pattern, simulateButton);
    setTabOrder(simulateButton, ckLog);
    setTabOrder(ckLog, AO7);

    connect(OK, &QPushButton::clicked, this, &SettingsDialog::saveAndClose);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(simulateButton, &QPushButton::clicked, this, &SettingsDialog::simulate);
    connect(Pattern, &QPushButton::clicked, this, &SettingsDialog::editSelectedPattern);
    connect(DitherType, &QComboBox::currentIndexChanged, this, &SettingsDialog::ditherTypeChanged);
    connect(delayTimer, &QTimer::timeout, this, &SettingsDialog::endDelay);
    for (QCheckBox *box : {ckLog, AO7}) {
        // A box opened grayed (a stored "2") is two-state from its first click on, so that
        // a click never brings the gray back.
        connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
    }
}

SettingsDialog::~SettingsDialog()
{
    if (s_instance == this)
        s_instance = nullptr;
    if (delayTimer->isActive()) {
        // myDelay is still waiting on this timer: let its tick come all the same.
        const int generation = s_delayGeneration;
        QTimer::singleShot(delayTimer->remainingTime(),
                           Qt::PreciseTimer,
                           QCoreApplication::instance(),
                           [generation, tick = m_delayTick] {
                               if (generation == s_delayGeneration)
                                   tick();
                           });
    }
}

bool SettingsDialog::eventFilter(QObject *watched, QEvent *event)
{
    // The dither type list takes the wheel only when it has the focus: a wheel turned while
    // the mouse passes over it must not change the type, nor open the pattern editor from the
    // add entry. The parent gets the wheel instead.
    if (watched == DitherType && event->type() == QEvent::Wheel && !DitherType->hasFocus()) {
        event->ignore();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void SettingsDialog::done(int result)
{
    QDialog::done(result);
    // Closed means unloaded: the next use loads afresh from the store.
    if (s_instance == this)
        s_instance = nullptr;
    deleteLater();
}

void SettingsDialog::load()
{
    const Settings settings(m_environment.store);
    {
        StoreOperation operation(m_environment.store);
        InstallBuiltInPatterns(settings);
        operation.Commit();
    }
    const SettingsView view = LoadSettingsView(settings);
    showList(view.list);
    selectDitherType(view.ditherType);
    StepSize->setText(QString::fromStdString(view.stepSize));
    MaxDitherX->setText(QString::fromStdString(view.maxDither));
    ckLog->setCheckState(checkState(view.log));
    AO7->setCheckState(checkState(view.ao7));
}

void SettingsDialog::FillDitherTypeList()
{
    showList(Quiverstep::FillDitherTypeList(Settings(m_environment.store)));
}

void SettingsDialog::showList(const DitherTypeList &list)
{
    // Filling is not a selection: the list ends with none, as a fresh list has.
    const QSignalBlocker blocker(DitherType);
    DitherType->clear();
    for (const std::string &entry : list.entries)
        DitherType->addItem(QString::fromStdString(entry));
    DitherType->setCurrentIndex(-1);
    m_patterns = list.patterns;
    m_nextPattern = list.nextPattern;
}

void SettingsDialog::selectDitherType(int index)
{
    // Raises the selection event as a user's choice would.
    DitherType->setCurrentIndex(index);
}

void SettingsDialog::AddPattern(const QString &name, const QString &body)
{
    Guarded(this, [&] {
        const Settings settings(m_environment.store);
        StoreOperation operation(m_environment.store);
        Quiverstep::AddPattern(settings, m_nextPattern, (name + "\\" + body).toStdString());
        operation.Commit();
        FillDitherTypeList();
    });
    selectDitherType(m_nextPattern - 1);
}

void SettingsDialog::ditherTypeChanged(int index)
{
    if (index >= m_nextPattern)
        addNewPattern();
}

void SettingsDialog::addNewPattern()
{
    PatternEditor editor(this);
    editor.m_patternBody = QString();
    editor.m_patternName = "New Pattern";
    editor.m_newPattern = true;
    editor.exec();
    if (editor.m_saved)
        AddPattern(editor.m_patternName, editor.m_patternBody);
    else
        selectDitherType(0);
}

void SettingsDialog::editSelectedPattern()
{
    const int i = DitherType->currentIndex();
    if (i < FirstPattern) {
        ShowMessage(this, "This pattern is built-in and cannot be altered");
        return;
    }
    if (i - FirstPattern >= int(m_patterns.size()))
        return; // the add entry is never left selected
    const PatternEntry &entry = m_patterns[std::size_t(i - FirstPattern)];
    PatternEditor editor(this);
    editor.m_patternName = QString::fromStdString(entry.name);
    editor.m_patternBody = QString::fromStdString(entry.body);
    editor.m_newPattern = false;
    editor.exec();
    if (!editor.m_saved)
        return;

    int restore = i;
    Guarded(this, [&] {
        const Settings settings(m_environment.store);
        StoreOperation operation(m_environment.store);
        if (editor.m_removed) {
            DeletePattern(settings, i, m_nextPattern);
            restore = i - 1;
        } else {
            ReplacePattern(settings,
                           i,
                           (editor.m_patternName + "\\" + editor.m_patternBody).toStdString());
        }
        operation.Commit();
        FillDitherTypeList();
    });
    selectDitherType(restore);
}

SettingsInput SettingsDialog::input() const
{
    return {MaxDitherX->text().toStdString(),
            StepSize->text().toStdString(),
            DitherType->currentIndex(),
            stateNumber(AO7),
            stateNumber(ckLog)};
}

bool SettingsDialog::ValidateAndSave()
{
    std::optional<std::string> problem;
    if (!Guarded(this, [&] {
            problem = Quiverstep::ValidateAndSave(input(),
                                                  m_environment.store,
                                                  m_environment.process.spiral);
        }))
        return false;
    if (problem) {
        ShowMessage(this, QString::fromStdString(*problem));
        return false;
    }
    return true;
}

void SettingsDialog::simulate()
{
    if (!ValidateAndSave())
        return;
    PathSimulator simulator(m_environment, this);
    simulator.setWindowTitle("Simulator - " + DitherType->currentText());
    simulator.exec();
}

void SettingsDialog::saveAndClose()
{
    if (ValidateAndSave())
        accept();
}

void SettingsDialog::StartDelayTimer(std::int32_t milliseconds, std::function<void()> tick)
{
    ++s_delayGeneration;
    m_delayTick = std::move(tick);
    delayTimer->setInterval(milliseconds);
    delayTimer->start();
}

void SettingsDialog::endDelay()
{
    delayTimer->stop();
    if (m_delayTick)
        std::exchange(m_delayTick, nullptr)();
}

QString SettingsDialog::stepSizeText() const
{
    return StepSize->text();
}

} // namespace Quiverstep
