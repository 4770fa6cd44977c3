#pragma once

#include "RAZ/Controllers/ChatInterface.h"

namespace RAZ {
namespace Controllers {

// The chat of an XMPP chat room, with where joining it stands.
class XmppChat : public ChatInterface {
  Q_OBJECT
  Q_PROPERTY(int state READ state NOTIFY stateChanged)

 public:
  enum State {
    StateIdle = 0,
    StateJoining = 1,
    StateJoined = 2,
    StateJoinFailed = 3,
    // A room the user has just created: it waits for its configuration.
    StateCreating = 4
  };
  Q_ENUM(State)

  XmppChat(const QString& roomJid, QObject* parent = nullptr)
      : ChatInterface(roomJid, true, parent) {}

  int state() const { return m_state; }
  void setState(int state) {
    if (state == m_state) return;
    m_state = state;
    emit stateChanged();
  }

 signals:
  void stateChanged();

 private:
  int m_state = StateIdle;
};

}  // namespace Controllers
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Controllers::XmppChat*)
