#include "TP/Core/Logging.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <QVariant>
#include <QVector>

#include <execinfo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace TP {
namespace Core {
namespace Logging {

namespace {

const char kDefaultLogFileName[] = "zent.log";
const char kConfigurationFileName[] = "logconfig.ini";
const qint64 kDefaultMaxBytes = 5 * 1024 * 1024;
const int kDefaultKeep = 3;

// Logs tell who the user calls and chats with: the folder and its files are
// the user's alone, made so from their first byte.
void makePrivateFolder(const QString& folder) {
  QDir().mkpath(folder);
  ::chmod(QFile::encodeName(folder).constData(), 0700);
}

bool openPrivateForAppend(QFile& file, const QString& path) {
  // A QFile once opened on a descriptor keeps no file name for a reopening.
  file.setFileName(path);
  const int fd =
      ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
  // Qt's open then says why it cannot be opened.
  if (fd < 0) return file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
  ::fchmod(fd, 0600);
  if (file.open(fd, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text,
                QFileDevice::AutoCloseHandle))
    return true;
  ::close(fd);
  return false;
}

// Process-wide logger state. Deliberately never destroyed: records may be
// written from static destructors of other objects until the very end.
struct State {
  // Guards everything below and serialises delivery. Recursive because a
  // sink destroyed while the lock is held unregisters itself.
  QRecursiveMutex mutex;
  QVector<LogSink*> sinks;
  std::atomic<int> sinkCount{0};

  QString folder;
  QString fileName = QString::fromLatin1(kDefaultLogFileName);
  qint64 maxBytes = kDefaultMaxBytes;
  int keep = kDefaultKeep;
  std::unique_ptr<FileSink> fileSink;
  bool advanced = false;
  bool forced = false;
};

State& state() {
  static State* s = new State;
  return *s;
}

// Set while this thread delivers a record: a record produced by a sink
// (directly or through Qt's message handler) is dropped instead of
// deadlocking on the logger's own lock.
thread_local bool t_delivering = false;

unsigned short fileThreshold(const State& s) { return s.advanced ? LevelTrace : LevelInformation; }

QString defaultFolder() {
  QString base = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  if (base.isEmpty()) base = QDir::tempPath();
  return base + QStringLiteral("/logs");
}

QString folderLocked(const State& s) { return s.folder.isEmpty() ? defaultFolder() : s.folder; }

void addLocked(State& s, LogSink* sink) {
  if (!sink || s.sinks.contains(sink)) return;
  s.sinks.append(sink);
  s.sinkCount.store(s.sinks.size());
}

void removeLocked(State& s, LogSink* sink) {
  s.sinks.removeAll(sink);
  s.sinkCount.store(s.sinks.size());
}

void closeFileLocked(State& s) {
  if (!s.fileSink) return;
  removeLocked(s, s.fileSink.get());
  s.fileSink->close();
  s.fileSink.reset();
}

bool openFileLocked(State& s) {
  closeFileLocked(s);
  const QString folder = folderLocked(s);
  makePrivateFolder(folder);
  auto sink =
      std::make_unique<FileSink>(folder + QLatin1Char('/') + s.fileName, s.maxBytes, s.keep);
  if (!sink->isOpen()) return false;
  sink->setMinimumLevel(fileThreshold(s));
  addLocked(s, sink.get());
  s.fileSink = std::move(sink);
  return true;
}

void deliver(const Record& record) {
  if (t_delivering) return;
  State& s = state();
  QMutexLocker lock(&s.mutex);
  t_delivering = true;
  // A copy: a sink may unregister itself (or another) while writing.
  const QVector<LogSink*> sinks = s.sinks;
  for (LogSink* sink : sinks) {
    if (record.level >= sink->minimumLevel() && s.sinks.contains(sink)) sink->write(record);
  }
  t_delivering = false;
}

void writeRecord(const char* file, int line, const char* tag, unsigned short level,
                 const char* category, const QString& message) {
  if (state().sinkCount.load() == 0) return;
  Record r;
  r.time = QDateTime::currentDateTime();
  r.file = QString::fromUtf8(file ? file : "");
  r.line = line;
  r.tag = QString::fromUtf8(tag ? tag : "");
  r.level = level;
  r.category = QString::fromUtf8(category ? category : "");
  r.message = message;
  r.thread = reinterpret_cast<quintptr>(QThread::currentThreadId());
  deliver(r);
}

// Reads the optional settings of the copied log configuration.
// Keys missing from the file (or a missing file) mean the defaults.
void applyConfigurationLocked(State& s, const QString& path) {
  s.fileName = QString::fromLatin1(kDefaultLogFileName);
  s.maxBytes = kDefaultMaxBytes;
  s.keep = kDefaultKeep;
  if (!QFileInfo::exists(path)) return;
  QSettings config(path, QSettings::IniFormat);
  const QString name = config.value(QStringLiteral("Logging/fileName")).toString();
  // Only a plain file name: the configuration must not move the log elsewhere.
  if (!name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
      name != QLatin1String("..") && name != QLatin1String("."))
    s.fileName = name;
  bool ok = false;
  const qint64 maxBytes = config.value(QStringLiteral("Logging/maxFileSize")).toLongLong(&ok);
  if (ok && maxBytes >= 4096) s.maxBytes = maxBytes;
  const int keep = config.value(QStringLiteral("Logging/maxFiles")).toInt(&ok);
  if (ok && keep >= 0 && keep <= 50) s.keep = keep;
}

QString resolveConfigurationPath(const QString& where) {
  QFileInfo info(where);
  if (where.endsWith(QLatin1Char('/')) || info.isDir())
    return QDir(where).filePath(QString::fromLatin1(kConfigurationFileName));
  return where;
}

}  // namespace

// ---- records ---------------------------------------------------------------

QString levelName(unsigned short level) {
  switch (level) {
    case LevelTrace:
      return QStringLiteral("TRACE");
    case LevelDetail:
      return QStringLiteral("DETAIL");
    case LevelInformation:
      return QStringLiteral("INFO");
    case LevelWarning:
      return QStringLiteral("WARN");
    case LevelError:
      return QStringLiteral("ERROR");
    case LevelFatal:
      return QStringLiteral("FATAL");
    default:
      return QString::number(level);
  }
}

QString formatRecord(const Record& r) {
  QString line = r.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
  line += QStringLiteral(" [0x") + QString::number(r.thread, 16) + QStringLiteral("] ");
  line += levelName(r.level).leftJustified(6) + r.category + QLatin1Char(' ') + r.tag;
  if (!r.file.isEmpty())
    line += QStringLiteral(" (") + QFileInfo(r.file).fileName() + QLatin1Char(':') +
            QString::number(r.line) + QLatin1Char(')');
  line += QStringLiteral(" - ") + r.message;
  return line;
}

// ---- sinks -----------------------------------------------------------------

LogSink::~LogSink() {
  // Safety net only: derived sinks unregister in their own destructors,
  // before their members are gone.
  removeLogger(this);
}

void addLogger(LogSink* sink) {
  State& s = state();
  QMutexLocker lock(&s.mutex);
  addLocked(s, sink);
}

void removeLogger(LogSink* sink) {
  if (!sink) return;
  State& s = state();
  QMutexLocker lock(&s.mutex);
  removeLocked(s, sink);
}

bool hasLogger(const LogSink* sink) {
  State& s = state();
  QMutexLocker lock(&s.mutex);
  return s.sinks.contains(const_cast<LogSink*>(sink));
}

MemorySink::~MemorySink() { removeLogger(this); }

void MemorySink::write(const Record& record) {
  QMutexLocker lock(&m_mutex);
  m_records.append(record);
}

QList<Record> MemorySink::records() const {
  QMutexLocker lock(&m_mutex);
  return m_records;
}

void MemorySink::clear() {
  QMutexLocker lock(&m_mutex);
  m_records.clear();
}

int MemorySink::size() const {
  QMutexLocker lock(&m_mutex);
  return m_records.size();
}

QList<Record> MemorySink::find(const QString& category, const QString& tag, int level) const {
  QMutexLocker lock(&m_mutex);
  QList<Record> out;
  for (const Record& r : m_records) {
    if (!category.isEmpty() && r.category != category) continue;
    if (!tag.isEmpty() && r.tag != tag) continue;
    if (level >= 0 && r.level != level) continue;
    out.append(r);
  }
  return out;
}

bool MemorySink::containsMessage(const QString& part) const {
  QMutexLocker lock(&m_mutex);
  for (const Record& r : m_records) {
    if (r.message.contains(part)) return true;
  }
  return false;
}

FileSink::FileSink(const QString& path, qint64 maxBytes, int keep)
    : m_path(path), m_maxBytes(maxBytes), m_keep(keep), m_file(path) {
  if (!openPrivateForAppend(m_file, m_path)) {
    std::fprintf(stderr, "Cannot open the log file %s: %s\n", qPrintable(path),
                 qPrintable(m_file.errorString()));
  }
}

FileSink::~FileSink() {
  removeLogger(this);
  close();
}

bool FileSink::isOpen() const {
  QMutexLocker lock(&m_mutex);
  return m_file.isOpen();
}

void FileSink::close() {
  QMutexLocker lock(&m_mutex);
  if (m_file.isOpen()) m_file.close();
}

void FileSink::write(const Record& record) {
  QMutexLocker lock(&m_mutex);
  if (!m_file.isOpen()) return;
  if (m_maxBytes > 0 && m_file.size() >= m_maxBytes) rotate();
  if (!m_file.isOpen()) return;
  m_file.write(formatRecord(record).toUtf8());
  m_file.write("\n");
  m_file.flush();
}

void FileSink::rotate() {
  m_file.close();
  if (m_keep <= 0) {
    QFile::remove(m_path);
  } else {
    QFile::remove(m_path + QLatin1Char('.') + QString::number(m_keep));
    for (int i = m_keep - 1; i >= 1; --i)
      QFile::rename(m_path + QLatin1Char('.') + QString::number(i),
                    m_path + QLatin1Char('.') + QString::number(i + 1));
    QFile::rename(m_path, m_path + QStringLiteral(".1"));
  }
  openPrivateForAppend(m_file, m_path);
}

ConsoleSink::~ConsoleSink() { removeLogger(this); }

void ConsoleSink::write(const Record& record) {
  const QByteArray line = formatRecord(record).toLocal8Bit();
  std::fprintf(stderr, "%s\n", line.constData());
}

// ---- the stream --------------------------------------------------------------

Logger& Logger::operator<<(const char* text) {
  if (m_active) m_text += text ? QString::fromUtf8(text) : QStringLiteral("(null)");
  return *this;
}

Logger& Logger::operator<<(const QString& text) {
  if (m_active) m_text += text;
  return *this;
}

Logger& Logger::operator<<(const QByteArray& text) {
  if (m_active) m_text += QString::fromUtf8(text);
  return *this;
}

Logger& Logger::operator<<(QLatin1String text) {
  if (m_active) m_text += text;
  return *this;
}

Logger& Logger::operator<<(const QStringList& list) {
  if (m_active) m_text += QLatin1Char('(') + list.join(QStringLiteral(", ")) + QLatin1Char(')');
  return *this;
}

Logger& Logger::operator<<(QChar c) {
  if (m_active) m_text += c;
  return *this;
}

Logger& Logger::operator<<(char c) {
  if (m_active) m_text += QLatin1Char(c);
  return *this;
}

Logger& Logger::operator<<(bool value) {
  if (m_active) m_text += value ? QLatin1String("true") : QLatin1String("false");
  return *this;
}

Logger& Logger::operator<<(int value) {
  if (m_active) m_text += QString::number(value);
  return *this;
}

Logger& Logger::operator<<(unsigned int value) {
  if (m_active) m_text += QString::number(value);
  return *this;
}

Logger& Logger::operator<<(long value) {
  if (m_active) m_text += QString::number(value);
  return *this;
}

Logger& Logger::operator<<(unsigned long value) {
  if (m_active) m_text += QString::number(value);
  return *this;
}

Logger& Logger::operator<<(long long value) {
  if (m_active) m_text += QString::number(value);
  return *this;
}

Logger& Logger::operator<<(unsigned long long value) {
  if (m_active) m_text += QString::number(value);
  return *this;
}

Logger& Logger::operator<<(double value) {
  if (m_active) m_text += QString::number(value, 'g', 10);
  return *this;
}

Logger& Logger::operator<<(const void* pointer) {
  if (m_active)
    m_text += QStringLiteral("0x") + QString::number(reinterpret_cast<quintptr>(pointer), 16);
  return *this;
}

Logger& Logger::operator<<(std::nullptr_t) {
  if (m_active) m_text += QStringLiteral("0x0");
  return *this;
}

Logger& Logger::operator<<(const QUrl& url) {
  if (m_active) m_text += url.toString();
  return *this;
}

Logger& Logger::operator<<(const QVariant& value) {
  if (m_active) m_text += value.toString();
  return *this;
}

// ---- one record ----------------------------------------------------------------

ApacheLogger::ApacheLogger(const char* file, int line, const char* tag, unsigned short level,
                           const char* category) {
  m_active = state().sinkCount.load() > 0;
  if (!m_active) return;
  m_record.file = QString::fromUtf8(file ? file : "");
  m_record.line = line;
  m_record.tag = QString::fromUtf8(tag ? tag : "");
  m_record.level = level;
  m_record.category = QString::fromUtf8(category ? category : "");
}

ApacheLogger::~ApacheLogger() {
  if (!m_active) return;
  m_record.time = QDateTime::currentDateTime();
  m_record.message = m_text;
  m_record.thread = reinterpret_cast<quintptr>(QThread::currentThreadId());
  deliver(m_record);
}

bool ApacheLogger::ReStart() {
  State& s = state();
  QMutexLocker lock(&s.mutex);
  const bool opened = openFileLocked(s);
  if (!opened)
    std::fprintf(stderr, "Logging could not be restarted in %s\n", qPrintable(folderLocked(s)));
  return opened;
}

bool ApacheLogger::Stop() {
  State& s = state();
  QMutexLocker lock(&s.mutex);
  if (s.forced) return false;
  closeFileLocked(s);
  return true;
}

void ApacheLogger::clearLogs(bool restart) {
  State& s = state();
  QMutexLocker lock(&s.mutex);
  const bool wasRunning = static_cast<bool>(s.fileSink);
  closeFileLocked(s);
  const QString folder = folderLocked(s);
  QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) QFile::remove(it.next());
  if (wasRunning && (restart || s.forced)) openFileLocked(s);
}

bool ApacheLogger::CopyLogConfiguration(const QString& from, const QString& to) {
  const QString source = resolveConfigurationPath(from);
  const QString target = resolveConfigurationPath(to);
  const QString targetFolder = QFileInfo(target).absolutePath();

  State& s = state();
  QMutexLocker lock(&s.mutex);
  const bool running = static_cast<bool>(s.fileSink);
  s.folder = targetFolder + QStringLiteral("/logs");

  bool copied = false;
  if (QFileInfo(source).isFile()) {
    if (QFileInfo(source).absoluteFilePath() == QFileInfo(target).absoluteFilePath()) {
      copied = true;
    } else {
      QDir().mkpath(targetFolder);
      const QString temporary = target + QStringLiteral(".new");
      QFile::remove(temporary);
      if (QFile::copy(source, temporary)) {
        QFile::remove(target);
        copied = QFile::rename(temporary, target);
      }
      if (!copied) QFile::remove(temporary);
    }
  }
  applyConfigurationLocked(s, target);
  if (running) openFileLocked(s);
  return copied;
}

// ---- scopes and back-traces ----------------------------------------------------------

CTraceScope::CTraceScope(const char* tag, const char* category)
    : m_tag(tag ? tag : ""), m_category(category ? category : "") {
  writeRecord("", 0, m_tag.constData(), LevelTrace, m_category.constData(),
              QStringLiteral("Entering"));
}

CTraceScope::~CTraceScope() {
  writeRecord("", 0, m_tag.constData(), LevelTrace, m_category.constData(),
              QStringLiteral("Leaving"));
}

void do_backtrace() {
  if (state().sinkCount.load() == 0) return;
  void* frames[64];
  const int count = backtrace(frames, 64);
  char** symbols = backtrace_symbols(frames, count);
  QString text = QStringLiteral("Backtrace:");
  // Frame 0 is this function.
  for (int i = 1; i < count; ++i) {
    text += QStringLiteral("\n    #") + QString::number(i - 1) + QLatin1Char(' ');
    if (symbols)
      text += QString::fromLocal8Bit(symbols[i]);
    else
      text += QStringLiteral("0x") + QString::number(reinterpret_cast<quintptr>(frames[i]), 16);
  }
  std::free(symbols);
  writeRecord("", 0, "TP::Core::Logging::do_backtrace", LevelError, "AppLogger", text);
}

// ---- switches ---------------------------------------------------------------------

void setLogFolder(const QString& folder) {
  State& s = state();
  QMutexLocker lock(&s.mutex);
  const QString cleaned = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
  if (cleaned == s.folder) return;
  s.folder = cleaned;
  if (s.fileSink) openFileLocked(s);
}

QString logFolder() {
  State& s = state();
  QMutexLocker lock(&s.mutex);
  return folderLocked(s);
}

QString logFileName() {
  State& s = state();
  QMutexLocker lock(&s.mutex);
  return folderLocked(s) + QLatin1Char('/') + s.fileName;
}

bool setEnabled(bool on) { return on ? ApacheLogger::ReStart() : ApacheLogger::Stop(); }

bool isEnabled() {
  State& s = state();
  QMutexLocker lock(&s.mutex);
  return static_cast<bool>(s.fileSink);
}

void setAdvancedEnabled(bool on) {
  State& s = state();
  QMutexLocker lock(&s.mutex);
  s.advanced = on;
  if (s.fileSink) s.fileSink->setMinimumLevel(fileThreshold(s));
}

bool isAdvancedEnabled() {
  State& s = state();
  QMutexLocker lock(&s.mutex);
  return s.advanced;
}

void setLoggingForced(bool forced) {
  State& s = state();
  QMutexLocker lock(&s.mutex);
  s.forced = forced;
}

QString logConfigurationFileName() { return QString::fromLatin1(kConfigurationFileName); }

bool qtMessageToLog(QtMsgType type, const QMessageLogContext&, const QString& message) {
  const char* tag = nullptr;
  unsigned short level = LevelTrace;
  switch (type) {
    case QtDebugMsg:
      tag = "qDebug";
      level = LevelInformation;
      break;
    case QtWarningMsg:
      tag = "qWarning";
      level = LevelWarning;
      break;
    case QtCriticalMsg:
      tag = "qCritical";
      level = LevelError;
      break;
    case QtFatalMsg:
      tag = "qFatal";
      level = LevelFatal;
      break;
    default:
      return false;
  }
  writeRecord("", 0, tag, level, "QtLogger", message);
  return true;
}

}  // namespace Logging
}  // namespace Core
}  // namespace TP
