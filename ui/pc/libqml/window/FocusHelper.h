#pragma once

#include <QObject>

// Lets QML lists drop their selection when another list takes it.
class FocusHelper : public QObject {
  Q_OBJECT

 public:
  explicit FocusHelper(QObject* parent = nullptr);

 signals:
  void focusItemChanged();

 public slots:
  void activeCommsItemSelected();
};
