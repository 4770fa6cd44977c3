#pragma once

#include <QObject>
#include <QStringList>

class QAbstractItemModel;
class QStringListModel;

namespace RAZ {
namespace Controllers {

// The security classifications the service allows for calls, lowest first:
// what the user may mark a call as.
class SecurityClassificationController : public QObject {
  Q_OBJECT

 public:
  explicit SecurityClassificationController(const QStringList& classifications,
                                            QObject* parent = nullptr);

  // One row per classification (its text as the display role).
  QAbstractItemModel* getCallClassificationsModel() const;

 private:
  QStringListModel* m_calls;
};

}  // namespace Controllers
}  // namespace RAZ
