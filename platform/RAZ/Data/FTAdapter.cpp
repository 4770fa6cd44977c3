#include "RAZ/Data/FTAdapter.h"

#include <QTimer>

namespace RAZ {
namespace Data {

FTAdapter::FTAdapter(const QString& id, const QString& peerId, int direction,
                     const QString& fileName, qint64 fileSize, QObject* parent)
    : QObject(parent),
      m_id(id),
      m_peerId(peerId),
      m_time(QDateTime::currentDateTime()),
      m_fileName(fileName),
      m_direction(direction),
      m_fileSize(fileSize) {}

FTAdapter::~FTAdapter() = default;

void FTAdapter::setState(State state) {
  if (state == m_state) return;
  m_state = state;
  emit stateChanged(state);
}

void FTAdapter::setProgress(int percent) {
  m_percent = qBound(0, percent, 100);
  emit progressChanged(m_id, m_percent, m_fileSize * m_percent / 100);
}

void FTAdapter::accept(const QString& path) {
  if (path.isEmpty()) return;
  m_filePath = path;
  emit accepted(path);
}

void FTAdapter::cancel() {
  ++m_cancels;
  QTimer::singleShot(0, this, [this] {
    switch (m_state) {
      case StateSent:
      case StateCancelled:
      case StateFailed:
      case StateTimedOut:
      case StateEncryptionMismatch:
      case StateReceived:
        return;  // already over
      default:
        setState(StateCancelled);
    }
  });
}

}  // namespace Data
}  // namespace RAZ
