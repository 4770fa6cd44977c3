#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <tp/core/RefCountable.h>

namespace RAZ {
namespace Controllers {
namespace Search {

// One directory entry found by a search; shared by reference count.
class ContactSearchResultPtr : public TP::Core::RefCountable {
 public:
  explicit ContactSearchResultPtr(const QVariantMap& entry)
      : TP::Core::RefCountable(true, QStringLiteral("ContactSearchResultPtr")), m_entry(entry) {}
  QVariantMap entry() const { return m_entry; }
  QString displayName() const { return m_entry.value(QStringLiteral("name")).toString(); }

 private:
  QVariantMap m_entry;
};

// Searches the directories (telephony, enterprise). Results arrive from the
// event loop with searchFinished; a newer search replaces a running one.
class ContactSearch : public QObject {
  Q_OBJECT

 public:
  explicit ContactSearch(const QList<QVariantMap>& directory, QObject* parent = nullptr);

  // Starts a search for the text (matched, without regard to case, against
  // name, e-mail and numbers). Returns the search id; an empty text starts
  // nothing and returns 0.
  int search(const QString& text);
  void cancel();
  QList<QVariantMap> directory() const { return m_directory; }
  // The entries that match, at once (the synchronous form used by
  // synchronisers).
  QList<QVariantMap> matches(const QString& text) const;

 signals:
  void searchFinished(int id, const QList<QVariantMap>& results);

 private:
  QList<QVariantMap> m_directory;
  int m_lastId = 0;
  int m_running = 0;
};

}  // namespace Search
}  // namespace Controllers
}  // namespace RAZ
