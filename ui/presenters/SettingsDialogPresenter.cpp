#include "presenters/SettingsDialogPresenter.h"

#include "presenters/SettingsDialogView.h"

#include "SettingKeys.h"

#include "DitherTypeList.h"
#include "SettingsValidation.h"

namespace Quiverstep {

namespace {

SettingsDialogPresenter *s_loaded = nullptr;

constexpr int FirstPattern = 2;

} // namespace

const WindowDescription &SettingsDialogPresenter::Description()
{
    using K = ControlKind;
    constexpr int F = ditherTypeFrame; // the controls placed in the frame
    const char *const restart = "Saving restarts the dither path at its first position.";
    const char *const units = "Step Size and Max Dither are in guide camera pixels.";
    // clang-format off
    static const WindowDescription description{
        "SettingsDialog", "Quiverstep 1.1 Settings", 449, 231, WindowPlacement::CentreScreen,
        {
            {OK, "OK", K::Button, "OK", 356, 12, 81, 33},
            {cancelButton, "cancelButton", K::Button, "Cancel", 356, 48, 81, 33},
            {F, "ditherTypeFrame", K::Frame, "Dither Type", 12, 12, 337, 149},
            {StepSize, "StepSize", K::TextBox, Keys::Defaults::DitherStep.data(), 96, 64, 65, 29, F},
            {MaxDitherX, "MaxDitherX", K::TextBox, Keys::Defaults::MaxDither.data(), 96, 100, 65, 29, F},
            {DitherType, "DitherType", K::DropDownList, "", 72, 24, 241, 24, F},
            {Pattern, "Pattern", K::Button, "Pattern:", 8, 24, 57, 25, F},
            {simulateButton, "simulateButton", K::Button, "Simulate...", 356, 104, 81, 33},
            {logCheckBox, "logCheckBox", K::CheckBox, "Log", 360, 152, 77, 25},
            {AO7, "AO7", K::CheckBox, "Using AO-7", 212, 72, 109, 17, F},
            {stepSizeLabel, "stepSizeLabel", K::Label, "Step Size:", 8, 68, 69, 29, F},
            {stepSizeUnit, "stepSizeUnit", K::Label, "pixels", 168, 72, 45, 21, F},
            {maxDitherLabel, "maxDitherLabel", K::Label, "Max Dither:", 8, 104, 85, 29, F},
            {maxDitherUnit, "maxDitherUnit", K::Label, "pixels", 168, 104, 45, 21, F},
            {restartNote, "restartNote", K::Label, restart, 12, 172, 337, 21},
            {unitsNote, "unitsNote", K::Label, units, 12, 196, 337, 21},
        },
        OK,
        0, // Cancel is no cancel button: Escape must not drop what the user entered
    };
    // clang-format on
    return description;
}

SettingsDialogPresenter *SettingsDialogPresenter::Loaded()
{
    return s_loaded;
}

SettingsDialogPresenter::SettingsDialogPresenter(PlugInEnvironment &environment,
                                                 SettingsDialogView &view)
    : m_environment(environment)
    , m_view(view)
{}

SettingsDialogPresenter::~SettingsDialogPresenter()
{
    Closed();
}

void SettingsDialogPresenter::Load()
{
    s_loaded = this;
    const Settings settings(m_environment.store);
    {
        StoreOperation operation(m_environment.store);
        InstallBuiltInPatterns(settings);
        operation.Commit();
    }
    const SettingsView stored = LoadSettingsView(settings);
    showList(stored.list);
    selectDitherType(stored.ditherType);
    m_view.SetText(StepSize, stored.stepSize);
    m_view.SetText(MaxDitherX, stored.maxDither);
    m_view.SetCheckState(logCheckBox, stored.log);
    m_view.SetCheckState(AO7, stored.ao7);
}

void SettingsDialogPresenter::Closed()
{
    // Closed means unloaded: the next use loads afresh from the store.
    if (s_loaded == this)
        s_loaded = nullptr;
}

void SettingsDialogPresenter::Clicked(int control)
{
    switch (control) {
    case OK:
        if (ValidateAndSave())
            m_view.Close(true);
        break;
    case cancelButton:
        m_view.Close(false);
        break;
    case simulateButton:
        simulate();
        break;
    case Pattern:
        editSelectedPattern();
        break;
    default:
        break;
    }
}

void SettingsDialogPresenter::fillDitherTypeList()
{
    showList(FillDitherTypeList(Settings(m_environment.store)));
}

void SettingsDialogPresenter::showList(const DitherTypeList &list)
{
    // Filling is not a selection: the list ends with none, as a fresh list has.
    m_view.SetEntries(DitherType, list.entries);
    m_entries = list.entries;
    m_patterns = list.patterns;
    m_nextPattern = list.nextPattern;
}

void SettingsDialogPresenter::selectDitherType(int index)
{
    // Raises the selection event as a user's choice would.
    m_view.Select(DitherType, index);
    DitherTypeChanged(index);
}

void SettingsDialogPresenter::DitherTypeChanged(int index)
{
    if (index >= m_nextPattern)
        addNewPattern();
}

void SettingsDialogPresenter::addPattern(const std::string &name, const std::string &body)
{
    Guarded(m_view, [&] {
        const Settings settings(m_environment.store);
        StoreOperation operation(m_environment.store);
        AddPattern(settings, m_nextPattern, name + "\\" + body);
        operation.Commit();
        fillDitherTypeList();
    });
    selectDitherType(m_nextPattern - 1);
}

void SettingsDialogPresenter::addNewPattern()
{
    const PatternEdit edit = m_view.EditPattern("New Pattern", "", true);
    if (edit.saved)
        addPattern(edit.name, edit.body);
    else
        selectDitherType(0);
}

void SettingsDialogPresenter::editSelectedPattern()
{
    const int i = m_view.Selected(DitherType);
    if (i < FirstPattern) {
        m_view.ShowMessage("This pattern is built-in and cannot be altered");
        return;
    }
    if (i - FirstPattern >= int(m_patterns.size()))
        return; // the add entry is never left selected
    const PatternEntry entry = m_patterns[std::size_t(i - FirstPattern)];
    const PatternEdit edit = m_view.EditPattern(entry.name, entry.body, false);
    if (!edit.saved)
        return;

    int restore = i;
    Guarded(m_view, [&] {
        const Settings settings(m_environment.store);
        StoreOperation operation(m_environment.store);
        if (edit.removed) {
            DeletePattern(settings, i, m_nextPattern);
            restore = i - 1;
        } else {
            ReplacePattern(settings, i, edit.name + "\\" + edit.body);
        }
        operation.Commit();
        fillDitherTypeList();
    });
    selectDitherType(restore);
}

bool SettingsDialogPresenter::ValidateAndSave()
{
    const SettingsInput input{m_view.Text(MaxDitherX),
                              m_view.Text(StepSize),
                              m_view.Selected(DitherType),
                              m_view.CheckState(AO7),
                              m_view.CheckState(logCheckBox)};
    std::optional<std::string> problem;
    if (!Guarded(m_view, [&] {
            problem = Quiverstep::ValidateAndSave(input,
                                                  m_environment.store,
                                                  m_environment.process.spiral);
        }))
        return false;
    if (problem) {
        m_view.ShowMessage(*problem);
        return false;
    }
    return true;
}

void SettingsDialogPresenter::simulate()
{
    if (!ValidateAndSave())
        return;
    const int selected = m_view.Selected(DitherType);
    const bool listed = selected >= 0 && std::size_t(selected) < m_entries.size();
    m_view.OpenSimulator("Simulator - "
                         + (listed ? m_entries[std::size_t(selected)] : std::string()));
}

} // namespace Quiverstep
