#pragma once

#include "Pattern.h"
#include "PlugInEnvironment.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace Quiverstep {

struct DitherTypeList;
struct SettingsInput;

// The settings dialog: dither type, step size, dither box, AO-7 and log, the stored patterns,
// and the simulator. One instance per process, loaded from the store when first needed and
// destroyed when it closes; its delayTimer also serves myDelay while the dialog is hidden.
class SettingsDialog : public QDialog
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

    ~SettingsDialog() override;

    // Checks the controls' values and stores them; shows the first problem and returns false.
    bool ValidateAndSave();
    void FillDitherTypeList();
    void AddPattern(const QString &name, const QString &body);

    // myDelay's one-shot timer.
    void StartDelayTimer(std::int32_t milliseconds, std::function<void()> tick);

    QString stepSizeText() const;

    std::int32_t m_nextPattern = 2;

public slots:
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit SettingsDialog(PlugInEnvironment &environment);

    void load();
    void showList(const DitherTypeList &list);
    SettingsInput input() const;
    void ditherTypeChanged(int index);
    void editSelectedPattern();
    void simulate();
    void saveAndClose();
    void endDelay();
    void addNewPattern();
    void selectDitherType(int index);

    PlugInEnvironment &m_environment;
    std::function<void()> m_delayTick;
    std::vector<PatternEntry> m_patterns; // list entry i (2 or more) is m_patterns[i - 2]

    QPushButton *OK;
    QPushButton *cancelButton;
    QPushButton *simulateButton;
    QCheckBox *ckLog;
    QGroupBox *ditherTypeFrame;
    QPushButton *Pattern;
    QComboBox *DitherType;
    QLabel *stepSizeLabel;
    QLineEdit *StepSize;
    QLabel *stepSizeUnit;
    QCheckBox *AO7;
    QLabel *maxDitherLabel;
    QLineEdit *MaxDitherX;
    QLabel *maxDitherUnit;
    QLabel *restartNote;
    QLabel *unitsNote;
    QTimer *delayTimer;
};

} // namespace Quiverstep
