#pragma once

#include <QDialog>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace Quiverstep {

// The editor of one named dither pattern: its name, its steps and its end rule. The opener
// sets the members, shows it modally, and reads the result from the members afterwards.
class PatternEditor : public QDialog
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
    void load();
    int selectedIndex() const;
    void select(int index);
    void moveSelectedTo(int target);
    void addStep();
    void showSelectedStep();
    void deleteSelectedStep();
    void moveStepUp();
    void moveStepDown();
    void save();
    void removePattern();

    QLabel *nameLabel;
    QLineEdit *DitherName;
    QPushButton *saveButton;
    QPushButton *cancelButton;
    QPushButton *removeButton;
    QPushButton *addButton;
    QLabel *xLabel;
    QLineEdit *XStep;
    QLabel *yLabel;
    QLineEdit *YStep;
    QListWidget *stepList;
    QPushButton *Delete;
    QPushButton *MoveUp;
    QPushButton *MoveDown;
    QGroupBox *endRuleFrame;
    QRadioButton *TopToBottom;
    QRadioButton *BottomToTop;
    bool m_loaded = false;
};

} // namespace Quiverstep
