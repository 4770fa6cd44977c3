// The crash service. Two ways to run it:
//
//   ZentCrashService <pid> <application name>
//       Started by the program at start-up. Serves as the user's crash
//       service while the program runs; exits with 1 at once when another
//       instance already serves, and with 0 when the program is gone.
//
//   ZentCrashService --report <pid> <signal> <thread> <info file> <report folder> <log folder>
//                    [<language>]
//       Started by the program's crash handler at the moment of a crash.
//       Reads the crash details from its standard input, collects the stacks
//       of every thread of the crashed process, writes the report into the
//       report folder and offers the user to restart the program, in the
//       program's language when it is given.

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

void complain(const QString& text) {
  std::fprintf(stderr, "ZentCrashService: %s\n", qPrintable(text));
  std::fflush(stderr);
}

QMap<QString, QString> readInfo(const QString& path) {
  QMap<QString, QString> info;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    complain(QStringLiteral("cannot read the crash-info file %1").arg(path));
    return info;
  }
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QString line = in.readLine();
    const int eq = line.indexOf(QLatin1Char('='));
    if (eq > 0) info.insert(line.left(eq), line.mid(eq + 1));
  }
  return info;
}

QString threadStacksWithDebugger(const QString& pid) {
  const QString gdb = QStandardPaths::findExecutable(QStringLiteral("gdb"));
  if (gdb.isEmpty()) return QString();
  QProcess debugger;
  debugger.setProcessChannelMode(QProcess::MergedChannels);
  debugger.start(gdb, {QStringLiteral("-batch"), QStringLiteral("-nx"), QStringLiteral("-p"), pid,
                       QStringLiteral("-ex"), QStringLiteral("thread apply all bt")});
  if (!debugger.waitForStarted(5000)) return QString();
  if (!debugger.waitForFinished(30000)) {
    debugger.kill();
    debugger.waitForFinished(2000);
    complain(QStringLiteral("the debugger did not finish in time"));
  }
  const QString out = QString::fromLocal8Bit(debugger.readAll());
  // A refused attach prints no thread at all.
  if (!out.contains(QLatin1String("Thread "))) return QString();
  return out;
}

QString threadListFromProc(const QString& pid) {
  QString out;
  QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
  const QStringList ids = tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
  for (const QString& id : ids) {
    auto read = [&](const QString& name) {
      QFile f(tasks.filePath(id + QLatin1Char('/') + name));
      return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()).trimmed()
                                         : QString();
    };
    out += QStringLiteral("Thread %1 (%2) waiting in %3\n")
               .arg(id, read(QStringLiteral("comm")), read(QStringLiteral("wchan")));
    const QString stack = read(QStringLiteral("stack"));
    if (!stack.isEmpty()) out += stack + QLatin1Char('\n');
  }
  return out;
}

QString logTail(const QString& folder) {
  QFileInfo newest;
  QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    it.next();
    const QFileInfo candidate = it.fileInfo();
    if (candidate.isSymLink()) continue;
    if (!newest.exists() || candidate.lastModified() > newest.lastModified()) newest = candidate;
  }
  if (!newest.exists()) return QString();
  QFile file(newest.absoluteFilePath());
  if (!file.open(QIODevice::ReadOnly)) return QString();
  const qint64 keep = 16 * 1024;
  if (file.size() > keep) file.seek(file.size() - keep);
  QString text = QString::fromUtf8(file.readAll());
  if (file.size() > keep) text = text.mid(text.indexOf(QLatin1Char('\n')) + 1);
  return QStringLiteral("(%1)\n%2").arg(newest.absoluteFilePath(), text);
}

int report(const QStringList& args) {
  if (args.size() < 8) {
    complain(
        QStringLiteral("report mode needs: pid signal thread info-file report-folder log-folder"));
    return 2;
  }
  const QString pid = args.at(2), signo = args.at(3), thread = args.at(4);
  const QString infoFile = args.at(5), reportFolder = args.at(6), logFolder = args.at(7);
  const QString language = args.size() > 8 ? args.at(8) : QString();

  // The crash handler writes the details and then closes the pipe.
  QFile input;
  QString details;
  if (input.open(stdin, QIODevice::ReadOnly)) details = QString::fromLocal8Bit(input.readAll());

  const QMap<QString, QString> info = readInfo(infoFile);
  QString stacks = threadStacksWithDebugger(pid);
  if (stacks.isEmpty()) {
    stacks = QStringLiteral("(no debugger could attach; threads from /proc)\n") +
             threadListFromProc(pid);
  }

  QString text;
  QTextStream out(&text);
  out << "Crash report\n";
  out << "Product: " << info.value(QStringLiteral("ProductName")) << '\n';
  out << "Version: " << info.value(QStringLiteral("Version")) << '\n';
  out << "BuildID: " << info.value(QStringLiteral("BuildID")) << '\n';
  out << "Time: " << QDateTime::currentDateTime().toString(Qt::ISODate) << '\n';
  out << "Process: " << pid << '\n';
  out << "Signal: " << signo << " (" << strsignal(signo.toInt()) << ")\n";
  out << "Crashed thread: " << thread << "\n\n";
  out << "== Crashing thread ==\n" << details << "\n";
  out << "== All threads ==\n" << stacks << "\n";
  out << "== Log tail ==\n" << logTail(logFolder) << '\n';
  out.flush();

  const QString name =
      QStringLiteral("crash-%1-%2.txt")
          .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")), pid);
  const QString path = QDir(reportFolder).filePath(name);
  if (!QDir().mkpath(reportFolder) ||
      ::chmod(QFile::encodeName(reportFolder).constData(), 0700) != 0) {
    complain(QStringLiteral("cannot create the report folder %1").arg(reportFolder));
    return 3;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(text.toUtf8()) < 0 ||
      !file.commit()) {
    complain(QStringLiteral("cannot write the crash report %1: %2").arg(path, file.errorString()));
    return 3;
  }
  complain(QStringLiteral("crash report written to %1").arg(path));

  const QString reporter = info.value(QStringLiteral("CrashReporterExe"));
  if (!reporter.isEmpty() && QFileInfo(reporter).isExecutable()) {
    QStringList reporterArgs;
    if (!language.isEmpty()) reporterArgs << QStringLiteral("--language") << language;
    reporterArgs << path;
    const QString restart = info.value(QStringLiteral("RestartExecutable"));
    if (!restart.isEmpty()) reporterArgs << restart;
    if (!QProcess::startDetached(reporter, reporterArgs)) {
      complain(QStringLiteral("cannot start the crash reporter %1").arg(reporter));
    }
  }
  return 0;
}

int serve(const QStringList& args) {
  if (args.size() < 3) {
    complain(QStringLiteral("usage: ZentCrashService <pid> <application name>"));
    return 2;
  }
  bool ok = false;
  const qint64 pid = args.at(1).toLongLong(&ok);
  if (!ok || pid <= 0) {
    complain(QStringLiteral("not a process id: %1").arg(args.at(1)));
    return 2;
  }
  // One service per user serves every instance of the program.
  QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (runtime.isEmpty()) runtime = QDir::tempPath();
  QLockFile lock(QDir(runtime).filePath(QStringLiteral("ZENT_crash_pipe-%1.lock").arg(getuid())));
  if (!lock.tryLock(0)) return 1;

  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [pid] {
    if (kill(pid_t(pid), 0) != 0 && errno == ESRCH) QCoreApplication::exit(0);
  });
  watch.start(500);
  return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  // Reports hold the program's memory and the log tail: the user's alone.
  ::umask(077);
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() > 1 && args.at(1) == QLatin1String("--report")) return report(args);
  return serve(args);
}
