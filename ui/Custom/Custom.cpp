#include "Custom.h"

#include "MessageBoxes.h"
#include "PatternEditing.h"
#include "WindowLayout.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace Quiverstep {

namespace {

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace

Custom::Custom(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("Custom");
    setWindowTitle("Custom Dither Pattern");
    MakeFixedDialog(this, 445, 414);

    Label1 = new QLabel("Dither Name:", this);
    Place(Label1, "Label1", 12, 24, 101, 25);
    DitherName = new QLineEdit(this);
    Place(DitherName, "DitherName", 124, 24, 213, 29);
    Command1 = new QPushButton("Save", this);
    Place(Command1, "Command1", 348, 20, 81, 33);
    Command1->setDefault(true);
    Command2 = new QPushButton("Cancel", this);
    Place(Command2, "Command2", 348, 60, 81, 33);
    Command7 = new QPushButton("Remove", this);
    Place(Command7, "Command7", 348, 104, 81, 33);
    pbAdd = new QPushButton("Add", this);
    Place(pbAdd, "pbAdd", 20, 72, 77, 29);
    Label2 = new QLabel("X:", this);
    Place(Label2, "Label2", 108, 80, 13, 21);
    XStep = new QLineEdit(this);
    Place(XStep, "XStep", 124, 72, 53, 29);
    Label3 = new QLabel("Y:", this);
    Place(Label3, "Label3", 188, 80, 13, 21);
    YStep = new QLineEdit(this);
    Place(YStep, "YStep", 208, 72, 53, 29);
    List1 = new QListWidget(this);
    Place(List1, "List1", 20, 104, 317, 160);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    Delete = new QPushButton("Delete", this);
    Place(Delete, "Delete", 20, 284, 65, 25);
    MoveUp = new QPushButton("Move Up", this);
    Place(MoveUp, "MoveUp", 168, 284, 77, 25);
    MoveDown = new QPushButton("Move Down", this);
    Place(MoveDown, "MoveDown", 256, 284, 85, 25);
    Frame1 = new QGroupBox("At the end of the pattern", this);
    Place(Frame1, "Frame1", 20, 320, 321, 85);
    TopToBottom = new QRadioButton("Repeat top to bottom", Frame1);
    Place(TopToBottom, "TopToBottom", 20, 24, 201, 21);
    BottomToTop = new QRadioButton("Reverse direction (bottom to top)", Frame1);
    Place(BottomToTop, "BottomToTop", 20, 52, 217, 21);
    BottomToTop->setChecked(true);

    setTabOrder(DitherName, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, pbAdd);
    setTabOrder(pbAdd, XStep);
    setTabOrder(XStep, YStep);
    setTabOrder(YStep, List1);
    setTabOrder(List1, Delete);
    setTabOrder(Delete, MoveUp);
    setTabOrder(MoveUp, MoveDown);
    setTabOrder(MoveDown, Command7);
    setTabOrder(Command7, BottomToTop);
    setTabOrder(BottomToTop, TopToBottom);

    connect(pbAdd, &QPushButton::clicked, this, &Custom::addStep);
    connect(List1, &QListWidget::itemSelectionChanged, this, &Custom::showSelectedStep);
    connect(Delete, &QPushButton::clicked, this, &Custom::deleteSelectedStep);
    connect(MoveUp, &QPushButton::clicked, this, &Custom::moveStepUp);
    connect(MoveDown, &QPushButton::clicked, this, &Custom::moveStepDown);
    connect(Command1, &QPushButton::clicked, this, &Custom::save);
    connect(Command2, &QPushButton::clicked, this, &Custom::reject);
    connect(Command7, &QPushButton::clicked, this, &Custom::removePattern);
}

void Custom::showEvent(QShowEvent *event)
{
    if (!m_loaded) {
        m_loaded = true;
        load();
    }
    QDialog::showEvent(event);
}

void Custom::load()
{
    m_bDelete = false;
    DitherName->setText(m_sDitherName);
    m_bOK = false;
    m_bDelete = false;
    const PatternEditing::LoadedBody body = PatternEditing::LoadBody(m_sDither.toStdString());
    for (const std::string &line : body.lines)
        List1->addItem(QString::fromStdString(line));
    // The body is consumed as it is read: only its end marker is left.
    const qsizetype lastSlash = m_sDither.lastIndexOf('\\');
    m_sDither = m_sDither.mid(lastSlash + 1);
    (body.repeatFromTop ? TopToBottom : BottomToTop)->setChecked(true);
}

int Custom::selectedIndex() const
{
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    return selected.isEmpty() ? -1 : List1->row(selected.first());
}

void Custom::select(int index)
{
    {
        // Start from no selection so that selecting always raises the selection action.
        const QSignalBlocker blocker(List1);
        List1->setCurrentRow(-1);
        List1->clearSelection();
    }
    if (index >= 0)
        List1->setCurrentRow(index);
}

void Custom::addStep()
{
    const auto line = PatternEditing::AddedStepLine(XStep->text().toStdString(),
                                                    YStep->text().toStdString());
    if (!line) {
        ShowMessage(this, text(PatternEditing::NotNumeric));
        return;
    }
    List1->addItem(QString::fromStdString(*line));
    XStep->clear();
    YStep->clear();
    select(List1->count() - 1);
}

void Custom::showSelectedStep()
{
    const int i = selectedIndex();
    if (i < 0)
        return;
    const PatternEditing::StepTexts texts = PatternEditing::LineStepTexts(
            List1->item(i)->text().toStdString());
    XStep->setText(QString::fromStdString(texts.x));
    YStep->setText(QString::fromStdString(texts.y));
}

void Custom::deleteSelectedStep()
{
    const int i = selectedIndex();
    if (i < 0)
        return;
    {
        const QSignalBlocker blocker(List1);
        delete List1->takeItem(i);
    }
    select(PatternEditing::SelectionAfterDelete(i, List1->count()));
}

void Custom::moveStepUp()
{
    moveSelectedTo(PatternEditing::MoveUpTarget(selectedIndex()));
}

void Custom::moveStepDown()
{
    moveSelectedTo(PatternEditing::MoveDownTarget(selectedIndex(), List1->count()));
}

// Exchanges the selected line with line `target` (none when below 0); the moved step stays
// selected.
void Custom::moveSelectedTo(int target)
{
    if (target < 0)
        return;
    const int i = selectedIndex();
    const QString moved = List1->item(i)->text();
    List1->item(i)->setText(List1->item(target)->text());
    List1->item(target)->setText(moved);
    select(target);
}

void Custom::save()
{
    const QString name = DitherName->text();
    if (const auto problem = PatternEditing::SaveProblem(name.toStdString(), List1->count())) {
        ShowMessage(this, QString::fromStdString(*problem));
        return;
    }
    std::vector<std::string> lines;
    for (int i = 0; i < List1->count(); ++i)
        lines.push_back(List1->item(i)->text().toStdString());
    m_sDither = QString::fromStdString(PatternEditing::BuildBody(lines, TopToBottom->isChecked()));
    m_sDitherName = name;
    m_bOK = true;
    accept();
}

void Custom::reject()
{
    // Cancel, Escape and the window frame all leave without a result.
    m_bOK = false;
    QDialog::reject();
}

void Custom::removePattern()
{
    if (m_bNewPattern) {
        m_bOK = false;
        m_bDelete = false;
        QDialog::reject();
        return;
    }
    if (!AskYesNo(this, text(PatternEditing::ConfirmRemove)))
        return;
    m_bOK = true;
    m_bDelete = true;
    m_sDitherName = DitherName->text();
    accept();
}

} // namespace Quiverstep
