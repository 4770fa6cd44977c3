#pragma once

#include <QIcon>
#include <QList>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QUrl>
#include <QVariant>

class QAction;
class QEvent;
class QNetworkAccessManager;
class QObject;
class QPainter;

// The boundary between a web view item and the web engine that draws its
// page. The engine lives in a library of its own ("libzent_webengine.so",
// beside the program), loaded when the first web view is made: the engine
// and what it pulls in cost the first window a dozen milliseconds and a
// dozen megabytes, and a sign-in window has no web page. Nothing of the
// program refers to an engine symbol, so the linker leaves the engine out
// of the program's start.
//
// Only this header is shared by both sides: plain Qt types and virtual
// calls, never a function of one side called by name from the other. The
// numbers passed as `which`, `action` and `type` are the engine's own enum
// values (QWebSettings, QWebPage), which the item names from the engine's
// headers; those headers hold enums and declarations, no code.
//
// Lifetime: the item makes one engine for its life and deletes it in its
// destructor; the engine deletes its page then. The page is a child of the
// object given as `pageParent` (the item), so the page's signals, connected
// by name to the item's slots, are gone with either.
class WebViewHost {
 public:
  // A page asks for a new window: the page object of the new view, or null.
  virtual QObject* createWindowPage(int type) = 0;
  virtual void javaScriptAlert(const QString& message) = 0;
  virtual void linkClicked(const QUrl& url) = 0;

 protected:
  ~WebViewHost() = default;
};

class WebViewEngine {
 public:
  virtual ~WebViewEngine() = default;

  // The page (a QWebPage) and its main frame (a QWebFrame), for connections
  // by name and for callers that link the engine themselves.
  virtual QObject* page() const = 0;
  virtual QObject* mainFrame() const = 0;

  virtual QString title() const = 0;
  virtual QIcon icon() const = 0;
  virtual QString toHtml() const = 0;
  // The page's text as a reader takes it.
  virtual QString toPlainText() const = 0;
  virtual void setHtml(const QString& html, const QUrl& baseUrl) = 0;
  virtual void load(const QUrl& url) = 0;
  virtual QUrl url() const = 0;
  virtual QSize preferredContentsSize() const = 0;
  virtual void setPreferredContentsSize(const QSize& size) = 0;
  virtual void setViewportSize(const QSize& size) = 0;
  virtual QSize contentsSize() const = 0;
  // Where the page's own viewport stands within its contents (pixels).
  virtual QPoint scrollPosition() const = 0;
  virtual void setScrollPosition(const QPoint& position) = 0;
  virtual qreal zoomFactor() const = 0;
  virtual void setZoomFactor(qreal factor) = 0;
  virtual QPalette palette() const = 0;
  virtual void setPalette(const QPalette& palette) = 0;
  virtual QAction* action(int action) const = 0;
  virtual void addToJavaScriptWindowObject(const QString& name, QObject* object) = 0;
  virtual QVariant evaluateJavaScript(const QString& script) = 0;
  virtual void render(QPainter* painter, const QRegion& clip) = 0;
  virtual bool event(QEvent* event) = 0;
  virtual QVariant inputMethodQuery(int query) const = 0;

  // What lies under a point of the page.
  virtual bool isContentEditableAt(const QPoint& point) const = 0;
  virtual QUrl linkUrlAt(const QPoint& point) const = 0;
  // The geometries of the block elements enclosing the point, innermost first.
  virtual QList<QRect> enclosingBlocksAt(const QPoint& point) const = 0;

  // The page's settings (QWebSettings font, size and attribute numbers).
  virtual QString fontFamily(int which) const = 0;
  virtual void setFontFamily(int which, const QString& family) = 0;
  virtual int fontSize(int which) const = 0;
  virtual void setFontSize(int which, int size) = 0;
  virtual bool testAttribute(int which) const = 0;
  virtual void setAttribute(int which, bool on) = 0;
};

// The engine library's one entry point, looked up by this name.
#define ZENT_WEB_ENGINE_ENTRY "zentCreateWebViewEngine"
using WebViewEngineFactory = WebViewEngine* (*)(WebViewHost* host, QObject* pageParent,
                                                QNetworkAccessManager* network);
