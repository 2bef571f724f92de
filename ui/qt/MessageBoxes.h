#pragma once

#include <QString>

#include <exception>

class QWidget;

namespace Quiverstep {

// The title of every message box: the program's.
inline constexpr char MessageTitle[] = "Quiverstep";

// A modal box with the text (shown as plain text, never as markup) and an OK button.
void ShowMessage(QWidget *parent, const QString &text);

// A modal Yes/No question; true for Yes.
bool AskYesNo(QWidget *parent, const QString &text);

// Runs an action of a window that reaches the store. A failure of the store (a locked or
// damaged database) is shown and the window stays open, instead of escaping the event
// handler. Returns whether the action completed.
template<typename Action>
bool Guarded(QWidget *parent, Action &&action)
{
    try {
        action();
        return true;
    } catch (const std::exception &error) {
        ShowMessage(parent, QString::fromUtf8(error.what()));
        return false;
    }
}

} // namespace Quiverstep
