#include "WindowTest.h"

#include "Custom.h"

#include <QListWidget>
#include <QRadioButton>

using namespace Quiverstep;

namespace {

class CustomEditorTest : public WindowTest
{
protected:
    void open(const QString &name, const QString &body, bool newPattern)
    {
        editor.m_sDitherName = name;
        editor.m_sDither = body;
        editor.m_bNewPattern = newPattern;
        editor.show();
    }
    QListWidget *list() { return child<QListWidget>(&editor, "List1"); }
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
        click(&editor, "pbAdd");
    }

    Custom editor;
};

} // namespace

TEST_F(CustomEditorTest, NewPatternCannotBeSavedWithoutSteps)
{
    open("New Pattern", "", true);
    EXPECT_EQ(editor.windowTitle(), "Custom Dither Pattern");
    EXPECT_EQ(text(&editor, "DitherName"), "New Pattern");
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_TRUE(child<QRadioButton>(&editor, "BottomToTop")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(&editor, "TopToBottom")->isChecked());
    modals.expect(answer("No steps specified in the dither pattern. Please add some."));
    click(&editor, "Command1");
    EXPECT_TRUE(editor.isVisible());
    EXPECT_FALSE(editor.m_bOK);
    modals.expect(answer("Please specify the name for this pattern"));
    type(&editor, "DitherName", "");
    add("1", "1");
    click(&editor, "Command1");
    EXPECT_TRUE(editor.isVisible());
    click(&editor, "Command2");
    EXPECT_FALSE(editor.isVisible());
    EXPECT_FALSE(editor.m_bOK);
}

TEST_F(CustomEditorTest, StoredBodyIsShownAndSavedUnchanged)
{
    open("P", "1,2\\3:4\\-1,0\\TOP", false);
    EXPECT_EQ(lines(), (QStringList{"1:2", "3:4", "-1:0"}));
    EXPECT_TRUE(child<QRadioButton>(&editor, "TopToBottom")->isChecked());
    EXPECT_EQ(selected(), -1);
    EXPECT_EQ(text(&editor, "XStep"), "");
    EXPECT_EQ(editor.m_sDither, "TOP"); // the load consumed the body
    click(&editor, "Command1");
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(editor.m_bOK);
    EXPECT_FALSE(editor.m_bDelete);
    EXPECT_EQ(editor.m_sDither, "1:2\\3:4\\-1:0\\TOP");
    EXPECT_EQ(editor.m_sDitherName, "P");
}

TEST_F(CustomEditorTest, AddAppendsTheRoundedStepAndSelectsIt)
{
    open("P", "0,0\\TOP", false);
    add("1.5", "-2");
    add("1.999", "-0.25");
    EXPECT_EQ(lines(), (QStringList{"0:0", " 1.50: -2.00", " 2.00: -0.25"}));
    EXPECT_EQ(selected(), 2);
    EXPECT_EQ(text(&editor, "XStep"), "2"); // the added step as stored
    EXPECT_EQ(text(&editor, "YStep"), "-0.25");

    modals.expect(answer("X and Y must be numeric"));
    add("abc", "1");
    modals.expect(answer("X and Y must be numeric"));
    add("1", "");
    EXPECT_EQ(list()->count(), 3);
    EXPECT_EQ(text(&editor, "XStep"), "1"); // left as typed
    click(&editor, "Command2");
}

TEST_F(CustomEditorTest, DeleteAndMoveKeepTheRightLineSelected)
{
    open("P", "1,0\\2,0\\3,0\\BOTTOM", false);
    // Nothing selected: nothing happens.
    for (const char *button : {"Delete", "MoveUp", "MoveDown"})
        click(&editor, button);
    EXPECT_EQ(lines(), (QStringList{"1:0", "2:0", "3:0"}));

    list()->setCurrentRow(0);
    click(&editor, "MoveUp");
    EXPECT_EQ(lines(), (QStringList{"1:0", "2:0", "3:0"}));
    click(&editor, "MoveDown");
    EXPECT_EQ(lines(), (QStringList{"2:0", "1:0", "3:0"}));
    EXPECT_EQ(selected(), 1);
    click(&editor, "MoveDown");
    click(&editor, "MoveDown"); // the last line stays
    EXPECT_EQ(lines(), (QStringList{"2:0", "3:0", "1:0"}));
    EXPECT_EQ(selected(), 2);
    click(&editor, "MoveUp");
    EXPECT_EQ(lines(), (QStringList{"2:0", "1:0", "3:0"}));
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(text(&editor, "XStep"), "1");

    list()->setCurrentRow(2);
    click(&editor, "Delete"); // the last: the new last is selected
    EXPECT_EQ(lines(), (QStringList{"2:0", "1:0"}));
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(text(&editor, "XStep"), "1");
    list()->setCurrentRow(0);
    click(&editor, "Delete"); // the line that moved up is selected and shown
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(text(&editor, "XStep"), "1");
    click(&editor, "Delete"); // the only one: nothing selected, boxes kept
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_EQ(selected(), -1);
    EXPECT_EQ(text(&editor, "XStep"), "1");
    click(&editor, "Command2");
}

TEST_F(CustomEditorTest, RemoveOfANewPatternIsCancel)
{
    open("New Pattern", "", true);
    click(&editor, "Command7"); // nothing is asked
    EXPECT_FALSE(editor.isVisible());
    EXPECT_FALSE(editor.m_bOK);
    EXPECT_FALSE(editor.m_bDelete);
}

TEST_F(CustomEditorTest, RemoveOfAStoredPatternAsksFirst)
{
    open("P", "1,0\\TOP", false);
    modals.expect(answer("Do you want to delete this pattern permanently?", QMessageBox::No));
    click(&editor, "Command7");
    EXPECT_TRUE(editor.isVisible());
    EXPECT_FALSE(editor.m_bOK);
    type(&editor, "DitherName", "Q");
    modals.expect(answer("Do you want to delete this pattern permanently?", QMessageBox::Yes));
    click(&editor, "Command7");
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(editor.m_bOK);
    EXPECT_TRUE(editor.m_bDelete);
    EXPECT_EQ(editor.m_sDitherName, "Q");
}

TEST_F(CustomEditorTest, NameWithABackslashIsRefusedAndNothingChanges)
{
    open("P", "1,0\\TOP", false);
    type(&editor, "DitherName", "a\\b");
    modals.expect(answer("The pattern name cannot contain a backslash."));
    click(&editor, "Command1");
    EXPECT_TRUE(editor.isVisible());
    EXPECT_FALSE(editor.m_bOK);
    EXPECT_EQ(editor.m_sDitherName, "P");
    EXPECT_EQ(editor.m_sDither, "TOP");
    EXPECT_EQ(text(&editor, "DitherName"), "a\\b");
    EXPECT_EQ(lines(), QStringList{"1:0"});
    click(&editor, "Command2");
}

TEST_F(CustomEditorTest, ClosingTheWindowIsCancel)
{
    open("P", "1,0\\TOP", false);
    editor.close();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_FALSE(editor.m_bOK);
}
