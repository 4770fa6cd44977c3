#pragma once

#include <QObject>
#include <QQuickItem>
#include <QVariant>

// The drag-and-drop elements "DragArea" and "DropArea" and the objects they
// hand to the scene ("MimeData", "DragDropEvent").
class DeclarativeMimeData : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)

 public:
  explicit DeclarativeMimeData(QObject* parent = nullptr) : QObject(parent) {}
  QString text() const { return m_text; }
  void setText(const QString& t) {
    if (t == m_text) return;
    m_text = t;
    emit textChanged();
  }

 signals:
  void textChanged();

 private:
  QString m_text;
};

class DeclarativeDragDropEvent : public QObject {
  Q_OBJECT
  Q_PROPERTY(int x READ x CONSTANT)
  Q_PROPERTY(int y READ y CONSTANT)
  Q_PROPERTY(bool accepted READ isAccepted WRITE setAccepted)

 public:
  explicit DeclarativeDragDropEvent(QObject* parent = nullptr) : QObject(parent) {}
  int x() const { return m_x; }
  int y() const { return m_y; }
  bool isAccepted() const { return m_accepted; }
  void setAccepted(bool a) { m_accepted = a; }

 private:
  int m_x = 0;
  int m_y = 0;
  bool m_accepted = false;
};

class DeclarativeDropArea : public QQuickItem {
  Q_OBJECT
  Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled)

 public:
  explicit DeclarativeDropArea(QQuickItem* parent = nullptr) : QQuickItem(parent) {
    setFlag(ItemAcceptsDrops, true);
  }

 signals:
  void dragEnter(DeclarativeDragDropEvent* event);
  void dragLeave(DeclarativeDragDropEvent* event);
  void dragMove(DeclarativeDragDropEvent* event);
  void drop(DeclarativeDragDropEvent* event);
};

class DeclarativeDragArea : public QQuickItem {
  Q_OBJECT
  Q_PROPERTY(QQuickItem* delegate READ delegate WRITE setDelegate NOTIFY delegateChanged)
  Q_PROPERTY(QVariant mimeData READ mimeData WRITE setMimeData NOTIFY mimeDataChanged)

 public:
  explicit DeclarativeDragArea(QQuickItem* parent = nullptr) : QQuickItem(parent) {}
  QQuickItem* delegate() const { return m_delegate; }
  void setDelegate(QQuickItem* d) {
    if (d == m_delegate) return;
    m_delegate = d;
    emit delegateChanged();
  }
  QVariant mimeData() const { return m_mimeData; }
  void setMimeData(const QVariant& m) {
    m_mimeData = m;
    emit mimeDataChanged();
  }

 signals:
  void delegateChanged();
  void mimeDataChanged();
  void dragStarted();
  void drop(int action);

 private:
  QQuickItem* m_delegate = nullptr;
  QVariant m_mimeData;
};
