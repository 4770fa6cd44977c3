#pragma once

#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>

#include "RAZ/Actions/ActionData.h"

class QAction;

namespace RAZ {
namespace Actions {

class Provider;

// A platform action: one operation the user can run from a menu, with its
// state. Menus show it through QActions linked to it; its provider decides
// whether it applies to the current source and whether the enablers allow it.
class Action : public QObject {
  Q_OBJECT
  Q_PROPERTY(int id READ getId CONSTANT)
  Q_PROPERTY(bool enabled READ isEnabled NOTIFY changed)

 public:
  // Platform action ids: 1 chat, 2 call, 3 call from phone, 4 video call,
  // 5 desktop share, 6 join room, 8 e-mail, 9 set as favourite, 10 remove
  // from favourites, 11 view profile, 12 edit profile, 13 add contact,
  // 14 subscribe, 15 unsubscribe, 16 remove, 17 call park, 18/19 parked-call
  // retrieval, 20 call pull, 21 test call, 22 end all calls, 23 end chats,
  // 24 conference, 25 transfer.
  using Id = int;

  explicit Action(Id id, QObject* parent = nullptr);

  Id getId() const { return m_id; }
  // Enabled: not switched off, offered by the provider's source (when it has
  // one) and allowed by every enabler.
  bool isEnabled() const;
  // Allowed by every enabler of the provider, whatever the source offers.
  bool isEnabledByEnablers() const;
  void setEnabled(bool enabled);
  bool isVisible() const { return m_visible; }
  void setVisible(bool visible);
  // What the current source offers for this action (numbers as sub-actions).
  RAZ::Actions::ActionData getActionData() const;
  // Links a QAction (not owned) so that triggering it runs this action.
  bool linkQAction(QAction* action);

  // True for the actions that start, change or end a communication; the
  // communication-session controller carries those out.
  static bool isCommunicationAction(Id id);

 public slots:
  // Runs the action; after a confirmation was asked, runs what was asked.
  void trigger();
  // Drops an action that waited for a confirmation.
  void reject();

 signals:
  void changed();
  void rejected();

 private:
  friend class Provider;
  Id m_id;
  bool m_enabled = true;
  bool m_visible = true;
  QPointer<RAZ::Actions::Provider> m_provider;
  bool m_pending = false;
  RAZ::Actions::ActionData m_pendingData;
};

}  // namespace Actions
}  // namespace RAZ
