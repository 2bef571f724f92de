#include "WindowTest.h"

#include "qt/SettingsDialog.h"

#include <QTest>
#include <QThread>
#include <QWheelEvent>

namespace Quiverstep {

namespace {

std::string classNames(const QWidgetList &windows)
{
    QStringList names;
    for (QWidget *window : windows)
        names << window->metaObject()->className();
    return names.join(", ").toStdString();
}

} // namespace

void WindowTest::watchModals()
{
    QWidget *window = QApplication::activeModalWidget();
    if (!window || !window->isVisible() || window->property("watched").toBool())
        return;
    window->setProperty("watched", true);
    Action action;
    if (m_expected.empty()) {
        auto *box = qobject_cast<QMessageBox *>(window);
        m_unexpected << (box ? box->text() : window->objectName());
    } else {
        action = std::move(m_expected.front());
        m_expected.pop_front();
    }
    // Run from a timer of its own: an action that opens the next modal window must not
    // block this watch.
    QTimer::singleShot(0, window, [window, action] {
        if (action)
            action(window);
        else if (auto *dialog = qobject_cast<QDialog *>(window))
            dialog->reject();
    });
}

void WindowTest::TearDown()
{
    settle();
    const QWidgetList left = openWindows();
    EXPECT_TRUE(left.isEmpty()) << "left open: " << classNames(left);
    for (QWidget *window : left)
        window->hide();
    SettingsDialog::Unload();
    EXPECT_TRUE(m_unexpected.isEmpty()) << "unexpected: " << m_unexpected.join(", ").toStdString();
    EXPECT_TRUE(m_expected.empty()) << "an expected window never opened";
    // The windows the test held itself are gone by now: nothing may be left at all.
    settle();
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty())
            << "windows left: " << classNames(QApplication::topLevelWidgets());
}

bool WindowTest::waitFor(const std::function<bool()> &condition, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (condition())
            return true;
        if (timer.elapsed() >= milliseconds)
            return false;
        QThread::msleep(1);
    }
}

void WindowTest::mouseClick(QWidget *control, QPoint at)
{
    QWidget *window = control->window();
    const QPoint point = control->mapTo(window, at.isNull() ? control->rect().center() : at);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
}

void WindowTest::wheel(QWidget *control, int notches)
{
    const QPointF at = QRectF(control->rect()).center();
    QWheelEvent event(at,
                      control->mapToGlobal(at),
                      QPoint(),
                      QPoint(0, QWheelEvent::DefaultDeltasPerStep * notches),
                      Qt::NoButton,
                      Qt::NoModifier,
                      Qt::NoScrollPhase,
                      false);
    // Spontaneous, so that the application gives the focus by the focus policy first.
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(control, &event);
}

bool WindowTest::staysOpenOnEscape(QWidget *window)
{
    QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
    QApplication::processEvents();
    return window->isVisible();
}

WindowTest::Action WindowTest::answer(const QString &expectedText,
                                      QMessageBox::StandardButton button)
{
    return [expectedText, button](QWidget *window) {
        auto *box = qobject_cast<QMessageBox *>(window);
        QAbstractButton *pressed = box ? box->button(button) : nullptr;
        EXPECT_NE(pressed, nullptr) << window->objectName().toStdString();
        if (!pressed)
            return static_cast<QDialog *>(window)->reject();
        EXPECT_EQ(box->text(), expectedText);
        EXPECT_EQ(box->windowTitle(), "Quiverstep");
        pressed->click();
    };
}

QWidgetList WindowTest::openWindows()
{
    QWidgetList open = QApplication::topLevelWidgets();
    open.removeIf([](const QWidget *window) { return !window->isVisible(); });
    return open;
}

QList<TimedMessage *> WindowTest::openMessages()
{
    QList<TimedMessage *> found;
    for (QWidget *window : openWindows()) {
        if (auto *message = qobject_cast<TimedMessage *>(window))
            found << message;
    }
    return found;
}

} // namespace Quiverstep
