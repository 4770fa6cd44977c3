#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <tp/core/SharedPointer.h>

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
}  // namespace Contacts
namespace Controllers {
class FtController;
class IChatController;
}  // namespace Controllers
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ

namespace Utils {
class AggregationEnabler;
class CommunicationsWindowManager;
class PresenceHelper;
}  // namespace Utils

namespace Providers {

// The per-session hub between the platform's actions and the windows: it
// makes the action providers, carries out the actions that are not
// communications (favourites, contact cards, removal), holds the session's
// helpers (presence, aggregation) and answers whether dialogs stay on top.
class Factory : public QObject {
  Q_OBJECT

 public:
  Factory(RAZ::Sessions::SessionManagerBase* session,
          RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
          Utils::CommunicationsWindowManager* commsWindowManager,
          RAZ::Controllers::FtController* fileTransferController,
          RAZ::Controllers::IChatController* sipChatController, QObject* parent = nullptr);
  ~Factory() override;

  RAZ::Actions::Provider* createActionProvider(RAZ::Actions::Source* source);

  Utils::PresenceHelper* presenceHelper() const { return m_presenceHelper; }
  Utils::AggregationEnabler* aggregationEnabler() const { return m_aggregationEnabler; }
  RAZ::Sessions::SessionManagerBase* session() const;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts() const { return m_contacts; }
  QHash<int, QObject*> contactCards() const { return m_contactCards; }

  bool isAlwaysOnTop() const;
  void setAlwaysOnTop(bool onTop);
  void showOutlookFirstRunDialog();
  void removeContact(RAZ::Contacts::IContact* contact);

  // The name shown in a deletion question: at most 30 characters and "...".
  static QString shownName(const QString& name);

 public slots:
  void showContactCard(bool conference = false, RAZ::Contacts::IContact* c = nullptr,
                       bool edit = false);
  void contactCardClosed(QObject* card);
  void cbGroupCommunicationError(int max, bool existingSession);
  void showProfilePhotosTriggered(bool show);

 signals:
  void confirmNewShare();
  void readyToProcessOutlook();
  void outlookFirstRunQueryAccepted();

 private slots:
  void onActionTriggered(RAZ::Actions::ActionData& data, RAZ::Actions::Source& source);
  void onActionConfirmationRequired(RAZ::Actions::Action& a);
  void onXmppConnectStateChanged();

 private:
  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  Utils::AggregationEnabler* m_aggregationEnabler = nullptr;
  QPointer<RAZ::Controllers::FtController> m_fileTransferController;
  Utils::PresenceHelper* m_presenceHelper = nullptr;
  QPointer<Utils::CommunicationsWindowManager> m_commsWindowManager;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  QHash<int, QObject*> m_contactCards;
  bool m_showProfilePictures = true;
};

}  // namespace Providers
