#include "WindowTest.h"

#include "qt/PatternEditor.h"

#include <QListWidget>
#include <QRadioButton>

using namespace Quiverstep;

namespace {

class CustomEditorTest : public WindowTest
{
protected:
    void open(const QString &name, const QString &body)
    {
        editor.m_patternName = name;
        editor.m_patternBody = body;
        editor.show();
    }
    QListWidget *list() { return child<QListWidget>(&editor, "stepList"); }
    QStringList lines()
    {
        QStringList result;
        for (int i = 0; i < list()->count(); ++i)
            result << list()->item(i)->text();
        return result;
    }
    int selected()
    {
        const auto items = list()->selectedItems();
        return items.isEmpty() ? -1 : list()->row(items.front());
    }
    void add(const QString &x, const QString &y)
    {
        type(&editor, "XStep", x);
        type(&editor, "YStep", y);
        click(&editor, "addButton");
    }

    PatternEditor editor;
};

} // namespace

TEST_F(CustomEditorTest, SaveRefusesAMissingNameABackslashOrNoStepsAndChangesNothing)
{
    open("P", "1,0\\TOP");
    list()->setCurrentRow(0);
    click(&editor, "Delete"); // no steps left
    const std::pair<const char *, const char *> refused[]
            = {{"", "Please specify the name for this pattern"}, // the name is checked first
               {"a\\b", "The pattern name cannot contain a backslash."},
               {"Q", "No steps specified in the dither pattern. Please add some."}};
    for (const auto &[name, message] : refused) {
        type(&editor, "DitherName", name);
        expect(answer(message));
        click(&editor, "saveButton");
    }
    EXPECT_TRUE(editor.isVisible());
    EXPECT_FALSE(editor.m_saved);
    EXPECT_EQ(editor.m_patternName, "P");
    EXPECT_EQ(editor.m_patternBody, "TOP");
    click(&editor, "cancelButton");
}

TEST_F(CustomEditorTest, StoredBodyIsShownAddAppendsTheRoundedStepAndSaveKeepsTheLines)
{
    open("P", "1,2\\3:4\\TOP");
    EXPECT_EQ(lines(), (QStringList{"1:2", "3:4"}));
    EXPECT_TRUE(child<QRadioButton>(&editor, "TopToBottom")->isChecked());
    EXPECT_EQ(selected(), -1);
    EXPECT_EQ(editor.m_patternBody, "TOP"); // the load consumed the body
    add("1.999", "-0.25");
    EXPECT_EQ(lines(), (QStringList{"1:2", "3:4", " 2.00: -0.25"}));
    EXPECT_EQ(selected(), 2);
    EXPECT_EQ(text(&editor, "XStep"), "2"); // the added step as stored
    EXPECT_EQ(text(&editor, "YStep"), "-0.25");
    expect(answer("X and Y must be numeric"));
    add("abc", "1");
    EXPECT_EQ(list()->count(), 3);
    EXPECT_EQ(text(&editor, "XStep"), "abc"); // left as typed
    click(&editor, "saveButton");
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(editor.m_saved);
    EXPECT_FALSE(editor.m_removed);
    EXPECT_EQ(editor.m_patternBody, "1:2\\3:4\\ 2.00: -0.25\\TOP");
    EXPECT_EQ(editor.m_patternName, "P");
}

TEST_F(CustomEditorTest, DeleteAndMoveKeepTheRightLineSelected)
{
    open("P", "1,0\\2,0\\3,0\\BOTTOM");
    const struct
    {
        int select; // the row selected first; -1 keeps the selection
        const char *button;
        QStringList lines;
        int selected;
        const char *xStep;
    } steps[] = {
            {-1, "Delete", {"1:0", "2:0", "3:0"}, -1, ""}, // nothing selected: nothing happens
            {-1, "MoveUp", {"1:0", "2:0", "3:0"}, -1, ""},
            {-1, "MoveDown", {"1:0", "2:0", "3:0"}, -1, ""},
            {0, "MoveUp", {"1:0", "2:0", "3:0"}, 0, "1"},
            {-1, "MoveDown", {"2:0", "1:0", "3:0"}, 1, "1"},
            {-1, "MoveDown", {"2:0", "3:0", "1:0"}, 2, "1"},
            {-1, "MoveDown", {"2:0", "3:0", "1:0"}, 2, "1"}, // the last line stays
            {-1, "MoveUp", {"2:0", "1:0", "3:0"}, 1, "1"},
            {2, "Delete", {"2:0", "1:0"}, 1, "1"}, // the last: the new last is selected
            {0, "Delete", {"1:0"}, 0, "1"},        // the line that moved up is selected and shown
            {-1, "Delete", {}, -1, "1"},           // the only one: nothing selected, boxes kept
    };
    for (const auto &step : steps) {
        if (step.select >= 0)
            list()->setCurrentRow(step.select);
        click(&editor, step.button);
        EXPECT_EQ(lines(), step.lines) << step.button;
        EXPECT_EQ(selected(), step.selected) << step.button;
        EXPECT_EQ(text(&editor, "XStep"), step.xStep) << step.button;
    }
    click(&editor, "cancelButton");
}
