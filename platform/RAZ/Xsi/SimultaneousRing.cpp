#include "RAZ/Xsi/SimultaneousRing.h"

#include <QTimer>

#include <TP/Core/Logging.h>

#include "RAZ/Xsi/CallSettingsStore.h"

namespace RAZ {
namespace Controllers {

using RAZ::Xsi::CallSettingsStore;

int RingLocationModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_entries.size();
}

QVariant RingLocationModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() < 0 || index.row() >= m_entries.size()) return QVariant();
  const Entry& e = m_entries.at(index.row());
  if (role == NumberRole || role == Qt::DisplayRole) return e.number;
  if (role == AnswerConfirmationRole) return e.answerConfirmation;
  return QVariant();
}

bool RingLocationModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.row() < 0 || index.row() >= m_entries.size()) return false;
  Entry& e = m_entries[index.row()];
  if (role == NumberRole)
    e.number = value.toString();
  else if (role == AnswerConfirmationRole)
    e.answerConfirmation = value.toBool();
  else
    return false;
  emit dataChanged(index, index, {role});
  return true;
}

QHash<int, QByteArray> RingLocationModel::roleNames() const {
  return {{NumberRole, "number"}, {AnswerConfirmationRole, "answerConfirmation"}};
}

void RingLocationModel::setEntries(const QList<Entry>& entries) {
  beginResetModel();
  m_entries = entries;
  endResetModel();
}

void RingLocationModel::append(const Entry& entry) {
  beginInsertRows(QModelIndex(), m_entries.size(), m_entries.size());
  m_entries.append(entry);
  endInsertRows();
}

void RingLocationModel::removeAt(int row) {
  if (row < 0 || row >= m_entries.size()) return;
  beginRemoveRows(QModelIndex(), row, row);
  m_entries.removeAt(row);
  endRemoveRows();
}

// ---------------------------------------------------------------------------

SimultaneousRingController::SimultaneousRingController(const QString& user, QObject* parent)
    : QObject(parent), m_user(user), m_model(new RingLocationModel(this)) {}

void SimultaneousRingController::setSimRingMainActive(bool on) {
  if (on == m_active) return;
  m_active = on;
  emit settingsChanged();
}

void SimultaneousRingController::setDoNotRingActive(bool on) {
  if (on == m_doNotRing) return;
  m_doNotRing = on;
  emit settingsChanged();
}

void SimultaneousRingController::addRingLocation(const QString& number, bool answerConfirmation) {
  m_model->append(RingLocationModel::Entry{number.trimmed(), answerConfirmation});
}

void SimultaneousRingController::removeRingLocation(int index) { m_model->removeAt(index); }

void SimultaneousRingController::setRingLocation(int index, const QString& number,
                                                 bool answerConfirmation) {
  const QModelIndex i = m_model->index(index, 0);
  m_model->setData(i, number.trimmed(), RingLocationModel::NumberRole);
  m_model->setData(i, answerConfirmation, RingLocationModel::AnswerConfirmationRole);
}

void SimultaneousRingController::updateLists() {
  if (m_pending++ == 0) emit busyChanged();
  QTimer::singleShot(CallSettingsStore::latencyMs(), this, [this] {
    CallSettingsStore& store = CallSettingsStore::instance();
    RAZ::Xsi::XsiComponent::Error error = RAZ::Xsi::XsiComponent::NoError;
    RAZ::Xsi::XsiErrorInfo info;
    if (store.takeFetchFailure(&error, &info)) {
      emit operationFailed(error, info);
    } else {
      const RAZ::Xsi::StoredCallSettings& account = store.account(m_user);
      m_active = account.simRingActive;
      m_doNotRing = account.doNotRingIfOnCall;
      QList<RingLocationModel::Entry> entries;
      for (const auto& l : account.ringLocations)
        entries.append(RingLocationModel::Entry{l.number, l.answerConfirmation});
      m_model->setEntries(entries);
      emit settingsChanged();
      emit listsReady();
    }
    if (--m_pending == 0) emit busyChanged();
  });
}

void SimultaneousRingController::saveRingLocations() {
  if (m_pending++ == 0) emit busyChanged();
  const bool active = m_active;
  const bool doNotRing = m_doNotRing;
  const QList<RingLocationModel::Entry> entries = m_model->entries();
  QTimer::singleShot(CallSettingsStore::latencyMs(), this, [this, active, doNotRing, entries] {
    CallSettingsStore& store = CallSettingsStore::instance();
    store.countSave();
    RAZ::Xsi::XsiComponent::Error error = RAZ::Xsi::XsiComponent::NoError;
    RAZ::Xsi::XsiErrorInfo info;
    if (store.takeSaveFailure(&error, &info)) {
      TP_LOG("RAZ::Controllers::SimultaneousRingController", TP::Core::Logging::LevelWarning)
          << "Simultaneous ring not saved: " << int(error);
      emit operationFailed(error, info);
    } else {
      RAZ::Xsi::StoredCallSettings& account = store.account(m_user);
      account.simRingActive = active;
      account.doNotRingIfOnCall = doNotRing;
      account.ringLocations.clear();
      for (const auto& e : entries)
        account.ringLocations.append(RAZ::Xsi::StoredRingLocation{e.number, e.answerConfirmation});
      store.noteChanged();
      emit saved();
    }
    if (--m_pending == 0) emit busyChanged();
  });
}

}  // namespace Controllers
}  // namespace RAZ
