// Window bases: placement, window manager, widget windows, message window,
// QML windows and views, and the QML modules.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QResource>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QVBoxLayout>

#include <RAZ/ApiProvider/ConnectorData.h>
#include <RAZ/Settings.h>

#include "TestSupport.h"
#include "Utils/AppPaths.h"
#include "Utils/HelpInterface.h"
#include "Utils/SettingsKeys.h"
#include "Utils/TextFieldActionsHandler.h"
#include "Utils/WindowManager.h"
#include "Widgets/PopupWindow.h"
#include "dialogs/MessageWindow.h"
#include "libqml/QmlRegistration.h"
#include "libqml/components/ConnectorNotification.h"
#include "libqml/utils/QmlHelper.h"
#include "libqml/utils/Style.h"
#include "libqml/utils/StyleView.h"
#include "libqml/window/FirstFrame.h"
#include "libqml/window/View.h"
#include "libqml/window/Window.h"

namespace {

QString writeQml(const QTemporaryDir& dir, const QString& name, const QByteArray& body) {
  const QString path = dir.filePath(name);
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return QString();
  f.write(body);
  return path;
}

// Collects what the QML engine of a view reports while a scene runs:
// a scene that loads with warnings fails its test.
class QmlWarnings : public QObject {
 public:
  explicit QmlWarnings(QQmlEngine* engine) {
    connect(engine, &QQmlEngine::warnings, this, [this](const QList<QQmlError>& errors) {
      for (const QQmlError& e : errors) m_seen << e.toString();
    });
  }
  QStringList take() {
    QStringList out;
    out.swap(m_seen);
    return out;
  }

 private:
  QStringList m_seen;
};

Dialogs::MessageWindow* findMessageWindow() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* m = qobject_cast<Dialogs::MessageWindow*>(w)) {
      if (m->isVisible()) return m;
    }
  }
  return nullptr;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  PaintCounter(QWidget* widget, int* paints) : m_paints(paints) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++*m_paints;
    return QObject::eventFilter(watched, event);
  }

 private:
  int* m_paints;
};

class MinWindow : public QML::Window {
 public:
  QSize minimumWindowSize() const override { return QSize(220, 140); }
  QSize maximumWindowSize() const override { return QSize(900, 700); }
};

}  // namespace

class TestUiWindows : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_settingsDir;
  QML::Style* m_style = nullptr;
  Utils::WindowManager* m_wm = nullptr;

  void setSetting(RAZ::Settings::SettingsType scope, const QString& key, const QVariant& value) {
    QSettings s(RAZ::Settings::filePath(scope), QSettings::IniFormat);
    if (value.isValid())
      s.setValue(key, value);
    else
      s.remove(key);
    s.sync();
  }

 private slots:
  void initTestCase() {
    ZentTest::initScenes();
    ZentTest::useSettingsFolders(m_settingsDir.path());
    m_style = new QML::Style(this);
    m_wm = new Utils::WindowManager();
  }
  void cleanupTestCase() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete m_wm;
  }
  void cleanup() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible() && (qobject_cast<Utils::HelpInterface*>(w) || qobject_cast<QML::View*>(w)))
        w->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // ---- placement ----
  void placement_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<quint32>("rx");
    QTest::addColumn<quint32>("ry");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("small, low random")
        << QRect(0, 0, 800, 600) << QSize(100, 100) << 0u << 0u << QPoint(200, 150);
    QTest::newRow("small, high random") << QRect(0, 0, 800, 600) << QSize(100, 100) << 500u << 350u
                                        << QPoint(200 + 500 % 501, 150 + 350 % 351);
    QTest::newRow("second screen origin") << QRect(1920, 100, 1280, 1024) << QSize(200, 100) << 0u
                                          << 0u << QPoint(1920 + 320, 100 + 256);
    QTest::newRow("wider than three quarters")
        << QRect(0, 0, 800, 600) << QSize(700, 500) << 12345u << 777u << QPoint(100, 100);
    QTest::newRow("larger than the area")
        << QRect(-1280, 0, 1280, 800) << QSize(2000, 900) << 99u << 99u << QPoint(-1280, 0);
    QTest::newRow("exactly the area")
        << QRect(10, 20, 300, 200) << QSize(300, 200) << 7u << 7u << QPoint(10, 20);
  }
  void placement() {
    QFETCH(QRect, area);
    QFETCH(QSize, size);
    QFETCH(quint32, rx);
    QFETCH(quint32, ry);
    QFETCH(QPoint, expected);
    const QPoint p = Utils::WindowManager::placement(area, size, rx, ry);
    QCOMPARE(p, expected);
  }
  void placementAlwaysInside() {
    const QRect area(300, -200, 1024, 768);
    for (int w : {1, 200, 767, 768, 1024}) {
      for (quint32 r : {0u, 1u, 255u, 4294967295u}) {
        const QPoint p = Utils::WindowManager::placement(area, QSize(w, w / 2), r, r);
        QVERIFY(area.contains(QRect(p, QSize(w, w / 2))));
      }
    }
    QWidget w;
    w.resize(100, 80);
    Utils::WindowManager::placeWindow(&w);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(screen.contains(w.geometry()));
    Utils::WindowManager::placeWindow(nullptr);
    // Every draw, the far edges included, for a window never shown (its own
    // frame not known yet), alone and beside a window shown (whose frame it
    // borrows).
    QWidget other;
    for (bool beside : {false, true}) {
      if (beside) {
        other.resize(50, 50);
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other, ZentTest::kWaitMs));
      }
      for (quint32 r = 0; r < 1024; ++r) {
        QWidget fresh;
        fresh.resize(100, 80);
        Utils::WindowManager::placeWindow(&fresh, nullptr, r, r);
        QVERIFY2(
            screen.contains(fresh.geometry()),
            qPrintable(QStringLiteral("draw %1: %2, %3").arg(r).arg(fresh.x()).arg(fresh.y())));
      }
    }
  }

  // ---- window manager ----
  void windowManagerClosesAndDeletes() {
    QPointer<PopupWindow> a = new PopupWindow(false, nullptr);
    a->show();
    QWidget child(nullptr);
    auto* inner = new QWidget(&child);
    m_wm->registerWindow(inner);  // not a window: ignored
    m_wm->cbSigningOut();
    QVERIFY(a);
    QVERIFY(!a->isVisible());  // closed, and deletes itself on close
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!a);

    QPointer<PopupWindow> b = new PopupWindow(false, nullptr);
    b->setAttribute(Qt::WA_DeleteOnClose, false);
    m_wm->cbSessionClosed();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!b);
  }

  // ---- widget window ----
  void statusTextsRevert() {
    auto* w = new PopupWindow(false, nullptr);
    w->setStatus("green", "Ready", 0);
    QVERIFY(w->statusLabel()->text().contains("Ready"));
    w->setStatus("red", "<b>Bob</b> & co", 1);
    QVERIFY(w->statusLabel()->text().contains("&lt;b&gt;Bob&lt;/b&gt; &amp; co"));
    QVERIFY(w->statusLabel()->text().contains("color=\"red\""));
    QVERIFY(w->isStatusTimerRunning());
    w->setStatus("blue", "Second", 1);  // replaces the first and restarts
    QVERIFY(w->statusLabel()->text().contains("Second"));
    QTRY_VERIFY_WITH_TIMEOUT(w->statusLabel()->text().contains("Ready"), ZentTest::kWaitMs);
    QVERIFY(!w->isStatusTimerRunning());
    w->setStatus("x\" onclick=\"y", "t", 0);
    QVERIFY(!w->statusLabel()->text().contains("\" onclick"));
    delete w;
  }

  void stayOnTopFromSetting() {
    setSetting(RAZ::Settings::User, Utils::SettingsKey::AlwaysOnTop, true);
    auto* a = new PopupWindow(false, nullptr);
    QVERIFY(a->isAlwaysOnTop());
    setSetting(RAZ::Settings::User, Utils::SettingsKey::AlwaysOnTop, "not a bool at all");
    auto* b = new PopupWindow(false, nullptr);
    QVERIFY(!b->isAlwaysOnTop());
    setSetting(RAZ::Settings::User, Utils::SettingsKey::AlwaysOnTop, QVariant());
    auto* c = new PopupWindow(false, nullptr);
    QVERIFY(!c->isAlwaysOnTop());
    auto* d = new PopupWindow(true, nullptr);
    QVERIFY(d->isAlwaysOnTop());
    d->setAlwaysOnTop(false);
    QVERIFY(!d->isAlwaysOnTop());
    QVERIFY(d->windowFlags().testFlag(Qt::Window));
    delete a;
    delete b;
    delete c;
    delete d;
  }

  void resizableAndButtons() {
    auto* w = new PopupWindow(false, nullptr);
    w->setResizable(false);
    QVERIFY(!w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!w->canMaximize());
    w->setResizable(true);
    QVERIFY(w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    w->setCanMinimize(false);
    QVERIFY(!w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(w->windowFlags().testFlag(Qt::CustomizeWindowHint));
    delete w;
  }

  void setContentReplacesAndSpaces() {
    auto* w = new PopupWindow(false, nullptr);
    QPointer<QWidget> first = new QWidget;
    w->setContent(first, 0);
    QCOMPARE(w->contentsLayout()->count(), 1);
    auto* second = new QWidget;
    w->setContent(second, 12);
    QVERIFY(!first);
    QCOMPARE(w->contentsLayout()->count(), 2);
    QVERIFY(w->contentsLayout()->itemAt(1)->spacerItem());
    QCOMPARE(second->parentWidget(), static_cast<QWidget*>(w));
    QCOMPARE(w->objectName(), QString("popupWindow"));
    delete w;
  }

  void closeShortcutClosesWindow() {
    QPointer<PopupWindow> w = new PopupWindow(false, nullptr);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->activateWindow();
    QTest::keySequence(w.data(), QKeySequence(QKeySequence::Close));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w);
  }

  void helpUrl() {
    setSetting(RAZ::Settings::Installation, Utils::SettingsKey::DefaultHelpFile, QVariant());
    QVERIFY(Utils::HelpInterface::helpUrl("main").isEmpty());
    setSetting(RAZ::Settings::Installation, Utils::SettingsKey::DefaultHelpFile,
               "https://help.example/index.html?v=2");
    setSetting(RAZ::Settings::Application, Utils::SettingsKey::LanguageActive, "es");
    const QUrl url = Utils::HelpInterface::helpUrl("main window");
    QCOMPARE(url.host(), QString("help.example"));
    const QUrlQuery q(url);
    QCOMPARE(q.queryItems().size(), 3);
    QCOMPARE(q.queryItems().at(0).first, QString("v"));
    QCOMPARE(q.queryItemValue("context"), QString("main window"));
    QCOMPARE(q.queryItems().at(2), qMakePair(QString("lang"), QString("es")));
    setSetting(RAZ::Settings::Installation, Utils::SettingsKey::DefaultHelpFile, QVariant());
    setSetting(RAZ::Settings::Application, Utils::SettingsKey::LanguageActive, QVariant());
  }

  void helpAddressResolution_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");  // without the added query items
    QTest::addColumn<QString>("keptQuery");
    const QString install = QDir(m_settingsDir.path()).absoluteFilePath("install");
    QTest::newRow("relative page")
        << "help/index.html" << QUrl::fromLocalFile(install + "/help/index.html").toString()
        << QString();
    QTest::newRow("relative with query and fragment")
        << "help/index.html?v=2#top"
        << QUrl::fromLocalFile(install + "/help/index.html").toString() + "#top"
        << "v=2";
    QTest::newRow("dot segments stay inside the path")
        << "./help/../help/index.html"
        << QUrl::fromLocalFile(install + "/help/index.html").toString() << QString();
    QTest::newRow("absolute local path") << "/opt/zent/help.html"
                                         << "file:///opt/zent/help.html" << QString();
    QTest::newRow("web address kept") << "https://help.example/a.html?x=1"
                                      << "https://help.example/a.html"
                                      << "x=1";
    QTest::newRow("file address kept") << "file:///srv/help.html"
                                       << "file:///srv/help.html" << QString();
    QTest::newRow("blank means none") << "   " << QString() << QString();
  }
  void helpAddressResolution() {
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QFETCH(QString, keptQuery);
    const QString install = QDir(m_settingsDir.path()).absoluteFilePath("install");
    QDir().mkpath(install);
    AppPaths::setExecutableDirOverride(install);
    setSetting(RAZ::Settings::Installation, Utils::SettingsKey::DefaultHelpFile, value);
    setSetting(RAZ::Settings::Application, Utils::SettingsKey::LanguageActive, "de");
    const QUrl url = Utils::HelpInterface::helpUrl("loginWindow");
    AppPaths::setExecutableDirOverride(QString());
    setSetting(RAZ::Settings::Installation, Utils::SettingsKey::DefaultHelpFile, QVariant());
    setSetting(RAZ::Settings::Application, Utils::SettingsKey::LanguageActive, QVariant());
    if (expected.isEmpty()) {
      QVERIFY(url.isEmpty());
      return;
    }
    QCOMPARE(url.adjusted(QUrl::RemoveQuery).toString(), expected);
    QUrlQuery query(url);
    QCOMPARE(query.queryItemValue("context"), QString("loginWindow"));
    QCOMPARE(query.queryItemValue("lang"), QString("de"));
    QCOMPARE(query.queryItems().size(), keptQuery.isEmpty() ? 2 : 3);
    if (!keptQuery.isEmpty())
      QCOMPARE(query.queryItems().first().first + "=" + query.queryItems().first().second,
               keptQuery);
  }

  // ---- message window ----
  void answerSignalsInOrder() {
    auto* w = Dialogs::MessageWindow::showQuestion(
        "Title", "Really?", false, QDialogButtonBox::Yes | QDialogButtonBox::No, true);
    QStringList order;
    connect(w, &Dialogs::MessageWindow::messageAccepted, this,
            [&](bool nv) { order << QString("messageAccepted(%1)").arg(nv); });
    connect(w, &Dialogs::MessageWindow::messageRejected, this,
            [&](bool nv) { order << QString("messageRejected(%1)").arg(nv); });
    connect(w, &Dialogs::MessageWindow::accepted, this,
            [&](bool a, bool nv) { order << QString("accepted(%1,%2)").arg(a).arg(nv); });
    connect(w, &Dialogs::MessageWindow::closed, this, [&] { order << "closed"; });
    QVERIFY(w->neverAskAgainBox()->isVisibleTo(w));
    QCOMPARE(w->buttonBox()->button(QDialogButtonBox::No)->objectName(), QString("noButton"));
    QPointer<Dialogs::MessageWindow> guard(w);
    w->neverAskAgainBox()->setChecked(true);
    QTest::mouseClick(w->buttonBox()->button(QDialogButtonBox::Yes), Qt::LeftButton);
    QCOMPARE(order, (QStringList{"messageAccepted(1)", "accepted(1,1)", "closed"}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!guard);
  }

  void rejectAndFrameClose() {
    auto* w = Dialogs::MessageWindow::showQuestion("T", "Q?");
    QSignalSpy rejected(w, SIGNAL(messageRejected(bool)));
    QSignalSpy answered(w, SIGNAL(accepted(bool, bool)));
    QSignalSpy closed(w, SIGNAL(closed()));
    QTest::mouseClick(w->buttonBox()->button(QDialogButtonBox::No), Qt::LeftButton);
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(rejected.at(0).at(0).toBool(), false);
    QCOMPARE(answered.at(0).at(0).toBool(), false);
    QCOMPARE(closed.count(), 1);

    auto* v = Dialogs::MessageWindow::showInformation("T", "Info");
    QVERIFY(!v->neverAskAgainBox()->isVisibleTo(v));
    QSignalSpy vAccepted(v, SIGNAL(messageAccepted(bool)));
    QSignalSpy vAnswered(v, SIGNAL(accepted(bool, bool)));
    QSignalSpy vClosed(v, SIGNAL(closed()));
    v->close();  // the frame's close button
    QCOMPARE(vClosed.count(), 1);
    QCOMPARE(vAccepted.count(), 0);
    QCOMPARE(vAnswered.count(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void dismissEmitsOnlyAccepted() {
    auto* w = Dialogs::MessageWindow::showQuestion("T", "Q?");
    QStringList order;
    connect(w, &Dialogs::MessageWindow::messageAccepted, this,
            [&](bool nv) { order << QString("messageAccepted(%1)").arg(nv); });
    connect(w, &Dialogs::MessageWindow::accepted, this, [&](bool, bool) { order << "accepted"; });
    connect(w, &Dialogs::MessageWindow::closed, this, [&] { order << "closed"; });
    w->setUserData(42);
    QCOMPARE(w->userData().toInt(), 42);
    w->dismiss();
    w->close();  // a second close reports nothing new
    QCOMPARE(order, (QStringList{"messageAccepted(0)", "closed"}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void blockingQuestion_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("yes") << int(QDialogButtonBox::Yes) << int(QDialog::Accepted);
    QTest::newRow("no") << int(QDialogButtonBox::No) << int(QDialog::Rejected);
  }
  void blockingQuestion() {
    QFETCH(int, button);
    QFETCH(int, result);
    bool answered = false;
    QTimer::singleShot(0, this, [button, &answered] {
      Dialogs::MessageWindow* w = findMessageWindow();
      if (!w) return;
      answered = true;
      QTest::mouseClick(w->buttonBox()->button(QDialogButtonBox::StandardButton(button)),
                        Qt::LeftButton);
    });
    int clicked = -1;
    const int r = Dialogs::MessageWindow::question("T", "Q?", false, false,
                                                   QDialogButtonBox::Yes | QDialogButtonBox::No,
                                                   &clicked, QDialogButtonBox::No);
    QVERIFY(answered);
    QCOMPARE(r, result);
    QCOMPARE(clicked, button);
  }

  void blockingWindowClosedWhileRunning() {
    bool closed = false;
    QTimer::singleShot(0, this, [&closed] {
      Dialogs::MessageWindow* w = findMessageWindow();
      if (!w) return;
      closed = true;
      w->close();
    });
    int clicked = -1;
    const int r = Dialogs::MessageWindow::warning("T", "W", false, QDialogButtonBox::Ok, &clicked);
    QVERIFY(closed);
    QCOMPARE(r, int(QDialog::Rejected));
    QCOMPARE(clicked, 0);
  }

  void italianButtonTexts() {
    setSetting(RAZ::Settings::Application, Utils::SettingsKey::LanguageActive, "en");
    auto* en = Dialogs::MessageWindow::showQuestion("T", "Q?");
    const QString qtText = en->buttonBox()->button(QDialogButtonBox::Yes)->text();
    setSetting(RAZ::Settings::Application, Utils::SettingsKey::LanguageActive, "it");
    auto* it = Dialogs::MessageWindow::showQuestion(
        "T", "Q?", false, QDialogButtonBox::Yes | QDialogButtonBox::Cancel);
    QCOMPARE(it->buttonBox()->button(QDialogButtonBox::Yes)->text(), QString("Yes"));
    QCOMPARE(it->buttonBox()->button(QDialogButtonBox::Cancel)->objectName(),
             QString("cancelButton"));
    QVERIFY(qtText != QString("Yes") || qtText == QString("Yes"));  // Qt's own text for "en"
    QCOMPARE(en->buttonBox()->button(QDialogButtonBox::Yes)->text(), qtText);
    QVERIFY(!en->focusButton(QDialogButtonBox::Cancel));
    QVERIFY(en->focusButton(QDialogButtonBox::No));
    QVERIFY(en->messageLabel()->textFormat() == Qt::PlainText);
    setSetting(RAZ::Settings::Application, Utils::SettingsKey::LanguageActive, QVariant());
  }

  void iconForEveryKind_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("information") << int(QMessageBox::Information);
    QTest::newRow("warning") << int(QMessageBox::Warning);
    QTest::newRow("critical") << int(QMessageBox::Critical);
    QTest::newRow("question") << int(QMessageBox::Question);
  }
  void iconForEveryKind() {
    QFETCH(int, kind);
    const QString text =
        "A message long enough to need a second line when the text is squeezed "
        "into a narrow column beside an empty picture.";
    Dialogs::MessageWindow* w = nullptr;
    switch (kind) {
      case QMessageBox::Information:
        w = Dialogs::MessageWindow::showInformation("T", text);
        break;
      case QMessageBox::Warning:
        w = Dialogs::MessageWindow::showWarning("T", text);
        break;
      case QMessageBox::Critical:
        w = Dialogs::MessageWindow::showCritical("T", text);
        break;
      default:
        w = Dialogs::MessageWindow::showQuestion("T", text);
    }
    QCOMPARE(int(w->iconKind()), kind);
    QVERIFY(w->iconLabel()->isVisible());
    QVERIFY(!w->iconLabel()->pixmap(Qt::ReturnByValue).isNull());
    // The text takes what the picture leaves: more than half the dialog.
    QVERIFY2(
        w->messageLabel()->width() > w->dialog()->width() / 2,
        qPrintable(QString("%1 of %2").arg(w->messageLabel()->width()).arg(w->dialog()->width())));
    QVERIFY(w->messageLabel()->width() + w->iconLabel()->width() <= w->dialog()->width());
    w->close();
  }

  void windowWithoutKindGivesTextTheWidth() {
    auto* w = new Dialogs::MessageWindow(nullptr, "T", "Plain", false, QDialogButtonBox::Ok, false,
                                         false, false);
    w->show();
    QCOMPARE(int(w->iconKind()), int(QMessageBox::NoIcon));
    QVERIFY(!w->iconLabel()->isVisible());
    QVERIFY(Dialogs::MessageWindow::iconPixmap(QMessageBox::NoIcon, 2).isNull());
    w->close();
  }

  void iconSharpAtScaleTwo_data() {
    QTest::addColumn<bool>("theme");
    QTest::newRow("theme picture") << true;
    QTest::newRow("style picture without a theme") << false;
  }
  void iconSharpAtScaleTwo() {
    QFETCH(bool, theme);
    const QString rcc = qEnvironmentVariable("ZENT_DIST_DIR") + "/themes/default/resources.rcc";
    if (theme) QVERIFY(QResource::registerResource(rcc));
    const QPixmap one = Dialogs::MessageWindow::iconPixmap(QMessageBox::Critical, 1);
    const QPixmap two = Dialogs::MessageWindow::iconPixmap(QMessageBox::Critical, 2);
    const QImage image = two.toImage();
    if (theme) QVERIFY(QResource::unregisterResource(rcc));
    // Always 32 by 32 on the screen, whatever the ratio.
    QCOMPARE(one.size() / one.devicePixelRatio(), QSize(32, 32));
    QCOMPARE(two.size() / two.devicePixelRatio(), QSize(32, 32));
    QVERIFY(qAlpha(image.pixel(image.width() / 2, image.height() / 2)) > 0);
    if (theme) {
      // Drawn for the dense screen, not enlarged from the small picture.
      QCOMPARE(two.size(), QSize(64, 64));
      QCOMPARE(two.devicePixelRatio(), 2.0);
      QCOMPARE(QColor(image.pixel(32, 8)).name(), QString("#c62828"));
    }
  }

  void placedOverItsWindow_data() {
    QTest::addColumn<bool>("asParent");
    QTest::newRow("over its parent") << true;
    QTest::newRow("over the active window") << false;
  }
  void placedOverItsWindow() {
    QFETCH(bool, asParent);
    QWidget owner;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    owner.setGeometry(QRect(area.x() + area.width() / 3, area.y() + area.height() / 4,
                            area.width() / 2, area.height() / 2));
    owner.show();
    owner.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&owner));
    auto* w = Dialogs::MessageWindow::showWarning(
        "T", "Over the owner", false, QDialogButtonBox::Ok, asParent ? &owner : nullptr);
    // The frame's own margins are known only once it shows.
    const QPoint d = w->frameGeometry().center() - owner.frameGeometry().center();
    QVERIFY2(d.manhattanLength() <= 8, qPrintable(QString("%1,%2").arg(d.x()).arg(d.y())));
    QVERIFY(area.contains(w->frameGeometry()));
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(w));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    // The keyboard goes back to the window the message spoke for.
    QTRY_COMPARE(QApplication::activeWindow(), &owner);
  }

  void placedOnScreenWithoutOwner() {
    auto* w = Dialogs::MessageWindow::showInformation("T", "Alone");
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(area.contains(w->frameGeometry()));
    const QPoint d = w->frameGeometry().center() - area.center();
    QVERIFY2(d.manhattanLength() <= 8, qPrintable(QString("%1,%2").arg(d.x()).arg(d.y())));
    w->close();
  }

  void placedInsideTheScreenOverAnOffScreenOwner() {
    QWidget owner;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    owner.setGeometry(QRect(area.right() - 50, area.bottom() - 50, 400, 300));
    owner.show();
    auto* w = Dialogs::MessageWindow::showInformation("T", "Edge", false, QDialogButtonBox::Ok,
                                                      false, &owner);
    QVERIFY(area.contains(w->frameGeometry()));
    w->close();
  }

  void keysAnswerWithoutWindowManager_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("return") << int(Qt::Key_Return) << true;
    QTest::newRow("escape") << int(Qt::Key_Escape) << false;
  }
  void keysAnswerWithoutWindowManager() {
    QFETCH(int, key);
    QFETCH(bool, accepted);
    auto* w = Dialogs::MessageWindow::showWarning("T", "Keys", false,
                                                  QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QSignalSpy answered(w, SIGNAL(accepted(bool, bool)));
    // Nobody but the window itself asks for the activation.
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(w));
    QCOMPARE(QApplication::focusWidget(),
             static_cast<QWidget*>(w->buttonBox()->button(QDialogButtonBox::Ok)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(answered.count(), 1);
    QCOMPARE(answered.at(0).at(0).toBool(), accepted);
  }

  void followsTheStyleObject() {
    auto* w = Dialogs::MessageWindow::showQuestion("T", "Styled");
    QVERIFY(w->styleSheet().contains(m_style->colors().value("darkBackground").toString(),
                                     Qt::CaseInsensitive));
    QVERIFY(!w->styleSheet().contains("%%"));
    for (QAbstractButton* b : w->buttonBox()->buttons()) QVERIFY(b->icon().isNull());
    const QVariant old = m_style->colors().value("darkBackground");
    m_style->setColor("darkBackground", "#123456");
    QVERIFY(w->styleSheet().contains("#123456", Qt::CaseInsensitive));
    m_style->setColor("darkBackground", old);
    w->close();
  }

  void textFieldActions_data() {
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("password");
    QTest::addColumn<QStringList>("entries");  // "-" a separator, "!" a disabled entry
    QTest::newRow("nothing") << QString() << QString() << false << QStringList{"-", "Select All"};
    QTest::newRow("selection") << "abc" << QString() << false
                               << QStringList{"Cut", "Copy", "-", "Select All"};
    QTest::newRow("clipboard") << QString() << "xyz" << false
                               << QStringList{"Paste", "-", "Select All"};
    QTest::newRow("both") << "abc"
                          << "xyz" << false
                          << QStringList{"Cut", "Copy", "Paste", "-", "Select All"};
    QTest::newRow("password") << "abc"
                              << "xyz" << true
                              << QStringList{"!Cut", "!Copy", "Paste", "-", "Select All"};
  }
  void textFieldActions() {
    QFETCH(QString, selection);
    QFETCH(QString, clipboard);
    QFETCH(bool, password);
    QFETCH(QStringList, entries);
    QApplication::clipboard()->setText(clipboard);
    Utils::TextFieldActionsHandler handler;
    QSignalSpy changed(&handler, SIGNAL(selectedTextChanged()));
    handler.setSelectedText(selection);
    handler.setSelectedText(selection);
    QCOMPARE(changed.count(), selection.isEmpty() ? 0 : 1);
    QObject owner;
    const QList<QAction*> actions = handler.createActions(&owner, password);
    QStringList seen;
    for (QAction* a : actions) {
      QCOMPARE(a->parent(), &owner);
      seen << (a->isSeparator() ? QString("-") : (a->isEnabled() ? "" : "!") + a->text());
    }
    QCOMPARE(seen, entries);
    // Each entry asks the scene for its own edit.
    const QMap<QString, const char*> signalOf{{"Cut", SIGNAL(cut())},
                                              {"Copy", SIGNAL(copy())},
                                              {"Paste", SIGNAL(paste())},
                                              {"Select All", SIGNAL(selectAll())}};
    for (QAction* a : actions) {
      if (a->isSeparator() || !a->isEnabled()) continue;  // a menu runs no disabled entry
      QSignalSpy spy(&handler, signalOf.value(a->text()));
      a->trigger();
      QCOMPARE(spy.count(), 1);
    }
    QApplication::clipboard()->clear();
  }

  // ---- QML window and view ----
  void viewPublishesContext() {
    QML::View view;
    QQmlContext* ctx = view.rootContext();
    QCOMPARE(ctx->contextProperty("rootView").value<QObject*>(), static_cast<QObject*>(&view));
    QCOMPARE(ctx->contextProperty("zentStyle").value<QObject*>(), static_cast<QObject*>(m_style));
    QCOMPARE(ctx->contextProperty("qmlHelper").value<QObject*>(),
             static_cast<QObject*>(view.qmlHelper()));
    QCOMPARE(view.idleTimeout(), 5000);
  }

  void setSourceSizes() {
    QTemporaryDir dir;
    auto* w = new MinWindow;
    QVERIFY(w->setSource(writeQml(dir, "zero.qml", "import QtQuick 2.15\nItem {}\n")));
    QCOMPARE(w->size(), QSize(220, 140));
    QCOMPARE(w->minimumSize(), QSize(220, 140));
    QVERIFY(w->setSource(
        writeQml(dir, "tall.qml", "import QtQuick 2.15\nItem { width: 0; height: 300 }\n")));
    QCOMPARE(w->height(), 300);
    QVERIFY(!w->setSource(writeQml(dir, "broken.qml", "import QtQuick 2.15\nItem { width: \n")));
    QVERIFY(!w->setSource(writeQml(dir, "unknown.qml", "import QtQuick 2.15\nNoSuchThing {}\n")));
    QmlWarnings warnings(w->view()->engine());
    QVERIFY(w->setSource(writeQml(
        dir, "warn.qml", "import QtQuick 2.15\nItem { width: 10; height: noSuchName }\n")));
    QVERIFY(!warnings.take().isEmpty());
    delete w;
  }

  // ---- first frame ----
  // The first frame is told once, after the scene has been rendered, and
  // only while the one told still exists.
  void firstFrameToldOnceAfterRendering() {
    QTemporaryDir dir;
    auto* w = new MinWindow;
    QVERIFY(w->setSource(
        writeQml(dir, "frame.qml", "import QtQuick 2.15\nRectangle { width: 60; height: 40 }\n")));
    int renderings = 0;
    connect(
        w->view()->quickWindow(), &QQuickWindow::afterRendering, this,
        [&renderings] { ++renderings; }, Qt::DirectConnection);
    int told = 0;
    int renderingsWhenTold = -1;
    QML::FirstFrame::watch(w->view(), this, [&] {
      ++told;
      renderingsWhenTold = renderings;
    });
    // Nothing is on screen while the window is hidden.
    QCoreApplication::processEvents();
    QCOMPARE(told, 0);
    w->show();
    QTRY_COMPARE(told, 1);
    QVERIFY(renderingsWhenTold > 0);
    // Later frames are not first frames.
    int paints = 0;
    PaintCounter counter(w->view(), &paints);
    w->view()->rootObject()->setProperty("color", QColor(Qt::red));
    w->view()->update();
    QTRY_VERIFY(paints > 0);
    QCOMPARE(told, 1);
    delete w;
  }

  void firstFrameNotToldToTheGone() {
    QTemporaryDir dir;
    const QString scene =
        writeQml(dir, "gone.qml", "import QtQuick 2.15\nRectangle { width: 50; height: 30 }\n");
    // The one to tell goes before the frame: nothing is called.
    auto* w = new MinWindow;
    QVERIFY(w->setSource(scene));
    int told = 0;
    auto* context = new QObject;
    QML::FirstFrame::watch(w->view(), context, [&told] { ++told; });
    delete context;
    // A second watcher, still wanted, says when the frame is on screen.
    bool witnessed = false;
    QML::FirstFrame::watch(w->view(), this, [&witnessed] { witnessed = true; });
    w->show();
    QTRY_VERIFY(witnessed);
    QCOMPARE(told, 0);
    // The view goes before its frame: the watcher goes with it.
    auto* hidden = new MinWindow;
    QVERIFY(hidden->setSource(scene));
    QML::FirstFrame::watch(hidden->view(), this, [&told] { ++told; });
    QPointer<QObject> watcher = hidden->view()->findChild<QML::FirstFrame*>();
    QVERIFY(watcher);
    delete hidden;
    QVERIFY(!watcher);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(told, 0);
    delete w;
  }

  void nonResizableFixedExceptOnLoad() {
    QTemporaryDir dir;
    auto* w = new MinWindow;
    w->resize(400, 300);
    w->setResizable(false);
    QCOMPARE(w->minimumSize(), QSize(400, 300));
    QCOMPARE(w->maximumSize(), QSize(400, 300));
    QVERIFY(w->setSource(
        writeQml(dir, "a.qml", "import QtQuick 2.15\nItem { width: 500; height: 350 }\n")));
    QCOMPARE(w->minimumSize(), QSize(220, 140));
    QCOMPARE(w->maximumSize(), QSize(900, 700));
    QCOMPARE(w->size(), QSize(500, 350));
    delete w;
  }

  void aspectRatio() {
    auto* w = new QML::Window(false, nullptr);
    w->resize(200, 100);
    QSignalSpy spy(w, SIGNAL(aspectRatioChanged()));
    w->setAspectRatio(1.5);
    QCOMPARE(w->size(), QSize(150, 100));
    QCOMPARE(spy.count(), 1);
    w->setAspectRatio(0.0);
    QCOMPARE(w->size(), QSize(150, 100));
    w->setAspectRatio(-2.0);
    QCOMPARE(w->size(), QSize(150, 100));
    QCOMPARE(spy.count(), 3);
    delete w;
  }

  void windowServices() {
    auto* w = new QML::Window(false, nullptr);
    QCOMPARE(w->boundSizeToLimit(QSize(400, 200), QSize(100, 100)), QSize(100, 50));
    QVERIFY(w->calcTextWidth("Hello", "DejaVu Sans", 12) >
            w->calcTextWidth("H", "DejaVu Sans", 12));
    QPointer<QMenu> empty = new QMenu;
    w->openMenu(empty);
    QVERIFY(!empty);
    w->openMenu(nullptr);
    QTest::ignoreMessage(QtWarningMsg, "WControllerView::setItemCursor invalid QGraphicsObject");
    w->setItemCursor(nullptr, Qt::PointingHandCursor);
    w->move(100, 100);
    w->moveBy(10, -5);
    QCOMPARE(w->pos(), QPoint(110, 95));
    QCOMPARE(w->languageChangeProperty(), QString());
    QSignalSpy lang(w, SIGNAL(languageChanged()));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(w, &change);
    QCOMPARE(lang.count(), 1);
    delete w;
  }

  void windowStayOnTopDeferred() {
    auto* w = new QML::Window(true, nullptr);
    QVERIFY(!w->isAlwaysOnTop());
    QTRY_VERIFY(w->isAlwaysOnTop());
    w->setAlwaysOnTop(false);
    QVERIFY(!w->isAlwaysOnTop());
    delete w;
  }

  void idleDetection() {
    QML::View view;
    view.resize(100, 100);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy idle(&view, SIGNAL(idleChanged()));
    view.setIdleTimeout(30);
    QTRY_VERIFY(view.isIdle());
    QCOMPARE(idle.count(), 1);
    QTest::mouseMove(&view, QPoint(20, 30));
    QMouseEvent move(QEvent::MouseMove, QPointF(20, 30), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &move);
    QVERIFY(!view.isIdle());
    QCOMPARE(view.windowPosX(), 20);
    QCOMPARE(view.windowPosY(), 30);
    QTRY_VERIFY(view.isIdleOnMove());
    QTRY_VERIFY(view.isIdle());
    view.setIdleTimeout(0);
    QVERIFY(!view.isIdle());
    QTest::qWait(0);
    QVERIFY(!view.isIdle());
  }

  void escapeAndStyleEditorChord() {
    QTemporaryDir dir;
    auto* w = new QML::Window(false, nullptr);
    QVERIFY(
        w->setSource(writeQml(dir, "keys.qml",
                              "import QtQuick 2.15\nItem { width: 100; height: 100; focus: true\n"
                              "  property int escapes: 0\n"
                              "  Keys.onEscapePressed: escapes++ }\n")));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QML::View* view = w->view();
    QSignalSpy esc(view, SIGNAL(keyEscapePressed()));
    QTest::keyClick(view, Qt::Key_Escape);
    QCOMPARE(esc.count(), 1);
    QCOMPARE(view->rootObject()->property("escapes").toInt(), 1);

    const Qt::KeyboardModifiers cs = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::keyPress(view, Qt::Key_C);
    QTest::keyPress(view, Qt::Key_S);
    QTest::keyRelease(view, Qt::Key_S);
    QTest::keyPress(view, Qt::Key_S, cs);
    QVERIFY(!QML::StyleView::instance());
    QTest::keyPress(view, Qt::Key_C, cs);
    QTest::keyPress(view, Qt::Key_S, cs);
    QVERIFY(QML::StyleView::instance());
    QML::StyleView* editor = QML::StyleView::instance();
    QVERIFY(editor->view()->rootObject());
    QVERIFY(editor->view()->errors().isEmpty());
    QVERIFY(editor->minimumSize().width() >= 300);
    QTest::keyClick(editor->view(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!QML::StyleView::instance());
    delete w;
  }

  void styleEditorModes() {
    auto* editor = new QML::StyleView(nullptr);
    QmlWarnings warnings(editor->view()->engine());
    QVERIFY(editor->setSource("qrc:/windows/StyleView.qml"));
    editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor));
    m_style->invertAll();
    QCoreApplication::processEvents();
    QCOMPARE(warnings.take(), QStringList());
    editor->exportCsv(true);
    QCOMPARE(editor->mode(), QML::StyleView::ExportAll);
    QVERIFY(editor->fileDialog());
    QTemporaryDir dir;
    QSignalSpy exported(editor, SIGNAL(exportCsv(QString, bool)));
    editor->fileSelected(dir.filePath("style.csv"));
    QCOMPARE(exported.count(), 1);
    QCOMPARE(exported.at(0).at(1).toBool(), true);
    QVERIFY(QFile::exists(dir.filePath("style.csv")));
    editor->importCsv();
    QSignalSpy imported(editor, SIGNAL(importCsv(QString)));
    editor->fileSelected(QString());
    QCOMPARE(imported.count(), 0);
    m_style->setFontFamily("DejaVu Sans");
    QCOMPARE(editor->view()->rootObject()->property("fontSelectorVisible").toBool(), true);
    m_style->setDefaults();
    QCoreApplication::processEvents();
    QCOMPARE(warnings.take(), QStringList());
    delete editor;
  }

  void windowMenuWithoutFramePress() {
    QTemporaryDir dir;
    auto* w = new MinWindow;
    QPointer<QMenu> menu;
    connect(w, &QML::Window::windowFrameIconClicked, this, [&] {
      menu = new QMenu;
      menu->addAction("Close");
      w->openMenu(menu);
    });
    QVERIFY(w->setSource(
        writeQml(dir, "m.qml", "import QtQuick 2.15\nItem { width: 300; height: 200 }\n")));
    w->move(200, 150);
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    // The keyboard: the menu drops from the window's corner.
    QTest::keyClick(w->view(), Qt::Key_Space, Qt::AltModifier);
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), w->mapToGlobal(QPoint(0, 0)));
    menu->close();
    QTRY_VERIFY(!menu);  // freed after it closed
    // The scene's own frame icon.
    QVERIFY(QMetaObject::invokeMethod(w, "openWindowMenu"));
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), QCursor::pos());
    menu->close();
    QTRY_VERIFY(!menu);
    // Alt alone, or Space alone, opens nothing.
    QSignalSpy spy(w, SIGNAL(windowFrameIconClicked()));
    QTest::keyClick(w->view(), Qt::Key_Space);
    QTest::keyClick(w->view(), Qt::Key_Alt, Qt::AltModifier);
    QCOMPARE(spy.count(), 0);
    w->close();
  }

  // ---- QML modules ----
  void everyElementCreatable_data() {
    QTest::addColumn<QString>("element");
    for (const char* n : {"SecurityClassificationMenu", "Menu", "Pixmap", "DropArea", "DragArea",
                          "ComboBox", "LoginComboBox", "FilterComboBox", "NumberSelectorComboBox",
                          "CommWinNumberSelectorComboBox", "WebView2", "CenteredFlow",
                          "QmlClipboardAdapter", "ViewShare", "ViewShareUss"})
      QTest::newRow(n) << QString("V.") + n;
    QTest::newRow("ToolTip") << QString("K.ToolTip");
  }
  void everyElementCreatable() {
    QFETCH(QString, element);
    QQmlEngine engine;
    QQmlComponent c(&engine);
    c.setData(("import QtQuick 2.15\nimport Vantre 1.0 as V\nimport Kelvantic 1.0 as K\nItem { " +
               element + " {} }\n")
                  .toUtf8(),
              QUrl("file:///snippet.qml"));
    QScopedPointer<QObject> o(c.create());
    QVERIFY2(o, qPrintable(c.errorString()));
  }

  void uncreatableReasons_data() {
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("reason");
    for (const char* n : {"CommunicationsWindow",
                          "CommunicationNotification",
                          "ContactCard",
                          "Call",
                          "MessageModel",
                          "View",
                          "ConfigXML",
                          "QAbstractItemModel",
                          "QMenu",
                          "Message",
                          "QmlHelper",
                          "Action",
                          "Presence",
                          "GroupsModel",
                          "WebcollabBase",
                          "SecurityClassificationController",
                          "CommunicationSession",
                          "LoginWindow",
                          "ChatRoomsModel",
                          "ChatParticipant",
                          "LeftPaneButtonsModel",
                          "TimelineEntry",
                          "FieldData",
                          "ConnectorData"})
      QTest::newRow(n) << QString(n) << QString(n) + " cannot be created from QML";
    QTest::newRow("MimeData") << "MimeData"
                              << "MimeData cannot be created from QML.";
    QTest::newRow("DragDropEvent") << "DragDropEvent"
                                   << "DragDropEvent cannot be created from QML.";
  }
  void uncreatableReasons() {
    QFETCH(QString, element);
    QFETCH(QString, reason);
    QQmlEngine engine;
    QQmlComponent c(&engine);
    c.setData(("import QtQuick 2.15\nimport Vantre 1.0\nItem { " + element + " {} }\n").toUtf8(),
              QUrl("file:///snippet.qml"));
    QVERIFY(c.isError());
    QVERIFY2(c.errorString().contains(reason), qPrintable(c.errorString()));
  }

  // The "New Add-ins" window is made at start but its scene only for the
  // first add-in to decide on: the sign-in window does not wait for it.
  void addinsWindowMakesItsSceneForTheFirstAddin() {
    RAZ::ApiProvider::ConnectorModel model;
    QPointer<QML::ConnectorNotification> window = new QML::ConnectorNotification(&model, nullptr);
    QVERIFY(!window->isVisible());
    QVERIFY(!window->view()->rootObject());

    auto* first = new RAZ::ApiProvider::ConnectorData("Notes", "Vendor", "Takes notes", "1.0");
    model.append(first);
    QVERIFY(window->view()->rootObject());
    QVERIFY(window->isVisible());
    QCOMPARE(window->view()->rootObject()->findChildren<QQuickItem*>().isEmpty(), false);

    // Decided: the window goes, and comes back with its scene for the next.
    first->setState(RAZ::ApiProvider::ConnectorData::Accepted);
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), ZentTest::kWaitMs);
    QQuickItem* scene = window->view()->rootObject();
    model.append(new RAZ::ApiProvider::ConnectorData("Dial", "Vendor", "Dials", "2.0"));
    QVERIFY(window->isVisible());
    QCOMPARE(window->view()->rootObject(), scene);
    delete window.data();
  }

  // Message, GroupsModel and ChatRoomsModel are types of their own: a scene
  // holds them in typed properties and reads Message's enum; "Kelvantic"
  // offers the tool tip alone; the controls answer to their shared names.
  void declaredTypesAreUsable() {
    QML::registerTypes();
    QQmlEngine engine;
    QQmlComponent typed(&engine);
    typed.setData(
        "import QtQuick 2.15\nimport Vantre 1.0\nQtObject {\n"
        "  property GroupsModel groups: null\n  property ChatRoomsModel rooms: null\n"
        "  property Message message: null\n  property int received: Message.Received\n}\n",
        QUrl("file:///typed.qml"));
    QScopedPointer<QObject> o(typed.create());
    QVERIFY2(o, qPrintable(typed.errorString()));
    QCOMPARE(o->property("received").toInt(), 1);
    QQmlComponent kelvantic(&engine);
    kelvantic.setData(
        "import QtQuick 2.15\nimport Kelvantic 1.0 as K\nQtObject { property "
        "K.CallSettingsTabDetail detail: null }\n",
        QUrl("file:///k.qml"));
    QVERIFY(kelvantic.isError());
    QQmlComponent controls(&engine);
    controls.setData(
        "import QtQuick 2.15\nimport \"qrc:/controls\"\nItem {\n"
        "  TextButton { text: \"Go\" }\n  Checkbox { objectName: \"box\"; label: \"Ok\"; checked: "
        "true }\n"
        "  Flickable { id: f; contentHeight: 1000; height: 100 }\n"
        "  ScrollBar { objectName: \"bar\"; flickable: f; height: 100 }\n}\n",
        QUrl("file:///controls.qml"));
    QScopedPointer<QObject> c(controls.create());
    QVERIFY2(c, qPrintable(controls.errorString()));
    QObject* box = c->findChild<QObject*>("box");
    QVERIFY(box);
    QCOMPARE(box->property("text").toString(), QString("Ok"));
    QObject* bar = c->findChild<QObject*>("bar");
    QVERIFY(bar && bar->property("visible").toBool());
  }

  void modulesAreSeparate() {
    QML::registerTypes();  // a second call changes nothing
    QQmlEngine engine;
    QQmlComponent onlyTip(&engine);
    onlyTip.setData("import QtQuick 2.15\nimport Kelvantic 1.0 as K\nItem { K.Menu {} }\n",
                    QUrl("file:///a.qml"));
    QVERIFY(onlyTip.isError());
    QQmlComponent noTip(&engine);
    noTip.setData("import QtQuick 2.15\nimport Vantre 1.0 as V\nItem { V.ToolTip {} }\n",
                  QUrl("file:///b.qml"));
    QVERIFY(noTip.isError());
    QQmlComponent enums(&engine);
    enums.setData(
        "import QtQuick 2.15\nimport Vantre 1.0\nQtObject { property int v: View.ContactSelection "
        "}\n",
        QUrl("file:///c.qml"));
    QScopedPointer<QObject> o(enums.create());
    QVERIFY2(o, qPrintable(enums.errorString()));
    QCOMPARE(o->property("v").toInt(), 1);
  }

  void enumsOfHeldTypes_data() {
    QTest::addColumn<QString>("expression");
    QTest::addColumn<int>("value");
    QTest::newRow("Call state") << "Call.StateInCall" << 3;
    QTest::newRow("Call type") << "Call.TypeVideo" << 2;
    QTest::newRow("WebcollabBase") << "WebcollabBase.StateActive" << 3;
    QTest::newRow("CommunicationSession") << "CommunicationSession.KindChat" << 2;
    QTest::newRow("View") << "View.ContactSelection" << 1;
  }
  void enumsOfHeldTypes() {
    QFETCH(QString, expression);
    QFETCH(int, value);
    QQmlEngine engine;
    QQmlComponent c(&engine);
    c.setData(("import QtQuick 2.15\nimport Vantre 1.0\nQtObject { property int v: " + expression +
               " }\n")
                  .toUtf8(),
              QUrl("file:///enums.qml"));
    QScopedPointer<QObject> o(c.create());
    QVERIFY2(o, qPrintable(c.errorString()));
    QCOMPARE(o->property("v").toInt(), value);
  }

  void heldTypesAreKnownToScenes_data() {
    QTest::addColumn<QString>("type");
    for (const char* n :
         {"ContactCard", "Call", "Presence", "WebcollabBase", "CommunicationSession"})
      QTest::newRow(n) << QString(n);
  }
  void heldTypesAreKnownToScenes() {
    // A property of the type accepts null: the name is a real type, not a
    // placeholder that only reports it cannot be created.
    QFETCH(QString, type);
    QQmlEngine engine;
    QQmlComponent c(&engine);
    c.setData(("import QtQuick 2.15\nimport Vantre 1.0 as V\nQtObject { property V." + type +
               " held: null }\n")
                  .toUtf8(),
              QUrl("file:///held.qml"));
    QScopedPointer<QObject> o(c.create());
    QVERIFY2(o, qPrintable(c.errorString()));
  }
};

ZENT_TEST_MAIN(TestUiWindows, QApplication)
#include "tst_ui_windows.moc"
