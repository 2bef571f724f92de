#include "PresenterTest.h"

#include "presenters/PatternEditorPresenter.h"

#include <optional>

using namespace Quiverstep;

namespace {

using Editor = PatternEditorPresenter;

class PatternEditorPresenterTest : public ::testing::Test
{
protected:
    // A new editor on the pattern, loaded into a new view.
    void load(const std::string &name, const std::string &body, bool newPattern)
    {
        view = TestView();
        editor.emplace(name, body, newPattern);
        editor->Attach(view);
        editor->Load();
    }
    void add(const std::string &x, const std::string &y)
    {
        view.texts[Editor::XStep] = x;
        view.texts[Editor::YStep] = y;
        editor->Clicked(Editor::addButton);
    }

    TestView view;
    std::optional<Editor> editor;
};

} // namespace

TEST_F(PatternEditorPresenterTest, SaveRefusesAMissingNameABackslashOrNoStepsAndChangesNothing)
{
    load("P", "TOP", false);
    const std::pair<const char *, const char *> refused[]
            = {{"", "Please specify the name for this pattern"}, // the name is checked first
               {"a\\b", "The pattern name cannot contain a backslash."},
               {"Q", "No steps specified in the dither pattern. Please add some."}};
    for (const auto &[name, message] : refused) {
        view.texts[Editor::DitherName] = name;
        editor->Clicked(Editor::saveButton);
        EXPECT_EQ(view.messages.back(), std::string("message: ") + message);
    }
    EXPECT_EQ(view.messages.size(), 3u);
    EXPECT_FALSE(view.closed);
    EXPECT_FALSE(editor->Saved());
    EXPECT_EQ(editor->Name(), "P");
    EXPECT_EQ(editor->Body(), "TOP");
}

TEST_F(PatternEditorPresenterTest, StoredBodyIsShownAddAppendsTheRoundedStepAndSaveKeepsTheLines)
{
    load("P", "1,2\\3:4\\TOP", false);
    EXPECT_EQ(view.texts[Editor::DitherName], "P");
    EXPECT_EQ(view.entries[Editor::stepList], (std::vector<std::string>{"1:2", "3:4"}));
    EXPECT_EQ(view.checks, (std::map<int, int>{{Editor::TopToBottom, 1}}));
    EXPECT_EQ(view.Selected(Editor::stepList), -1);
    EXPECT_EQ(editor->Body(), "TOP"); // the load consumed the body
    add("1.999", "-0.25");
    EXPECT_EQ(view.entries[Editor::stepList],
              (std::vector<std::string>{"1:2", "3:4", " 2.00: -0.25"}));
    EXPECT_EQ(view.Selected(Editor::stepList), 2);
    EXPECT_EQ(view.texts[Editor::XStep], "2"); // the added step as stored
    EXPECT_EQ(view.texts[Editor::YStep], "-0.25");
    add("abc", "1");                             // refused: the rounding test's
    EXPECT_EQ(view.texts[Editor::XStep], "abc"); // left as typed
    view.checks = {{Editor::BottomToTop, 1}};    // the user's click turns the other one off
    editor->Clicked(Editor::saveButton);
    EXPECT_EQ(view.closed, true);
    EXPECT_TRUE(editor->Saved());
    EXPECT_FALSE(editor->Removed());
    EXPECT_EQ(editor->Body(), "1:2\\3:4\\ 2.00: -0.25\\BOTTOM");
    EXPECT_EQ(editor->Name(), "P");
}

// What is not a number, and numbers whose hundredths overflow a double, are refused.
TEST_F(PatternEditorPresenterTest, AddedLinesAreRoundedToHundredthsAwayFromZeroOrRefused)
{
    load("P", "TOP", true);
    const std::string refused = "message: X and Y must be numeric";
    const std::pair<std::pair<const char *, const char *>, std::string> cases[] = {
            {{"1.5", "-2"}, " 1.50: -2.00"},
            {{"0.25", "3"}, " 0.25: 3.00"},
            {{"-0.5", "0"}, " -0.50: 0.00"},
            {{"1.05", "0"}, " 1.05: 0.00"},
            {{"-0.5", "-0.25"}, " -0.50: -0.25"},
            {{"-0.004", "0.005"}, " 0.00: 0.01"}, // no "-" on a value that rounds to 0
            {{" 123456.789 ", "1e2"}, " 123456.79: 100.00"},
            // The digits of large values are those of the double, exactly.
            {{"123456789012345678", "-1e20"}, " 123456789012345671.68: -100000000000000000000.00"},
            {{"0", "1.7E306"},
             " 0.00: 16999999999999999388307957886599817433334607430407587450277311919353772917816"
             "05658643300917875847079885722624679831889191699161055933571742683699620624736352"
             "96474636515660464935663040684957844303524367815028553272712298986386310828644513"
             "2123539211232533116754998568756505124374154292179946233247948553395896.32"},
            {{"1", ""}, refused},
            {{"1e999", "1"}, refused},
            {{"1", "1.8E306"}, refused},
            {{"-1e307", "1"}, refused},
    };
    for (const auto &[input, line] : cases) {
        const std::size_t before = view.entries[Editor::stepList].size();
        add(input.first, input.second);
        const std::vector<std::string> &lines = view.entries[Editor::stepList];
        EXPECT_EQ(lines.size() > before ? lines.back() : view.messages.back(), line)
                << input.first << " " << input.second;
    }
}

TEST_F(PatternEditorPresenterTest, LoadTurnsCommasIntoColonsReadsTheEndMarkerAndShowsASelectedStep)
{
    // The end marker is "TOP" in any case; anything else, or none, is the other rule.
    for (const auto &[body, rule] : {std::pair{"1,2\\top", Editor::TopToBottom},
                                     {"1,2\\TOPS", Editor::BottomToTop},
                                     {"", Editor::BottomToTop}}) {
        load("P", body, false);
        EXPECT_EQ(view.checks, (std::map<int, int>{{rule, 1}})) << body;
    }
    EXPECT_TRUE(view.entries[Editor::stepList].empty()); // the empty body has no lines
    view.checks = {{Editor::TopToBottom, 1}};
    add("1", "1");
    editor->Clicked(Editor::saveButton);
    EXPECT_EQ(editor->Body(), " 1.00: 1.00\\TOP");

    // A selected line shows its numbers; one without ":" clears both boxes.
    load("P", " 1.50, -2.00\\ 0.00,  0.50\\7\\BOTTOM", false);
    EXPECT_EQ(view.entries[Editor::stepList],
              (std::vector<std::string>{" 1.50: -2.00", " 0.00:  0.50", "7"}));
    for (auto [row, x, y] : {std::tuple{0, "1.5", "-2"}, {1, "0", "0.5"}, {2, "", ""}}) {
        view.selected[Editor::stepList] = row;
        editor->SelectionChanged(Editor::stepList);
        EXPECT_EQ(view.texts[Editor::XStep] + " " + view.texts[Editor::YStep], std::string(x) + " " + y)
                << row;
    }
}

TEST_F(PatternEditorPresenterTest, DeleteAndMoveKeepTheRightLineSelectedAndShowIt)
{
    load("P", "1,0\\2,0\\3,0\\BOTTOM", false);
    EXPECT_EQ(view.checks, (std::map<int, int>{{Editor::BottomToTop, 1}}));
    const struct
    {
        int select; // the row the user selects first; -1 keeps the selection
        Editor::Control button;
        std::vector<std::string> lines;
        int selected;
        const char *xStep;
    } steps[] = {
            {-1, Editor::Delete, {"1:0", "2:0", "3:0"}, -1, ""}, // nothing selected: nothing happens
            {-1, Editor::MoveUp, {"1:0", "2:0", "3:0"}, -1, ""},
            {-1, Editor::MoveDown, {"1:0", "2:0", "3:0"}, -1, ""},
            {0, Editor::MoveUp, {"1:0", "2:0", "3:0"}, 0, "1"},
            {-1, Editor::MoveDown, {"2:0", "1:0", "3:0"}, 1, "1"},
            {-1, Editor::MoveDown, {"2:0", "3:0", "1:0"}, 2, "1"},
            {-1, Editor::MoveDown, {"2:0", "3:0", "1:0"}, 2, "1"}, // the last line stays
            {-1, Editor::MoveUp, {"2:0", "1:0", "3:0"}, 1, "1"},
            {2, Editor::Delete, {"2:0", "1:0"}, 1, "1"}, // the last: the new last is selected
            {0, Editor::Delete, {"1:0"}, 0, "1"}, // the line that moved up is selected and shown
            {-1, Editor::Delete, {}, -1, "1"},    // the only one: nothing selected, boxes kept
    };
    for (const auto &step : steps) {
        if (step.select >= 0) {
            view.selected[Editor::stepList] = step.select;
            editor->SelectionChanged(Editor::stepList);
        }
        editor->Clicked(step.button);
        EXPECT_EQ(view.entries[Editor::stepList], step.lines) << step.button;
        EXPECT_EQ(view.Selected(Editor::stepList), step.selected) << step.button;
        EXPECT_EQ(view.texts[Editor::XStep], step.xStep) << step.button;
    }
    EXPECT_FALSE(view.closed);
}

TEST_F(PatternEditorPresenterTest, RemoveAsksForAStoredPatternCancelAndANewOneLeaveWithoutResult)
{
    load("Old", "1,0\\TOP", false);
    view.texts[Editor::DitherName] = "Renamed";
    const std::string question = "question: Do you want to delete this pattern permanently?";
    editor->Clicked(Editor::removeButton); // No
    EXPECT_EQ(view.messages, std::vector<std::string>{question});
    EXPECT_FALSE(view.closed);
    view.answers = {true};
    editor->Clicked(Editor::removeButton);
    EXPECT_EQ(view.closed, true);
    EXPECT_TRUE(editor->Saved());
    EXPECT_TRUE(editor->Removed());
    EXPECT_EQ(editor->Name(), "Renamed"); // the name box text
    EXPECT_EQ(editor->Body(), "TOP");

    view.messages.clear();
    for (const int button : {Editor::removeButton, Editor::cancelButton}) {
        load("New Pattern", "", button == Editor::removeButton);
        editor->Clicked(button); // no question
        EXPECT_EQ(view.closed, false);
        EXPECT_TRUE(view.messages.empty());
        EXPECT_FALSE(editor->Saved());
        EXPECT_FALSE(editor->Removed());
    }
}
