#include "qt/WindowLayout.h"

#include <QDialog>
#include <QFont>

namespace Quiverstep {

namespace {
constexpr int DialogPointSize = 8;
} // namespace

void MakeFixedDialog(QDialog *dialog, int width, int height)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog->setFixedSize(width, height);
    dialog->setSizeGripEnabled(false);
    // The layouts were made for an 8 point dialog font; larger captions would be clipped.
    QFont font = dialog->font();
    font.setPointSize(DialogPointSize);
    dialog->setFont(font);
}

void Place(QWidget *control, const QString &name, int left, int top, int width, int height)
{
    control->setObjectName(name);
    control->setGeometry(left, top, width, height);
}

} // namespace Quiverstep
