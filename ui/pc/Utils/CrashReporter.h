#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// Arranges that a crash of the program is reported by the crash service
// beside it: writes the crash-info file, starts the service with the
// program's process id and name, and restarts a service that dies.
//
// First version: process handling and the crash-info file; the in-process
// handler that hands a crash to the service arrives with the crash service.
class CrashReporter : public QObject {
  Q_OBJECT

 public:
  explicit CrashReporter(QObject* parent = nullptr);
  ~CrashReporter() override;

  void setCrashReporterExe(const QString& path) { m_crashReporterExe = path; }
  void setVersion(const QString& version) { m_version = version; }
  void setRestartCommand(const QString& executable, const QStringList& arguments);
  bool installExceptionHandler(const QString& crashServiceExe);

  bool isInstalled() const { return m_installed; }

  // The crash-info file: per user (the user's runtime folder), never a
  // fixed path shared by every user of the machine.
  static QString crashInfoPath();
  static void setCrashInfoPathOverride(const QString& path);
  // "BuildID" of the crash-info file for a version.
  static QString buildId(const QString& version);

 signals:
  void initError();
  void initSuccess();

 public slots:
  // Invokable slots: the process and the restart timer reach them by name.
  void startCrashService();
  void onCrashServiceStarted();
  void onCrashServiceError(QProcess::ProcessError error);
  void onCrashServiceStateChange(QProcess::ProcessState state);

 private:
  bool writeCrashInfo() const;

  bool m_handler = false;
  QProcess m_process;
  QString m_CrashServiceExe;
  QString m_crashReporterExe;
  QString m_version;
  QString m_restartExecutable;
  QStringList m_restartArguments;
  bool m_installed = false;
};
