#pragma once

#include "Widgets/Window.h"

class QHBoxLayout;
class QVBoxLayout;

// A widget window with one content area ("popupContentsLayout") into which
// a dialog places its own widget. Registered with the window manager.
class PopupWindow : public Widgets::Window {
  Q_OBJECT

 public:
  explicit PopupWindow(bool alwaysOnTop = false, QWidget* parent = nullptr);
  ~PopupWindow() override;

  // Replaces the content area's items by `content`, with a fixed spacer of
  // `extraSpacing` pixels below it when that is positive.
  virtual void setContent(QWidget* content, int extraSpacing);
  using Widgets::Window::setTitle;
  void setTitle(const QString& title, int);

  QVBoxLayout* contentsLayout() const { return m_contentsLayout; }

 protected:
  void changeEvent(QEvent* e) override;

 private:
  QVBoxLayout* m_verticalLayout = nullptr;
  QHBoxLayout* m_controlLayout = nullptr;
  QVBoxLayout* m_contentsLayout = nullptr;
};
