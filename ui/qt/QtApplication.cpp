#include "qt/QtApplication.h"

#include <QApplication>

namespace Quiverstep {

QApplication &EnsureQtApplication()
{
    if (auto *existing = qobject_cast<QApplication *>(QCoreApplication::instance()))
        return *existing;
    static int argc = 1;
    static char name[] = "quiverstep";
    static char *argv[] = {name, nullptr};
    static QApplication *application = new QApplication(argc, argv);
    return *application;
}

} // namespace Quiverstep
