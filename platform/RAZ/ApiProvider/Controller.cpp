#include "RAZ/ApiProvider/Controller.h"

#include <QStandardItemModel>

#include <TP/Core/Logging.h>

#include "RAZ/ApiProvider/ConnectorData.h"
#include "RAZ/Sessions/SessionManagerBase.h"

namespace RAZ {
namespace ApiProvider {

namespace {
QPointer<Controller> g_current;
}  // namespace

Controller::Controller(QObject* parent)
    : QObject(parent),
      m_addins(new QStandardItemModel(this)),
      m_connectors(new ConnectorModel(this)) {
  g_current = this;
}

Controller* Controller::current() { return g_current; }

Controller::~Controller() = default;

bool Controller::InitializeController() {
  m_controllerInitialized = true;
  TP_LOG("RAZ::ApiProvider::Controller::InitializeController", TP::Core::Logging::LevelInformation)
      << "Add-in interface started";
  return true;
}

bool Controller::Initialize(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                            RAZ::Sessions::SessionManagerBase* session,
                            const RAZ::Configuration::Config* config) {
  Q_UNUSED(config);
  if (!session || !contacts) {
    TP_LOG("RAZ::ApiProvider::Controller::Initialize", TP::Core::Logging::LevelWarning)
        << "Add-ins not bound: no " << (!session ? "session" : "contacts");
    return false;
  }
  m_session = session;
  m_contacts = contacts;
  return true;
}

void Controller::Uninitialize() {
  m_session = nullptr;
  m_contacts = nullptr;
}

QAbstractItemModel* Controller::getModel(int type) const {
  if (type == AddinsModel) return m_addins;
  if (type == ConnectorsModel) return m_connectors;
  return nullptr;
}

ConnectorData* Controller::addConnector(const QString& name, const QString& vendor,
                                        const QString& description, const QString& version) {
  auto* connector = new ConnectorData(name, vendor, description, version);
  m_connectors->append(connector);
  return connector;
}

void Controller::languageChanged() {}

void Controller::clearLogs() {}

void Controller::preferencesChanged() {}

}  // namespace ApiProvider
}  // namespace RAZ
