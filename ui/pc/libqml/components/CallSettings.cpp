#include "libqml/components/CallSettings.h"

#include <QEvent>
#include <QKeyEvent>
#include <QQmlContext>
#include <QQuickItem>
#include <QTimer>

#include <RAZ/Configuration/Config.h>
#include <RAZ/Xsi/GranitewayAnywhere.h>
#include <RAZ/Xsi/SimultaneousRing.h>
#include <TP/Core/Logging.h>

#include "Utils/CallSettingsInput.h"
#include "Utils/ConfigIds.h"
#include "Utils/StringHelper.h"
#include "libqml/window/View.h"

namespace QML {

using RAZ::Controllers::SupplementaryService;

// ---------------------------------------------------------------------------

CallSettingsTabDetail::CallSettingsTabDetail(CallSettings* window, QObject* parent)
    : QObject(parent), m_window(window) {
  TP_LOG("QML::CallSettingsTabDetail::CallSettingsTabDetail", TP::Core::Logging::LevelInformation)
      << "CallSettingsTabDetail instantiated with controller";
}

void CallSettingsTabDetail::setTabTitle(const QString& title) {
  if (title == m_title) return;
  m_title = title;
  emit tabTitleChanged();
}

void CallSettingsTabDetail::setTabType(TabType type) {
  if (type != m_type) m_type = type;
}

// ---------------------------------------------------------------------------

int CallSettingsTabDetailList::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_tabs.size();
}

QVariant CallSettingsTabDetailList::data(const QModelIndex& index, int role) const {
  CallSettingsTabDetail* tab = index.isValid() ? at(index.row()) : nullptr;
  if (!tab) return QVariant();
  switch (role) {
    case TabTitleRole:
      return tab->tabTitle();
    case TabTypeRole:
      return int(tab->tabType());
    case TabObjectRole:
      return QVariant::fromValue<QObject*>(tab);
    default:
      return QVariant();
  }
}

QHash<int, QByteArray> CallSettingsTabDetailList::roleNames() const {
  return {{TabTitleRole, "tabTitle"},
          {TabTypeRole, "tabType"},
          {TabObjectRole, "callSettingsTabObject"}};
}

bool CallSettingsTabDetailList::removeRows(int row, int count, const QModelIndex& parent) {
  if (parent.isValid() || count <= 0 || row < 0 || row + count > m_tabs.size()) return false;
  beginRemoveRows(parent, row, row + count - 1);
  QList<QPointer<CallSettingsTabDetail>> gone = m_tabs.mid(row, count);
  m_tabs.erase(m_tabs.begin() + row, m_tabs.begin() + row + count);
  endRemoveRows();
  // The scene may still hold the removed tabs for a moment.
  for (const auto& tab : gone)
    if (tab) tab->deleteLater();
  return true;
}

void CallSettingsTabDetailList::append(CallSettingsTabDetail* tab) {
  tab->setParent(this);
  const int row = m_tabs.size();
  beginInsertRows(QModelIndex(), row, row);
  m_tabs.append(tab);
  endInsertRows();
  emit dataChanged(index(row), index(row), {});
}

CallSettingsTabDetail* CallSettingsTabDetailList::at(int row) const {
  return row >= 0 && row < m_tabs.size() ? m_tabs.at(row).data() : nullptr;
}

// ---------------------------------------------------------------------------

CallSettings::CallSettings(RAZ::Sessions::SessionManagerBase* session, bool alwaysOnTop,
                           QWidget* parent)
    : Window(alwaysOnTop, parent), m_session(session) {
  setObjectName(QStringLiteral("callSettings"));
  if (m_session && m_session->configuration())
    m_answerConfirmationSupported =
        m_session->configuration()->value(Utils::ConfigId::XsiVersion).toString() !=
        QLatin1String("v1.0");
  setResizable(false);
  setTitle(tr("Call Settings"));

  m_tabs = new CallSettingsTabDetailList(this);
  rebuildTabs();

  QQmlContext* context = view()->rootContext();
  context->setContextProperty(QStringLiteral("dialog"), this);
  if (m_session) {
    if (auto* c = m_session->xsiSupplementaryServicesController())
      context->setContextProperty(QStringLiteral("ss_ctrl2"), c);
    if (auto* c = m_session->granitewayAnywhereController())
      context->setContextProperty(QStringLiteral("gw_controller"), c);
    if (auto* c = m_session->simultaneousRingController())
      context->setContextProperty(QStringLiteral("sim_ring_controller"), c);
  }
  context->setContextProperty(QStringLiteral("menuHeaders"), m_tabs);

  loadScene();

  closeOnKeys(CloseKeys::CtrlWAndEscape);
}

CallSettings::~CallSettings() {
  // The scene goes while the window it reads is still whole.
  deleteScene();
}

RAZ::Controllers::XsiSupplementaryServicesController2* CallSettings::xsi() const {
  return m_session ? m_session->xsiSupplementaryServicesController() : nullptr;
}

void CallSettings::loadScene() {
  if (auto* controller = xsi()) {
    if (!controller->isReady()) controller->fetchServicesList();
    connect(controller, SIGNAL(fetchFailed(RAZ::Xsi::XsiComponent::Error, RAZ::Xsi::XsiErrorInfo)),
            this, SLOT(onFetchFailed(RAZ::Xsi::XsiComponent::Error, RAZ::Xsi::XsiErrorInfo)));
    connect(controller, SIGNAL(servicesReady()), this, SLOT(onSupplementaryServicesReady()));
    controller->resetServices();
  }
  const bool loaded = setSource(QStringLiteral("qrc:/windows/CallSettings/SettingsDialog.qml"));
  QQuickItem* root = view()->rootObject();
  if (loaded && root) {
    connect(root, SIGNAL(closeClicked()), this, SLOT(close()));
    if (m_session) {
      if (auto* anywhere = m_session->granitewayAnywhereController()) {
        connect(root, SIGNAL(addLocation(QString)), anywhere, SLOT(addLocation(QString)));
        connect(root, SIGNAL(saveLocation(int, bool)), anywhere,
                SLOT(saveLocationDetails(int, bool)));
        connect(root, SIGNAL(fetchLocationDetails(int)), anywhere, SLOT(fetchLocationDetails(int)));
        connect(anywhere,
                SIGNAL(operationFailed(RAZ::Xsi::XsiComponent::Error, RAZ::Xsi::XsiErrorInfo)),
                this, SLOT(onFetchFailed(RAZ::Xsi::XsiComponent::Error, RAZ::Xsi::XsiErrorInfo)));
        anywhere->updateLists();
      }
      if (auto* ring = m_session->simultaneousRingController()) {
        connect(root, SIGNAL(saveLocations()), ring, SLOT(saveRingLocations()));
        connect(ring,
                SIGNAL(operationFailed(RAZ::Xsi::XsiComponent::Error, RAZ::Xsi::XsiErrorInfo)),
                this, SLOT(onFetchFailed(RAZ::Xsi::XsiComponent::Error, RAZ::Xsi::XsiErrorInfo)));
        ring->updateLists();
      }
    }
    emit unblockUi();
  } else {
    TP_LOG("QML::CallSettings::loadScene", TP::Core::Logging::LevelError)
        << "The call settings scene did not load";
  }
  if (m_session)
    connect(m_session,
            SIGNAL(stateChange(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State)), this,
            SLOT(sessionStateChange(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State)));
  if (root) {
    connect(root, SIGNAL(stateChanged(QString)), this, SLOT(pageChanged(QString)));
    // The first tab may have shown while the scene was being built.
    pageChanged(root->property("state").toString());
  }
}

void CallSettings::addTab(const QString& title, CallSettingsTabDetail::TabType type) {
  auto* tab = new CallSettingsTabDetail(this);
  tab->setTabTitle(title);
  tab->setTabType(type);
  m_tabs->append(tab);
}

bool CallSettings::hasNoForwardingService() const {
  auto* c = xsi();
  if (!c) return false;
  for (SupplementaryService::Id id :
       {SupplementaryService::CallForwardingAlways, SupplementaryService::CallForwardingBusy,
        SupplementaryService::CallForwardingNotReachable,
        SupplementaryService::CallForwardingNoAnswer})
    if (c->getService(id)) return false;
  return true;
}

void CallSettings::rebuildTabs() {
  m_tabs->removeRows(0, m_tabs->rowCount());
  auto* c = xsi();
  if (m_session && m_session->granitewayAnywhereController())
    addTab(tr("Graniteway Anywhere"), CallSettingsTabDetail::GranitewayAnywhereTab);
  if (c && c->getService(SupplementaryService::RemoteOffice))
    addTab(tr("Graniteway Remote Office"), CallSettingsTabDetail::RemoteOfficeTab);
  if (!hasNoForwardingService())
    addTab(tr("Forward Calls"), CallSettingsTabDetail::CallForwardingTab);
  if (c && c->getService(SupplementaryService::DoNotDisturb))
    addTab(tr("Do Not Disturb"), CallSettingsTabDetail::DoNotDisturbTab);
  if (c && c->getService(SupplementaryService::CallingLineIdDeliveryBlocking))
    addTab(tr("Hide Number"), CallSettingsTabDetail::HideNumberTab);
  if (m_session && m_session->simultaneousRingController())
    addTab(tr("Simultaneous Ring Personal"), CallSettingsTabDetail::SimultaneousRingTab);
}

void CallSettings::showPage(int page) {
  m_requestedPage = page;
  int type;
  switch (page) {
    case Utils::AnywherePage:
      type = CallSettingsTabDetail::GranitewayAnywhereTab;
      break;
    case Utils::RemoteOfficePage:
      type = CallSettingsTabDetail::RemoteOfficeTab;
      break;
    case Utils::SimultaneousRingPage:
      type = CallSettingsTabDetail::SimultaneousRingTab;
      break;
    case Utils::ForwardingPage:
      type = CallSettingsTabDetail::CallForwardingTab;
      break;
    case Utils::DoNotDisturbPage:
      type = CallSettingsTabDetail::DoNotDisturbTab;
      break;
    default: {
      // An account with no tab at all has no first tab to show.
      CallSettingsTabDetail* first = m_tabs->at(0);
      if (!first) return;
      type = first->tabType();
    }
  }
  for (int row = 0; row < m_tabs->rowCount(); ++row) {
    CallSettingsTabDetail* tab = m_tabs->at(row);
    if (tab && tab->tabType() == type) {
      emit changeTab(type, row);
      return;
    }
  }
}

QString CallSettings::checkForwarding(const QString& number) const {
  return Utils::CallSettingsInput::checkForwarding(number);
}

QString CallSettings::checkRemoteOffice(bool enabled, const QString& number) const {
  return Utils::CallSettingsInput::checkRemoteOffice(enabled, number);
}

QString CallSettings::checkAnywhereLocation(const QString& number) const {
  QStringList existing;
  if (m_session) {
    if (auto* anywhere = m_session->granitewayAnywhereController()) {
      RAZ::Controllers::GWALocationModel* model = anywhere->locationModel();
      for (int row = 0; row < model->rowCount(); ++row)
        if (RAZ::Controllers::GWALocation* l = model->at(row)) existing << l->getPhoneNumber();
    }
  }
  return Utils::CallSettingsInput::checkAnywhereLocation(number, existing);
}

QString CallSettings::checkRingLocations() const {
  auto* ring = m_session ? m_session->simultaneousRingController() : nullptr;
  if (!ring) return QString();
  QStringList numbers;
  const auto entries = ring->ringLocations()->entries();
  for (const auto& entry : entries) numbers << entry.number;
  return Utils::CallSettingsInput::checkRingLocations(
      numbers, RAZ::Controllers::SimultaneousRingController::MaximumLocations);
}

void CallSettings::sessionStateChange(RAZ::Sessions::SessionManagerBase* sess,
                                      RAZ::Sessions::State state) {
  if (!m_session || sess != m_session.data() || state != RAZ::Sessions::StateSigningOut) return;
  QTimer::singleShot(0, this, SLOT(close()));
}

void CallSettings::pageChanged(QString currentPage) { m_helpContext = currentPage; }

void CallSettings::onSupplementaryServicesReady() {
  rebuildTabs();
  if (m_requestedPage != Utils::DefaultPage) showPage(m_requestedPage);
  emit unblockUi();
}

void CallSettings::onSaveGWROServiceData(bool isActive, QString targetPhone) {
  emit changeSupplementaryService(
      SupplementaryService(SupplementaryService::RemoteOffice, isActive, targetPhone));
}
void CallSettings::onSaveCFUServiceData(bool isActive, QString targetPhone) {
  emit changeSupplementaryService(
      SupplementaryService(SupplementaryService::CallForwardingAlways, isActive, targetPhone));
}
void CallSettings::onSaveCFBServiceData(bool isActive, QString targetPhone) {
  emit changeSupplementaryService(
      SupplementaryService(SupplementaryService::CallForwardingBusy, isActive, targetPhone));
}
void CallSettings::onSaveCFNRcServiceData(bool isActive, QString targetPhone) {
  emit changeSupplementaryService(SupplementaryService(
      SupplementaryService::CallForwardingNotReachable, isActive, targetPhone));
}
void CallSettings::onSaveCFNRServiceData(bool isActive, QString targetPhone) {
  emit changeSupplementaryService(
      SupplementaryService(SupplementaryService::CallForwardingNoAnswer, isActive, targetPhone));
}
void CallSettings::onSaveDNDServiceData(bool isActive) {
  emit changeSupplementaryService(
      SupplementaryService(SupplementaryService::DoNotDisturb, isActive, QString()));
}
void CallSettings::onSaveCLIDBlockData(bool isActive) {
  emit changeSupplementaryService(SupplementaryService(
      SupplementaryService::CallingLineIdDeliveryBlocking, isActive, QString()));
}

QString CallSettings::getNumberAttribute() {
  if (m_numberAttribute.isEmpty())
    if (auto* c = xsi()) m_numberAttribute = c->getRemoteOfficeNumberAttribute();
  return m_numberAttribute;
}

void CallSettings::onFetchFailed(RAZ::Xsi::XsiComponent::Error error, RAZ::Xsi::XsiErrorInfo info) {
  QString message;
  if (error == RAZ::Xsi::XsiComponent::ServerError)
    message = info.message + QLatin1Char('\n') + tr("Error Code:") + QString::number(info.code);
  else
    message = Utils::StringHelper::errorText(int(error));
  emit showErrorMessage(message);
}

void CallSettings::onFetchFailed(QNetworkReply::NetworkError error) {
  QString message;
  switch (int(error)) {
    case 1:
      message = tr("Connection Refused");
      break;
    case 3:
      message = tr("Host Not Found");
      break;
    case 4:
      message = tr("Timeout Error");
      break;
    case 5:
      message = tr("Operation Canceled");
      break;
    case 204:
      message = tr("Authentication Required");
      break;
    default:
      message = tr("Unknown Error %1").arg(int(error));
  }
  emit showErrorMessage(message);
}

void CallSettings::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Tab) {
    emit switchTab();
    event->accept();
  }
}

void CallSettings::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    setTitle(tr("Call Settings"));
    rebuildTabs();
    view()->rootContext()->setContextProperty(QStringLiteral("menuHeaders"), m_tabs);
  }
  Window::changeEvent(event);
}

}  // namespace QML
