#include "qt/PatternEditor.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

namespace Quiverstep {

PatternEditor::PatternEditor(QWidget *parent)
    : QDialog(parent)
    , MessageBoxView(this)
    , m_controls(*this, PatternEditorPresenter::Description())
    , m_presenter(*this)
{
    list()->setSelectionMode(QAbstractItemView::SingleSelection);
    m_controls.ForwardClicks([this](int id) { m_presenter.Clicked(id); });
    connect(list(), &QListWidget::itemSelectionChanged, this, [this] {
        m_presenter.SelectionChanged();
    });
}

void PatternEditor::showEvent(QShowEvent *event)
{
    if (!m_loaded) {
        m_loaded = true;
        m_presenter.Load(m_patternName.toStdString(), m_patternBody.toStdString(), m_newPattern);
        takeResult();
    }
    QDialog::showEvent(event);
}

void PatternEditor::reject()
{
    m_presenter.Cancel();
}

void PatternEditor::takeResult()
{
    m_patternName = QString::fromStdString(m_presenter.Name());
    m_patternBody = QString::fromStdString(m_presenter.Body());
    m_saved = m_presenter.Saved();
    m_removed = m_presenter.Removed();
}

void PatternEditor::Close(bool accepted)
{
    // Closed before it ever loaded, it keeps what the opener set.
    if (m_loaded)
        takeResult();
    if (accepted)
        accept();
    else
        QDialog::reject();
}

std::string PatternEditor::Text(int control) const
{
    return m_controls.Get<QLineEdit>(control)->text().toStdString();
}

void PatternEditor::SetText(int control, const std::string &text)
{
    m_controls.Get<QLineEdit>(control)->setText(QString::fromStdString(text));
}

bool PatternEditor::IsChecked(int control) const
{
    return m_controls.Get<QRadioButton>(control)->isChecked();
}

void PatternEditor::Check(int control)
{
    m_controls.Get<QRadioButton>(control)->setChecked(true);
}

QListWidget *PatternEditor::list() const
{
    return m_controls.Get<QListWidget>(PatternEditorPresenter::stepList);
}

std::vector<std::string> PatternEditor::Lines() const
{
    std::vector<std::string> lines;
    for (int i = 0; i < list()->count(); ++i)
        lines.push_back(list()->item(i)->text().toStdString());
    return lines;
}

void PatternEditor::InsertLine(int index, const std::string &text)
{
    const QSignalBlocker blocker(list());
    list()->insertItem(index, QString::fromStdString(text));
}

void PatternEditor::DeleteLine(int index)
{
    const QSignalBlocker blocker(list());
    delete list()->takeItem(index);
}

int PatternEditor::SelectedLine() const
{
    const QList<QListWidgetItem *> selected = list()->selectedItems();
    return selected.isEmpty() ? -1 : list()->row(selected.first());
}

void PatternEditor::SelectLine(int index)
{
    const QSignalBlocker blocker(list());
    list()->setCurrentRow(-1);
    list()->clearSelection();
    if (index >= 0)
        list()->setCurrentRow(index);
}

} // namespace Quiverstep
