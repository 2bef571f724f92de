#include "WindowTest.h"

#include "DitherPlugIn.h"
#include "SettingKeys.h"
#include "qt/SettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

using namespace Quiverstep;

namespace {

class SettingsDialogTest : public WindowTest
{
protected:
    SettingsDialog &open()
    {
        SettingsDialog &dialog = SettingsDialog::Instance(environment);
        dialog.show();
        return dialog;
    }

    static QStringList entries(const SettingsDialog &dialog)
    {
        QStringList list;
        const auto *combo = child<QComboBox>(&dialog, "DitherType");
        for (int i = 0; i < combo->count(); ++i)
            list << combo->itemText(i);
        return list;
    }
    static QComboBox *ditherType(const SettingsDialog &dialog)
    {
        return child<QComboBox>(&dialog, "DitherType");
    }
    void close(SettingsDialog &dialog)
    {
        click(&dialog, "cancelButton");
        settle();
    }
};

const QStringList BuiltInEntries{"Spiral",
                                 "Random",
                                 "Half-step 2x2",
                                 "Horizontal Snake 10x10",
                                 "Vertical Snake 10x10",
                                 "Horizontall Snake 20x20",
                                 "Vertical Snake 20x20",
                                 "        < Add New Pattern... >"};

} // namespace

TEST_F(SettingsDialogTest, OpensWithTheBuiltInPatternsAndTheDefaultsOrTheStoredValues)
{
    SettingsDialog &dialog = open();
    EXPECT_EQ(dialog.windowTitle(), "Quiverstep 1.1 Settings");
    EXPECT_EQ(entries(dialog), BuiltInEntries);
    EXPECT_EQ(ditherType(dialog)->currentIndex(), 0);
    EXPECT_EQ(text(&dialog, "StepSize"), "1");
    EXPECT_EQ(text(&dialog, "MaxDitherX"), "4");
    EXPECT_FALSE(child<QCheckBox>(&dialog, "ckLog")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(&dialog, "AO7")->isChecked());
    EXPECT_EQ(dialog.m_nextPattern, 7);
    EXPECT_EQ(get(Keys::Version), "1.1");
    EXPECT_EQ(get(Keys::Pattern(7)), "");
    close(dialog);
    EXPECT_EQ(SettingsDialog::Loaded(), nullptr);

    // Stored values are shown as stored.
    settings.Save(Keys::DitherType, "7"); // the add entry is never selected on opening
    settings.Save(Keys::DitherStep, " 2.50");
    settings.Save(Keys::MaxDitherX, "5 ");
    settings.Save(Keys::Log, "1");
    SettingsDialog &reopened = open();
    EXPECT_EQ(ditherType(reopened)->currentIndex(), 0);
    EXPECT_EQ(text(&reopened, "StepSize"), " 2.50");
    EXPECT_EQ(text(&reopened, "MaxDitherX"), "5 ");
    EXPECT_TRUE(child<QCheckBox>(&reopened, "ckLog")->isChecked());
    close(reopened);
}

TEST_F(SettingsDialogTest, AddEntryOpensANewPatternThatGoesJustAboveItWhenSaved)
{
    SettingsDialog &dialog = open();
    ditherType(dialog)->setCurrentIndex(1);
    expect([](QWidget *window) {
        EXPECT_EQ(window->windowTitle(), "Custom Dither Pattern");
        EXPECT_EQ(text(window, "DitherName"), "New Pattern");
        EXPECT_EQ(child<QListWidget>(window, "stepList")->count(), 0);
        EXPECT_TRUE(child<QRadioButton>(window, "BottomToTop")->isChecked());
        click(window, "removeButton"); // Remove of a new pattern asks nothing and is Cancel
    });
    ditherType(dialog)->setCurrentIndex(7);
    EXPECT_EQ(ditherType(dialog)->currentIndex(), 0);
    EXPECT_EQ(entries(dialog), BuiltInEntries);
    EXPECT_EQ(get(Keys::Pattern(7)), "");

    expect([](QWidget *window) {
        type(window, "DitherName", "P");
        type(window, "XStep", "1");
        type(window, "YStep", "0");
        click(window, "addButton");
        click(window, "saveButton");
    });
    ditherType(dialog)->setCurrentIndex(7);
    QStringList expected = BuiltInEntries;
    expected.insert(7, "P");
    EXPECT_EQ(entries(dialog), expected);
    EXPECT_EQ(ditherType(dialog)->currentIndex(), 7);
    EXPECT_EQ(dialog.m_nextPattern, 8);
    EXPECT_EQ(get(Keys::Pattern(7)), "P\\ 1.00: 0.00\\BOTTOM");
    EXPECT_EQ(get(Keys::Pattern(8)), "");
    close(dialog);
}

TEST_F(SettingsDialogTest, PatternButtonEditsOrDeletesTheSelectedPatternButNoBuiltInType)
{
    SettingsDialog &dialog = open();
    for (int index : {1, 0}) {
        ditherType(dialog)->setCurrentIndex(index);
        expect(answer("This pattern is built-in and cannot be altered"));
        click(&dialog, "Pattern");
    }

    ditherType(dialog)->setCurrentIndex(3);
    expect([](QWidget *window) {
        EXPECT_EQ(child<QListWidget>(window, "stepList")->count(), 121);
        EXPECT_EQ(child<QListWidget>(window, "stepList")->item(0)->text(), "-5:-5");
        type(window, "DitherName", "<b>x</b>");
        click(window, "saveButton");
    });
    click(&dialog, "Pattern");
    EXPECT_EQ(ditherType(dialog)->currentIndex(), 3);
    EXPECT_EQ(entries(dialog).at(3), "<b>x</b>");
    const std::string edited = get(Keys::Pattern(3));
    EXPECT_TRUE(edited.starts_with("<b>x</b>\\-5:-5\\-4:-5\\"));
    EXPECT_TRUE(edited.ends_with("\\5:5\\BOTTOM"));

    // Remove asks first; No leaves the pattern. Deleting the first pattern moves the next
    // ones up and selects Random.
    const QString question = "Do you want to delete this pattern permanently?";
    ditherType(dialog)->setCurrentIndex(2);
    expect([](QWidget *window) {
        EXPECT_EQ(text(window, "DitherName"), "Half-step 2x2");
        click(window, "removeButton");
        EXPECT_TRUE(window->isVisible());
        click(window, "cancelButton");
    });
    expect(answer(question, QMessageBox::No));
    click(&dialog, "Pattern");
    EXPECT_EQ(dialog.m_nextPattern, 7);
    expect([](QWidget *window) { click(window, "removeButton"); });
    expect(answer(question, QMessageBox::Yes));
    click(&dialog, "Pattern");
    EXPECT_EQ(ditherType(dialog)->currentIndex(), 1);
    EXPECT_EQ(entries(dialog).at(2), "<b>x</b>");
    EXPECT_EQ(dialog.m_nextPattern, 6);
    EXPECT_EQ(get(Keys::Pattern(2)), edited);
    EXPECT_EQ(get(Keys::Pattern(6)), "");
    close(dialog);
}

TEST_F(SettingsDialogTest, FailedCheckKeepsTheDialogOpenAndStoresNothingThenOkStoresAndCloses)
{
    SettingsDialog &dialog = open();
    const int writes = store.writeCount();
    type(&dialog, "StepSize", "5");
    expect(answer("Step Size is larger than dither box size - please fix"));
    click(&dialog, "simulateButton"); // no simulator opens
    type(&dialog, "MaxDitherX", "abc");
    expect(answer("Max Dither is not numeric."));
    click(&dialog, "OK");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(text(&dialog, "StepSize"), "5");
    EXPECT_EQ(store.writeCount(), writes);

    ditherType(dialog)->setCurrentIndex(3);
    type(&dialog, "StepSize", "1");
    type(&dialog, "MaxDitherX", " 5");
    child<QCheckBox>(&dialog, "ckLog")->setChecked(true);
    click(&dialog, "OK");
    settle();
    EXPECT_EQ(SettingsDialog::Loaded(), nullptr);
    EXPECT_EQ(get(Keys::DitherType), "3");
    EXPECT_EQ(get(Keys::MaxDitherX), " 5");
    EXPECT_EQ(get(Keys::Log), "1");
    EXPECT_EQ(get(Keys::CurrentOffsetX), "11");
}

TEST_F(SettingsDialogTest, SimulateStoresThenOpensTheSimulatorNamedAfterTheEntry)
{
    SettingsDialog &dialog = open();
    ditherType(dialog)->setCurrentIndex(1);
    type(&dialog, "StepSize", "2");
    expect([this](QWidget *window) {
        EXPECT_EQ(window->objectName(), "PathSimulator");
        EXPECT_EQ(window->windowTitle(), "Simulator - Random");
        EXPECT_EQ(get(Keys::DitherStep), "2"); // stored before it opened
        click(window, "exitButton");
    });
    click(&dialog, "simulateButton");
    EXPECT_TRUE(dialog.isVisible());
    close(dialog); // Cancel does not undo the save
    EXPECT_EQ(get(Keys::DitherType), "1");
    EXPECT_EQ(get(Keys::CurrentOffsetX), "16");
}

TEST_F(SettingsDialogTest, MyDelayWaitsForTheHiddenDialogsTimerEvenWhenTheDialogCloses)
{
    DitherPlugIn plugIn(environment);
    QElapsedTimer timer;
    timer.start();
    plugIn.myDelay(150);
    EXPECT_GE(timer.elapsed(), 145);
    ASSERT_NE(SettingsDialog::Loaded(), nullptr);
    EXPECT_FALSE(SettingsDialog::Loaded()->isVisible());
    EXPECT_FALSE(child<QTimer>(SettingsDialog::Loaded(), "delayTimer")->isActive());

    QTimer::singleShot(30, [] { SettingsDialog::Unload(); });
    QObject guard; // ends a wait nothing else would end, so that a lost tick fails, not hangs
    QTimer::singleShot(2000, &guard, [this] { process.delayWaiting = false; });
    timer.restart();
    plugIn.myDelay(200);
    EXPECT_GE(timer.elapsed(), 190);
    EXPECT_LT(timer.elapsed(), 2000);
}

TEST_F(SettingsDialogTest, WheelOverTheDitherTypeListTurnsItOnlyWhenItHasTheFocus)
{
    settings.Save(Keys::DitherType, "6"); // the last pattern: one notch on is the add entry
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
        mouseClick(child(window, "cancelButton"));
    });
    ui.ShowSettings();
}

TEST_F(SettingsDialogTest, CheckBoxOpenedGrayedIsTwoStateFromItsFirstClick)
{
    settings.Save(Keys::Log, "2");
    settings.Save(Keys::AO7Compatible, "2");
    expect([](QWidget *window) {
        for (const char *name : {"ckLog", "AO7"}) {
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
    EXPECT_EQ(get(Keys::Log), "1");
    EXPECT_EQ(get(Keys::AO7Compatible), "1");
}
