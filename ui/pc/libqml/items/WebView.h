#pragma once

#include <QAction>
#include <QColor>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlListProperty>
#include <QQuickPaintedItem>
#include <QTimer>
#include <QUrl>
// Enums and declarations only: no engine function is called from here
// (see WebViewEngine.h).
#include <QWebPage>
#include <QWebSettings>
#include <QtQml>

#include <functional>
#include <memory>

#include "libqml/items/WebViewEngine.h"

class QDeclarativeWebView2;

// Network access of our web pages: serves "qrc:" and "data:" and nothing
// else. Pages show chat transcripts built from what other people wrote, so
// a picture, frame or script that points anywhere else is refused without a
// single byte leaving the machine or a local file being read.
class RestrictedNetworkAccess : public QNetworkAccessManager {
  Q_OBJECT

 public:
  explicit RestrictedNetworkAccess(QObject* parent = nullptr);

  static bool isServed(const QUrl& url);

 signals:
  // A request that was refused.
  void blocked(const QUrl& url);

 protected:
  QNetworkReply* createRequest(Operation op, const QNetworkRequest& request,
                               QIODevice* outgoingData) override;
};

// Where a clicked link goes. The product's own scheme ("zent:") goes to our
// own handler, never to the desktop; http, https and mailto go to the
// desktop's opener; anything else (file:, smb:, javascript:, other
// programs' schemes) is refused. A link without a scheme is read as http.
class WebLinkRouter {
 public:
  enum class Route { Product, Desktop, Refused };

  static QUrl normalized(const QUrl& url);
  static Route routeOf(const QUrl& url);
  // Routes the link; false when it was refused or could not be opened.
  static bool open(const QUrl& url);

  using Handler = std::function<bool(const QUrl&)>;
  // Replace the openers (tests, or the application once it runs); an empty
  // function restores the default.
  static void setDesktopOpener(Handler opener);
  static void setProductHandler(Handler handler);
};

// Attached properties of the web view element ("WebView2.windowObjectName").
class QDeclarativeWebViewAttached : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString windowObjectName READ windowObjectName WRITE setWindowObjectName NOTIFY
                 windowObjectNameChanged)

 public:
  explicit QDeclarativeWebViewAttached(QObject* parent = nullptr) : QObject(parent) {}
  QString windowObjectName() const { return m_name; }
  void setWindowObjectName(const QString& n);

 signals:
  void windowObjectNameChanged();

 private:
  QString m_name;
};

// The settings of a web view's page, by name.
class QDeclarativeWebSettings : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString standardFontFamily READ standardFontFamily WRITE set_standardFontFamily NOTIFY
                 changed)
  Q_PROPERTY(QString fixedFontFamily READ fixedFontFamily WRITE set_fixedFontFamily NOTIFY changed)
  Q_PROPERTY(QString serifFontFamily READ serifFontFamily WRITE set_serifFontFamily NOTIFY changed)
  Q_PROPERTY(QString sansSerifFontFamily READ sansSerifFontFamily WRITE set_sansSerifFontFamily
                 NOTIFY changed)
  Q_PROPERTY(
      QString cursiveFontFamily READ cursiveFontFamily WRITE set_cursiveFontFamily NOTIFY changed)
  Q_PROPERTY(
      QString fantasyFontFamily READ fantasyFontFamily WRITE set_fantasyFontFamily NOTIFY changed)
  Q_PROPERTY(int minimumFontSize READ minimumFontSize WRITE set_minimumFontSize NOTIFY changed)
  Q_PROPERTY(int minimumLogicalFontSize READ minimumLogicalFontSize WRITE set_minimumLogicalFontSize
                 NOTIFY changed)
  Q_PROPERTY(int defaultFontSize READ defaultFontSize WRITE set_defaultFontSize NOTIFY changed)
  Q_PROPERTY(int defaultFixedFontSize READ defaultFixedFontSize WRITE set_defaultFixedFontSize
                 NOTIFY changed)
  Q_PROPERTY(bool autoLoadImages READ autoLoadImages WRITE set_autoLoadImages NOTIFY changed)
  Q_PROPERTY(
      bool javascriptEnabled READ javascriptEnabled WRITE set_javascriptEnabled NOTIFY changed)
  Q_PROPERTY(bool javaEnabled READ javaEnabled WRITE set_javaEnabled NOTIFY changed)
  Q_PROPERTY(bool pluginsEnabled READ pluginsEnabled WRITE set_pluginsEnabled NOTIFY changed)
  Q_PROPERTY(bool privateBrowsingEnabled READ privateBrowsingEnabled WRITE
                 set_privateBrowsingEnabled NOTIFY changed)
  Q_PROPERTY(bool javascriptCanOpenWindows READ javascriptCanOpenWindows WRITE
                 set_javascriptCanOpenWindows NOTIFY changed)
  Q_PROPERTY(bool javascriptCanAccessClipboard READ javascriptCanAccessClipboard WRITE
                 set_javascriptCanAccessClipboard NOTIFY changed)
  Q_PROPERTY(bool developerExtrasEnabled READ developerExtrasEnabled WRITE
                 set_developerExtrasEnabled NOTIFY changed)
  Q_PROPERTY(bool linksIncludedInFocusChain READ linksIncludedInFocusChain WRITE
                 set_linksIncludedInFocusChain NOTIFY changed)
  Q_PROPERTY(bool zoomTextOnly READ zoomTextOnly WRITE set_zoomTextOnly NOTIFY changed)
  Q_PROPERTY(bool printElementBackgrounds READ printElementBackgrounds WRITE
                 set_printElementBackgrounds NOTIFY changed)
  Q_PROPERTY(bool offlineStorageDatabaseEnabled READ offlineStorageDatabaseEnabled WRITE
                 set_offlineStorageDatabaseEnabled NOTIFY changed)
  Q_PROPERTY(bool offlineWebApplicationCacheEnabled READ offlineWebApplicationCacheEnabled WRITE
                 set_offlineWebApplicationCacheEnabled NOTIFY changed)
  Q_PROPERTY(bool localStorageDatabaseEnabled READ localStorageDatabaseEnabled WRITE
                 set_localStorageDatabaseEnabled NOTIFY changed)
  Q_PROPERTY(bool localContentCanAccessRemoteUrls READ localContentCanAccessRemoteUrls WRITE
                 set_localContentCanAccessRemoteUrls NOTIFY changed)

 public:
  QString standardFontFamily() const { return e->fontFamily(QWebSettings::StandardFont); }
  void set_standardFontFamily(const QString& f) { setFamily(QWebSettings::StandardFont, f); }
  QString fixedFontFamily() const { return e->fontFamily(QWebSettings::FixedFont); }
  void set_fixedFontFamily(const QString& f) { setFamily(QWebSettings::FixedFont, f); }
  QString serifFontFamily() const { return e->fontFamily(QWebSettings::SerifFont); }
  void set_serifFontFamily(const QString& f) { setFamily(QWebSettings::SerifFont, f); }
  QString sansSerifFontFamily() const { return e->fontFamily(QWebSettings::SansSerifFont); }
  void set_sansSerifFontFamily(const QString& f) { setFamily(QWebSettings::SansSerifFont, f); }
  QString cursiveFontFamily() const { return e->fontFamily(QWebSettings::CursiveFont); }
  void set_cursiveFontFamily(const QString& f) { setFamily(QWebSettings::CursiveFont, f); }
  QString fantasyFontFamily() const { return e->fontFamily(QWebSettings::FantasyFont); }
  void set_fantasyFontFamily(const QString& f) { setFamily(QWebSettings::FantasyFont, f); }
  int minimumFontSize() const { return e->fontSize(QWebSettings::MinimumFontSize); }
  void set_minimumFontSize(int v) { setSize(QWebSettings::MinimumFontSize, v); }
  int minimumLogicalFontSize() const { return e->fontSize(QWebSettings::MinimumLogicalFontSize); }
  void set_minimumLogicalFontSize(int v) { setSize(QWebSettings::MinimumLogicalFontSize, v); }
  int defaultFontSize() const { return e->fontSize(QWebSettings::DefaultFontSize); }
  void set_defaultFontSize(int v) { setSize(QWebSettings::DefaultFontSize, v); }
  int defaultFixedFontSize() const { return e->fontSize(QWebSettings::DefaultFixedFontSize); }
  void set_defaultFixedFontSize(int v) { setSize(QWebSettings::DefaultFixedFontSize, v); }
  bool autoLoadImages() const { return e->testAttribute(QWebSettings::AutoLoadImages); }
  void set_autoLoadImages(bool on) { setFlag(QWebSettings::AutoLoadImages, on); }
  bool javascriptEnabled() const { return e->testAttribute(QWebSettings::JavascriptEnabled); }
  void set_javascriptEnabled(bool on) { setFlag(QWebSettings::JavascriptEnabled, on); }
  bool javaEnabled() const { return e->testAttribute(QWebSettings::JavaEnabled); }
  void set_javaEnabled(bool on) { setFlag(QWebSettings::JavaEnabled, on); }
  bool pluginsEnabled() const { return e->testAttribute(QWebSettings::PluginsEnabled); }
  void set_pluginsEnabled(bool on) { setFlag(QWebSettings::PluginsEnabled, on); }
  bool privateBrowsingEnabled() const {
    return e->testAttribute(QWebSettings::PrivateBrowsingEnabled);
  }
  void set_privateBrowsingEnabled(bool on) { setFlag(QWebSettings::PrivateBrowsingEnabled, on); }
  bool javascriptCanOpenWindows() const {
    return e->testAttribute(QWebSettings::JavascriptCanOpenWindows);
  }
  void set_javascriptCanOpenWindows(bool on) {
    setFlag(QWebSettings::JavascriptCanOpenWindows, on);
  }
  bool javascriptCanAccessClipboard() const {
    return e->testAttribute(QWebSettings::JavascriptCanAccessClipboard);
  }
  void set_javascriptCanAccessClipboard(bool on) {
    setFlag(QWebSettings::JavascriptCanAccessClipboard, on);
  }
  bool developerExtrasEnabled() const {
    return e->testAttribute(QWebSettings::DeveloperExtrasEnabled);
  }
  void set_developerExtrasEnabled(bool on) { setFlag(QWebSettings::DeveloperExtrasEnabled, on); }
  bool linksIncludedInFocusChain() const {
    return e->testAttribute(QWebSettings::LinksIncludedInFocusChain);
  }
  void set_linksIncludedInFocusChain(bool on) {
    setFlag(QWebSettings::LinksIncludedInFocusChain, on);
  }
  bool zoomTextOnly() const { return e->testAttribute(QWebSettings::ZoomTextOnly); }
  void set_zoomTextOnly(bool on) { setFlag(QWebSettings::ZoomTextOnly, on); }
  bool printElementBackgrounds() const {
    return e->testAttribute(QWebSettings::PrintElementBackgrounds);
  }
  void set_printElementBackgrounds(bool on) { setFlag(QWebSettings::PrintElementBackgrounds, on); }
  bool offlineStorageDatabaseEnabled() const {
    return e->testAttribute(QWebSettings::OfflineStorageDatabaseEnabled);
  }
  void set_offlineStorageDatabaseEnabled(bool on) {
    setFlag(QWebSettings::OfflineStorageDatabaseEnabled, on);
  }
  bool offlineWebApplicationCacheEnabled() const {
    return e->testAttribute(QWebSettings::OfflineWebApplicationCacheEnabled);
  }
  void set_offlineWebApplicationCacheEnabled(bool on) {
    setFlag(QWebSettings::OfflineWebApplicationCacheEnabled, on);
  }
  bool localStorageDatabaseEnabled() const {
    return e->testAttribute(QWebSettings::LocalStorageDatabaseEnabled);
  }
  void set_localStorageDatabaseEnabled(bool on) {
    setFlag(QWebSettings::LocalStorageDatabaseEnabled, on);
  }
  bool localContentCanAccessRemoteUrls() const {
    return e->testAttribute(QWebSettings::LocalContentCanAccessRemoteUrls);
  }
  void set_localContentCanAccessRemoteUrls(bool on) {
    setFlag(QWebSettings::LocalContentCanAccessRemoteUrls, on);
  }

  explicit QDeclarativeWebSettings(WebViewEngine* engine, QObject* parent = nullptr)
      : QObject(parent), e(engine) {}

 signals:
  // One of the settings written here changed.
  void changed();

 private:
  // Each writes to the page's settings as asked (an explicit value stays the
  // page's own even when it equals the default) and notifies a change.
  void setFamily(int which, const QString& family);
  void setSize(int which, int size);
  void setFlag(int which, bool on);

  WebViewEngine* e;  // the item's, never null
};

// Element "WebView2": a web page painted into the scene. It owns its
// QWebPage, paints its main frame, passes mouse and key input to it and
// reports wheel turns as `wheel` for the surrounding flickable to scroll.
// Values set before the component is complete are applied once it is.
class QDeclarativeWebView2 : public QQuickPaintedItem, private WebViewHost {
  Q_OBJECT
  Q_PROPERTY(QString title READ title NOTIFY titleChanged)
  Q_PROPERTY(QVariant icon READ icon NOTIFY iconChanged)
  Q_PROPERTY(QString statusText READ statusText NOTIFY statusTextChanged)
  Q_PROPERTY(QString html READ html WRITE setHtml NOTIFY htmlChanged)
  // Where the relative addresses of `html` lead (e.g. a page's own qrc: folder).
  Q_PROPERTY(QUrl baseUrl READ baseUrl WRITE setBaseUrl NOTIFY baseUrlChanged)
  Q_PROPERTY(
      int pressGrabTime READ pressGrabTime WRITE setPressGrabTime NOTIFY pressGrabTimeChanged)
  Q_PROPERTY(
      int preferredWidth READ preferredWidth WRITE setPreferredWidth NOTIFY preferredWidthChanged)
  Q_PROPERTY(int preferredHeight READ preferredHeight WRITE setPreferredHeight NOTIFY
                 preferredHeightChanged)
  Q_PROPERTY(QUrl url READ url WRITE setUrl NOTIFY urlChanged)
  Q_PROPERTY(qreal progress READ progress NOTIFY progressChanged)
  Q_PROPERTY(Status status READ status NOTIFY statusChanged)
  Q_PROPERTY(QAction* reload READ reloadAction CONSTANT)
  Q_PROPERTY(QAction* back READ backAction CONSTANT)
  Q_PROPERTY(QAction* forward READ forwardAction CONSTANT)
  Q_PROPERTY(QAction* stop READ stopAction CONSTANT)
  Q_PROPERTY(QAction* copy READ copyAction CONSTANT)
  Q_PROPERTY(QAction* selectAll READ selectAllAction CONSTANT)
  Q_PROPERTY(QDeclarativeWebSettings* settings READ settingsObject CONSTANT)
  Q_PROPERTY(QQmlListProperty<QObject> javaScriptWindowObjects READ javaScriptWindowObjects NOTIFY
                 javaScriptWindowObjectsChanged)
  Q_PROPERTY(QQmlComponent* newWindowComponent READ newWindowComponent WRITE setNewWindowComponent
                 NOTIFY newWindowComponentChanged)
  Q_PROPERTY(QQuickItem* newWindowParent READ newWindowParent WRITE setNewWindowParent NOTIFY
                 newWindowParentChanged)
  Q_PROPERTY(bool renderingEnabled READ renderingEnabled WRITE setRenderingEnabled NOTIFY
                 renderingEnabledChanged)
  Q_PROPERTY(QSize contentsSize READ contentsSize NOTIFY contentsSizeChanged)
  // How far the page is scrolled down within the view (0 at the top; at
  // most the contents' height less the view's). The page is scrolled here,
  // by the scene, never by the page's own scroll bars.
  Q_PROPERTY(int contentY READ contentY WRITE setContentY NOTIFY contentYChanged)
  // Where the mouse was last pressed or dragged over the view (item
  // coordinates; a drag may leave the view).
  Q_PROPERTY(QPointF mousePosition READ mousePosition NOTIFY mouseMoved)
  Q_PROPERTY(
      qreal contentsScale READ contentsScale WRITE setContentsScale NOTIFY contentsScaleChanged)
  Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor NOTIFY
                 backgroundColorChanged)

 public:
  enum Status { Null = 0, Ready = 1, Loading = 2, Error = 3 };
  Q_ENUM(Status)

  static const int DefaultPressGrabTime = 400;

  explicit QDeclarativeWebView2(QQuickItem* parent = nullptr);
  ~QDeclarativeWebView2() override;

  QString title() const;
  QVariant icon() const;
  QString statusText() const { return m_statusText; }
  QString html() const;
  // The page's text, as a reader takes it.
  QString plainText() const;
  void setHtml(const QString& html, const QUrl& baseUrl = QUrl());
  QUrl baseUrl() const { return m_baseUrl; }
  void setBaseUrl(const QUrl& url);
  int pressGrabTime() const { return m_pressGrabTime; }
  void setPressGrabTime(int ms);
  int preferredWidth() const { return m_preferredWidth; }
  void setPreferredWidth(int width);
  int preferredHeight() const { return m_preferredHeight; }
  void setPreferredHeight(int height);
  QUrl url() const { return m_url; }
  void setUrl(const QUrl& url);
  qreal progress() const { return m_progress; }
  Status status() const { return m_status; }
  QAction* reloadAction() const { return pageAction(QWebPage::Reload); }
  QAction* backAction() const { return pageAction(QWebPage::Back); }
  QAction* forwardAction() const { return pageAction(QWebPage::Forward); }
  QAction* stopAction() const { return pageAction(QWebPage::Stop); }
  QAction* copyAction() const { return pageAction(QWebPage::Copy); }
  QAction* selectAllAction() const { return pageAction(QWebPage::SelectAll); }
  QDeclarativeWebSettings* settingsObject() const;
  QQmlListProperty<QObject> javaScriptWindowObjects();
  QQmlComponent* newWindowComponent() const { return m_newWindowComponent; }
  void setNewWindowComponent(QQmlComponent* component);
  QQuickItem* newWindowParent() const { return m_newWindowParent; }
  void setNewWindowParent(QQuickItem* parent);
  bool renderingEnabled() const { return m_renderingEnabled; }
  void setRenderingEnabled(bool enabled);
  QSize contentsSize() const;
  int contentY() const;
  void setContentY(int y);
  QPointF mousePosition() const { return m_mousePos; }
  qreal contentsScale() const;
  void setContentsScale(qreal scale);
  QColor backgroundColor() const;
  void setBackgroundColor(const QColor& color);

  // The engine's page; null when the engine could not be loaded. The
  // sanitizer's dynamic type check would need the engine's type information
  // in the program, which must not link the engine, so it is left out here:
  // the object is a QWebPage by construction.
  __attribute__((no_sanitize("vptr"))) QWebPage* page() const {
    return static_cast<QWebPage*>(m_engine->page());
  }
  RestrictedNetworkAccess* networkAccess() const { return m_network; }

  static QDeclarativeWebViewAttached* qmlAttachedProperties(QObject* object);

  void paint(QPainter* painter) override;

  // Creates the page of a new window (see newWindowComponent); null when the
  // scene did not set both the component and the parent.
  QWebPage* createWindow(QWebPage::WebWindowType type);

 public slots:
  QVariant evaluateJavaScript(const QString& script);
  bool heuristicZoom(int clickX, int clickY, qreal maxZoom);
  void showMenu();

 signals:
  void preferredWidthChanged();
  void preferredHeightChanged();
  void urlChanged();
  void progressChanged();
  void statusChanged(QDeclarativeWebView2::Status status);
  void titleChanged(const QString& title);
  void iconChanged();
  void statusTextChanged();
  void htmlChanged();
  void pressGrabTimeChanged();
  void newWindowComponentChanged();
  void newWindowParentChanged();
  void renderingEnabledChanged();
  // The page's size and the inner view's scale, under the names scenes and
  // connections use; they shadow the painted item's signals of these names.
  void contentsSizeChanged(const QSize& size);  // clazy:exclude=overloaded-signal
  void contentYChanged();
  void contentsScaleChanged();  // clazy:exclude=overridden-signal
  void backgroundColorChanged();
  void loadStarted();
  void loadFinished();
  void loadFailed();
  void doubleClick(int clickX, int clickY);
  void wheel(int delta);
  void mouseMoved();
  void mousePressed();
  void mouseReleased();
  void zoomTo(qreal zoom, int centerX, int centerY);
  void alert(const QString& message);
  void baseUrlChanged();
  void javaScriptWindowObjectsChanged();

 private slots:
  void doLoadStarted();
  void doLoadProgress(int progress);
  void doLoadFinished(bool ok);
  void setStatusText(const QString& text);
  void windowObjectCleared();
  void pageUrlChanged();
  void initialLayout();
  void onFinished(QNetworkReply* reply);
  void pressGrabTimeout();
  void repaintRequested(const QRect& rect);
  void pageScrolled();

 public slots:
  void refresh();

 protected:
  void componentComplete() override;
  void geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseUngrabEvent() override;
  void hoverMoveEvent(QHoverEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
  void dragEnterEvent(QDragEnterEvent* event) override;

 private:
  enum class Pending { None, Url, Html };

  void updatePreferredContentsSize();
  void showContextMenu(const QPoint& globalPos);
  bool sendToPage(QEvent* event);
  void setStatus(Status status);
  QAction* pageAction(QWebPage::WebAction action) const;
  // The list behind javaScriptWindowObjects, which notifies each change.
  static void appendWindowObject(QQmlListProperty<QObject>* list, QObject* object);
  static int windowObjectCount(QQmlListProperty<QObject>* list);
  static QObject* windowObjectAt(QQmlListProperty<QObject>* list, int index);
  static void clearWindowObjects(QQmlListProperty<QObject>* list);

  QObject* createWindowPage(int type) override;
  void javaScriptAlert(const QString& message) override;
  void linkClicked(const QUrl& url) override;

  // Never null: without the engine library, an engine that shows nothing.
  std::unique_ptr<WebViewEngine> m_engine;
  RestrictedNetworkAccess* m_network = nullptr;
  QDeclarativeWebSettings* m_settings = nullptr;
  QUrl m_url;
  int m_preferredWidth = 0;
  int m_preferredHeight = 0;
  qreal m_progress = 1.0;
  Status m_status = Null;
  QString m_statusText;
  Pending m_pending = Pending::None;
  QUrl m_pendingUrl;
  QString m_pendingHtml;
  QPointer<QQmlComponent> m_newWindowComponent;
  QPointer<QQuickItem> m_newWindowParent;
  // Guarded: a scene may destroy an object it published while the view
  // lives on, and the next page must not be handed it.
  QList<QPointer<QObject>> m_windowObjects;
  bool m_renderingEnabled = true;
  // The error of the last main request (a QNetworkReply error code, 0 none).
  int m_networkError = 0;
  int m_pressGrabTime = DefaultPressGrabTime;
  QTimer m_pressGrabTimer;
  QPointF m_pressPos;
  QPointF m_mousePos;
  QColor m_background = Qt::white;
  QUrl m_baseUrl;
};

QML_DECLARE_TYPEINFO(QDeclarativeWebView2, QML_HAS_ATTACHED_PROPERTIES)
