#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace Crash {
class ExceptionHandler;
}

// Arranges that a crash of the program leaves a report: writes the crash-info
// file that describes the running program, keeps the crash service running
// beside the program (restarting it when it dies), and installs the crash
// handler once the service runs.
class CrashReporter : public QObject {
  Q_OBJECT
 public:
  explicit CrashReporter(QObject* parent = nullptr);
  ~CrashReporter() override;

  void setCrashReporterExe(const QString& path) { m_crashReporterExe = path; }
  void setVersion(const QString& version) { m_version = version; }
  void setRestartCommand(const QString& executable, const QStringList& arguments);

  // The user's data folder: the crash-info file, the reports ("crashes")
  // and the logs ("logs") are found there. Defaults to the application's
  // writable data location.
  void setDataFolder(const QString& folder);
  QString dataFolder() const { return m_dataFolder; }
  QString infoFilePath() const;
  QString reportFolder() const;

  // Starts the crash service; the handler follows once it runs
  // (initSuccess() or initError()). False when already installed.
  bool installExceptionHandler(const QString& crashServiceExe);

  bool isInstalled() const { return m_installed; }

  // "%04d%02d%02d%05d" of the build date and the version's last dotted part.
  static QString buildId(const QString& version);
  // The language the crash reporter's dialog speaks after a crash: the
  // interface language, told whenever it is chosen or changed.
  static void setLanguage(const QString& code);

 signals:
  void initError();
  void initSuccess();

 public slots:
  void startCrashService();
  void onCrashServiceStarted();
  void onCrashServiceError(QProcess::ProcessError error);
  void onCrashServiceStateChange(QProcess::ProcessState state);

 private:
  bool writeInfoFile();
  void removeInfoLeftovers() const;

  Crash::ExceptionHandler* m_handler;
  QProcess m_process;
  QString m_CrashServiceExe;
  QString m_crashReporterExe;
  QString m_version;
  QString m_restartExecutable;
  QString m_restartArguments;
  bool m_installed;

  QString m_dataFolder;
  bool m_infoFilePending = false;
  bool m_serviceRan = false;
  int m_quickRestarts = 0;
  QElapsedTimer m_runTime;
};

// Called after a crash has been handed to the crash service; logs the outcome.
bool minidump_callback(const QString& dumpPath, const QString& minidumpId, void* context,
                       bool succeeded);
