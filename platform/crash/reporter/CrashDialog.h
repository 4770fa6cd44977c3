#pragma once

#include <QString>

class QCoreApplication;
class QMessageBox;
class QPushButton;

namespace Crash {

// The crash reporter's dialog, apart from its program so that it can be
// shown and read in tests.

// Installs the program's catalogue of `language` from `folder` (the
// program's translations beside it): the reporter speaks the language the
// program spoke when it crashed. False when there is none for it.
bool installReporterTranslator(QCoreApplication* app, const QString& folder,
                               const QString& language);

struct ReportBox {
  QPushButton* restart = nullptr;  // null when there is nothing to restart
  QPushButton* showReport = nullptr;
  QPushButton* close = nullptr;
};

// Fills `box` for the report at `reportFile`: title, texts, the program's
// own warning picture and the buttons (Restart only when `canRestart`).
ReportBox prepareReportBox(QMessageBox* box, const QString& reportFile, bool canRestart);

// The text shown when the program could not be started again.
QString restartFailedText();

}  // namespace Crash
