#pragma once

#include "EnvironmentRig.h"
#include "qt/QtUserInterface.h"
#include "qt/TimedMessage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <ostream>

// Readable failure messages for texts of the windows.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace Quiverstep {

// A window test over a store in memory and the Qt user interface. Every test closes the
// windows it opens; TearDown fails the test when one is left.
class WindowTest : public EnvironmentRig<QtUserInterface>
{
public:
    // The visible windows that are not closed yet.
    static QWidgetList openWindows();
    // The open message windows, oldest first.
    static QList<TimedMessage *> openMessages();

protected:
    WindowTest()
    {
        ui.Attach(environment);
        QObject::connect(&m_modalWatch, &QTimer::timeout, [this] { watchModals(); });
        m_modalWatch.start(5);
    }

    void TearDown() override;

    // Processes events until the condition holds or the time is up; returns the condition.
    static bool waitFor(const std::function<bool()> &condition, int milliseconds = 3000);
    static void settle(int milliseconds = 0)
    {
        waitFor([] { return false; }, milliseconds);
    }

    template<typename T = QWidget>
    static T *child(const QWidget *root, const char *name)
    {
        T *found = root->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void click(const QWidget *root, const char *name)
    {
        if (auto *button = child<QAbstractButton>(root, name))
            button->click();
    }
    // A left click at the point of the control (its middle by default) that comes in through
    // the window system, as a user's does: a window blocked by a modal one does not get it.
    static void mouseClick(QWidget *control, QPoint at = {});
    // Turns the mouse wheel over the middle of the control by notches (positive: away from the
    // user), delivered as the window system's wheel events are.
    static void wheel(QWidget *control, int notches);
    // Escape as the window system delivers it to the window's focused control; whether the
    // window is still open. Only a window with a cancel button (the pattern editor's Cancel)
    // closes on Escape: the others keep what the user entered and the walk as it stands.
    static bool staysOpenOnEscape(QWidget *window);
    static void type(const QWidget *root, const char *name, const QString &text)
    {
        if (auto *box = child<QLineEdit>(root, name))
            box->setText(text);
    }

    // Each expected action runs on the next modal window that appears, from that window's
    // event loop. A modal window nobody expected is recorded and closed: no test hangs on it.
    using Action = std::function<void(QWidget *)>;
    void expect(Action action) { m_expected.push_back(std::move(action)); }
    // For a message box: checks its text and presses the button.
    static Action answer(const QString &expectedText,
                         QMessageBox::StandardButton button = QMessageBox::Ok);

private:
    void watchModals();

    std::deque<Action> m_expected;
    QStringList m_unexpected; // what each showed: a message box's text, or the window's name
    QTimer m_modalWatch;
};

} // namespace Quiverstep
