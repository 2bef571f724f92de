#include "qt/MessageBoxes.h"

#include <QMessageBox>

namespace Quiverstep {

namespace {

void prepare(QMessageBox &box, const QString &text)
{
    box.setWindowTitle(QString::fromUtf8(MessageTitle));
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
}

} // namespace

void ShowMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(parent);
    prepare(box, text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool AskYesNo(QWidget *parent, const QString &text)
{
    QMessageBox box(parent);
    prepare(box, text);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    // A stray Enter must not delete anything.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace Quiverstep
