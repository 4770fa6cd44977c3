// The crash reporter: tells the user that the program ended unexpectedly,
// where the report lies, and offers to start the program again.
//
//   crashreporter <report file> [<program to restart>]

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include <cstdio>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: crashreporter <report file> [<program to restart>]\n");
    return 2;
  }
  const QString reportFile = args.at(1);
  const QString restart = args.size() > 2 ? args.at(2) : QString();

  QMessageBox box;
  box.setIcon(QMessageBox::Warning);
  box.setWindowTitle(QCoreApplication::translate("CrashReporter", "Crash Report"));
  box.setText(QCoreApplication::translate("CrashReporter", "The program closed unexpectedly."));
  box.setInformativeText(
      QCoreApplication::translate("CrashReporter", "A report was saved to:\n%1").arg(reportFile));
  QPushButton* restartButton = nullptr;
  if (!restart.isEmpty() && QFileInfo(restart).isExecutable()) {
    restartButton = box.addButton(QCoreApplication::translate("CrashReporter", "Restart"),
                                  QMessageBox::AcceptRole);
  }
  QPushButton* showButton = box.addButton(
      QCoreApplication::translate("CrashReporter", "Show Report"), QMessageBox::ActionRole);
  box.addButton(QMessageBox::Close);
  box.exec();

  if (box.clickedButton() == showButton) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(reportFile));
  } else if (restartButton && box.clickedButton() == restartButton) {
    if (!QProcess::startDetached(restart, {})) {
      QMessageBox::critical(
          nullptr, box.windowTitle(),
          QCoreApplication::translate("CrashReporter", "The program could not be started."));
      return 1;
    }
  }
  return 0;
}
