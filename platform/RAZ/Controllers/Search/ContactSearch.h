#pragma once

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

#include <tp/core/RefCountable.h>
#include <tp/core/SmartPtr.h>

#include "RAZ/Xsi/XsiComponent.h"
#include "RAZ/Xsi/XsiCredentialsControl.h"

class QTimer;

namespace RAZ {
namespace Controllers {
namespace Search {

// What to search for: the text (a trailing "*" matches any ending) and the
// fields and flags of the request. A default-constructed request asks for the
// whole directory.
class ContactSearchData {
 public:
  ContactSearchData() = default;
  ContactSearchData(const QString& text, unsigned int fields, unsigned int flags,
                    QObject* parent = nullptr)
      : m_text(text), m_fields(fields), m_flags(flags), m_default(false) {
    Q_UNUSED(parent)
  }
  QString text() const { return m_text; }
  unsigned int fields() const { return m_fields; }
  unsigned int flags() const { return m_flags; }
  // True for the request that asks for everything.
  bool isDefault() const { return m_default; }

 private:
  QString m_text;
  unsigned int m_fields = 0xFFFFFFFFu;
  unsigned int m_flags = 0;
  bool m_default = true;
};

// One directory entry found by a search; shared by reference count.
//
// The entry's keys: "name" (display name), "uri", "first", "last", "jid",
// "work" (the number calls use); every other key is additional data, with
// "email" also given as "emailAddress" and "title" as "department".
class ContactSearchResultPtr : public TP::Core::RefCountable {
 public:
  explicit ContactSearchResultPtr(const QVariantMap& entry)
      : TP::Core::RefCountable(true, QStringLiteral("ContactSearchResultPtr")), m_entry(entry) {}
  QVariantMap entry() const { return m_entry; }
  QString displayName() const { return text("name"); }
  QString uri() const { return text("uri"); }
  QString firstName() const;
  QString lastName() const;
  QString jid() const { return text("jid"); }
  QString phone() const { return text("work"); }
  QVariantMap additionalData() const;

 private:
  QString text(const char* key) const { return m_entry.value(QLatin1String(key)).toString(); }
  QVariantMap m_entry;
};

using ContactSearchResult = TP::Core::Refcounting::SmartPtr<ContactSearchResultPtr>;

// Searches a directory. Results arrive from the event loop; a newer search
// replaces a running one, whose answer is then never delivered.
//
// Two forms: search(text)/searchFinished, the plain form the contact
// synchronisers use, and search(ContactSearchData)/searchContactsResults, the
// form of the directory searches, which the other directory sources
// (enterprise, Outlook, LDAP) override.
class ContactSearch : public QObject {
  Q_OBJECT

 public:
  explicit ContactSearch(const QList<QVariantMap>& directory, QObject* parent = nullptr);
  ~ContactSearch() override;

  // Starts a search for the text (matched, without regard to case, against
  // name, e-mail and numbers). Returns the search id; an empty text starts
  // nothing and returns 0.
  int search(const QString& text);
  // Starts a directory search: the text, without its trailing "*", matched
  // as in search(text); a default request lists the whole directory.
  virtual void search(RAZ::Controllers::Search::ContactSearchData data);
  // Drops the running search of either form: its answer never arrives.
  virtual void cancel();
  QList<QVariantMap> directory() const { return m_directory; }
  // The entries that match, at once (the synchronous form used by
  // synchronisers).
  QList<QVariantMap> matches(const QString& text) const;

  // How long the directory takes to answer (milliseconds; 0 answers on the
  // next event-loop turn). Set by the demo and by tests.
  void setAnswerDelay(int ms) { m_answerDelay = ms; }
  // Makes the next directory searches fail with this error (NoError: answer).
  void setFailure(RAZ::Xsi::XsiComponent::Error error) { m_failure = error; }
  // Directory searches started so far (cancelled ones included), and the
  // text of the last one.
  int searchesStarted() const { return m_started; }
  QString lastSearchText() const { return m_lastText; }
  bool isSearching() const;

  static void registerMetaTypes();

 signals:
  void searchFinished(int id, const QList<QVariantMap>& results);
  void searchContactsResults(QList<RAZ::Controllers::Search::ContactSearchResult> results,
                             quint32 count);
  void errorMessage(RAZ::Xsi::XsiComponent::Error error, const RAZ::Xsi::XsiErrorInfo& info);

 protected:
  // The answer of a directory search, delivered unless cancelled meanwhile.
  virtual void deliver(const QList<QVariantMap>& entries);

 private:
  QList<QVariantMap> m_directory;
  int m_lastId = 0;
  int m_running = 0;
  int m_answerDelay = 0;
  int m_started = 0;
  QString m_lastText;
  RAZ::Xsi::XsiComponent::Error m_failure = RAZ::Xsi::XsiComponent::NoError;
  QTimer* m_answer;
  QList<QVariantMap> m_pending;
};

// The telephony service's directory of the enterprise, loaded in full once
// (a default request) and then searched locally; searching(bool) tells when
// a request is out.
class XsiContactFullSearch : public ContactSearch {
  Q_OBJECT

 public:
  explicit XsiContactFullSearch(const QList<QVariantMap>& directory, QObject* parent = nullptr);
  void search(RAZ::Controllers::Search::ContactSearchData data) override;
  void cancel() override;

 signals:
  void searching(bool on);

 protected:
  void deliver(const QList<QVariantMap>& entries) override;
};

// Outlook's contacts. There is no Outlook on this desktop: the source is
// never available and answers no search.
class OutlookContactSearch : public ContactSearch {
  Q_OBJECT

 public:
  enum Error { NoError = 0, Initializing = 1, Timeout = 2, Other = 3 };
  Q_ENUM(Error)

  explicit OutlookContactSearch(QObject* parent = nullptr);
  bool isAvailable() const { return false; }
  bool isChecked() const { return false; }
  bool isEnabled() const { return false; }
  void search(RAZ::Controllers::Search::ContactSearchData data) override;

 signals:
  // Overloads the base class's errorMessage: listeners pick the source by signature.
  void errorMessage(  // clazy:exclude=overloaded-signal
      RAZ::Controllers::Search::OutlookContactSearch::Error error, const QString& message);
  void outlookDetectionFinished();
  void outlookSearchChecked(bool checked);
};

}  // namespace Search
}  // namespace Controllers
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Controllers::Search::ContactSearchResult)
Q_DECLARE_METATYPE(QList<RAZ::Controllers::Search::ContactSearchResult>)
Q_DECLARE_METATYPE(RAZ::Controllers::Search::OutlookContactSearch::Error)
