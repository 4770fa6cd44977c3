// The logging core: records and sinks, levels, nested and threaded logging,
// log files and their rotation, and Qt's own messages routed in.
#include "TestSupport.h"

#include <TP/Core/Logging.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

#include <atomic>
#include <thread>
#include <vector>

namespace Logging = TP::Core::Logging;
using Logging::MemorySink;
using Logging::Record;

namespace {

QStringList fileLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

// Writes a record of its own while delivering one: must be dropped, not
// deadlock on the logger's lock.
class ReentrantSink : public Logging::LogSink {
 public:
  ~ReentrantSink() override { Logging::removeLogger(this); }
  void write(const Record& record) override {
    ++written;
    TP_LOG("ReentrantSink::write", TP::Core::Logging::LevelInformation)
        << "nested " << record.message;
    if (removeSelf) Logging::removeLogger(this);
  }
  int written = 0;
  bool removeSelf = false;
};

}  // namespace

class TestTpLogging : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void recordFieldsAndPieces();
  void eachRecordStandsAlone();
  void sinksAddedAndRemoved();
  void sinkLevelFilter();
  void destroyedSinkUnregisters();
  void nestedRecordsAreDropped();
  void manyThreadsLogging();

  void fileLoggingFollowsBasicAndAdvanced();
  void stopRefusedWhileForced();
  void clearLogsRemovesFiles();
  void copyLogConfiguration();
  void fileRotation();

  void traceScope();
  void backtraceRecord();
  void qtMessagesRouted();

 private:
  MemorySink m_sink;
  QTemporaryDir m_dir;
  QString m_logs;
};

void TestTpLogging::initTestCase() { QVERIFY(m_dir.isValid()); }

void TestTpLogging::init() {
  m_sink.clear();
  Logging::addLogger(&m_sink);
  // A folder of its own per test: files never carry over.
  m_logs = m_dir.path() + "/" + QTest::currentTestFunction() + "/logs";
  Logging::setLogFolder(m_logs);
}

void TestTpLogging::cleanup() {
  Logging::setLoggingForced(false);
  Logging::ApacheLogger::Stop();
  Logging::setAdvancedEnabled(false);
  Logging::removeLogger(&m_sink);
}

void TestTpLogging::recordFieldsAndPieces() {
  int object = 0;
  const int line = __LINE__ + 1;
  TP_LOG("TestTpLogging::recordFieldsAndPieces", TP::Core::Logging::LevelWarning)
      << "text " << QString("qstring ") << QByteArray("bytes ") << -5 << ' ' << 7u << ' '
      << qint64(-9000000000LL) << ' ' << quint64(18000000000ULL) << ' ' << true << ' ' << false
      << ' ' << 2.5 << ' ' << static_cast<const char*>(nullptr) << ' '
      << QUrl("http://example.invalid/a") << ' ' << std::size_t(12);
  TP_LOG("TestTpLogging::pointer", TP::Core::Logging::LevelTrace)
      << static_cast<void*>(&object) << nullptr;

  const auto records = m_sink.records();
  QCOMPARE(records.size(), 2);
  const Record& r = records.at(0);
  QCOMPARE(r.file, QString(__FILE__));
  QCOMPARE(r.line, line);
  QCOMPARE(r.tag, QString("TestTpLogging::recordFieldsAndPieces"));
  QCOMPARE(r.level, static_cast<unsigned short>(TP::Core::Logging::LevelWarning));
  QCOMPARE(r.category, QString("AppLogger"));
  QCOMPARE(r.message,
           QString("text qstring bytes -5 7 -9000000000 18000000000 true false 2.5 (null) "
                   "http://example.invalid/a 12"));
  QVERIFY(r.time.isValid());

  const QString pointer = "0x" + QString::number(reinterpret_cast<quintptr>(&object), 16);
  QCOMPARE(records.at(1).message, pointer + "0x0");
  QCOMPARE(records.at(1).level, static_cast<unsigned short>(TP::Core::Logging::LevelTrace));

  // The raw constructor takes any category.
  Logging::ApacheLogger("", 0, "qDebug", TP::Core::Logging::LevelInformation, "QtLogger")
      << "from Qt";
  QCOMPARE(m_sink.find("QtLogger", "qDebug", TP::Core::Logging::LevelInformation).size(), 1);
}

void TestTpLogging::eachRecordStandsAlone() {
  TP_LOG("A::a", TP::Core::Logging::LevelInformation) << "first";
  TP_LOG("B::b", TP::Core::Logging::LevelInformation) << "second";
  TP_LOG("C::c", TP::Core::Logging::LevelInformation);
  const auto records = m_sink.records();
  QCOMPARE(records.size(), 3);
  QCOMPARE(records.at(0).message, QString("first"));
  QCOMPARE(records.at(1).message, QString("second"));
  QCOMPARE(records.at(2).message, QString());
}

void TestTpLogging::sinksAddedAndRemoved() {
  MemorySink second;
  Logging::addLogger(&second);
  Logging::addLogger(&second);  // no duplicate delivery
  QVERIFY(Logging::hasLogger(&second));
  TP_LOG("X::y", TP::Core::Logging::LevelInformation) << "both";
  QCOMPARE(second.size(), 1);
  QCOMPARE(m_sink.size(), 1);
  Logging::removeLogger(&second);
  QVERIFY(!Logging::hasLogger(&second));
  Logging::removeLogger(&second);  // unknown: ignored
  Logging::removeLogger(nullptr);
  TP_LOG("X::y", TP::Core::Logging::LevelInformation) << "only first";
  QCOMPARE(second.size(), 1);
  QCOMPARE(m_sink.size(), 2);
}

void TestTpLogging::sinkLevelFilter() {
  MemorySink errorsOnly;
  errorsOnly.setMinimumLevel(Logging::LevelError);
  Logging::addLogger(&errorsOnly);
  for (unsigned short level = Logging::LevelTrace; level <= Logging::LevelFatal; ++level)
    TP_LOG("X::level", level) << level;
  Logging::removeLogger(&errorsOnly);
  QCOMPARE(m_sink.size(), 6);
  const auto kept = errorsOnly.records();
  QCOMPARE(kept.size(), 2);
  QCOMPARE(kept.at(0).level, static_cast<unsigned short>(TP::Core::Logging::LevelError));
  QCOMPARE(kept.at(1).level, static_cast<unsigned short>(TP::Core::Logging::LevelFatal));
}

void TestTpLogging::destroyedSinkUnregisters() {
  {
    MemorySink shortLived;
    Logging::addLogger(&shortLived);
    TP_LOG("X::y", TP::Core::Logging::LevelInformation) << "seen";
    QCOMPARE(shortLived.size(), 1);
  }
  // ASan reports a use after free here if the sink was still registered.
  TP_LOG("X::y", TP::Core::Logging::LevelInformation) << "after";
  QCOMPARE(m_sink.size(), 2);
}

void TestTpLogging::nestedRecordsAreDropped() {
  ReentrantSink sink;
  Logging::addLogger(&sink);
  TP_LOG("X::outer", TP::Core::Logging::LevelInformation) << "outer";
  QCOMPARE(sink.written, 1);
  QCOMPARE(m_sink.size(), 1);
  sink.removeSelf = true;
  TP_LOG("X::outer", TP::Core::Logging::LevelInformation) << "again";
  QVERIFY(!Logging::hasLogger(&sink));
  TP_LOG("X::outer", TP::Core::Logging::LevelInformation) << "not delivered to the removed sink";
  QCOMPARE(sink.written, 2);
  QCOMPARE(m_sink.size(), 3);
}

void TestTpLogging::manyThreadsLogging() {
  QVERIFY(Logging::ApacheLogger::ReStart());
  const QString path = Logging::logFileName();
  const int threads = 8;
  const int perThread = 250;
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t) {
    workers.emplace_back([t] {
      for (int i = 0; i < perThread; ++i)
        TP_LOG("Worker::run", TP::Core::Logging::LevelInformation)
            << "thread " << t << " record " << i << " end";
    });
  }
  for (std::thread& w : workers) w.join();
  QVERIFY(Logging::ApacheLogger::Stop());

  QCOMPARE(m_sink.size(), threads * perThread);
  // Each thread's records arrive in its own order.
  QVector<int> next(threads, 0);
  const auto records = m_sink.records();
  for (const Record& r : records) {
    const QStringList parts = r.message.split(' ');
    QCOMPARE(parts.size(), 5);
    const int t = parts.at(1).toInt();
    QCOMPARE(parts.at(3).toInt(), next[t]);
    ++next[t];
  }
  // Every line of the file is whole: no interleaved writes.
  const QStringList lines = fileLines(path);
  QCOMPARE(lines.size(), threads * perThread);
  for (const QString& line : lines) {
    QVERIFY2(
        line.contains(" INFO  AppLogger Worker::run (tst_tp_logging.cpp:") && line.endsWith(" end"),
        qPrintable(line));
  }
}

void TestTpLogging::fileLoggingFollowsBasicAndAdvanced() {
  const QString path = Logging::logFileName();
  QVERIFY(path.startsWith(m_logs + "/"));
  QVERIFY(!Logging::isEnabled());
  TP_LOG("X::before", TP::Core::Logging::LevelError) << "not in the file";
  QVERIFY(Logging::ApacheLogger::ReStart());
  QVERIFY(Logging::isEnabled());
  TP_LOG("X::basic", TP::Core::Logging::LevelInformation) << "information";
  TP_LOG("X::basic", TP::Core::Logging::LevelDetail) << "detail hidden";
  TP_LOG("X::basic", TP::Core::Logging::LevelTrace) << "trace hidden";
  Logging::setAdvancedEnabled(true);
  TP_LOG("X::advanced", TP::Core::Logging::LevelTrace) << "trace shown";
  QVERIFY(Logging::ApacheLogger::Stop());
  QVERIFY(!Logging::isEnabled());
  TP_LOG("X::after", TP::Core::Logging::LevelFatal) << "stopped";

  const QStringList lines = fileLines(path);
  QCOMPARE(lines.size(), 2);
  QVERIFY(lines.at(0).contains("INFO  AppLogger X::basic"));
  QVERIFY(lines.at(0).endsWith(" - information"));
  QVERIFY(lines.at(1).contains("TRACE AppLogger X::advanced"));
  // Stopping the file log leaves the other sinks alone.
  QVERIFY(m_sink.containsMessage("stopped"));

  // A restart appends to the same file.
  QVERIFY(Logging::setEnabled(true));
  TP_LOG("X::again", TP::Core::Logging::LevelWarning) << "warning";
  QVERIFY(Logging::setEnabled(false));
  QCOMPARE(fileLines(path).size(), 3);
}

void TestTpLogging::stopRefusedWhileForced() {
  QVERIFY(Logging::ApacheLogger::ReStart());
  Logging::setLoggingForced(true);
  QVERIFY(!Logging::ApacheLogger::Stop());
  QVERIFY(Logging::isEnabled());
  TP_LOG("X::forced", TP::Core::Logging::LevelWarning) << "still written";
  Logging::setLoggingForced(false);
  QVERIFY(Logging::ApacheLogger::Stop());
  QVERIFY(fileLines(Logging::logFileName()).last().endsWith("still written"));
}

void TestTpLogging::clearLogsRemovesFiles() {
  const QString folder = Logging::logFolder();
  QVERIFY(QDir().mkpath(folder + "/spirit"));
  QVERIFY(QDir().mkpath(folder + "/uss"));
  QFile other(folder + "/spirit/xmpp.log");
  QVERIFY(other.open(QIODevice::WriteOnly));
  other.write("old");
  other.close();

  QVERIFY(Logging::ApacheLogger::ReStart());
  TP_LOG("X::old", TP::Core::Logging::LevelWarning) << "old record";
  Logging::ApacheLogger::clearLogs(true);
  QVERIFY(!QFile::exists(folder + "/spirit/xmpp.log"));
  QVERIFY(QDir(folder + "/uss").exists());  // folders stay
  QVERIFY(Logging::isEnabled());            // resumed in a fresh file
  TP_LOG("X::new", TP::Core::Logging::LevelWarning) << "new record";
  QStringList lines = fileLines(Logging::logFileName());
  QCOMPARE(lines.size(), 1);
  QVERIFY(lines.first().endsWith("new record"));

  Logging::ApacheLogger::clearLogs(false);
  QVERIFY(!Logging::isEnabled());
  QVERIFY(!QFile::exists(Logging::logFileName()));
  TP_LOG("X::none", TP::Core::Logging::LevelWarning) << "not written";
  QVERIFY(!QFile::exists(Logging::logFileName()));

  // Clearing while stopped does not start the file log.
  Logging::ApacheLogger::clearLogs(true);
  QVERIFY(!Logging::isEnabled());
}

void TestTpLogging::copyLogConfiguration() {
  const QString exeDir = m_dir.path() + "/exe/";
  const QString dataDir = m_dir.path() + "/data/";
  QVERIFY(QDir().mkpath(exeDir));
  // Nothing to copy: false, but the log folder still moves to the data folder.
  QVERIFY(!Logging::ApacheLogger::CopyLogConfiguration(exeDir, dataDir));
  QCOMPARE(Logging::logFolder(), QDir::cleanPath(dataDir) + "/logs");

  {
    QSettings config(exeDir + Logging::logConfigurationFileName(), QSettings::IniFormat);
    config.setValue("Logging/fileName", "client.log");
    config.setValue("Logging/maxFiles", 2);
  }
  QVERIFY(Logging::ApacheLogger::CopyLogConfiguration(exeDir, dataDir));
  QVERIFY(QFile::exists(dataDir + Logging::logConfigurationFileName()));
  QCOMPARE(Logging::logFileName(), QDir::cleanPath(dataDir) + "/logs/client.log");
  // Copying again replaces the older copy.
  QVERIFY(Logging::ApacheLogger::CopyLogConfiguration(exeDir, dataDir));

  // A file name that tries to leave the log folder is ignored.
  {
    QSettings config(exeDir + Logging::logConfigurationFileName(), QSettings::IniFormat);
    config.setValue("Logging/fileName", "../../escape.log");
  }
  QVERIFY(Logging::ApacheLogger::CopyLogConfiguration(exeDir, dataDir));
  QCOMPARE(Logging::logFileName(), QDir::cleanPath(dataDir) + "/logs/zent.log");
  {
    QSettings config(exeDir + Logging::logConfigurationFileName(), QSettings::IniFormat);
    config.setValue("Logging/fileName", "client.log");
  }
  QVERIFY(Logging::ApacheLogger::CopyLogConfiguration(exeDir, dataDir));

  QVERIFY(Logging::ApacheLogger::ReStart());
  TP_LOG("X::copied", TP::Core::Logging::LevelInformation) << "in the data folder";
  QVERIFY(QFile::exists(dataDir + "logs/client.log"));
  Logging::setLogFolder(m_logs);  // a running log moves along
  TP_LOG("X::moved", TP::Core::Logging::LevelInformation) << "moved";
  QVERIFY(QFile::exists(m_logs + "/client.log"));
  QVERIFY(Logging::ApacheLogger::Stop());

  // A target without a configuration brings the defaults back.
  QVERIFY(QFile::remove(exeDir + Logging::logConfigurationFileName()));
  const QString otherData = m_dir.path() + "/other/";
  QVERIFY(!Logging::ApacheLogger::CopyLogConfiguration(exeDir, otherData));
  QCOMPARE(Logging::logFileName(), QDir::cleanPath(otherData) + "/logs/zent.log");
}

void TestTpLogging::fileRotation() {
  QTemporaryDir dir;
  const QString path = dir.path() + "/rot.log";
  {
    Logging::FileSink sink(path, 4096, 2);
    QVERIFY(sink.isOpen());
    Logging::addLogger(&sink);
    const QString filler(200, 'x');
    for (int i = 0; i < 100; ++i)
      TP_LOG("X::rotate", TP::Core::Logging::LevelInformation) << i << ' ' << filler;
    Logging::removeLogger(&sink);
  }
  QVERIFY(QFile::exists(path));
  QVERIFY(QFile::exists(path + ".1"));
  QVERIFY(QFile::exists(path + ".2"));
  QVERIFY(!QFile::exists(path + ".3"));
  QVERIFY(QFileInfo(path).size() <= 4096 + 400);
  QVERIFY(fileLines(path).last().contains("99 xxx"));
}

void TestTpLogging::traceScope() {
  {
    Logging::CTraceScope scope("Application::cbSessionOpened");
    TP_LOG("Inside::work", TP::Core::Logging::LevelInformation) << "work";
  }
  const auto records = m_sink.records();
  QCOMPARE(records.size(), 3);
  QCOMPARE(records.at(0).tag, QString("Application::cbSessionOpened"));
  QCOMPARE(records.at(0).level, static_cast<unsigned short>(TP::Core::Logging::LevelTrace));
  QCOMPARE(records.at(0).message, QString("Entering"));
  QCOMPARE(records.at(2).message, QString("Leaving"));
  QCOMPARE(records.at(2).category, QString("AppLogger"));
}

void TestTpLogging::backtraceRecord() {
  Logging::do_backtrace();
  const auto records =
      m_sink.find("AppLogger", "TP::Core::Logging::do_backtrace", TP::Core::Logging::LevelError);
  QCOMPARE(records.size(), 1);
  QVERIFY(records.first().message.startsWith("Backtrace:\n    #0 "));
  QVERIFY(records.first().message.count('\n') >= 2);
}

void TestTpLogging::qtMessagesRouted() {
  QMessageLogContext context("somefile.cpp", 12, "func", "category");
  struct Case {
    QtMsgType type;
    const char* tag;
    unsigned short level;
  };
  const Case cases[] = {{QtDebugMsg, "qDebug", 2},
                        {QtWarningMsg, "qWarning", 3},
                        {QtCriticalMsg, "qCritical", 4},
                        {QtFatalMsg, "qFatal", 5}};
  for (const Case& c : cases) {
    m_sink.clear();
    QVERIFY(Logging::qtMessageToLog(c.type, context, "message text"));
    const auto records = m_sink.records();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.first().category, QString("QtLogger"));
    QCOMPARE(records.first().tag, QString(c.tag));
    QCOMPARE(records.first().level, c.level);
    QCOMPARE(records.first().file, QString());  // the context is ignored
    QCOMPARE(records.first().line, 0);
    QCOMPARE(records.first().message, QString("message text"));
  }
  m_sink.clear();
  QVERIFY(!Logging::qtMessageToLog(QtInfoMsg, context, "dropped"));
  QCOMPARE(m_sink.size(), 0);
}

ZENT_TEST_MAIN(TestTpLogging, QCoreApplication)
#include "tst_tp_logging.moc"
