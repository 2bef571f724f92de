#pragma once

#include "presenters/PatternEditorPresenter.h"
#include "presenters/PatternEditorView.h"
#include "qt/QtWindowView.h"

#include <QDialog>
#include <QString>

namespace Quiverstep {

// The pattern editor in Qt. The opener sets the members, shows it modally, and reads the
// result from the members afterwards.
class PatternEditor : public QDialog, private QtWindowView<PatternEditorView>
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
    void Close(bool accepted) override;

    void takeResult();

    PatternEditorPresenter m_presenter;
    bool m_loaded = false;
};

} // namespace Quiverstep
