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
  if (m_load) m_load();
  const QString key = user.toLower();
  auto it = m_accounts.find(key);
  if (it == m_accounts.end()) it = m_accounts.insert(key, seed());
  return it.value();
}

namespace {
QVariantMap attributesToVariant(const QMap<QString, QString>& attributes) {
  QVariantMap out;
  for (auto it = attributes.constBegin(); it != attributes.constEnd(); ++it)
    out.insert(it.key(), it.value());
  return out;
}
}  // namespace

QVariantMap CallSettingsStore::toVariant() const {
  QVariantMap out;
  for (auto it = m_accounts.constBegin(); it != m_accounts.constEnd(); ++it) {
    const StoredCallSettings& a = it.value();
    QVariantMap services;
    for (auto s = a.services.constBegin(); s != a.services.constEnd(); ++s)
      services.insert(
          QString::number(s.key()),
          QVariantMap{{QStringLiteral("state"), s.value().state},
                      {QStringLiteral("attributes"), attributesToVariant(s.value().attributes)}});
    QVariantList anywhere;
    for (const StoredAnywhereLocation& l : a.anywhere)
      anywhere << QVariantMap{{QStringLiteral("number"), l.number},
                              {QStringLiteral("description"), l.description},
                              {QStringLiteral("active"), l.active},
                              {QStringLiteral("diversionInhibitor"), l.diversionInhibitor},
                              {QStringLiteral("answerConfirmation"), l.answerConfirmation},
                              {QStringLiteral("callControl"), l.callControl},
                              {QStringLiteral("criteriaActive"), l.criteriaActive}};
    QVariantList ring;
    for (const StoredRingLocation& l : a.ringLocations)
      ring << QVariantMap{{QStringLiteral("number"), l.number},
                          {QStringLiteral("answerConfirmation"), l.answerConfirmation}};
    out.insert(it.key(), QVariantMap{{QStringLiteral("services"), services},
                                     {QStringLiteral("alertAll"), a.alertAll},
                                     {QStringLiteral("anywhere"), anywhere},
                                     {QStringLiteral("simRingActive"), a.simRingActive},
                                     {QStringLiteral("doNotRingIfOnCall"), a.doNotRingIfOnCall},
                                     {QStringLiteral("ringLocations"), ring}});
  }
  return out;
}

void CallSettingsStore::fromVariant(const QVariantMap& accounts) {
  m_accounts.clear();
  for (auto it = accounts.constBegin(); it != accounts.constEnd(); ++it) {
    const QVariantMap m = it.value().toMap();
    StoredCallSettings a;
    const QVariantMap services = m.value(QStringLiteral("services")).toMap();
    for (auto s = services.constBegin(); s != services.constEnd(); ++s) {
      bool ok = false;
      const int id = s.key().toInt(&ok);
      if (!ok) continue;
      const QVariantMap sm = s.value().toMap();
      StoredService service;
      service.state = sm.value(QStringLiteral("state")).toInt() == XsiServiceObject::StateOn
                          ? XsiServiceObject::StateOn
                          : XsiServiceObject::StateOff;
      const QVariantMap attributes = sm.value(QStringLiteral("attributes")).toMap();
      for (auto at = attributes.constBegin(); at != attributes.constEnd(); ++at)
        service.attributes.insert(at.key(), at.value().toString());
      a.services.insert(id, service);
    }
    a.alertAll = m.value(QStringLiteral("alertAll")).toBool();
    const auto anywhere = m.value(QStringLiteral("anywhere")).toList();
    for (const QVariant& v : anywhere) {
      const QVariantMap l = v.toMap();
      StoredAnywhereLocation s;
      s.number = l.value(QStringLiteral("number")).toString();
      s.description = l.value(QStringLiteral("description")).toString();
      s.active = l.value(QStringLiteral("active")).toBool();
      s.diversionInhibitor = l.value(QStringLiteral("diversionInhibitor")).toBool();
      s.answerConfirmation = l.value(QStringLiteral("answerConfirmation")).toBool();
      s.callControl = l.value(QStringLiteral("callControl")).toBool();
      s.criteriaActive = l.value(QStringLiteral("criteriaActive"), true).toBool();
      a.anywhere << s;
    }
    a.simRingActive = m.value(QStringLiteral("simRingActive")).toBool();
    a.doNotRingIfOnCall = m.value(QStringLiteral("doNotRingIfOnCall"), true).toBool();
    const auto ring = m.value(QStringLiteral("ringLocations")).toList();
    for (const QVariant& v : ring) {
      const QVariantMap l = v.toMap();
      a.ringLocations << StoredRingLocation{l.value(QStringLiteral("number")).toString(),
                                            l.value(QStringLiteral("answerConfirmation")).toBool()};
    }
    m_accounts.insert(it.key(), a);
  }
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
  if (m_reachable && !m_reachable()) {
    *error = RAZ::Xsi::XsiComponent::NetworkError;
    *info = RAZ::Xsi::XsiErrorInfo();
    return true;
  }
  if (!m_fetchFails) return false;
  m_fetchFails = false;
  *error = m_fetchError;
  *info = m_fetchInfo;
  return true;
}

bool CallSettingsStore::takeSaveFailure(RAZ::Xsi::XsiComponent::Error* error,
                                        RAZ::Xsi::XsiErrorInfo* info) {
  if (m_reachable && !m_reachable()) {
    *error = RAZ::Xsi::XsiComponent::NetworkError;
    *info = RAZ::Xsi::XsiErrorInfo();
    return true;
  }
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
