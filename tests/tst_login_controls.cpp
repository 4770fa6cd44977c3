// The shared QML controls: each loads cleanly with and without a theme
// object, follows the theme's colours, and works from the keyboard.

#include "TestSupport.h"

#include <QColor>
#include <QFont>
#include <QMetaProperty>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTemporaryDir>
#include <QVariantMap>

#include <memory>

#include "libqml/utils/Style.h"

namespace {

// Just enough of the theme object for the controls: the colour map and the
// font family, with their change signals.
class FakeStyle : public QObject {
  Q_OBJECT
  Q_PROPERTY(QVariantMap colors READ colors NOTIFY colorsChanged)
  Q_PROPERTY(QVariant fontFamily READ fontFamily NOTIFY fontFamilyChanged)
 public:
  QVariantMap colors() const { return m_colors; }
  QVariant fontFamily() const { return m_font; }
  void setColor(const QString& name, const QString& value) {
    m_colors[name] = value;
    emit colorsChanged();
  }
  void setColors(const QVariantMap& colors) {
    m_colors = colors;
    emit colorsChanged();
  }
 signals:
  void colorsChanged();
  void fontFamilyChanged();

 private:
  QVariantMap m_colors{{"activeBackground", "#3399CC"}, {"loginBackground", "#FFFFFF"}};
  QVariant m_font{QStringLiteral("DejaVu Sans")};
};

bool isQmlWarning(const QString& msg) {
  return msg.contains(QLatin1String(".qml:")) || msg.contains(QLatin1String("qrc:/")) ||
         msg.contains(QLatin1String("ReferenceError")) || msg.contains(QLatin1String("TypeError"));
}

}  // namespace

class TestLoginControls : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void controlsLoadCleanly_data();
  void controlsLoadCleanly();
  void paletteFollowsTheme();
  void paletteIsOneSingleton();
  void paletteDefaultsAreTheThemes();
  void labelTypeRoles();
  void labelTextIsPlain_data();
  void labelTextIsPlain();

  void buttonKeys();
  void disabledButtonIgnoresKeysAndClicks();
  void textFieldTypingAndPassword();
  void textFieldEnterReachesScene();
  void checkBoxSpaceToggles();
  void comboBoxKeyboard();
  void comboBoxCompletionIsCaseSensitive();
  void readOnlyComboBoxPicksFromList();
  void linkKeys();
  void busyIndicatorStops();

 private:
  // Loads a scene made of `body` inside a root item that imports the
  // controls; returns the root or null (with the reason as a failure).
  QQuickItem* load(const QByteArray& body, bool withStyle = true);
  QQuickItem* item(const char* name) const;
  void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier);
  void type(const QString& text);
  QStringList qmlWarnings();

  QTemporaryDir m_dir;
  std::unique_ptr<FakeStyle> m_style;
  std::unique_ptr<QQuickWidget> m_widget;
  int m_fileNo = 0;
};

void TestLoginControls::init() {
  ZentTest::takeMessages();
  m_style = std::make_unique<FakeStyle>();
}

void TestLoginControls::cleanup() {
  m_widget.reset();
  m_style.reset();
}

QQuickItem* TestLoginControls::load(const QByteArray& body, bool withStyle) {
  const QString path = m_dir.filePath(QStringLiteral("scene%1.qml").arg(++m_fileNo));
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return nullptr;
  f.write(
      "import QtQuick 2.15\nimport \"qrc:/controls\"\n"
      "FocusScope {\n id: root\n width: 300; height: 300\n focus: true\n"
      " property int enterCount: 0\n"
      " Keys.onReturnPressed: enterCount++\n"
      " Keys.onEnterPressed: enterCount++\n");
  f.write(body);
  f.write("\n}\n");
  f.close();

  m_widget = std::make_unique<QQuickWidget>();
  if (withStyle)
    m_widget->rootContext()->setContextProperty(QStringLiteral("zentStyle"), m_style.get());
  m_widget->setResizeMode(QQuickWidget::SizeRootObjectToView);
  m_widget->resize(300, 300);
  m_widget->setSource(QUrl::fromLocalFile(path));
  if (m_widget->status() != QQuickWidget::Ready) {
    for (const QQmlError& e : m_widget->errors()) qWarning() << e.toString();
    return nullptr;
  }
  m_widget->show();
  m_widget->activateWindow();
  m_widget->setFocus();
  return m_widget->rootObject();
}

QQuickItem* TestLoginControls::item(const char* name) const {
  return m_widget->rootObject()->findChild<QQuickItem*>(QString::fromLatin1(name));
}

void TestLoginControls::key(int k, Qt::KeyboardModifiers mods) {
  QTest::keyClick(m_widget.get(), Qt::Key(k), mods);
}

void TestLoginControls::type(const QString& text) { QTest::keyClicks(m_widget.get(), text); }

QStringList TestLoginControls::qmlWarnings() {
  QStringList out;
  for (const QString& m : ZentTest::takeMessages())
    if (isQmlWarning(m)) out << m;
  return out;
}

void TestLoginControls::controlsLoadCleanly_data() {
  QTest::addColumn<QByteArray>("body");
  QTest::addColumn<bool>("withStyle");
  const QList<QByteArray> bodies = {
      "ZButton { text: \"Sign In\"; primary: true }",
      "ZButton { text: \"Cancel\"; enabled: false }",
      "ZTextField { placeholderText: \"Enter your username\" }",
      "ZTextField { password: true; text: \"x\"; enabled: false }",
      "ZCheckBox { text: \"Remember password\"; checked: true }",
      "ZComboBox { model: [\"a\", \"b\"]; placeholderText: \"p\" }",
      "ZComboBox { editable: false; model: [] }",
      "ZBusyIndicator { running: true }",
      "ZLink { text: \"Help\" }",
      "ZLabel { text: \"<b>Bob</b>\" }",
  };
  for (const QByteArray& b : bodies) {
    QTest::newRow(b.left(b.indexOf(' ')) + " " + QByteArray::number(bodies.indexOf(b)) + " themed")
        << b << true;
    QTest::newRow(b.left(b.indexOf(' ')) + " " + QByteArray::number(bodies.indexOf(b)) + " plain")
        << b << false;
  }
}

void TestLoginControls::controlsLoadCleanly() {
  QFETCH(QByteArray, body);
  QFETCH(bool, withStyle);
  QVERIFY(load(body, withStyle));
  // Deferred bindings and the first animation frames run from the loop.
  QCoreApplication::processEvents();
  const QStringList warnings = qmlWarnings();
  QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
}

void TestLoginControls::paletteFollowsTheme() {
  QQuickItem* root = load(
      "property color accent: ZPalette.accent\n"
      "property color link: ZPalette.link\n"
      "property string family: ZPalette.fontFamily\n");
  QVERIFY(root);
  QCOMPARE(root->property("accent").value<QColor>(), QColor("#3399CC"));
  // A colour the theme lacks falls back to the built-in one.
  QCOMPARE(root->property("link").value<QColor>(), QColor("#006699"));
  QCOMPARE(root->property("family").toString(), QStringLiteral("DejaVu Sans"));

  m_style->setColor("activeBackground", "#112233");
  QCOMPARE(root->property("accent").value<QColor>(), QColor("#112233"));
  m_style->setColor("loginHighlightText", "#445566");
  QCOMPARE(root->property("link").value<QColor>(), QColor("#445566"));
  // An emptied value must not turn into black.
  m_style->setColor("activeBackground", "");
  QCOMPARE(root->property("accent").value<QColor>(), QColor("#3399CC"));
  QVERIFY(qmlWarnings().isEmpty());
}

// The palette is one object per engine: every control and the scene read the
// same one, and a control cannot make its own.
void TestLoginControls::paletteIsOneSingleton() {
  QQuickItem* root = load(
      "property var first: ZPalette\n"
      "ZButton { objectName: \"b\"; property var palette: ZPalette }\n"
      "ZLabel { objectName: \"l\"; property var palette: ZPalette }\n");
  QVERIFY(root);
  QObject* shared = root->property("first").value<QObject*>();
  QVERIFY(shared);
  QCOMPARE(item("b")->property("palette").value<QObject*>(), shared);
  QCOMPARE(item("l")->property("palette").value<QObject*>(), shared);
  QVERIFY(!load("ZPalette { }"));
}

// Every colour of the palette reads one colour of the theme, and without a
// theme shows that colour's default in the theme itself: a scene looks the
// same with and without the theme object, and no colour has two defaults.
void TestLoginControls::paletteDefaultsAreTheThemes() {
  // A theme in which every colour is different tells which one each
  // palette colour reads.
  const QStringList names = QML::Style().colors().keys();
  QVariantMap unique;
  for (int i = 0; i < names.size(); ++i)
    unique.insert(names.at(i), QColor(0x10, 0x20, i + 1).name());
  m_style->setColors(unique);
  QVERIFY(load("property var palette: ZPalette"));
  QObject* palette = m_widget->rootObject()->property("palette").value<QObject*>();
  QVERIFY(palette);
  QMap<QByteArray, QString> themeNameOf;
  const QMetaObject* meta = palette->metaObject();
  for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
    const QMetaProperty p = meta->property(i);
    if (p.userType() != QMetaType::QColor) continue;
    const QColor c = p.read(palette).value<QColor>();
    const QString name = unique.key(c.name());
    QVERIFY2(!name.isEmpty(), p.name());
    themeNameOf.insert(p.name(), name);
  }
  QVERIFY(themeNameOf.contains("secondaryText"));

  QVERIFY(load("property var palette: ZPalette", false));
  palette = m_widget->rootObject()->property("palette").value<QObject*>();
  for (auto it = themeNameOf.constBegin(); it != themeNameOf.constEnd(); ++it) {
    const QColor shown = palette->property(it.key()).value<QColor>();
    const QColor theme(QML::Style::defaultColor(it.value()).toString());
    QVERIFY2(shown == theme, qPrintable(QStringLiteral("%1 (%2): %3, the theme's %4")
                                            .arg(QString::fromLatin1(it.key()), it.value(),
                                                 shown.name(), theme.name())));
  }
  QVERIFY(qmlWarnings().isEmpty());
}

// A label's size and weight come from its type role; a label that stands out
// within its role keeps the role's size, and a role changed later applies.
void TestLoginControls::labelTypeRoles() {
  QQuickItem* root = load(
      "property bool small: false\n"
      "ZLabel { objectName: \"body\"; text: \"a\" }\n"
      "ZLabel { objectName: \"caption\"; text: \"a\"; type: ZPalette.caption }\n"
      "ZLabel { objectName: \"title\"; text: \"a\"; type: ZPalette.title }\n"
      "ZLabel { objectName: \"strong\"; text: \"a\"; font.weight: Font.Bold }\n"
      "ZLabel { objectName: \"switch\"; text: \"a\"; type: root.small ? ZPalette.caption : "
      "ZPalette.body;"
      " font.italic: true }\n"
      "ZButton { objectName: \"primary\"; text: \"Go\"; primary: true }\n"
      "ZButton { objectName: \"plain\"; text: \"Go\" }\n");
  QVERIFY(root);
  auto font = [this](const char* name) { return item(name)->property("font").value<QFont>(); };
  QCOMPARE(font("body").family(), QStringLiteral("DejaVu Sans"));
  QVERIFY(font("caption").pixelSize() < font("body").pixelSize());
  QVERIFY(font("body").pixelSize() < font("title").pixelSize());
  QVERIFY(!font("body").bold());
  QVERIFY(font("title").bold());
  QCOMPARE(font("strong").pixelSize(), font("body").pixelSize());
  QVERIFY(font("strong").bold());
  QCOMPARE(font("switch").pixelSize(), font("body").pixelSize());
  root->setProperty("small", true);
  QCOMPARE(font("switch").pixelSize(), font("caption").pixelSize());
  QVERIFY(font("switch").italic());
  // The button's own emphasis survives its label's role.
  QVERIFY(font("primary").bold());
  QVERIFY(!font("plain").bold());
  QCOMPARE(font("plain").pixelSize(), font("body").pixelSize());
  QVERIFY(qmlWarnings().isEmpty());
}

// A label shows outside text as typed: markup is neither obeyed nor lost.
void TestLoginControls::labelTextIsPlain_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("bold") << "<b>Bob</b>";
  QTest::newRow("link") << "<a href=\"javascript://host/x\">click</a>";
  QTest::newRow("image") << "<img src=\"file://host/etc/passwd\">";
  QTest::newRow("entity") << "Tom &amp; Jerry";
}

void TestLoginControls::labelTextIsPlain() {
  QFETCH(QString, text);
  QQuickItem* root = load("ZLabel { objectName: \"l\" }");
  QVERIFY(root);
  QQuickItem* label = item("l");
  label->setProperty("text", text);
  QCOMPARE(label->property("textFormat").toInt(), 0);  // Text.PlainText
  QCOMPARE(label->property("text").toString(), text);
  QCOMPARE(label->property("color").value<QColor>(), QColor("#333333"));
  QVERIFY(qmlWarnings().isEmpty());
}

void TestLoginControls::buttonKeys() {
  QQuickItem* root = load(
      "property int clicks: 0\n"
      "ZButton { objectName: \"b\"; text: \"Go\"; focus: true; onClicked: root.clicks++ }");
  QVERIFY(root);
  QQuickItem* b = item("b");
  QTRY_VERIFY(b->hasActiveFocus());
  key(Qt::Key_Space);
  QCOMPARE(root->property("clicks").toInt(), 1);
  key(Qt::Key_Return);
  key(Qt::Key_Enter);
  QCOMPARE(root->property("clicks").toInt(), 3);
  // The button takes Enter itself: the scene does not act twice.
  QCOMPARE(root->property("enterCount").toInt(), 0);
  QTest::mouseClick(m_widget.get(), Qt::LeftButton, {}, b->mapToScene(QPointF(5, 5)).toPoint());
  QCOMPARE(root->property("clicks").toInt(), 4);
  QVERIFY(qmlWarnings().isEmpty());
}

void TestLoginControls::disabledButtonIgnoresKeysAndClicks() {
  QQuickItem* root = load(
      "property int clicks: 0\n"
      "ZButton { objectName: \"b\"; text: \"Go\"; enabled: false; focus: true;"
      " onClicked: root.clicks++ }");
  QVERIFY(root);
  QQuickItem* b = item("b");
  QVERIFY(!b->hasActiveFocus());
  key(Qt::Key_Space);
  key(Qt::Key_Return);
  QTest::mouseClick(m_widget.get(), Qt::LeftButton, {}, b->mapToScene(QPointF(5, 5)).toPoint());
  QCOMPARE(root->property("clicks").toInt(), 0);
  b->setEnabled(true);
  b->forceActiveFocus();
  QTRY_VERIFY(b->hasActiveFocus());
  key(Qt::Key_Space);
  QCOMPARE(root->property("clicks").toInt(), 1);
}

void TestLoginControls::textFieldTypingAndPassword() {
  QQuickItem* root = load(
      "ZTextField { objectName: \"t\"; focus: true }\n"
      "ZTextField { objectName: \"p\"; y: 50; password: true }");
  QVERIFY(root);
  QQuickItem* t = item("t");
  QTRY_VERIFY(t->hasActiveFocus());
  type(QStringLiteral("alice"));
  QCOMPARE(t->property("text").toString(), QStringLiteral("alice"));
  key(Qt::Key_A, Qt::ControlModifier);
  QCOMPARE(t->property("selectedText").toString(), QStringLiteral("alice"));

  QQuickItem* p = item("p");
  p->forceActiveFocus();
  type(QStringLiteral("pw1"));
  QCOMPARE(p->property("text").toString(), QStringLiteral("pw1"));
  QObject* input = p->property("input").value<QObject*>();
  QVERIFY(input);
  QCOMPARE(input->property("displayText").toString(), QStringLiteral("***"));
  // A password never leaves through the clipboard.
  QMetaObject::invokeMethod(p, "selectAll");
  QCOMPARE(p->property("selectedText").toString(), QString());
}

void TestLoginControls::textFieldEnterReachesScene() {
  QQuickItem* root = load(
      "property int accepted: 0\n"
      "ZTextField { objectName: \"t\"; focus: true; onAccepted: root.accepted++ }");
  QVERIFY(root);
  QTRY_VERIFY(item("t")->hasActiveFocus());
  key(Qt::Key_Return);
  QCOMPARE(root->property("accepted").toInt(), 1);
  QCOMPARE(root->property("enterCount").toInt(), 1);
}

void TestLoginControls::checkBoxSpaceToggles() {
  QQuickItem* root = load(
      "property int toggles: 0\n"
      "ZCheckBox { objectName: \"c\"; text: \"Remember password\"; focus: true;"
      " onToggled: root.toggles++ }");
  QVERIFY(root);
  QQuickItem* c = item("c");
  QTRY_VERIFY(c->hasActiveFocus());
  key(Qt::Key_Space);
  QVERIFY(c->property("checked").toBool());
  key(Qt::Key_Space);
  QVERIFY(!c->property("checked").toBool());
  QCOMPARE(root->property("toggles").toInt(), 2);
  // A click on the label toggles too.
  QTest::mouseClick(m_widget.get(), Qt::LeftButton, {},
                    c->mapToScene(QPointF(c->width() - 5, c->height() / 2)).toPoint());
  QVERIFY(c->property("checked").toBool());
  // Disabled: neither a click nor Space changes it.
  c->setEnabled(false);
  QTest::mouseClick(m_widget.get(), Qt::LeftButton, {}, c->mapToScene(QPointF(5, 5)).toPoint());
  key(Qt::Key_Space);
  QVERIFY(c->property("checked").toBool());
  QCOMPARE(root->property("toggles").toInt(), 3);
}

void TestLoginControls::comboBoxKeyboard() {
  QQuickItem* root = load(
      "property int activations: 0\n"
      "ZComboBox { objectName: \"c\"; width: 200; focus: true;"
      " model: [\"anna\", \"bert\", \"carl\"]; onActivated: root.activations++ }");
  QVERIFY(root);
  QQuickItem* c = item("c");
  QTRY_VERIFY(c->hasActiveFocus());
  QCOMPARE(c->property("count").toInt(), 3);
  key(Qt::Key_Down);
  QCOMPARE(c->property("editText").toString(), QStringLiteral("anna"));
  key(Qt::Key_Down);
  key(Qt::Key_Down);
  key(Qt::Key_Down);  // stays on the last entry
  QCOMPARE(c->property("editText").toString(), QStringLiteral("carl"));
  QCOMPARE(c->property("currentIndex").toInt(), 2);
  key(Qt::Key_Up);
  QCOMPARE(c->property("editText").toString(), QStringLiteral("bert"));

  // Alt+Down opens the list, Down moves in it, Return picks and closes it
  // without reaching the scene.
  key(Qt::Key_Down, Qt::AltModifier);
  QVERIFY(c->property("popupVisible").toBool());
  key(Qt::Key_Down);
  key(Qt::Key_Return);
  QVERIFY(!c->property("popupVisible").toBool());
  QCOMPARE(c->property("editText").toString(), QStringLiteral("carl"));
  QCOMPARE(root->property("enterCount").toInt(), 0);
  // Escape closes an open list without changing the text.
  key(Qt::Key_F4);
  QVERIFY(c->property("popupVisible").toBool());
  key(Qt::Key_Escape);
  QVERIFY(!c->property("popupVisible").toBool());
  QCOMPARE(c->property("editText").toString(), QStringLiteral("carl"));
  // With the list closed, Return belongs to the scene.
  key(Qt::Key_Return);
  QCOMPARE(root->property("enterCount").toInt(), 1);
  QVERIFY(root->property("activations").toInt() >= 4);
  QVERIFY(qmlWarnings().isEmpty());
}

void TestLoginControls::comboBoxCompletionIsCaseSensitive() {
  QQuickItem* root = load(
      "ZComboBox { objectName: \"c\"; width: 200; focus: true;"
      " model: [\"Anna\", \"anton\", \"bert\"] }");
  QVERIFY(root);
  QQuickItem* c = item("c");
  QTRY_VERIFY(c->hasActiveFocus());
  type(QStringLiteral("an"));
  QVERIFY(c->property("popupVisible").toBool());
  key(Qt::Key_Return);
  QCOMPARE(c->property("editText").toString(), QStringLiteral("anton"));
  // No entry starts with this: the list stays closed, the text is kept.
  key(Qt::Key_A, Qt::ControlModifier);
  type(QStringLiteral("zed"));
  QVERIFY(!c->property("popupVisible").toBool());
  QCOMPARE(c->property("editText").toString(), QStringLiteral("zed"));
  QCOMPARE(c->property("currentIndex").toInt(), 1);
}

void TestLoginControls::readOnlyComboBoxPicksFromList() {
  QQuickItem* root = load(
      "ZComboBox { objectName: \"c\"; width: 200; focus: true; editable: false;"
      " currentIndex: 1; model: [\"first\", \"second\"] }");
  QVERIFY(root);
  QQuickItem* c = item("c");
  QTRY_COMPARE(c->property("editText").toString(), QStringLiteral("second"));
  QTRY_VERIFY(c->hasActiveFocus());
  type(QStringLiteral("x"));  // not editable: typing changes nothing
  QCOMPARE(c->property("editText").toString(), QStringLiteral("second"));
  key(Qt::Key_Space);
  QVERIFY(c->property("popupVisible").toBool());
  key(Qt::Key_Up);
  key(Qt::Key_Return);
  QCOMPARE(c->property("currentIndex").toInt(), 0);
  QCOMPARE(c->property("editText").toString(), QStringLiteral("first"));
}

void TestLoginControls::linkKeys() {
  QQuickItem* root = load(
      "property int clicks: 0\n"
      "ZLink { objectName: \"l\"; text: \"Help\"; focus: true; onClicked: root.clicks++ }");
  QVERIFY(root);
  QTRY_VERIFY(item("l")->hasActiveFocus());
  key(Qt::Key_Return);
  key(Qt::Key_Space);
  QCOMPARE(root->property("clicks").toInt(), 2);
  QCOMPARE(root->property("enterCount").toInt(), 0);
}

void TestLoginControls::busyIndicatorStops() {
  QQuickItem* root = load("ZBusyIndicator { objectName: \"b\"; running: false }");
  QVERIFY(root);
  QQuickItem* b = item("b");
  QVERIFY(!b->isVisible());
  b->setProperty("running", true);
  QVERIFY(b->isVisible());
  QVERIFY(b->width() > 0);
}

ZENT_TEST_MAIN(TestLoginControls, QApplication)
#include "tst_login_controls.moc"
