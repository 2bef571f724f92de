#include "PresenterTest.h"

#include "presenters/SettingsDialogPresenter.h"
#include "presenters/SettingsDialogView.h"

#include "SettingKeys.h"

#include <map>

using namespace Quiverstep;

namespace {

using P = SettingsDialogPresenter;

class SettingsDialogTestView : public SettingsDialogView
{
public:
    void ShowMessage(const std::string &text) override { dialogs.Message(text); }
    bool AskYesNo(const std::string &text) override { return dialogs.Question(text); }
    void ShowDitherTypes(const std::vector<std::string> &shown) override
    {
        entries = shown;
        selected = -1;
    }
    void SelectDitherType(int index) override { selected = index; }
    int SelectedDitherType() const override { return selected; }
    std::string Text(int control) const override { return texts.at(control); }
    void SetText(int control, const std::string &text) override { texts[control] = text; }
    int CheckState(int control) const override { return checks.at(control); }
    void SetCheckState(int control, int state) override { checks[control] = state; }
    PatternEdit EditPattern(const std::string &name, const std::string &body, bool isNew) override
    {
        events.push_back("editor " + name + (isNew ? " (new)" : "") + ": " + body);
        return edit;
    }
    void OpenSimulator(const std::string &caption) override
    {
        events.push_back(caption);
        simulatedStep = settings.Get(Keys::DitherStep, "");
    }
    void Close(bool saved) override { events.push_back(saved ? "close saved" : "close"); }

    explicit SettingsDialogTestView(const Settings &stored)
        : settings(stored)
    {}

    const Settings &settings;
    RecordingDialogs dialogs;
    std::vector<std::string> entries;
    int selected = -1;
    std::map<int, std::string> texts{{P::StepSize, "1"}, {P::MaxDitherX, "4"}};
    std::map<int, int> checks{{P::ckLog, 0}, {P::AO7, 0}};
    PatternEdit edit; // what the pattern editor ends with
    std::vector<std::string> events;
    std::string simulatedStep;
};

const std::vector<std::string> BuiltInEntries{"Spiral",
                                              "Random",
                                              "Half-step 2x2",
                                              "Horizontal Snake 10x10",
                                              "Vertical Snake 10x10",
                                              "Horizontall Snake 20x20",
                                              "Vertical Snake 20x20",
                                              "        < Add New Pattern... >"};

class SettingsDialogPresenterTest : public PresenterTest
{
protected:
    SettingsDialogTestView view{settings};
    SettingsDialogPresenter dialog{environment, view};
};

} // namespace

TEST_F(SettingsDialogPresenterTest, DescribesTheDialogAsBothToolkitsMakeIt)
{
    const WindowDescription &description = P::Description();
    EXPECT_STREQ(description.caption, "Quiverstep 1.1 Settings");
    EXPECT_EQ(description.width, 449);
    EXPECT_EQ(description.height, 231);
    EXPECT_EQ(description.placement, WindowPlacement::CentreScreen);
    EXPECT_EQ(description.defaultButton, OkControl);
    EXPECT_EQ(description.cancelButton, P::cancelButton);
    std::vector<std::string> tabOrder;
    for (const ControlDescription &control : description.controls) {
        if (control.TakesFocus())
            tabOrder.push_back(control.name);
    }
    EXPECT_EQ(tabOrder,
              (std::vector<std::string>{"OK", "cancelButton", "StepSize", "MaxDitherX", "DitherType",
                                        "Pattern", "simulateButton", "ckLog", "AO7"}));
    const ControlDescription &ao7 = description.Control(P::AO7);
    EXPECT_EQ(description.Left(ao7), 12 + 212);
    EXPECT_EQ(description.Top(ao7), 12 + 72);
    EXPECT_EQ(P::OK, 1);
    EXPECT_EQ(P::cancelButton, 1001);
    EXPECT_EQ(P::unitsNote, 1015);
}

TEST_F(SettingsDialogPresenterTest, LoadsWithTheBuiltInPatternsAndTheDefaultsOrTheStoredValues)
{
    EXPECT_EQ(P::Loaded(), nullptr);
    dialog.Load();
    EXPECT_EQ(P::Loaded(), &dialog);
    EXPECT_EQ(view.entries, BuiltInEntries);
    EXPECT_EQ(view.selected, 0);
    EXPECT_EQ(view.texts[P::StepSize], "1");
    EXPECT_EQ(view.texts[P::MaxDitherX], "4");
    EXPECT_EQ(view.checks[P::ckLog], 0);
    EXPECT_EQ(dialog.NextPattern(), 7);
    EXPECT_EQ(get(Keys::Version), "1.1");
    EXPECT_EQ(get(Keys::Pattern(7)), "");
    dialog.Clicked(P::cancelButton);
    EXPECT_EQ(view.events, std::vector<std::string>{"close"});
    dialog.Closed();
    EXPECT_EQ(P::Loaded(), nullptr);

    // Stored values are shown as stored; a grayed box as grayed.
    settings.Save(Keys::DitherType, "7"); // the add entry is never selected on loading
    settings.Save(Keys::DitherStep, " 2.50");
    settings.Save(Keys::MaxDitherX, "5 ");
    settings.Save(Keys::Log, "1");
    settings.Save(Keys::AO7Compatible, "2");
    SettingsDialogTestView reopenedView{settings};
    SettingsDialogPresenter reopened(environment, reopenedView);
    reopened.Load();
    EXPECT_EQ(reopenedView.selected, 0);
    EXPECT_EQ(reopenedView.texts[P::StepSize], " 2.50");
    EXPECT_EQ(reopenedView.texts[P::MaxDitherX], "5 ");
    EXPECT_EQ(reopenedView.checks[P::ckLog], 1);
    EXPECT_EQ(reopenedView.checks[P::AO7], 2);
    EXPECT_TRUE(reopenedView.events.empty());
}

TEST_F(SettingsDialogPresenterTest, AddEntryOpensANewPatternThatGoesJustAboveItWhenSaved)
{
    dialog.Load();
    view.selected = 7;
    dialog.DitherTypeChanged(7); // the editor cancelled: Spiral again
    EXPECT_EQ(view.selected, 0);
    EXPECT_EQ(view.entries, BuiltInEntries);
    EXPECT_EQ(get(Keys::Pattern(7)), "");

    view.edit = {true, false, "P", " 1.00: 0.00\\BOTTOM"};
    view.selected = 7;
    dialog.DitherTypeChanged(7);
    std::vector<std::string> expected = BuiltInEntries;
    expected.insert(expected.begin() + 7, "P");
    EXPECT_EQ(view.entries, expected);
    EXPECT_EQ(view.selected, 7);
    EXPECT_EQ(dialog.NextPattern(), 8);
    EXPECT_EQ(get(Keys::Pattern(7)), "P\\ 1.00: 0.00\\BOTTOM");
    EXPECT_EQ(get(Keys::Pattern(8)), "");
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"editor New Pattern (new): ", "editor New Pattern (new): "}));
    dialog.DitherTypeChanged(6); // any other entry opens nothing
    EXPECT_EQ(view.events.size(), 2u);
}

TEST_F(SettingsDialogPresenterTest, PatternButtonEditsOrDeletesTheSelectedPatternButNoBuiltInType)
{
    dialog.Load();
    for (int index : {1, 0}) {
        view.selected = index;
        dialog.Clicked(P::Pattern);
    }
    EXPECT_EQ(view.dialogs.messages,
              (std::vector<std::string>{"message: This pattern is built-in and cannot be altered",
                                        "message: This pattern is built-in and cannot be altered"}));

    // Edited: stored under its number and selected again.
    view.selected = 3;
    view.edit = {true, false, "<b>x</b>", "1:0\\BOTTOM"};
    dialog.Clicked(P::Pattern);
    EXPECT_TRUE(view.events.at(0).starts_with("editor Horizontal Snake 10x10: -5,-5\\-4,-5\\"));
    EXPECT_EQ(view.selected, 3);
    EXPECT_EQ(view.entries.at(3), "<b>x</b>");
    EXPECT_EQ(get(Keys::Pattern(3)), "<b>x</b>\\1:0\\BOTTOM");

    // Cancelled: nothing changes. Removed: the next ones move up, the one before is selected.
    view.selected = 2;
    view.edit = {};
    dialog.Clicked(P::Pattern);
    EXPECT_EQ(dialog.NextPattern(), 7);
    view.edit = {true, true, "Half-step 2x2", ""};
    dialog.Clicked(P::Pattern);
    EXPECT_EQ(view.selected, 1);
    EXPECT_EQ(view.entries.at(2), "<b>x</b>");
    EXPECT_EQ(dialog.NextPattern(), 6);
    EXPECT_EQ(get(Keys::Pattern(2)), "<b>x</b>\\1:0\\BOTTOM");
    EXPECT_EQ(get(Keys::Pattern(6)), "");
}

TEST_F(SettingsDialogPresenterTest, FailedCheckKeepsTheDialogOpenAndStoresNothingThenOkStoresAndCloses)
{
    dialog.Load();
    const int writes = store.writeCount();
    view.texts[P::StepSize] = "5";
    dialog.Clicked(P::simulateButton); // no simulator opens
    view.texts[P::MaxDitherX] = "abc";
    dialog.Clicked(P::OK);
    EXPECT_EQ(view.dialogs.messages,
              (std::vector<std::string>{"message: Step Size is larger than dither box size - please fix",
                                        "message: Max Dither is not numeric."}));
    EXPECT_TRUE(view.events.empty());
    EXPECT_EQ(store.writeCount(), writes);

    view.selected = 3;
    view.texts[P::StepSize] = "1";
    view.texts[P::MaxDitherX] = " 5";
    view.checks[P::ckLog] = 1;
    dialog.Clicked(P::OK);
    EXPECT_EQ(view.events, std::vector<std::string>{"close saved"});
    EXPECT_EQ(get(Keys::DitherType), "3");
    EXPECT_EQ(get(Keys::MaxDitherX), " 5");
    EXPECT_EQ(get(Keys::Log), "1");
    EXPECT_EQ(get(Keys::CurrentOffsetX), "11");
}

TEST_F(SettingsDialogPresenterTest, SimulateStoresThenOpensTheSimulatorNamedAfterTheEntry)
{
    dialog.Load();
    view.selected = 1;
    view.texts[P::StepSize] = "2";
    dialog.Clicked(P::simulateButton);
    EXPECT_EQ(view.events, std::vector<std::string>{"Simulator - Random"});
    EXPECT_EQ(view.simulatedStep, "2"); // stored before it opened
    EXPECT_EQ(get(Keys::DitherType), "1");
    EXPECT_EQ(get(Keys::CurrentOffsetX), "16");
}
