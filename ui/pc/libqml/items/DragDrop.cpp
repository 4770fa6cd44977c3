#include "libqml/items/DragDrop.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItemGrabResult>
#include <QStyleHints>
#include <QtMath>

DeclarativeMimeData::DeclarativeMimeData() = default;

DeclarativeMimeData::DeclarativeMimeData(const QMimeData* other) {
  if (!other) return;
  const QStringList formats = other->formats();
  for (const QString& format : formats) setData(format, other->data(format));
  if (auto* ours = qobject_cast<const DeclarativeMimeData*>(other)) m_source = ours->m_source;
}

void DeclarativeMimeData::setText(const QString& text) {
  if (text == QMimeData::text()) return;
  QMimeData::setText(text);
  emit textChanged();
}

void DeclarativeMimeData::setHtml(const QString& html) {
  if (html == QMimeData::html()) return;
  QMimeData::setHtml(html);
  emit htmlChanged();
}

QUrl DeclarativeMimeData::url() const {
  const QList<QUrl> list = urls();
  return list.isEmpty() ? QUrl() : list.first();
}

void DeclarativeMimeData::setUrl(const QUrl& url) {
  if (url == this->url()) return;
  setUrls(QList<QUrl>() << url);
  emit urlChanged();
}

QColor DeclarativeMimeData::color() const {
  const QVariant value = colorData();
  return value.canConvert<QColor>() ? value.value<QColor>() : QColor();
}

void DeclarativeMimeData::setColor(const QColor& color) {
  if (color == this->color()) return;
  setColorData(color);
  emit colorChanged();
}

void DeclarativeMimeData::setSource(QQuickItem* source) {
  if (source == m_source) return;
  m_source = source;
  emit sourceChanged();
}

DeclarativeDragDropEvent::DeclarativeDragDropEvent(QDropEvent* event, QQuickItem* area)
    : QObject(nullptr),
      m_buttons(event->mouseButtons()),
      m_modifiers(event->keyboardModifiers()),
      m_data(event->mimeData()),
      m_event(event) {
  Q_UNUSED(area);
  m_x = int(event->posF().x());
  m_y = int(event->posF().y());
}

Qt::DropActions DeclarativeDragDropEvent::possibleActions() const {
  return m_event->possibleActions();
}

Qt::DropAction DeclarativeDragDropEvent::proposedAction() const {
  return m_event->proposedAction();
}

void DeclarativeDragDropEvent::accept(int action) {
  m_event->setDropAction(Qt::DropAction(action));
  m_event->accept();
}

void DeclarativeDragDropEvent::setAccepted(bool accepted) { m_event->setAccepted(accepted); }

DeclarativeDropArea::DeclarativeDropArea(QQuickItem* parent) : QQuickItem(parent) {
  setFlag(ItemAcceptsDrops, true);
}

void DeclarativeDropArea::setEnabled(bool enabled) {
  if (enabled == m_enabled) return;
  m_enabled = enabled;
  setFlag(ItemAcceptsDrops, enabled);
  emit enabledChanged();
}

void DeclarativeDropArea::setMimeTypes(const QStringList& types) {
  if (types == m_mimeTypes) return;
  m_mimeTypes = types;
  emit mimeTypesChanged();
}

bool DeclarativeDropArea::wants(const QMimeData* data) const {
  if (!data) return false;
  for (const QString& type : m_mimeTypes)
    if (data->hasFormat(type)) return true;
  return false;
}

void DeclarativeDropArea::dragEnterEvent(QDragEnterEvent* event) {
  m_entered = false;
  // Refused unless the scene takes it: a drag of another type must not
  // look welcome here.
  event->setAccepted(false);
  if (!m_enabled || !wants(event->mimeData())) return;
  DeclarativeDragDropEvent ev(event, this);
  emit dragEnter(&ev);
  m_entered = event->isAccepted();
  m_enterAction = event->dropAction();
}

void DeclarativeDropArea::dragMoveEvent(QDragMoveEvent* event) {
  if (m_entered && m_enabled && wants(event->mimeData())) {
    event->setDropAction(m_enterAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void DeclarativeDropArea::dragLeaveEvent(QDragLeaveEvent* event) {
  Q_UNUSED(event);
  m_entered = false;
  emit dragLeave();
}

void DeclarativeDropArea::dropEvent(QDropEvent* event) {
  const bool entered = m_entered;
  m_entered = false;
  // A drop of a type this area never asked for, or one it refused at enter,
  // is refused here as well, whatever reaches the event.
  if (!entered || !m_enabled || !wants(event->mimeData())) {
    event->ignore();
    return;
  }
  event->setDropAction(m_enterAction);
  event->accept();
  DeclarativeDragDropEvent ev(event, this);
  emit drop(&ev);
}

DeclarativeDragArea::DeclarativeDragArea(QQuickItem* parent) : QQuickItem(parent) {
  setAcceptedMouseButtons(Qt::LeftButton);
  setFlag(ItemIsFocusScope, false);
  setActiveFocusOnTab(false);
  // The application object runs the system drag, a turn after the mouse
  // event that asked for it. Programs without one (tests, tools) listen to
  // startDrag themselves.
  QCoreApplication* app = QCoreApplication::instance();
  if (app &&
      app->metaObject()->indexOfSlot(
          QMetaObject::normalizedSignature("startDrag(QString,QByteArray,QPixmap)").constData()) >=
          0) {
    connect(this, SIGNAL(startDrag(QString, QByteArray, QPixmap)), app,
            SLOT(startDrag(QString, QByteArray, QPixmap)), Qt::QueuedConnection);
  }
}

DeclarativeDragArea::~DeclarativeDragArea() = default;

void DeclarativeDragArea::setDelegate(QQmlComponent* delegate) {
  if (delegate == m_delegate) return;
  m_delegate = delegate;
  emit delegateChanged();
}

void DeclarativeDragArea::setSource(QQuickItem* source) {
  if (source == m_source) return;
  m_source = source;
  emit sourceChanged();
}

void DeclarativeDragArea::setEnabled(bool enabled) {
  if (enabled == m_enabled) return;
  m_enabled = enabled;
  emit enabledChanged();
}

void DeclarativeDragArea::setSupportedActions(Qt::DropActions actions) {
  if (actions == m_supportedActions) return;
  m_supportedActions = actions;
  emit supportedActionsChanged();
}

void DeclarativeDragArea::setDefaultAction(Qt::DropAction action) {
  if (action == m_defaultAction) return;
  m_defaultAction = action;
  emit defaultActionChanged();
}

void DeclarativeDragArea::setAcceptedButtons(Qt::MouseButtons buttons) {
  if (buttons == acceptedMouseButtons()) return;
  setAcceptedMouseButtons(buttons);
  emit acceptedMouseButtonsChanged();
}

QMimeData* DeclarativeDragArea::dragMimeData(const QString& mimeType, const QByteArray& data) {
  if (mimeType.isEmpty() || data.isEmpty()) return nullptr;
  auto* mime = new QMimeData();
  mime->setData(mimeType, data);
  mime->setText(QString::fromUtf8(data));
  return mime;
}

void DeclarativeDragArea::mousePressEvent(QMouseEvent* event) {
  grabMouse();
  setKeepMouseGrab(true);
  m_pressed = true;
  m_dragStarted = false;
  m_pressScreenPos = event->screenPos();
  event->accept();
  emit pressed(int(event->button()), int(event->modifiers()));
}

void DeclarativeDragArea::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (!m_enabled || !m_pressed || m_dragStarted) return;
  const QPointF delta = event->screenPos() - m_pressScreenPos;
  const qreal distance = qSqrt(delta.x() * delta.x() + delta.y() * delta.y());
  if (distance < QGuiApplication::styleHints()->startDragDistance()) return;
  m_dragStarted = true;
  beginDrag();
}

void DeclarativeDragArea::beginDrag() {
  const QString mimeType = m_mimeType;
  const QByteArray data = m_data;
  QQmlContext* context = m_delegate ? m_delegate->creationContext() : nullptr;
  if (!context && m_delegate) context = qmlContext(this);
  QQuickItem* instance = nullptr;
  if (m_delegate && context) instance = qobject_cast<QQuickItem*>(m_delegate->create(context));
  if (!instance) {
    emit startDrag(mimeType, data, QPixmap());
    return;
  }
  // The picture is rendered by the scene; the drag starts once it is ready.
  // Until then the instance sits under the area, where it is not seen.
  instance->setParentItem(this);
  instance->setZ(-1);
  QSharedPointer<QQuickItemGrabResult> grab = instance->grabToImage();
  if (!grab) {
    instance->deleteLater();
    emit startDrag(mimeType, data, QPixmap());
    return;
  }
  QPointer<DeclarativeDragArea> self(this);
  QPointer<QQuickItem> guard(instance);
  connect(grab.data(), &QQuickItemGrabResult::ready, this, [self, guard, grab, mimeType, data]() {
    if (guard) guard->deleteLater();
    if (self) emit self->startDrag(mimeType, data, QPixmap::fromImage(grab->image()));
  });
}

void DeclarativeDragArea::mouseReleaseEvent(QMouseEvent* event) {
  setKeepMouseGrab(false);
  ungrabMouse();
  m_pressed = false;
  event->accept();
  emit clicked(int(event->button()), int(event->modifiers()));
}

void DeclarativeDragArea::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  emit doubleClicked(int(event->button()), int(event->modifiers()));
}

void DeclarativeDragArea::mouseUngrabEvent() {
  setKeepMouseGrab(false);
  m_pressed = false;
}
