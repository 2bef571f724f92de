#include "presenters/SettingsDialogPresenter.h"

#include "presenters/PathSimulatorPresenter.h"
#include "presenters/PatternEditorPresenter.h"

#include "SettingKeys.h"

#include "DitherTypeList.h"
#include "SettingsValidation.h"

namespace Quiverstep {

namespace {

SettingsDialogPresenter *s_loaded = nullptr;

constexpr int FirstPattern = 2;

} // namespace

SettingsDialogPresenter *SettingsDialogPresenter::Loaded()
{
    return s_loaded;
}

SettingsDialogPresenter::SettingsDialogPresenter(PlugInEnvironment &environment)
    : WindowPresenter(Description())
    , m_environment(environment)
{
    setActions({
            {OK,
             [this] {
                 if (ValidateAndSave())
                     View().Close(true);
             }},
            {cancelButton, [this] { View().Close(false); }},
            {simulateButton, [this] { simulate(); }},
            {Pattern, [this] { editSelectedPattern(); }},
    });
}

SettingsDialogPresenter::~SettingsDialogPresenter()
{
    SettingsDialogPresenter::Unload();
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
    View().SetText(StepSize, stored.stepSize);
    View().SetText(MaxDitherX, stored.maxDither);
    View().SetCheckState(logCheckBox, stored.log);
    View().SetCheckState(AO7, stored.ao7);
}

void SettingsDialogPresenter::Unload()
{
    // Closed means unloaded: the next use loads afresh from the store.
    if (s_loaded == this)
        s_loaded = nullptr;
}

void SettingsDialogPresenter::fillDitherTypeList()
{
    showList(FillDitherTypeList(Settings(m_environment.store)));
}

void SettingsDialogPresenter::showList(const DitherTypeList &list)
{
    // Filling is not a selection: the list ends with none, as a fresh list has.
    View().SetEntries(DitherType, list.entries);
    m_entries = list.entries;
    m_patterns = list.patterns;
    m_nextPattern = list.nextPattern;
}

void SettingsDialogPresenter::selectDitherType(int index)
{
    // Raises the selection event as a user's choice would.
    View().Select(DitherType, index);
    ditherTypeChosen(index);
}

void SettingsDialogPresenter::SelectionChanged(int control)
{
    if (control == DitherType)
        ditherTypeChosen(View().Selected(DitherType));
}

void SettingsDialogPresenter::ditherTypeChosen(int index)
{
    if (index >= m_nextPattern)
        addNewPattern();
}

void SettingsDialogPresenter::addPattern(const std::string &name, const std::string &body)
{
    Guarded(View(), [&] {
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
    PatternEditorPresenter editor("New Pattern", "", true);
    View().OpenModal(editor);
    if (editor.Saved())
        addPattern(editor.Name(), editor.Body());
    else
        selectDitherType(0);
}

void SettingsDialogPresenter::editSelectedPattern()
{
    const int i = View().Selected(DitherType);
    if (i < FirstPattern) {
        View().ShowMessage("This pattern is built-in and cannot be altered");
        return;
    }
    if (i - FirstPattern >= int(m_patterns.size()))
        return; // the add entry is never left selected
    const PatternEntry entry = m_patterns[std::size_t(i - FirstPattern)];
    PatternEditorPresenter editor(entry.name, entry.body, false);
    View().OpenModal(editor);
    if (!editor.Saved())
        return;

    int restore = i;
    Guarded(View(), [&] {
        const Settings settings(m_environment.store);
        StoreOperation operation(m_environment.store);
        if (editor.Removed()) {
            DeletePattern(settings, i, m_nextPattern);
            restore = i - 1;
        } else {
            ReplacePattern(settings, i, editor.Name() + "\\" + editor.Body());
        }
        operation.Commit();
        fillDitherTypeList();
    });
    selectDitherType(restore);
}

bool SettingsDialogPresenter::ValidateAndSave()
{
    const SettingsInput input{View().Text(MaxDitherX),
                              View().Text(StepSize),
                              View().Selected(DitherType),
                              View().CheckState(AO7),
                              View().CheckState(logCheckBox)};
    std::optional<std::string> problem;
    if (!Guarded(View(), [&] {
            problem = Quiverstep::ValidateAndSave(input,
                                                  m_environment.store,
                                                  m_environment.process.spiral);
        }))
        return false;
    if (problem) {
        View().ShowMessage(*problem);
        return false;
    }
    return true;
}

void SettingsDialogPresenter::simulate()
{
    if (!ValidateAndSave())
        return;
    const int selected = View().Selected(DitherType);
    const bool listed = selected >= 0 && std::size_t(selected) < m_entries.size();
    PathSimulatorPresenter simulator(m_environment,
                                     "Simulator - "
                                             + (listed ? m_entries[std::size_t(selected)]
                                                       : std::string()),
                                     [this] { return View().Text(StepSize); });
    View().OpenModal(simulator);
}

} // namespace Quiverstep
