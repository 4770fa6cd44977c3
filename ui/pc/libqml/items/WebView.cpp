#include "libqml/items/WebView.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenu>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QStyleHints>
#include <QTimer>

#include <TP/Core/Logging.h>
#include <os/Module.h>

namespace {

// The answer to a request we do not serve: no data, an access error, and
// the usual signals a turn later, as a network reply would give them.
class RefusedReply : public QNetworkReply {
 public:
  RefusedReply(QNetworkAccessManager::Operation op, const QNetworkRequest& request, QObject* parent)
      : QNetworkReply(parent) {
    setRequest(request);
    setUrl(request.url());
    setOperation(op);
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    setError(QNetworkReply::ContentAccessDenied, QStringLiteral("Not served"));
    QTimer::singleShot(0, this, [this]() {
      emit errorOccurred(QNetworkReply::ContentAccessDenied);
      setFinished(true);
      emit finished();
    });
  }
  void abort() override {}
  qint64 bytesAvailable() const override { return 0; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
};

WebLinkRouter::Handler& desktopOpener() {
  static WebLinkRouter::Handler opener;
  return opener;
}

WebLinkRouter::Handler& productHandler() {
  static WebLinkRouter::Handler handler;
  return handler;
}

const char kProductScheme[] = "zent";

// Loaded once, on the first web view, and kept for the program's life.
WebViewEngineFactory engineFactory() {
  static const WebViewEngineFactory factory = []() -> WebViewEngineFactory {
    QString error;
    if (auto entry = reinterpret_cast<WebViewEngineFactory>(
            Os::moduleEntry("libzent_webengine.so", ZENT_WEB_ENGINE_ENTRY, &error)))
      return entry;
    TP_LOG("QDeclarativeWebView2::engineFactory", TP::Core::Logging::LevelError)
        << "The web engine cannot be loaded, web pages stay empty: " << error;
    return nullptr;
  }();
  return factory;
}

// The engine of a program whose engine library is missing: an empty page.
class NoWebEngine : public WebViewEngine {
 public:
  QObject* page() const override { return nullptr; }
  QObject* mainFrame() const override { return nullptr; }
  QString title() const override { return QString(); }
  QIcon icon() const override { return QIcon(); }
  QString toHtml() const override { return QString(); }
  QString toPlainText() const override { return QString(); }
  void setHtml(const QString&, const QUrl&) override {}
  void load(const QUrl&) override {}
  QUrl url() const override { return QUrl(); }
  QSize preferredContentsSize() const override { return QSize(); }
  void setPreferredContentsSize(const QSize&) override {}
  void setViewportSize(const QSize&) override {}
  QSize contentsSize() const override { return QSize(); }
  QPoint scrollPosition() const override { return QPoint(); }
  void setScrollPosition(const QPoint&) override {}
  qreal zoomFactor() const override { return 1.0; }
  void setZoomFactor(qreal) override {}
  QPalette palette() const override { return m_palette; }
  void setPalette(const QPalette& palette) override { m_palette = palette; }
  QAction* action(int) const override { return nullptr; }
  void addToJavaScriptWindowObject(const QString&, QObject*) override {}
  QVariant evaluateJavaScript(const QString&) override { return QVariant(); }
  void render(QPainter*, const QRegion&) override {}
  bool event(QEvent*) override { return false; }
  QVariant inputMethodQuery(int) const override { return QVariant(); }
  bool isContentEditableAt(const QPoint&) const override { return false; }
  QUrl linkUrlAt(const QPoint&) const override { return QUrl(); }
  QList<QRect> enclosingBlocksAt(const QPoint&) const override { return {}; }
  QString fontFamily(int) const override { return QString(); }
  void setFontFamily(int, const QString&) override {}
  int fontSize(int) const override { return 0; }
  void setFontSize(int, int) override {}
  bool testAttribute(int) const override { return false; }
  void setAttribute(int, bool) override {}

 private:
  QPalette m_palette;
};

}  // namespace

RestrictedNetworkAccess::RestrictedNetworkAccess(QObject* parent) : QNetworkAccessManager(parent) {}

bool RestrictedNetworkAccess::isServed(const QUrl& url) {
  const QString scheme = url.scheme().toLower();
  return scheme == QLatin1String("qrc") || scheme == QLatin1String("data");
}

QNetworkReply* RestrictedNetworkAccess::createRequest(Operation op, const QNetworkRequest& request,
                                                      QIODevice* outgoingData) {
  if (op == GetOperation && isServed(request.url()))
    return QNetworkAccessManager::createRequest(op, request, outgoingData);
  TP_LOG("RestrictedNetworkAccess::createRequest", TP::Core::Logging::LevelInformation)
      << "refused a request of scheme" << request.url().scheme();
  emit blocked(request.url());
  return new RefusedReply(op, request, this);
}

QUrl WebLinkRouter::normalized(const QUrl& url) {
  if (url.scheme().isEmpty() && !url.isEmpty())
    return QUrl(QStringLiteral("http://") + url.toString());
  return url;
}

WebLinkRouter::Route WebLinkRouter::routeOf(const QUrl& url) {
  const QUrl link = normalized(url);
  if (!link.isValid()) return Route::Refused;
  const QString scheme = link.scheme().toLower();
  if (scheme == QLatin1String(kProductScheme)) return Route::Product;
  if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
      scheme == QLatin1String("mailto"))
    return Route::Desktop;
  return Route::Refused;
}

bool WebLinkRouter::open(const QUrl& url) {
  const QUrl link = normalized(url);
  switch (routeOf(link)) {
    case Route::Product: {
      if (productHandler()) return productHandler()(link);
      // The application takes product links the way a second start hands
      // them over; the link is acted on once this click is done.
      QCoreApplication* app = QCoreApplication::instance();
      if (!app || app->metaObject()->indexOfSlot("onMessageReceived(QString)") < 0) return false;
      const QString text = link.toString(QUrl::FullyEncoded);
      const QString rest = text.mid(int(qstrlen(kProductScheme)) + 1);
      return QMetaObject::invokeMethod(app, "onMessageReceived", Qt::QueuedConnection,
                                       Q_ARG(QString, QStringLiteral("--zent:") + rest));
    }
    case Route::Desktop:
      if (desktopOpener()) return desktopOpener()(link);
      return QDesktopServices::openUrl(link);
    case Route::Refused:
      break;
  }
  TP_LOG("WebLinkRouter::open", TP::Core::Logging::LevelWarning)
      << "refused a link of scheme" << link.scheme();
  return false;
}

void WebLinkRouter::setDesktopOpener(Handler opener) { desktopOpener() = std::move(opener); }

void WebLinkRouter::setProductHandler(Handler handler) { productHandler() = std::move(handler); }

void QDeclarativeWebViewAttached::setWindowObjectName(const QString& n) {
  if (n == m_name) return;
  m_name = n;
  emit windowObjectNameChanged();
}

void QDeclarativeWebSettings::setFamily(int which, const QString& family) {
  const QString before = e->fontFamily(which);
  e->setFontFamily(which, family);
  if (e->fontFamily(which) != before) emit changed();
}

void QDeclarativeWebSettings::setSize(int which, int size) {
  const int before = e->fontSize(which);
  e->setFontSize(which, size);
  if (e->fontSize(which) != before) emit changed();
}

void QDeclarativeWebSettings::setFlag(int which, bool on) {
  const bool before = e->testAttribute(which);
  e->setAttribute(which, on);
  if (e->testAttribute(which) != before) emit changed();
}

QObject* QDeclarativeWebView2::createWindowPage(int type) {
  return createWindow(static_cast<QWebPage::WebWindowType>(type));
}

void QDeclarativeWebView2::javaScriptAlert(const QString& message) { emit alert(message); }

void QDeclarativeWebView2::linkClicked(const QUrl& url) { WebLinkRouter::open(url); }

QDeclarativeWebView2::QDeclarativeWebView2(QQuickItem* parent) : QQuickPaintedItem(parent) {
  setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton);
  setAcceptHoverEvents(true);
  setFlag(ItemIsFocusScope, true);
  setFlag(ItemAcceptsInputMethod, true);
  setFlag(ItemHasContents, true);
  setClip(true);
  setFillColor(m_background);

  m_network = new RestrictedNetworkAccess(this);
  if (WebViewEngineFactory create = engineFactory()) m_engine.reset(create(this, this, m_network));
  if (!m_engine) m_engine.reset(new NoWebEngine);
  m_settings = new QDeclarativeWebSettings(m_engine.get(), this);

  if (QObject* frame = m_engine->mainFrame()) {
    connect(frame, SIGNAL(urlChanged(QUrl)), this, SLOT(pageUrlChanged()));
    connect(frame, SIGNAL(titleChanged(QString)), this, SIGNAL(titleChanged(QString)));
    connect(frame, SIGNAL(iconChanged()), this, SIGNAL(iconChanged()));
    connect(frame, SIGNAL(initialLayoutCompleted()), this, SLOT(initialLayout()));
    connect(frame, SIGNAL(contentsSizeChanged(QSize)), this, SIGNAL(contentsSizeChanged(QSize)));
    connect(frame, SIGNAL(contentsSizeChanged(QSize)), this, SIGNAL(contentYChanged()));
    connect(frame, SIGNAL(javaScriptWindowObjectCleared()), this, SLOT(windowObjectCleared()));
  }
  if (QObject* page = m_engine->page()) {
    connect(page, SIGNAL(loadStarted()), this, SLOT(doLoadStarted()));
    connect(page, SIGNAL(loadProgress(int)), this, SLOT(doLoadProgress(int)));
    connect(page, SIGNAL(loadFinished(bool)), this, SLOT(doLoadFinished(bool)));
    connect(page, SIGNAL(statusBarMessage(QString)), this, SLOT(setStatusText(QString)));
    connect(page, SIGNAL(repaintRequested(QRect)), this, SLOT(repaintRequested(QRect)));
    connect(page, SIGNAL(scrollRequested(int, int, QRect)), this, SLOT(pageScrolled()));
  }
  connect(m_network, SIGNAL(finished(QNetworkReply*)), this, SLOT(onFinished(QNetworkReply*)));

  m_pressGrabTimer.setSingleShot(true);
  connect(&m_pressGrabTimer, SIGNAL(timeout()), this, SLOT(pressGrabTimeout()));
}

QDeclarativeWebView2::~QDeclarativeWebView2() = default;

QDeclarativeWebViewAttached* QDeclarativeWebView2::qmlAttachedProperties(QObject* object) {
  return new QDeclarativeWebViewAttached(object);
}

QString QDeclarativeWebView2::title() const { return m_engine->title(); }

QVariant QDeclarativeWebView2::icon() const {
  return QVariant::fromValue(m_engine->icon().pixmap(QSize(16, 16)));
}

QString QDeclarativeWebView2::html() const { return m_engine->toHtml(); }

QString QDeclarativeWebView2::plainText() const { return m_engine->toPlainText(); }

void QDeclarativeWebView2::setHtml(const QString& html, const QUrl& baseUrl) {
  updatePreferredContentsSize();
  if (isComponentComplete()) {
    m_engine->setHtml(html, baseUrl.isEmpty() ? m_baseUrl : baseUrl);
  } else {
    m_pending = Pending::Html;
    m_pendingHtml = html;
  }
  emit htmlChanged();
}

void QDeclarativeWebView2::setPressGrabTime(int ms) {
  if (ms == m_pressGrabTime) return;
  m_pressGrabTime = ms;
  emit pressGrabTimeChanged();
}

void QDeclarativeWebView2::setPreferredWidth(int width) {
  if (width == m_preferredWidth) return;
  m_preferredWidth = width;
  updatePreferredContentsSize();
  emit preferredWidthChanged();
}

void QDeclarativeWebView2::setPreferredHeight(int height) {
  if (height == m_preferredHeight) return;
  m_preferredHeight = height;
  updatePreferredContentsSize();
  emit preferredHeightChanged();
}

void QDeclarativeWebView2::updatePreferredContentsSize() {
  const int w = m_preferredWidth > 0 ? m_preferredWidth : int(width());
  const int h = m_preferredHeight > 0 ? m_preferredHeight : int(height());
  if (w > 0 && h > 0) {
    m_engine->setPreferredContentsSize(QSize(w, h));
    m_engine->setViewportSize(QSize(int(width()), int(height())));
  }
}

void QDeclarativeWebView2::setUrl(const QUrl& url) {
  // The same address again retries only a load whose main request failed.
  if (url == m_url && m_networkError == 0) return;
  if (!isComponentComplete()) {
    m_pending = Pending::Url;
    m_pendingUrl = url;
    return;
  }
  m_url = url;
  updatePreferredContentsSize();
  m_engine->load(url.isEmpty() ? QUrl(QStringLiteral("about:blank")) : url);
  emit urlChanged();
}

void QDeclarativeWebView2::refresh() {
  const QUrl previous = m_url;
  m_url = QUrl();
  setUrl(previous);
}

QDeclarativeWebSettings* QDeclarativeWebView2::settingsObject() const { return m_settings; }

QAction* QDeclarativeWebView2::pageAction(QWebPage::WebAction action) const {
  return m_engine->action(int(action));
}

QQmlListProperty<QObject> QDeclarativeWebView2::javaScriptWindowObjects() {
  return QQmlListProperty<QObject>(this, &m_windowObjects, &appendWindowObject, &windowObjectCount,
                                   &windowObjectAt, &clearWindowObjects);
}

void QDeclarativeWebView2::appendWindowObject(QQmlListProperty<QObject>* list, QObject* object) {
  auto* view = static_cast<QDeclarativeWebView2*>(list->object);
  view->m_windowObjects.append(object);
  emit view->javaScriptWindowObjectsChanged();
}

int QDeclarativeWebView2::windowObjectCount(QQmlListProperty<QObject>* list) {
  return static_cast<QDeclarativeWebView2*>(list->object)->m_windowObjects.size();
}

QObject* QDeclarativeWebView2::windowObjectAt(QQmlListProperty<QObject>* list, int index) {
  return static_cast<QDeclarativeWebView2*>(list->object)->m_windowObjects.value(index);
}

void QDeclarativeWebView2::clearWindowObjects(QQmlListProperty<QObject>* list) {
  auto* view = static_cast<QDeclarativeWebView2*>(list->object);
  if (view->m_windowObjects.isEmpty()) return;
  view->m_windowObjects.clear();
  emit view->javaScriptWindowObjectsChanged();
}

void QDeclarativeWebView2::setBaseUrl(const QUrl& url) {
  if (url == m_baseUrl) return;
  m_baseUrl = url;
  emit baseUrlChanged();
}

void QDeclarativeWebView2::windowObjectCleared() {
  for (const QPointer<QObject>& object : qAsConst(m_windowObjects)) {
    if (!object) continue;
    auto* attached = qobject_cast<QDeclarativeWebViewAttached*>(
        qmlAttachedPropertiesObject<QDeclarativeWebView2>(object, false));
    if (attached && !attached->windowObjectName().isEmpty())
      m_engine->addToJavaScriptWindowObject(attached->windowObjectName(), object);
  }
}

void QDeclarativeWebView2::setNewWindowComponent(QQmlComponent* component) {
  if (component == m_newWindowComponent) return;
  m_newWindowComponent = component;
  emit newWindowComponentChanged();
}

void QDeclarativeWebView2::setNewWindowParent(QQuickItem* parent) {
  if (parent == m_newWindowParent) return;
  m_newWindowParent = parent;
  emit newWindowParentChanged();
}

QWebPage* QDeclarativeWebView2::createWindow(QWebPage::WebWindowType type) {
  if (type != QWebPage::WebBrowserWindow) return nullptr;
  if (!m_newWindowComponent && m_newWindowParent) {
    qWarning("WebView::newWindowComponent not set - WebView::newWindowParent ignored");
    return nullptr;
  }
  if (m_newWindowComponent && !m_newWindowParent) {
    qWarning("WebView::newWindowParent not set - WebView::newWindowComponent ignored");
    return nullptr;
  }
  if (!m_newWindowComponent) return nullptr;
  QQmlContext* parentContext = qmlContext(this);
  if (!parentContext) return nullptr;
  auto* context = new QQmlContext(parentContext);
  QObject* created = m_newWindowComponent->create(context);
  auto* item = qobject_cast<QQuickItem*>(created);
  QDeclarativeWebView2* view = item ? qobject_cast<QDeclarativeWebView2*>(item) : nullptr;
  if (item && !view) view = item->findChild<QDeclarativeWebView2*>();
  if (!view) {
    delete created;
    delete context;
    return nullptr;
  }
  context->setParent(item);
  item->setParentItem(m_newWindowParent);
  item->setParent(m_newWindowParent);
  return view->page();
}

void QDeclarativeWebView2::setRenderingEnabled(bool enabled) {
  if (enabled == m_renderingEnabled) return;
  m_renderingEnabled = enabled;
  emit renderingEnabledChanged();
  if (enabled) update();
}

QSize QDeclarativeWebView2::contentsSize() const { return m_engine->contentsSize(); }

qreal QDeclarativeWebView2::contentsScale() const { return m_engine->zoomFactor(); }

void QDeclarativeWebView2::setContentsScale(qreal scale) {
  if (qFuzzyCompare(scale, contentsScale())) return;
  m_engine->setZoomFactor(scale);
  emit contentsScaleChanged();
  update();
}

QColor QDeclarativeWebView2::backgroundColor() const { return m_background; }

void QDeclarativeWebView2::setBackgroundColor(const QColor& color) {
  if (color == m_background) return;
  m_background = color;
  QPalette palette = m_engine->palette();
  palette.setBrush(QPalette::Base, color);
  m_engine->setPalette(palette);
  setFillColor(color);
  emit backgroundColorChanged();
  update();
}

QVariant QDeclarativeWebView2::evaluateJavaScript(const QString& script) {
  return m_engine->evaluateJavaScript(script);
}

bool QDeclarativeWebView2::heuristicZoom(int clickX, int clickY, qreal maxZoom) {
  const qreal itemScale = scale() > 0 ? scale() : 1.0;
  if (contentsScale() >= maxZoom / itemScale) return false;
  const qreal current = contentsScale();
  const QPoint point(int(clickX / current), int(clickY / current));
  const QSize preferred = m_engine->preferredContentsSize();
  const qreal fitWidth = preferred.width() > 0 ? preferred.width() / maxZoom : width() / maxZoom;
  QRect block;
  const auto blocks = m_engine->enclosingBlocksAt(point);
  for (const QRect& geometry : blocks) {
    if (geometry.width() > fitWidth) break;
    block = geometry;
  }
  if (block.isEmpty() || block.width() <= 0) return false;
  qreal zoom = width() / block.width();
  zoom = qMin(zoom, maxZoom / itemScale);
  if (zoom <= current * 1.2) return false;
  emit zoomTo(zoom, int(block.center().x() * zoom), int(block.center().y() * zoom));
  return true;
}

void QDeclarativeWebView2::showMenu() {
  auto* menu = new QMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  QAction* refreshAction = menu->addAction(tr("Refresh"));
  connect(refreshAction, SIGNAL(triggered()), this, SLOT(refresh()));
  menu->popup(QCursor::pos());
}

void QDeclarativeWebView2::showContextMenu(const QPoint& globalPos) {
  QMenu menu;
  QAction* copy = pageAction(QWebPage::Copy);
  QAction* selectAll = pageAction(QWebPage::SelectAll);
  // The page's own names for them are English whatever the interface says.
  if (copy) copy->setText(tr("Copy"));
  if (selectAll) selectAll->setText(tr("Select All"));
  if (copy && copy->isEnabled()) menu.addAction(copy);
  if (selectAll && selectAll->isEnabled()) menu.addAction(selectAll);
  if (!menu.isEmpty()) menu.exec(globalPos);
}

void QDeclarativeWebView2::componentComplete() {
  QQuickPaintedItem::componentComplete();
  updatePreferredContentsSize();
  switch (m_pending) {
    case Pending::Url:
      m_pending = Pending::None;
      setUrl(m_pendingUrl);
      break;
    case Pending::Html:
      m_pending = Pending::None;
      m_engine->setHtml(m_pendingHtml, m_baseUrl);
      break;
    case Pending::None:
      break;
  }
  m_pendingUrl = QUrl();
  m_pendingHtml.clear();
  windowObjectCleared();
}

void QDeclarativeWebView2::onFinished(QNetworkReply* reply) {
  if (reply && reply->request().url() == m_url) m_networkError = int(reply->error());
}

void QDeclarativeWebView2::doLoadStarted() {
  if (!m_url.isEmpty()) {
    m_networkError = 0;
    setStatus(Loading);
  }
  emit loadStarted();
}

void QDeclarativeWebView2::setStatus(Status status) {
  if (status == m_status) return;
  m_status = status;
  emit statusChanged(status);
}

void QDeclarativeWebView2::doLoadProgress(int progress) {
  const qreal value = progress / 100.0;
  if (qFuzzyCompare(value, m_progress)) return;
  m_progress = value;
  emit progressChanged();
}

void QDeclarativeWebView2::doLoadFinished(bool ok) {
  if (ok && m_networkError == 0) {
    m_status = m_url.isEmpty() ? Null : Ready;
    emit loadFinished();
  } else {
    m_status = ok ? Ready : Error;
    emit loadFailed();
  }
  emit statusChanged(m_status);
  update();
}

void QDeclarativeWebView2::setStatusText(const QString& text) {
  m_statusText = text;
  emit statusTextChanged();
}

void QDeclarativeWebView2::pageUrlChanged() {
  const QUrl frameUrl = m_engine->url();
  const QUrl blank(QStringLiteral("about:blank"));
  if ((m_url.isEmpty() && frameUrl != blank) || (m_url != frameUrl && !frameUrl.isEmpty())) {
    m_url = frameUrl == blank ? QUrl() : frameUrl;
    emit urlChanged();
  }
}

void QDeclarativeWebView2::initialLayout() { update(); }

void QDeclarativeWebView2::repaintRequested(const QRect& rect) {
  if (m_renderingEnabled) update(rect);
}

void QDeclarativeWebView2::pageScrolled() {
  // Every pixel shown moved: the whole picture is painted again. The rect
  // is spelt out: a null one leaves a pending partial repaint (the new
  // message's area before the scroll) as the only area painted, and the
  // rest of the view would keep the picture from before the scroll.
  if (m_renderingEnabled) update(boundingRect().toAlignedRect());
  emit contentYChanged();
}

int QDeclarativeWebView2::contentY() const { return m_engine->scrollPosition().y(); }

void QDeclarativeWebView2::setContentY(int y) {
  const int bottom = qMax(0, m_engine->contentsSize().height() - int(height()));
  const int wanted = qBound(0, y, bottom);
  if (wanted == contentY()) return;
  m_engine->setScrollPosition(QPoint(m_engine->scrollPosition().x(), wanted));
  // An engine that reports no scroll paints and notifies here as well.
  pageScrolled();
}

void QDeclarativeWebView2::paint(QPainter* painter) {
  if (!m_renderingEnabled) return;
  const QRect clip = QRect(0, 0, int(width()), int(height()));
  m_engine->render(painter, QRegion(clip));
}

void QDeclarativeWebView2::geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry) {
  QQuickPaintedItem::geometryChanged(newGeometry, oldGeometry);
  if (newGeometry.size() != oldGeometry.size()) {
    m_engine->setViewportSize(newGeometry.size().toSize());
    updatePreferredContentsSize();
  }
}

bool QDeclarativeWebView2::sendToPage(QEvent* event) { return m_engine->event(event); }

void QDeclarativeWebView2::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    QMouseEvent press(*event);
    sendToPage(&press);
    showContextMenu(event->globalPos());
    event->accept();
    return;
  }
  m_pressPos = event->localPos();
  m_mousePos = m_pressPos;
  if (m_pressGrabTime > 0)
    m_pressGrabTimer.start(m_pressGrabTime);
  else
    setKeepMouseGrab(true);
  sendToPage(event);
  if (m_engine->isContentEditableAt(event->pos())) forceActiveFocus(Qt::MouseFocusReason);
  setFocus(true);
  event->accept();
  emit mousePressed();
}

void QDeclarativeWebView2::mouseMoveEvent(QMouseEvent* event) {
  if (m_pressGrabTimer.isActive() && (event->localPos() - m_pressPos).manhattanLength() >
                                         QGuiApplication::styleHints()->startDragDistance())
    m_pressGrabTimer.stop();
  if (keepMouseGrab()) {
    m_mousePos = event->localPos();
    sendToPage(event);
    emit mouseMoved();
  }
  event->accept();
}

void QDeclarativeWebView2::mouseReleaseEvent(QMouseEvent* event) {
  sendToPage(event);
  m_pressGrabTimer.stop();
  setKeepMouseGrab(false);
  ungrabMouse();
  event->accept();
  emit mouseReleased();
}

void QDeclarativeWebView2::mouseDoubleClickEvent(QMouseEvent* event) {
  sendToPage(event);
  event->accept();
  emit doubleClick(int(event->localPos().x()), int(event->localPos().y()));
}

void QDeclarativeWebView2::mouseUngrabEvent() {
  m_pressGrabTimer.stop();
  setKeepMouseGrab(false);
}

void QDeclarativeWebView2::pressGrabTimeout() {
  m_pressGrabTimer.stop();
  grabMouse();
  setKeepMouseGrab(true);
}

void QDeclarativeWebView2::hoverMoveEvent(QHoverEvent* event) {
  QMouseEvent move(QEvent::MouseMove, event->posF(), Qt::NoButton, Qt::NoButton,
                   event->modifiers());
  sendToPage(&move);
  // The page tells the cursor it wants through its view; without a widget
  // view we follow links ourselves.
  setCursor(m_engine->linkUrlAt(event->pos()).isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

void QDeclarativeWebView2::wheelEvent(QWheelEvent* event) {
  // The scene scrolls; the page never does.
  emit wheel(event->angleDelta().y());
  event->accept();
}

void QDeclarativeWebView2::keyPressEvent(QKeyEvent* event) {
  if (!sendToPage(event) || !event->isAccepted()) event->ignore();
}

void QDeclarativeWebView2::keyReleaseEvent(QKeyEvent* event) {
  if (!sendToPage(event) || !event->isAccepted()) event->ignore();
}

void QDeclarativeWebView2::focusInEvent(QFocusEvent* event) {
  sendToPage(event);
  QQuickPaintedItem::focusInEvent(event);
}

void QDeclarativeWebView2::focusOutEvent(QFocusEvent* event) {
  sendToPage(event);
  QQuickPaintedItem::focusOutEvent(event);
}

void QDeclarativeWebView2::inputMethodEvent(QInputMethodEvent* event) { sendToPage(event); }

QVariant QDeclarativeWebView2::inputMethodQuery(Qt::InputMethodQuery query) const {
  return m_engine->inputMethodQuery(int(query));
}

void QDeclarativeWebView2::dragEnterEvent(QDragEnterEvent* event) {
  // Drops fall through to the items under the view.
  event->ignore();
}
