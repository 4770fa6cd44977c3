#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace Models {

// The active theme's ring signals for a list or combo box, after two fixed
// choices ("Select other...", "Use default ring signal").
class RingerModel : public QAbstractListModel {
  Q_OBJECT
 public:
  enum Roles { FileRole = Qt::UserRole };

  explicit RingerModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  QStringList m_texts;
  QStringList m_files;
};

}  // namespace Models
