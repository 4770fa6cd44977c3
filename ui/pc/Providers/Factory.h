#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <tp/core/SharedPointer.h>

namespace RAZ {
namespace Actions {
class Action;
class ActionData;
class CallParkEnabler;
class ContactModificationEnabler;
class DeviceWatcher;
class DeviceWatcherEnabler;
class Enabler;
class Provider;
class SessionEnabler;
class Source;
class WebcollabEnabler;
}  // namespace Actions
namespace Contacts {
class Contacts;
class IContact;
}  // namespace Contacts
namespace Controllers {
class FtController;
class IChatController;
}  // namespace Controllers
namespace Sessions {
class SessionManagerBase;
}
namespace Utils {
class SipUriParser;
}
}  // namespace RAZ

namespace Dialogs {
class MessageWindow;
}

namespace Utils {
class AggregationEnabler;
class CommunicationsWindowManager;
class PresenceHelper;
}  // namespace Utils

namespace Providers {

class ConfigXML;
class MediaVolumeHelper;
class ProfilePictureHelper;

// The per-session hub between the platform's actions and the windows: it
// makes the action providers (with every enabler), carries out the actions
// that are not communications (favourites, contact cards, add, subscribe,
// removal, groups), asks the confirmations the platform wants, holds the
// session's helpers that windows publish to their scenes, and answers
// whether dialogs stay on top.
class Factory : public QObject {
  Q_OBJECT

 public:
  Factory(RAZ::Sessions::SessionManagerBase* session,
          RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
          Utils::CommunicationsWindowManager* commsWindowManager,
          RAZ::Controllers::FtController* fileTransferController,
          RAZ::Controllers::IChatController* sipChatController, QObject* parent = nullptr);
  ~Factory() override;

  // A new provider owned by `parent`, with the hub's enablers, dispatch and
  // confirmations; the caller sets its accepted actions and its source.
  RAZ::Actions::Provider* createActionProvider(QObject* parent);

  Utils::PresenceHelper* presenceHelper() const { return m_presenceHelper; }
  Providers::ConfigXML* configXml() const { return m_configXml; }
  Providers::ProfilePictureHelper* profilePictureHelper() const { return m_profilePictureHelper; }
  Providers::MediaVolumeHelper* mediaVolumeHelper() const { return m_mediaVolumeHelper; }
  Utils::AggregationEnabler* aggregationEnabler() const { return m_aggregationEnabler; }
  RAZ::Actions::WebcollabEnabler* webcollabEnabler() const { return m_webcollabEnabler; }
  RAZ::Actions::CallParkEnabler* callParkEnabler() const { return m_callParkEnabler; }
  RAZ::Actions::SessionEnabler* sessionEnabler() const { return m_sessionEnabler; }
  RAZ::Actions::ContactModificationEnabler* contactModificationEnabler() const {
    return m_contactModificationEnabler;
  }
  RAZ::Utils::SipUriParser* sipUriParser() const { return m_sipUriParser; }
  RAZ::Sessions::SessionManagerBase* session() const;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts() const { return m_contacts; }
  QHash<int, QObject*> contactCards() const { return m_contactCards; }

  bool isAlwaysOnTop() const;
  void setAlwaysOnTop(bool onTop);
  void showOutlookFirstRunDialog();
  bool isOutlookFirstRunNeeded() const;
  void syncContact(RAZ::Contacts::IContact* contact);
  void removeContact(RAZ::Contacts::IContact* contact);

  // The name shown in a deletion question: at most 30 characters and "...".
  static QString shownName(const QString& name);

 public slots:
  // Without arguments: a new conference contact ("Add Conference Contact").
  void showContactCard(bool conference = true, RAZ::Contacts::IContact* c = nullptr,
                       bool edit = false);
  void contactCardClosed(QObject* card);
  void cbGroupCommunicationError(int max, bool existingSession);
  void showOutlookAcceptanceDialog(bool available);
  void addToGroupTriggered();
  void removeFromGroupTriggered();
  void editGroupTriggered();
  void removeGroupTriggered();
  void removeGroupAccepted();
  void showProfilePhotosTriggered(bool show);

 signals:
  void confirmNewShare();
  void readyToProcessOutlook();
  void outlookFirstRunQueryAccepted();

 private slots:
  void onSupplementaryServicesReady();
  void onActionTriggered(RAZ::Actions::ActionData& data, RAZ::Actions::Source& source);
  void onActionConfirmationRequired(RAZ::Actions::Action& a);
  void onCallParkEnabled(const RAZ::Actions::Enabler* enabler);
  void onXmppConnectStateChanged();
  void onContactSynchronized();

 private:
  bool configFlag(int id) const;
  // Asks a Yes/No question about Outlook (%1 in `text`: the program's name);
  // each Outlook service there is hears the `answer` at `serviceSlot`.
  Dialogs::MessageWindow* askAboutOutlook(const QString& title, const QString& text,
                                          const char* answer, const char* serviceSlot);
  QList<RAZ::Contacts::IContact*> contactsOf(RAZ::Actions::Source& source) const;

  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  Providers::ConfigXML* m_configXml = nullptr;
  Providers::ProfilePictureHelper* m_profilePictureHelper = nullptr;
  Providers::MediaVolumeHelper* m_mediaVolumeHelper = nullptr;
  Utils::AggregationEnabler* m_aggregationEnabler = nullptr;
  QPointer<RAZ::Controllers::FtController> m_fileTransferController;
  Utils::PresenceHelper* m_presenceHelper = nullptr;
  QPointer<Utils::CommunicationsWindowManager> m_commsWindowManager;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  RAZ::Utils::SipUriParser* m_sipUriParser = nullptr;
  QHash<int, QObject*> m_contactCards;
  RAZ::Actions::SessionEnabler* m_sessionEnabler = nullptr;
  RAZ::Actions::DeviceWatcher* m_deviceWatcher = nullptr;
  RAZ::Actions::DeviceWatcherEnabler* m_deviceWatcherEnabler = nullptr;
  RAZ::Actions::WebcollabEnabler* m_webcollabEnabler = nullptr;
  RAZ::Actions::CallParkEnabler* m_callParkEnabler = nullptr;
  RAZ::Actions::ContactModificationEnabler* m_contactModificationEnabler = nullptr;
};

}  // namespace Providers
