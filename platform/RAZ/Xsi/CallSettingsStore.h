#pragma once

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

#include "RAZ/Xsi/XsiComponent.h"
#include "RAZ/Xsi/XsiCredentialsControl.h"

namespace RAZ {
namespace Xsi {

// What the demo service holds of one account's call settings. Services are
// keyed by their supplementary-service id; an id missing from the map is a
// service the account does not have.
struct StoredService {
  int state = 0;  // 1 on, 0 off
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

// The server side of the demo's call settings: one record per account,
// seeded from the demo data ("callsettings.json") on first use and kept
// for the life of the process, so that what a user saved is there again
// after signing out and in. Also the scripting interface tests use to make
// the next fetch or save fail. GUI thread only.
class CallSettingsStore {
 public:
  static CallSettingsStore& instance();

  // Forgets every account's changes, the scripted failures and the counts.
  void reset();

  // The record of an account (user names compare without letter case).
  StoredCallSettings& account(const QString& user);

  // Script: the next fetch (of the services list, a service, the anywhere
  // or simultaneous-ring lists) fails with `error`.
  void failNextFetch(RAZ::Xsi::XsiComponent::Error error,
                     const RAZ::Xsi::XsiErrorInfo& info = RAZ::Xsi::XsiErrorInfo());
  // Script: the next save (push) fails with `error`.
  void failNextSave(RAZ::Xsi::XsiComponent::Error error,
                    const RAZ::Xsi::XsiErrorInfo& info = RAZ::Xsi::XsiErrorInfo());
  // Consumes a scripted failure; false when none is due.
  bool takeFetchFailure(RAZ::Xsi::XsiComponent::Error* error, RAZ::Xsi::XsiErrorInfo* info);
  bool takeSaveFailure(RAZ::Xsi::XsiComponent::Error* error, RAZ::Xsi::XsiErrorInfo* info);

  // Saves that reached the service (for tests: "nothing was pushed").
  int saveCount() const { return m_saves; }
  void countSave() { ++m_saves; }

  // How long the demo service takes to answer (the sign-in step delay, so
  // that tests that set it to 0 get one event-loop turn per answer).
  static int latencyMs();

  // The text a failed request reports to its caller.
  static QString errorText(RAZ::Xsi::XsiComponent::Error error, const RAZ::Xsi::XsiErrorInfo& info);

 private:
  CallSettingsStore() = default;
  static StoredCallSettings seed();

  QHash<QString, StoredCallSettings> m_accounts;
  bool m_fetchFails = false;
  RAZ::Xsi::XsiComponent::Error m_fetchError = RAZ::Xsi::XsiComponent::NoError;
  RAZ::Xsi::XsiErrorInfo m_fetchInfo;
  bool m_saveFails = false;
  RAZ::Xsi::XsiComponent::Error m_saveError = RAZ::Xsi::XsiComponent::NoError;
  RAZ::Xsi::XsiErrorInfo m_saveInfo;
  int m_saves = 0;
};

}  // namespace Xsi
}  // namespace RAZ
