#pragma once

#include "presenters/WindowPresenter.h"

#include <QDialog>

#include <map>

class QTimer;

namespace Quiverstep {

// A window in Qt made from its presenter's description: a fixed-size dialog of the 8 point
// font with its controls named, placed and in Tab order, each handled by its kind, their
// events handed to the presenter, and message boxes and questions that open over the window.
// Escape presses the described cancel button; a window without one stays open.
class QtWindowView : public QDialog, public WindowView
{
    Q_OBJECT

public:
    explicit QtWindowView(WindowPresenter &presenter, QWidget *parent = nullptr);

    // Attaches and loads the presenter, once; a window not loaded before loads when shown.
    void Load();

    std::string Text(int id) const override;
    void SetText(int id, const std::string &text) override;
    // The states 0, 1, 2 (unchecked, checked, grayed) are Qt's 0, 2, 1 and back. A radio
    // button's group is exclusive: checking one turns the others off.
    int CheckState(int id) const override;
    void SetCheckState(int id, int state) override;
    std::vector<std::string> Entries(int id) const override;
    void SetEntries(int id, const std::vector<std::string> &entries) override;
    void InsertEntry(int id, int index, const std::string &text) override;
    void RemoveEntry(int id, int index) override;
    int Selected(int id) const override;
    void Select(int id, int index) override;
    void ClearPath(int id) override;
    void PaintPosition(int id, double x, double y, std::int32_t pathColour) override;
    void SetCaption(const std::string &caption) override;
    void StartTimer(int timer, int milliseconds) override;
    void StopTimer(int timer) override;
    void OpenModal(WindowPresenter &presenter) override;
    void Close(bool accepted) override;
    void ShowMessage(const std::string &text) override;
    bool AskYesNo(const std::string &text) override;

public slots:
    // Escape and the window frame go to the presenter.
    void reject() override;
    void done(int result) override;

signals:
    // After each position painted on the canvas.
    void positionPainted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    template<typename T = QWidget>
    T *control(int id) const
    {
        return static_cast<T *>(m_controls.at(id));
    }
    QTimer *timer(int id);
    bool loaded() const { return m_loaded; }
    void setLoaded(bool loaded) { m_loaded = loaded; }

private:
    ControlKind kind(int id) const;
    bool isList(int id) const { return kind(id) == ControlKind::ListBox; }

    WindowPresenter &m_presenter;
    std::map<int, QWidget *> m_controls;
    std::map<int, QTimer *> m_timers;
    bool m_loaded = false;
};

} // namespace Quiverstep
