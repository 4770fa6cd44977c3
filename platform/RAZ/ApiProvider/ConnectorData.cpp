#include "RAZ/ApiProvider/ConnectorData.h"

namespace RAZ {
namespace ApiProvider {

int ConnectorModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_rows.size();
}

QVariant ConnectorModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_rows.size()) return QVariant();
  if (role == ConnectorRole)
    return QVariant::fromValue(static_cast<QObject*>(m_rows.at(index.row())));
  if (role == Qt::DisplayRole) return m_rows.at(index.row())->name();
  return QVariant();
}

QHash<int, QByteArray> ConnectorModel::roleNames() const {
  return {{ConnectorRole, "modelData"}, {Qt::DisplayRole, "name"}};
}

void ConnectorModel::append(ConnectorData* connector) {
  if (!connector) return;
  connector->setParent(this);
  connect(connector, &ConnectorData::stateChanged, this, &ConnectorModel::onStateChanged);
  beginInsertRows(QModelIndex(), m_rows.size(), m_rows.size());
  m_rows.append(connector);
  endInsertRows();
}

void ConnectorModel::onStateChanged() {
  auto* connector = qobject_cast<ConnectorData*>(sender());
  const int row = m_rows.indexOf(connector);
  if (row < 0 || connector->state() == ConnectorData::Pending) return;
  // The decided add-in stays alive (kept as decided): the scene that set its
  // state may still hold it while its row goes.
  beginRemoveRows(QModelIndex(), row, row);
  m_rows.removeAt(row);
  endRemoveRows();
  m_decided.append(connector);
}

}  // namespace ApiProvider
}  // namespace RAZ
