#include "RAZ/Controllers/Search/ContactSearch.h"

#include <QTimer>

namespace RAZ {
namespace Controllers {
namespace Search {

ContactSearch::ContactSearch(const QList<QVariantMap>& directory, QObject* parent)
    : QObject(parent), m_directory(directory) {
  qRegisterMetaType<QList<QVariantMap>>("QList<QVariantMap>");
}

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

void ContactSearch::cancel() { m_running = 0; }

}  // namespace Search
}  // namespace Controllers
}  // namespace RAZ
