#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

namespace RAZ {
namespace Data {

// One file transfer of a chat, sent or received.
class FTAdapter : public QObject {
  Q_OBJECT

 public:
  enum State {
    StateNone = 0,
    StateNew = 1,
    StatePreparing = 2,
    StateRequested = 3,
    StateNegotiating = 4,
    StateConnecting = 5,
    StateTransferring = 6,
    StateSent = 7,
    StateCancelled = 8,
    StateFailed = 9,
    StateTimedOut = 10,
    StateOffered = 12,
    StateResuming = 14,
    StateEncryptionMismatch = 18,
    StateReceived = 19
  };
  Q_ENUM(State)
  enum Direction { Receiving = 0, Sending = 1 };

  FTAdapter(const QString& id, const QString& peerId, int direction, const QString& fileName,
            qint64 fileSize, QObject* parent = nullptr);
  ~FTAdapter() override;

  QString getId() const { return m_id; }
  QString getPeerId() const { return m_peerId; }
  QDateTime getTime() const { return m_time; }
  RAZ::Data::FTAdapter::State getState() const { return m_state; }
  QString getFileName() const { return m_fileName; }
  QString getFilePath() const { return m_filePath; }
  int getDirection() const { return m_direction; }
  int getPercent() const { return m_percent; }
  qint64 getFileSize() const { return m_fileSize; }
  bool isValid() const { return m_valid; }
  // Why the transfer failed, when the service knows (e.g. the system's
  // reason a received file could not be stored); empty otherwise.
  QString getError() const { return m_error; }
  int cancelCount() const { return m_cancels; }

  // --- Service side ---
  void setTime(const QDateTime& time) { m_time = time; }
  void setFilePath(const QString& path) { m_filePath = path; }
  void setValid(bool valid) { m_valid = valid; }
  void setError(const QString& error) { m_error = error; }
  // Changes the state and reports it (nothing when unchanged).
  void setState(RAZ::Data::FTAdapter::State state);
  // Moves the progress and reports it (percent limited to 0..100).
  void setProgress(int percent);

 public slots:
  // Cancels a transfer that has not ended; the state change follows from
  // the event loop.
  void cancel();
  // The user chose where a received file goes: the transfer runs into it.
  void accept(const QString& path);

 signals:
  void accepted(const QString& path);
  void stateChanged(RAZ::Data::FTAdapter::State state);
  void progressChanged(QString id, int percent, qint64 bytes);

 private:
  QString m_id;
  QString m_peerId;
  QDateTime m_time;
  RAZ::Data::FTAdapter::State m_state = StateNew;
  QString m_fileName;
  QString m_filePath;
  QString m_error;
  int m_direction;
  int m_percent = 0;
  qint64 m_fileSize;
  bool m_valid = true;
  int m_cancels = 0;
};

}  // namespace Data
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Data::FTAdapter::State)
Q_DECLARE_METATYPE(RAZ::Data::FTAdapter*)
