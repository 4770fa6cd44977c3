#include "Models/ContactSearchFilter.h"

#include <algorithm>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Utils/Parsers.h>

namespace Models {

ContactSearchFilter::ContactSearchFilter(QAbstractItemModel* source, int nameRole, QObject* parent)
    : QAbstractListModel(parent), m_source(source), m_nameRole(nameRole) {
  if (source) {
    connect(source, &QAbstractItemModel::rowsInserted, this, &ContactSearchFilter::sourceChanged);
    connect(source, &QAbstractItemModel::rowsRemoved, this, &ContactSearchFilter::sourceChanged);
    connect(source, &QAbstractItemModel::rowsMoved, this, &ContactSearchFilter::sourceChanged);
    connect(source, &QAbstractItemModel::modelReset, this, &ContactSearchFilter::sourceChanged);
    connect(source, &QAbstractItemModel::layoutChanged, this, &ContactSearchFilter::sourceChanged);
    connect(source, &QAbstractItemModel::dataChanged, this,
            &ContactSearchFilter::sourceDataChanged);
    connect(source, &QObject::destroyed, this, [this] {
      beginResetModel();
      m_names.clear();
      m_numbers.clear();
      m_sorted.clear();
      m_rows.clear();
      m_shownAt.clear();
      endResetModel();
    });
  }
  rebuild();
  refilter(m_sorted);
}

int ContactSearchFilter::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_rows.size();
}

int ContactSearchFilter::sourceRow(int row) const {
  return row >= 0 && row < m_rows.size() ? m_rows.at(row) : -1;
}

QVariant ContactSearchFilter::data(const QModelIndex& index, int role) const {
  const int row = index.isValid() ? sourceRow(index.row()) : -1;
  if (row < 0 || !m_source) return QVariant();
  return m_source->index(row, 0).data(role);
}

QHash<int, QByteArray> ContactSearchFilter::roleNames() const {
  return m_source ? m_source->roleNames() : QAbstractListModel::roleNames();
}

QString ContactSearchFilter::dialledNumbers(const QModelIndex& index) {
  const auto* contact = qobject_cast<const RAZ::Contacts::IContact*>(
      index.data(RAZ::Contacts::Contacts::ContactObjectRole).value<QObject*>());
  if (!contact) return QString();
  QStringList numbers;
  const QList<int> types = contact->numberTypes();
  for (int type : types)
    numbers << RAZ::Utils::PhoneNumberParser::normalizePhoneNumber(
        contact->getProperty(type).toString());
  return numbers.join(QLatin1Char(' '));
}

QString ContactSearchFilter::dialledText(const QString& text) {
  return RAZ::Utils::PhoneNumberParser::isValidPhoneNumber(text)
             ? RAZ::Utils::PhoneNumberParser::normalizePhoneNumber(text)
             : QString();
}

void ContactSearchFilter::rebuild() {
  const int count = m_source ? m_source->rowCount() : 0;
  m_names.resize(count);
  m_numbers.resize(count);
  m_sorted.resize(count);
  for (int row = 0; row < count; ++row) {
    const QModelIndex i = m_source->index(row, 0);
    m_names[row] = i.data(m_nameRole).toString().toCaseFolded();
    m_numbers[row] = dialledNumbers(i);
    m_sorted[row] = row;
  }
  std::stable_sort(m_sorted.begin(), m_sorted.end(),
                   [this](int a, int b) { return m_names.at(a) < m_names.at(b); });
}

void ContactSearchFilter::refilter(const QVector<int>& candidates) {
  QVector<int> rows;
  if (m_folded.isEmpty()) {
    rows = candidates;
  } else {
    rows.reserve(candidates.size());
    for (int row : candidates)
      if (m_names.at(row).contains(m_folded) ||
          (!m_dialled.isEmpty() && m_numbers.at(row).contains(m_dialled)))
        rows.append(row);
  }
  beginResetModel();
  m_rows = rows;
  m_shownAt.fill(-1, m_names.size());
  for (int i = 0; i < m_rows.size(); ++i) m_shownAt[m_rows.at(i)] = i;
  endResetModel();
}

void ContactSearchFilter::setFilterText(const QString& text) {
  if (text == m_text) return;
  const QString folded = text.toCaseFolded();
  const QString dialled = dialledText(text);
  // A longer text keeps a part of what the shorter one kept; "12" dials
  // where "1" did not, so it may find numbers the shorter text left out.
  const bool narrower =
      !m_folded.isEmpty() && folded.contains(m_folded) &&
      (dialled.isEmpty() || (!m_dialled.isEmpty() && dialled.contains(m_dialled)));
  m_text = text;
  m_folded = folded;
  m_dialled = dialled;
  refilter(narrower ? m_rows : m_sorted);
}

void ContactSearchFilter::sourceChanged() {
  rebuild();
  refilter(m_sorted);
}

void ContactSearchFilter::sourceDataChanged(const QModelIndex& topLeft,
                                            const QModelIndex& bottomRight,
                                            const QVector<int>& roles) {
  if (!m_source || topLeft.parent().isValid()) return;
  // Presence and the like: the rows shown stay; a changed name can move a
  // contact, and a changed name or number decides whether it matches.
  if (roles.isEmpty() || roles.contains(m_nameRole) ||
      roles.contains(RAZ::Contacts::Contacts::ContactObjectRole)) {
    for (int row = topLeft.row(); row <= bottomRight.row() && row < m_names.size(); ++row) {
      const QModelIndex i = m_source->index(row, 0);
      if (i.data(m_nameRole).toString().toCaseFolded() != m_names.at(row) ||
          dialledNumbers(i) != m_numbers.at(row)) {
        sourceChanged();
        return;
      }
    }
  }
  for (int row = topLeft.row(); row <= bottomRight.row() && row < m_shownAt.size(); ++row) {
    const int shown = m_shownAt.at(row);
    if (shown >= 0) emit dataChanged(index(shown, 0), index(shown, 0), roles);
  }
}

}  // namespace Models
