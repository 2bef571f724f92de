#include "frmSetupOptions.h"

#include "Custom.h"
#include "DitherTypeList.h"
#include "MessageBoxes.h"
#include "SettingsValidation.h"
#include "Simulator.h"
#include "WindowLayout.h"

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

frmSetupOptions *s_instance = nullptr;
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

frmSetupOptions &frmSetupOptions::Instance(PlugInEnvironment &environment)
{
    if (!s_instance) {
        auto *dialog = new frmSetupOptions(environment);
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

frmSetupOptions *frmSetupOptions::Loaded()
{
    return s_instance;
}

void frmSetupOptions::ShowModal(PlugInEnvironment &environment)
{
    QPointer<frmSetupOptions> dialog = &Instance(environment);
    dialog->exec();
    delete dialog.data();
}

void frmSetupOptions::Unload()
{
    delete s_instance;
}

frmSetupOptions::frmSetupOptions(PlugInEnvironment &environment)
    : QDialog(nullptr)
    , m_environment(environment)
{
    setObjectName("frmSetupOptions");
    setWindowTitle("Quiverstep 1.1 Settings");
    MakeFixedDialog(this, 449, 231);

    OK = new QPushButton("OK", this);
    Place(OK, "OK", 356, 12, 81, 33);
    OK->setDefault(true);
    Command1 = new QPushButton("Cancel", this);
    Place(Command1, "Command1", 356, 48, 81, 33);
    Command3 = new QPushButton("Simulate...", this);
    Place(Command3, "Command3", 356, 104, 81, 33);
    ckLog = new QCheckBox("Log", this);
    Place(ckLog, "ckLog", 360, 152, 77, 25);

    Frame2 = new QGroupBox("Dither Type", this);
    Place(Frame2, "Frame2", 12, 12, 337, 149);
    Pattern = new QPushButton("Pattern:", Frame2);
    Place(Pattern, "Pattern", 8, 24, 57, 25);
    DitherType = new QComboBox(Frame2);
    Place(DitherType, "DitherType", 72, 24, 241, 24);
    // A wheel turned over the list does not take the focus; see eventFilter.
    DitherType->setFocusPolicy(Qt::StrongFocus);
    DitherType->installEventFilter(this);
    Label4 = new QLabel("Step Size:", Frame2);
    Place(Label4, "Label4", 8, 68, 69, 29);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    StepSize = new QLineEdit(QString::fromLatin1(Keys::Defaults::DitherStep.data(),
                                                 Keys::Defaults::DitherStep.size()),
                             Frame2);
    Place(StepSize, "StepSize", 96, 64, 65, 29);
    Label5 = new QLabel("pixels", Frame2);
    Place(Label5, "Label5", 168, 72, 45, 21);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    AO7 = new QCheckBox("Using AO-7", Frame2);
    Place(AO7, "AO7", 212, 72, 109, 17);
    Label8 = new QLabel("Max Dither:", Frame2);
    Place(Label8, "Label8", 8, 104, 85, 29);
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MaxDitherX = new QLineEdit(QString::fromLatin1(Keys::Defaults::MaxDither.data(),
                                                   Keys::Defaults::MaxDither.size()),
                               Frame2);
    Place(MaxDitherX, "MaxDitherX", 96, 100, 65, 29);
    Label9 = new QLabel("pixels", Frame2);
    Place(Label9, "Label9", 168, 104, 45, 21);
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label10 = new QLabel("Saving restarts the dither path at its first position.", this);
    Place(Label10, "Label10", 12, 172, 337, 21);
    Label11 = new QLabel("Step Size and Max Dither are in guide camera pixels.", this);
    Place(Label11, "Label11", 12, 196, 337, 21);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(DesignTimerInterval);
    Timer1->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5% early

    setTabOrder(OK, Command1);
    setTabOrder(Command1, StepSize);
    setTabOrder(StepSize, MaxDitherX);
    setTabOrder(MaxDitherX, DitherType);
    setTabOrder(DitherType, Pattern);
    setTabOrder(Pattern, Command3);
    setTabOrder(Command3, ckLog);
    setTabOrder(ckLog, AO7);

    connect(OK, &QPushButton::clicked, this, &frmSetupOptions::saveAndClose);
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Command3, &QPushButton::clicked, this, &frmSetupOptions::simulate);
    connect(Pattern, &QPushButton::clicked, this, &frmSetupOptions::editSelectedPattern);
    connect(DitherType, &QComboBox::currentIndexChanged, this, &frmSetupOptions::ditherTypeChanged);
    connect(Timer1, &QTimer::timeout, this, &frmSetupOptions::endDelay);
    for (QCheckBox *box : {ckLog, AO7}) {
        // A box opened grayed (a stored "2") is two-state from its first click on, so that
        // a click never brings the gray back.
        connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
    }
}

frmSetupOptions::~frmSetupOptions()
{
    if (s_instance == this)
        s_instance = nullptr;
    if (Timer1->isActive()) {
        // myDelay is still waiting on this timer: let its tick come all the same.
        const int generation = s_delayGeneration;
        QTimer::singleShot(Timer1->remainingTime(),
                           Qt::PreciseTimer,
                           QCoreApplication::instance(),
                           [generation, tick = m_delayTick] {
                               if (generation == s_delayGeneration)
                                   tick();
                           });
    }
}

bool frmSetupOptions::eventFilter(QObject *watched, QEvent *event)
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

void frmSetupOptions::done(int result)
{
    QDialog::done(result);
    // Closed means unloaded: the next use loads afresh from the store.
    if (s_instance == this)
        s_instance = nullptr;
    deleteLater();
}

void frmSetupOptions::load()
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

void frmSetupOptions::FillDitherTypeList()
{
    showList(Quiverstep::FillDitherTypeList(Settings(m_environment.store)));
}

void frmSetupOptions::showList(const DitherTypeList &list)
{
    // Filling is not a selection: the list ends with none, as a fresh list has.
    const QSignalBlocker blocker(DitherType);
    DitherType->clear();
    for (const std::string &entry : list.entries)
        DitherType->addItem(QString::fromStdString(entry));
    DitherType->setCurrentIndex(-1);
    m_patterns = list.patterns;
    m_nNextPattern = list.nextPattern;
}

void frmSetupOptions::selectDitherType(int index)
{
    // Raises the selection event as a user's choice would.
    DitherType->setCurrentIndex(index);
}

void frmSetupOptions::AddPattern(const QString &name, const QString &body)
{
    Guarded(this, [&] {
        const Settings settings(m_environment.store);
        StoreOperation operation(m_environment.store);
        Quiverstep::AddPattern(settings, m_nNextPattern, (name + "\\" + body).toStdString());
        operation.Commit();
        FillDitherTypeList();
    });
    selectDitherType(m_nNextPattern - 1);
}

void frmSetupOptions::ditherTypeChanged(int index)
{
    if (index >= m_nNextPattern)
        addNewPattern();
}

void frmSetupOptions::addNewPattern()
{
    Custom editor(this);
    editor.m_sDither = QString();
    editor.m_sDitherName = "New Pattern";
    editor.m_bNewPattern = true;
    editor.exec();
    if (editor.m_bOK)
        AddPattern(editor.m_sDitherName, editor.m_sDither);
    else
        selectDitherType(0);
}

void frmSetupOptions::editSelectedPattern()
{
    const int i = DitherType->currentIndex();
    if (i < FirstPattern) {
        ShowMessage(this, "This pattern is built-in and cannot be altered");
        return;
    }
    if (i - FirstPattern >= int(m_patterns.size()))
        return; // the add entry is never left selected
    const PatternEntry &entry = m_patterns[std::size_t(i - FirstPattern)];
    Custom editor(this);
    editor.m_sDitherName = QString::fromStdString(entry.name);
    editor.m_sDither = QString::fromStdString(entry.body);
    editor.m_bNewPattern = false;
    editor.exec();
    if (!editor.m_bOK)
        return;

    int restore = i;
    Guarded(this, [&] {
        const Settings settings(m_environment.store);
        StoreOperation operation(m_environment.store);
        if (editor.m_bDelete) {
            DeletePattern(settings, i, m_nNextPattern);
            restore = i - 1;
        } else {
            ReplacePattern(settings,
                           i,
                           (editor.m_sDitherName + "\\" + editor.m_sDither).toStdString());
        }
        operation.Commit();
        FillDitherTypeList();
    });
    selectDitherType(restore);
}

SettingsInput frmSetupOptions::input() const
{
    return {MaxDitherX->text().toStdString(),
            StepSize->text().toStdString(),
            DitherType->currentIndex(),
            stateNumber(AO7),
            stateNumber(ckLog)};
}

bool frmSetupOptions::ValidateAndSave()
{
    std::optional<std::string> problem;
    if (!Guarded(this, [&] { problem = Quiverstep::ValidateAndSave(input(), m_environment.store, m_environment.process.spiral); }))
        return false;
    if (problem) {
        ShowMessage(this, QString::fromStdString(*problem));
        return false;
    }
    return true;
}

void frmSetupOptions::simulate()
{
    if (!ValidateAndSave())
        return;
    Simulator simulator(m_environment, this);
    simulator.setWindowTitle("Simulator - " + DitherType->currentText());
    simulator.exec();
}

void frmSetupOptions::saveAndClose()
{
    if (ValidateAndSave())
        accept();
}

void frmSetupOptions::StartDelayTimer(std::int32_t milliseconds, std::function<void()> tick)
{
    ++s_delayGeneration;
    m_delayTick = std::move(tick);
    Timer1->setInterval(milliseconds);
    Timer1->start();
}

void frmSetupOptions::endDelay()
{
    Timer1->stop();
    if (m_delayTick)
        std::exchange(m_delayTick, nullptr)();
}

QString frmSetupOptions::stepSizeText() const
{
    return StepSize->text();
}

} // namespace Quiverstep
