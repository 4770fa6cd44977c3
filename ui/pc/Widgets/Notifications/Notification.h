#pragma once

#include "Widgets/Notifications/Base.h"

class QLabel;
class QPushButton;

namespace Widgets {
namespace Notifications {

// A text toast: a close button above an icon and a line of plain text.
class Notification : public Base {
  Q_OBJECT

 public:
  explicit Notification(int closeAfterMs);

  // The text is shown as given, never interpreted as markup.
  virtual void setIconType(int iconType);
  virtual void setText(const QString& text);

  QString text() const;
  int iconType() const { return m_iconType; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private slots:
  void applyStyle();

 private:
  QLabel* m_iconLabel = nullptr;
  QLabel* m_textLabel = nullptr;
  QPushButton* m_closeButton = nullptr;
  int m_iconType = 0;
};

}  // namespace Notifications
}  // namespace Widgets
