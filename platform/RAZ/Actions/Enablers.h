#pragma once

#include <QObject>
#include <QPointer>

#include "RAZ/Actions/Enabler.h"
#include "RAZ/Sessions/Session.h"

namespace RAZ {
namespace Configuration {
class Config;
}
namespace MediaEngine {
class IMediaHandlerVideo;
}
namespace Sessions {
class SessionManagerBase;
}
namespace Actions {

// Communications need the session: none while it reconnects or while the
// connection they run on (SIP for calls, XMPP for chats) is down.
class SessionEnabler : public Enabler {
  Q_OBJECT

 public:
  explicit SessionEnabler(const RAZ::Configuration::Config* config, QObject* parent = nullptr);
  bool isEnabled(RAZ::Actions::Action::Id id) const override;

 public slots:
  void subSessionStateChanged(RAZ::Sessions::SessionManagerBase* session,
                              const RAZ::Sessions::SubSession* subSession,
                              RAZ::Sessions::Session::State state);
  void reconnectionStateChanged(RAZ::Sessions::SessionManagerBase* session, bool reconnecting);

 private:
  const RAZ::Configuration::Config* m_config;
  bool m_reconnecting = false;
  bool m_sipUp = true;
  bool m_xmppUp = true;
};

// Watches the cameras of the video handler.
class DeviceWatcher : public QObject {
  Q_OBJECT

 public:
  explicit DeviceWatcher(RAZ::MediaEngine::IMediaHandlerVideo* video, QObject* parent = nullptr);
  bool deviceFound() const;

 public slots:
  // The system's devices changed (the demo service reports it).
  void check();

 signals:
  void deviceChanged(bool found);

 private:
  QPointer<RAZ::MediaEngine::IMediaHandlerVideo> m_video;
  bool m_found = false;
};

// Video calls need a camera.
class DeviceWatcherEnabler : public Enabler {
  Q_OBJECT

 public:
  explicit DeviceWatcherEnabler(QObject* parent = nullptr) : Enabler(parent) {}
  void init(bool found) { m_found = found; }
  bool isEnabled(RAZ::Actions::Action::Id id) const override {
    return id != RAZ::Actions::Action::VideoCall || m_found;
  }

 public slots:
  void cbDeviceChanged(bool found);

 private:
  bool m_found = false;
};

// A read-only contact list cannot be changed: no favourites, edits, adds or
// removals.
class ContactModificationEnabler : public Enabler {
  Q_OBJECT

 public:
  explicit ContactModificationEnabler(QObject* parent = nullptr) : Enabler(parent) {}
  void init(bool readOnly) { m_readOnly = readOnly; }
  bool isEnabled(RAZ::Actions::Action::Id id) const override;

 public slots:
  void contactsReadOnlyChanged(bool readOnly);

 private:
  bool m_readOnly = false;
};

// Desktop sharing needs the web-collaboration service.
class WebcollabEnabler : public Enabler {
  Q_OBJECT

 public:
  explicit WebcollabEnabler(QObject* webcollabController, QObject* parent = nullptr)
      : Enabler(parent), m_controller(webcollabController) {}
  bool isEnabled(RAZ::Actions::Action::Id id) const override {
    return id != RAZ::Actions::Action::DesktopShare || m_controller;
  }
  // Whether the service refused the user's share credentials, or could not
  // be reached; each change is announced by enable().
  bool hasAuthorizationFailed() const { return m_authorizationFailed; }
  bool hasConnectionFailed() const { return m_connectionFailed; }

 private:
  QPointer<QObject> m_controller;
  bool m_authorizationFailed = false;
  bool m_connectionFailed = false;
};

// Call parking needs the telephony service's XSI interface. The service's
// feature codes: a call to the retrieve code takes back a parked call, one
// to the pull code takes over a call from the user's other device.
class CallParkEnabler : public Enabler {
  Q_OBJECT

 public:
  explicit CallParkEnabler(QObject* xsiEngine, QObject* parent = nullptr)
      : Enabler(parent), m_xsi(xsiEngine) {}
  bool isEnabled(RAZ::Actions::Action::Id id) const override {
    return id != RAZ::Actions::Action::ParkCall || m_xsi;
  }
  Q_INVOKABLE QString getRetrieveCallParkCode() const { return QStringLiteral("*88"); }
  Q_INVOKABLE QString getCallPullCode() const { return QStringLiteral("*11"); }

 private:
  QPointer<QObject> m_xsi;
};

}  // namespace Actions
}  // namespace RAZ
