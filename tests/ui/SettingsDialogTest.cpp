#include "WindowTest.h"

#include "DitherPlugIn.h"
#include "SettingKeys.h"
#include "qt/SettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QStyleOptionButton>
#include <QTest>

using namespace Quiverstep;

using SettingsDialogTest = WindowTest;

// What the dialog decides is the presenter's (tests/presenters); here the Qt windows carry it.
TEST_F(SettingsDialogTest, TheQtWindowsCarryThePresentersEditorSimulatorAndMessages)
{
    SettingsDialog &dialog = SettingsDialog::Instance(environment);
    dialog.show();
    auto *list = child<QComboBox>(&dialog, "DitherType");
    EXPECT_EQ(dialog.windowTitle(), "Quiverstep 1.1 Settings");
    // The editor through the mouse and the keys: a clicked line shows its numbers, Return is
    // Save, and the list's lines are read back; Escape is Cancel.
    expect([](QWidget *window) {
        type(window, "DitherName", "P");
        for (const auto &[x, y] : {std::pair{"3", "4"}, {"1.999", "-0.25"}}) {
            type(window, "XStep", x);
            type(window, "YStep", y);
            click(window, "addButton");
        }
        auto *steps = child<QListWidget>(window, "stepList");
        EXPECT_EQ(steps->currentRow(), 1);
        mouseClick(steps->viewport(), steps->visualItemRect(steps->item(0)).center());
        EXPECT_EQ(child<QLineEdit>(window, "XStep")->text(), "3");
        QTest::keyClick(window, Qt::Key_Return); // Save is the default button
    });
    list->setCurrentIndex(7); // the add entry
    EXPECT_EQ(list->currentIndex(), 7);
    EXPECT_EQ(list->itemText(7), "P");
    EXPECT_EQ(get(Keys::Pattern(7)), "P\\ 3.00: 4.00\\ 2.00: -0.25\\BOTTOM");
    expect([](QWidget *window) {
        type(window, "DitherName", "R");
        QTest::keyClick(window, Qt::Key_Escape);
    });
    click(&dialog, "Pattern");
    EXPECT_EQ(list->itemText(7), "P");

    expect([](QWidget *window) { click(window, "removeButton"); });
    expect(answer("Do you want to delete this pattern permanently?", QMessageBox::Yes));
    click(&dialog, "Pattern");
    EXPECT_EQ(list->currentIndex(), 6);

    list->setCurrentIndex(1);
    expect(answer("This pattern is built-in and cannot be altered"));
    click(&dialog, "Pattern");
    expect([](QWidget *window) {
        EXPECT_EQ(window->windowTitle(), "Simulator - Random");
        click(window, "exitButton");
    });
    click(&dialog, "simulateButton");
    EXPECT_TRUE(dialog.isVisible());
    click(&dialog, "OK");
    settle();
    EXPECT_EQ(SettingsDialog::Loaded(), nullptr);
}

TEST_F(SettingsDialogTest, MyDelayLoadsTheHiddenDialogAndWaitsEvenWhenTheDialogCloses)
{
    DitherPlugIn plugIn(environment);
    QElapsedTimer timer;
    timer.start();
    plugIn.myDelay(150);
    EXPECT_GE(timer.elapsed(), 145);
    ASSERT_NE(SettingsDialog::Loaded(), nullptr);
    EXPECT_FALSE(SettingsDialog::Loaded()->isVisible());

    QTimer::singleShot(30, [] { SettingsDialog::Unload(); });
    QObject guard; // ends a wait nothing else would end, so that a lost tick fails, not hangs
    QTimer::singleShot(2000, &guard, [this] { process.delayWaiting = false; });
    timer.restart();
    plugIn.myDelay(200);
    EXPECT_GE(timer.elapsed(), 190);
    EXPECT_LT(timer.elapsed(), 2000);
}

// The wheel turns the dither type list only when it has the focus; a check box opened grayed
// is two-state from its first click.
TEST_F(SettingsDialogTest, WheelOnlyOverTheFocusedListAndCheckBoxesOpenedGrayedTwoState)
{
    settings.Save(Keys::DitherType, "6");  // the last pattern: one notch on is the add entry
    settings.Save(Keys::MaxDitherX, "10"); // a box that holds the 20x20 snakes
    settings.Save(Keys::Log, "2");
    settings.Save(Keys::AO7Compatible, "2");
    expect([](QWidget *window) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        auto *list = child<QComboBox>(window, "DitherType");
        EXPECT_FALSE(list->hasFocus());
        wheel(list, -1);
        EXPECT_EQ(list->currentIndex(), 6);
        EXPECT_FALSE(list->hasFocus());
        mouseClick(child(window, "MaxDitherX"));
        QTest::keyClick(window, Qt::Key_Tab); // the list is next in the focus order
        EXPECT_TRUE(list->hasFocus());
        wheel(list, 1);
        EXPECT_EQ(list->currentIndex(), 5);
        for (const char *name : {"logCheckBox", "AO7"}) {
            auto *box = child<QCheckBox>(window, name);
            EXPECT_EQ(box->checkState(), Qt::PartiallyChecked) << name;
            QStyleOptionButton option;
            option.initFrom(box);
            const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator,
                                                                 &option,
                                                                 box);
            for (Qt::CheckState expected : {Qt::Checked, Qt::Unchecked, Qt::Checked}) {
                mouseClick(box, indicator.center());
                EXPECT_EQ(box->checkState(), expected) << name;
            }
        }
        mouseClick(child(window, "OK"));
    });
    ui.ShowSettings(); // modal, and unloaded when closed
    EXPECT_EQ(SettingsDialog::Loaded(), nullptr);
    EXPECT_EQ(get(Keys::DitherType), "5");
    EXPECT_EQ(get(Keys::Log), "1");
    EXPECT_EQ(get(Keys::AO7Compatible), "1");
}
