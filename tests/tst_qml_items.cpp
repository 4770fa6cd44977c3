// Scene items: menus, tooltips, pictures, the centred flow, combo boxes and
// drag and drop, each in a small scene of its own.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTranslator>

#include <RAZ/Settings.h>

#include "TestSupport.h"
#include "dialogs/FileDialog.h"
#include "dialogs/MessageWindow.h"
#include "libqml/items/CenteredFlow.h"
#include "libqml/items/ComboBoxAdapters.h"
#include "libqml/items/DragDrop.h"
#include "libqml/items/QmlMenu.h"
#include "libqml/items/QmlPixmap.h"
#include "libqml/items/QmlToolTip.h"
#include "libqml/utils/Style.h"
#include "libqml/utils/StyleView.h"

namespace {

// One scene in a widget, as the program shows them.
class Scene {
 public:
  explicit Scene(const QByteArray& body, QSize size = QSize(400, 300),
                 const QString& contextName = QString(), QObject* contextObject = nullptr) {
    m_dir.reset(new QTemporaryDir());
    const QString path = m_dir->filePath(QStringLiteral("scene.qml"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) {
      f.write("import QtQuick 2.15\nimport Vantre 1.0\n");
      f.write(body);
      f.close();
    }
    view.reset(new QQuickWidget());
    view->rootContext()->setContextProperty(QStringLiteral("zentStyle"), QML::Style::instance());
    if (!contextName.isEmpty()) view->rootContext()->setContextProperty(contextName, contextObject);
    view->setResizeMode(QQuickWidget::SizeRootObjectToView);
    view->resize(size);
    view->setSource(QUrl::fromLocalFile(path));
    errors = view->errors().isEmpty() ? QString() : view->errors().first().toString();
  }
  QQuickItem* root() const { return view->rootObject(); }
  template <typename T>
  T* find(const char* name) const {
    return root() ? root()->findChild<T*>(QLatin1String(name)) : nullptr;
  }
  bool show() {
    view->show();
    view->activateWindow();
    return QTest::qWaitForWindowExposed(view.data());
  }
  QPoint centreOf(QQuickItem* item) const {
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
  }

  QScopedPointer<QQuickWidget> view;
  QString errors;

 private:
  QScopedPointer<QTemporaryDir> m_dir;
};

QStandardItemModel* rowsModel(const QStringList& texts, QObject* parent) {
  auto* model = new QStandardItemModel(parent);
  for (const QString& t : texts) model->appendRow(new QStandardItem(t));
  return model;
}

// QTest moves only the cursor; a drag needs moves with the button held.
void dragTo(QWidget* widget, QPoint pos) {
  QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QSpontaneKeyEvent::setSpontaneous(&move);
  qApp->notify(widget, &move);
}

QStringList menuTexts(QMenu* menu) {
  QStringList out;
  if (!menu) return out;
  const QList<QAction*> actions = menu->actions();
  for (QAction* a : actions) out << a->text();
  return out;
}

}  // namespace

class TestQmlItems : public QObject {
  Q_OBJECT

  QML::Style* m_style = nullptr;
  QTemporaryDir m_theme;

 private slots:
  void initTestCase() {
    ZentTest::installStrictMessageHandler();
    m_style = new QML::Style(this);
    ZentTest::initScenes();
    RAZ::Settings::setPath(RAZ::Settings::Theme, m_theme.path());
  }

  void cleanup() { m_style->setDefaults(); }

  // ---- Menu -------------------------------------------------------------

  void menuBuildsFromModelAndFollowsIt() {
    QML::QmlMenu item;
    QStandardItemModel* model = rowsModel({"Available", "Busy"}, this);
    QSignalSpy modelSpy(&item, SIGNAL(modelChanged()));
    item.setModel(model);
    QCOMPARE(modelSpy.count(), 1);
    QVERIFY(item.targetMenu());
    QCOMPARE(menuTexts(item.targetMenu()), QStringList({"Available", "Busy"}));

    model->appendRow(new QStandardItem("Away"));
    QCOMPARE(menuTexts(item.targetMenu()), QStringList({"Available", "Busy", "Away"}));
    model->item(1)->setText("Do not disturb");
    QCOMPARE(menuTexts(item.targetMenu()), QStringList({"Available", "Do not disturb", "Away"}));
    model->item(2)->setEnabled(false);
    QVERIFY(!item.targetMenu()->actions().at(2)->isEnabled());
    model->removeRow(0);
    QCOMPARE(menuTexts(item.targetMenu()), QStringList({"Do not disturb", "Away"}));
    QCOMPARE(item.targetMenu()->actions().at(1)->property("row").toInt(), 1);

    item.setModel(model);  // the same model again changes nothing
    QCOMPARE(modelSpy.count(), 1);
    delete model;  // a model that goes away leaves an empty menu, no dangling rows
    item.dataChanged();
    QVERIFY(item.targetMenu()->actions().isEmpty());
  }

  void menuTriggersOnceWhateverIsHandedOver() {
    QML::QmlMenu item;
    QMenu first;
    QMenu second;
    QSignalSpy triggered(&item, SIGNAL(triggered(QAction*)));
    QSignalSpy menuSpy(&item, SIGNAL(menuChanged()));
    item.setMenu(&first);
    item.setMenu(&first);  // a binding evaluated again
    QCOMPARE(menuSpy.count(), 1);
    item.setModel(rowsModel({"Call", "Chat"}, this));
    QCOMPARE(menuTexts(&first), QStringList({"Call", "Chat"}));
    first.actions().at(1)->trigger();
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(triggered.at(0).at(0).value<QAction*>()->text(), QString("Chat"));

    item.setMenu(&second);
    first.addAction("stale")->trigger();
    QCOMPARE(triggered.count(), 1);  // the old menu is cut off
    QCOMPARE(menuTexts(&second), QStringList({"Call", "Chat"}));
    second.actions().at(0)->trigger();
    QCOMPARE(triggered.count(), 2);
  }

  void menuWithoutModelOrMenuDoesNothing() {
    QML::QmlMenu item;
    QVERIFY(!item.targetMenu());
    item.dataChanged();
    item.showPopup(QPoint(10, 10));
    QVERIFY(!item.targetMenu());
  }

  void menuInSceneIsBuiltFromModelAndPopsUp() {
    QStringListModel model(QStringList({"One", "Two"}));
    Scene scene(
        "Item { property alias menu: m\n"
        "  property string chosen\n"
        "  Menu { id: m; objectName: \"menu\"; model: actionsModel\n"
        "         onTriggered: parent.chosen = action.text } }\n",
        QSize(400, 300), "actionsModel", &model);
    QVERIFY2(scene.root(), qPrintable(scene.errors));
    auto* menu = scene.find<QML::QmlMenu>("menu");
    QVERIFY(menu);
    QVERIFY(scene.show());
    QMenu* popup = menu->targetMenu();
    QVERIFY(popup);
    QCOMPARE(menuTexts(popup), QStringList({"One", "Two"}));
    menu->showPopup(QPoint(5, 5));
    QTRY_VERIFY(popup->isVisible());
    popup->actions().at(1)->trigger();
    popup->hide();
    QCOMPARE(scene.root()->property("chosen").toString(), QString("Two"));
  }

  void menuWithoutActiveWindowDoesNotPopUp() {
    QML::QmlMenu item;
    item.setModel(rowsModel({"One"}, this));
    QWidget* active = QApplication::activeWindow();
    if (active) QSKIP("another window is active");
    item.showPopup(QPoint(0, 0));
    QVERIFY(!item.targetMenu()->isVisible());
  }

  void securityMenuMarksCurrentClassification() {
    QML::QmlSecurityClassMenu item;
    item.setModel(rowsModel({"Unclassified", "Secret"}, this));
    item.setInCallSecurityClassification("Secret");
    QMenu* menu = item.targetMenu();
    QCOMPARE(menuTexts(menu), QStringList({"Unclassified", "Secret (Current Call)"}));
    QCOMPARE(menu->actions().at(1)->data().toString(), QString("Secret"));
    item.updateLanguage();
    QCOMPARE(menuTexts(menu), QStringList({"Unclassified", "Secret (Current Call)"}));
    item.setInCallSecurityClassification(QString());
    QCOMPARE(menuTexts(menu), QStringList({"Unclassified", "Secret"}));

    // After a change of language the mark follows it.
    item.setInCallSecurityClassification("Secret");
    QTranslator spanish;
    QVERIFY(spanish.load(qEnvironmentVariable("ZENT_DIST_DIR") + "/translations/ui_es.qm"));
    QCoreApplication::installTranslator(&spanish);
    item.updateLanguage();
    QCoreApplication::removeTranslator(&spanish);
    QCOMPARE(menuTexts(menu), QStringList({"Unclassified", "Secret (Llamada actual)"}));
    QCOMPARE(menu->actions().at(1)->data().toString(), QString("Secret"));
  }

  // ---- Tooltip ------------------------------------------------------------

  void tooltipHideDelay_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("hideDelay");
    QTest::addColumn<int>("expected");
    QTest::newRow("short, automatic") << 40 << 0 << 10000;
    QTest::newRow("100 characters") << 100 << 0 << 10000;
    QTest::newRow("150 characters") << 150 << 0 << 12000;
    QTest::newRow("given delay wins") << 150 << 3000 << 3000;
  }
  void tooltipHideDelay() {
    QFETCH(int, length);
    QFETCH(int, hideDelay);
    QFETCH(int, expected);
    QML::QmlToolTip tip;
    tip.showToolTip(QString(length, QChar('x')), 0, hideDelay);
    QVERIFY(tip.showTimer().isActive());
    tip.showTimerTimeout();
    QVERIFY(tip.view()->isVisible());
    QVERIFY(tip.hideTimer().isActive());
    QCOMPARE(tip.hideTimer().interval(), expected);
    tip.hideTimerTimeout();
    QVERIFY(!tip.view()->isVisible());
  }

  void tooltipShowsTextAndHidesOnEmpty() {
    QML::QmlToolTip tip;
    tip.showToolTip("first", 500);
    QCOMPARE(tip.showTimer().interval(), 500);
    tip.showToolTip("<b>second</b>", 700);  // restarts with the new text
    QCOMPARE(tip.showTimer().interval(), 700);
    QCOMPARE(tip.view()->text(), QString("<b>second</b>"));
    tip.showTimerTimeout();
    QVERIFY(tip.view()->isVisible());
    QQuickItem* content = tip.view()->rootObject();
    QVERIFY(content);
    QVERIFY(content->width() > 10);
    tip.showToolTip(QString());
    QVERIFY(!tip.view()->isVisible());
    QVERIFY(!tip.showTimer().isActive());
    QVERIFY(!tip.hideTimer().isActive());
  }

  void tooltipViewGoesWithItem() {
    QPointer<QML::ToolTipView> view;
    {
      QML::QmlToolTip tip;
      QVERIFY(!tip.view());  // made on first use only
      tip.showToolTip(QString());
      QVERIFY(!tip.view());
      tip.showToolTip("text");
      view = tip.view();
      QVERIFY(view);
    }
    QVERIFY(!view);
  }

  // ---- Pixmap ------------------------------------------------------------

  void pixmapSize_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("maxSize");
    QTest::addColumn<bool>("crop");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("no limit") << QSize(100, 200) << QSize(0, 0) << false << QSize(100, 200);
    QTest::newRow("scaled") << QSize(100, 200) << QSize(50, 50) << false << QSize(25, 50);
    QTest::newRow("cropped") << QSize(100, 200) << QSize(50, 50) << true << QSize(50, 50);
    QTest::newRow("null picture") << QSize() << QSize(50, 50) << true << QSize(0, 0);
  }
  void pixmapSize() {
    QFETCH(QSize, picture);
    QFETCH(QSize, maxSize);
    QFETCH(bool, crop);
    QFETCH(QSize, expected);
    QML::QmlPixmap item;
    QPixmap pm;
    if (picture.isValid()) {
      pm = QPixmap(picture);
      pm.fill(Qt::red);
    }
    item.setPixmap(QVariant::fromValue(pm));
    item.setMaxSize(maxSize);
    QSignalSpy sizeSpy(&item, SIGNAL(sizeChanged()));
    item.setCrop(crop);
    if (crop && !pm.isNull() && maxSize != QSize(0, 0)) QCOMPARE(sizeSpy.count(), 1);
    QCOMPARE(item.size(), expected.isValid() ? expected : QSize(0, 0));
  }

  void pixmapReportsSizeChangeOnlyWhenSizeChanges() {
    QML::QmlPixmap item;
    QSignalSpy sizeSpy(&item, SIGNAL(sizeChanged()));
    QSignalSpy pixSpy(&item, SIGNAL(pixmapChanged()));
    QPixmap a(20, 20);
    a.fill(Qt::red);
    QPixmap b(20, 20);
    b.fill(Qt::blue);
    item.setPixmap(QVariant::fromValue(a));
    item.setPixmap(QVariant::fromValue(b));
    QCOMPARE(pixSpy.count(), 2);
    QCOMPARE(sizeSpy.count(), 1);
    QImage image(10, 30, QImage::Format_ARGB32);
    image.fill(Qt::green);
    item.setPixmap(QVariant::fromValue(image));  // an image is taken as well
    QCOMPARE(item.size(), QSize(10, 30));
  }

  void pixmapPaintsCentredCrop() {
    QImage picture(100, 200, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (int y = 75; y < 125; ++y)
      for (int x = 0; x < 100; ++x) picture.setPixel(x, y, qRgb(0, 0, 255));
    Scene scene(
        "Item { Pixmap { objectName: \"pix\"; maxSize: Qt.size(50, 50); crop: true\n"
        "  width: size.width; height: size.height } }\n");
    QVERIFY2(scene.root(), qPrintable(scene.errors));
    auto* pix = scene.find<QML::QmlPixmap>("pix");
    pix->setPixmap(QVariant::fromValue(QPixmap::fromImage(picture)));
    QVERIFY(scene.show());
    QCOMPARE(pix->width(), 50.0);
    QTRY_VERIFY(!scene.view->grabFramebuffer().isNull());
    const QImage shot = scene.view->grabFramebuffer();
    // Scaled to 50 x 100 and cut around the centre: the blue band (rows 75-125
    // of 200) lands at 12-37 of the visible 50 rows.
    QCOMPARE(QColor(shot.pixel(25, 25)), QColor(Qt::blue));
    QCOMPARE(QColor(shot.pixel(25, 3)), QColor(Qt::red));
  }

  // ---- Centred flow ------------------------------------------------------

  void flowPositionsRows_data() {
    QTest::addColumn<int>("flowWidth");
    QTest::addColumn<QList<QPoint>>("positions");
    QTest::newRow("two rows") << 100 << QList<QPoint>{{7, 0}, {52, 0}, {30, 25}};
    QTest::newRow("one row") << 200 << QList<QPoint>{{35, 0}, {80, 0}, {125, 0}};
    QTest::newRow("one per row") << 60 << QList<QPoint>{{10, 0}, {10, 25}, {10, 50}};
    QTest::newRow("narrower than a child") << 30 << QList<QPoint>{{0, 0}, {0, 25}, {0, 50}};
  }
  void flowPositionsRows() {
    QFETCH(int, flowWidth);
    QFETCH(QList<QPoint>, positions);
    Scene scene("Item { CenteredFlow { objectName: \"flow\"; spacing: 5; width: " +
                QByteArray::number(flowWidth) +
                "\n  Repeater { model: 3; Rectangle { width: 40; height: 20 } } } }\n");
    QVERIFY2(scene.root(), qPrintable(scene.errors));
    auto* flow = scene.find<CenteredFlow>("flow");
    QVERIFY(flow);
    QList<QQuickItem*> boxes;
    for (QQuickItem* c : flow->childItems())
      if (c->width() == 40) boxes << c;
    QCOMPARE(boxes.size(), 3);
    for (int i = 0; i < 3; ++i) QCOMPARE(boxes.at(i)->position().toPoint(), positions.at(i));
    QCOMPARE(flow->implicitHeight(), positions.at(2).y() + 20.0);
  }

  void flowSkipsInvisibleChildrenAndFollowsChanges() {
    Scene scene(
        "Item { CenteredFlow { objectName: \"flow\"; spacing: 5; width: 100\n"
        "  Rectangle { objectName: \"a\"; width: 40; height: 20 }\n"
        "  Rectangle { objectName: \"gone\"; width: 40; height: 20; opacity: 0; x: 3; y: 4 }\n"
        "  Rectangle { objectName: \"flat\"; width: 0; height: 20; x: 9 }\n"
        "  Rectangle { objectName: \"b\"; width: 40; height: 20 } } }\n");
    QVERIFY2(scene.root(), qPrintable(scene.errors));
    auto* flow = scene.find<CenteredFlow>("flow");
    auto* a = scene.find<QQuickItem>("a");
    auto* gone = scene.find<QQuickItem>("gone");
    auto* b = scene.find<QQuickItem>("b");
    QCOMPARE(a->x(), 7.0);
    QCOMPARE(b->x(), 52.0);
    QCOMPARE(gone->position(), QPointF(3, 4));  // not moved, no room taken
    QCOMPARE(scene.find<QQuickItem>("flat")->x(), 9.0);

    gone->setOpacity(1);  // now it counts: three in the first row does not fit
    QCOMPARE(gone->x(), 52.0);
    QCOMPARE(b->position(), QPointF(30, 25));

    QSignalSpy spacingSpy(flow, SIGNAL(spacingChanged()));
    flow->setSpacing(0);
    QCOMPARE(spacingSpy.count(), 1);
    QCOMPARE(a->x(), 10.0);  // 40 + 40 in 100: (100 - 80) / 2

    flow->setWidth(200);  // everything fits one row again
    QCOMPARE(b->y(), 0.0);
    QCOMPARE(a->x(), 40.0);

    delete b;  // a removed child is dropped and the row re-centred
    QCOMPARE(a->x(), 60.0);
  }

  void flowWithoutVisibleChildren() {
    Scene scene(
        "Item { CenteredFlow { objectName: \"flow\"; width: 80\n"
        "  Rectangle { width: 40; height: 20; opacity: 0 } } }\n");
    QVERIFY2(scene.root(), qPrintable(scene.errors));
    auto* flow = scene.find<CenteredFlow>("flow");
    QCOMPARE(flow->implicitHeight(), -1.0);
    QCOMPARE(flow->implicitWidth(), 80.0);
  }

  void flowWithoutWidthNeverWraps() {
    Scene scene(
        "Item { CenteredFlow { objectName: \"flow\"; spacing: 5\n"
        "  Repeater { model: 4; Rectangle { width: 40; height: 20 } } } }\n");
    QVERIFY2(scene.root(), qPrintable(scene.errors));
    auto* flow = scene.find<CenteredFlow>("flow");
    for (QQuickItem* c : flow->childItems())
      if (c->width() == 40) QCOMPARE(c->y(), 0.0);
  }

  // ---- Combo boxes -------------------------------------------------------

  void comboFollowsKeyboard() {
    Scene scene(
        "Item { ComboBox { objectName: \"combo\"; width: 200; height: 30; editable: false\n"
        "  Component.onCompleted: setItems([\"alpha\", \"beta\", \"bravo\", \"charlie\"]) }\n"
        " Item { objectName: \"next\" } }\n");
    QVERIFY2(scene.root(), qPrintable(scene.errors));
    auto* combo = scene.find<QML::QComboBoxQmlAdapter>("combo");
    QVERIFY(combo);
    QVERIFY(scene.show());
    combo->forceActiveFocus();
    QVERIFY(combo->hasActiveFocus());
    QCOMPARE(combo->currentIdx(), 0);
    QCOMPARE(combo->text(), QString("alpha"));

    QSignalSpy index(combo, SIGNAL(currentIdxChanged(int)));
    QSignalSpy activated(combo, SIGNAL(activatedIdxChanged(int)));
    QSignalSpy text(combo, SIGNAL(textChanged(QString)));
    QSignalSpy tab(combo, SIGNAL(keyTab()));
    QSignalSpy backtab(combo, SIGNAL(keyBacktab()));

    QTest::keyClick(scene.view.data(), Qt::Key_Down);
    QCOMPARE(combo->currentIdx(), 1);
    QCOMPARE(index.takeFirst().at(0).toInt(), 1);
    QCOMPARE(activated.takeFirst().at(0).toInt(), 1);
    QCOMPARE(text.takeFirst().at(0).toString(), QString("beta"));

    QTest::keyClick(scene.view.data(), Qt::Key_End);
    QCOMPARE(combo->text(), QString("charlie"));
    QTest::keyClick(scene.view.data(), Qt::Key_Down);  // stays at the last entry
    QCOMPARE(combo->currentIdx(), 3);
    QTest::keyClick(scene.view.data(), Qt::Key_Home);
    QCOMPARE(combo->currentIdx(), 0);
    QTest::keyClick(scene.view.data(), Qt::Key_Up);  // stays at the first entry
    QCOMPARE(combo->currentIdx(), 0);

    // Typing a letter picks the next entry beginning with it.
    QTest::keyClick(scene.view.data(), Qt::Key_B, Qt::NoModifier);
    QCOMPARE(combo->text(), QString("beta"));
    QTest::keyClick(scene.view.data(), Qt::Key_Home);  // ends the typed search
    QTest::keyClick(scene.view.data(), Qt::Key_C, Qt::NoModifier);
    QCOMPARE(combo->text(), QString("charlie"));

    index.clear();
    text.clear();
    QTest::keyClick(scene.view.data(), Qt::Key_Tab);
    QTest::keyClick(scene.view.data(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(tab.count(), 1);
    QCOMPARE(backtab.count(), 1);
    QCOMPARE(index.count(), 0);
    QCOMPARE(text.count(), 0);
    QCOMPARE(combo->text(), QString("charlie"));
    QVERIFY(combo->hasActiveFocus());  // the scene moves focus, not the box
  }

  void comboRepeatedLetterCycles() {
    QML::QComboBoxQmlAdapter combo;
    combo.setItems({"beta", "alpha", "bravo", "berta"});
    combo.setCurrentIdx(0);
    for (const char* expected : {"bravo", "berta", "beta"}) {
      QKeyEvent key(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, "b");
      QCoreApplication::sendEvent(&combo, &key);
      QCOMPARE(combo.text(), QString(expected));
    }
  }

  void editableComboCompletesAndKeepsTyping() {
    QStringListModel names(QStringList({"Alice", "albert", "bob"}));
    Scene scene("Item { LoginComboBox { objectName: \"combo\"; width: 200; height: 30 } }\n");
    QVERIFY2(scene.root(), qPrintable(scene.errors));
    auto* combo = scene.find<QML::QLoginComboBoxQmlAdapter>("combo");
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->comboName(), QString("userNameCombo"));
    combo->setModel(&names);
    QVERIFY(scene.show());
    combo->forceActiveFocus();
    combo->setText(QString());
    QSignalSpy text(combo, SIGNAL(textChanged(QString)));
    QTest::keyClicks(scene.view.data(), "al");
    // Case-sensitive completion: "al" completes to "albert", not "Alice".
    QCOMPARE(combo->text(), QString("albert"));
    QCOMPARE(combo->selectedText(), QString("bert"));
    QVERIFY(!text.isEmpty());
    QTest::keyClick(scene.view.data(), Qt::Key_Backspace);  // drops the completion
    QCOMPARE(combo->text(), QString("al"));
    QTest::keyClicks(scene.view.data(), "x");
    QCOMPARE(combo->text(), QString("alx"));

    // New items keep what the user typed.
    combo->setItems({"carol", "dave"});
    QCOMPARE(combo->text(), QString("alx"));
    QCOMPARE(combo->getCount(), 2);
    // The caller's model was never emptied.
    QCOMPARE(names.rowCount(), 3);

    QSignalSpy index(combo, SIGNAL(currentIdxChanged(int)));
    QTest::keyClick(scene.view.data(), Qt::Key_Down);
    QCOMPARE(combo->currentIdx(), 0);
    QCOMPARE(combo->text(), QString("carol"));
    QCOMPARE(index.count(), 1);
  }

  void comboModelsBelongToTheirOwners() {
    QStringListModel first(QStringList({"a", "b"}));
    QStringListModel second(QStringList({"c"}));
    QML::QComboBoxQmlAdapter combo;
    combo.setModel(&first);
    QCOMPARE(combo.getCount(), 2);
    QCOMPARE(combo.currentIdx(), 0);
    combo.setModel(&second);
    QCOMPARE(first.rowCount(), 2);
    QCOMPARE(combo.getItemText(0), QString("c"));
    first.insertRows(0, 1);  // the old model no longer drives the box
    QCOMPARE(combo.getCount(), 1);
    second.removeRows(0, 1);
    QCOMPARE(combo.getCount(), 0);
    QCOMPARE(combo.currentIdx(), -1);
  }

  void comboFindText_data() {
    QTest::addColumn<QString>("search");
    QTest::addColumn<int>("expected");
    QTest::newRow("exact") << "bob" << 1;
    QTest::newRow("other case") << "ALICE" << 0;
    QTest::newRow("prefix only") << "bo" << -1;
    QTest::newRow("regexp characters are plain") << "a.*" << 2;
    QTest::newRow("empty") << "" << -1;
  }
  void comboFindText() {
    QFETCH(QString, search);
    QFETCH(int, expected);
    QML::QComboBoxQmlAdapter combo;
    combo.setItems({"alice", "Bob", "a.*"});
    QCOMPARE(combo.findText(search), expected);
  }

  void comboStyleFromTheme() {
    {
      QSettings theme(RAZ::Settings::filePath(RAZ::Settings::Theme), QSettings::IniFormat);
      theme.setValue("qml/combo/css", "QComboBox { color: %%colors:darkText%%; }");
      theme.setValue("qml/login_combo/css",
                     "QComboBox#userNameCombo { background-color: #102030; font-family: "
                     "%%font:defaultFontFamily%%; }");
      theme.remove("qml/filter_combo/css");
    }
    QML::QLoginComboBoxQmlAdapter login;
    QCOMPARE(login.styleSheet(),
             QString("QComboBox { color: #4E4E4E; }QComboBox#userNameCombo { background-color: "
                     "#102030; font-family: Arial; }"));
    QCOMPARE(login.textColor(), QColor("#4E4E4E"));
    QCOMPARE(login.backgroundColor(), QColor("#102030"));
    QCOMPARE(login.font().family(), QString("Arial"));

    QML::QFilterComboBoxQmlAdapter filter;  // own key empty: the common part alone
    QCOMPARE(filter.styleSheet(), QString("QComboBox { color: #4E4E4E; }"));
    QML::QComboBoxQmlAdapter plain;  // the plain box applies no sheet
    QCOMPARE(plain.styleSheet(), QString());

    QSignalSpy restyled(&login, SIGNAL(styleSheetChanged()));
    m_style->setColor("darkText", "#123456");
    QCOMPARE(restyled.count(), 1);
    QCOMPARE(login.textColor(), QColor("#123456"));
    QCOMPARE(filter.textColor(), QColor("#123456"));

    login.setSelectedColor(QColor("#ff0000"));
    QCOMPARE(login.textColor(), QColor("#ff0000"));
    QFile::remove(RAZ::Settings::filePath(RAZ::Settings::Theme));
  }

  // ---- Style editor files ------------------------------------------------

  void styleEditorChoosesFilesAndHandsThemToTheStyle() {
    QPointer<QML::StyleView> editor = new QML::StyleView(nullptr);
    QVERIFY(editor->setSource("qrc:/windows/StyleView.qml"));
    QTemporaryDir dir;

    editor->exportCsv(false);
    QVERIFY(editor->fileDialog());
    QCOMPARE(editor->fileDialog()->mode(), int(Dialogs::FileDialog::SaveCsv));
    QVERIFY(editor->fileDialog()->dialog());
    QCOMPARE(editor->fileDialog()->dialog()->selectedFiles().value(0).section('/', -1),
             QString("colors.csv"));
    m_style->setColor("darkText", "#010203");
    editor->fileSelected(dir.filePath("colors.csv"));
    QFile written(dir.filePath("colors.csv"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().contains("darkText,#010203\r\n"));

    m_style->setDefaults();
    editor->importCsv();
    QCOMPARE(editor->fileDialog()->mode(), int(Dialogs::FileDialog::OpenCsv));
    QSignalSpy imported(editor.data(), SIGNAL(importCsv(QString)));
    editor->fileSelected(dir.filePath("colors.csv"));
    QCOMPARE(imported.count(), 1);
    QCOMPARE(m_style->colors().value("darkText").toString(), QString("#010203"));

    // A file that cannot be read is said so, not passed over in silence.
    QString warning;
    ZentTest::answerNextMessage(QDialogButtonBox::Ok, [&warning](Dialogs::MessageWindow* w) {
      warning = w->messageLabel()->text();
    });
    editor->importCsv();
    editor->fileSelected(dir.filePath("missing.csv"));
    QTRY_VERIFY(!warning.isEmpty());
    QVERIFY2(warning.contains("missing.csv"), qPrintable(warning));
    delete editor.data();
  }

  // ---- Drag and drop -----------------------------------------------------

  void dragDeliversItsBytes() {
    Scene scene(
        "Item { property string dropped; property int enters\n"
        "  DragArea { objectName: \"drag\"; x: 0; y: 0; width: 100; height: 100\n"
        "    mimeType: \"application/zent.contact\"; data: \"sip:alice@example.org\" }\n"
        "  DropArea { objectName: \"drop\"; x: 200; y: 0; width: 100; height: 100\n"
        "    mimeTypes: [\"application/zent.contact\"]\n"
        "    onDragEnter: { parent.enters++; event.accept(Qt.CopyAction) }\n"
        "    onDrop: parent.dropped = event.data.text } }\n");
    QVERIFY2(scene.root(), qPrintable(scene.errors));
    auto* drag = scene.find<DeclarativeDragArea>("drag");
    auto* drop = scene.find<DeclarativeDropArea>("drop");
    QVERIFY(scene.show());

    QSignalSpy started(drag, SIGNAL(startDrag(QString, QByteArray, QPixmap)));
    QSignalSpy clicked(drag, SIGNAL(clicked(int, int)));
    const int distance = QGuiApplication::styleHints()->startDragDistance();
    QTest::mousePress(scene.view.data(), Qt::LeftButton, {}, QPoint(20, 20));
    dragTo(scene.view.data(), QPoint(20 + distance / 2, 20));
    QCOMPARE(started.count(), 0);  // not far enough yet
    dragTo(scene.view.data(), QPoint(20 + distance + 2, 20));
    dragTo(scene.view.data(), QPoint(20 + distance + 12, 20));
    QCOMPARE(started.count(), 1);  // one drag per press, however far it moves
    QTest::mouseRelease(scene.view.data(), Qt::LeftButton, {}, QPoint(20 + distance + 12, 20));
    QCOMPARE(clicked.count(), 1);
    const QString type = started.at(0).at(0).toString();
    const QByteArray bytes = started.at(0).at(1).toByteArray();
    QCOMPARE(type, QString("application/zent.contact"));
    QCOMPARE(bytes, QByteArray("sip:alice@example.org"));
    QVERIFY(started.at(0).at(2).value<QPixmap>().isNull());  // no delegate, no picture

    // The system drag carries what the drag area asked for; deliver it.
    QScopedPointer<QMimeData> mime(DeclarativeDragArea::dragMimeData(type, bytes));
    const QPoint at = scene.centreOf(drop);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, mime.data(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(scene.view.data(), &enter);
    QCOMPARE(scene.root()->property("enters").toInt(), 1);
    QDragMoveEvent move(at + QPoint(1, 1), Qt::CopyAction | Qt::MoveAction, mime.data(),
                        Qt::LeftButton, {});
    QCoreApplication::sendEvent(scene.view.data(), &move);
    QVERIFY(move.isAccepted());
    QDropEvent dropped(at + QPoint(1, 1), Qt::CopyAction | Qt::MoveAction, mime.data(),
                       Qt::LeftButton, {});
    QCoreApplication::sendEvent(scene.view.data(), &dropped);
    QCOMPARE(scene.root()->property("dropped").toString(), QString("sip:alice@example.org"));
    QCOMPARE(dropped.dropAction(), Qt::CopyAction);
  }

  void dragStartsOnlyWhenItCan_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("starts");
    QTest::newRow("enabled") << true << 1;
    QTest::newRow("disabled") << false << 0;
  }
  void dragStartsOnlyWhenItCan() {
    QFETCH(bool, enabled);
    QFETCH(int, starts);
    Scene scene(
        "Item { DragArea { objectName: \"drag\"; width: 100; height: 100\n"
        "  mimeType: \"application/zent.contact\"; data: \"x\" } }\n");
    QVERIFY2(scene.root(), qPrintable(scene.errors));
    auto* drag = scene.find<DeclarativeDragArea>("drag");
    drag->setEnabled(enabled);
    QVERIFY(scene.show());
    QSignalSpy started(drag, SIGNAL(startDrag(QString, QByteArray, QPixmap)));
    QSignalSpy pressed(drag, SIGNAL(pressed(int, int)));
    QSignalSpy clicked(drag, SIGNAL(clicked(int, int)));
    QTest::mousePress(scene.view.data(), Qt::LeftButton, {}, QPoint(10, 10));
    dragTo(scene.view.data(), QPoint(80, 80));
    QTest::mouseRelease(scene.view.data(), Qt::LeftButton, {}, QPoint(80, 80));
    QCOMPARE(started.count(), starts);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(clicked.count(), 1);
    // A second press starts its own drag again.
    QTest::mousePress(scene.view.data(), Qt::LeftButton, {}, QPoint(10, 10));
    dragTo(scene.view.data(), QPoint(80, 80));
    QTest::mouseRelease(scene.view.data(), Qt::LeftButton, {}, QPoint(80, 80));
    QCOMPARE(started.count(), starts * 2);
  }

  void dragWithDelegateCarriesItsPicture() {
    Scene scene(
        "Item { DragArea { objectName: \"drag\"; width: 100; height: 100\n"
        "  mimeType: \"application/zent.contact\"; data: \"x\"\n"
        "  delegate: Component { Rectangle { width: 30; height: 20; color: \"red\" } } } }\n");
    QVERIFY2(scene.root(), qPrintable(scene.errors));
    auto* drag = scene.find<DeclarativeDragArea>("drag");
    QVERIFY(scene.show());
    QSignalSpy started(drag, SIGNAL(startDrag(QString, QByteArray, QPixmap)));
    QTest::mousePress(scene.view.data(), Qt::LeftButton, {}, QPoint(10, 10));
    dragTo(scene.view.data(), QPoint(80, 80));
    QTRY_COMPARE(started.count(), 1);
    const QPixmap picture = started.at(0).at(2).value<QPixmap>();
    QCOMPARE(picture.size(), QSize(30, 20));
    QCOMPARE(QColor(picture.toImage().pixel(15, 10)), QColor(Qt::red));
    QTest::mouseRelease(scene.view.data(), Qt::LeftButton, {}, QPoint(80, 80));
    // The picture's item is gone again.
    QTRY_COMPARE(drag->childItems().size(), 0);
  }

  void dragNeedsTypeAndData() {
    QVERIFY(!DeclarativeDragArea::dragMimeData(QString(), "x"));
    QVERIFY(!DeclarativeDragArea::dragMimeData("application/zent.contact", QByteArray()));
    QScopedPointer<QMimeData> mime(
        DeclarativeDragArea::dragMimeData("application/zent.contact", "bob"));
    QCOMPARE(mime->data("application/zent.contact"), QByteArray("bob"));
    QCOMPARE(mime->text(), QString("bob"));
  }

  void dropAreaRefusesTypesItDidNotAskFor_data() {
    QTest::addColumn<QStringList>("accepted");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<bool>("enters");
    QTest::newRow("other type") << QStringList{"text/uri-list"} << "application/zent.contact"
                                << false;
    QTest::newRow("no types") << QStringList{} << "application/zent.contact" << false;
    QTest::newRow("asked for") << QStringList{"text/plain", "application/zent.contact"}
                               << "application/zent.contact" << true;
  }
  void dropAreaRefusesTypesItDidNotAskFor() {
    QFETCH(QStringList, accepted);
    QFETCH(QString, offered);
    QFETCH(bool, enters);
    Scene scene(
        "Item { property int enters; property int drops\n"
        "  DropArea { objectName: \"drop\"; width: 100; height: 100\n"
        "    onDragEnter: { parent.enters++; event.accept(Qt.CopyAction) }\n"
        "    onDrop: parent.drops++ } }\n");
    QVERIFY2(scene.root(), qPrintable(scene.errors));
    scene.find<DeclarativeDropArea>("drop")->setMimeTypes(accepted);
    QVERIFY(scene.show());
    QMimeData mime;
    mime.setData(offered, "payload");
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(scene.view.data(), &enter);
    QCOMPARE(scene.root()->property("enters").toInt(), enters ? 1 : 0);
    // The widget takes every enter; whether the drag may drop here is the
    // answer to the moves that follow.
    QDragMoveEvent move(QPoint(51, 51), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(scene.view.data(), &move);
    QCOMPARE(move.isAccepted(), enters);
    QDropEvent dropped(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(scene.view.data(), &dropped);
    QCOMPARE(scene.root()->property("drops").toInt(), enters ? 1 : 0);
  }

  // The types a drop area takes and the buttons a drag area answers are
  // followed by the scene's bindings; a write that changes nothing is quiet.
  void dragDropChoicesAreFollowed() {
    Scene scene(
        "Item { property int kinds: drop.mimeTypes.length\n"
        "  property int buttons: drag.acceptedMouseButtons\n"
        "  DropArea { id: drop; objectName: \"drop\" }\n"
        "  DragArea { id: drag; objectName: \"drag\" } }\n");
    QVERIFY2(scene.root(), qPrintable(scene.errors));
    auto* drop = scene.find<DeclarativeDropArea>("drop");
    auto* drag = scene.find<DeclarativeDragArea>("drag");
    QCOMPARE(scene.root()->property("buttons").toInt(), int(Qt::LeftButton));
    QSignalSpy kinds(drop, SIGNAL(mimeTypesChanged()));
    QSignalSpy buttons(drag, SIGNAL(acceptedMouseButtonsChanged()));
    for (int twice = 0; twice < 2; ++twice) {
      drop->setMimeTypes({"text/plain", "application/zent.contact"});
      QVERIFY(drag->setProperty("acceptedMouseButtons",
                                QVariant::fromValue(Qt::MouseButtons(Qt::RightButton))));
    }
    QCOMPARE(scene.root()->property("kinds").toInt(), 2);
    QCOMPARE(scene.root()->property("buttons").toInt(), int(Qt::RightButton));
    QCOMPARE(drag->acceptedMouseButtons(), Qt::MouseButtons(Qt::RightButton));
    QCOMPARE(kinds.count(), 1);
    QCOMPARE(buttons.count(), 1);
  }

  void droppedFilesGiveTheirFirstUrl() {
    Scene scene(
        "Item { property url first; property string second\n"
        "  DropArea { objectName: \"drop\"; width: 100; height: 100\n"
        "    mimeTypes: [\"text/uri-list\"]\n"
        "    onDragEnter: event.accept(Qt.CopyAction)\n"
        "    onDrop: parent.first = event.data.url } }\n");
    QVERIFY2(scene.root(), qPrintable(scene.errors));
    QVERIFY(scene.show());
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile("/tmp/me.png"), QUrl::fromLocalFile("/tmp/other.png")});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(scene.view.data(), &enter);
    QDropEvent dropped(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(scene.view.data(), &dropped);
    QCOMPARE(scene.root()->property("first").toUrl(), QUrl::fromLocalFile("/tmp/me.png"));
  }

  void dropHandlerMayDestroyTheArea() {
    Scene scene(
        "Item { property int drops\n"
        "  DropArea { objectName: \"drop\"; width: 100; height: 100\n"
        "    mimeTypes: [\"text/plain\"]\n"
        "    onDragEnter: event.accept(Qt.CopyAction)\n"
        "    onDrop: { parent.drops++; destroy() } } }\n");
    QVERIFY2(scene.root(), qPrintable(scene.errors));
    QVERIFY(scene.show());
    QPointer<DeclarativeDropArea> area = scene.find<DeclarativeDropArea>("drop");
    QMimeData mime;
    mime.setText("hello");
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(scene.view.data(), &enter);
    QDropEvent dropped(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(scene.view.data(), &dropped);
    QCOMPARE(scene.root()->property("drops").toInt(), 1);
    QTRY_VERIFY(!area);
  }

  // The items together in one scene, as a user sees them; the picture is
  // kept when ZENT_SCREENSHOT_DIR names a folder.
  void itemsTogether() {
    QStringListModel names(QStringList({"alice", "bob", "carol"}));
    Scene scene(
        "Rectangle { color: \"#ffffff\"\n"
        "  Column { x: 10; y: 10; spacing: 10; width: 300\n"
        "    LoginComboBox { objectName: \"login\"; width: 300; height: 28\n"
        "      placeholderText: \"Enter your username and some more words to overflow\" }\n"
        "    ComboBox { objectName: \"choice\"; width: 300; height: 28; editable: false\n"
        "      Component.onCompleted: setItems([\"Demo configuration\", \"Second\"]) }\n"
        "    CenteredFlow { width: 300; spacing: 5\n"
        "      Repeater { model: [\"Today\", \"Last week\", \"Last month\", \"Everything\"]\n"
        "        Rectangle { width: 90; height: 24; radius: 3; color: \"#3399CC\"\n"
        "          Text { anchors.centerIn: parent; text: modelData; color: \"white\" } } } }\n"
        "    Pixmap { objectName: \"avatar\"; maxSize: Qt.size(64, 64); crop: true\n"
        "      width: size.width; height: size.height }\n"
        "    WebView2 { objectName: \"web\"; width: 300; height: 80\n"
        "      html: \"<body style='font-family:sans-serif;background:#eff8ff'>"
        "<b>Alice</b>: hello <a href='https://example.org'>example.org</a></body>\" } } }\n",
        QSize(320, 330), "names", &names);
    QVERIFY2(scene.root(), qPrintable(scene.errors));
    QImage avatar(120, 80, QImage::Format_RGB32);
    avatar.fill(QColor("#99ccff"));
    scene.find<QML::QmlPixmap>("avatar")->setPixmap(QVariant::fromValue(avatar));
    scene.find<QML::QComboBoxQmlAdapter>("login")->setModel(&names);
    QVERIFY(scene.show());
    auto* web = scene.find<QQuickItem>("web");
    QTRY_VERIFY(web->property("status").toInt() == 0 &&
                QColor(scene.view->grabFramebuffer().pixel(
                    web->mapToScene(QPointF(290, 70)).toPoint())) == QColor("#eff8ff"));
    const QImage shot = scene.view->grabFramebuffer();
    const QPoint avatarCentre = scene.centreOf(scene.find<QQuickItem>("avatar"));
    QCOMPARE(QColor(shot.pixel(avatarCentre)), QColor("#99ccff"));
    const QString dir = qEnvironmentVariable("ZENT_SCREENSHOT_DIR");
    if (!dir.isEmpty()) QVERIFY(shot.save(QDir(dir).filePath("qml_items.png")));
  }

  void mimeDataCopiesEverything() {
    DeclarativeMimeData original;
    original.setText("t");
    original.setColor(QColor(Qt::red));
    original.setData("application/zent.contact", "c");
    QQuickItem source;
    original.setSource(&source);
    DeclarativeMimeData copy(&original);
    QCOMPARE(copy.text(), QString("t"));
    QCOMPARE(copy.color(), QColor(Qt::red));
    QCOMPARE(copy.data("application/zent.contact"), QByteArray("c"));
    QCOMPARE(copy.source(), &source);
    DeclarativeMimeData empty;
    QVERIFY(!empty.color().isValid());
    QVERIFY(empty.url().isEmpty());
  }
};

ZENT_TEST_MAIN(TestQmlItems, QApplication)
#include "tst_qml_items.moc"
