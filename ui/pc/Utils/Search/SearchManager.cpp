#include "Utils/Search/SearchManager.h"

#include <QChar>
#include <QCoreApplication>
#include <QTimer>
#include <QVector>

#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Contacts/ContactsImpl.h>
#include <RAZ/Controllers/Search/LdapContactSearch.h>
#include <RAZ/Models/SearchGroups.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <TP/Core/Logging.h>

#include "Providers/Factory.h"
#include "Utils/ConfigIds.h"

namespace Utils {
namespace Search {

namespace {
// Every field, no flags: what a directory request asks for.
constexpr unsigned int kAllFields = 4294967295u;
// Groups of more results than this start closed.
constexpr int kOpenGroupLimit = 10;

QVariant configValue(const RAZ::Configuration::Config* config, int id) {
  return config ? config->value(id) : QVariant();
}

// The minimum length of a text that a directory is searched with. A value
// below 1 would make clearing the search field ask for the whole directory.
int minimumLengthFrom(const RAZ::Configuration::Config* config) {
  return qMax(1, configValue(config, ConfigId::SearchMinimumLength).toInt());
}

// Whether a text is long enough to search with. Characters are counted, not
// the halves a character beyond the basic plane is stored in; and one of
// the scripts that write a syllable or a word in a character (Chinese,
// Japanese, Korean) is enough on its own: "李" is a whole surname.
bool longEnough(const QString& text, int minimum) {
  const QVector<uint> characters = text.toUcs4();
  if (characters.size() >= minimum) return true;
  for (uint c : characters) {
    switch (QChar::script(c)) {
      case QChar::Script_Han:
      case QChar::Script_Hiragana:
      case QChar::Script_Katakana:
      case QChar::Script_Hangul:
        return true;
      default:
        break;
    }
  }
  return false;
}

QString text(const QVariantMap& data, const char* key) {
  return data.value(QLatin1String(key)).toString();
}
}  // namespace

QString SearchManager::s_searchText;

// --- Search ---

SearchManager::Search::Search(RAZ::Controllers::Search::ContactSearch* controller,
                              const RAZ::Configuration::Config* config,
                              RAZ::Models::SearchGroups* groups)
    : m_controller(controller),
      m_results(new RAZ::Contacts::ContactsImpl(config, nullptr)),
      m_config(config),
      m_groups(groups) {}

SearchManager::Search::~Search() {
  QObject::disconnect(m_errorConnection);
  QObject::disconnect(m_resultsConnection);
  delete m_results;
}

bool SearchManager::Search::isAvailable() const { return true; }

bool SearchManager::Search::isEnabled() const { return true; }

void SearchManager::Search::firstTimeSearch() { m_firstSearchPending = false; }

void SearchManager::Search::clearResults() { m_results->reset(); }

void SearchManager::Search::attach(QObject* receiver) {
  if (m_attached || !isAvailable()) return;
  m_errorConnection = connectError(receiver);
  if (!m_group) {
    if (m_groups) {
      m_group = m_groups->addSearchModel(m_results->getModel(3));
      if (m_group) m_group->setName(name());
    }
  } else if (m_groups) {
    m_groups->addGroup(m_group);
  }
  if (m_controller)
    m_resultsConnection = QObject::connect(
        m_controller,
        SIGNAL(
            searchContactsResults(QList<RAZ::Controllers::Search::ContactSearchResult>, quint32)),
        receiver,
        SLOT(searchContactsResults(QList<RAZ::Controllers::Search::ContactSearchResult>, quint32)));
  m_attached = true;
}

void SearchManager::Search::detach(QObject* receiver) {
  Q_UNUSED(receiver)
  if (!m_attached) return;
  QObject::disconnect(m_errorConnection);
  QObject::disconnect(m_resultsConnection);
  if (m_group && m_groups) m_groups->removeGroup(m_group);
  m_attached = false;
}

void SearchManager::Search::start(const QString& text) {
  if (!longEnough(text, m_minimumLength) || !m_controller) {
    stop();
    m_results->reset();
    return;
  }
  QString request = text;
  if (!request.endsWith(QLatin1Char('*'))) request += QLatin1Char('*');
  if (m_group) {
    m_group->setSearching(true);
    m_group->setErrorText(QString());
    m_group->setMoreResults(false);
  }
  // Only one request per source is out: the controller drops the running
  // one, so its late answer cannot replace this one's.
  m_controller->search(
      RAZ::Controllers::Search::ContactSearchData(request, kAllFields, 0, nullptr));
}

void SearchManager::Search::stop() {
  if (m_controller) m_controller->cancel();
  if (m_group) m_group->setSearching(false);
}

void SearchManager::Search::showFailure(const QString& text) {
  if (m_group) {
    m_group->setSearching(false);
    m_group->setMoreResults(false);
    m_group->setErrorText(text);
  }
}

// --- SearchXsi ---

SearchManager::SearchXsi::SearchXsi(RAZ::Controllers::Search::ContactSearch* controller,
                                    const RAZ::Configuration::Config* config,
                                    RAZ::Models::SearchGroups* groups)
    : Search(controller, config, groups) {
  m_minimumLength = minimumLengthFrom(config);
}

QString SearchManager::SearchXsi::name() const { return tr("Telephony Directory"); }

QMetaObject::Connection SearchManager::SearchXsi::connectError(QObject* receiver) {
  if (!m_controller) return QMetaObject::Connection();
  return QObject::connect(
      m_controller, SIGNAL(errorMessage(RAZ::Xsi::XsiComponent::Error, RAZ::Xsi::XsiErrorInfo)),
      receiver, SLOT(xsiSearchError(RAZ::Xsi::XsiComponent::Error, RAZ::Xsi::XsiErrorInfo)));
}

// --- SearchXsiEnterprise ---

SearchManager::SearchXsiEnterprise::SearchXsiEnterprise(
    RAZ::Controllers::Search::ContactSearch* controller, const RAZ::Configuration::Config* config,
    RAZ::Models::SearchGroups* groups)
    : SearchXsi(controller, config, groups) {
  m_minimumLength = 0;
  m_firstSearchPending = true;
}

void SearchManager::SearchXsiEnterprise::firstTimeSearch() {
  if (!m_firstSearchPending) return;
  if (m_controller) m_controller->search(RAZ::Controllers::Search::ContactSearchData());
  m_firstSearchPending = false;
}

QString SearchManager::SearchXsiEnterprise::name() const { return tr("Directory"); }

// --- SearchOutlook ---

SearchManager::SearchOutlook::SearchOutlook(RAZ::Controllers::Search::ContactSearch* controller,
                                            const RAZ::Configuration::Config* config,
                                            RAZ::Models::SearchGroups* groups)
    : Search(controller, config, groups) {
  m_minimumLength = 1;
}

bool SearchManager::SearchOutlook::isAvailable() const {
  auto* outlook = qobject_cast<RAZ::Controllers::Search::OutlookContactSearch*>(m_controller);
  return outlook && outlook->isAvailable() && outlook->isChecked();
}

bool SearchManager::SearchOutlook::isEnabled() const {
  auto* outlook = qobject_cast<RAZ::Controllers::Search::OutlookContactSearch*>(m_controller);
  return outlook && outlook->isChecked();
}

QString SearchManager::SearchOutlook::name() const { return tr("Outlook"); }

QMetaObject::Connection SearchManager::SearchOutlook::connectError(QObject* receiver) {
  if (!m_controller) return QMetaObject::Connection();
  return QObject::connect(
      m_controller,
      SIGNAL(errorMessage(RAZ::Controllers::Search::OutlookContactSearch::Error, QString)),
      receiver,
      SLOT(outlookSearchError(RAZ::Controllers::Search::OutlookContactSearch::Error, QString)));
}

// --- SearchLdap ---

SearchManager::SearchLdap::SearchLdap(RAZ::Controllers::Search::ContactSearch* controller,
                                      const RAZ::Configuration::Config* config,
                                      RAZ::Models::SearchGroups* groups)
    : Search(controller, config, groups) {
  m_minimumLength = minimumLengthFrom(config);
}

bool SearchManager::SearchLdap::isAvailable() const {
  return configValue(m_config, ConfigId::LdapContactSearch).toBool();
}

bool SearchManager::SearchLdap::isEnabled() const {
  if (!isAvailable()) return false;
  auto* ldap = qobject_cast<RAZ::Controllers::Search::LdapContactSearch*>(m_controller);
  return ldap && (!ldap->getAuthenticationRequired() || ldap->getLdapCredentials()) &&
         ldap->isChecked();
}

QString SearchManager::SearchLdap::name() const { return tr("Corporate Directory"); }

QString SearchManager::SearchLdap::failureText() const {
  using RAZ::Controllers::Search::LdapContactSearch;
  auto* ldap = qobject_cast<LdapContactSearch*>(m_controller);
  if (!ldap) return QString();
  switch (ldap->lastFailure()) {
    case LdapContactSearch::NoFailure:
      return QString();
    case LdapContactSearch::AuthenticationFailed:
      return tr("The directory server refused the credentials");
    case LdapContactSearch::NotConfigured:
      return tr("No directory server is configured");
    case LdapContactSearch::Timeout:
      return tr("The directory server did not answer in time");
    case LdapContactSearch::ServerDown:
      return tr("The directory server cannot be reached");
    case LdapContactSearch::Unavailable:
      return tr("The directory search is unavailable: its library cannot be loaded");
    case LdapContactSearch::Other:
      break;
  }
  return tr("The directory search failed");
}

bool SearchManager::SearchLdap::hasMoreResults() const {
  auto* ldap = qobject_cast<RAZ::Controllers::Search::LdapContactSearch*>(m_controller);
  return ldap && ldap->moreResults();
}

QMetaObject::Connection SearchManager::SearchLdap::connectError(QObject* receiver) {
  if (!m_controller) return QMetaObject::Connection();
  return QObject::connect(m_controller, SIGNAL(searchFailed()), receiver, SLOT(ldapSearchError()));
}

// --- SearchManager ---

SearchManager::SearchManager(RAZ::Models::SearchGroups* groups,
                             RAZ::Sessions::SessionManagerBase* session,
                             Providers::Factory* factory, QObject* parent)
    : QObject(parent),
      m_session(session),
      m_config(session ? session->configuration() : nullptr),
      m_groups(groups),
      m_factory(factory),
      m_timer(new QTimer(this)) {
  RAZ::Controllers::Search::ContactSearch::registerMetaTypes();
  for (int kind : {KindXsi, KindOutlook, KindLdap})
    if (Search* s = createSearch(kind)) m_searches.insert(kind, s);
  m_timer->setSingleShot(true);
  m_timer->setInterval(configValue(m_config, ConfigId::SearchDelay).toInt());
  connect(m_timer, SIGNAL(timeout()), this, SLOT(startSearches()));
}

SearchManager::~SearchManager() {
  for (Search* s : qAsConst(m_searches)) {
    if (!s) continue;
    s->stop();
    delete s;
  }
  m_searches.clear();
  delete m_enterprise;
}

QString SearchManager::currentSearchText() { return s_searchText; }

SearchManager::Search* SearchManager::searchOf(int kind) const {
  return kind == KindXsiEnterprise ? m_enterprise : m_searches.value(kind);
}

SearchManager::Search* SearchManager::createSearch(int kind) {
  if (!m_session) return nullptr;
  RAZ::Controllers::Search::ContactSearch* controller = nullptr;
  switch (kind) {
    case KindXsi:
      controller = m_session->contactSearchController();
      return controller ? new SearchXsi(controller, m_config, m_groups) : nullptr;
    case KindXsiEnterprise:
      controller = m_session->contactFullSearchController();
      return controller ? new SearchXsiEnterprise(controller, m_config, m_groups) : nullptr;
    case KindOutlook:
      controller = m_session->outlookContactSearchController();
      return controller ? new SearchOutlook(controller, m_config, m_groups) : nullptr;
    case KindLdap:
      controller = m_session->ldapContactSearchController();
      return controller ? new SearchLdap(controller, m_config, m_groups) : nullptr;
    default:
      return nullptr;
  }
}

void SearchManager::search(const QString& text) {
  s_searchText = text;
  if (text.isEmpty()) {
    m_timer->stop();
    startSearches();
    return;
  }
  for (Search* s : qAsConst(m_searches)) {
    if (!s) continue;
    if (s->isEnabled()) {
      s->attach(this);
      // What is out was asked for an older text: its answer would only be
      // replaced when the pause ends.
      if (s->controller()) s->controller()->cancel();
    } else {
      s->detach(this);
    }
  }
  m_timer->start();
}

void SearchManager::startSearches() {
  for (Search* s : qAsConst(m_searches))
    if (s && s->isEnabled()) s->start(s_searchText);
}

SearchManager::Search* SearchManager::searchOfController(const QObject* controller) const {
  if (!controller) return nullptr;
  if (m_enterprise && m_enterprise->controller() == controller) return m_enterprise;
  for (Search* s : m_searches)
    if (s && s->controller() == controller) return s;
  return nullptr;
}

void SearchManager::addResult(Search* search,
                              const RAZ::Controllers::Search::ContactSearchResult& result) {
  if (!result) return;
  const QVariantMap data = result->additionalData();
  QVariantMap properties;
  auto set = [&properties](int key, const QVariant& value) {
    properties.insert(QString::number(key), value);
  };
  auto setIfAny = [&set](int key, const QString& value) {
    if (!value.isEmpty()) set(key, value);
  };
  using namespace RAZ::Contacts::Properties;
  setIfAny(KeyUri, result->uri());
  setIfAny(KeyDisplayName, result->displayName());
  set(KeyFirstName, result->firstName());
  set(KeyLastName, result->lastName());
  set(KeyImAddress, result->jid().toLower());
  set(KeyWork, result->phone());
  setIfAny(KeyEmail, text(data, "emailAddress"));
  setIfAny(KeyEmail, text(data, "mail"));
  setIfAny(KeyDepartment, text(data, "department"));
  setIfAny(KeyCity, text(data, "city"));
  setIfAny(KeyCity, text(data, "l"));
  setIfAny(KeyCountry, text(data, "country"));
  setIfAny(KeyState, text(data, "st"));
  setIfAny(KeyPostalCode, text(data, "zip"));
  setIfAny(KeyPostalCode, text(data, "postalcode"));
  setIfAny(KeyMobile, text(data, "mobile"));
  setIfAny(KeyPersonal, text(data, "homephone"));
  setIfAny(KeyStreet, text(data, "streetaddress"));
  const QString lines = text(data, "addressLine1") + QLatin1Char(' ') + text(data, "addressLine2");
  if (lines != QLatin1String(" ")) set(KeyStreet, lines);
  setIfAny(KeyWeb, text(data, "web"));
  setIfAny(KeyConference, text(data, "confnumber"));
  setIfAny(KeyConferenceId, text(data, "confid"));
  setIfAny(KeySecurityPin, text(data, "securitypin"));
  set(KeyExtension, text(data, "extension"));

  // The contact is whole before the store takes it: nobody watches it yet,
  // so nothing is told of each change, and a contact the store refuses is
  // deleted here while one it accepted is never deleted behind its back.
  RAZ::Contacts::IContact* contact = search->results()->createContact(-1);
  if (!contact) return;
  contact->updateProperties(properties, QVariantMap(), false);
  contact->setSearchResult(true);
  contact->setSearchText(s_searchText);
  if (!search->results()->addContact(contact, false, true)) delete contact;
}

void SearchManager::searchContactsResults(
    QList<RAZ::Controllers::Search::ContactSearchResult> results, quint32 count) {
  Q_UNUSED(count)
  Search* s = searchOfController(sender());
  if (!s) return;
  RAZ::Utils::SharedPointer<RAZ::Contacts::IGroup> group = s->group();
  if (group) {
    group->setSearching(false);
    group->setErrorText(QString());
    group->setMoreResults(s->hasMoreResults());
  }
  if (!s->results()) return;
  s->clearResults();
  if (group) group->setOpen(results.size() <= kOpenGroupLimit);
  for (const RAZ::Controllers::Search::ContactSearchResult& r : qAsConst(results)) addResult(s, r);
}

void SearchManager::xsiSearchError(RAZ::Xsi::XsiComponent::Error error,
                                   const RAZ::Xsi::XsiErrorInfo& info) {
  // The directory answers nothing this time; the user sees it on the group.
  Search* s = searchOfController(sender());
  TP_LOG("Utils::Search::SearchManager::xsiSearchError", TP::Core::Logging::LevelInformation)
      << "Directory search error " << int(error) << " (" << info.code << ")";
  if (s) s->showFailure(tr("The directory search failed"));
}

void SearchManager::outlookSearchError(RAZ::Controllers::Search::OutlookContactSearch::Error error,
                                       const QString& message) {
  QString text;
  switch (error) {
    case RAZ::Controllers::Search::OutlookContactSearch::Initializing:
      text = tr("Outlook search is initializing");
      break;
    case RAZ::Controllers::Search::OutlookContactSearch::Timeout:
      text = tr("Operation timeout");
      break;
    case RAZ::Controllers::Search::OutlookContactSearch::Other:
      text =
          message.isEmpty() ? tr("Unknown error while obtaining contacts from Outlook") : message;
      break;
    default:
      text = tr("Unknown error while obtaining contacts from Outlook");
  }
  TP_LOG("Utils::Search::SearchManager::outlookSearchError", TP::Core::Logging::LevelInformation)
      << "Outlook error: " << text;
}

void SearchManager::ldapSearchError() {
  Search* s = m_searches.value(KindLdap);
  if (!s) return;
  s->stop();
  s->results()->reset();
  const QString text = s->failureText();
  TP_LOG("Utils::Search::SearchManager::ldapSearchError", TP::Core::Logging::LevelWarning)
      << "Corporate directory: " << text;
  s->showFailure(text);
}

void SearchManager::firstTimeCheck(int kind) {
  // The enterprise directory is held apart and never driven by typing.
  if (kind == KindXsiEnterprise) {
    if (m_enterprise) m_enterprise->firstTimeSearch();
    return;
  }
  if (!m_searches.value(kind)) {
    if (Search* s = createSearch(kind)) m_searches.insert(kind, s);
  }
  if (Search* s = m_searches.value(kind)) s->firstTimeSearch();
}

QAbstractItemModel* SearchManager::setupEnterpriseSearch() {
  if (!m_enterprise) m_enterprise = createSearch(KindXsiEnterprise);
  if (!m_enterprise) return nullptr;
  QAbstractItemModel* model = m_enterprise->results()->getModel(3);
  RAZ::Controllers::Search::ContactSearch* controller = m_enterprise->controller();
  connect(controller, SIGNAL(searching(bool)), this, SIGNAL(enterpriseSearching(bool)),
          Qt::UniqueConnection);
  connect(
      controller,
      SIGNAL(searchContactsResults(QList<RAZ::Controllers::Search::ContactSearchResult>, quint32)),
      this,
      SLOT(searchContactsResults(QList<RAZ::Controllers::Search::ContactSearchResult>, quint32)),
      Qt::UniqueConnection);
  m_enterprise->firstTimeSearch();
  return model;
}

void SearchManager::retranslateSearchGroups() {
  // A source switched off keeps its group for when it is back: that group
  // takes the new language too.
  for (Search* s : qAsConst(m_searches))
    if (s && s->group()) s->group()->setName(s->name());
}

void SearchManager::resetSearches() {
  s_searchText.clear();
  for (Search* s : qAsConst(m_searches)) {
    if (!s) continue;
    s->stop();
    s->results()->reset();
  }
}

}  // namespace Search
}  // namespace Utils
