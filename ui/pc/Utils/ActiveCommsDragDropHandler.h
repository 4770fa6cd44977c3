#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <tp/core/SharedPointer.h>

namespace Dialogs {
class MessageWindow;
}
namespace RAZ {
namespace Contacts {
class Contacts;
}
namespace Controllers {
class CommsSessionController;
class CommunicationSession;
}  // namespace Controllers
}  // namespace RAZ

namespace Utils {

class CommunicationSessionUiHelper;

// Adds the dragged parties to a group session once the user agrees; held
// while the question is open and dropped when the question goes away
// unanswered.
class DelayedAddParticipant : public QObject {
  Q_OBJECT

 public:
  DelayedAddParticipant(RAZ::Controllers::CommunicationSession* target, const QString& items,
                        QObject* parent);

 public slots:
  void addParticipants();
  void abort();

 signals:
  void aborted();

 private:
  QPointer<RAZ::Controllers::CommunicationSession> m_target;
  QString m_items;
  bool m_done = false;
};

// Decides what a drop of contacts or of an active communication onto
// another active communication of the main window does: whether the list
// may accept it while the user drags, and on drop either invites the
// dragged contacts at once (several items) or asks whether to transfer the
// dragged call to the target's party or to merge both into a conference
// (one item). The QML list calls the slots; every identifier in the item
// text is checked again at the drop, so a stale or made-up text does
// nothing the drag could not have done.
//
// Items travel as decimal contact identifiers joined by ","; for an active
// communication the identifier also names its session in the controller.
class ActiveCommsDragDropHandler : public QObject {
  Q_OBJECT

 public:
  // What a drop carries: one or several items, contacts or an active
  // communication.
  enum DropKind { OneSession = 1, OneContact = 2, SeveralSessions = 3, SeveralContacts = 4 };

  ActiveCommsDragDropHandler(RAZ::Controllers::CommsSessionController* controller,
                             RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                             bool transferAllowed, QObject* parent = nullptr);
  ~ActiveCommsDragDropHandler() override;

  static DropKind dropKind(const QString& items, bool isContacts);
  // The open transfer-or-conference question, if any.
  Dialogs::MessageWindow* question() const { return m_question; }

 public slots:
  bool checkDropAllowed(RAZ::Controllers::CommunicationSession* target, const QString& items,
                        bool isContacts);
  void handleDropOnActiveComm(RAZ::Controllers::CommunicationSession* target, const QString& items,
                              bool isContacts);
  QString mergeSelections(const QString& a, const QString& b);
  void transferButtonClicked(const QString& mapping);
  void conferenceButtonClicked(const QString& mapping);
  // QML passes sessions as plain objects.
  bool checkDropAllowed(QObject* target, const QString& items, bool isContacts);
  void handleDropOnActiveComm(QObject* target, const QString& items, bool isContacts);

 private:
  bool sessionDropAllowed(RAZ::Controllers::CommunicationSession* target, int draggedId) const;
  void singleDrop(RAZ::Controllers::CommunicationSession* target, const QString& items);
  RAZ::Controllers::CommunicationSession* sessionOf(const QString& id) const;
  // The two sessions named by a mapping "target,dragged"; false unless both
  // parts are identifiers of running sessions.
  bool sessionsOf(const QString& mapping, RAZ::Controllers::CommunicationSession** first,
                  RAZ::Controllers::CommunicationSession** second) const;

  QPointer<RAZ::Controllers::CommsSessionController> m_controller;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  CommunicationSessionUiHelper* m_uiHelper;
  bool m_transferAllowed;
  QPointer<Dialogs::MessageWindow> m_question;
};

}  // namespace Utils
