#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <tp/core/SharedPointer.h>

namespace RAZ {
namespace Contacts {
class Contacts;
}
}  // namespace RAZ

namespace Utils {

// The short texts lists and window titles show for a communication session:
// its title, a one-line status tip and the text of a call state. Scenes
// reach it as the property commsSessionUiHelper of their window.
class CommunicationSessionUiHelper : public QObject {
  Q_OBJECT

 public:
  CommunicationSessionUiHelper(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                               QObject* parent = nullptr);

  // The call-park enabler whose codes name the retrieval and pull calls.
  // It answers getRetrieveCallParkCode() and getCallPullCode(); held guarded.
  void setCallParkEnabler(QObject* enabler);

 public slots:
  QString getFormCommunicationTitle(QObject* session);
  QString getCommunicationStatusTip(QObject* session);
  QString getCallStateText(int state);

 private:
  QString callParkCode(const char* getter) const;

  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  QPointer<QObject> m_callParkEnabler;
};

}  // namespace Utils
