#include "qt/PatternEditor.h"

#include <QListWidget>

namespace Quiverstep {

PatternEditor::PatternEditor(QWidget *parent)
    : QDialog(parent)
    , QtWindowView(*this, PatternEditorPresenter::Description())
    , m_presenter(*this)
{
    auto *list = m_controls.Get<QListWidget>(PatternEditorPresenter::stepList);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_controls.ForwardClicks([this](int id) { m_presenter.Clicked(id); });
    connect(list, &QListWidget::itemSelectionChanged, this, [this] {
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

} // namespace Quiverstep
