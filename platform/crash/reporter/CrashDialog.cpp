#include "CrashDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTranslator>

#include "icons/MessageIcons.h"

namespace Crash {

bool installReporterTranslator(QCoreApplication* app, const QString& folder,
                               const QString& language) {
  if (!app || language.isEmpty()) return false;
  auto* translator = new QTranslator(app);
  if (!translator->load(QStringLiteral("ui_") + language, folder)) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

ReportBox prepareReportBox(QMessageBox* box, const QString& reportFile, bool canRestart) {
  ReportBox buttons;
  box->setWindowTitle(QCoreApplication::translate("CrashReporter", "Crash Report"));
  box->setText(QCoreApplication::translate("CrashReporter", "The program closed unexpectedly."));
  box->setInformativeText(
      QCoreApplication::translate("CrashReporter", "A report was saved to:\n%1").arg(reportFile));
  // The program's own picture: the desktop's icon theme may have none.
  box->setIconPixmap(Icons::messagePixmap(QMessageBox::Warning, box->devicePixelRatioF()));
  if (canRestart) {
    buttons.restart = box->addButton(QCoreApplication::translate("CrashReporter", "Restart"),
                                     QMessageBox::AcceptRole);
  }
  buttons.showReport = box->addButton(QCoreApplication::translate("CrashReporter", "Show Report"),
                                      QMessageBox::ActionRole);
  // Named here rather than taken from Qt's own catalogue, which the
  // reporter does not load.
  buttons.close = box->addButton(QCoreApplication::translate("CrashReporter", "Close"),
                                 QMessageBox::RejectRole);
  box->setEscapeButton(buttons.close);
  return buttons;
}

QString restartFailedText() {
  return QCoreApplication::translate("CrashReporter", "The program could not be started.");
}

}  // namespace Crash
