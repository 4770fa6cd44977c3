#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <atomic>
#include <cstddef>

class QUrl;
class QVariant;

namespace TP {
namespace Core {
namespace Logging {

// Record levels, lowest first.
enum Level : unsigned short {
  LevelTrace = 0,
  LevelDetail = 1,
  LevelInformation = 2,
  LevelWarning = 3,
  LevelError = 4,
  LevelFatal = 5
};

// One finished log record as the sinks receive it.
struct Record {
  QDateTime time;
  QString file;
  int line = 0;
  QString tag;
  unsigned short level = LevelTrace;
  QString category;
  QString message;
  quintptr thread = 0;
};

// The single text line written for a record (without a line break).
QString formatRecord(const Record& record);
// "TRACE", "DETAIL", "INFO", "WARN", "ERROR", "FATAL".
QString levelName(unsigned short level);

// Receives records. Records are delivered to the sinks one at a time (the
// logger serialises delivery), so write() never runs concurrently with
// itself for one sink. A sink must be removed before it is destroyed; the
// concrete sinks here remove themselves in their destructors.
class LogSink {
 public:
  LogSink() = default;
  virtual ~LogSink();
  LogSink(const LogSink&) = delete;
  LogSink& operator=(const LogSink&) = delete;

  virtual void write(const Record& record) = 0;

  // Records below this level are not delivered to this sink.
  void setMinimumLevel(unsigned short level) { m_minimumLevel.store(level); }
  unsigned short minimumLevel() const { return m_minimumLevel.load(); }

 private:
  std::atomic<unsigned short> m_minimumLevel{LevelTrace};
};

// Registers a sink (not owned). Adding a sink twice has no effect.
void addLogger(LogSink* sink);
// Unregisters a sink; after it returns no delivery to the sink is running
// or will start. Unknown or null sinks are ignored.
void removeLogger(LogSink* sink);
bool hasLogger(const LogSink* sink);

// Keeps records in memory; meant for tests and diagnostics views.
class MemorySink : public LogSink {
 public:
  MemorySink() = default;
  ~MemorySink() override;
  void write(const Record& record) override;

  QList<Record> records() const;
  void clear();
  int size() const;
  // Records whose fields match; an empty text or a negative level matches all.
  QList<Record> find(const QString& category, const QString& tag = QString(), int level = -1) const;
  bool containsMessage(const QString& part) const;

 private:
  mutable QMutex m_mutex;
  QList<Record> m_records;
};

// Appends formatted records to a file, flushing each one so a crash loses
// nothing. When the file grows past maxBytes it is renamed to "<name>.1"
// (older ones shift up to "<name>.<keep>") and a new file is started.
class FileSink : public LogSink {
 public:
  explicit FileSink(const QString& path, qint64 maxBytes = 5 * 1024 * 1024, int keep = 3);
  ~FileSink() override;
  void write(const Record& record) override;

  bool isOpen() const;
  QString path() const { return m_path; }
  void close();

 private:
  void rotate();

  mutable QMutex m_mutex;
  QString m_path;
  qint64 m_maxBytes;
  int m_keep;
  QFile m_file;
};

// Writes formatted records to the standard error stream.
class ConsoleSink : public LogSink {
 public:
  ~ConsoleSink() override;
  void write(const Record& record) override;
};

// The stream a record's pieces go through. Pieces are appended in the order
// streamed, with no separators added.
class Logger {
 public:
  Logger() = default;
  Logger(const Logger&) = delete;
  Logger& operator=(const Logger&) = delete;

  Logger& operator<<(const char* text);
  Logger& operator<<(const QString& text);
  Logger& operator<<(const QByteArray& text);
  Logger& operator<<(QLatin1String text);
  Logger& operator<<(const QStringList& list);
  Logger& operator<<(QChar c);
  Logger& operator<<(char c);
  Logger& operator<<(bool value);
  Logger& operator<<(int value);
  Logger& operator<<(unsigned int value);
  Logger& operator<<(long value);
  Logger& operator<<(unsigned long value);
  Logger& operator<<(long long value);
  Logger& operator<<(unsigned long long value);
  Logger& operator<<(double value);
  Logger& operator<<(const void* pointer);
  Logger& operator<<(std::nullptr_t);
  Logger& operator<<(const QUrl& url);
  Logger& operator<<(const QVariant& value);

  QString text() const { return m_text; }

 protected:
  // False when no sink would take the record: pieces are then not formatted.
  bool m_active = true;
  QString m_text;
};

// One log record: built, streamed into, and written when destroyed.
class ApacheLogger : public Logger {
 public:
  ApacheLogger(const char* file, int line, const char* tag, unsigned short level,
               const char* category);
  ~ApacheLogger();

  // Starts (or restarts) writing records to the log file in the log folder.
  static bool ReStart();
  // Stops writing the log file. Returns false, and keeps logging, when
  // logging is forced on (setLoggingForced).
  static bool Stop();
  // Deletes the log files (the log folder's files, sub-folders included).
  // When `restart` is true and file logging was running, it resumes in a new
  // file; otherwise file logging is left stopped.
  static void clearLogs(bool restart);
  // Copies the log configuration file from the folder (or file) `from` to
  // the folder (or file) `to`, replacing an older copy, and makes "<to>/logs"
  // the log folder. Returns false when there was nothing to copy or the copy
  // failed; the log folder is switched in every case.
  static bool CopyLogConfiguration(const QString& from, const QString& to);

 private:
  Record m_record;
};

// Writes a trace record when constructed ("Entering") and when destroyed
// ("Leaving").
class CTraceScope {
 public:
  explicit CTraceScope(const char* tag, const char* category = "AppLogger");
  ~CTraceScope();
  CTraceScope(const CTraceScope&) = delete;
  CTraceScope& operator=(const CTraceScope&) = delete;

 private:
  QByteArray m_tag;
  QByteArray m_category;
};

// Writes the calling thread's stack as one error record.
void do_backtrace();

// Log folder and switches of the platform's own file log.
void setLogFolder(const QString& folder);
QString logFolder();
QString logFileName();     // the current log file's full path
bool setEnabled(bool on);  // ReStart() or Stop()
bool isEnabled();
// Advanced logging writes every level to the file; basic logging writes
// information and above.
void setAdvancedEnabled(bool on);
bool isAdvancedEnabled();
// Logging forced on by policy: Stop() refuses while set.
void setLoggingForced(bool forced);
// The name of the log configuration file that CopyLogConfiguration copies.
QString logConfigurationFileName();

// Writes a Qt message as a record of the category "QtLogger": debug, warning,
// critical and fatal become the tags "qDebug", "qWarning", "qCritical",
// "qFatal" at levels 2, 3, 4, 5, with an empty file and line 0. Other types
// are dropped (returns false). It never aborts: that is the caller's choice.
bool qtMessageToLog(QtMsgType type, const QMessageLogContext& context, const QString& message);

}  // namespace Logging
}  // namespace Core
}  // namespace TP

// One record of the program's own category, e.g.
//   TP_LOG("Application::initialize", TP::Core::Logging::LevelError) << "Failed to open " << path;
#define TP_LOG(tag, level) \
  ::TP::Core::Logging::ApacheLogger(__FILE__, __LINE__, (tag), (level), "AppLogger")
