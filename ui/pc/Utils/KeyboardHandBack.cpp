#include "Utils/KeyboardHandBack.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace Utils {

namespace {

// A window the user works in and closes: not a menu or a tooltip.
bool isClosableWindow(const QWidget* widget) {
  if (!widget->isWindow()) return false;
  const Qt::WindowType type = widget->windowType();
  return type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
}

bool canTakeKeyboard(const QWidget* window) {
  return window && window->isVisible() && !window->isMinimized() &&
         !window->testAttribute(Qt::WA_DontShowOnScreen);
}

QWidget* mainWindow() {
  const auto windows = QApplication::topLevelWidgets();
  for (QWidget* w : windows)
    if (w->objectName() == QLatin1String("mainWindow") && canTakeKeyboard(w)) return w;
  return nullptr;
}

}  // namespace

KeyboardHandBack::KeyboardHandBack(QObject* parent) : QObject(parent) {}

bool KeyboardHandBack::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type != QEvent::Show && type != QEvent::Hide && type != QEvent::WindowDeactivate) ||
      !watched->isWidgetType())
    return QObject::eventFilter(watched, event);
  auto* widget = static_cast<QWidget*>(watched);
  if (!isClosableWindow(widget)) return QObject::eventFilter(watched, event);
  switch (type) {
    case QEvent::Show: {
      QWidget* active = QApplication::activeWindow();
      if (active == widget) break;
      if (!m_openedFrom.contains(widget))
        connect(widget, &QObject::destroyed, this,
                [this](QObject* gone) { m_openedFrom.remove(static_cast<QWidget*>(gone)); });
      m_openedFrom.insert(widget, active);
      break;
    }
    case QEvent::WindowDeactivate:
      // Hiding a window takes its activation away before it hears of being
      // hidden: a window already told to hide lost the keyboard to that.
      // One that loses it otherwise (the user went to another program)
      // leaves it there.
      if (widget->isHidden()) m_closingWithKeyboard = widget;
      break;
    case QEvent::Hide:
      if (m_closingWithKeyboard == widget || QApplication::activeWindow() == widget) {
        m_closingWithKeyboard = nullptr;
        handBack(widget);
      }
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void KeyboardHandBack::handBack(QWidget* closing) {
  QWidget* back = m_openedFrom.value(closing);
  if (back) back = back->window();
  if (back == closing || !canTakeKeyboard(back)) back = mainWindow();
  if (back && back != closing) back->activateWindow();
}

}  // namespace Utils
