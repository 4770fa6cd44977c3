#pragma once

#include "libqml/window/View.h"

namespace QML {

// A translucent hint shown for a few seconds when the user starts sharing
// the desktop. Deletes itself when it closes.
class WebcollabSharingNotification : public View {
  Q_OBJECT

 public:
  static const int CloseAfterMs = 3000;
  static const char* const SourceUrl;

  explicit WebcollabSharingNotification(QWidget* parent = nullptr);
};

}  // namespace QML
