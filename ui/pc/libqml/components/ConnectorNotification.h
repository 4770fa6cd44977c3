#pragma once

#include <QPointer>

#include "libqml/window/Window.h"

#include <QAbstractItemModel>

namespace QML {

// The "New Add-ins" window: visible while the add-in model lists add-ins
// the user has not decided on.
class ConnectorNotification : public QML::Window {
  Q_OBJECT
  Q_PROPERTY(QAbstractItemModel* addinsModel READ addinsModel CONSTANT)

 public:
  ConnectorNotification(QAbstractItemModel* model, QWidget* parent = nullptr);
  ~ConnectorNotification() override;

  QAbstractItemModel* addinsModel() const { return m_model; }

 public slots:
  void onModelChanged();

 protected:
  void changeEvent(QEvent* e) override;

 private:
  void retranslate();

  QPointer<QAbstractItemModel> m_model;
  bool m_sceneLoaded = false;
};

}  // namespace QML
