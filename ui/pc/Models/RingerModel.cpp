#include "Models/RingerModel.h"

#include "Utils/Sounds/RingSignals.h"

namespace Models {

RingerModel::RingerModel(QObject* parent) : QAbstractListModel(parent) {
  m_texts << tr("Select other...") << tr("Use default ring signal");
  m_files << QString() << QString();
  const QList<Utils::Sounds::RingSignal> list = Utils::Sounds::readRingSignals();
  for (const Utils::Sounds::RingSignal& ring : list) {
    m_texts << ring.description;
    m_files << ring.file;
  }
}

int RingerModel::rowCount(const QModelIndex&) const { return m_texts.size(); }

QVariant RingerModel::data(const QModelIndex& index, int role) const {
  const int row = index.row();
  if (row < 0 || row >= m_texts.size()) return QVariant();
  if (role == Qt::DisplayRole) return m_texts.at(row);
  if (role == FileRole) return m_files.at(row);
  return QVariant();
}

}  // namespace Models
