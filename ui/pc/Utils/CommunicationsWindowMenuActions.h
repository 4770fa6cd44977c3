#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <tp/core/SharedPointer.h>

class QAction;
class QMenu;

namespace QML {
class CommunicationsWindow;
}
namespace RAZ {
namespace Configuration {
class Config;
}
namespace Contacts {
class Contacts;
}
namespace Controllers {
class CommsSessionController;
class CommunicationSession;
}  // namespace Controllers
}  // namespace RAZ

namespace Utils {
namespace Actions {

// The menu entries of one communications window: ending, muting and holding
// the call, conference and transfer targets, parking, recording, the own
// video, the chat history, room editing, the party's contact entries and
// the window's own entries. Every entry is kept (by a small id) and follows
// the session and its call, so texts and enabled states are current when a
// menu shows them; the main window's active-communications menu borrows
// entries too.
class CommunicationsWindowMenuActions : public QObject {
  Q_OBJECT

 public:
  enum Entry {
    End = 0,
    Mute = 1,
    Hold = 2,
    ConferenceWith = 3,
    ConferenceNew = 4,
    TransferTo = 5,
    TransferNew = 6,
    Park = 7,
    Record = 8,
    RecordToggle = 9,
    RecordStop = 10,
    OwnVideo = 11,
    DeleteHistory = 12,
    EditRoom = 13,
    JoinRoom = 14,
    ViewProfile = 15,
    AddContact = 16,
    EditProfile = 17,
    ShowWindow = 18,
    HideWindow = 19,
    AlwaysOnTop = 20
  };

  CommunicationsWindowMenuActions(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                                  RAZ::Controllers::CommsSessionController* comms,
                                  QML::CommunicationsWindow* window, QObject* parent = nullptr);
  ~CommunicationsWindowMenuActions() override;

  QAction* action(int id) const { return m_actions.value(id); }
  // A new parentless options menu; the caller owns it.
  QMenu* createOptionsMenu();
  // The conference and transfer headers with their target submenus (owned
  // by `parent`), for the session's call.
  QList<QAction*> customActions(QObject* parent, RAZ::Controllers::CommunicationSession* session);
  void connectCallSignals();

  // The text of the recording entry for a call's recording state (CallBasePtr::RecordingState)
  // and the session's record mode.
  static QString recordingText(bool hasCall, int recordingState, int recordMode);

 public slots:
  void sessionStateChanged(RAZ::Controllers::CommunicationSession* session, uint oldState,
                           uint newState, bool incoming);
  void refreshChatSpecificActions();
  void refreshCallSpecificActions();
  void refreshContactSpecificActions();
  void holdTriggered();
  void muteMicrophoneTriggered();
  void endCommunicationsTriggered();
  void deleteHistoryTriggered();

 signals:
  void deleteChatHistory();

 protected:
  bool event(QEvent* event) override;

 private slots:
  void editRoomTriggered();
  void recordTriggered();
  void recordStopTriggered();
  void conferenceNewTriggered();
  void transferNewTriggered();
  void parkTriggered();

 private:
  QAction* add(int id);
  void createContactActions();
  // The window's own Share Desktop (Stop Share Desktop while it runs), made
  // for one menu; null when the session offers none.
  QAction* createShareAction(QMenu* menu);
  void setTexts();
  QString endText() const;
  bool configFlag(int id) const;
  QString configText(int id) const;

  QPointer<QML::CommunicationsWindow> m_window;
  QMap<int, QAction*> m_actions;
  QPointer<RAZ::Controllers::CommunicationSession> m_session;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  QPointer<RAZ::Controllers::CommsSessionController> m_comms;
  const RAZ::Configuration::Config* m_config = nullptr;
  QMenu* m_recordMenu = nullptr;
};

}  // namespace Actions

// Adds participants to a session once the user has said yes; a "no" (or a
// question closed unanswered) drops them. One per question, deleted by
// whoever asked.
class DelayedAddParticipant : public QObject {
  Q_OBJECT

 public:
  explicit DelayedAddParticipant(QObject* parent = nullptr);

  void setSession(RAZ::Controllers::CommunicationSession* session);
  void setParticipants(const QString& participants);
  void setParticipants(const QStringList& participants);
  RAZ::Controllers::CommunicationSession* session() const;
  QString participants() const { return m_participants; }

 public slots:
  void addParticipants();
  void abort();

 signals:
  void participantsAdded();
  void aborted();

 private:
  // Guarded: the session may end while the question is open.
  QPointer<RAZ::Controllers::CommunicationSession> m_session;
  QString m_participants;
};

}  // namespace Utils
