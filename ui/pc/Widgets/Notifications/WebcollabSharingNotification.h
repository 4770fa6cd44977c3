#pragma once

#include "libqml/window/View.h"

namespace QML {

// A translucent hint shown for a few seconds when the user starts sharing
// the desktop. Deletes itself when it closes.
class WebcollabSharingNotification : public View {
  Q_OBJECT
  // Always empty; texts that append it are evaluated again when the
  // interface language changes.
  Q_PROPERTY(QString languageChangeProperty READ languageChangeProperty NOTIFY languageChanged)

 public:
  static const int CloseAfterMs = 3000;
  static const char* const SourceUrl;

  explicit WebcollabSharingNotification(QWidget* parent = nullptr);

  QString languageChangeProperty() const { return QString(); }

 signals:
  void languageChanged();

 protected:
  void changeEvent(QEvent* e) override;
};

}  // namespace QML
