#include "Utils/CrashReporter.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
QString g_infoOverride;
}

CrashReporter::CrashReporter(QObject* parent) : QObject(parent) {}

CrashReporter::~CrashReporter() {
  m_process.disconnect();
  if (m_process.state() != QProcess::NotRunning) {
    m_process.terminate();
    if (!m_process.waitForFinished(2000)) m_process.kill();
    m_process.waitForFinished(1000);
  }
  m_handler = false;
  if (m_installed || QFileInfo::exists(crashInfoPath())) QFile::remove(crashInfoPath());
}

void CrashReporter::setCrashInfoPathOverride(const QString& path) { g_infoOverride = path; }

QString CrashReporter::crashInfoPath() {
  if (!g_infoOverride.isEmpty()) return g_infoOverride;
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) {
#ifdef Q_OS_UNIX
    dir = QDir::tempPath() + QStringLiteral("/zent-") + QString::number(::getuid());
#else
    dir = QDir::tempPath() + QStringLiteral("/zent");
#endif
  }
  return dir + QStringLiteral("/zent.info");
}

QString CrashReporter::buildId(const QString& version) {
  const int number = version.section(QLatin1Char('.'), -1).toInt();
  return QString::asprintf("%04d%02d%02d%05d", 2014, 9, 17, number);
}

void CrashReporter::setRestartCommand(const QString& executable, const QStringList& arguments) {
  m_restartExecutable = executable;
  m_restartArguments = arguments;
}

bool CrashReporter::writeCrashInfo() const {
  const QString path = crashInfoPath();
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  QByteArray text;
  text += "ProductName=Bramblex\n";
  text += "BuildID=" + buildId(m_version).toUtf8() + "\n";
  text += "Version=" + m_version.toUtf8() + "\n";
  text += "RestartExecutable=" + m_restartExecutable.toUtf8() + "\n";
  text += "CrashReporterExe=" + m_crashReporterExe.toUtf8() + "\n";
  file.write(text);
  return file.commit();
}

bool CrashReporter::installExceptionHandler(const QString& crashServiceExe) {
  qDebug() << Q_FUNC_INFO << "crashServiceExe: " << crashServiceExe;
  if (m_handler || m_installed) {
    qDebug() << Q_FUNC_INFO << "already installed";
    emit initError();
    return false;
  }
  m_CrashServiceExe = crashServiceExe;
  writeCrashInfo();  // best effort
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
    emit initError();
    return;
  }
  m_process.disconnect();
  connect(&m_process, SIGNAL(started()), this, SLOT(onCrashServiceStarted()), Qt::QueuedConnection);
  connect(&m_process, SIGNAL(errorOccurred(QProcess::ProcessError)), this,
          SLOT(onCrashServiceError(QProcess::ProcessError)));
  connect(&m_process, SIGNAL(stateChanged(QProcess::ProcessState)), this,
          SLOT(onCrashServiceStateChange(QProcess::ProcessState)));
  // The program path is given as it is: quoting it would make the quotes
  // part of the file name here.
  m_process.start(m_CrashServiceExe,
                  {QString::number(QCoreApplication::applicationPid()), QCoreApplication::applicationName()},
                  QIODevice::ReadWrite);
}

void CrashReporter::onCrashServiceStarted() {
  m_handler = true;
  m_installed = true;
  qDebug() << Q_FUNC_INFO << "Installed Breakpad exception handler.";
  emit initSuccess();
}

void CrashReporter::onCrashServiceStateChange(QProcess::ProcessState state) {
  qDebug() << Q_FUNC_INFO << "state: " << state;
  if (!m_installed || state != QProcess::NotRunning) return;
  if (m_process.exitCode() == 1) {
    qDebug() << Q_FUNC_INFO << "CrashService exited with code 1, assuming it is running";
    return;
  }
  qDebug() << Q_FUNC_INFO << "crash service died, attempting restart";
  m_handler = false;
  QTimer::singleShot(1000, this, SLOT(startCrashService()));
}

void CrashReporter::onCrashServiceError(QProcess::ProcessError error) {
  qDebug() << Q_FUNC_INFO << "error: " << error << "output: " << m_process.readAll()
           << "error string: " << m_process.errorString() << "exit code: " << m_process.exitCode()
           << "m_CrashServiceExe: " << m_CrashServiceExe
           << "QFileInfo(m_CrashServiceExe).exists(): " << QFileInfo(m_CrashServiceExe).exists()
           << "QFileInfo(m_CrashServiceExe).isExecutable(): " << QFileInfo(m_CrashServiceExe).isExecutable();
  m_installed = false;
  emit initError();
}
