#include "Models/LeftPaneButtonsModel.h"

#include <QDesktopServices>

#include <RAZ/Configuration/Config.h>
#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include "Utils/ConfigIds.h"

namespace Models {

namespace {

namespace ConfigId = Utils::ConfigId;

const char kLastViewKey[] = "mainWindow/leftpane";

}  // namespace

LeftPaneButtonsModel::LeftPaneButtonsModel(const RAZ::Configuration::Config* config,
                                           QObject* parent)
    : QAbstractListModel(parent) {
  if (!config) return;
  auto addButton = [&](int type, int orderId, const char* name) {
    m_buttons.append({type, config->getInt(orderId, 0), QString::fromLatin1(name)});
  };
  addButton(ContactsButton, ConfigId::ContactsOrder, "contacts");
  if (config->getBool(ConfigId::MyRoom) || config->getBool(ConfigId::ProjectRooms))
    addButton(RoomsButton, ConfigId::RoomsOrder, "rooms");
  addButton(HistoryButton, ConfigId::HistoryOrder, "history");
  addButton(DialpadButton, ConfigId::DialpadOrder, "dialpad");
  if (config->getBool(ConfigId::Directory))
    addButton(DirectoryButton, ConfigId::DirectoryOrder, "directory");
  if (config->getBool(ConfigId::ExternalResourceButton))
    addButton(WebButton, ConfigId::WebOrder, "webbutton");

  QString last = RAZ::Settings(RAZ::Settings::User).value(QLatin1String(kLastViewKey)).toString();
  if (last.isEmpty()) last = config->getString(ConfigId::DefaultView);
  for (const Button& button : qAsConst(m_buttons))
    if (button.name == last) m_lastActiveView = button.type;
}

int LeftPaneButtonsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_buttons.size();
}

QVariant LeftPaneButtonsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() < 0 || index.row() >= m_buttons.size()) return QVariant();
  const Button& button = m_buttons.at(index.row());
  switch (role) {
    case Qt::DisplayRole:
      switch (button.type) {
        case ContactsButton:
          return QStringLiteral("qrc:/windows/MainWindow/lp_contacts");
        case RoomsButton:
          return QStringLiteral("qrc:/windows/MainWindow/lp_ownroom");
        case HistoryButton:
          return QStringLiteral("qrc:/windows/MainWindow/lp_history");
        case DialpadButton:
          return QStringLiteral("qrc:/windows/MainWindow/lp_dialpad");
        case DirectoryButton:
          return QStringLiteral("qrc:/windows/MainWindow/lp_directory");
        default:
          return QStringLiteral("qrc:/windows/MainWindow/lp_extapp");
      }
    case Qt::ToolTipRole:
      switch (button.type) {
        case ContactsButton:
          return tr("Contacts");
        case HistoryButton:
          return tr("Communication History");
        case DialpadButton:
          return tr("Dialpad");
        case DirectoryButton:
          return tr("Directory");
        default:
          return QString();
      }
    case ButtonTypeRole:
      return button.type;
    case OrderRole:
      return button.order;
    default:
      return QVariant();
  }
}

QHash<int, QByteArray> LeftPaneButtonsModel::roleNames() const {
  QHash<int, QByteArray> roles = QAbstractListModel::roleNames();
  roles.insert(ButtonTypeRole, "buttonType");
  return roles;
}

void LeftPaneButtonsModel::setLastActiveView(int type) {
  for (const Button& button : qAsConst(m_buttons)) {
    if (button.type != type) continue;
    RAZ::Settings(RAZ::Settings::User).setValue(QLatin1String(kLastViewKey), button.name);
    return;
  }
}

}  // namespace Models

namespace Utils {

ExternalResourceButtonHelper::ExternalResourceButtonHelper(const RAZ::Configuration::Config* config,
                                                           QObject* parent)
    : QObject(parent) {
  if (!config) return;
  m_enabled = config->getBool(ConfigId::ExternalResourceButton);
  m_tooltip = config->getString(ConfigId::ExternalResourceTooltip);
  m_link = QUrl::fromUserInput(config->getString(ConfigId::ExternalResourceLink));
  if (!m_link.isValid() || m_link.isEmpty()) m_enabled = false;
}

void ExternalResourceButtonHelper::openLink() {
  if (!m_enabled) return;
  TP_LOG("Utils::ExternalResourceButtonHelper::openLink", TP::Core::Logging::LevelInformation)
      << "Opening the provider's page";
  QDesktopServices::openUrl(m_link);
}

}  // namespace Utils
