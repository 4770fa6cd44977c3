#pragma once

#include <QObject>

namespace QML {

// Per-view helper published to QML as "qmlHelper" (time formatting, presence
// icons, tool tips, group names). This first version carries the object
// itself; its operations are added with the scenes that call them.
class QmlHelper : public QObject {
  Q_OBJECT

 public:
  explicit QmlHelper(QObject* parent = nullptr);
  ~QmlHelper() override;
};

}  // namespace QML
