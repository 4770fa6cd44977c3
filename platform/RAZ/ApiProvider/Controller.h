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

class ConnectorData;
class ConnectorModel;

// The add-in interface: local programs that drive the client. The add-ins
// model (kind 0) lists the installed add-ins; the connector model (kind 1)
// those waiting for the user's decision (ConnectorData rows; none until the
// service announces one).
class Controller : public QObject {
  Q_OBJECT

 public:
  enum ModelType { AddinsModel = 0, ConnectorsModel = 1 };

  explicit Controller(QObject* parent = nullptr);
  ~Controller() override;
  // The add-in interface made last, while it is there (else null): where
  // the service's add-ins announce themselves.
  static Controller* current();

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
  // An add-in asks to connect (the service announces it).
  RAZ::ApiProvider::ConnectorData* addConnector(const QString& name, const QString& vendor,
                                                const QString& description, const QString& version);

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
  RAZ::ApiProvider::ConnectorModel* m_connectors;
  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
};

}  // namespace ApiProvider
}  // namespace RAZ
