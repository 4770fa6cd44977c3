#pragma once

#include <QList>
#include <QMap>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>

#include <RAZ/Controllers/Search/ContactSearch.h>
#include <RAZ/Xsi/XsiComponent.h>
#include <RAZ/Xsi/XsiCredentialsControl.h>
#include <tp/core/SharedPointer.h>

class QAbstractItemModel;
class QTimer;

namespace Providers {
class Factory;
}
namespace RAZ {
namespace Configuration {
class Config;
}
namespace Contacts {
class ContactsImpl;
class IGroup;
}  // namespace Contacts
namespace Models {
class SearchGroups;
}
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ

namespace Utils {
namespace Search {

// Runs the directory searches that typing in the main window's search field
// starts beside the own-contacts filter: the telephony directory, Outlook and
// the corporate (LDAP) directory, each listed as a group of its own in the
// search results; and the enterprise directory, loaded once in full.
//
// Typing is debounced (configuration 168, milliseconds); each source takes
// part only while it is enabled and the text is long enough for it. A new
// search of a source replaces its running one, so at most one request per
// source is out and a late answer never overwrites a newer one.
class SearchManager : public QObject {
  Q_OBJECT

 public:
  enum Kind { KindXsi = 1, KindXsiEnterprise = 2, KindOutlook = 3, KindLdap = 4 };

  // One source: its controller, its own store of result contacts and its
  // group in the search results.
  class Search {
   public:
    Search(RAZ::Controllers::Search::ContactSearch* controller,
           const RAZ::Configuration::Config* config, RAZ::Models::SearchGroups* groups);
    virtual ~Search();
    Search(const Search&) = delete;
    Search& operator=(const Search&) = delete;

    virtual void attach(QObject* receiver);
    virtual void detach(QObject* receiver);
    virtual bool isAvailable() const;
    virtual bool isEnabled() const;
    virtual void firstTimeSearch();
    virtual QString name() const = 0;
    virtual void clearResults();
    // Why the source's last search failed, for its group; empty when it did
    // not fail.
    virtual QString failureText() const { return QString(); }
    // The source's last answer held only part of what matches.
    virtual bool hasMoreResults() const { return false; }

    void start(const QString& text);
    void stop();
    // Shows the failure on the group (an empty text clears it).
    void showFailure(const QString& text);

    RAZ::Controllers::Search::ContactSearch* controller() const { return m_controller; }
    RAZ::Contacts::ContactsImpl* results() const { return m_results; }
    RAZ::Utils::SharedPointer<RAZ::Contacts::IGroup> group() const { return m_group; }
    bool isAttached() const { return m_attached; }
    int minimumLength() const { return m_minimumLength; }

   protected:
    // Connects the controller's error signal to the receiver (made by attach).
    virtual QMetaObject::Connection connectError(QObject* receiver) = 0;

    QPointer<RAZ::Controllers::Search::ContactSearch> m_controller;
    RAZ::Contacts::ContactsImpl* m_results;
    const RAZ::Configuration::Config* m_config;
    QPointer<RAZ::Models::SearchGroups> m_groups;
    RAZ::Utils::SharedPointer<RAZ::Contacts::IGroup> m_group;
    int m_minimumLength = 1;
    bool m_firstSearchPending = false;
    bool m_attached = false;
    QMetaObject::Connection m_errorConnection;
    QMetaObject::Connection m_resultsConnection;
  };

  class SearchXsi : public Search {
   public:
    SearchXsi(RAZ::Controllers::Search::ContactSearch* controller,
              const RAZ::Configuration::Config* config, RAZ::Models::SearchGroups* groups);
    QString name() const override;

   protected:
    QMetaObject::Connection connectError(QObject* receiver) override;
  };

  class SearchXsiEnterprise : public SearchXsi {
   public:
    SearchXsiEnterprise(RAZ::Controllers::Search::ContactSearch* controller,
                        const RAZ::Configuration::Config* config,
                        RAZ::Models::SearchGroups* groups);
    void firstTimeSearch() override;
    QString name() const override;
    // Its results accumulate: the whole directory is loaded once.
    void clearResults() override {}
  };

  class SearchOutlook : public Search {
   public:
    SearchOutlook(RAZ::Controllers::Search::ContactSearch* controller,
                  const RAZ::Configuration::Config* config, RAZ::Models::SearchGroups* groups);
    bool isAvailable() const override;
    bool isEnabled() const override;
    QString name() const override;

   protected:
    QMetaObject::Connection connectError(QObject* receiver) override;
  };

  class SearchLdap : public Search {
   public:
    SearchLdap(RAZ::Controllers::Search::ContactSearch* controller,
               const RAZ::Configuration::Config* config, RAZ::Models::SearchGroups* groups);
    bool isAvailable() const override;
    bool isEnabled() const override;
    QString name() const override;
    QString failureText() const override;
    bool hasMoreResults() const override;

   protected:
    QMetaObject::Connection connectError(QObject* receiver) override;
  };

  SearchManager(RAZ::Models::SearchGroups* groups, RAZ::Sessions::SessionManagerBase* session,
                Providers::Factory* factory, QObject* parent = nullptr);
  ~SearchManager() override;

  void search(const QString& text);
  // The enterprise directory's model (loaded once, in full), or null when the
  // session has no enterprise directory.
  QAbstractItemModel* setupEnterpriseSearch();
  // Names every source's group in the current language.
  void retranslateSearchGroups();
  void resetSearches();
  // A new search of the kind, or null for a kind outside 1 to 4 or one the
  // session has no controller for.
  Search* createSearch(int kind);

  static QString currentSearchText();
  Search* searchOf(int kind) const;
  QTimer* debounceTimer() const { return m_timer; }

 signals:
  void enterpriseSearching(bool searching);

 public slots:
  void startSearches();
  void searchContactsResults(QList<RAZ::Controllers::Search::ContactSearchResult> results,
                             quint32 count);
  void xsiSearchError(RAZ::Xsi::XsiComponent::Error error, const RAZ::Xsi::XsiErrorInfo& info);
  void outlookSearchError(RAZ::Controllers::Search::OutlookContactSearch::Error error,
                          const QString& message);
  void ldapSearchError();
  void firstTimeCheck(int kind);

 private:
  Search* searchOfController(const QObject* controller) const;
  static void addResult(Search* search, const RAZ::Controllers::Search::ContactSearchResult& r);

  QMap<int, Search*> m_searches;
  Search* m_enterprise = nullptr;
  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  const RAZ::Configuration::Config* m_config = nullptr;
  QPointer<RAZ::Models::SearchGroups> m_groups;
  QPointer<Providers::Factory> m_factory;
  QTimer* m_timer;
  static QString s_searchText;
};

}  // namespace Search
}  // namespace Utils
