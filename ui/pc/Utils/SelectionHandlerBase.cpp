#include "Utils/SelectionHandlerBase.h"

#include <QAbstractItemModel>

#include <RAZ/Contacts/Contacts.h>
#include <TP/Core/Logging.h>

namespace Utils {

SelectionHandlerBase::SelectionHandlerBase(QAbstractItemModel* model,
                                           QItemSelectionModel* selection, QObject* parent)
    : QObject(parent), m_model(model), m_selection(selection) {
  if (model && selection)
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, selection,
            &QItemSelectionModel::clearSelection);
  // A reset empties the selection model without a signal of its own.
  if (model)
    connect(model, &QAbstractItemModel::modelReset, this, &SelectionHandlerBase::selectionChanged);
  if (selection) {
    connect(selection, &QItemSelectionModel::currentChanged, this,
            &SelectionHandlerBase::currentIndexChanged);
    connect(selection, &QItemSelectionModel::selectionChanged, this,
            &SelectionHandlerBase::selectionChanged);
  }
}

QObject* SelectionHandlerBase::objectAt(const QModelIndex& index) const {
  if (!index.isValid() || index.data(ItemTypeRole).toInt() == RAZ::Models::Groups::ItemNone)
    return nullptr;
  return index.data(itemRole()).value<QObject*>();
}

QList<QObject*> SelectionHandlerBase::selection() const {
  QList<QObject*> objects;
  if (!m_selection) return objects;
  const auto indexes = m_selection->selectedIndexes();
  for (const QModelIndex& index : indexes) {
    QObject* object = objectAt(index);
    if (object && !objects.contains(object)) objects.append(object);
  }
  return objects;
}

QVariantList SelectionHandlerBase::selectionVariant() const {
  QVariantList list;
  const auto selected = selection();
  for (QObject* object : selected) list.append(QVariant::fromValue(object));
  return list;
}

bool SelectionHandlerBase::isSelected(int row) const {
  return m_model && m_selection && m_selection->isSelected(m_model->index(row, 0));
}

int SelectionHandlerBase::currentIndex() const {
  if (!m_selection) return -1;
  const QModelIndex current = m_selection->currentIndex();
  return current.isValid() ? current.row() : -1;
}

void SelectionHandlerBase::select(int row, int modifiers) {
  if (!m_model || !m_selection) return;
  m_lastModifiers = modifiers;
  const QModelIndex clicked = m_model->index(row, 0);
  const bool shift = modifiers & Qt::ShiftModifier;
  const bool ctrl = modifiers & Qt::ControlModifier;
  if (shift) {
    const QModelIndex current = m_selection->currentIndex();
    const QModelIndex from = current.isValid() ? current : m_model->index(0, 0);
    m_selection->select(QItemSelection(from, clicked),
                        ctrl ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect);
    // The anchor of the next Shift range stays unless one row is left.
    if (m_selection->selectedIndexes().size() == 1)
      m_selection->setCurrentIndex(clicked, QItemSelectionModel::NoUpdate);
    return;
  }
  if (ctrl)
    m_selection->select(clicked, m_selection->isSelected(clicked) ? QItemSelectionModel::Deselect
                                                                  : QItemSelectionModel::Select);
  else
    m_selection->select(clicked, QItemSelectionModel::ClearAndSelect);
  m_selection->setCurrentIndex(clicked, QItemSelectionModel::NoUpdate);
}

void SelectionHandlerBase::setCurrentIndex(int row) {
  if (!m_model || !m_selection) return;
  const QModelIndex index = m_model->index(row, 0);
  if (index.isValid() && (m_model->flags(index) & Qt::ItemIsSelectable) &&
      isSelectableItem(index)) {
    m_selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    return;
  }
  const int rows = m_model->rowCount();
  if (rows == 0) return;
  // Arrow keys land on headers: step over them in the direction moved.
  if (row == (currentIndex() + 1) % rows)
    moveCurrent(false);
  else
    moveCurrent(true);
}

void SelectionHandlerBase::moveCurrent(bool up) {
  if (!m_model) return;
  const int rows = m_model->rowCount();
  if (rows == 0) return;
  for (int row = currentIndex() + (up ? -1 : 1); row >= 0 && row < rows; row += up ? -1 : 1) {
    if (isSelectableItem(m_model->index(row, 0))) {
      select(row, 0);
      return;
    }
  }
}

void SelectionHandlerBase::setSelection(const QList<QObject*>& objects) {
  if (!m_model || !m_selection || m_model->rowCount() == 0) return;
  m_selection->clearSelection();
  for (int row = 0; row < m_model->rowCount(); ++row) {
    const QModelIndex index = m_model->index(row, 0);
    QObject* object = objectAt(index);
    if (!object || !objects.contains(object)) continue;
    TP_LOG("Utils::SelectionHandlerBase::setSelection", TP::Core::Logging::LevelInformation)
        << "Selecting index: " << row;
    m_selection->select(index, QItemSelectionModel::Toggle);
  }
}

void SelectionHandlerBase::clear() {
  if (m_selection) m_selection->clear();
}

bool ContactSelectionHandler::isSelectableItem(const QModelIndex& index) const {
  return index.isValid() && index.data(ItemTypeRole).toInt() == RAZ::Models::Groups::ItemContact;
}

QString ContactSelectionHandler::selectionAsString() {
  QStringList ids;
  const auto selected = selection();
  for (QObject* object : selected)
    if (auto* contact = qobject_cast<RAZ::Contacts::IContact*>(object))
      ids << QString::number(contact->getId());
  return ids.join(QLatin1Char(','));
}

}  // namespace Utils
