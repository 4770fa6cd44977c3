#include "Utils/PresenceHelper.h"

#include <QActionGroup>
#include <QEvent>
#include <QMenu>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Presence/PresenceData.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include "Utils/PresenceState.h"
#include "Utils/Retranslator.h"
#include "Utils/SettingsKeys.h"
#include "Utils/WindowManager.h"
#include "dialogs/LocationPublish.h"

namespace Utils {

namespace {

QString key(const char* name) {
  return Utils::SettingsKey::LocationPublishPrefix + QLatin1String(name);
}

struct Entry {
  int state;
  const char* icon;
};
const Entry kEntries[] = {{PresenceState::Available, ":/presence/presence_present_small.png"},
                          {PresenceState::Away, ":/presence/presence_away_small.png"},
                          {PresenceState::Busy, ":/presence/presence_busy_small.png"},
                          {PresenceState::Offline, ":/presence/presence_inactive_small.png"}};

}  // namespace

PresenceAction::PresenceAction(int state, const QIcon& icon, QObject* parent)
    : QAction(icon, QString(), parent) {
  setData(state);
}

PresenceHelper::PresenceHelper(RAZ::Presence::PresenceData* presence, QObject* parent)
    : QObject(parent), m_presence(presence) {
  buildMenu();
  m_locationDialog = new Dialogs::LocationPublish(nullptr);
  // The dialog answers and is hidden again: it lives as long as the helper.
  m_locationDialog->setAttribute(Qt::WA_DeleteOnClose, false);
  connect(m_locationDialog, SIGNAL(locationChanged(RAZ::Utils::Location::Info, bool, bool)), this,
          SLOT(cbSetLocation(RAZ::Utils::Location::Info, bool, bool)));
  connect(m_locationDialog, SIGNAL(closed()), this, SIGNAL(locationQuestionClosed()));
  connect(this, SIGNAL(locationsReceived(RAZ::Utils::Location::Info, RAZ::Utils::Location::Info)),
          m_locationDialog,
          SLOT(locationsReceived(RAZ::Utils::Location::Info, RAZ::Utils::Location::Info)));
  Utils::QObjectLanguageChange::registerObject(this);
}

PresenceHelper::~PresenceHelper() {
  delete m_menu;
  delete m_locationDialog.data();
}

void PresenceHelper::buildMenu() {
  delete m_menu;
  m_menu = new QMenu();
  // The entry of the state the user is in is checked; a state the menu has
  // no entry for (a meeting, a call) checks none.
  auto* group = new QActionGroup(m_menu);
  group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (const Entry& e : kEntries) {
    auto* action = new PresenceAction(e.state, QIcon(QLatin1String(e.icon)), m_menu);
    action->setCheckable(true);
    group->addAction(action);
    m_menu->addAction(action);
  }
  connect(m_menu, SIGNAL(triggered(QAction*)), this, SLOT(actionTriggered(QAction*)));
  // Read again as the menu opens: a choice the service did not take must not
  // stay checked.
  connect(m_menu, SIGNAL(aboutToShow()), this, SLOT(markCurrentState()));
  if (m_presence)
    connect(m_presence, SIGNAL(presenceChanged()), this, SLOT(markCurrentState()),
            Qt::UniqueConnection);
  retranslate();
  markCurrentState();
}

void PresenceHelper::markCurrentState() {
  if (!m_menu) return;
  // Several states read alike ("Busy" for busy, presenting, out of office):
  // the entry that reads as the state is the current one.
  const QString current = m_presence ? textForState(m_presence->state()) : QString();
  const auto actions = m_menu->actions();
  for (QAction* a : actions)
    a->setChecked(!current.isEmpty() && textForState(a->data().toInt()) == current);
}

void PresenceHelper::retranslate() {
  if (!m_menu) return;
  m_menu->setTitle(tr("Availability"));
  const auto actions = m_menu->actions();
  for (QAction* a : actions) a->setText(availabilityText(a->data().toInt()));
}

bool PresenceHelper::event(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) retranslate();
  return QObject::event(e);
}

QString PresenceHelper::availabilityText(int state) { return textForState(state); }

QString PresenceHelper::textForState(int state) { return PresenceState::text(state); }

bool PresenceHelper::isOfflineMode(const RAZ::Sessions::SessionManagerBase* session) {
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      session ? session->contactsManager() : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
  const RAZ::Presence::PresenceData* own = contacts ? contacts->ownPresence() : nullptr;
  return own && own->state() == PresenceState::Offline;
}

void PresenceHelper::actionTriggered(QAction* action) {
  TP::Core::Logging::CTraceScope trace("Utils::PresenceHelper::actionTriggered");
  if (!action || !m_presence) return;
  m_presence->publishInternalPresence(action->data().toInt(), false);
}

void PresenceHelper::sessionReconnectionStateChanged(RAZ::Sessions::SessionManagerBase*,
                                                     bool reconnected) {
  if (reconnected) m_handled = false;
}

void PresenceHelper::cbXsiLocationReceived(const RAZ::Utils::Location::Info& info) {
  TP_LOG("Utils::PresenceHelper::cbXsiLocationReceived", TP::Core::Logging::LevelInformation)
      << "XSI location received";
  m_xsiLocation.reset(new RAZ::Utils::Location::Info(info));
  if (!m_handled) handleLocation();
}

void PresenceHelper::cbXmppLocationReceived(const RAZ::Utils::Location::Info& info) {
  m_xmppLocation.reset(new RAZ::Utils::Location::Info(info));
  // An empty report says only that nothing is published now (a new start,
  // a service that lost it): it is no choice of the user's, and the choice
  // remembered (automatic or manual, with its text and time zone) is what
  // the handling below publishes again.
  if (info.isEmpty()) {
    if (m_xsiLocation && !m_handled) handleLocation();
    return;
  }
  const bool manual = !info.manualLocation.isEmpty();
  RAZ::Settings user(RAZ::Settings::User);
  user.setValue(key("manually_published"), manual);
  if (manual) {
    user.setValue(key("last_published_manual_location"), info.manualLocation);
    user.setValue(key("last_published_timezone"),
                  info.timeZone == QLatin1String("-") ? QString() : info.timeZone);
  }
  if (m_xsiLocation && !m_handled) handleLocation();
}

void PresenceHelper::handleLocation() {
  TP_LOG("Utils::PresenceHelper::handleLocation", TP::Core::Logging::LevelDetail)
      << "About to publish location";
  m_handled = true;
  const RAZ::Utils::Location::Info xsi =
      m_xsiLocation ? *m_xsiLocation : RAZ::Utils::Location::Info();
  const RAZ::Utils::Location::Info xmpp =
      m_xmppLocation ? *m_xmppLocation : RAZ::Utils::Location::Info();
  emit locationsReceived(xsi, xmpp);
  RAZ::Settings user(RAZ::Settings::User);
  const bool ipChanged = user.value(key("last_received_ip_address")).toString() != xsi.ipAddress;
  if (ipChanged && !user.value(key("dontAskAgain"), false).toBool()) {
    showLocationPublishDialog();
    return;
  }
  if (!user.value(key("accepted"), true).toBool()) return;
  RAZ::Utils::Location::Info publish = xsi;
  if (user.value(key("manually_published"), false).toBool()) {
    publish = RAZ::Utils::Location::Info();
    publish.manualLocation = user.value(key("last_published_manual_location")).toString();
    const QString zone = user.value(key("last_published_timezone")).toString();
    if (!zone.isEmpty()) publish.timeZone = zone;
  }
  setLocation(publish);
}

void PresenceHelper::cbSetLocation(const RAZ::Utils::Location::Info& info, bool dontAskAgain,
                                   bool accepted) {
  TP_LOG("Utils::PresenceHelper::cbSetLocation", TP::Core::Logging::LevelInformation)
      << "Location answered";
  RAZ::Settings user(RAZ::Settings::User);
  user.setValue(key("dontAskAgain"), dontAskAgain);
  user.setValue(key("accepted"), accepted);
  setLocation(info);
}

void PresenceHelper::setLocation(const RAZ::Utils::Location::Info& info) {
  TP_LOG("Utils::PresenceHelper::setLocation", TP::Core::Logging::LevelInformation)
      << "Time Zone: " << info.timeZone;
  TP_LOG("Utils::PresenceHelper::setLocation", TP::Core::Logging::LevelInformation)
      << "Country: " << info.country;
  TP_LOG("Utils::PresenceHelper::setLocation", TP::Core::Logging::LevelInformation)
      << "City: " << info.city;
  TP_LOG("Utils::PresenceHelper::setLocation", TP::Core::Logging::LevelInformation)
      << "State: " << info.state;
  TP_LOG("Utils::PresenceHelper::setLocation", TP::Core::Logging::LevelInformation)
      << "Manual Location: " << info.manualLocation;
  if (!m_presence) return;
  const RAZ::Utils::Location::Info current = m_presence->getLocationInfo();
  if (current.isEmpty() && info == current) return;
  m_presence->setLocation(info);
  emit ownLocationChanged();
}

void PresenceHelper::showLocationPublishDialog() {
  if (!m_locationDialog) return;
  m_locationDialog->prepareToShow();
  // Over the window that asked (the main window), wherever it stands.
  if (!m_locationDialog->isVisible()) Utils::WindowManager::placeOver(m_locationDialog);
  m_locationDialog->show();
  m_locationDialog->raise();
  m_locationDialog->activateWindow();
}

void PresenceHelper::setAlwaysOnTop(bool onTop) {
  if (m_locationDialog) m_locationDialog->setAlwaysOnTop(onTop);
}

}  // namespace Utils
