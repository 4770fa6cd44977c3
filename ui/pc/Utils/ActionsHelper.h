#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <tp/core/SharedPointer.h>

class QAction;
class QMenu;

namespace RAZ {
namespace Actions {
class Action;
class ActionData;
class Provider;
class Source;
}  // namespace Actions
namespace Contacts {
class Contacts;
class IContact;
class IGroup;
}  // namespace Contacts
namespace Controllers {
class CommsSessionController;
}
}  // namespace RAZ

namespace Utils {

// Turns the platform's actions into menu entries: decides which actions are
// offered, gives each its text (the one text table of the program for
// platform action ids), adds a submenu of numbers where an action has
// several, the contact-group entries of group menus, and links every entry
// to its platform action. Short-lived: built for one menu; the menus and
// entries it makes are parentless or owned by the given parents.
class ActionsHelper : public QObject {
  Q_OBJECT

 public:
  ActionsHelper(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                QObject* groupReceiver);
  ActionsHelper(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                RAZ::Controllers::CommsSessionController* comms, QObject* groupReceiver);

  // The entry text of an action id. Inside a communication the texts of
  // chat, call, video and desktop sharing say whether they add the kind or
  // end it, as the provider's session has it active or not. Ids without a
  // text give an empty string.
  static QString actionText(int id, RAZ::Actions::Provider* provider, bool inCommunication);
  // Whether the communication kind (1 chat, 2 call, 4 video, 5 web
  // collaboration) is active in `object`, when it is a communication session.
  static bool isSessionKindActive(int kind, QObject* object);
  // Whether the action's kind is active in the one session behind the
  // provider's source.
  static bool isActionActive(int id, RAZ::Actions::Provider* provider);
  // The label of a number kind (property 13 work, 14 mobile, 15 personal,
  // 16 extension, 39 conference); empty for any other property.
  static QString numberLabel(int propertyType);
  static QString phoneEntryText(const RAZ::Actions::ActionData& subAction,
                                RAZ::Contacts::IContact* contact);
  static QAction* createActionById(int id, RAZ::Actions::Provider* provider, QObject* parent,
                                   bool inCommunication);

  QAction* createAction(const RAZ::Actions::Action* action, RAZ::Actions::Provider* provider,
                        QObject* parent, bool inCommunication);
  QMenu* createMenu(RAZ::Actions::Provider* provider);
  QMenu* createContextMenu(RAZ::Actions::Provider* provider, QList<QAction*>* extra,
                           bool communicationOnly, bool communicationOrProfile,
                           bool inCommunication, int* separatorIndex);
  QMenu* createGroupMenu(RAZ::Actions::Provider* provider);
  QList<QAction*> createGroupActions(RAZ::Contacts::IGroup* group, QObject* parent);

 private:
  bool hasActiveCall(int id, RAZ::Actions::Source* source) const;
  void addNumberSubmenu(QAction* qaction, const RAZ::Actions::Action* action,
                        RAZ::Actions::Provider* provider);

  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  QPointer<RAZ::Controllers::CommsSessionController> m_comms;
  QPointer<QObject> m_groupReceiver;
};

}  // namespace Utils
