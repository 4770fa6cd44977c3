// A program that sets up crash reporting like the client does and then
// crashes on purpose, for the crash-reporting tests.
//
//   crashchild <crash service> <data folder> <segv|abort|none>
// Exit codes without a crash: 3 crash reporting could not be set up,
// 0 "none" asked for no crash.

#include "Utils/CrashReporter.h"

#include <TP/Core/Logging.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <sys/prctl.h>

int main(int argc, char** argv) {
  // As the program does at start: its reports must not depend on it being
  // readable all along.
  prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
  QCoreApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("crashchild"));
  const QStringList args = app.arguments();
  if (args.size() < 4) {
    std::fprintf(stderr, "usage: crashchild <crash service> <data folder> <segv|abort|none>\n");
    return 2;
  }
  const QString mode = args.at(3);

  // A log line the report's log tail should show.
  QDir(args.at(2)).mkpath(QStringLiteral("logs"));
  QFile log(args.at(2) + QStringLiteral("/logs/zent.log"));
  if (log.open(QIODevice::Append)) log.write("crashchild: last words before the crash\n");
  log.close();

  CrashReporter reporter;
  reporter.setDataFolder(args.at(2));
  reporter.setVersion(QStringLiteral("20.1.1.231"));
  reporter.setRestartCommand(app.applicationFilePath(), {});

  // A second thread, so the report has more than one stack to show.
  QThread worker;
  worker.setObjectName(QStringLiteral("worker"));
  worker.start();

  QObject::connect(&reporter, &CrashReporter::initError, [&] {
    std::fprintf(stderr, "crashchild: crash reporting unavailable\n");
    worker.quit();
    worker.wait();
    QCoreApplication::exit(3);
  });
  QObject::connect(&reporter, &CrashReporter::initSuccess, [&] {
    if (mode == QLatin1String("segv")) raise(SIGSEGV);
    if (mode == QLatin1String("abort")) std::abort();
    worker.quit();
    worker.wait();
    QCoreApplication::exit(0);
  });
  if (!reporter.installExceptionHandler(args.at(1))) return 3;
  return app.exec();
}
