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
  // Platform action ids. The numbers are the platform's own: they travel as
  // plain ints through ActionData, QAction data and the add-in interface, so a
  // value never changes. Scenes read them as Action.Chat and the like.
  enum Id : int {
    Chat = 1,
    Call = 2,
    CallFromPhone = 3,
    VideoCall = 4,
    DesktopShare = 5,
    JoinRoom = 6,
    FileTransfer = 7,
    Email = 8,
    SetFavourite = 9,
    RemoveFavourite = 10,
    ViewProfile = 11,
    EditProfile = 12,
    AddContact = 13,
    Subscribe = 14,
    Unsubscribe = 15,
    Remove = 16,
    ParkCall = 17,
    RetrieveParkedCallHere = 18,
    RetrieveParkedCallOnPhone = 19,
    PullCall = 20,
    TestCall = 21,
    EndAllCalls = 22,
    EndChats = 23,
    Conference = 24,
    Transfer = 25
  };
  Q_ENUM(Id)

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
  static bool isCommunicationAction(int id);

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
