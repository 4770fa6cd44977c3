#pragma once

#include <QObject>
#include <QString>

#include "RAZ/Presence/PresenceState.h"
#include "RAZ/Utils/Location.h"

namespace RAZ {
namespace Presence {

// Presence of one contact (or of the user): a state of the presence model
// (RAZ::Presence::PresenceState::State),
// a status text, an avatar and, for the user, the published location.
class PresenceData : public QObject {
  Q_OBJECT
  Q_PROPERTY(int state READ state NOTIFY presenceChanged)
  Q_PROPERTY(bool online READ online NOTIFY presenceChanged)
  Q_PROPERTY(QString statusText READ statusText NOTIFY statusTextChanged)
  Q_PROPERTY(QString avatarPath READ avatarPath NOTIFY avatarChanged)

 public:
  explicit PresenceData(int state = PresenceState::Offline, QObject* parent = nullptr);

  int state() const { return m_state; }
  bool online() const { return PresenceState::isOnline(m_state); }
  QString statusText() const { return m_statusText; }
  QString avatarPath() const { return m_avatarPath; }
  RAZ::Utils::Location::Info getLocationInfo() const { return m_location; }

  // Sets state and text as received from the service (no publishing).
  void setReceived(int state, const QString& statusText);

 public slots:
  // Publishes the user's own state; a number outside the model is refused (logged).
  void publishInternalPresence(int state);
  void publishInternalPresence(int state, bool manual);
  void setStatusText(const QString& text);
  void setAvatarPath(const QString& path);
  void setLocation(const RAZ::Utils::Location::Info& info);

 signals:
  void presenceChanged();
  void statusTextChanged();
  void avatarChanged();
  void locationChanged();

 private:
  int m_state;
  QString m_statusText;
  QString m_avatarPath;
  RAZ::Utils::Location::Info m_location;
};

}  // namespace Presence
}  // namespace RAZ
