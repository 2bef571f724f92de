#include "win32/PatternEditor.h"

namespace Quiverstep {

using Presenter = PatternEditorPresenter;

PatternEditor::PatternEditor()
    : Win32WindowView(Presenter::Description())
    , m_presenter(*this)
{}

void PatternEditor::onLoad()
{
    m_presenter.Load(m_patternName, m_patternBody, m_newPattern);
    takeResult();
}

void PatternEditor::onCommand(int id, int code, HWND)
{
    if (id == Presenter::stepList) {
        if (code == LBN_SELCHANGE)
            m_presenter.SelectionChanged();
    } else if (code == BN_CLICKED) {
        m_presenter.Clicked(id);
    }
}

void PatternEditor::onCancel()
{
    m_presenter.Cancel();
}

void PatternEditor::takeResult()
{
    m_patternName = m_presenter.Name();
    m_patternBody = m_presenter.Body();
    m_saved = m_presenter.Saved();
    m_removed = m_presenter.Removed();
}

void PatternEditor::Close(bool)
{
    takeResult();
    DialogWindow::Close();
}

} // namespace Quiverstep
