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
class Custom : public QDialog
{
    Q_OBJECT

public:
    explicit Custom(QWidget *parent = nullptr);

    QString m_sDither;     // in: the body to edit; out after Save: the new body
    QString m_sDitherName; // in: the name; out after Save or Remove: the name box text
    bool m_bNewPattern = false;
    bool m_bOK = false;     // Save or a confirmed Remove
    bool m_bDelete = false; // a confirmed Remove

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

    QLabel *Label1;
    QLineEdit *DitherName;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command7;
    QPushButton *pbAdd;
    QLabel *Label2;
    QLineEdit *XStep;
    QLabel *Label3;
    QLineEdit *YStep;
    QListWidget *List1;
    QPushButton *Delete;
    QPushButton *MoveUp;
    QPushButton *MoveDown;
    QGroupBox *Frame1;
    QRadioButton *TopToBottom;
    QRadioButton *BottomToTop;
    bool m_loaded = false;
};

} // namespace Quiverstep
