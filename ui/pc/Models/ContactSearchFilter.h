#pragma once

#include <QAbstractListModel>
#include <QPointer>
#include <QString>
#include <QVector>

namespace Models {

// The own contacts that match what is typed in the search field: the rows of
// a contact model whose name (one role) holds the text, in any letter case,
// sorted by that name. A text that can be dialled also finds the contacts
// whose numbers hold it, however either is written ("+49 30 100-101").
//
// Built for large books: names are case-folded and sorted once when the
// source changes, a longer text looks only at what the shorter one kept, and
// a new text replaces the list in one step rather than row by row.
class ContactSearchFilter : public QAbstractListModel {
  Q_OBJECT

 public:
  ContactSearchFilter(QAbstractItemModel* source, int nameRole, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;

  // Matched as it stands: "+44" or "(555" are no patterns. An empty text
  // lists every contact.
  void setFilterText(const QString& text);
  QString filterText() const { return m_text; }
  // The source row shown in `row`, or -1.
  int sourceRow(int row) const;

  // The numbers of the contact under `index` (its contact object role) as
  // they are dialled, one text separated by spaces; empty when it has none.
  static QString dialledNumbers(const QModelIndex& index);
  // What `text` dials, for matching numbers; empty when it is no number.
  static QString dialledText(const QString& text);

 private:
  void sourceChanged();
  void sourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                         const QVector<int>& roles);
  // Folds and sorts the names again.
  void rebuild();
  // Chooses the rows that match `m_text`, from `candidates` (sorted).
  void refilter(const QVector<int>& candidates);

  QPointer<QAbstractItemModel> m_source;
  int m_nameRole;
  QString m_text;
  QString m_folded;
  QString m_dialled;           // m_text as dialled, or empty
  QVector<QString> m_names;    // per source row, case-folded
  QVector<QString> m_numbers;  // per source row, as dialled
  QVector<int> m_sorted;       // source rows by name
  QVector<int> m_rows;         // source rows shown, in order
  QVector<int> m_shownAt;      // per source row: its row here, or -1
};

}  // namespace Models
