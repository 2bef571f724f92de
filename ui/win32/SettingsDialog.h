#pragma once

#include "win32/DialogWindow.h"

#include "Pattern.h"
#include "PlugInEnvironment.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Quiverstep {

struct DitherTypeList;
struct SettingsInput;

// The settings dialog: dither type, step size, dither box, AO-7 and log, the stored patterns,
// and the simulator. One instance per process, loaded from the store when first needed and
// unloaded when it closes; its delayTimer also serves myDelay while the dialog is hidden.
class SettingsDialog : public DialogWindow
{
public:
    enum Control : int {
        OK = IDOK,
        cancelButton = 1001,
        simulateButton,
        ckLog,
        ditherTypeFrame,
        Pattern,
        DitherType,
        stepSizeLabel,
        StepSize,
        stepSizeUnit,
        AO7,
        maxDitherLabel,
        MaxDitherX,
        maxDitherUnit,
        restartNote,
        unitsNote,
    };

    // The process's instance, created and loaded (not shown) when there is none.
    static SettingsDialog &Instance(PlugInEnvironment &environment);
    // The instance when one is loaded.
    static SettingsDialog *Loaded();
    // Shows the instance modally and unloads it when it closes.
    static void ShowModal(PlugInEnvironment &environment);
    // Unloads the instance, if any.
    static void Unload();

    ~SettingsDialog() override;

    // Checks the controls' values and stores them; shows the first problem and returns false.
    bool ValidateAndSave();
    void FillDitherTypeList();
    void AddPattern(const std::string &name, const std::string &body);

    // myDelay's one-shot timer.
    void StartDelayTimer(std::int32_t milliseconds, std::function<void()> tick);

    std::string stepSizeText() const;

    std::int32_t m_nextPattern = 2;

protected:
    void build() override;
    void onLoad() override;
    void onCommand(int id, int code, HWND control) override;
    void onTimer(UINT_PTR timer) override;

private:
    explicit SettingsDialog(PlugInEnvironment &environment);

    void showList(const DitherTypeList &list);
    SettingsInput input() const;
    void ditherTypeChanged(int index);
    void editSelectedPattern();
    void simulate();
    void saveAndClose();
    void endDelay();
    void addNewPattern();
    void selectDitherType(int index);
    int selectedDitherType() const;
    HWND item(Control id) const { return GetDlgItem(m_hwnd, id); }

    PlugInEnvironment &m_environment;
    std::function<void()> m_delayTick;
    std::vector<PatternEntry> m_patterns; // list entry i (2 or more) is m_patterns[i - 2]
    bool m_delayRunning = false;
    DWORD m_delayDue = 0; // tick count at which myDelay's tick is due
};

} // namespace Quiverstep
