#include "RAZ/Xsi/CallSettingsStore.h"

namespace RAZ {
namespace Xsi {

namespace {

QString numberOf(const QVariantMap& settings, const char* key) {
  return settings.value(QLatin1String(key)).toMap().value(QStringLiteral("number")).toString();
}

using RAZ::Controllers::SupplementaryService;
using RAZ::Controllers::XsiServiceObject;

int stateOf(const QVariant& value) {
  const QVariantMap map = value.toMap();
  const bool on = map.isEmpty() ? value.toBool() : map.value(QStringLiteral("enabled")).toBool();
  return on ? XsiServiceObject::StateOn : XsiServiceObject::StateOff;
}

}  // namespace

CallSettingsStore& CallSettingsStore::instance() {
  static CallSettingsStore store;
  return store;
}

void CallSettingsStore::reset() {
  m_accounts.clear();
  m_fetchFails = m_saveFails = false;
  m_saves = 0;
}

StoredCallSettings CallSettingsStore::seed() const {
  const QVariantMap data = m_seed ? m_seed() : QVariantMap();
  StoredCallSettings s;
  struct Forwarding {
    int id;
    const char* key;
  };
  const Forwarding forwarding[] = {
      {SupplementaryService::CallForwardingAlways, "callForwardingAlways"},
      {SupplementaryService::CallForwardingBusy, "callForwardingBusy"},
      {SupplementaryService::CallForwardingNotReachable, "callForwardingNotReachable"},
      {SupplementaryService::CallForwardingNoAnswer, "callForwardingNoAnswer"}};
  for (const Forwarding& f : forwarding) {
    if (!data.contains(QLatin1String(f.key))) continue;
    StoredService service;
    service.state = stateOf(data.value(QLatin1String(f.key)));
    service.attributes.insert(QStringLiteral("forwardToPhoneNumber"), numberOf(data, f.key));
    s.services.insert(f.id, service);
  }
  if (data.contains(QStringLiteral("hideNumber")))
    s.services.insert(SupplementaryService::CallingLineIdDeliveryBlocking,
                      StoredService{stateOf(data.value(QStringLiteral("hideNumber"))), {}});
  if (data.contains(QStringLiteral("doNotDisturb")))
    s.services.insert(SupplementaryService::DoNotDisturb,
                      StoredService{stateOf(data.value(QStringLiteral("doNotDisturb"))), {}});
  if (data.contains(QStringLiteral("remoteOffice"))) {
    StoredService service;
    service.state = stateOf(data.value(QStringLiteral("remoteOffice")));
    service.attributes.insert(QStringLiteral("remoteOfficeNumber"), numberOf(data, "remoteOffice"));
    s.services.insert(SupplementaryService::RemoteOffice, service);
  }
  s.alertAll = data.value(QStringLiteral("anywhereAlertAll")).toBool();
  const auto anywhereLocations = data.value(QStringLiteral("anywhereLocations")).toList();
  for (const QVariant& v : anywhereLocations) {
    const QVariantMap m = v.toMap();
    StoredAnywhereLocation l;
    l.number = m.value(QStringLiteral("number")).toString();
    l.description = m.value(QStringLiteral("description")).toString();
    l.active = m.value(QStringLiteral("enabled")).toBool();
    l.diversionInhibitor = m.value(QStringLiteral("diversionInhibitor")).toBool();
    l.answerConfirmation = m.value(QStringLiteral("answerConfirmation")).toBool();
    l.callControl = m.value(QStringLiteral("callControl")).toBool();
    s.anywhere.append(l);
  }
  const QVariantMap ring = data.value(QStringLiteral("simultaneousRing")).toMap();
  s.simRingActive = ring.value(QStringLiteral("enabled")).toBool();
  s.doNotRingIfOnCall = ring.value(QStringLiteral("doNotRingIfOnCall"), true).toBool();
  const auto locations = ring.value(QStringLiteral("locations")).toList();
  for (const QVariant& v : locations) {
    const QVariantMap m = v.toMap();
    s.ringLocations.append(
        StoredRingLocation{m.value(QStringLiteral("number")).toString(),
                           m.value(QStringLiteral("answerConfirmation")).toBool()});
  }
  return s;
}

StoredCallSettings& CallSettingsStore::account(const QString& user) {
  const QString key = user.toLower();
  auto it = m_accounts.find(key);
  if (it == m_accounts.end()) it = m_accounts.insert(key, seed());
  return it.value();
}

void CallSettingsStore::failNextFetch(RAZ::Xsi::XsiComponent::Error error,
                                      const RAZ::Xsi::XsiErrorInfo& info) {
  m_fetchFails = error != RAZ::Xsi::XsiComponent::NoError;
  m_fetchError = error;
  m_fetchInfo = info;
}

void CallSettingsStore::failNextSave(RAZ::Xsi::XsiComponent::Error error,
                                     const RAZ::Xsi::XsiErrorInfo& info) {
  m_saveFails = error != RAZ::Xsi::XsiComponent::NoError;
  m_saveError = error;
  m_saveInfo = info;
}

bool CallSettingsStore::takeFetchFailure(RAZ::Xsi::XsiComponent::Error* error,
                                         RAZ::Xsi::XsiErrorInfo* info) {
  if (!m_fetchFails) return false;
  m_fetchFails = false;
  *error = m_fetchError;
  *info = m_fetchInfo;
  return true;
}

bool CallSettingsStore::takeSaveFailure(RAZ::Xsi::XsiComponent::Error* error,
                                        RAZ::Xsi::XsiErrorInfo* info) {
  if (!m_saveFails) return false;
  m_saveFails = false;
  *error = m_saveError;
  *info = m_saveInfo;
  return true;
}

int CallSettingsStore::latencyMs() {
  const Latency& latency = instance().m_latency;
  return latency ? latency() : 0;
}

QString CallSettingsStore::errorText(RAZ::Xsi::XsiComponent::Error error,
                                     const RAZ::Xsi::XsiErrorInfo& info) {
  switch (error) {
    case RAZ::Xsi::XsiComponent::ServerError:
      return info.message;
    case RAZ::Xsi::XsiComponent::NoCredentials:
      return tr("No credentials");
    case RAZ::Xsi::XsiComponent::AuthenticationFailed:
      return tr("Authentication failed");
    case RAZ::Xsi::XsiComponent::NetworkError:
      return tr("Network error");
    default:
      return QString();
  }
}

}  // namespace Xsi
}  // namespace RAZ
