#pragma once

#include <QObject>
#include <QStringList>

namespace RAZ {
namespace Webcollab {

// A web-collaboration (screen sharing) of a communication session.
class WebcollabBase : public QObject {
  Q_OBJECT
  Q_PROPERTY(int state READ state NOTIFY stateChanged)

 public:
  enum State {
    StateIdle = 0,
    StateInvited = 1,
    StateConnecting = 2,
    StateActive = 3,
    StateClosed = 4
  };
  Q_ENUM(State)

  explicit WebcollabBase(const QStringList& participants, QObject* parent = nullptr);

  int state() const { return m_state; }
  void setState(int state);
  QStringList participants() const { return m_participants; }
  // Capability tags of the peers that this client does not support.
  Q_INVOKABLE QStringList getMismatchedTags() const { return m_mismatched; }
  void setMismatchedTags(const QStringList& tags);
  // Removes a participant by nickname; false when there is none.
  bool removeParticipant(const QString& nickname);

 signals:
  void stateChanged();
  void mismatchChanged();

 private:
  int m_state = StateIdle;
  QStringList m_participants;
  QStringList m_mismatched;
};

}  // namespace Webcollab
}  // namespace RAZ
