// The web engine of the program's web views, in a library of its own that
// the first web view loads (see libqml/items/WebViewEngine.h for why).
#include <QAction>
#include <QNetworkAccessManager>
#include <QPainter>
#include <QPointer>
#include <QWebElement>
#include <QWebFrame>
#include <QWebHitTestResult>
#include <QWebPage>
#include <QWebSettings>

#include "Utils/WebViews.h"
#include "libqml/items/WebViewEngine.h"

namespace {

// Every link is handed to the item, which routes it; a page never opens a
// dialog of its own: alerts go to the item, confirm and prompt say no.
class HostedPage : public QWebPage {
 public:
  HostedPage(WebViewHost* host, QObject* parent) : QWebPage(parent), m_host(host) {
    setLinkDelegationPolicy(QWebPage::DelegateAllLinks);
    connect(this, &QWebPage::linkClicked, this,
            [this](const QUrl& url) { m_host->linkClicked(url); });
  }

 protected:
  QWebPage* createWindow(WebWindowType type) override {
    return static_cast<QWebPage*>(m_host->createWindowPage(int(type)));
  }
  void javaScriptAlert(QWebFrame*, const QString& msg) override { m_host->javaScriptAlert(msg); }
  bool javaScriptConfirm(QWebFrame*, const QString&) override { return false; }
  bool javaScriptPrompt(QWebFrame*, const QString&, const QString&, QString*) override {
    return false;
  }
  QString chooseFile(QWebFrame*, const QString& oldFile) override { return oldFile; }

 private:
  WebViewHost* m_host;
};

class WebKitViewEngine : public WebViewEngine {
 public:
  WebKitViewEngine(WebViewHost* host, QObject* pageParent, QNetworkAccessManager* network) {
    Utils::prepareWebViews();
    m_page = new HostedPage(host, pageParent);
    m_page->setNetworkAccessManager(network);
    QWebSettings* s = m_page->settings();
    // Nothing of a transcript is kept on disk between runs.
    s->setAttribute(QWebSettings::LocalStorageEnabled, false);
    s->setAttribute(QWebSettings::OfflineStorageDatabaseEnabled, false);
    s->setAttribute(QWebSettings::OfflineWebApplicationCacheEnabled, false);
    s->setAttribute(QWebSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebSettings::PluginsEnabled, false);
    s->setAttribute(QWebSettings::JavaEnabled, false);
    // Not even a name look-up for the links a page holds.
    s->setAttribute(QWebSettings::DnsPrefetchEnabled, false);
    QWebFrame* frame = m_page->mainFrame();
    frame->setScrollBarPolicy(Qt::Horizontal, Qt::ScrollBarAlwaysOff);
    frame->setScrollBarPolicy(Qt::Vertical, Qt::ScrollBarAlwaysOff);
  }
  ~WebKitViewEngine() override { delete m_page; }

  QObject* page() const override { return m_page; }
  QObject* mainFrame() const override { return frame(); }

  QString title() const override { return frame()->title(); }
  QIcon icon() const override { return frame()->icon(); }
  QString toHtml() const override { return frame()->toHtml(); }
  QString toPlainText() const override { return frame()->toPlainText(); }
  void setHtml(const QString& html, const QUrl& baseUrl) override {
    frame()->setHtml(html, baseUrl);
  }
  void load(const QUrl& url) override { frame()->load(url); }
  QUrl url() const override { return frame()->url(); }
  QSize preferredContentsSize() const override { return m_page->preferredContentsSize(); }
  void setPreferredContentsSize(const QSize& size) override {
    m_page->setPreferredContentsSize(size);
  }
  void setViewportSize(const QSize& size) override { m_page->setViewportSize(size); }
  QSize contentsSize() const override { return frame()->contentsSize(); }
  QPoint scrollPosition() const override { return frame()->scrollPosition(); }
  void setScrollPosition(const QPoint& position) override { frame()->setScrollPosition(position); }
  qreal zoomFactor() const override { return frame()->zoomFactor(); }
  void setZoomFactor(qreal factor) override { frame()->setZoomFactor(factor); }
  QPalette palette() const override { return m_page->palette(); }
  void setPalette(const QPalette& palette) override { m_page->setPalette(palette); }
  QAction* action(int action) const override {
    return m_page->action(static_cast<QWebPage::WebAction>(action));
  }
  void addToJavaScriptWindowObject(const QString& name, QObject* object) override {
    frame()->addToJavaScriptWindowObject(name, object);
  }
  QVariant evaluateJavaScript(const QString& script) override {
    return frame()->evaluateJavaScript(script);
  }
  void render(QPainter* painter, const QRegion& clip) override {
    frame()->render(painter, QWebFrame::AllLayers, clip);
  }
  bool event(QEvent* event) override { return m_page->event(event); }
  QVariant inputMethodQuery(int query) const override {
    return m_page->inputMethodQuery(static_cast<Qt::InputMethodQuery>(query));
  }

  bool isContentEditableAt(const QPoint& point) const override {
    return frame()->hitTestContent(point).isContentEditable();
  }
  QUrl linkUrlAt(const QPoint& point) const override {
    return frame()->hitTestContent(point).linkUrl();
  }
  QList<QRect> enclosingBlocksAt(const QPoint& point) const override {
    QList<QRect> blocks;
    for (QWebElement e = frame()->hitTestContent(point).enclosingBlockElement(); !e.isNull();
         e = e.parent())
      blocks.append(e.geometry());
    return blocks;
  }

  QString fontFamily(int which) const override {
    return m_page->settings()->fontFamily(static_cast<QWebSettings::FontFamily>(which));
  }
  void setFontFamily(int which, const QString& family) override {
    m_page->settings()->setFontFamily(static_cast<QWebSettings::FontFamily>(which), family);
  }
  int fontSize(int which) const override {
    return m_page->settings()->fontSize(static_cast<QWebSettings::FontSize>(which));
  }
  void setFontSize(int which, int size) override {
    m_page->settings()->setFontSize(static_cast<QWebSettings::FontSize>(which), size);
  }
  bool testAttribute(int which) const override {
    return m_page->settings()->testAttribute(static_cast<QWebSettings::WebAttribute>(which));
  }
  void setAttribute(int which, bool on) override {
    m_page->settings()->setAttribute(static_cast<QWebSettings::WebAttribute>(which), on);
  }

 private:
  QWebFrame* frame() const { return m_page->mainFrame(); }

  QPointer<QWebPage> m_page;
};

}  // namespace

extern "C" Q_DECL_EXPORT WebViewEngine* zentCreateWebViewEngine(WebViewHost* host,
                                                                QObject* pageParent,
                                                                QNetworkAccessManager* network) {
  return new WebKitViewEngine(host, pageParent, network);
}
