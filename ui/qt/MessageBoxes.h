#pragma once

#include <QString>

class QWidget;

namespace Quiverstep {

// The title of every message box: the program's.
inline constexpr char MessageTitle[] = "Quiverstep";

// A modal box with the text (shown as plain text, never as markup) and an OK button.
void ShowMessage(QWidget *parent, const QString &text);

// A modal Yes/No question; true for Yes.
bool AskYesNo(QWidget *parent, const QString &text);

} // namespace Quiverstep
