#include "RAZ/ApiProvider/Controller.h"

#include <QStandardItemModel>

#include <TP/Core/Logging.h>

#include "RAZ/Sessions/SessionManagerBase.h"

namespace RAZ {
namespace ApiProvider {

Controller::Controller(QObject* parent)
    : QObject(parent), m_addins(new QStandardItemModel(this)) {}

Controller::~Controller() = default;

bool Controller::InitializeController() {
  m_controllerInitialized = true;
  TP_LOG("RAZ::ApiProvider::Controller::InitializeController", 2) << "Add-in interface started";
  return true;
}

bool Controller::Initialize(RAZ::Sessions::SessionManagerBase* session,
                            const RAZ::Configuration::Config* config) {
  if (!session) return false;
  m_session = session;
  return true;
}

void Controller::Uninitialize() { m_session = nullptr; }

QAbstractItemModel* Controller::getModel(int type) const {
  return type == AddinsModel ? m_addins : nullptr;
}

void Controller::languageChanged() {}

void Controller::clearLogs() {}

void Controller::preferencesChanged() {}

}  // namespace ApiProvider
}  // namespace RAZ
