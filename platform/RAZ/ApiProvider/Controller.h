#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include "RAZ/Actions/Action.h"
#include "RAZ/Contacts/Contacts.h"

class QAbstractItemModel;
class QStandardItemModel;

namespace RAZ {
namespace Configuration {
class Config;
}
namespace Sessions {
class SessionManagerBase;
}

namespace ApiProvider {

// The add-in interface: local programs that drive the client. The demo
// installation has no add-ins, so the add-ins model (kind 0) is an empty
// list and there is no connector model (kind 1 gives null): the "New
// Add-ins" window is never created.
class Controller : public QObject {
  Q_OBJECT

 public:
  enum ModelType { AddinsModel = 0, ConnectorsModel = 1 };

  explicit Controller(QObject* parent = nullptr);
  ~Controller() override;

  // Starts the add-in interface; true when it runs.
  bool InitializeController();
  bool isControllerInitialized() const { return m_controllerInitialized; }

  // Binds the add-ins to a signed-in session; false without a session or
  // without its contacts manager.
  bool Initialize(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                  RAZ::Sessions::SessionManagerBase* session,
                  const RAZ::Configuration::Config* config);
  void Uninitialize();
  bool isInitialized() const { return !m_session.isNull(); }

  // The model of the kind, owned by the controller, or null.
  QAbstractItemModel* getModel(int type) const;

  void languageChanged();
  void clearLogs();

 public slots:
  void preferencesChanged();

 signals:
  void showClientWindowCommand();
  void createCall(const QList<RAZ::Contacts::ContactPtr>& contacts,
                  RAZ::Contacts::Properties::Key key, RAZ::Actions::Action::Id action);
  void createChat(const QList<RAZ::Contacts::ContactPtr>& contacts);
  void createMyRoomSession(RAZ::Contacts::Const::ContactPtr owner, const QString& reason);
  void createWebCollabSession(const QStringList& participants);
  void setPresence(int presence);
  void setFreeText(QString text);
  void callVoicemail();

 private:
  bool m_controllerInitialized = false;
  QStandardItemModel* m_addins;
  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
};

}  // namespace ApiProvider
}  // namespace RAZ
