#pragma once

#include <QPointer>

#include "libqml/window/View.h"

namespace QML {

// The panel over a communications window: the contact list for transfer,
// call park or adding participants, and the attention states of the call or
// share. It shows itself while one of those applies and its window shows.
class CommunicationOverlay : public View {
  Q_OBJECT
  Q_PROPERTY(bool addParticipantsVisible READ addParticipantsVisible WRITE setAddParticipantsVisible
                 NOTIFY addParticipantsVisibleChanged)
  Q_PROPERTY(bool callTransferVisible READ callTransferVisible WRITE setCallTransferVisible NOTIFY
                 callTransferVisibleChanged)
  Q_PROPERTY(bool callParkVisible READ callParkVisible WRITE setCallParkVisible NOTIFY
                 callParkVisibleChanged)

 public:
  // The call state that asks for the user's attention, and the share state.
  static const int AttentionCallState = 12;
  static const int AttentionShareState = 4;

  CommunicationOverlay(QObject* session, QWidget* parent);

  bool addParticipantsVisible() const { return m_addParticipantsVisible; }
  void setAddParticipantsVisible(bool on);
  bool callTransferVisible() const { return m_callTransferVisible; }
  void setCallTransferVisible(bool on);
  bool callParkVisible() const { return m_callParkVisible; }
  void setCallParkVisible(bool on);

  // What the last check found (also for the scene).
  bool attention() const { return m_attention; }

 public slots:
  void checkIfNeedsToBeVisible();
  void closeContactList();
  void transferCallTriggered();
  void callParkTriggered();
  void addParticipantsTriggered();

 signals:
  void addParticipantsVisibleChanged();
  void callTransferVisibleChanged();
  void callParkVisibleChanged();

 private:
  QObject* webCollab() const;
  bool shareInvitationOrphan() const;
  bool mismatchedTags(QObject* webCollab) const;
  // Gives the scene the keyboard, now or once its window holds the focus.
  void takeKeyboard();

  QPointer<QObject> m_session;
  bool m_addParticipantsVisible = false;
  bool m_callTransferVisible = false;
  bool m_callParkVisible = false;
  bool m_attention = false;
  bool m_panelsOpen = false;
  bool m_keyboardPending = false;
};

}  // namespace QML
