#pragma once

#include <QPointer>
#include <QQuickItem>
#include <QTimer>

#include "libqml/window/View.h"

namespace QML {

// The tooltip window: a small scene ("qrc:/components/ToolTipContent.qml")
// that shows `text` and sizes itself to it.
class ToolTipView : public View {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)

 public:
  explicit ToolTipView(QWidget* parent = nullptr);

  QString text() const { return m_text; }
  void setText(const QString& text);

 signals:
  void textChanged();

 private:
  QString m_text;
};

// Element "ToolTip" of "Kelvantic 1.0": shows a tooltip next to the mouse
// cursor after a delay and hides it again by itself, after the given time or
// after a time that grows with the text's length.
class QmlToolTip : public QQuickItem {
  Q_OBJECT

 public:
  static const int DefaultShowDelay = 500;

  explicit QmlToolTip(QQuickItem* parent = nullptr);
  ~QmlToolTip() override;

  Q_INVOKABLE void showTimerTimeout();
  Q_INVOKABLE void hideTimerTimeout();

  // How long a tooltip of `text` stays when no hide delay was given:
  // 10 s, plus 40 ms for every character beyond the first 100.
  static int automaticHideDelay(const QString& text);

  // The tooltip window; null until the first tooltip with a text.
  ToolTipView* view() const { return m_view; }
  const QTimer& showTimer() const { return m_showTimer; }
  const QTimer& hideTimer() const { return m_hideTimer; }

 public slots:
  void showToolTip(const QString& text, int showDelay = DefaultShowDelay, int hideDelay = 0);
  void hideToolTip();

 private:
  QPointer<ToolTipView> m_view;
  int m_hideDelay = 0;
  QTimer m_showTimer;
  QTimer m_hideTimer;
};

}  // namespace QML
