#pragma once

#include "presenters/PatternEditorPresenter.h"
#include "presenters/PatternEditorView.h"
#include "qt/DescribedControls.h"
#include "qt/MessageBoxes.h"

#include <QDialog>
#include <QString>

class QListWidget;

namespace Quiverstep {

// The pattern editor in Qt. The opener sets the members, shows it modally, and reads the
// result from the members afterwards.
class PatternEditor : public QDialog, private MessageBoxView<PatternEditorView>
{
    Q_OBJECT

public:
    explicit PatternEditor(QWidget *parent = nullptr);

    QString m_patternBody; // in: the body to edit; out after Save: the new body
    QString m_patternName; // in: the name; out after Save or Remove: the name box text
    bool m_newPattern = false;
    bool m_saved = false;   // Save or a confirmed Remove
    bool m_removed = false; // a confirmed Remove

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::string Text(int control) const override;
    void SetText(int control, const std::string &text) override;
    bool IsChecked(int control) const override;
    void Check(int control) override;
    std::vector<std::string> Lines() const override;
    void InsertLine(int index, const std::string &text) override;
    void DeleteLine(int index) override;
    int SelectedLine() const override;
    void SelectLine(int index) override;
    void Close(bool accepted) override;

    void takeResult();
    QListWidget *list() const;

    DescribedControls m_controls;
    PatternEditorPresenter m_presenter;
    bool m_loaded = false;
};

} // namespace Quiverstep
