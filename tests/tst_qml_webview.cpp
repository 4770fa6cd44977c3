// The web view item: rendering, scripts, what the page may load and where
// its links go.
#include <QApplication>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QWebFrame>
#include <memory>
#include <utility>

#include "TestSupport.h"
#include "libqml/items/WebView.h"
#include "libqml/utils/Style.h"

namespace {

class WebScene {
 public:
  explicit WebScene(const QByteArray& properties) {
    const QString path = m_dir.filePath(QStringLiteral("scene.qml"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) {
      f.write(
          "import QtQuick 2.15\nimport Vantre 1.0\n"
          "Item { WebView2 { objectName: \"web\"; anchors.fill: parent\n"
          "  property int loads: 0; property int failures: 0\n"
          "  onLoadFinished: loads++; onLoadFailed: failures++\n");
      f.write(properties);
      f.write("\n} }\n");
      f.close();
    }
    view.reset(new QQuickWidget());
    view->setResizeMode(QQuickWidget::SizeRootObjectToView);
    view->resize(320, 200);
    view->setSource(QUrl::fromLocalFile(path));
    web =
        view->rootObject() ? view->rootObject()->findChild<QDeclarativeWebView2*>("web") : nullptr;
  }
  int loads() const { return web->property("loads").toInt(); }
  int failures() const { return web->property("failures").toInt(); }
  bool show() {
    view->show();
    view->activateWindow();
    return QTest::qWaitForWindowExposed(view.data());
  }

  QScopedPointer<QQuickWidget> view;
  QDeclarativeWebView2* web = nullptr;

 private:
  QTemporaryDir m_dir;
};

QByteArray qmlString(const QString& text) {
  QString s = text;
  s.replace("\\", "\\\\").replace("\"", "\\\"").replace("\n", "\\n");
  return "\"" + s.toUtf8() + "\"";
}

// Records where links were sent instead of opening anything.
struct Openers {
  QList<QUrl> desktop;
  QList<QUrl> product;
  Openers() {
    WebLinkRouter::setDesktopOpener([this](const QUrl& u) {
      desktop << u;
      return true;
    });
    WebLinkRouter::setProductHandler([this](const QUrl& u) {
      product << u;
      return true;
    });
  }
  ~Openers() {
    WebLinkRouter::setDesktopOpener({});
    WebLinkRouter::setProductHandler({});
  }
};

}  // namespace

class TestQmlWebView : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    ZentTest::installStrictMessageHandler();
    new QML::Style(this);
    ZentTest::initScenes();
  }

  void rendersPageAndRunsScripts() {
    WebScene scene("html: " + qmlString("<html><body style='margin:0;background:#00ff00'>"
                                        "<p id='p'>Hello</p></body></html>"));
    QVERIFY(scene.web);
    QVERIFY(scene.show());
    QTRY_VERIFY(scene.loads() > 0);
    QCOMPARE(scene.web->evaluateJavaScript("1+2").toInt(), 3);
    QCOMPARE(scene.web->evaluateJavaScript("document.getElementById('p').textContent").toString(),
             QString("Hello"));
    QCOMPARE(scene.web->status(), QDeclarativeWebView2::Null);  // HTML, no address
    QTRY_COMPARE(QColor(scene.view->grabFramebuffer().pixel(300, 180)), QColor(0, 255, 0));
  }

  void windowObjectsReachScripts() {
    QObject exposed;
    exposed.setObjectName("bridge");
    WebScene scene("html: \"<p>x</p>\"");
    QVERIFY(scene.web);
    auto* attached = qobject_cast<QDeclarativeWebViewAttached*>(
        qmlAttachedPropertiesObject<QDeclarativeWebView2>(&exposed, true));
    QVERIFY(attached);
    attached->setWindowObjectName("bridge");
    QQmlListProperty<QObject> list = scene.web->javaScriptWindowObjects();
    list.append(&list, &exposed);
    scene.web->page()->mainFrame()->setHtml("<p>again</p>");
    QCOMPARE(scene.web->evaluateJavaScript("window.bridge.objectName").toString(),
             QString("bridge"));
  }

  // An object the scene published and then destroyed is passed over when the
  // next page gets its window objects; the one still alive reaches scripts.
  void destroyedWindowObjectIsPassedOver() {
    WebScene scene("html: \"<p>x</p>\"");
    QVERIFY(scene.web);
    QObject kept;
    auto gone = std::make_unique<QObject>();
    QQmlListProperty<QObject> list = scene.web->javaScriptWindowObjects();
    for (auto [object, name] : {std::pair<QObject*, const char*>{gone.get(), "gone"},
                                std::pair<QObject*, const char*>{&kept, "kept"}}) {
      object->setObjectName(name);
      auto* attached = qobject_cast<QDeclarativeWebViewAttached*>(
          qmlAttachedPropertiesObject<QDeclarativeWebView2>(object, true));
      QVERIFY(attached);
      attached->setWindowObjectName(name);
      list.append(&list, object);
    }
    gone.reset();
    QCOMPARE(list.at(&list, 0), nullptr);
    scene.web->page()->mainFrame()->setHtml("<p>again</p>");
    QCOMPARE(scene.web->evaluateJavaScript("window.kept.objectName").toString(), QString("kept"));
    QCOMPARE(scene.web->evaluateJavaScript("typeof window.gone").toString(), QString("undefined"));
  }

  void remoteLoadsAreRefused() {
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const QString base = QString("http://127.0.0.1:%1/").arg(server.serverPort());
    QTemporaryDir dir;
    const QString localFile = dir.filePath("secret.png");
    QImage(4, 4, QImage::Format_RGB32).save(localFile);
    const QString onePixel =
        "data:image/png;base64,"
        "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8BQDwAEhQGAhKmMIQAAAABJRU5E"
        "rkJggg==";
    const QString html =
        "<html><body>"
        "<img id='remote' src='" +
        base +
        "picture.png'>"
        "<iframe src='" +
        base +
        "frame.html'></iframe>"
        "<img id='local' src='" +
        QUrl::fromLocalFile(localFile).toString() +
        "'>"
        "<img id='inline' src='" +
        onePixel +
        "'>"
        "<script src='" +
        base +
        "script.js'></script>"
        "</body></html>";
    WebScene scene("");
    QVERIFY(scene.web);
    const int before = scene.loads() + scene.failures();  // nothing set, nothing loaded
    QCOMPARE(before, 0);
    QSignalSpy blocked(scene.web->networkAccess(), SIGNAL(blocked(QUrl)));
    scene.web->setHtml(html);
    QTRY_VERIFY(scene.loads() + scene.failures() > before);
    QStringList refused;
    for (const QList<QVariant>& args : blocked) refused << args.at(0).toUrl().toString();
    QVERIFY2(refused.contains(base + "picture.png"), qPrintable(refused.join(' ')));
    QVERIFY2(refused.contains(base + "frame.html"), qPrintable(refused.join(' ')));
    QVERIFY2(refused.contains(base + "script.js"), qPrintable(refused.join(' ')));
    QVERIFY2(refused.contains(QUrl::fromLocalFile(localFile).toString()),
             qPrintable(refused.join(' ')));
    QCoreApplication::processEvents();
    QVERIFY(!server.hasPendingConnections());
    QCOMPARE(
        scene.web->evaluateJavaScript("document.getElementById('remote').naturalWidth").toInt(), 0);
    QCOMPARE(scene.web->evaluateJavaScript("document.getElementById('local').naturalWidth").toInt(),
             0);
    QCOMPARE(
        scene.web->evaluateJavaScript("document.getElementById('inline').naturalWidth").toInt(), 1);
  }

  void remoteAddressFailsToLoad() {
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    WebScene scene("");
    QVERIFY(scene.web);
    QSignalSpy failed(scene.web, SIGNAL(loadFailed()));
    scene.web->setUrl(QUrl(QString("http://127.0.0.1:%1/banner").arg(server.serverPort())));
    QVERIFY(failed.wait());
    QCOMPARE(scene.web->status(), QDeclarativeWebView2::Error);
    QVERIFY(!server.hasPendingConnections());
  }

  void sameAddressLoadsOnlyOnce() {
    WebScene scene("");
    QVERIFY(scene.web);
    QSignalSpy started(scene.web, SIGNAL(loadStarted()));
    const QUrl page("data:text/html,<p>banner</p>");
    scene.web->setUrl(page);
    QTRY_VERIFY2(scene.loads() + scene.failures() > 0,
                 qPrintable(QString::number(started.count())));
    QCOMPARE(scene.failures(), 0);
    QCOMPARE(scene.web->status(), QDeclarativeWebView2::Ready);
    const int starts = started.count();
    scene.web->setUrl(page);  // nothing to retry
    QCoreApplication::processEvents();
    QCOMPARE(started.count(), starts);
    scene.web->refresh();  // Refresh loads it again all the same
    QTRY_COMPARE(scene.loads(), 2);
    QVERIFY(started.count() > starts);

    scene.web->setUrl(QUrl());
    QTRY_COMPARE(scene.loads(), 3);
    QCOMPARE(scene.web->url(), QUrl());
    QCOMPARE(scene.web->status(), QDeclarativeWebView2::Null);
  }

  void linkRoutes_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("route");
    QTest::addColumn<QString>("opened");
    const int product = int(WebLinkRouter::Route::Product);
    const int desktop = int(WebLinkRouter::Route::Desktop);
    const int refused = int(WebLinkRouter::Route::Refused);
    QTest::newRow("product") << "zent:call?to=alice" << product << "zent:call?to=alice";
    QTest::newRow("product, other case") << "ZENT:chat" << product << "zent:chat";
    QTest::newRow("http") << "http://example.org/a" << desktop << "http://example.org/a";
    QTest::newRow("https") << "https://example.org/" << desktop << "https://example.org/";
    QTest::newRow("mailto") << "mailto:bob@example.org" << desktop << "mailto:bob@example.org";
    QTest::newRow("no scheme") << "example.org/x" << desktop << "http://example.org/x";
    QTest::newRow("file") << "file:///etc/passwd" << refused << "";
    QTest::newRow("script") << "javascript:alert(1)" << refused << "";
    QTest::newRow("share") << "smb://host/share" << refused << "";
    QTest::newRow("other program") << "callto:+123" << refused << "";
  }
  void linkRoutes() {
    QFETCH(QString, link);
    QFETCH(int, route);
    QFETCH(QString, opened);
    QCOMPARE(int(WebLinkRouter::routeOf(QUrl(link))), route);
    Openers openers;
    QCOMPARE(WebLinkRouter::open(QUrl(link)), !opened.isEmpty());
    const QList<QUrl>& where =
        route == int(WebLinkRouter::Route::Product) ? openers.product : openers.desktop;
    if (opened.isEmpty()) {
      QVERIFY(openers.product.isEmpty() && openers.desktop.isEmpty());
    } else {
      QCOMPARE(where.size(), 1);
      QCOMPARE(where.first().toString().toLower(), opened.toLower());
    }
  }

  void clickedLinksLeaveThePage_data() {
    QTest::addColumn<QString>("href");
    QTest::addColumn<int>("desktop");
    QTest::addColumn<int>("product");
    QTest::newRow("web") << "https://example.org/info" << 1 << 0;
    QTest::newRow("product") << "zent:call?to=bob" << 0 << 1;
    QTest::newRow("local file") << "file:///etc/passwd" << 0 << 0;
  }
  void clickedLinksLeaveThePage() {
    QFETCH(QString, href);
    QFETCH(int, desktop);
    QFETCH(int, product);
    Openers openers;
    WebScene scene("pressGrabTime: 0; html: " +
                   qmlString("<body style='margin:0'><a id='a' href='" + href +
                             "' style='display:block;width:200px;height:50px'>link</a></body>"));
    QVERIFY(scene.web);
    QVERIFY(scene.show());
    QTRY_VERIFY(scene.loads() > 0);
    const QString before = scene.web->page()->mainFrame()->url().toString();
    QTest::mouseClick(scene.view.data(), Qt::LeftButton, {}, QPoint(20, 20));
    QTRY_COMPARE(openers.desktop.size() + openers.product.size(), desktop + product);
    QCOMPARE(openers.desktop.size(), desktop);
    QCOMPARE(openers.product.size(), product);
    QCOMPARE(scene.web->page()->mainFrame()->url().toString(), before);
    QCOMPARE(scene.web->evaluateJavaScript("document.getElementById('a').textContent").toString(),
             QString("link"));
  }

  void wheelIsReportedNotScrolled() {
    QString tall = "<body style='margin:0'>";
    for (int i = 0; i < 100; ++i) tall += "<p>line</p>";
    WebScene scene("html: " + qmlString(tall + "</body>"));
    QVERIFY(scene.web);
    QVERIFY(scene.show());
    QTRY_VERIFY(scene.loads() > 0);
    QSignalSpy wheel(scene.web, SIGNAL(wheel(int)));
    QWheelEvent event(QPointF(50, 50), scene.view->mapToGlobal(QPoint(50, 50)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(scene.view.data(), &event);
    QCOMPARE(wheel.count(), 1);
    QCOMPARE(wheel.at(0).at(0).toInt(), -120);
    QCOMPARE(scene.web->page()->mainFrame()->scrollPosition(), QPoint(0, 0));
  }

  // A page that grows and scrolls itself (a chat's newest message) is shown
  // whole at its new place: not only the grown part, over the picture from
  // before the scroll.
  void pageScrollRepaintsTheWholeView() {
    const QStringList colours = {"#ff0000", "#0000ff", "#00ff00", "#ff00ff", "#ffff00"};
    QString page = "<body style='margin:0'>";
    for (int i = 0; i < 3; ++i)
      page += QString("<div style='height:50px;background:%1'></div>").arg(colours.at(i));
    WebScene scene("html: " + qmlString(page + "</body>"));
    QVERIFY(scene.web);
    QVERIFY(scene.show());
    QTRY_VERIFY(scene.loads() > 0);
    QTRY_COMPARE(QColor(scene.view->grabFramebuffer().pixel(10, 10)), QColor(colours.at(0)));
    // Two blocks more: the view (200 high) shows the first of them, then the
    // page scrolls by 50 to its end.
    scene.web->evaluateJavaScript(
        QString("for (var c of ['%1', '%2']) { var d = document.createElement('div');"
                "d.style.height = '50px'; d.style.background = c; document.body.appendChild(d); }"
                "window.scrollTo(0, document.body.scrollHeight);")
            .arg(colours.at(3), colours.at(4)));
    QTRY_COMPARE(scene.web->contentY(), 50);
    QTRY_COMPARE(QColor(scene.view->grabFramebuffer().pixel(10, 190)), QColor(colours.at(4)));
    QCOMPARE(QColor(scene.view->grabFramebuffer().pixel(10, 10)), QColor(colours.at(1)));
    QCOMPARE(QColor(scene.view->grabFramebuffer().pixel(10, 60)), QColor(colours.at(2)));
    // Scrolled by the scene: the page moves and is painted at its new place.
    scene.web->setContentY(0);
    QTRY_COMPARE(QColor(scene.view->grabFramebuffer().pixel(10, 10)), QColor(colours.at(0)));
    QCOMPARE(scene.web->contentY(), 0);
    scene.web->setContentY(1000);  // bounded by the page's end
    QCOMPARE(scene.web->contentY(), 50);
  }

  void alertsAreSignalsAndQuestionsAreRefused() {
    WebScene scene("html: \"<p>x</p>\"");
    QVERIFY(scene.web);
    QSignalSpy alert(scene.web, SIGNAL(alert(QString)));
    scene.web->evaluateJavaScript("alert('careful')");
    QCOMPARE(alert.count(), 1);
    QCOMPARE(alert.at(0).at(0).toString(), QString("careful"));
    QCOMPARE(scene.web->evaluateJavaScript("confirm('sure?')").toBool(), false);
    QVERIFY(scene.web->evaluateJavaScript("prompt('name?')").isNull() ||
            scene.web->evaluateJavaScript("prompt('name?')").toString().isEmpty());
  }

  void newWindowNeedsComponentAndParent() {
    WebScene scene("html: \"<p>x</p>\"");
    QVERIFY(scene.web);
    QQmlComponent component(scene.view->engine());
    component.setData("import QtQuick 2.15\nItem {}\n", QUrl());
    scene.web->setNewWindowComponent(&component);
    ZentTest::takeMessages();
    QVERIFY(!scene.web->createWindow(QWebPage::WebBrowserWindow));
    QVERIFY(ZentTest::takeMessages().join('\n').contains(
        "WebView::newWindowParent not set - WebView::newWindowComponent ignored"));
    scene.web->setNewWindowParent(scene.view->rootObject());
    // A component without a web view in it gives no window either.
    QVERIFY(!scene.web->createWindow(QWebPage::WebBrowserWindow));
    QVERIFY(!scene.web->createWindow(QWebPage::WebModalDialog));
  }

  // What a scene may bind to says when it changes, and says nothing when a
  // write leaves it as it was.
  void writesNotifyOnlyChanges_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("base address") << "web" << QByteArray("baseUrl")
                                  << QVariant(QUrl("qrc:/windows/CommunicationsWindow/Chat/"));
    QTest::newRow("scripts") << "settings" << QByteArray("javascriptEnabled") << QVariant(false);
    QTest::newRow("font size") << "settings" << QByteArray("defaultFontSize") << QVariant(23);
    QTest::newRow("font family") << "settings" << QByteArray("standardFontFamily")
                                 << QVariant(QString("Zent Test Sans"));
    QTest::newRow("window object name")
        << "attached" << QByteArray("windowObjectName") << QVariant(QString("bridge"));
  }
  void writesNotifyOnlyChanges() {
    QFETCH(QString, target);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    WebScene scene("html: \"<p>x</p>\"");
    QVERIFY(scene.web);
    QObject exposed;
    QObject* object = scene.web;
    if (target == "settings") object = scene.web->property("settings").value<QObject*>();
    if (target == "attached")
      object = qmlAttachedPropertiesObject<QDeclarativeWebView2>(&exposed, true);
    QVERIFY(object);
    const QMetaProperty p =
        object->metaObject()->property(object->metaObject()->indexOfProperty(property.constData()));
    QVERIFY(p.hasNotifySignal());
    QVERIFY(p.read(object) != value);
    QSignalSpy changed(object, QByteArray("2" + p.notifySignal().methodSignature()).constData());
    QVERIFY(p.write(object, value));
    QCOMPARE(p.read(object), value);
    QCOMPARE(changed.count(), 1);
    QVERIFY(p.write(object, value));
    QCOMPARE(changed.count(), 1);
  }

  // A binding to the published objects follows the list as it is filled and
  // emptied.
  void windowObjectListIsFollowed() {
    WebScene scene("html: \"<p>x</p>\"; property int published: javaScriptWindowObjects.length");
    QVERIFY(scene.web);
    QCOMPARE(scene.web->property("published").toInt(), 0);
    QObject first;
    QObject second;
    QQmlListProperty<QObject> list = scene.web->javaScriptWindowObjects();
    list.append(&list, &first);
    list.append(&list, &second);
    QCOMPARE(scene.web->property("published").toInt(), 2);
    QCOMPARE(list.at(&list, 1), &second);
    QCOMPARE(list.at(&list, 2), nullptr);
    QSignalSpy changed(scene.web, SIGNAL(javaScriptWindowObjectsChanged()));
    list.clear(&list);
    QCOMPARE(scene.web->property("published").toInt(), 0);
    list.clear(&list);
    QCOMPARE(changed.count(), 1);
  }
};

ZENT_TEST_MAIN(TestQmlWebView, QApplication)
#include "tst_qml_webview.moc"
