#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace Quiverstep {

// A dialog of a fixed client size (pixels at 96 dots per inch) with a fixed border and no
// minimise or maximise button.
void MakeFixedDialog(QDialog *dialog, int width, int height);

// Names a control and places it at left, top, width, height in its parent's client area.
void Place(QWidget *control, const QString &name, int left, int top, int width, int height);

} // namespace Quiverstep
