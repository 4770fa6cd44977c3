#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QVariantMap>

#include <functional>

#include "RAZ/Xsi/SupplementaryServices.h"
#include "RAZ/Xsi/XsiComponent.h"
#include "RAZ/Xsi/XsiCredentialsControl.h"

namespace RAZ {
namespace Xsi {

// What the demo service holds of one account's call settings. Services are
// keyed by their supplementary-service id; an id missing from the map is a
// service the account does not have.
struct StoredService {
  int state = RAZ::Controllers::XsiServiceObject::StateOff;  // on or off
  QMap<QString, QString> attributes;
};

struct StoredAnywhereLocation {
  QString number;
  QString description;
  bool active = false;
  bool diversionInhibitor = false;
  bool answerConfirmation = false;
  bool callControl = false;
  bool criteriaActive = true;
};

struct StoredRingLocation {
  QString number;
  bool answerConfirmation = false;
};

struct StoredCallSettings {
  QMap<int, StoredService> services;
  bool alertAll = false;
  QList<StoredAnywhereLocation> anywhere;
  bool simRingActive = false;
  bool doNotRingIfOnCall = true;
  QList<StoredRingLocation> ringLocations;
};

// The server side of the call settings: one record per account, seeded
// from the service's data on first use and kept for the life of the
// process, so that what a user saved is there again after signing out and
// in. Also the scripting interface tests use to make the next fetch or save
// fail. GUI thread only.
class CallSettingsStore {
  Q_DECLARE_TR_FUNCTIONS(RAZ::Xsi::CallSettingsStore)

 public:
  static CallSettingsStore& instance();

  // --- What the service behind the store gives ---
  // The settings a new account starts with (the fields of the service's
  // data: "callForwardingAlways", ...); none: no services.
  using Seed = std::function<QVariantMap()>;
  void setSeed(Seed seed) { m_seed = std::move(seed); }
  // How long the service takes to answer, asked at each request; none:
  // the next event-loop turn.
  using Latency = std::function<int()>;
  void setLatency(Latency latency) { m_latency = std::move(latency); }
  // Whether the service's web interface answers at all, asked at each
  // request; none: always. While it does not, every fetch and save fails
  // with a network error, as one sent to an unreachable server does.
  using Reachable = std::function<bool()>;
  void setReachable(Reachable reachable) { m_reachable = std::move(reachable); }

  // Forgets every account's changes, the scripted failures and the counts.
  void reset();

  // Where the service keeps the records: `load` is asked before a record is
  // used (it puts back what was kept, once), `changed` after a save changed
  // one, so that what a user saved outlives the program.
  void setStorage(std::function<void()> load, std::function<void()> changed) {
    m_load = std::move(load);
    m_changed = std::move(changed);
  }
  void noteChanged() {
    if (m_changed) m_changed();
  }
  // Every account's record as plain values, and back (replacing them all).
  QVariantMap toVariant() const;
  void fromVariant(const QVariantMap& accounts);

  // The record of an account (user names compare without letter case).
  StoredCallSettings& account(const QString& user);

  // Script: the next fetch (of the services list, a service, the anywhere
  // or simultaneous-ring lists) fails with `error`.
  void failNextFetch(RAZ::Xsi::XsiComponent::Error error,
                     const RAZ::Xsi::XsiErrorInfo& info = RAZ::Xsi::XsiErrorInfo());
  // Script: the next save (push) fails with `error`.
  void failNextSave(RAZ::Xsi::XsiComponent::Error error,
                    const RAZ::Xsi::XsiErrorInfo& info = RAZ::Xsi::XsiErrorInfo());
  // Consumes a scripted failure, or reports the network error of an
  // unreachable service (consuming nothing); false when none is due.
  bool takeFetchFailure(RAZ::Xsi::XsiComponent::Error* error, RAZ::Xsi::XsiErrorInfo* info);
  bool takeSaveFailure(RAZ::Xsi::XsiComponent::Error* error, RAZ::Xsi::XsiErrorInfo* info);

  // Saves that reached the service (for tests: "nothing was pushed").
  int saveCount() const { return m_saves; }
  void countSave() { ++m_saves; }

  // How long the service takes to answer (setLatency).
  static int latencyMs();

  // The text a failed request reports to its caller.
  static QString errorText(RAZ::Xsi::XsiComponent::Error error, const RAZ::Xsi::XsiErrorInfo& info);

 private:
  CallSettingsStore() = default;
  StoredCallSettings seed() const;

  QHash<QString, StoredCallSettings> m_accounts;
  bool m_fetchFails = false;
  RAZ::Xsi::XsiComponent::Error m_fetchError = RAZ::Xsi::XsiComponent::NoError;
  RAZ::Xsi::XsiErrorInfo m_fetchInfo;
  bool m_saveFails = false;
  RAZ::Xsi::XsiComponent::Error m_saveError = RAZ::Xsi::XsiComponent::NoError;
  RAZ::Xsi::XsiErrorInfo m_saveInfo;
  int m_saves = 0;
  Seed m_seed;
  Latency m_latency;
  Reachable m_reachable;
  std::function<void()> m_load;
  std::function<void()> m_changed;
};

}  // namespace Xsi
}  // namespace RAZ
