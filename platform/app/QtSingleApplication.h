#pragma once

#include <QApplication>
#include <QString>

class QLocalServer;
class QLockFile;

// One running instance per user and id: the first start owns a lock file and
// a local server; a later start finds the lock taken, hands its message to the
// running instance over a local socket and ends.
//
// Wire format of a message: a 32-bit big-endian byte count followed by the
// UTF-8 text; the receiver answers with one acknowledgement byte once it has
// emitted messageReceived, so sendMessage only reports success after delivery.
class QtSingleApplication : public QApplication {
  Q_OBJECT

 public:
  QtSingleApplication(const QString& id, int& argc, char** argv);
  ~QtSingleApplication() override;

  // True when another process holds the instance for this id.
  bool isRunning() const;

  // Delivers a message to the running instance; false when none answers in time.
  bool sendMessage(const QString& message, int timeoutMs);

  // The id the instance runs under: the constructor's id, unless the
  // environment variable ZENT_INSTANCE_ID or setIdOverride replaces it
  // (tests use that to keep clear of a running program).
  QString id() const;

  // Name of the local server for an id: per user, so two users never meet.
  static QString serverNameFor(const QString& id);

  // Replaces every id given to later constructors (tests); empty restores.
  static void setIdOverride(const QString& id);

  // Client side on its own, usable without an application object of this
  // class (tests speak to a running program this way).
  static bool sendMessageTo(const QString& serverName, const QString& message, int timeoutMs);

 signals:
  void messageReceived(const QString& message);

 private slots:
  void onNewConnection();

 private:
  void startServer();
  static QString effectiveId(const QString& id);

  QString m_id;
  QString m_serverName;
  QLockFile* m_lock = nullptr;
  QLocalServer* m_server = nullptr;
  bool m_running = false;
};
