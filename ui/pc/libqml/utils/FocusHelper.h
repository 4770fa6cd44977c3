#pragma once

#include <QObject>

// Relays "an active communication was selected" so that the other lists of
// the main window drop their selection.
class FocusHelper : public QObject {
  Q_OBJECT

 public:
  explicit FocusHelper(QObject* parent = nullptr) : QObject(parent) {}

 public slots:
  void activeCommsItemSelected() { emit focusItemChanged(); }

 signals:
  void focusItemChanged();
};
