#pragma once

#include <QMetaType>
#include <QObject>
#include <QVariant>

namespace RAZ {
namespace Sessions {

// States of one connection of a session (SIP registration, XMPP, XSI).
class Session {
  Q_GADGET

 public:
  enum State {
    Idle = 0,
    Connecting = 1,
    Authenticating = 2,
    Reconnecting = 3,
    Active = 4,
    Closing = 5,
    Closed = 6,
    Failed = 7
  };
  Q_ENUM(State)
};

// One connection of a session: type 0 SIP, 1 XMPP, 2 XSI.
class SubSession : public QObject {
  Q_OBJECT

 public:
  enum Type { TypeSip = 0, TypeXmpp = 1, TypeXsi = 2 };

  explicit SubSession(int type, QObject* parent = nullptr) : QObject(parent), m_type(type) {}
  int type() const { return m_type; }
  // A connection the account does not use is disabled; nothing waits for it.
  bool enabled() const { return m_enabled; }
  void setEnabled(bool on) { m_enabled = on; }
  RAZ::Sessions::Session::State state() const { return m_state; }
  bool isConnected() const { return m_state == Session::Active; }
  void setState(RAZ::Sessions::Session::State state) {
    if (state == m_state) return;
    m_state = state;
    emit stateChanged(state);
    if (state == Session::Active)
      emit online();
    else if (state == Session::Closed || state == Session::Failed)
      emit offline();
  }

 signals:
  void stateChanged(RAZ::Sessions::Session::State state);
  void online();
  void offline();

 private:
  int m_type;
  bool m_enabled = true;
  RAZ::Sessions::Session::State m_state = Session::Idle;
};

// Ends what a session started when it closes (the platform's clean-up after
// the application has let go of the session's objects).
class SessionCloser : public QObject {
  Q_OBJECT

 public:
  explicit SessionCloser(QObject* parent = nullptr) : QObject(parent) {}
  int closedCount() const { return m_closed; }

 public slots:
  void cbSessionClosed() { ++m_closed; }

 private:
  int m_closed = 0;
};

// Delivers messages of the service to the main window (news, notices).
class MessagesSource : public QObject {
  Q_OBJECT

 public:
  explicit MessagesSource(QObject* parent = nullptr) : QObject(parent) {}

 signals:
  void messages(QVariant titles, QVariant texts);
};

}  // namespace Sessions
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Sessions::Session::State)
Q_DECLARE_METATYPE(const RAZ::Sessions::SubSession*)
