#pragma once

#include <QList>
#include <QPointer>

#include <functional>

class MediaEngineConfigurator;

namespace RAZ {
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ

namespace QML {
class CallSettings;
class MainWindow;
class PresenceRequestDialog;
}  // namespace QML

namespace Providers {
class Factory;
}

namespace Utils {
class CommunicationsWindowManager;
class ExternalServiceVerification;
namespace ContactNotification {
class ContactOnlinePlayer;
}
}  // namespace Utils

class SessionScope;

// One member of a session scope: holds one object, guarded, and deletes it
// when the member ends. Untyped, so the scope can list and end its members.
class SessionObjectBase {
 public:
  SessionObjectBase(const SessionObjectBase&) = delete;
  SessionObjectBase& operator=(const SessionObjectBase&) = delete;

  // The object held, or null when none was made, it was given up, or someone
  // else deleted it (a window the user closed).
  QObject* object() const { return m_guard.data(); }

  // Gives the object up without deleting it now, for an object that may be
  // the sender of the signal being handled: a window hides at once, and the
  // object goes once control is back in the event loop. The member is empty
  // from then on.
  void dropLater();

 protected:
  explicit SessionObjectBase(SessionScope* scope);
  // Deletes the object still held, at once.
  ~SessionObjectBase();

  // Holds `object`; an object held before (another one) is deleted.
  void hold(QObject* object);

 private:
  QPointer<QObject> m_guard;
};

template <typename T>
class SessionObject : public SessionObjectBase {
 public:
  explicit SessionObject(SessionScope* scope) : SessionObjectBase(scope) {}

  T* get() const { return object() ? m_object : nullptr; }
  T* operator->() const { return get(); }
  operator T*() const { return get(); }

  // Takes `object` into the scope and returns it.
  T* reset(T* object) {
    hold(object);
    m_object = object;
    return object;
  }

 private:
  T* m_object = nullptr;
};

// The objects of one signed-in session, owned in one place.
//
// Application::cbSessionOpened starts a scope when the platform reports an
// open session and fills it while it wires the session: each object goes
// into its member as soon as it is made. Application::cbSessionClosed ends
// the scope when the platform reports the session's end (a scope still open
// at exit ends in ~Application). A scope ends on the GUI thread, from the
// event loop, never inside a handler of one of its own objects.
//
// Ending a scope runs, in this order:
//  1. the undo steps registered with atEnd(), the last registered first. They
//     cut what ties the longer-lived objects (the tray, the menu actions, the
//     application) to the session's objects, while all of those still exist;
//  2. the deletion of every object still held, at once, member by member
//     from the last declared to the first (the C++ order of member
//     destruction). An object may rely on the members declared above it
//     while it is destroyed; none may rely on those below it.
//
// While a scope ends, the application no longer answers with it: its
// accessors return null from the first undo step on.
//
// The scope deletes only what its members hold. The session object and its
// controllers are the platform's: the platform deletes them after
// sessionClosed has been delivered, so after the scope has ended. An object
// that may be the sender of the signal being handled (the main window's own
// Sign Out, the address verification's failure) is given up early with
// SessionObjectBase::dropLater.
//
// A new per-session object is one new member, declared where its order of
// destruction belongs; its accessor on the application reads the member.
class SessionScope {
 private:
  // Before the members: they register here as they are built, and the list
  // outlives them.
  friend class SessionObjectBase;
  QList<SessionObjectBase*> m_members;
  QList<std::function<void()>> m_undoSteps;

 public:
  SessionScope();
  ~SessionScope();
  SessionScope(const SessionScope&) = delete;
  SessionScope& operator=(const SessionScope&) = delete;

  // Runs `undo` when the scope ends, before any of its objects goes.
  void atEnd(std::function<void()> undo);

  // The objects held now, in the order of declaration.
  QList<QObject*> objects() const;

  // The platform's session once the application has taken it as its own
  // (never for a call-settings-only session). Watched, never deleted here.
  QPointer<RAZ::Sessions::SessionManagerBase> sessionManager;

  // Declared in the reverse of the order in which they go: the call-settings
  // window, the main window and the address verification first (they use
  // the rest), then the action hub, the communications window manager, the
  // contact-online player, the media-engine configurator and the
  // presence-request window.
  SessionObject<QML::PresenceRequestDialog> presenceRequestDialog{this};
  SessionObject<MediaEngineConfigurator> mediaEngineConfigurator{this};
  SessionObject<Utils::ContactNotification::ContactOnlinePlayer> contactOnlinePlayer{this};
  SessionObject<Utils::CommunicationsWindowManager> commsWindowManager{this};
  SessionObject<Providers::Factory> factory{this};
  SessionObject<Utils::ExternalServiceVerification> serviceVerification{this};
  SessionObject<QML::MainWindow> mainWindow{this};
  // The only window of a call-settings-only session.
  SessionObject<QML::CallSettings> callSettings{this};
};
