#include "Utils/CallSettingsToolbarHelper.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

#include <RAZ/Configuration/Config.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Xsi/GranitewayAnywhere.h>
#include <RAZ/Xsi/SupplementaryServices.h>

#include "Utils/ConfigIds.h"
#include "libqml/window/PopupPlacement.h"

namespace Utils {

using RAZ::Controllers::GWALocation;
using RAZ::Controllers::SupplementaryService;
using RAZ::Controllers::XsiServiceObject;

namespace {

const char* const kIdProperty = "id";

GWALocation* locationOf(const QAction* action) {
  return action ? qobject_cast<GWALocation*>(action->data().value<QObject*>()) : nullptr;
}

}  // namespace

CallSettingsToolbarHelper::CallSettingsToolbarHelper(RAZ::Sessions::SessionManagerBase* session,
                                                     QObject* parent)
    : QObject(parent), m_session(session) {
  connect(this, SIGNAL(openCallSettings()), this, SLOT(emitDefaultPage()));
  if (!m_session || !m_session->xsiSupplementaryServicesController() || !m_session->configuration())
    return;
  m_callSettingsEnabled = config(ConfigId::CallSettingsButton);
  if (config(ConfigId::ForwardingButton)) {
    if (config(ConfigId::ForwardAlwaysOption))
      m_forwardingOptions << SupplementaryService::CallForwardingAlways;
    if (config(ConfigId::ForwardBusyOption))
      m_forwardingOptions << SupplementaryService::CallForwardingBusy;
    if (config(ConfigId::ForwardNoAnswerOption))
      m_forwardingOptions << SupplementaryService::CallForwardingNoAnswer;
    if (config(ConfigId::ForwardNotReachableOption))
      m_forwardingOptions << SupplementaryService::CallForwardingNotReachable;
  }
  m_toolbarEnabled = config(ConfigId::CallSettingsToolbar) &&
                     (config(ConfigId::CallSettingsButton) || config(ConfigId::AnywhereButton) ||
                      config(ConfigId::RemoteOfficeButton) || !m_forwardingOptions.isEmpty() ||
                      config(ConfigId::DoNotDisturbButton));
  connect(m_session->xsiSupplementaryServicesController(), SIGNAL(servicesReady()), this,
          SLOT(supplementaryServicesReady()));
  connect(m_session, SIGNAL(reconnectionStateChanged(RAZ::Sessions::SessionManagerBase*, bool)),
          this, SLOT(cbReconnectionStateChanged(RAZ::Sessions::SessionManagerBase*, bool)));
  // The services list usually arrives while the session opens, before any
  // window exists: what came already is taken as it stands.
  if (m_session->xsiSupplementaryServicesController()->isReady()) supplementaryServicesReady();
  m_sessionOffline = m_session->isReconnecting();
}

CallSettingsToolbarHelper::~CallSettingsToolbarHelper() {
  delete m_anywhereMenu.data();
  delete m_remoteOfficeMenu.data();
  delete m_simultaneousRingMenu.data();
  delete m_forwardingMenu.data();
}

bool CallSettingsToolbarHelper::config(int id) const {
  return m_session && m_session->configuration() && m_session->configuration()->getBool(id);
}

void CallSettingsToolbarHelper::discard(QPointer<QMenu>& menu) {
  if (menu) menu->deleteLater();
  menu = nullptr;
}

void CallSettingsToolbarHelper::emitDefaultPage() { emit openCallSettings(Utils::DefaultPage); }

bool CallSettingsToolbarHelper::granitewayAnywhereEnabled() const {
  return m_granitewayAnywhereEnabled && m_session && m_session->granitewayAnywhereController();
}

bool CallSettingsToolbarHelper::granitewayAnywhereActive() const {
  if (!m_session || !m_session->granitewayAnywhereController()) return false;
  const QAbstractItemModel* model = m_session->granitewayAnywhereController()->getLocations();
  if (!model) return false;
  for (int row = 0; row < model->rowCount(); ++row) {
    auto* l = qobject_cast<GWALocation*>(
        model->data(model->index(row, 0), RAZ::Controllers::GWALocationModel::LocationRole)
            .value<QObject*>());
    if (l && l->getActive()) return true;
  }
  return false;
}

bool CallSettingsToolbarHelper::remoteOfficeActive() const {
  return m_remoteOfficeMenu && !m_remoteOfficeMenu->actions().isEmpty() &&
         m_remoteOfficeMenu->actions().first()->isChecked();
}

bool CallSettingsToolbarHelper::callForwardingActive() const {
  if (!m_forwardingMenu) return false;
  const auto actions = m_forwardingMenu->actions();
  for (QAction* a : actions)
    if (a->isChecked()) return true;
  return false;
}

void CallSettingsToolbarHelper::setDoNotDisturbActive(bool on) {
  if (!m_session) return;
  auto* xsi = m_session->xsiSupplementaryServicesController();
  XsiServiceObject* service = xsi ? xsi->getService(SupplementaryService::DoNotDisturb) : nullptr;
  if (!service) return;
  // The button follows the service: the flag changes when it reports back.
  service->setState(on ? XsiServiceObject::StateOn : XsiServiceObject::StateOff);
  service->push();
}

void CallSettingsToolbarHelper::supplementaryServicesReady() {
  if (!m_session) return;
  auto* xsi = m_session->xsiSupplementaryServicesController();
  if (!xsi) return;
  // A later services list rebuilds everything; connections stay single.
  if (config(ConfigId::AnywhereButton) && m_session->granitewayAnywhereController()) {
    m_granitewayAnywhereEnabled = true;
    emit granitewayAnywhereEnabledChanged();
    connect(m_session->granitewayAnywhereController(), SIGNAL(serviceStatusReady()), this,
            SLOT(rebuildGranitewayAnywhereMenu()), Qt::UniqueConnection);
    // The button tells whether a location rings: the list is needed for
    // that even before the call settings are opened.
    rebuildGranitewayAnywhereMenu();
    m_session->granitewayAnywhereController()->updateLists();
  }
  if (config(ConfigId::RemoteOfficeButton)) {
    discard(m_remoteOfficeMenu);
    if (XsiServiceObject* service = xsi->getService(SupplementaryService::RemoteOffice)) {
      m_remoteOfficeMenu = new QMenu();
      QAction* toggle = m_remoteOfficeMenu->addAction(QString());
      toggle->setCheckable(true);
      toggle->setEnabled(false);
      connect(toggle, SIGNAL(triggered()), this, SLOT(remoteOfficeClicked()));
      m_remoteOfficeMenu->addSeparator();
      connect(m_remoteOfficeMenu->addAction(QString()), SIGNAL(triggered()), this,
              SLOT(remoteOfficeConfigureClicked()));
      connect(service, SIGNAL(ready()), this, SLOT(serviceObjectReady()), Qt::UniqueConnection);
      service->fetch();
      m_remoteOfficeEnabled = true;
    }
    emit remoteOfficeEnabledChanged();
  }
  if (config(ConfigId::SimultaneousRingButton)) discard(m_simultaneousRingMenu);
  if (config(ConfigId::ForwardingButton)) {
    discard(m_forwardingMenu);
    auto* menu = new QMenu();
    for (int id : qAsConst(m_forwardingOptions)) {
      XsiServiceObject* service = xsi->getService(SupplementaryService::Id(id));
      if (!service) continue;
      connect(service, SIGNAL(ready()), this, SLOT(serviceObjectReady()), Qt::UniqueConnection);
      service->fetch();
      QAction* option = menu->addAction(QString());
      option->setCheckable(true);
      option->setEnabled(false);
      option->setProperty(kIdProperty, id);
      connect(option, SIGNAL(triggered()), this, SLOT(callForwardingOptionClicked()));
    }
    if (!menu->actions().isEmpty()) {
      menu->addSeparator();
      connect(menu->addAction(QString()), SIGNAL(triggered()), this,
              SLOT(callForwardingConfigureClicked()));
      m_forwardingMenu = menu;
      m_callForwardingEnabled = true;
    } else {
      delete menu;
      m_callForwardingEnabled = false;
    }
    emit callForwardingEnabledChanged();
  }
  if (config(ConfigId::DoNotDisturbButton)) {
    if (XsiServiceObject* service = xsi->getService(SupplementaryService::DoNotDisturb)) {
      connect(service, SIGNAL(ready()), this, SLOT(serviceObjectReady()), Qt::UniqueConnection);
      // A failed switch leaves the button as the service holds it.
      connect(service, SIGNAL(error(QString)), this, SLOT(serviceObjectReady()),
              Qt::UniqueConnection);
      service->fetch();
      m_doNotDisturbEnabled = true;
    }
    emit doNotDisturbEnabledChanged();
  }
  // Failed switches of remote office and forwarding go back the same way.
  for (int id :
       {int(SupplementaryService::RemoteOffice), int(SupplementaryService::CallForwardingAlways),
        int(SupplementaryService::CallForwardingBusy),
        int(SupplementaryService::CallForwardingNoAnswer),
        int(SupplementaryService::CallForwardingNotReachable)})
    if (XsiServiceObject* service = xsi->getService(SupplementaryService::Id(id)))
      connect(service, SIGNAL(error(QString)), this, SLOT(serviceObjectReady()),
              Qt::UniqueConnection);
}

void CallSettingsToolbarHelper::serviceObjectReady() {
  auto* service = qobject_cast<XsiServiceObject*>(sender());
  if (!service) return;
  // After a failed push the service holds what it held before.
  if (service->activity() == XsiServiceObject::Idle) service->rollback();
  const bool on = service->state() == XsiServiceObject::StateOn;
  switch (service->id()) {
    case SupplementaryService::DoNotDisturb:
      m_doNotDisturbActive = on;
      emit doNotDisturbActiveChanged();
      break;
    case SupplementaryService::RemoteOffice:
      if (m_remoteOfficeMenu && !m_remoteOfficeMenu->actions().isEmpty()) {
        QAction* toggle = m_remoteOfficeMenu->actions().first();
        toggle->setChecked(on);
        QString attribute;
        if (m_session && m_session->xsiSupplementaryServicesController())
          attribute =
              m_session->xsiSupplementaryServicesController()->getRemoteOfficeNumberAttribute();
        toggle->setEnabled(!service->attribute(attribute).isEmpty());
        emit remoteOfficeActiveChanged();
      }
      break;
    case SupplementaryService::CallForwardingAlways:
    case SupplementaryService::CallForwardingBusy:
    case SupplementaryService::CallForwardingNotReachable:
    case SupplementaryService::CallForwardingNoAnswer:
      if (m_forwardingMenu) {
        const auto actions = m_forwardingMenu->actions();
        for (QAction* a : actions) {
          const QVariant id = a->property(kIdProperty);
          if (!id.isValid() || id.toInt() != service->id()) continue;
          a->setChecked(on);
          a->setEnabled(!service->attribute(QStringLiteral("forwardToPhoneNumber")).isEmpty());
        }
        emit callForwardingActiveChanged();
      }
      break;
    default:
      break;
  }
}

void CallSettingsToolbarHelper::remoteOfficeClicked() {
  auto* action = qobject_cast<QAction*>(sender());
  if (!action || !m_session || !m_session->xsiSupplementaryServicesController()) return;
  XsiServiceObject* service = m_session->xsiSupplementaryServicesController()->getService(
      SupplementaryService::RemoteOffice);
  if (!service) return;
  service->setState(action->isChecked() ? XsiServiceObject::StateOn : XsiServiceObject::StateOff);
  service->push();
}

void CallSettingsToolbarHelper::callForwardingOptionClicked() {
  auto* action = qobject_cast<QAction*>(sender());
  if (!action || !m_session || !m_session->xsiSupplementaryServicesController()) return;
  XsiServiceObject* service = m_session->xsiSupplementaryServicesController()->getService(
      SupplementaryService::Id(action->property(kIdProperty).toInt()));
  if (!service) return;
  service->setState(action->isChecked() ? XsiServiceObject::StateOn : XsiServiceObject::StateOff);
  service->push();
}

void CallSettingsToolbarHelper::granitewayAnywhereConfigureClicked() {
  emit openCallSettings(Utils::AnywherePage);
}
void CallSettingsToolbarHelper::remoteOfficeConfigureClicked() {
  emit openCallSettings(Utils::RemoteOfficePage);
}
void CallSettingsToolbarHelper::callForwardingConfigureClicked() {
  emit openCallSettings(Utils::ForwardingPage);
}

void CallSettingsToolbarHelper::rebuildGranitewayAnywhereMenu() {
  if (m_anywhereMenu) {
    for (const auto& l : qAsConst(m_anywhereLocations))
      if (l)
        disconnect(l, SIGNAL(locationChanged()), this, SLOT(granitewayAnywhereLocationChanged()));
    discard(m_anywhereMenu);
  }
  m_anywhereLocations.clear();
  auto* controller = m_session ? m_session->granitewayAnywhereController() : nullptr;
  QAbstractItemModel* model = controller ? controller->getLocations() : nullptr;
  if (!model) {
    emit granitewayAnywhereActiveChanged();
    return;
  }
  disconnect(model, SIGNAL(rowsInserted(QModelIndex, int, int)), this,
             SLOT(rebuildGranitewayAnywhereMenu()));
  disconnect(model, SIGNAL(rowsRemoved(QModelIndex, int, int)), this,
             SLOT(rebuildGranitewayAnywhereMenu()));
  connect(model, SIGNAL(rowsInserted(QModelIndex, int, int)), this,
          SLOT(rebuildGranitewayAnywhereMenu()));
  connect(model, SIGNAL(rowsRemoved(QModelIndex, int, int)), this,
          SLOT(rebuildGranitewayAnywhereMenu()));
  m_anywhereMenu = new QMenu();
  for (int row = 0; row < model->rowCount(); ++row) {
    auto* l = qobject_cast<GWALocation*>(
        model->data(model->index(row, 0), RAZ::Controllers::GWALocationModel::LocationRole)
            .value<QObject*>());
    if (!l) continue;
    QString text;
    if (!l->getPhoneNumber().isEmpty())
      text = l->getDescription().isEmpty()
                 ? l->getPhoneNumber()
                 : tr("%1 (%2)").arg(l->getDescription(), l->getPhoneNumber());
    QAction* action = m_anywhereMenu->addAction(text);
    action->setCheckable(true);
    action->setChecked(l->getActive());
    action->setData(QVariant::fromValue<QObject*>(l));
    connect(action, SIGNAL(triggered()), this, SLOT(granitewayAnywhereLocationClicked()));
    connect(l, SIGNAL(locationChanged()), this, SLOT(granitewayAnywhereLocationChanged()),
            Qt::UniqueConnection);
    m_anywhereLocations << l;
  }
  m_anywhereMenu->addSeparator();
  connect(m_anywhereMenu->addAction(QString()), SIGNAL(triggered()), this,
          SLOT(granitewayAnywhereConfigureClicked()));
  emit granitewayAnywhereActiveChanged();
}

void CallSettingsToolbarHelper::granitewayAnywhereLocationClicked() {
  if (!m_session || !m_session->granitewayAnywhereController()) return;
  // The location may have gone with a new list: the action's data is then null.
  if (GWALocation* l = locationOf(qobject_cast<QAction*>(sender()))) l->setActive(!l->getActive());
}

void CallSettingsToolbarHelper::granitewayAnywhereLocationChanged() {
  auto* l = qobject_cast<GWALocation*>(sender());
  if (m_anywhereMenu && l) {
    const auto actions = m_anywhereMenu->actions();
    for (QAction* a : actions)
      if (locationOf(a) == l) a->setChecked(l->getActive());
  }
  emit granitewayAnywhereActiveChanged();
}

void CallSettingsToolbarHelper::cbReconnectionStateChanged(RAZ::Sessions::SessionManagerBase*,
                                                           bool reconnecting) {
  m_sessionOffline = reconnecting;
  emit sessionOfflineChanged();
}

void CallSettingsToolbarHelper::retranslateMenus() {
  if (m_anywhereMenu && !m_anywhereMenu->actions().isEmpty())
    m_anywhereMenu->actions().last()->setText(tr("Configure..."));
  if (m_remoteOfficeMenu && !m_remoteOfficeMenu->actions().isEmpty()) {
    m_remoteOfficeMenu->actions().first()->setText(tr("Remote Office"));
    m_remoteOfficeMenu->actions().last()->setText(tr("Configure..."));
  }
  if (m_forwardingMenu) {
    // Only the options carry an id: the separator and "Configure..." keep
    // their own text.
    const auto actions = m_forwardingMenu->actions();
    for (QAction* a : actions) {
      const QVariant id = a->property(kIdProperty);
      if (!id.isValid()) continue;
      switch (id.toInt()) {
        case SupplementaryService::CallForwardingAlways:
          a->setText(tr("Call Forward Always"));
          break;
        case SupplementaryService::CallForwardingBusy:
          a->setText(tr("Call Forward Busy"));
          break;
        case SupplementaryService::CallForwardingNotReachable:
          a->setText(tr("Call Forward Not Reachable"));
          break;
        case SupplementaryService::CallForwardingNoAnswer:
          a->setText(tr("Call Forward No Answer"));
          break;
        default:
          a->deleteLater();
      }
    }
    if (!m_forwardingMenu->actions().isEmpty())
      m_forwardingMenu->actions().last()->setText(tr("Configure..."));
  }
}

void CallSettingsToolbarHelper::setMenuButton(QQuickItem* button) { m_menuButton = button; }

void CallSettingsToolbarHelper::popup(QMenu* menu) {
  QPointer<QQuickItem> button = m_menuButton;
  m_menuButton.clear();
  if (!menu) return;
  if (button && button->window())
    QML::popupMenu(menu,
                   QML::sceneToGlobal(button, button->mapToScene(QPointF(0, button->height()))));
  else
    QML::popupMenu(menu, QCursor::pos());
}

void CallSettingsToolbarHelper::showGranitewayAnywhereMenu() {
  retranslateMenus();
  popup(m_anywhereMenu);
}
void CallSettingsToolbarHelper::showRemoteOfficeMenu() {
  retranslateMenus();
  popup(m_remoteOfficeMenu);
}
void CallSettingsToolbarHelper::showSimultaneousRingMenu() { popup(m_simultaneousRingMenu); }
void CallSettingsToolbarHelper::showForwardingMenu() {
  retranslateMenus();
  popup(m_forwardingMenu);
}

}  // namespace Utils
