#pragma once

#include <QQuickPaintedItem>
#include <QUrl>
#include <QtQml>

// Attached properties of the web view element ("WebView2.windowObjectName").
class QDeclarativeWebViewAttached : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString windowObjectName READ windowObjectName WRITE setWindowObjectName)

 public:
  explicit QDeclarativeWebViewAttached(QObject* parent = nullptr) : QObject(parent) {}
  QString windowObjectName() const { return m_name; }
  void setWindowObjectName(const QString& n) { m_name = n; }

 private:
  QString m_name;
};

// Element "WebView2": web content and chat transcripts in a scene.
class QDeclarativeWebView2 : public QQuickPaintedItem {
  Q_OBJECT
  Q_PROPERTY(QString html READ html WRITE setHtml NOTIFY htmlChanged)
  Q_PROPERTY(QUrl url READ url WRITE setUrl NOTIFY urlChanged)

 public:
  explicit QDeclarativeWebView2(QQuickItem* parent = nullptr) : QQuickPaintedItem(parent) {}

  QString html() const { return m_html; }
  void setHtml(const QString& h) {
    m_html = h;
    emit htmlChanged();
  }
  QUrl url() const { return m_url; }
  void setUrl(const QUrl& u) {
    if (u == m_url) return;
    m_url = u;
    emit urlChanged();
  }
  void paint(QPainter*) override {}

  static QDeclarativeWebViewAttached* qmlAttachedProperties(QObject* object) {
    return new QDeclarativeWebViewAttached(object);
  }

 signals:
  void htmlChanged();
  void urlChanged();
  void loadFinished();
  void loadFailed();

 private:
  QString m_html;
  QUrl m_url;
};

QML_DECLARE_TYPEINFO(QDeclarativeWebView2, QML_HAS_ATTACHED_PROPERTIES)
