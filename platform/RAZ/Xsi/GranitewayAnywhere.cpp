#include "RAZ/Xsi/GranitewayAnywhere.h"

#include <QTimer>

#include <TP/Core/Logging.h>

#include "RAZ/Xsi/CallSettingsStore.h"

namespace RAZ {
namespace Controllers {

using RAZ::Xsi::CallSettingsStore;
using RAZ::Xsi::StoredAnywhereLocation;

namespace {

int storedIndex(const QList<StoredAnywhereLocation>& list, const QString& number) {
  for (int i = 0; i < list.size(); ++i)
    if (list.at(i).number == number) return i;
  return -1;
}

}  // namespace

GWALocation::GWALocation(GranitewayAnywhereController* controller, const QString& number,
                         QObject* parent)
    : QObject(parent), m_controller(controller), m_number(number) {}

void GWALocation::setDescription(const QString& text) {
  if (text == m_description) return;
  m_description = text;
  emit locationChanged();
}
void GWALocation::setDiversionInhibitor(bool on) {
  if (on == m_diversionInhibitor) return;
  m_diversionInhibitor = on;
  emit locationChanged();
}
void GWALocation::setAnswerConfirmation(bool on) {
  if (on == m_answerConfirmation) return;
  m_answerConfirmation = on;
  emit locationChanged();
}
void GWALocation::setCallControl(bool on) {
  if (on == m_callControl) return;
  m_callControl = on;
  emit locationChanged();
}
void GWALocation::setCriteriaActive(bool on) {
  if (on == m_criteriaActive) return;
  m_criteriaActive = on;
  emit locationChanged();
}

void GWALocation::setFromService(const QString& description, bool active, bool diversionInhibitor,
                                 bool answerConfirmation, bool callControl, bool criteriaActive) {
  m_description = description;
  m_active = active;
  m_diversionInhibitor = diversionInhibitor;
  m_answerConfirmation = answerConfirmation;
  m_callControl = callControl;
  m_criteriaActive = criteriaActive;
  emit locationChanged();
}

void GWALocation::setActive(bool on) {
  if (m_controller) {
    m_controller->pushActive(this, on);
    return;
  }
  if (on == m_active) return;
  m_active = on;
  emit locationChanged();
}

// ---------------------------------------------------------------------------

int GWALocationModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_locations.size();
}

QVariant GWALocationModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() < 0 || index.row() >= m_locations.size()) return QVariant();
  if (role != LocationRole) return QVariant();
  return QVariant::fromValue<QObject*>(m_locations.at(index.row()).data());
}

QHash<int, QByteArray> GWALocationModel::roleNames() const { return {{LocationRole, "location"}}; }

GWALocation* GWALocationModel::at(int row) const {
  return row >= 0 && row < m_locations.size() ? m_locations.at(row).data() : nullptr;
}

int GWALocationModel::indexOf(const QString& number) const {
  for (int i = 0; i < m_locations.size(); ++i)
    if (m_locations.at(i) && m_locations.at(i)->getPhoneNumber() == number) return i;
  return -1;
}

void GWALocationModel::setLocations(const QList<GWALocation*>& locations) {
  if (!m_locations.isEmpty()) {
    beginRemoveRows(QModelIndex(), 0, m_locations.size() - 1);
    const QList<QPointer<GWALocation>> old = m_locations;
    m_locations.clear();
    endRemoveRows();
    // Menus built on the old rows are rebuilt from rowsRemoved before these go.
    for (const auto& l : old)
      if (l) l->deleteLater();
  }
  if (locations.isEmpty()) return;
  beginInsertRows(QModelIndex(), 0, locations.size() - 1);
  for (GWALocation* l : locations) m_locations.append(l);
  endInsertRows();
}

void GWALocationModel::append(GWALocation* location) {
  beginInsertRows(QModelIndex(), m_locations.size(), m_locations.size());
  m_locations.append(location);
  endInsertRows();
}

void GWALocationModel::removeAt(int row) {
  if (row < 0 || row >= m_locations.size()) return;
  beginRemoveRows(QModelIndex(), row, row);
  QPointer<GWALocation> gone = m_locations.takeAt(row);
  endRemoveRows();
  if (gone) gone->deleteLater();
}

// ---------------------------------------------------------------------------

GranitewayAnywhereController::GranitewayAnywhereController(const QString& user, QObject* parent)
    : QObject(parent), m_user(user), m_model(new GWALocationModel(this)) {}

void GranitewayAnywhereController::begin() {
  if (m_pending++ == 0) emit busyChanged();
}

void GranitewayAnywhereController::end() {
  if (--m_pending == 0) emit busyChanged();
}

bool GranitewayAnywhereController::failed(bool save) {
  CallSettingsStore& store = CallSettingsStore::instance();
  RAZ::Xsi::XsiComponent::Error error = RAZ::Xsi::XsiComponent::NoError;
  RAZ::Xsi::XsiErrorInfo info;
  if (save) {
    store.countSave();
    if (!store.takeSaveFailure(&error, &info)) return false;
  } else if (!store.takeFetchFailure(&error, &info)) {
    return false;
  }
  TP_LOG("RAZ::Controllers::GranitewayAnywhereController", TP::Core::Logging::LevelWarning)
      << "Anywhere request failed: " << int(error);
  emit operationFailed(error, info);
  return true;
}

template <typename Work>
void GranitewayAnywhereController::answerLater(bool save, Work work) {
  begin();
  QTimer::singleShot(CallSettingsStore::latencyMs(), this, [this, save, work] {
    if (!failed(save)) {
      work();
      if (save) CallSettingsStore::instance().noteChanged();
    }
    end();
  });
}

void GranitewayAnywhereController::updateLists() {
  answerLater(false, [this] {
    const RAZ::Xsi::StoredCallSettings& account = CallSettingsStore::instance().account(m_user);
    if (account.alertAll != m_alertAll) {
      m_alertAll = account.alertAll;
      emit alertAllChanged();
    }
    QList<GWALocation*> locations;
    for (const StoredAnywhereLocation& s : account.anywhere) {
      auto* l = new GWALocation(this, s.number, this);
      l->setFromService(s.description, s.active, s.diversionInhibitor, s.answerConfirmation,
                        s.callControl, s.criteriaActive);
      locations.append(l);
    }
    m_model->setLocations(locations);
    emit serviceStatusReady();
  });
}

void GranitewayAnywhereController::setAlertAll(bool on) {
  if (on == m_alertAll) return;
  answerLater(true, [this, on] {
    CallSettingsStore::instance().account(m_user).alertAll = on;
    m_alertAll = on;
    emit alertAllChanged();
  });
  // The switch shows what the service holds until it has answered.
  emit alertAllChanged();
}

void GranitewayAnywhereController::pushActive(GWALocation* location, bool on) {
  QPointer<GWALocation> guard(location);
  const QString number = location->getPhoneNumber();
  answerLater(true, [this, guard, number, on] {
    auto& list = CallSettingsStore::instance().account(m_user).anywhere;
    const int i = storedIndex(list, number);
    if (i >= 0) list[i].active = on;
    if (!guard) return;
    if (i >= 0)
      guard->setFromService(list[i].description, on, list[i].diversionInhibitor,
                            list[i].answerConfirmation, list[i].callControl,
                            list[i].criteriaActive);
  });
  // Failures leave the location as it was: tell its viewers so.
  connect(this, &GranitewayAnywhereController::operationFailed, location,
          &GWALocation::locationChanged, Qt::UniqueConnection);
}

void GranitewayAnywhereController::addLocation(const QString& number) {
  const QString trimmed = number.trimmed();
  answerLater(true, [this, trimmed] {
    auto& list = CallSettingsStore::instance().account(m_user).anywhere;
    if (trimmed.isEmpty() || storedIndex(list, trimmed) >= 0) {
      RAZ::Xsi::XsiErrorInfo info;
      info.code = 409;
      info.message = GranitewayAnywhereController::tr(
          "The location could not be added: its number is empty or listed already");
      emit operationFailed(RAZ::Xsi::XsiComponent::ServerError, info);
      return;
    }
    StoredAnywhereLocation s;
    s.number = trimmed;
    s.active = true;
    list.append(s);
    auto* l = new GWALocation(this, s.number, this);
    l->setFromService(s.description, s.active, s.diversionInhibitor, s.answerConfirmation,
                      s.callControl, s.criteriaActive);
    m_model->append(l);
  });
}

void GranitewayAnywhereController::saveLocationDetails(int index, bool isNewLocation) {
  Q_UNUSED(isNewLocation);
  QPointer<GWALocation> guard(m_model->at(index));
  if (!guard) return;
  StoredAnywhereLocation edited;
  edited.number = guard->getPhoneNumber();
  edited.description = guard->getDescription();
  edited.active = guard->getActive();
  edited.diversionInhibitor = guard->diversionInhibitor();
  edited.answerConfirmation = guard->answerConfirmation();
  edited.callControl = guard->callControl();
  edited.criteriaActive = guard->criteriaActive();
  answerLater(true, [this, edited] {
    auto& list = CallSettingsStore::instance().account(m_user).anywhere;
    const int i = storedIndex(list, edited.number);
    if (i >= 0) list[i] = edited;
  });
}

void GranitewayAnywhereController::fetchLocationDetails(int index) {
  QPointer<GWALocation> guard(m_model->at(index));
  if (!guard) return;
  answerLater(false, [this, guard] {
    if (!guard) return;
    const auto& list = CallSettingsStore::instance().account(m_user).anywhere;
    const int i = storedIndex(list, guard->getPhoneNumber());
    if (i >= 0) {
      const StoredAnywhereLocation& s = list.at(i);
      guard->setFromService(s.description, s.active, s.diversionInhibitor, s.answerConfirmation,
                            s.callControl, s.criteriaActive);
    }
    const int row = m_model->indexOf(guard->getPhoneNumber());
    if (row >= 0) emit detailsReady(row);
  });
}

void GranitewayAnywhereController::removeLocation(int index) {
  QPointer<GWALocation> guard(m_model->at(index));
  if (!guard) return;
  const QString number = guard->getPhoneNumber();
  answerLater(true, [this, number] {
    auto& list = CallSettingsStore::instance().account(m_user).anywhere;
    const int i = storedIndex(list, number);
    if (i >= 0) list.removeAt(i);
    m_model->removeAt(m_model->indexOf(number));
  });
}

}  // namespace Controllers
}  // namespace RAZ
