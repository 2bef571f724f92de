#pragma once

class QApplication;

namespace Quiverstep {

// The process's QApplication. A host that is not a Qt program has none: one is created
// before the first window and lives as long as the process.
QApplication &EnsureQtApplication();

} // namespace Quiverstep
