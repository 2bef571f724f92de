#include "WindowTest.h"

#include "qt/PatternEditor.h"

#include <QListWidget>
#include <QTest>

using namespace Quiverstep;

using CustomEditorTest = WindowTest;

// The members the opener sets and reads, through the modal loop, the mouse and the keys.
TEST_F(CustomEditorTest, ClickedLineIsShownAndEnterSavesIntoTheMembersEscapeLeavesWithout)
{
    PatternEditor editor;
    editor.m_patternName = "P";
    editor.m_patternBody = "1,2\\3:4\\TOP";
    expect([](QWidget *window) {
        auto *list = child<QListWidget>(window, "stepList");
        mouseClick(list->viewport(), list->visualItemRect(list->item(1)).center());
        EXPECT_EQ(text(window, "XStep"), "3");
        EXPECT_EQ(text(window, "YStep"), "4");
        type(window, "XStep", "1.999");
        type(window, "YStep", "-0.25");
        click(window, "addButton");
        EXPECT_EQ(list->currentRow(), 2);
        QTest::keyClick(window, Qt::Key_Return); // Save is the default button
    });
    editor.exec();
    EXPECT_TRUE(editor.m_saved);
    EXPECT_FALSE(editor.m_removed);
    EXPECT_EQ(editor.m_patternName, "P");
    EXPECT_EQ(editor.m_patternBody, "1:2\\3:4\\ 2.00: -0.25\\TOP");

    PatternEditor other;
    other.m_patternName = "Q";
    other.m_patternBody = "1,0\\BOTTOM";
    expect([](QWidget *window) {
        type(window, "DitherName", "R");
        QTest::keyClick(window, Qt::Key_Escape);
    });
    other.exec();
    EXPECT_FALSE(other.m_saved);
    EXPECT_EQ(other.m_patternName, "Q");
    EXPECT_EQ(other.m_patternBody, "BOTTOM"); // the load consumed the body
}
