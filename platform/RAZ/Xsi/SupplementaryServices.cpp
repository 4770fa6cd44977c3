#include "RAZ/Xsi/SupplementaryServices.h"

#include <QTimer>

#include <TP/Core/Logging.h>

#include "RAZ/Xsi/CallSettingsStore.h"

namespace RAZ {
namespace Controllers {

namespace {

struct Named {
  SupplementaryService::Id id;
  const char* name;
};
const Named kNames[] = {
    {SupplementaryService::CallForwardingAlways, "Call Forwarding Always"},
    {SupplementaryService::CallForwardingBusy, "Call Forwarding Busy"},
    {SupplementaryService::CallForwardingNotReachable, "Call Forwarding Not Reachable"},
    {SupplementaryService::CallForwardingNoAnswer, "Call Forwarding No Answer"},
    {SupplementaryService::CallingLineIdDeliveryBlocking, "Calling Line ID Delivery Blocking"},
    {SupplementaryService::DoNotDisturb, "Do Not Disturb"},
    {SupplementaryService::RemoteOffice, "Remote Office"}};

using RAZ::Xsi::CallSettingsStore;
using RAZ::Xsi::StoredCallSettings;
using RAZ::Xsi::StoredService;

}  // namespace

QString SupplementaryService::nameOf(Id id) {
  for (const Named& n : kNames)
    if (n.id == id) return QLatin1String(n.name);
  return QString();
}

bool SupplementaryService::idForName(const QString& name, Id* id) {
  for (const Named& n : kNames) {
    if (name == QLatin1String(n.name)) {
      *id = n.id;
      return true;
    }
  }
  return false;
}

// ---------------------------------------------------------------------------

XsiServiceObject::XsiServiceObject(int id, const QString& user, QObject* parent)
    : QObject(parent), m_id(id), m_user(user) {}

QString XsiServiceObject::name() const {
  return SupplementaryService::nameOf(SupplementaryService::Id(m_id));
}

void XsiServiceObject::setActivity(int activity) {
  if (activity == m_activity) return;
  m_activity = activity;
  emit changed();
}

void XsiServiceObject::takeFromService() {
  const StoredCallSettings& account = CallSettingsStore::instance().account(m_user);
  const StoredService service = account.services.value(m_id);
  m_state = m_heldState = service.state;
  m_attributes = m_heldAttributes = service.attributes;
}

void XsiServiceObject::fetch() {
  if (m_activity != Idle) return;
  setActivity(Fetching);
  QTimer::singleShot(CallSettingsStore::latencyMs(), this, [this] {
    CallSettingsStore& store = CallSettingsStore::instance();
    RAZ::Xsi::XsiComponent::Error failure = RAZ::Xsi::XsiComponent::NoError;
    RAZ::Xsi::XsiErrorInfo info;
    if (!store.takeFetchFailure(&failure, &info) &&
        !store.account(m_user).services.contains(m_id)) {
      failure = RAZ::Xsi::XsiComponent::ServerError;
      info.code = 404;
      info.message = XsiServiceObject::tr("The service is not assigned to this account");
    }
    m_activity = Idle;
    if (failure != RAZ::Xsi::XsiComponent::NoError) {
      emit changed();
      emit error(CallSettingsStore::errorText(failure, info));
      return;
    }
    takeFromService();
    emit changed();
    emit ready();
  });
}

void XsiServiceObject::setState(int state) {
  if (state == m_state) return;
  m_state = state;
  emit changed();
}

void XsiServiceObject::setValue(const QString& value, const QString& attribute) {
  if (attribute.isEmpty() || m_attributes.value(attribute) == value) return;
  m_attributes.insert(attribute, value);
  emit changed();
}

void XsiServiceObject::push() {
  if (m_activity != Idle) return;
  setActivity(Pushing);
  const int state = m_state;
  const QMap<QString, QString> attributes = m_attributes;
  QTimer::singleShot(CallSettingsStore::latencyMs(), this, [this, state, attributes] {
    CallSettingsStore& store = CallSettingsStore::instance();
    store.countSave();
    RAZ::Xsi::XsiComponent::Error failure = RAZ::Xsi::XsiComponent::NoError;
    RAZ::Xsi::XsiErrorInfo info;
    StoredCallSettings& account = store.account(m_user);
    if (!store.takeSaveFailure(&failure, &info) && !account.services.contains(m_id)) {
      failure = RAZ::Xsi::XsiComponent::ServerError;
      info.code = 404;
      info.message = XsiServiceObject::tr("The service is not assigned to this account");
    }
    m_activity = Idle;
    if (failure != RAZ::Xsi::XsiComponent::NoError) {
      TP_LOG("RAZ::Controllers::XsiServiceObject::push", TP::Core::Logging::LevelWarning)
          << "Service " << m_id << " not saved: " << int(failure);
      emit changed();
      emit error(CallSettingsStore::errorText(failure, info));
      return;
    }
    StoredService& stored = account.services[m_id];
    stored.state = state == StateOn ? StateOn : StateOff;
    for (auto it = attributes.constBegin(); it != attributes.constEnd(); ++it)
      stored.attributes.insert(it.key(), it.value());
    store.noteChanged();
    takeFromService();
    emit changed();
    emit ready();
  });
}

void XsiServiceObject::rollback() {
  m_state = m_heldState;
  m_attributes = m_heldAttributes;
  emit changed();
}

void XsiServiceObject::reset() {
  if (m_activity != Idle) return;
  m_state = m_heldState = StateUnknown;
  m_attributes.clear();
  m_heldAttributes.clear();
  emit changed();
}

// ---------------------------------------------------------------------------

XsiSupplementaryServicesController2::XsiSupplementaryServicesController2(const QString& user,
                                                                         QObject* parent)
    : QObject(parent), m_user(user) {}

XsiServiceObject* XsiSupplementaryServicesController2::getService(
    RAZ::Controllers::SupplementaryService::Id id) const {
  return m_services.value(int(id)).data();
}

QObject* XsiSupplementaryServicesController2::getServiceByName(const QString& name) const {
  SupplementaryService::Id id;
  if (!SupplementaryService::idForName(name, &id)) return nullptr;
  return getService(id);
}

void XsiSupplementaryServicesController2::fetchServicesList() {
  if (m_fetching) return;
  m_fetching = true;
  QTimer::singleShot(CallSettingsStore::latencyMs(), this, [this] {
    m_fetching = false;
    CallSettingsStore& store = CallSettingsStore::instance();
    RAZ::Xsi::XsiComponent::Error failure = RAZ::Xsi::XsiComponent::NoError;
    RAZ::Xsi::XsiErrorInfo info;
    if (store.takeFetchFailure(&failure, &info)) {
      TP_LOG("RAZ::Controllers::XsiSupplementaryServicesController2",
             TP::Core::Logging::LevelWarning)
          << "Services list not fetched: " << int(failure);
      emit fetchFailed(failure, info);
      return;
    }
    const QList<int> ids = store.account(m_user).services.keys();
    for (auto it = m_services.begin(); it != m_services.end();) {
      if (!ids.contains(it.key())) {
        if (it.value()) it.value()->deleteLater();
        it = m_services.erase(it);
      } else {
        ++it;
      }
    }
    for (int id : ids)
      if (!m_services.value(id)) m_services.insert(id, new XsiServiceObject(id, m_user, this));
    m_ready = true;
    emit servicesReady();
  });
}

void XsiSupplementaryServicesController2::resetServices() {
  for (const auto& service : qAsConst(m_services))
    if (service) service->reset();
}

}  // namespace Controllers
}  // namespace RAZ
