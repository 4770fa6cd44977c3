#include "RAZ/Models/FTModel.h"

#include <QMetaMethod>

#include <QDate>

#include <TP/Core/Logging.h>

namespace RAZ {
namespace Models {

using RAZ::Data::FTAdapter;

FTModel::FTModel(QObject* parent) : QObject(parent) {}

QString FTModel::newTransferId() {
  static int next = 1;
  return QStringLiteral("ft%1").arg(next++);
}

FTModel::~FTModel() = default;

FTAdapter* FTModel::getFt(const QString& id) const {
  for (const auto& t : m_transfers)
    if (t && t->getId() == id) return t;
  return nullptr;
}

FTAdapter* FTModel::getLastFt() const {
  for (int i = m_transfers.size() - 1; i >= 0; --i)
    if (m_transfers.at(i)) return m_transfers.at(i);
  return nullptr;
}

QList<FTAdapter*> FTModel::getTransfersFrom(int age) const {
  const QDateTime today(QDate::currentDate(), QTime(0, 0));
  QDateTime from;
  switch (age) {
    case Yesterday:
      from = today.addDays(-1);
      break;
    case LastWeek:
      from = today.addDays(-7);
      break;
    case LastMonth:
      from = today.addMonths(-1);
      break;
    case All:
      break;
    default:
      from = today;
  }
  QList<FTAdapter*> out;
  for (const auto& t : m_transfers)
    if (t && (!from.isValid() || t->getTime() >= from)) out << t;
  return out;
}

void FTModel::addTransfer(FTAdapter* transfer) {
  if (!transfer) return;
  transfer->setParent(this);
  m_transfers.append(transfer);
  emit newFTAdded(transfer);
}

void FTModel::deleteHistory() {
  for (const auto& t : qAsConst(m_transfers))
    if (t) t->deleteLater();
  m_transfers.clear();
}

void FTModel::acceptFtClicked(const QVariant& id) {
  FTAdapter* ft = getFt(id.toString());
  if (!ft) {
    TP_LOG("RAZ::Models::FTModel::acceptFtClicked", TP::Core::Logging::LevelWarning)
        << "No transfer " << id.toString();
    return;
  }
  static const QMetaMethod ask = QMetaMethod::fromSignal(&FTModel::askSaveLocation);
  if (ft->getDirection() == FTAdapter::Receiving && isSignalConnected(ask)) {
    connect(ft, &FTAdapter::accepted, this, &FTModel::onTransferAccepted, Qt::UniqueConnection);
    emit askSaveLocation(ft);
    return;
  }
  emit acceptRequested(ft);
}

void FTModel::onTransferAccepted() {
  if (auto* ft = qobject_cast<FTAdapter*>(sender())) emit acceptRequested(ft);
}

void FTModel::cancelFtClicked(const QVariant& id) {
  FTAdapter* ft = getFt(id.toString());
  if (!ft) {
    TP_LOG("RAZ::Models::FTModel::cancelFtClicked", TP::Core::Logging::LevelWarning)
        << "No transfer " << id.toString();
    return;
  }
  ft->cancel();
}

}  // namespace Models
}  // namespace RAZ
