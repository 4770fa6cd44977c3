#pragma once

#include <QByteArray>
#include <QColor>
#include <QMimeData>
#include <QPixmap>
#include <QPointer>
#include <QQmlComponent>
#include <QQuickItem>
#include <QStringList>
#include <QUrl>

class QDropEvent;

// Drag and drop in scenes. A DragArea turns a press and a move on a
// delegate into a system drag of one MIME-typed byte string; the drag is run
// by the application object's startDrag slot one event-loop turn later, so
// it never starts inside the mouse event that asked for it. A DropArea
// takes drags whose data holds one of its MIME types and reports enter,
// leave and drop with a DragDropEvent that lives for one delivery only.
//
// MIME types of the program: "application/zent.contact" (contacts and
// favourites), "application/zent.activecomm.contact" (active
// communications) and "text/uri-list" (files dropped on the own avatar).

// Element "MimeData" (not creatable): the dragged data seen from a scene.
class DeclarativeMimeData : public QMimeData {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
  Q_PROPERTY(QString html READ html WRITE setHtml NOTIFY htmlChanged)
  Q_PROPERTY(QUrl url READ url WRITE setUrl NOTIFY urlChanged)
  Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
  Q_PROPERTY(QQuickItem* source READ source WRITE setSource NOTIFY sourceChanged)

 public:
  DeclarativeMimeData();
  // Copies every format of `other`, and its source when it is one of ours.
  explicit DeclarativeMimeData(const QMimeData* other);

  void setText(const QString& text);
  void setHtml(const QString& html);
  QUrl url() const;
  void setUrl(const QUrl& url);
  QColor color() const;
  void setColor(const QColor& color);
  QQuickItem* source() const { return m_source; }
  void setSource(QQuickItem* source);

 signals:
  void textChanged();
  void htmlChanged();
  void urlChanged();
  void colorChanged();
  void sourceChanged();

 private:
  QPointer<QQuickItem> m_source;
};

// Element "DragDropEvent" (not creatable): one enter, move or drop at a
// DropArea. It has no parent: a handler may destroy the drop area while the
// event is delivered, and the event must not go with it.
class DeclarativeDragDropEvent : public QObject {
  Q_OBJECT
  Q_PROPERTY(int x READ x CONSTANT)
  Q_PROPERTY(int y READ y CONSTANT)
  Q_PROPERTY(int buttons READ buttons CONSTANT)
  Q_PROPERTY(int modifiers READ modifiers CONSTANT)
  Q_PROPERTY(DeclarativeMimeData* data READ data CONSTANT)
  Q_PROPERTY(Qt::DropActions possibleActions READ possibleActions CONSTANT)
  Q_PROPERTY(Qt::DropAction proposedAction READ proposedAction CONSTANT)

 public:
  explicit DeclarativeDragDropEvent(QDropEvent* event, QQuickItem* area);

  int x() const { return m_x; }
  int y() const { return m_y; }
  int buttons() const { return int(m_buttons); }
  int modifiers() const { return int(m_modifiers); }
  DeclarativeMimeData* data() { return &m_data; }
  Qt::DropActions possibleActions() const;
  Qt::DropAction proposedAction() const;

 public slots:
  void accept(int action);
  void setAccepted(bool accepted);

 private:
  int m_x = 0;
  int m_y = 0;
  Qt::MouseButtons m_buttons;
  Qt::KeyboardModifiers m_modifiers;
  DeclarativeMimeData m_data;
  QDropEvent* m_event = nullptr;
};

// Element "DropArea".
class DeclarativeDropArea : public QQuickItem {
  Q_OBJECT
  Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled NOTIFY enabledChanged)
  Q_PROPERTY(QStringList mimeTypes READ mimeTypes WRITE setMimeTypes NOTIFY mimeTypesChanged)

 public:
  explicit DeclarativeDropArea(QQuickItem* parent = nullptr);

  bool isEnabled() const { return m_enabled; }
  void setEnabled(bool enabled);
  QStringList mimeTypes() const { return m_mimeTypes; }
  void setMimeTypes(const QStringList& types);

  // Whether `data` holds one of the types this area asked for.
  bool wants(const QMimeData* data) const;

 signals:
  void dragEnter(DeclarativeDragDropEvent* event);
  void dragLeave();
  void drop(DeclarativeDragDropEvent* event);
  // Notifies this element's own enabled (whether it takes part in drag and
  // drop), which shadows the item's.
  void enabledChanged();  // clazy:exclude=overridden-signal
  void mimeTypesChanged();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool m_enabled = true;
  QStringList m_mimeTypes;
  // What the scene answered at enter; moves within the area repeat it.
  bool m_entered = false;
  Qt::DropAction m_enterAction = Qt::IgnoreAction;
};

// Element "DragArea".
class DeclarativeDragArea : public QQuickItem {
  Q_OBJECT
  Q_PROPERTY(QQmlComponent* delegate READ delegate WRITE setDelegate NOTIFY delegateChanged RESET
                 resetDelegate)
  Q_PROPERTY(QQuickItem* source READ source WRITE setSource NOTIFY sourceChanged RESET resetSource)
  // What a drag carries: the scene sets them as a press starts one, and the
  // drag reads them then. They are stored without a change signal.
  Q_PROPERTY(  // clazy:exclude=qproperty-without-notify
      QByteArray data READ data WRITE setData)
  Q_PROPERTY(  // clazy:exclude=qproperty-without-notify
      QString mimeType READ mimeType WRITE setMimeType)
  Q_PROPERTY(QQuickItem* target READ target NOTIFY targetChanged)
  Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled NOTIFY enabledChanged)
  Q_PROPERTY(Qt::DropActions supportedActions READ supportedActions WRITE setSupportedActions NOTIFY
                 supportedActionsChanged)
  Q_PROPERTY(Qt::DropAction defaultAction READ defaultAction WRITE setDefaultAction NOTIFY
                 defaultActionChanged)
  Q_PROPERTY(Qt::MouseButtons acceptedMouseButtons READ acceptedMouseButtons WRITE
                 setAcceptedButtons NOTIFY acceptedMouseButtonsChanged)

 public:
  explicit DeclarativeDragArea(QQuickItem* parent = nullptr);
  ~DeclarativeDragArea() override;

  QQmlComponent* delegate() const { return m_delegate; }
  void setDelegate(QQmlComponent* delegate);
  void resetDelegate() { setDelegate(nullptr); }
  QQuickItem* source() const { return m_source; }
  void setSource(QQuickItem* source);
  void resetSource() { setSource(nullptr); }
  QByteArray data() const { return m_data; }
  void setData(const QByteArray& data) { m_data = data; }
  QString mimeType() const { return m_mimeType; }
  void setMimeType(const QString& type) { m_mimeType = type; }
  QQuickItem* target() const { return nullptr; }
  bool isEnabled() const { return m_enabled; }
  void setEnabled(bool enabled);
  Qt::DropActions supportedActions() const { return m_supportedActions; }
  void setSupportedActions(Qt::DropActions actions);
  Qt::DropAction defaultAction() const { return m_defaultAction; }
  void setDefaultAction(Qt::DropAction action);
  // The item's accepted buttons, set with the change notified.
  void setAcceptedButtons(Qt::MouseButtons buttons);

  // The MIME data a drag of `data` under `mimeType` carries: the bytes under
  // the type and as text. Null when either is empty.
  static QMimeData* dragMimeData(const QString& mimeType, const QByteArray& data);

 signals:
  void startDrag(const QString& mimeType, const QByteArray& data, const QPixmap& pixmap);
  void delegateChanged();
  void sourceChanged();
  void targetChanged();
  void dataChanged();
  // Notifies this element's own enabled (whether it takes part in drag and
  // drop), which shadows the item's.
  void enabledChanged();  // clazy:exclude=overridden-signal
  void drop(int action);
  void supportedActionsChanged();
  void defaultActionChanged();
  void pressed(int button, int modifiers);
  void clicked(int button, int modifiers);
  void doubleClicked(int button, int modifiers);
  void acceptedMouseButtonsChanged();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseUngrabEvent() override;

 private:
  void beginDrag();

  QPointer<QQmlComponent> m_delegate;
  QPointer<QQuickItem> m_source;
  QString m_mimeType;
  QByteArray m_data;
  bool m_enabled = true;
  Qt::DropActions m_supportedActions = Qt::MoveAction;
  Qt::DropAction m_defaultAction = Qt::MoveAction;
  QPointF m_pressScreenPos;
  bool m_pressed = false;
  // Set once a press has started its drag: further moves of the same press
  // must not queue a second drag.
  bool m_dragStarted = false;
};
