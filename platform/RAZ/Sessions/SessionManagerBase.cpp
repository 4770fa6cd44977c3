#include "RAZ/Sessions/SessionManagerBase.h"

#include "RAZ/Controllers/Search/ContactSearch.h"
#include "RAZ/Controllers/Search/LdapContactSearch.h"
#include "RAZ/Controllers/SecurityClassificationController.h"

#include "RAZ/Models/Timeline.h"

#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Controllers/CommsSessionController.h"
#include "RAZ/Controllers/CommunicationSession.h"
#include "RAZ/Controllers/FtController.h"
#include "RAZ/Controllers/IChatController.h"
#include "RAZ/Controllers/MyRoomController.h"
#include "RAZ/Controllers/Search/ContactSearch.h"
#include "RAZ/Controllers/XmppChatController.h"
#include "RAZ/MediaEngine/CallBasePtr.h"
#include "RAZ/MediaEngine/CallControllerBase.h"
#include "RAZ/Services/Xmpp/XmppService.h"
#include "RAZ/Utils/Location.h"
#include "RAZ/Xsi/GranitewayAnywhere.h"
#include "RAZ/Xsi/SimultaneousRing.h"
#include "RAZ/Xsi/SupplementaryServices.h"
#include "RAZ/Xsi/XsiCallHistory.h"
#include "RAZ/Xsi/XsiComponent.h"
#include "RAZ/Xsi/XsiCredentialsControl.h"

namespace RAZ {
namespace Sessions {

SessionManagerBase::SessionManagerBase(const RAZ::Configuration::Config* config, QObject* parent)
    : QObject(parent), m_config(config) {
  registerMetaTypes();
}

SessionManagerBase::~SessionManagerBase() = default;

void SessionManagerBase::registerMetaTypes() {
  qRegisterMetaType<RAZ::Sessions::State>("RAZ::Sessions::State");
  qRegisterMetaType<RAZ::Sessions::Error>("RAZ::Sessions::Error");
  qRegisterMetaType<RAZ::Sessions::SessionManagerBase*>("RAZ::Sessions::SessionManagerBase*");
  qRegisterMetaType<RAZ::Sessions::Session::State>("RAZ::Sessions::Session::State");
  qRegisterMetaType<const RAZ::Sessions::SubSession*>("const RAZ::Sessions::SubSession*");
  qRegisterMetaType<RAZ::Utils::Location::Info>("RAZ::Utils::Location::Info");
  qRegisterMetaType<RAZ::Xsi::XsiErrorInfo>("RAZ::Xsi::XsiErrorInfo");
  qRegisterMetaType<RAZ::Xsi::XsiComponent::Error>("RAZ::Xsi::XsiComponent::Error");
  qRegisterMetaType<RAZ::Controllers::SupplementaryService>(
      "RAZ::Controllers::SupplementaryService");
  qRegisterMetaType<RAZ::Controllers::CallInfoList>("RAZ::Controllers::CallInfoList");
  qRegisterMetaType<RAZ::Contacts::ContactPtr>("RAZ::Contacts::ContactPtr");
  qRegisterMetaType<RAZ::Contacts::Const::ContactPtr>("RAZ::Contacts::Const::ContactPtr");
  qRegisterMetaType<QList<RAZ::Contacts::ContactPtr>>("QList<RAZ::Contacts::ContactPtr>");
  qRegisterMetaType<RAZ::Contacts::Properties::Key>("RAZ::Contacts::Properties::Key");
  qRegisterMetaType<RAZ::Controllers::CommunicationSession*>(
      "RAZ::Controllers::CommunicationSession*");
  qRegisterMetaType<RAZ::MediaEngine::CallBasePtr*>("RAZ::MediaEngine::CallBasePtr*");
  qRegisterMetaType<RAZ::MediaEngine::CallBasePtr::CallState>(
      "RAZ::MediaEngine::CallBasePtr::CallState");
}

RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> SessionManagerBase::contactsManager() const {
  return RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>(m_contacts.data());
}
RAZ::Controllers::Search::ContactSearch* SessionManagerBase::contactSearchController() const {
  return m_search;
}

RAZ::Controllers::Search::XsiContactFullSearch* SessionManagerBase::contactFullSearchController()
    const {
  return m_fullSearch;
}

RAZ::Controllers::Search::OutlookContactSearch* SessionManagerBase::outlookContactSearchController()
    const {
  return m_outlookSearch;
}

RAZ::Controllers::Search::LdapContactSearch* SessionManagerBase::ldapContactSearchController()
    const {
  return m_ldapSearch;
}
RAZ::Controllers::IChatController* SessionManagerBase::sipChatController() const {
  return m_sipChat;
}
RAZ::Controllers::XmppChatController* SessionManagerBase::xmppChatController() const {
  return m_xmppChat;
}
RAZ::Controllers::MyRoomController* SessionManagerBase::myroomController() const {
  return m_myRoom;
}

RAZ::Services::Xmpp::XmppService* SessionManagerBase::xmppService() const { return m_xmppService; }
RAZ::Xsi::XsiEngine* SessionManagerBase::xsiEngine() const { return m_xsiEngine; }
RAZ::MediaEngine::CallControllerBase* SessionManagerBase::callController() const { return m_calls; }
RAZ::Xsi::XsiCredentialsControl* SessionManagerBase::xsiCredentialsControl() const {
  return m_xsiCredentials;
}
RAZ::Controllers::FtController* SessionManagerBase::ftController() const { return m_ft; }

RAZ::Controllers::SecurityClassificationController*
SessionManagerBase::securityClassificationController() const {
  return m_securityClassification;
}
RAZ::Models::CallLog* SessionManagerBase::callLog() const { return m_callLog; }
RAZ::Controllers::XsiCallHistory* SessionManagerBase::xsiCallHistoryController() const {
  return m_callHistory;
}

RAZ::Controllers::CommsSessionController* SessionManagerBase::commsSessionController() const {
  return m_comms;
}
RAZ::Controllers::XsiSupplementaryServicesController2*
SessionManagerBase::xsiSupplementaryServicesController() const {
  return m_supplementaryServices;
}
RAZ::Controllers::GranitewayAnywhereController* SessionManagerBase::granitewayAnywhereController()
    const {
  return m_anywhere;
}
RAZ::Controllers::SimultaneousRingController* SessionManagerBase::simultaneousRingController()
    const {
  return m_simultaneousRing;
}
RAZ::Utils::Location::Publisher* SessionManagerBase::locationPublisher() const {
  return m_publisher;
}
QList<RAZ::Utils::Location::Source*> SessionManagerBase::locationSources() const {
  QList<RAZ::Utils::Location::Source*> result;
  for (const auto& source : m_locationSources)
    if (source) result.append(source.data());
  return result;
}
RAZ::Sessions::SessionCloser* SessionManagerBase::sessionClosingObject() const { return m_closer; }

RAZ::Sessions::SubSession* SessionManagerBase::subSession(int type) const {
  for (const auto& sub : m_subSessions)
    if (sub && sub->type() == type) return sub.data();
  return nullptr;
}

void SessionManagerBase::setState(RAZ::Sessions::State state) {
  if (state == m_state) return;
  m_state = state;
  emit stateChange(this, state);
}

void SessionManagerBase::setReconnecting(bool on) {
  if (on == m_reconnecting) return;
  m_reconnecting = on;
  emit reconnectionStateChanged(this, on);
  if (!on) emit reconnectingFinished();
}

void SessionManagerBase::setParts(const Parts& parts) {
  m_kind = parts.kind;
  m_ownAddress = parts.ownAddress;
  m_contacts = parts.contacts;
  m_search = parts.search;
  m_fullSearch = parts.fullSearch;
  m_outlookSearch = parts.outlookSearch;
  m_ldapSearch = parts.ldapSearch;
  m_sipChat = parts.sipChat;
  m_xmppChat = parts.xmppChat;
  m_myRoom = parts.myRoom;
  m_xmppService = parts.xmppService;
  m_xsiEngine = parts.xsiEngine;
  m_calls = parts.calls;
  m_xsiCredentials = parts.xsiCredentials;
  m_ft = parts.ft;
  m_securityClassification = parts.securityClassification;
  m_comms = parts.comms;
  m_supplementaryServices = parts.supplementaryServices;
  m_anywhere = parts.anywhere;
  m_simultaneousRing = parts.simultaneousRing;
  m_publisher = parts.publisher;
  m_locationSources.clear();
  for (auto* source : parts.locationSources) m_locationSources.append(source);
  m_closer = parts.closer;
  m_messages = parts.messages;
  m_callLog = parts.callLog;
  m_callHistory = parts.callHistory;
  m_subSessions.clear();
  for (auto* sub : parts.subSessions) {
    m_subSessions.append(sub);
    connect(sub, &SubSession::stateChanged, this, &SessionManagerBase::onSubSessionStateChanged);
  }
}

void SessionManagerBase::onSubSessionStateChanged(RAZ::Sessions::Session::State state) {
  const auto* sub = qobject_cast<const SubSession*>(sender());
  if (sub) emit subSessionStateChanged(this, sub, state);
}

}  // namespace Sessions
}  // namespace RAZ
