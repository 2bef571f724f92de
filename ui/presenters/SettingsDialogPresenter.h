#pragma once

#include "presenters/WindowPresenter.h"

#include "Pattern.h"
#include "PlugInEnvironment.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Quiverstep {

struct DitherTypeList;

// The settings dialog: dither type, step size, dither box, AO-7 and log, the stored patterns,
// and the simulator. One instance per process, loaded from the store when first needed and
// unloaded when it closes.
class SettingsDialogPresenter : public WindowPresenter
{
public:
    enum Control : int {
        OK = OkControl,
        cancelButton = 1001,
        simulateButton,
        logCheckBox,
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
    static const WindowDescription &Description();

    // The process's loaded instance, if any.
    static SettingsDialogPresenter *Loaded();

    explicit SettingsDialogPresenter(PlugInEnvironment &environment);
    ~SettingsDialogPresenter() override;

    std::int32_t NextPattern() const { return m_nextPattern; }

    // Installs the built-in patterns and shows the stored settings; the instance is loaded.
    void Load() override;
    // The window has closed: the instance is no longer the loaded one.
    void Unload() override;

    // The user chose an entry of the dither type list.
    void SelectionChanged(int control) override;

    // Checks the controls' values and stores them; shows the first problem and returns false.
    bool ValidateAndSave();

private:
    void fillDitherTypeList();
    void showList(const DitherTypeList &list);
    void selectDitherType(int index);
    void ditherTypeChosen(int index);
    void addPattern(const std::string &name, const std::string &body);
    void addNewPattern();
    void editSelectedPattern();
    void simulate();

    PlugInEnvironment &m_environment;
    std::vector<std::string> m_entries;
    std::vector<PatternEntry> m_patterns; // list entry i (2 or more) is m_patterns[i - 2]
    std::int32_t m_nextPattern = 2;
};

} // namespace Quiverstep
