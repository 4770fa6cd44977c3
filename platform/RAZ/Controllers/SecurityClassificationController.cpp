#include "RAZ/Controllers/SecurityClassificationController.h"

#include <QStringListModel>

namespace RAZ {
namespace Controllers {

SecurityClassificationController::SecurityClassificationController(
    const QStringList& classifications, QObject* parent)
    : QObject(parent), m_calls(new QStringListModel(classifications, this)) {}

QAbstractItemModel* SecurityClassificationController::getCallClassificationsModel() const {
  return m_calls;
}

}  // namespace Controllers
}  // namespace RAZ
