#pragma once

#include "Widgets/Window.h"

class QVBoxLayout;

// A widget window that places one content widget in a fixed layout.
class PopupWindow : public Widgets::Window {
  Q_OBJECT

 public:
  explicit PopupWindow(bool alwaysOnTop, QWidget* parent = nullptr);
  ~PopupWindow() override;

  virtual void setContent(QWidget* content, int extraSpacing);
  void setTitle(const QString& title, int);
  using Widgets::Window::setTitle;

 protected:
  QVBoxLayout* m_contentsLayout;
};
