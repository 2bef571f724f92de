#include "qt/PatternEditor.h"

#include "qt/MessageBoxes.h"
#include "PatternEditing.h"
#include "qt/WindowLayout.h"

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

PatternEditor::PatternEditor(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("PatternEditor");
    setWindowTitle("Custom Dither Pattern");
    MakeFixedDialog(this, 445, 414);

    nameLabel = new QLabel("Dither Name:", this);
    Place(nameLabel, "nameLabel", 12, 24, 101, 25);
    DitherName = new QLineEdit(this);
    Place(DitherName, "DitherName", 124, 24, 213, 29);
    saveButton = new QPushButton("Save", this);
    Place(saveButton, "saveButton", 348, 20, 81, 33);
    saveButton->setDefault(true);
    cancelButton = new QPushButton("Cancel", this);
    Place(cancelButton, "cancelButton", 348, 60, 81, 33);
    removeButton = new QPushButton("Remove", this);
    Place(removeButton, "removeButton", 348, 104, 81, 33);
    addButton = new QPushButton("Add", this);
    Place(addButton, "addButton", 20, 72, 77, 29);
    xLabel = new QLabel("X:", this);
    Place(xLabel, "xLabel", 108, 80, 13, 21);
    XStep = new QLineEdit(this);
    Place(XStep, "XStep", 124, 72, 53, 29);
    yLabel = new QLabel("Y:", this);
    Place(yLabel, "yLabel", 188, 80, 13, 21);
    YStep = new QLineEdit(this);
    Place(YStep, "YStep", 208, 72, 53, 29);
    stepList = new QListWidget(this);
    Place(stepList, "stepList", 20, 104, 317, 160);
    stepList->setSelectionMode(QAbstractItemView::SingleSelection);
    Delete = new QPushButton("Delete", this);
    Place(Delete, "Delete", 20, 284, 65, 25);
    MoveUp = new QPushButton("Move Up", this);
    Place(MoveUp, "MoveUp", 168, 284, 77, 25);
    MoveDown = new QPushButton("Move Down", this);
    Place(MoveDown, "MoveDown", 256, 284, 85, 25);
    endRuleFrame = new QGroupBox("At the end of the pattern", this);
    Place(endRuleFrame, "endRuleFrame", 20, 320, 321, 85);
    TopToBottom = new QRadioButton("Repeat top to bottom", endRuleFrame);
    Place(TopToBottom, "TopToBottom", 20, 24, 201, 21);
    BottomToTop = new QRadioButton("Reverse direction (bottom to top)", endRuleFrame);
    Place(BottomToTop, "BottomToTop", 20, 52, 217, 21);
    BottomToTop->setChecked(true);

    setTabOrder(DitherName, saveButton);
    setTabOrder(saveButton, cancelButton);
    setTabOrder(cancelButton, addButton);
    setTabOrder(addButton, XStep);
    setTabOrder(XStep, YStep);
    setTabOrder(YStep, stepList);
    setTabOrder(stepList, Delete);
    setTabOrder(Delete, MoveUp);
    setTabOrder(MoveUp, MoveDown);
    setTabOrder(MoveDown, removeButton);
    setTabOrder(removeButton, BottomToTop);
    setTabOrder(BottomToTop, TopToBottom);

    connect(addButton, &QPushButton::clicked, this, &PatternEditor::addStep);
    connect(stepList, &QListWidget::itemSelectionChanged, this, &PatternEditor::showSelectedStep);
    connect(Delete, &QPushButton::clicked, this, &PatternEditor::deleteSelectedStep);
    connect(MoveUp, &QPushButton::clicked, this, &PatternEditor::moveStepUp);
    connect(MoveDown, &QPushButton::clicked, this, &PatternEditor::moveStepDown);
    connect(saveButton, &QPushButton::clicked, this, &PatternEditor::save);
    connect(cancelButton, &QPushButton::clicked, this, &PatternEditor::reject);
    connect(removeButton, &QPushButton::clicked, this, &PatternEditor::removePattern);
}

void PatternEditor::showEvent(QShowEvent *event)
{
    if (!m_loaded) {
        m_loaded = true;
        load();
    }
    QDialog::showEvent(event);
}

void PatternEditor::load()
{
    m_removed = false;
    DitherName->setText(m_patternName);
    m_saved = false;
    m_removed = false;
    const PatternEditing::LoadedBody body = PatternEditing::LoadBody(m_patternBody.toStdString());
    for (const std::string &line : body.lines)
        stepList->addItem(QString::fromStdString(line));
    // The body is consumed as it is read: only its end marker is left.
    const qsizetype lastSlash = m_patternBody.lastIndexOf('\\');
    m_patternBody = m_patternBody.mid(lastSlash + 1);
    (body.repeatFromTop ? TopToBottom : BottomToTop)->setChecked(true);
}

int PatternEditor::selectedIndex() const
{
    const QList<QListWidgetItem *> selected = stepList->selectedItems();
    return selected.isEmpty() ? -1 : stepList->row(selected.first());
}

void PatternEditor::select(int index)
{
    {
        // Start from no selection so that selecting always raises the selection action.
        const QSignalBlocker blocker(stepList);
        stepList->setCurrentRow(-1);
        stepList->clearSelection();
    }
    if (index >= 0)
        stepList->setCurrentRow(index);
}

void PatternEditor::addStep()
{
    const auto line = PatternEditing::AddedStepLine(XStep->text().toStdString(),
                                                    YStep->text().toStdString());
    if (!line) {
        ShowMessage(this, text(PatternEditing::NotNumeric));
        return;
    }
    stepList->addItem(QString::fromStdString(*line));
    XStep->clear();
    YStep->clear();
    select(stepList->count() - 1);
}

void PatternEditor::showSelectedStep()
{
    const int i = selectedIndex();
    if (i < 0)
        return;
    const PatternEditing::StepTexts texts = PatternEditing::LineStepTexts(
            stepList->item(i)->text().toStdString());
    XStep->setText(QString::fromStdString(texts.x));
    YStep->setText(QString::fromStdString(texts.y));
}

void PatternEditor::deleteSelectedStep()
{
    const int i = selectedIndex();
    if (i < 0)
        return;
    {
        const QSignalBlocker blocker(stepList);
        delete stepList->takeItem(i);
    }
    select(PatternEditing::SelectionAfterDelete(i, stepList->count()));
}

void PatternEditor::moveStepUp()
{
    moveSelectedTo(PatternEditing::MoveUpTarget(selectedIndex()));
}

void PatternEditor::moveStepDown()
{
    moveSelectedTo(PatternEditing::MoveDownTarget(selectedIndex(), stepList->count()));
}

// Exchanges the selected line with line `target` (none when below 0); the moved step stays
// selected.
void PatternEditor::moveSelectedTo(int target)
{
    if (target < 0)
        return;
    const int i = selectedIndex();
    const QString moved = stepList->item(i)->text();
    stepList->item(i)->setText(stepList->item(target)->text());
    stepList->item(target)->setText(moved);
    select(target);
}

void PatternEditor::save()
{
    const QString name = DitherName->text();
    if (const auto problem = PatternEditing::SaveProblem(name.toStdString(), stepList->count())) {
        ShowMessage(this, QString::fromStdString(*problem));
        return;
    }
    std::vector<std::string> lines;
    for (int i = 0; i < stepList->count(); ++i)
        lines.push_back(stepList->item(i)->text().toStdString());
    m_patternBody = QString::fromStdString(
            PatternEditing::BuildBody(lines, TopToBottom->isChecked()));
    m_patternName = name;
    m_saved = true;
    accept();
}

void PatternEditor::reject()
{
    // Cancel, Escape and the window frame all leave without a result.
    m_saved = false;
    QDialog::reject();
}

void PatternEditor::removePattern()
{
    if (m_newPattern) {
        m_saved = false;
        m_removed = false;
        QDialog::reject();
        return;
    }
    if (!AskYesNo(this, text(PatternEditing::ConfirmRemove)))
        return;
    m_saved = true;
    m_removed = true;
    m_patternName = DitherName->text();
    accept();
}

} // namespace Quiverstep
