#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <vector>

namespace Quiverstep {

// Drives the modal windows a test opens: each expected action runs on the next modal window
// that appears (from the event loop of that window). A modal window nobody expected is
// recorded and closed, so a test never hangs on it.
class ModalWatch : public QObject
{
public:
    using Action = std::function<void(QWidget *)>;

    ModalWatch();

    void expect(Action action) { m_actions.push_back(std::move(action)); }
    std::size_t pending() const { return m_actions.size(); }

    // What each modal window nobody expected showed.
    std::vector<QString> unexpected;

    // The text of a message box, or the window's object name.
    static QString describe(QWidget *window);

private:
    void poll();

    QTimer m_timer;
    std::deque<Action> m_actions;
    std::vector<QPointer<QWidget>> m_seen;
};

} // namespace Quiverstep
