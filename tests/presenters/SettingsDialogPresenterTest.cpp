#include "PresenterTest.h"

#include "presenters/PatternEditorPresenter.h"
#include "presenters/SettingsDialogPresenter.h"

#include "SettingKeys.h"

#include <functional>

using namespace Quiverstep;

namespace {

using P = SettingsDialogPresenter;
using Lines = std::vector<std::string>;

// The dialog's controls as values; the editor and the simulator that open over it as lines
// in `events`, each loaded into a view of its own, where `edit` ends the editor.
class SettingsDialogTestView : public TestView
{
public:
    void Close(bool saved) override { events.push_back(saved ? "close saved" : "close"); }
    void OpenModal(WindowPresenter &window) override
    {
        TestView view;
        window.Attach(view);
        if (auto *editor = dynamic_cast<PatternEditorPresenter *>(&window)) {
            events.push_back("editor " + editor->Name() + (editor->IsNew() ? " (new)" : "") + ": "
                             + editor->Body().substr(0, 12));
            editor->Load();
            if (edit)
                edit(*editor, view);
            return;
        }
        window.Load();
        events.push_back(view.caption + ", step " + settings->Get(Keys::DitherStep, ""));
        window.Unload();
    }

    const Settings *settings = nullptr;
    std::function<void(PatternEditorPresenter &, TestView &)> edit; // none: Cancel
};

// The pattern editor saved with the name and the steps.
auto saved(const std::string &name, std::vector<std::pair<const char *, const char *>> steps)
{
    return [=](PatternEditorPresenter &editor, TestView &view) {
        view.texts[PatternEditorPresenter::DitherName] = name;
        for (const auto &[x, y] : steps) {
            view.texts[PatternEditorPresenter::XStep] = x;
            view.texts[PatternEditorPresenter::YStep] = y;
            editor.Clicked(PatternEditorPresenter::addButton);
        }
        editor.Clicked(PatternEditorPresenter::saveButton);
    };
}

class SettingsDialogPresenterTest : public PresenterTest
{
protected:
    SettingsDialogPresenterTest()
    {
        view.settings = &settings;
        dialog.Attach(view);
        dialog.Load();
    }

    // The user's choice of the dither type list's entry.
    void select(int index)
    {
        view.selected[P::DitherType] = index;
        dialog.SelectionChanged(P::DitherType);
    }

    SettingsDialogTestView view;
    SettingsDialogPresenter dialog{environment};
};

} // namespace

TEST_F(SettingsDialogPresenterTest, DescribesTheControlsInTabOrderWithTheFrameBeforeItsControls)
{
    const WindowDescription &description = P::Description();
    std::string order; // the frame before the controls in it, then the Tab order
    for (const ControlDescription &control : description.controls)
        order += control.name + std::string(" ");
    EXPECT_TRUE(order.starts_with("OK cancelButton ditherTypeFrame StepSize MaxDitherX DitherType "
                                  "Pattern simulateButton logCheckBox AO7 stepSizeLabel"));
    EXPECT_EQ(description.Left(description.Control(P::AO7)), 12 + 212);
    EXPECT_EQ(description.defaultButton, OkControl);
    EXPECT_EQ(description.cancelButton, 0); // Escape leaves the user's entries alone
}

TEST_F(SettingsDialogPresenterTest, LoadsWithTheBuiltInPatternsAndTheDefaultsOrTheStoredValues)
{
    EXPECT_EQ(P::Loaded(), &dialog);
    EXPECT_EQ(view.entries[P::DitherType].size(), 8u); // texts: the settings show test's
    EXPECT_EQ(view.Selected(P::DitherType), 0);
    EXPECT_EQ(view.texts, (std::map<int, std::string>{{P::StepSize, "1"}, {P::MaxDitherX, "4"}}));
    EXPECT_EQ(view.checks, (std::map<int, int>{{P::logCheckBox, 0}, {P::AO7, 0}}));
    EXPECT_EQ(dialog.NextPattern(), 7);
    dialog.Clicked(P::cancelButton);
    dialog.Unload();
    EXPECT_EQ(view.events, Lines{"close"});
    EXPECT_EQ(P::Loaded(), nullptr);

    // Stored values are shown as stored, a stored "2" grayed. Which entry a stored type selects
    // is the dither type list test's.
    for (const auto &[key, value] : {std::pair{Keys::DitherStep, " 2.50"},
                                     {Keys::MaxDitherX, "5 "},
                                     {Keys::Log, "1"},
                                     {Keys::AO7Compatible, "2"}})
        settings.Save(key, value);
    dialog.Load();
    EXPECT_EQ(view.texts,
              (std::map<int, std::string>{{P::StepSize, " 2.50"}, {P::MaxDitherX, "5 "}}));
    EXPECT_EQ(view.checks, (std::map<int, int>{{P::logCheckBox, 1}, {P::AO7, 2}}));
    EXPECT_EQ(view.events, Lines{"close"});
}

TEST_F(SettingsDialogPresenterTest, AddEntryOpensANewPatternThatGoesJustAboveItWhenSaved)
{
    select(7); // the editor cancelled: Spiral again
    EXPECT_EQ(view.Selected(P::DitherType), 0);
    EXPECT_EQ(get(Keys::Pattern(7)), "");
    view.edit = saved("P", {{"1", "0"}});
    select(7);
    EXPECT_EQ(view.entries[P::DitherType].size(), 9u);
    EXPECT_EQ(view.entries[P::DitherType].at(7), "P");
    EXPECT_EQ(view.Selected(P::DitherType), 7);
    EXPECT_EQ(dialog.NextPattern(), 8);
    EXPECT_EQ(get(Keys::Pattern(7)), "P\\ 1.00: 0.00\\BOTTOM");
    select(6); // any other entry opens nothing
    EXPECT_EQ(view.events, (Lines{"editor New Pattern (new): ", "editor New Pattern (new): "}));
}

TEST_F(SettingsDialogPresenterTest, PatternButtonEditsOrDeletesTheSelectedPatternButNoBuiltInType)
{
    for (int index : {1, 0}) {
        view.selected[P::DitherType] = index;
        dialog.Clicked(P::Pattern);
    }
    const std::string builtIn = "message: This pattern is built-in and cannot be altered";
    EXPECT_EQ(view.messages, (Lines{builtIn, builtIn}));

    // Edited: stored under its number and selected again; cancelled: nothing changes.
    view.selected[P::DitherType] = 3;
    view.edit = saved("<b>x</b>", {});
    dialog.Clicked(P::Pattern);
    EXPECT_EQ(view.Selected(P::DitherType), 3);
    EXPECT_EQ(view.entries[P::DitherType].at(3), "<b>x</b>");
    EXPECT_TRUE(get(Keys::Pattern(3)).starts_with("<b>x</b>\\-5:-5\\-4:-5\\"));
    view.selected[P::DitherType] = 2;
    view.edit = nullptr;
    dialog.Clicked(P::Pattern);
    EXPECT_EQ(dialog.NextPattern(), 7);

    // Removed: the next ones move up, the one before is selected.
    view.edit = [](PatternEditorPresenter &editor, TestView &editorView) {
        editorView.answers = {true};
        editor.Clicked(PatternEditorPresenter::removeButton);
    };
    dialog.Clicked(P::Pattern);
    EXPECT_EQ(view.events,
              (Lines{"editor Horizontal Snake 10x10: -5,-5\\-4,-5\\",
                     "editor Half-step 2x2:  0.00,  0.00",
                     "editor Half-step 2x2:  0.00,  0.00"}));
    EXPECT_EQ(view.Selected(P::DitherType), 1);
    EXPECT_EQ(view.entries[P::DitherType].at(2), "<b>x</b>");
    EXPECT_EQ(dialog.NextPattern(), 6);
    EXPECT_EQ(get(Keys::Pattern(6)), "");
}

// A failed check stores nothing and opens nothing; Simulate stores, then opens the simulator
// named after the entry; OK stores and closes. What a save stores is the settings layer's.
TEST_F(SettingsDialogPresenterTest, FailedCheckStoresNothingThenSimulateAndOkStore)
{
    const int writes = store.writeCount();
    view.texts[P::StepSize] = "5";
    dialog.Clicked(P::simulateButton); // no simulator opens
    view.texts[P::MaxDitherX] = "abc";
    dialog.Clicked(P::OK);
    EXPECT_EQ(view.messages,
              (Lines{"message: Step Size is larger than dither box size - please fix",
                     "message: Max Dither is not numeric."}));
    EXPECT_EQ(store.writeCount(), writes);

    view.selected[P::DitherType] = 1;
    view.texts = {{P::StepSize, "2"}, {P::MaxDitherX, "4"}};
    dialog.Clicked(P::simulateButton);
    EXPECT_EQ(view.events, Lines{"Simulator - Random, step 2"}); // stored before it opened

    view.selected[P::DitherType] = 3;
    view.texts = {{P::StepSize, "1"}, {P::MaxDitherX, " 5"}};
    view.checks[P::logCheckBox] = 1;
    dialog.Clicked(P::OK);
    EXPECT_EQ(view.events, (Lines{"Simulator - Random, step 2", "close saved"}));
    EXPECT_EQ(get(Keys::DitherType), "3");
    EXPECT_EQ(get(Keys::MaxDitherX), " 5");
    EXPECT_EQ(get(Keys::Log), "1");
}
