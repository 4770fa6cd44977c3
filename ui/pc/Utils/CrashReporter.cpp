#include "Utils/CrashReporter.h"

#include <RAZ/Utils/FileWrites.h>
#include <TP/Core/Logging.h>
#include <crash/client/ExceptionHandler.h>

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

namespace {
const int kRestartDelayMs = 1000;
// A service that keeps dying at once is given up after this many tries.
const int kMaxQuickRestarts = 5;
const qint64 kQuickRunMs = 60000;
const char* const kInfoFileName = "zent.info";
}  // namespace

CrashReporter::CrashReporter(QObject* parent)
    : QObject(parent),
      m_handler(nullptr),
      m_installed(false),
      m_dataFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) {}

CrashReporter::~CrashReporter() {
  disconnect(&m_process, nullptr, this, nullptr);
  if (m_process.state() != QProcess::NotRunning) {
    m_process.terminate();
    if (!m_process.waitForFinished(2000)) {
      m_process.kill();
      m_process.waitForFinished(1000);
    }
  }
  delete m_handler;
  m_handler = nullptr;
  if (!m_dataFolder.isEmpty()) QFile::remove(infoFilePath());
}

void CrashReporter::setRestartCommand(const QString& executable, const QStringList& arguments) {
  m_restartExecutable = executable;
  m_restartArguments = arguments.join(QLatin1Char(' '));
}

void CrashReporter::setDataFolder(const QString& folder) { m_dataFolder = folder; }

QString CrashReporter::infoFilePath() const {
  return m_dataFolder + QLatin1Char('/') + QLatin1String(kInfoFileName);
}

QString CrashReporter::reportFolder() const { return m_dataFolder + QStringLiteral("/crashes"); }

void CrashReporter::setLanguage(const QString& code) { Crash::ExceptionHandler::setLanguage(code); }

QString CrashReporter::buildId(const QString& version) {
  const int number = version.section(QLatin1Char('.'), -1).toInt();
  return QString::asprintf("%02d%02d%02d%05d", 2014, 9, 17, number);
}

bool CrashReporter::writeInfoFile() {
  if (m_dataFolder.isEmpty()) {
    TP_LOG("CrashReporter::writeInfoFile", TP::Core::Logging::LevelWarning)
        << "no data folder; crash-info file not written";
    return false;
  }
  if (!QDir().mkpath(m_dataFolder)) {
    TP_LOG("CrashReporter::writeInfoFile", TP::Core::Logging::LevelWarning)
        << "cannot create " << m_dataFolder;
    return false;
  }
  removeInfoLeftovers();
  const QString text = QStringLiteral("ProductName=Bramblex\n") + QStringLiteral("BuildID=") +
                       buildId(m_version) + QLatin1Char('\n') + QStringLiteral("Version=") +
                       m_version + QLatin1Char('\n') + QStringLiteral("RestartExecutable=") +
                       m_restartExecutable + QLatin1Char('\n') +
                       QStringLiteral("CrashReporterExe=") + m_crashReporterExe + QLatin1Char('\n');
  // Through the checked write: on a full disk the earlier file stays whole
  // instead of being left empty, and the failure is counted for the user.
  QString error;
  if (!RAZ::Utils::FileWrites::replace(infoFilePath(), text.toUtf8(), 0600, &error)) {
    TP_LOG("CrashReporter::writeInfoFile", TP::Core::Logging::LevelWarning)
        << "cannot write " << infoFilePath() << ": " << error;
    return false;
  }
  return true;
}

void CrashReporter::removeInfoLeftovers() const {
  // A write cut short (the program killed in the middle) leaves its
  // temporary "zent.info.XXXXXX" behind.
  const QString name = QLatin1String(kInfoFileName);
  const auto entries =
      QDir(m_dataFolder)
          .entryInfoList({name + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden);
  for (const QFileInfo& info : entries) {
    bool plain = true;
    const QString suffix = info.fileName().mid(name.size() + 1);
    for (QChar c : suffix) plain = plain && c.isLetterOrNumber() && c.unicode() < 128;
    if (plain) QFile::remove(info.filePath());
  }
}

bool CrashReporter::installExceptionHandler(const QString& crashServiceExe) {
  qDebug() << Q_FUNC_INFO << "crashServiceExe: " << crashServiceExe;
  if (m_handler) {
    qDebug() << Q_FUNC_INFO << "already installed";
    emit initError();
    return false;
  }
  m_CrashServiceExe = crashServiceExe;
  // Start-up tells a first run from a missing data folder: do not create it
  // here; the file is written once the service runs (after start-up) then.
  if (QFileInfo(m_dataFolder).isDir()) {
    writeInfoFile();
  } else {
    m_infoFilePending = true;
  }
  startCrashService();
  return true;
}

void CrashReporter::startCrashService() {
  qDebug() << Q_FUNC_INFO;
  if (m_process.state() != QProcess::NotRunning) {
    qDebug() << Q_FUNC_INFO << "already starting/running";
    return;
  }
  const QFileInfo exe(m_CrashServiceExe);
  if (!exe.exists() || !exe.isExecutable()) {
    qDebug() << Q_FUNC_INFO << m_CrashServiceExe << "does not exist or is not executable";
    qDebug() << Q_FUNC_INFO << "crash reporting will not be available";
    TP_LOG("CrashReporter::startCrashService", TP::Core::Logging::LevelError)
        << "crash service missing, crash reporting will not be available: " << m_CrashServiceExe;
    emit initError();
    return;
  }
  disconnect(&m_process, nullptr, this, nullptr);
  connect(&m_process, SIGNAL(started()), this, SLOT(onCrashServiceStarted()), Qt::QueuedConnection);
  connect(&m_process, SIGNAL(errorOccurred(QProcess::ProcessError)), this,
          SLOT(onCrashServiceError(QProcess::ProcessError)));
  connect(&m_process, SIGNAL(stateChanged(QProcess::ProcessState)), this,
          SLOT(onCrashServiceStateChange(QProcess::ProcessState)));
  m_runTime.start();
  m_process.start(
      m_CrashServiceExe,
      {QString::number(QCoreApplication::applicationPid()), QCoreApplication::applicationName()},
      QIODevice::ReadWrite);
}

void CrashReporter::onCrashServiceStarted() {
  if (m_infoFilePending) {
    m_infoFilePending = false;
    writeInfoFile();
  }
  if (!m_handler) {
    Crash::HandlerSettings settings;
    settings.serviceExecutable = m_CrashServiceExe;
    settings.infoFile = infoFilePath();
    settings.reportFolder = reportFolder();
    settings.logFolder = m_dataFolder + QStringLiteral("/logs");
    m_handler = Crash::ExceptionHandler::create(settings);
  }
  if (!m_handler) {
    qDebug() << Q_FUNC_INFO << "Unable to create the crash handler";
    TP_LOG("CrashReporter::onCrashServiceStarted", TP::Core::Logging::LevelError)
        << "unable to create the crash handler";
    emit initError();
    return;
  }
  m_installed = true;
  qDebug() << Q_FUNC_INFO << "Installed Breakpad exception handler.";
  emit initSuccess();
}

void CrashReporter::onCrashServiceStateChange(QProcess::ProcessState state) {
  qDebug() << Q_FUNC_INFO << "state: " << state;
  if (state == QProcess::Running) m_serviceRan = true;
  if (state != QProcess::NotRunning) return;
  // The queued start notice may still be on its way when a short-lived
  // service has already gone: a service that ran counts as installed.
  const bool ran = m_serviceRan;
  m_serviceRan = false;
  if (!m_installed && !ran) return;
  if (m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 1) {
    qDebug() << Q_FUNC_INFO << "CrashService exited with code 1, assuming it is running";
    TP_LOG("CrashReporter::onCrashServiceStateChange", TP::Core::Logging::LevelInformation)
        << "CrashService exited with code 1, assuming it is running";
    return;
  }
  m_quickRestarts =
      m_runTime.isValid() && m_runTime.elapsed() < kQuickRunMs ? m_quickRestarts + 1 : 0;
  delete m_handler;
  m_handler = nullptr;
  if (m_quickRestarts > kMaxQuickRestarts) {
    TP_LOG("CrashReporter::onCrashServiceStateChange", TP::Core::Logging::LevelError)
        << "the crash service keeps stopping; crash reporting is off";
    m_installed = false;
    emit initError();
    return;
  }
  qDebug() << Q_FUNC_INFO << "crash service died, attempting restart";
  TP_LOG("CrashReporter::onCrashServiceStateChange", TP::Core::Logging::LevelWarning)
      << "crash service died, attempting restart";
  QTimer::singleShot(kRestartDelayMs, this, SLOT(startCrashService()));
}

void CrashReporter::onCrashServiceError(QProcess::ProcessError error) {
  qDebug() << Q_FUNC_INFO << "error: " << error;
  qDebug() << Q_FUNC_INFO << "output: " << m_process.readAll();
  qDebug() << Q_FUNC_INFO << "error string: " << m_process.errorString();
  qDebug() << Q_FUNC_INFO << "exit code: " << m_process.exitCode();
  qDebug() << Q_FUNC_INFO << "m_CrashServiceExe: " << m_CrashServiceExe;
  qDebug() << Q_FUNC_INFO
           << "QFileInfo(m_CrashServiceExe).exists(): " << QFileInfo::exists(m_CrashServiceExe);
  qDebug() << Q_FUNC_INFO << "QFileInfo(m_CrashServiceExe).isExecutable(): "
           << QFileInfo(m_CrashServiceExe).isExecutable();
  TP_LOG("CrashReporter::onCrashServiceError", TP::Core::Logging::LevelError)
      << "crash service error " << int(error) << ": " << m_process.errorString();
  // A service that crashed is started again by the state change that follows.
  if (error == QProcess::Crashed) return;
  m_installed = false;
  emit initError();
}

bool minidump_callback(const QString& dumpPath, const QString& minidumpId, void*, bool succeeded) {
  qDebug() << "minidump_callback";
  qDebug() << "path: " << dumpPath;
  qDebug() << "id: " << minidumpId;
  qDebug() << "succeeded: " << succeeded;
  if (succeeded) {
    qDebug() << "returning true";
  } else {
    qDebug() << "returning false, succeeded=" << 0;
  }
  return succeeded;
}
