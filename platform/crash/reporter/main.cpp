// The crash reporter: tells the user that the program ended unexpectedly,
// where the report lies, and offers to start the program again.
//
//   crashreporter [--language <code>] <report file> [<program to restart>]
//
// The language is the one the program spoke; its catalogue lies beside the
// reporter, in translations/.

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include <cstdio>

#include "CrashDialog.h"
#include "icons/MessageIcons.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  QString language;
  if (args.size() >= 2 && args.first() == QLatin1String("--language")) {
    language = args.at(1);
    args = args.mid(2);
  }
  if (args.isEmpty()) {
    std::fprintf(stderr,
                 "usage: crashreporter [--language <code>] <report file> [<program to restart>]\n");
    return 2;
  }
  const QString reportFile = args.at(0);
  const QString restart = args.size() > 1 ? args.at(1) : QString();
  Crash::installReporterTranslator(
      &app, QCoreApplication::applicationDirPath() + QStringLiteral("/translations"), language);

  QMessageBox box;
  const Crash::ReportBox buttons = Crash::prepareReportBox(
      &box, reportFile, !restart.isEmpty() && QFileInfo(restart).isExecutable());
  box.exec();

  if (box.clickedButton() == buttons.showReport) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(reportFile));
  } else if (buttons.restart && box.clickedButton() == buttons.restart) {
    if (!QProcess::startDetached(restart, {})) {
      QMessageBox failed(QMessageBox::NoIcon, box.windowTitle(), Crash::restartFailedText(),
                         QMessageBox::Ok);
      failed.setIconPixmap(Icons::messagePixmap(QMessageBox::Critical, failed.devicePixelRatioF()));
      failed.exec();
      return 1;
    }
  }
  return 0;
}
