#pragma once

#include <QPointer>

#include "libqml/window/View.h"

class QKeyEvent;

namespace QML {

// The dial pad of a communications window: keys become tone digits sent by
// its scene. The owner loads the scene and places the pad.
class CommunicationWindowDialpad : public View {
  Q_OBJECT
  Q_PROPERTY(QObject* session READ session CONSTANT)

 public:
  // Digit values the scene's sendDTMF() takes for the star and hash keys.
  static const int StarDigit = 10;
  static const int HashDigit = 11;

  CommunicationWindowDialpad(QObject* session, QWidget* parent);

  QObject* session() const { return m_session.data(); }

  void hideDialpad();
  void handleKeyEvent(QKeyEvent* key);

 signals:
  void dialpadVisibleChanged();

 protected:
  bool event(QEvent* e) override;

 private:
  QPointer<QObject> m_session;
};

}  // namespace QML
