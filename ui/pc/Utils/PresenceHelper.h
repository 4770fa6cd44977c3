#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>

#include <memory>

#include <RAZ/Utils/Location.h>

#include "dialogs/LocationPublish.h"

class QMenu;

namespace RAZ {
namespace Presence {
class PresenceData;
}
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ

namespace Utils {

// One entry of the availability menu; its data is the presence state it sets.
class PresenceAction : public QAction {
  Q_OBJECT
  Q_PROPERTY(QVariant data READ data NOTIFY changed)

 public:
  PresenceAction(int state, const QIcon& icon, QObject* parent = nullptr);
};

// The user's own presence and location for one session: the availability
// menu, the texts of presence states, and when and what location is
// published (asking the user with the location dialog when the network
// changed).
class PresenceHelper : public QObject {
  Q_OBJECT
  Q_PROPERTY(QMenu* menu READ getMenu CONSTANT)

 public:
  PresenceHelper(RAZ::Presence::PresenceData* presence, QObject* parent = nullptr);
  ~PresenceHelper() override;

  QMenu* getMenu() const { return m_menu; }
  // The text of a presence state (empty outside 0..19).
  static QString textForState(int state);
  // Offline mode: the user published Offline on purpose, so the chat
  // service being out of reach is no fault (false without a session).
  static bool isOfflineMode(const RAZ::Sessions::SessionManagerBase* session);
  Dialogs::LocationPublish* locationDialog() const { return m_locationDialog; }

  void showLocationPublishDialog();
  void setAlwaysOnTop(bool onTop);
  void setLocation(const RAZ::Utils::Location::Info& info);

  Q_INVOKABLE void cbXsiLocationReceived(const RAZ::Utils::Location::Info& info);
  Q_INVOKABLE void cbXmppLocationReceived(const RAZ::Utils::Location::Info& info);
  Q_INVOKABLE void cbSetLocation(const RAZ::Utils::Location::Info& info, bool dontAskAgain,
                                 bool accepted);

  bool event(QEvent* e) override;

 public slots:
  QString availabilityText(int state);
  void actionTriggered(QAction* action);
  // Checks the menu entry of the user's presence.
  void markCurrentState();
  void sessionReconnectionStateChanged(RAZ::Sessions::SessionManagerBase* session,
                                       bool reconnected);

 signals:
  void ownLocationChanged();
  void locationsReceived(const RAZ::Utils::Location::Info& xsi,
                         const RAZ::Utils::Location::Info& xmpp);
  // The location question has gone: a window that waits for the user
  // may come forward again.
  void locationQuestionClosed();

 private:
  void buildMenu();
  void retranslate();
  void handleLocation();

  QPointer<RAZ::Presence::PresenceData> m_presence;
  QMenu* m_menu = nullptr;
  QPointer<Dialogs::LocationPublish> m_locationDialog;
  bool m_handled = false;
  std::unique_ptr<RAZ::Utils::Location::Info> m_xsiLocation;
  std::unique_ptr<RAZ::Utils::Location::Info> m_xmppLocation;
};

}  // namespace Utils
