#include "RAZ/Controllers/Search/ContactSearch.h"

#include <QTimer>

namespace RAZ {
namespace Controllers {
namespace Search {

namespace {
const char* const kCoreKeys[] = {"name", "uri", "first", "last", "jid", "work"};
}

QString ContactSearchResultPtr::firstName() const {
  if (m_entry.contains(QStringLiteral("first"))) return text("first");
  const QString name = displayName().trimmed();
  const int blank = name.indexOf(QLatin1Char(' '));
  return blank < 0 ? name : name.left(blank);
}

QString ContactSearchResultPtr::lastName() const {
  if (m_entry.contains(QStringLiteral("last"))) return text("last");
  const QString name = displayName().trimmed();
  const int blank = name.indexOf(QLatin1Char(' '));
  return blank < 0 ? QString() : name.mid(blank + 1);
}

QVariantMap ContactSearchResultPtr::additionalData() const {
  QVariantMap data = m_entry;
  for (const char* key : kCoreKeys) data.remove(QLatin1String(key));
  if (m_entry.contains(QStringLiteral("email")))
    data.insert(QStringLiteral("emailAddress"), m_entry.value(QStringLiteral("email")));
  if (m_entry.contains(QStringLiteral("title")))
    data.insert(QStringLiteral("department"), m_entry.value(QStringLiteral("title")));
  return data;
}

void ContactSearch::registerMetaTypes() {
  qRegisterMetaType<QList<QVariantMap>>("QList<QVariantMap>");
  qRegisterMetaType<RAZ::Controllers::Search::ContactSearchResult>(
      "RAZ::Controllers::Search::ContactSearchResult");
  qRegisterMetaType<QList<RAZ::Controllers::Search::ContactSearchResult>>(
      "QList<RAZ::Controllers::Search::ContactSearchResult>");
  qRegisterMetaType<RAZ::Xsi::XsiComponent::Error>("RAZ::Xsi::XsiComponent::Error");
  qRegisterMetaType<RAZ::Xsi::XsiErrorInfo>("RAZ::Xsi::XsiErrorInfo");
  qRegisterMetaType<RAZ::Controllers::Search::OutlookContactSearch::Error>(
      "RAZ::Controllers::Search::OutlookContactSearch::Error");
}

ContactSearch::ContactSearch(const QList<QVariantMap>& directory, QObject* parent)
    : QObject(parent), m_directory(directory), m_answer(new QTimer(this)) {
  registerMetaTypes();
  m_answer->setSingleShot(true);
  connect(m_answer, &QTimer::timeout, this, [this] {
    const QList<QVariantMap> entries = m_pending;
    m_pending.clear();
    if (m_failure != RAZ::Xsi::XsiComponent::NoError) {
      emit errorMessage(m_failure, RAZ::Xsi::XsiErrorInfo());
      return;
    }
    deliver(entries);
  });
}

ContactSearch::~ContactSearch() = default;

QList<QVariantMap> ContactSearch::matches(const QString& text) const {
  QList<QVariantMap> result;
  const QString needle = text.trimmed();
  if (needle.isEmpty()) return result;
  for (const QVariantMap& entry : m_directory) {
    for (auto it = entry.begin(); it != entry.end(); ++it) {
      if (it.value().toString().contains(needle, Qt::CaseInsensitive)) {
        result.append(entry);
        break;
      }
    }
  }
  return result;
}

int ContactSearch::search(const QString& text) {
  if (text.trimmed().isEmpty()) return 0;
  const int id = ++m_lastId;
  m_running = id;
  const QList<QVariantMap> found = matches(text);
  QTimer::singleShot(0, this, [this, id, found] {
    // A newer search or a cancel makes this answer stale.
    if (m_running != id) return;
    m_running = 0;
    emit searchFinished(id, found);
  });
  return id;
}

void ContactSearch::search(RAZ::Controllers::Search::ContactSearchData data) {
  ++m_started;
  m_lastText = data.text();
  if (data.isDefault()) {
    m_pending = m_directory;
  } else {
    QString text = data.text().trimmed();
    while (text.endsWith(QLatin1Char('*'))) text.chop(1);
    // A bare "*" asks for nothing in particular: no dump of the directory.
    m_pending = matches(text);
  }
  m_answer->start(m_answerDelay);
}

void ContactSearch::cancel() {
  m_running = 0;
  m_answer->stop();
  m_pending.clear();
}

bool ContactSearch::isSearching() const { return m_answer->isActive(); }

void ContactSearch::deliver(const QList<QVariantMap>& entries) {
  QList<ContactSearchResult> results;
  results.reserve(entries.size());
  for (const QVariantMap& entry : entries) results.append(new ContactSearchResultPtr(entry));
  emit searchContactsResults(results, quint32(results.size()));
}

XsiContactFullSearch::XsiContactFullSearch(const QList<QVariantMap>& directory, QObject* parent)
    : ContactSearch(directory, parent) {}

void XsiContactFullSearch::search(RAZ::Controllers::Search::ContactSearchData data) {
  ContactSearch::search(data);
  emit searching(true);
}

void XsiContactFullSearch::cancel() {
  const bool was = isSearching();
  ContactSearch::cancel();
  if (was) emit searching(false);
}

void XsiContactFullSearch::deliver(const QList<QVariantMap>& entries) {
  emit searching(false);
  ContactSearch::deliver(entries);
}

OutlookContactSearch::OutlookContactSearch(QObject* parent)
    : ContactSearch(QList<QVariantMap>(), parent) {}

void OutlookContactSearch::search(RAZ::Controllers::Search::ContactSearchData data) {
  Q_UNUSED(data)
  // Nothing to ask: the source is never available here.
}

}  // namespace Search
}  // namespace Controllers
}  // namespace RAZ
