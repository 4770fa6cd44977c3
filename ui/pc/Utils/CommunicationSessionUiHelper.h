#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <tp/core/SharedPointer.h>

namespace RAZ {
namespace Contacts {
class Contacts;
}
namespace Sessions {
class SubSession;
}
}  // namespace RAZ

namespace Utils {

// The short texts lists and window titles show for a communication session:
// its title, a one-line status tip and the text of a call state. Scenes
// reach it as the property commsSessionUiHelper of their window.
class CommunicationSessionUiHelper : public QObject {
  Q_OBJECT
  // False while the calls' service is lost: a call that still stands reads
  // so, not as active. Scenes read it with each call state text.
  Q_PROPERTY(bool callsAvailable READ callsAvailable NOTIFY callsAvailableChanged)

 public:
  CommunicationSessionUiHelper(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                               QObject* parent = nullptr);

  // The call-park enabler whose codes name the retrieval and pull calls.
  // It answers getRetrieveCallParkCode() and getCallPullCode(); held guarded.
  void setCallParkEnabler(QObject* enabler);
  // The calls' part of the session (none: calls count as available).
  void setCallService(RAZ::Sessions::SubSession* calls);
  bool callsAvailable() const;

 signals:
  void callsAvailableChanged();

 public slots:
  QString getFormCommunicationTitle(QObject* session);
  QString getCommunicationStatusTip(QObject* session);
  QString getCallStateText(int state);

 private:
  QString callParkCode(const char* getter) const;

  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  QPointer<QObject> m_callParkEnabler;
  QPointer<RAZ::Sessions::SubSession> m_callService;
};

}  // namespace Utils
