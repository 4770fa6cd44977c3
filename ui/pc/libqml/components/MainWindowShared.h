#pragma once

// What the parts of the main window (MainWindow*.cpp) share; no other file
// includes it.

#include <QSortFilterProxyModel>
#include <QString>
#include <QVariant>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Settings.h>

#include "Models/ContactSearchFilter.h"

namespace QML {

namespace {
inline RAZ::Settings user() { return RAZ::Settings(RAZ::Settings::User); }
// The store writes what was set when it goes, so it is given a name (the
// same call on a temporary reads as if it were lost).
inline void setUserValue(const QString& key, const QVariant& value) {
  RAZ::Settings settings(RAZ::Settings::User);
  settings.setValue(key, value);
}
}  // namespace

// The enterprise directory sorted as the contact list is: by first name or
// by last name (the contact-list sort field), then by the other, then by
// the whole name, ignoring case. Typing narrows it to the people whose name
// holds the text, or whose numbers hold it when it can be dialled.
class DirectorySortProxy : public QSortFilterProxyModel {
 public:
  explicit DirectorySortProxy(QObject* parent) : QSortFilterProxyModel(parent) {}
  void setPrimaryField(int field) {
    if (field == m_field) return;
    m_field = field;
    invalidate();
  }
  void setSearchText(const QString& text) {
    m_dialled = Models::ContactSearchFilter::dialledText(text);
    setFilterFixedString(text);
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    if (QSortFilterProxyModel::filterAcceptsRow(row, parent)) return true;
    return !m_dialled.isEmpty() &&
           Models::ContactSearchFilter::dialledNumbers(sourceModel()->index(row, 0, parent))
               .contains(m_dialled);
  }

  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
    const int first = RAZ::Contacts::Contacts::FirstNameRole;
    const int last = RAZ::Contacts::Contacts::LastNameRole;
    const int roles[] = {m_field == 0 ? first : last, m_field == 0 ? last : first,
                         RAZ::Contacts::Contacts::DisplayNameRole};
    for (int role : roles) {
      const int order = QString::localeAwareCompare(left.data(role).toString().toCaseFolded(),
                                                    right.data(role).toString().toCaseFolded());
      if (order != 0) return order < 0;
    }
    return false;
  }

 private:
  int m_field = 1;
  QString m_dialled;
};

}  // namespace QML
