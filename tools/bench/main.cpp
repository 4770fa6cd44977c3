// Start-up benchmark of the program: how soon the sign-in window shows, how
// much memory it holds then, how long signing in takes until the main window
// shows, and its memory afterwards. Each measure is the median of several
// runs; every run starts from a fresh home (its own HOME, XDG folders and
// single-instance id), so nothing of a previous run or of the user's own
// program is reused. A "warm" start is the second start in the same home.
//
// The program reports its windows with ZENT_BENCH_MARKERS=1 (one line per
// first frame: "zent-bench <marker> <CLOCK_MONOTONIC ms> <resident kB> <processor ms>") and
// signs in by itself with ZENT_BENCH_SIGNIN and exits after the last marker
// with ZENT_BENCH_EXIT_AFTER; the benchmark reads the lines.
//
// To add a measure, add a row to rows() (and a scenario to scenarios() when it
// needs a start of its own).
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>

namespace {

double monotonicMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1.0e6;
}

// What one start of the program reported.
struct Markers {
  double started = 0;                // our clock just before the start
  QMap<QString, double> time;        // marker -> CLOCK_MONOTONIC ms
  QMap<QString, qint64> residentKb;  // marker -> resident set size
  QMap<QString, double> cpuMs;       // marker -> processor time of the program so far
  QString error;                     // empty when the start reached its last marker

  double since(const QString& from, const QString& to) const {
    if (!time.contains(to) || (!from.isEmpty() && !time.contains(from))) return NAN;
    return time.value(to) - (from.isEmpty() ? started : time.value(from));
  }
  double cpu(const QString& marker) const { return cpuMs.value(marker, NAN); }
  double megabytes(const QString& marker) const {
    return residentKb.contains(marker) ? double(residentKb.value(marker)) / 1024.0 : NAN;
  }
};

// One kind of start: its environment, the marker it ends with, and whether a
// second (warm) start in the same home follows. With a `command`, the
// benchmark tells the demo service that command (its control socket) a
// while after the main window showed, as a user's first call comes some
// time after signing in; "command-sent" is then the time it was sent.
struct Scenario {
  QString id;
  QMap<QString, QString> environment;
  QString lastMarker;
  bool warmStartToo = false;
  QByteArray command = QByteArray();
  // Another program of ours (beside this one) started in the program's
  // place, with its arguments: the floor under the first window.
  QStringList floorProgram = QStringList();
  // Records of the history the account finds at sign-in (its comms.db).
  int historyRecords = 0;
};

// The account the benchmark signs in with, and the records of a history
// that grew over years, each about as large as the program writes them.
const char kBenchAccount[] = "bench";
const int kLargeHistory = 120000;

// Lays a history of `records` calls and chats into the account's database
// in `home`, as the program keeps it; false when it cannot.
bool writeHistory(const QString& home, int records) {
  const QString folder =
      home + "/.local/share/Zent Communications/Zent/" + QString::fromLatin1(kBenchAccount);
  if (!QDir().mkpath(folder)) return false;
  QFile file(folder + "/comms.db");
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write("{\"histories\":{\"sip:bench@demo.zent\":[");
  const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-3 * 365);
  for (int i = 0; i < records; ++i) {
    const int who = 101 + i % 12;
    const QByteArray when = start.addSecs(qint64(i) * 780).toString(Qt::ISODateWithMs).toLatin1();
    file.write((i ? ",{" : "{") + QByteArray("\"address\":\"sip:") + QByteArray::number(who) +
               "@demo.zent\",\"contactId\":" + QByteArray::number(who - 100) + ",\"direction\":" +
               QByteArray::number(i % 3) + ",\"durationSec\":" + QByteArray::number(i % 600) +
               ",\"isNew\":false,\"kind\":" + QByteArray::number(i % 3) + ",\"name\":\"Contact " +
               QByteArray::number(who) + "\",\"start\":\"" + when + "\"}");
  }
  file.write("]},\"version\":1}");
  return file.error() == QFileDevice::NoError;
}

// How long after the main window showed the demo service is told its
// command.
const int kCommandAfterMainMs = 1000;

// One line of the table. `value` reads the measure from the cold start (or
// the warm one) of its scenario.
struct Row {
  QString label;
  QString scenario;
  bool warm;
  std::function<double(const Markers&)> value;
  QString unit;
  double target;
};

// A target that grows with the address book: the one at 12 contacts and the
// one at 10,000, on the line through both for other sizes.
double bookTarget(int contacts, double at12, double at10000) {
  return at12 + (at10000 - at12) * double(contacts - 12) / double(10000 - 12);
}

QList<Scenario> scenarios(int contacts) {
  const QMap<QString, QString> signIn{{"ZENT_BENCH_SIGNIN", "bench:demo"},
                                      {"ZENT_DEMO_STEP_DELAY_MS", "0"},
                                      {"ZENT_DEMO_PRESENCE_CHANGES", "0"}};
  QMap<QString, QString> many = signIn;
  many.insert("ZENT_DEMO_CONTACTS", QString::number(contacts));
  // As a user meets it: the demo service's own delays between sign-in steps.
  QMap<QString, QString> manyWithDelays = many;
  manyWithDelays.remove("ZENT_DEMO_STEP_DELAY_MS");
  // The service sending 10 presence changes a second to the large book.
  QMap<QString, QString> storm = many;
  storm.insert("ZENT_DEMO_PRESENCE_CHANGES", "1");
  storm.insert("ZENT_DEMO_PRESENCE_INTERVAL_MS", "100");
  storm.insert("ZENT_DEMO_INCOMING_CALLS", "0");
  storm.insert("ZENT_BENCH_WATCH_MS", "10000");
  // Fifty changes a second.
  QMap<QString, QString> hardStorm = storm;
  hardStorm.insert("ZENT_DEMO_PRESENCE_INTERVAL_MS", "20");
  // The first incoming call or chat of a session, with the demo's small book.
  QMap<QString, QString> firstPopup = signIn;
  firstPopup.insert("ZENT_DEMO_INCOMING_CALLS", "0");
  return {
      {"start", {}, "signin-window", true},
      {"presence-storm", storm, "watch-end", false},
      {"presence-storm-50", hardStorm, "watch-end", false},
      {"first-call-popup", firstPopup, "call-popup", false, "incoming-call 101"},
      {"first-chat-popup", firstPopup, "chat-popup", false, "incoming-chat 101"},
      {"floor-label", {}, "signin-window", true, QByteArray(), {"floor/zent-bench-floor", "label"}},
      {"floor-quick", {}, "signin-window", true, QByteArray(), {"floor/zent-bench-floor", "quick"}},
      {"signin-demo", signIn, "main-window", false},
      {"signin-many", many, "main-window", false},
      {"signin-many-delays", manyWithDelays, "main-window", false},
      {"signin-large-history", signIn, "main-window", true, QByteArray(), {}, kLargeHistory},
  };
}

QList<Row> rows(int contacts) {
  const auto firstWindow = [](const Markers& m) { return m.since(QString(), "signin-window"); };
  const auto firstWindowCpu = [](const Markers& m) { return m.cpu("signin-window"); };
  const auto signinRss = [](const Markers& m) { return m.megabytes("signin-window"); };
  const auto signinToMain = [](const Markers& m) { return m.since("signin-start", "main-window"); };
  const auto mainRss = [](const Markers& m) { return m.megabytes("main-window"); };
  const QString many = QString::number(contacts);
  // Processor time over wall time between two markers, in % of one core.
  const auto coreShare = [](const Markers& m) {
    const double wall = m.since("watch-start", "watch-end");
    return wall > 0 ? (m.cpu("watch-end") - m.cpu("watch-start")) / wall * 100.0 : NAN;
  };
  const auto popup = [](const QString& marker) {
    return [marker](const Markers& m) { return m.since("command-sent", marker); };
  };
  // Targets: what a user notices (a frame, 100 ms for a response), or the
  // figure the program once had where that is better (signing in as it was
  // before the call windows came: 226 ms and 72.2 MB with 12 contacts,
  // 482 ms and 113 MB with 10,000).
  return {
      {"first window, fresh home", "start", false, firstWindow, "ms", 100},
      {"first window, warm", "start", true, firstWindow, "ms", 80},
      // The processor can be no busier than the wall-clock targets allow.
      {"processor time to first window, fresh home", "start", false, firstWindowCpu, "ms", 100},
      {"processor time to first window, warm", "start", true, firstWindowCpu, "ms", 80},
      {"RSS at the sign-in window", "start", false, signinRss, "MB", 100},
      // The floor: the same first frame from a bare QLabel window and from a
      // QQuickWidget showing one rectangle (see the ratio rows at the end).
      {"bare QLabel window, warm", "floor-label", true, firstWindow, "ms", 80},
      {"one-rectangle QQuickWidget window, warm", "floor-quick", true, firstWindow, "ms", 80},
      {"sign-in -> main window, 12 contacts", "signin-demo", false, signinToMain, "ms", 226},
      // Years of calls and chats kept (once 8.6 s and 161 MB): the first
      // sign-in reads the file once and keeps only the newest records, so
      // the next one costs what it costs with a short history.
      {"sign-in -> main window, " + QString::number(kLargeHistory) + "-record history",
       "signin-large-history", false, signinToMain, "ms", 500},
      {"RSS signed in, " + QString::number(kLargeHistory) + "-record history",
       "signin-large-history", false, mainRss, "MB", 80},
      {"sign-in -> main window, the same history again", "signin-large-history", true, signinToMain,
       "ms", 226},
      {"RSS signed in, 12 contacts", "signin-demo", false, mainRss, "MB", 72.2},
      {"sign-in -> main window, " + many + " contacts", "signin-many", false, signinToMain, "ms",
       bookTarget(contacts, 226, 482)},
      {"RSS signed in, " + many + " contacts", "signin-many", false, mainRss, "MB",
       bookTarget(contacts, 72.2, 113)},
      {"sign-in -> painted main window, " + many + " contacts, demo delays", "signin-many-delays",
       false, signinToMain, "ms", 1500},
      // The first popup of a session, from the service's event until it is
      // painted (the one a user meets every morning; the call rows below
      // give the median of later ones).
      {"first incoming call of a session -> popup painted", "first-call-popup", false,
       popup("call-popup"), "ms", 50},
      {"first chat of a session -> popup painted", "first-chat-popup", false, popup("chat-popup"),
       "ms", 50},
      {"processor, 10 presence changes/s, " + many + " contacts", "presence-storm", false,
       coreShare, "% core", 5},
      // Five times the changes may cost five times the processor, no more.
      {"processor, 50 presence changes/s, " + many + " contacts", "presence-storm-50", false,
       coreShare, "% core", 25},
  };
}

// The environment of a start in `home`: the caller's, with every folder the
// program writes to moved into the home, and the benchmark's switches.
QProcessEnvironment environmentFor(const QString& home, const Scenario& scenario, int instance) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  // The defaults are what is measured: no scene graph or platform chosen by hand.
  for (const char* name :
       {"QT_QUICK_BACKEND", "QMLSCENE_DEVICE", "QT_XCB_GL_INTEGRATION", "QT_QPA_PLATFORM",
        "ZENT_SOUND_BACKEND", "ZENT_DEMO_CONTACTS", "ZENT_BENCH_SIGNIN"})
    env.remove(name);
  env.insert("HOME", home);
  env.insert("XDG_CONFIG_HOME", home + "/.config");
  env.insert("XDG_DATA_HOME", home + "/.local/share");
  env.insert("XDG_CACHE_HOME", home + "/.cache");
  env.insert("XDG_RUNTIME_DIR", home + "/runtime");
  env.insert("ZENT_INSTANCE_ID",
             QString("bench-%1-%2").arg(QCoreApplication::applicationPid()).arg(instance));
  env.insert("ZENT_BENCH_MARKERS", "1");
  // Ended as the user's Exit ends it: a warm start then finds what a normal
  // exit leaves (no stale single-instance lock).
  env.insert("ZENT_BENCH_EXIT_AFTER", scenario.lastMarker);
  for (auto it = scenario.environment.begin(); it != scenario.environment.end(); ++it)
    env.insert(it.key(), it.value());
  if (!scenario.command.isEmpty())
    env.insert("ZENT_DEMO_CONTROL",
               QString("zent-bench-%1-%2").arg(QCoreApplication::applicationPid()).arg(instance));
  return env;
}

// Tells the demo service of the program one command on its control socket;
// false when it did not take it.
bool tellDemo(const QString& socketName, const QByteArray& command) {
  QLocalSocket socket;
  socket.connectToServer(socketName);
  if (!socket.waitForConnected(5000)) return false;
  socket.write(command + '\n');
  socket.flush();
  return socket.waitForReadyRead(5000) && socket.readLine().trimmed() == "ok";
}

// Starts the program once and collects its markers until `lastMarker` (or a
// failure); the program then exits by itself (or is ended). A `command` goes
// to the demo service a while after the main window showed.
Markers startOnce(const QString& program, const QProcessEnvironment& env, const QString& lastMarker,
                  int timeoutMs, const QByteArray& command = QByteArray(),
                  const QStringList& arguments = QStringList()) {
  Markers result;
  QProcess process;
  process.setProcessEnvironment(env);
  process.setProcessChannelMode(QProcess::SeparateChannels);
  process.setStandardErrorFile(QProcess::nullDevice());
  QByteArray pending;
  result.started = monotonicMs();
  process.start(program, arguments);
  if (!process.waitForStarted(timeoutMs)) {
    result.error = "cannot start " + program + ": " + process.errorString();
    return result;
  }
  QElapsedTimer clock;
  clock.start();
  while (!result.time.contains(lastMarker)) {
    const int left = timeoutMs - int(clock.elapsed());
    if (left <= 0) {
      result.error = "no \"" + lastMarker + "\" within " + QString::number(timeoutMs) + " ms";
      break;
    }
    if (process.state() == QProcess::NotRunning) {
      result.error = "the program ended before \"" + lastMarker + "\" (exit code " +
                     QString::number(process.exitCode()) + ")";
      break;
    }
    if (!command.isEmpty() && result.time.contains("main-window") &&
        !result.time.contains("command-sent") &&
        monotonicMs() >= result.time.value("main-window") + kCommandAfterMainMs) {
      result.time.insert("command-sent", monotonicMs());
      if (!tellDemo(env.value("ZENT_DEMO_CONTROL"), command)) {
        result.error = "the demo service did not take \"" + QString::fromLatin1(command) + "\"";
        break;
      }
    }
    process.waitForReadyRead(std::min(left, command.isEmpty() ? 200 : 10));
    pending += process.readAllStandardOutput();
    int end;
    while ((end = pending.indexOf('\n')) >= 0) {
      const QList<QByteArray> parts = pending.left(end).trimmed().split(' ');
      pending.remove(0, end + 1);
      if (parts.size() >= 4 && parts.at(0) == "zent-bench") {
        result.time.insert(QString::fromLatin1(parts.at(1)), parts.at(2).toDouble());
        result.residentKb.insert(QString::fromLatin1(parts.at(1)), parts.at(3).toLongLong());
        if (parts.size() >= 5)
          result.cpuMs.insert(QString::fromLatin1(parts.at(1)), parts.at(4).toDouble());
      }
    }
  }
  if (!process.waitForFinished(result.error.isEmpty() ? 10000 : 0)) {
    if (result.error.isEmpty())
      result.error = "the program did not exit after \"" + lastMarker + "\"";
    process.terminate();
  }
  if (!process.waitForFinished(5000)) {
    process.kill();
    process.waitForFinished(5000);
  }
  return result;
}

// A row measured by another benchmark program of ours.
struct ProgramRow {
  QString label;
  double value;
  double target;
  QString unit = "ms";
};

// Runs another benchmark program of ours (`folder`/zent-bench-`folder`, beside
// this one) and reads its "zent-bench-<folder> <id> <ms> <target ms>" lines;
// `label` names the row of an id.
QList<ProgramRow> programRows(const QString& folder, const QProcessEnvironment& env, int runs,
                              const std::function<QString(const QString&)>& label,
                              QStringList& failures) {
  const QByteArray tag = "zent-bench-" + folder.toLatin1();
  const QString path = QCoreApplication::applicationDirPath() + "/" + folder + "/" + tag;
  QList<ProgramRow> rows;
  QProcess process;
  process.setProcessEnvironment(env);
  process.setStandardErrorFile(QProcess::nullDevice());
  process.start(path, {"--runs", QString::number(runs)});
  if (!process.waitForFinished(600000) || process.exitCode() != 0) {
    failures << folder + ": " + path + " did not finish";
    process.kill();
    return rows;
  }
  const auto lines = process.readAllStandardOutput().split('\n');
  for (const QByteArray& line : lines) {
    const QList<QByteArray> parts = line.trimmed().split(' ');
    if (parts.size() != 4 || parts.at(0) != tag) continue;
    rows.append(
        {label(QString::fromLatin1(parts.at(1))), parts.at(2).toDouble(), parts.at(3).toDouble()});
  }
  if (rows.isEmpty()) failures << folder + ": no measures from " + path;
  return rows;
}

// The chat transcript rows: tools/bench/chat runs in-process (no program
// start).
QList<ProgramRow> transcriptRows(int runs, QStringList& failures) {
  return programRows(
      "chat", QProcessEnvironment::systemEnvironment(), runs,
      [](const QString& id) {
        return id.startsWith("transcript-open-")
                   ? "open chat transcript, " + id.mid(16) + " messages, painted"
                   : QString("append one chat message, painted");
      },
      failures);
}

// The search and scrolling rows: tools/bench/search signs in in-process with
// the large book.
QList<ProgramRow> searchRows(int runs, int contacts, QStringList& failures) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("ZENT_DEMO_CONTACTS", QString::number(contacts));
  const QMap<QString, QString> labels{
      {"keystroke-filter", "keystroke -> own-contacts filter updated, median"},
      {"keystroke-painted", "keystroke -> contact list painted, median"},
      {"scroll-frame-median", "scrolling the contact list, frame, median"},
      {"scroll-frame-max", "scrolling the contact list, slowest frame"}};
  return programRows(
      "search", env, runs,
      [&labels, contacts](const QString& id) {
        return labels.value(id, id) + ", " + QString::number(contacts) + " contacts";
      },
      failures);
}

// The call rows: tools/bench/calls signs in in-process with the small book
// and places and receives calls.
QList<ProgramRow> callRows(int runs, QStringList& failures) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("ZENT_DEMO_CONTACTS");
  const QString memory = "memory growth, 50 calls placed and ended";
  const QMap<QString, QString> labels{
      {"call-window", "click on Call -> call window painted, median"},
      {"call-popup", "incoming call -> popup painted, median"},
      {"call-memory", memory}};
  QList<ProgramRow> rows = programRows(
      "calls", env, runs, [&labels](const QString& id) { return labels.value(id, id); }, failures);
  for (ProgramRow& row : rows)
    if (row.label == memory) row.unit = "MB";
  return rows;
}

double median(QList<double> values) {
  values.erase(std::remove_if(values.begin(), values.end(), [](double v) { return std::isnan(v); }),
               values.end());
  if (values.isEmpty()) return NAN;
  std::sort(values.begin(), values.end());
  const int n = values.size();
  return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2.0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Measures the program's start-up (run it under a display, e.g. xvfb-run).");
  parser.addHelpOption();
  parser.addOption({"program", "The program to measure.", "path"});
  parser.addOption({"runs", "Runs per measure (median), default 5.", "n", "5"});
  parser.addOption(
      {"contacts", "Generated contacts of the large rows, default 10000.", "n", "10000"});
  parser.addOption({"timeout", "Longest wait for a window, ms, default 60000.", "ms", "60000"});
  parser.process(app);

  QTextStream out(stdout);
  QTextStream err(stderr);
  const QString program = QFileInfo(parser.value("program")).absoluteFilePath();
  const int runs = std::max(1, parser.value("runs").toInt());
  const int contacts = std::max(1, parser.value("contacts").toInt());
  const int timeoutMs = std::max(1000, parser.value("timeout").toInt());
  if (!parser.isSet("program") || !QFileInfo(program).isExecutable()) {
    err << "zent-bench: --program must name the program to measure\n";
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    err << "zent-bench: no DISPLAY; run it under a display (make bench uses xvfb-run)\n";
    return 2;
  }

  // scenario -> cold starts and warm starts
  QMap<QString, QList<Markers>> cold, warm;
  QStringList failures;
  int instance = 0;
  const auto all = scenarios(contacts);
  for (const Scenario& scenario : all) {
    for (int run = 0; run < runs; ++run) {
      QTemporaryDir home;
      if (!home.isValid() || !QDir(home.path()).mkpath("runtime") ||
          !QFile::setPermissions(home.path() + "/runtime", QFileDevice::ReadOwner |
                                                               QFileDevice::WriteOwner |
                                                               QFileDevice::ExeOwner)) {
        err << "zent-bench: cannot make a temporary home\n";
        return 2;
      }
      if (scenario.historyRecords > 0 && !writeHistory(home.path(), scenario.historyRecords)) {
        err << "zent-bench: cannot lay a history into the temporary home\n";
        return 2;
      }
      const QProcessEnvironment env = environmentFor(home.path(), scenario, ++instance);
      const QString started =
          scenario.floorProgram.isEmpty()
              ? program
              : QCoreApplication::applicationDirPath() + "/" + scenario.floorProgram.first();
      const QStringList arguments = scenario.floorProgram.mid(1);
      const Markers first =
          startOnce(started, env, scenario.lastMarker, timeoutMs, scenario.command, arguments);
      cold[scenario.id].append(first);
      if (!first.error.isEmpty()) failures << scenario.id + ": " + first.error;
      if (scenario.warmStartToo) {
        const Markers second =
            startOnce(started, env, scenario.lastMarker, timeoutMs, QByteArray(), arguments);
        warm[scenario.id].append(second);
        if (!second.error.isEmpty()) failures << scenario.id + " (warm): " + second.error;
      }
      err << "." << Qt::flush;
    }
  }
  err << "\n";

  const QList<Row> table = rows(contacts);
  QList<ProgramRow> transcript = searchRows(runs, contacts, failures);
  transcript += transcriptRows(runs, failures);
  transcript += callRows(runs, failures);
  int width = 0;
  for (const Row& row : table) width = std::max(width, int(row.label.size() + row.unit.size() + 3));
  for (const ProgramRow& row : qAsConst(transcript))
    width = std::max(width, int(row.label.size() + row.unit.size() + 3));
  out << "Zent start-up, median of " << runs << (runs == 1 ? " run" : " runs")
      << ", fresh home each\n";
  out << QString("%1 | %2 | %3\n").arg("measure", -width).arg("median", 8).arg("target");
  out << QString(width, '-') << "-|-" << QString(8, '-') << "-|-" << QString(8, '-') << "\n";
  QStringList over;
  // Rows whose runs all failed: no figure, so neither met nor over.
  QStringList unmeasured;
  for (const Row& row : table) {
    QList<double> values;
    for (const Markers& m : (row.warm ? warm : cold).value(row.scenario)) values << row.value(m);
    const double value = median(values);
    const QString label = row.label + " (" + row.unit + ")";
    const QString shown = std::isnan(value) ? QString("-") : QString::number(value, 'f', 1);
    QString target = QString::fromUtf8("≤ ") + QString::number(row.target);
    if (std::isnan(value)) {
      target += "  not measured";
      unmeasured << row.label;
    } else {
      target += value <= row.target ? "  met" : "  over";
      if (value > row.target) over << row.label;
    }
    out << QString("%1 | %2 | %3\n").arg(label, -width).arg(shown, 8).arg(target);
  }
  // The warm first window against the floor, measured in the same run: the
  // program's own share of its first window.
  const auto warmMedian = [&warm](const QString& scenario) {
    QList<double> values;
    for (const Markers& m : warm.value(scenario)) values << m.since(QString(), "signin-window");
    return median(values);
  };
  const double own = warmMedian("start");
  const QList<std::pair<QString, double>> ratios{
      {"first window, warm, against a bare QLabel window", own / warmMedian("floor-label")},
      {"first window, warm, against a one-rectangle QQuickWidget",
       own / warmMedian("floor-quick")}};
  for (const auto& ratio : ratios) {
    const bool isOver = ratio.second > 1.05;
    if (std::isnan(ratio.second))
      unmeasured << ratio.first;
    else if (isOver)
      over << ratio.first;
    out << QString("%1 | %2 | %3\n")
               .arg(ratio.first + " (x)", -width)
               .arg(std::isnan(ratio.second) ? QString("-") : QString::number(ratio.second, 'f', 2),
                    8)
               .arg(QString::fromUtf8("≤ 1.05") + (std::isnan(ratio.second) ? "  not measured"
                                                   : isOver                 ? "  over"
                                                                            : "  met"));
  }
  for (const ProgramRow& row : qAsConst(transcript)) {
    const bool measured = !std::isnan(row.value);
    const QString target = QString::fromUtf8("≤ ") + QString::number(row.target) +
                           (!measured                 ? "  not measured"
                            : row.value <= row.target ? "  met"
                                                      : "  over");
    if (!measured)
      unmeasured << row.label;
    else if (row.value > row.target)
      over << row.label;
    out << QString("%1 | %2 | %3\n")
               .arg(row.label + " (" + row.unit + ")", -width)
               .arg(measured ? QString::number(row.value, 'f', 1) : QString("-"), 8)
               .arg(target);
  }
  if (!unmeasured.isEmpty())
    out << unmeasured.size()
        << (unmeasured.size() == 1 ? " row has no measure: " : " rows have no measure: ")
        << unmeasured.join("; ") << "\n";
  if (over.isEmpty() && unmeasured.isEmpty())
    out << "Every row meets its target.\n";
  else if (over.isEmpty())
    out << "No measured row is over its target.\n";
  else
    out << over.size()
        << (over.size() == 1 ? " row is over its target: " : " rows are over their targets: ")
        << over.join("; ") << "\n";
  out.flush();
  for (const QString& failure : qAsConst(failures)) err << "zent-bench: " << failure << "\n";
  return failures.isEmpty() ? 0 : 1;
}
