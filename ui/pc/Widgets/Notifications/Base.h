#pragma once

#include <QWidget>

class QTimer;

namespace Widgets {
namespace Notifications {

// A frameless popup that closes itself after a delay unless the mouse rests
// on it. Deletes itself when closed.
class Base : public QWidget {
  Q_OBJECT

 public:
  explicit Base(int closeAfterMs);
  ~Base() override;

  int closeAfterMs() const { return m_closeAfterMs; }
  bool isCloseTimerActive() const;

  virtual void retranslate();

 signals:
  void closed(Widgets::Notifications::Base* notification);

 protected:
  void enterEvent(QEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QTimer* m_closeTimer = nullptr;
  int m_closeAfterMs = 0;
  bool m_closedReported = false;
};

}  // namespace Notifications
}  // namespace Widgets
