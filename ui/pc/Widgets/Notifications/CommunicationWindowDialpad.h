#pragma once

#include <QPointer>

#include "libqml/window/View.h"

class QKeyEvent;

namespace QML {

// The dial pad of a communications window: keys become tone digits sent by
// its scene. The owner loads the scene and places the pad. It is a small
// frameless window of its own beside its owner, so that it can lie over the
// call window or next to it wherever the screen has room.
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
  // Sends touch tones on the session's call (what the scene's keys and a
  // paste send); false when there is no call to take them.
  Q_INVOKABLE bool sendTones(const QString& tones);

 signals:
  void dialpadVisibleChanged();

 protected:
  bool event(QEvent* e) override;

 private:
  QPointer<QObject> m_session;
};

}  // namespace QML
