#include "ModalWatch.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

#include <algorithm>

namespace Quiverstep {

ModalWatch::ModalWatch()
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatch::poll);
    m_timer.start();
}

QString ModalWatch::describe(QWidget *window)
{
    if (auto *box = qobject_cast<QMessageBox *>(window))
        return box->text();
    return window->objectName();
}

void ModalWatch::poll()
{
    QWidget *window = QApplication::activeModalWidget();
    if (!window || !window->isVisible())
        return;
    const bool seen = std::any_of(m_seen.begin(), m_seen.end(), [&](const QPointer<QWidget> &w) {
        return w == window;
    });
    if (seen)
        return;
    m_seen.emplace_back(window);
    QPointer<QWidget> target(window);
    if (m_actions.empty()) {
        unexpected.push_back(describe(window));
        QTimer::singleShot(0, window, [target] {
            if (auto *dialog = qobject_cast<QDialog *>(target.data()))
                dialog->reject();
        });
        return;
    }
    Action action = std::move(m_actions.front());
    m_actions.pop_front();
    // Run from a timer of its own: an action that opens the next modal window must not
    // block this poll.
    QTimer::singleShot(0, window, [target, action] {
        if (target)
            action(target);
    });
}

} // namespace Quiverstep
