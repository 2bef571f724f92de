#include "WindowTest.h"

#include "presenters/PatternEditorPresenter.h"

#include <QListWidget>
#include <QTest>

using namespace Quiverstep;

using CustomEditorTest = WindowTest;

// The pattern the opener hands over and reads back, through the modal loop, the mouse and
// the keys.
TEST_F(CustomEditorTest, ClickedLineIsShownAndEnterSavesTheResultEscapeLeavesWithout)
{
    PatternEditorPresenter editor("P", "1,2\\3:4\\TOP", false);
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
    QtWindowView(editor).exec();
    EXPECT_TRUE(editor.Saved());
    EXPECT_EQ(editor.Body(), "1:2\\3:4\\ 2.00: -0.25\\TOP"); // the list's lines read back

    PatternEditorPresenter other("Q", "1,0\\BOTTOM", false);
    expect([](QWidget *window) {
        type(window, "DitherName", "R");
        QTest::keyClick(window, Qt::Key_Escape);
    });
    QtWindowView(other).exec();
    EXPECT_FALSE(other.Saved());
}
