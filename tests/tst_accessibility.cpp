// The windows as a screen reader reads them: through QAccessible, the
// interface the desktop's accessibility bridge turns into its own tree. Each
// window's tree is walked from the window the user sees down to every item
// and back up; an interactive item without a name, a button a reader's
// press does nothing for, a greyed control said to be usable (or a usable
// one greyed), a Tab stop that is not said to be focusable, a
// hidden item in the tree (or said to be shown), a text the window shows
// that no node of the tree holds, or a child that does not know its parent
// fails. Then the roads a screen-reader user takes: signing in by
// name, the contact list read and moved through with the arrows, the left
// pane pressed and reached with Tab, Preferences fields named by their
// labels, a call answered, and the question windows.
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QtTest>

#include <functional>

// The platform's accessibility, switched on as a reader's arrival does.
// Qt's private headers are not written for our warnings.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow"
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QtQuick/private/qquickitem_p.h>
#pragma GCC diagnostic pop

#include <RAZ/Client.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/ChatDemo.h>
#include <RAZ/Demo/CommsScript.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/Sessions/SessionManagerBase.h>

#include "Application.h"
#include "DemoPeople.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "Utils/Accessibility.h"
#include "Utils/ZentUrlHandler.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "dialogs/LocationPublish.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/PreferencesWindow.h"
#include "libqml/components/CallSettings.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/ContactCard.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/components/PresenceRequestDialog.h"
#include "libqml/window/View.h"

using ZentTest::Scenario;
using ZentTest::SceneDriver;

using namespace ZentTest::DemoPeople;

namespace {

const bool g_environment = Scenario::prepare("zent-accessibility-");

QAccessibleInterface* accessibleOf(QObject* object) {
  return object ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

QString describe(QAccessibleInterface* iface) {
  if (!iface) return QStringLiteral("<none>");
  QObject* o = iface->object();
  return QStringLiteral("%1 \"%2\" (%3 %4)")
      .arg(QString::number(iface->role(), 16), iface->text(QAccessible::Name),
           o ? QString::fromLatin1(o->metaObject()->className()) : QStringLiteral("-"),
           o ? o->objectName() : QString());
}

bool isInteractive(QAccessible::Role role) {
  switch (role) {
    case QAccessible::Button:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::Link:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::PageTab:
    case QAccessible::ListItem:
    case QAccessible::Heading:
      return true;
    default:
      return false;
  }
}

// Whether a list draws the item: a row it keeps aside for reuse is culled,
// not hidden.
bool drawn(QQuickItem* item) { return item->isVisible() && !QQuickItemPrivate::get(item)->culled; }

// Whether the user can see the object at all: it, its ancestors and its
// window shown, none of them fully transparent.
bool reallyShown(QObject* object) {
  if (auto* widget = qobject_cast<QWidget*>(object)) {
    // Qt's own item views (a combo box's list, a list on a page not shown)
    // never say they are hidden; that is Qt's to mend.
    if (widget->inherits("QAbstractItemView")) return true;
    return widget->isVisible();
  }
  auto* item = qobject_cast<QQuickItem*>(object);
  if (!item) return true;
  for (QQuickItem* i = item; i; i = i->parentItem())
    if (!drawn(i) || i->opacity() <= 0) return false;
  return true;
}

// Whether the scene answers a reader's press (or toggle) of the item: its
// Accessible attached object has a handler for the action. The protected
// check is reached through a member pointer named by a subclass, which
// calls it on the object as it is (no cast to a type it is not).
struct SignalPeek : QObject {
  using QObject::isSignalConnected;
};
bool answersPress(QQuickItem* item) {
  bool (QObject::*isConnected)(const QMetaMethod&) const = &SignalPeek::isSignalConnected;
  for (QObject* child : item->children()) {
    if (!child->inherits("QQuickAccessibleAttached")) continue;
    const QMetaObject* meta = child->metaObject();
    for (const char* signal : {"pressAction()", "toggleAction()"}) {
      const int index = meta->indexOfSignal(signal);
      if (index >= 0 && (child->*isConnected)(meta->method(index))) return true;
    }
  }
  return false;
}

bool needsPress(QAccessible::Role role) {
  switch (role) {
    case QAccessible::Button:
    case QAccessible::ButtonMenu:
    case QAccessible::CheckBox:
    case QAccessible::Link:
    case QAccessible::PageTab:
      return true;
    default:
      return false;
  }
}

// Everything a walk from one window finds.
struct Tree {
  QList<QAccessibleInterface*> nodes;
  QStringList problems;

  QList<QAccessibleInterface*> find(std::function<bool(QAccessibleInterface*)> pred) const {
    QList<QAccessibleInterface*> out;
    for (QAccessibleInterface* i : nodes)
      if (pred(i)) out << i;
    return out;
  }
  QAccessibleInterface* named(QAccessible::Role role, const QString& name) const {
    const auto found = find([&](QAccessibleInterface* i) {
      return i->role() == role && i->text(QAccessible::Name) == name && !i->state().invisible;
    });
    return found.value(0);
  }
  // Every node, for a failure message.
  QString dump() const {
    QStringList out;
    for (QAccessibleInterface* i : nodes)
      out << describe(i) + (i->state().invisible ? QStringLiteral(" [hidden]") : QString());
    return out.join(QLatin1Char('\n'));
  }
  QString names(QAccessible::Role role) const {
    QStringList out;
    for (QAccessibleInterface* i : nodes)
      if (i->role() == role && !i->state().invisible) out << i->text(QAccessible::Name);
    return out.join(QStringLiteral(" | "));
  }
};

void walk(QAccessibleInterface* iface, Tree* tree, int depth) {
  if (depth > 80) {
    tree->problems << QStringLiteral("too deep at %1").arg(describe(iface));
    return;
  }
  const int count = iface->childCount();
  for (int i = 0; i < count; ++i) {
    QAccessibleInterface* child = iface->child(i);
    if (!child) {
      tree->problems << QStringLiteral("child %1 of %2 is missing").arg(i).arg(describe(iface));
      continue;
    }
    tree->nodes << child;
    QAccessibleInterface* parent = child->parent();
    if (!parent || parent->object() != iface->object())
      tree->problems << QStringLiteral("%1 names %2 as its parent, not %3")
                            .arg(describe(child), describe(parent), describe(iface));
    if (iface->indexOfChild(child) != i)
      tree->problems << QStringLiteral("%1 is child %2 of %3, which says %4")
                            .arg(describe(child))
                            .arg(i)
                            .arg(describe(iface))
                            .arg(iface->indexOfChild(child));
    const QAccessible::State state = child->state();
    const QString name = child->text(QAccessible::Name);
    if (!state.invisible && isInteractive(child->role()) && name.trimmed().isEmpty())
      tree->problems << QStringLiteral("%1 has no name").arg(describe(child));
    if (!state.invisible && !reallyShown(child->object()))
      tree->problems << QStringLiteral("%1 is hidden but said to be shown").arg(describe(child));
    if (auto* item = qobject_cast<QQuickItem*>(child->object())) {
      if (!drawn(item))
        tree->problems << QStringLiteral("%1 is hidden but in the tree").arg(describe(child));
      if (needsPress(child->role()) && item->isEnabled() && !answersPress(item))
        tree->problems << QStringLiteral("%1 does nothing when pressed").arg(describe(child));
      if (!state.invisible && state.disabled == item->isEnabled())
        tree->problems << QStringLiteral("%1 is %2 but said to be %3")
                              .arg(describe(child),
                                   item->isEnabled() ? QStringLiteral("usable")
                                                     : QStringLiteral("greyed"),
                                   state.disabled ? QStringLiteral("disabled")
                                                  : QStringLiteral("enabled"));
      if (item->activeFocusOnTab() && item->isEnabled() && !state.focusable)
        tree->problems
            << QStringLiteral("%1 is a Tab stop not said to be one").arg(describe(child));
    }
    walk(child, tree, depth + 1);
  }
}

// What a node says, in every form a reader gets it.
QString spoken(QAccessibleInterface* i) {
  return i->text(QAccessible::Name) + QLatin1Char('\n') + i->text(QAccessible::Description) +
         QLatin1Char('\n') + i->text(QAccessible::Value);
}

// Every text the window's scenes show that no node of the tree holds: the
// text item is not in the tree, and no node says it.
void findUnreadTexts(QQuickItem* item, const Tree& tree, const QString& said, QStringList* out) {
  if (!drawn(item) || item->opacity() <= 0) return;
  bool ignored = false;
  for (QObject* child : item->children())
    if (child->inherits("QQuickAccessibleAttached")) ignored = child->property("ignored").toBool();
  if (item->inherits("QQuickText") && !ignored) {
    QString text = item->property("text").toString();
    if (item->property("textFormat").toInt() == 1 /* Text.RichText */ ||
        text.contains(QLatin1Char('<')))
      text = QTextDocumentFragment::fromHtml(text).toPlainText();
    text = text.trimmed();
    static const QRegularExpression words(QStringLiteral("[\\p{L}\\p{N}]"));
    const bool inTree =
        !tree.find([item](QAccessibleInterface* i) { return i->object() == item; }).isEmpty();
    if (!inTree && text.contains(words) && !said.contains(text))
      *out << QStringLiteral("\"%1\" (%2)").arg(text, item->objectName());
  }
  const auto children = item->childItems();
  for (QQuickItem* child : children) findUnreadTexts(child, tree, said, out);
}

// The tree of a window, with its own problems; the window itself first.
Tree treeOf(QWidget* window) {
  Tree tree;
  QAccessibleInterface* root = accessibleOf(window);
  if (!root) {
    tree.problems << QStringLiteral("the window has no accessible interface");
    return tree;
  }
  tree.nodes << root;
  walk(root, &tree, 0);
  int focused = 0;
  for (QAccessibleInterface* i : tree.nodes)
    if (i->state().focused && !i->state().invisible) ++focused;
  if (focused > 1) tree.problems << QStringLiteral("%1 items say they have the focus").arg(focused);
  QString said;
  for (QAccessibleInterface* i : tree.nodes) said += spoken(i) + QLatin1Char('\n');
  QList<QQuickWidget*> views = window->findChildren<QQuickWidget*>();
  if (auto* own = qobject_cast<QQuickWidget*>(window)) views.prepend(own);
  QStringList unread;
  for (QQuickWidget* view : views)
    if (view->isVisible() && view->quickWindow() && view->quickWindow()->contentItem())
      findUnreadTexts(view->quickWindow()->contentItem(), tree, said, &unread);
  if (!unread.isEmpty())
    tree.problems << QStringLiteral("shown but not in the tree: %1").arg(unread.join(", "));
  return tree;
}

#define VERIFY_TREE(tree) \
  QVERIFY2((tree).problems.isEmpty(), qPrintable((tree).problems.join('\n')))

// The deepest interface that has the keyboard focus, as a screen reader
// finds it from the window.
QAccessibleInterface* focusOf(QWidget* window) {
  QAccessibleInterface* iface = accessibleOf(window);
  for (int guard = 0; iface && guard < 80; ++guard) {
    QAccessibleInterface* next = iface->focusChild();
    if (!next || next == iface) break;
    iface = next;
  }
  return iface;
}

// Whether `iface` hangs under `window` when walked upwards.
bool liesUnder(QAccessibleInterface* iface, QWidget* window) {
  for (int guard = 0; iface && guard < 100; ++guard) {
    if (iface->object() == window) return true;
    iface = iface->parent();
  }
  return false;
}

// Focus events as the bridge receives them, and every text an event about
// a text or a value hands it, with the object it is about.
QStringList g_focusEvents;
QList<QPair<QPointer<QObject>, QString>> g_eventTexts;
void recordEvent(QAccessibleEvent* event) {
  QAccessibleInterface* iface = event->accessibleInterface();
  if (!iface) return;
  QPointer<QObject> object = iface->object();
  switch (event->type()) {
    case QAccessible::Focus:
      g_focusEvents << iface->text(QAccessible::Name);
      break;
    case QAccessible::TextInserted:
      g_eventTexts << qMakePair(object,
                                static_cast<QAccessibleTextInsertEvent*>(event)->textInserted());
      break;
    case QAccessible::TextRemoved:
      g_eventTexts << qMakePair(object,
                                static_cast<QAccessibleTextRemoveEvent*>(event)->textRemoved());
      break;
    case QAccessible::TextUpdated: {
      auto* update = static_cast<QAccessibleTextUpdateEvent*>(event);
      g_eventTexts << qMakePair(object, update->textRemoved())
                   << qMakePair(object, update->textInserted());
      break;
    }
    case QAccessible::ValueChanged:
      g_eventTexts << qMakePair(
          object, static_cast<QAccessibleValueChangeEvent*>(event)->value().toString());
      break;
    case QAccessible::TextCaretMoved:  // says where, not what: heard, with no text
      g_eventTexts << qMakePair(object, QString());
      break;
    case QAccessible::NameChanged:
    case QAccessible::DescriptionChanged:
      g_eventTexts << qMakePair(object, spoken(iface));
      break;
    default:
      break;
  }
}

// The alerts and text changes told to a reader, with what they say (the
// headless platform has no bridge: Qt drops its events, ours are heard).
QStringList g_alerts;
QStringList g_textChanges;
void recordAnnouncement(int type, QObject*, const QString& text) {
  if (type == QAccessible::Alert)
    g_alerts << text;
  else
    g_textChanges << text;
}

}  // namespace

class TestAccessibility : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(g_environment);
    // As when a screen reader runs: Qt then gives the scenes' texts and
    // text fields interfaces of their own too.
    QAccessible::setActive(true);
    // Qt hands events on only while the platform says a reader is there;
    // the headless platform's accessibility is told so. Hooked before the
    // first window, where the desktop's bridge would be: what the program
    // hands on to the bridge is what the hook hears.
    QPlatformIntegration* platform = QGuiApplicationPrivate::platformIntegration();
    QVERIFY(platform && platform->accessibility());
    platform->accessibility()->setActive(true);
    QVERIFY(QAccessible::isActive());
    QAccessible::installUpdateHandler(recordEvent);
    REQUIRE(Scenario::start());
    connect(Utils::Accessibility::announcements(), &Utils::Accessibility::Announcements::told, this,
            recordAnnouncement);
  }

  void cleanupTestCase() {
    QAccessible::installUpdateHandler(nullptr);
    Scenario::finish();
  }

  void cleanup() { Scenario::tidy(); }

  // The sign-in window is a frame named by its title; its fields are in it
  // by name, the password field as one.
  void signInWindowIsReadByName() {
    REQUIRE(Scenario::signOut());
    QML::LoginWindow* login = Scenario::app()->loginWindow();
    QVERIFY(login);
    SceneDriver scene = Scenario::loginScene();
    REQUIRE(scene.waitVisible(QStringLiteral("signinButton")));
    QAccessibleInterface* window = accessibleOf(login);
    QCOMPARE(window->role(), QAccessible::Window);
    QVERIFY(!window->text(QAccessible::Name).isEmpty());
    QCOMPARE(window->text(QAccessible::Name), login->windowTitle());

    const Tree tree = treeOf(login);
    VERIFY_TREE(tree);
    QAccessibleInterface* user =
        tree.named(QAccessible::ComboBox, QStringLiteral("Enter your username"));
    QVERIFY2(user, qPrintable(tree.dump()));
    QCOMPARE(user->object()->objectName(), QStringLiteral("usernameCombo"));
    QVERIFY(user->state().editable);
    // What its field shows is read, and a change of it is told.
    REQUIRE(scene.focus(QStringLiteral("usernameCombo")));
    REQUIRE(scene.press(Qt::Key_A, Qt::ControlModifier));
    g_eventTexts.clear();
    REQUIRE(scene.type(QStringLiteral("rdr")));
    QCOMPARE(user->text(QAccessible::Value), QStringLiteral("rdr"));
    QAccessibleTextInterface* shown = user->textInterface();
    QVERIFY(shown);
    QCOMPARE(shown->text(0, shown->characterCount()), QStringLiteral("rdr"));
    QVERIFY(std::any_of(g_eventTexts.begin(), g_eventTexts.end(), [user](const auto& said) {
      return said.first == user->object() && said.second.contains(QLatin1Char('r'));
    }));
    QAccessibleInterface* password =
        tree.named(QAccessible::EditableText, QStringLiteral("Enter your password"));
    QVERIFY2(password, qPrintable(tree.names(QAccessible::EditableText)));
    QVERIFY(password->state().passwordEdit);
    QVERIFY(tree.named(QAccessible::Button, QStringLiteral("Sign In")));
    QVERIFY(tree.named(QAccessible::CheckBox, QStringLiteral("Remember password")));
    // Up from a field the window the user sees is reached.
    QVERIFY(liesUnder(password, login));

    // The field with the keyboard focus is the one a screen reader finds.
    REQUIRE(scene.focus(QStringLiteral("passwordField")));
    QAccessibleInterface* focus = focusOf(login);
    QCOMPARE(describe(focus), describe(password));
    QVERIFY(focus->state().focused);

    // What is typed stays secret: every way a reader asks gives the dots,
    // and so does every event that tells of a change, typed or taken away.
    g_eventTexts.clear();
    REQUIRE(scene.type(QStringLiteral("s3cr")));
    QCOMPARE(password->text(QAccessible::Value), QStringLiteral("****"));
    QAccessibleTextInterface* text = password->textInterface();
    QVERIFY(text);
    QCOMPARE(text->characterCount(), 4);
    QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("****"));
    int start = 0, end = 0;
    QCOMPARE(text->textAtOffset(1, QAccessible::LineBoundary, &start, &end),
             QStringLiteral("****"));
    if (QAccessibleValueInterface* value = password->valueInterface())
      QCOMPARE(value->currentValue().toString(), QStringLiteral("****"));
    for (int i = 0; i < 2; ++i) REQUIRE(scene.press(Qt::Key_Backspace));
    REQUIRE(scene.press(Qt::Key_A, Qt::ControlModifier));
    REQUIRE(scene.type(QStringLiteral("x9")));
    QCOMPARE(password->text(QAccessible::Value), QStringLiteral("**"));
    for (int i = 0; i < 2; ++i) REQUIRE(scene.press(Qt::Key_Backspace));
    // Qt Quick tells of a change of the field by its caret and its value,
    // never by the text: whatever it tells about the field is dots.
    QVERIFY(std::any_of(g_eventTexts.begin(), g_eventTexts.end(),
                        [password](const auto& said) { return said.first == password->object(); }));
    for (const auto& said : qAsConst(g_eventTexts)) {
      QVERIFY2(
          !said.second.contains(QLatin1String("s3")) && !said.second.contains(QLatin1String("x9")),
          qPrintable(said.second));
      if (said.first != password->object()) continue;
      QVERIFY2(QRegularExpression(QStringLiteral("^\\**$")).match(said.second).hasMatch(),
               qPrintable(said.second));
    }
  }

  // Tab from the filled-in password field reads the rest of the window in
  // order, Sign In before the links; while signing in the focus rests on
  // Cancel, which a reader's press answers, and then on the fields again.
  void signInTabOrderIsRead() {
    REQUIRE(Scenario::signOut());
    QML::LoginWindow* login = Scenario::app()->loginWindow();
    SceneDriver scene = Scenario::loginScene();
    REQUIRE(scene.waitVisible(QStringLiteral("signinButton")));
    REQUIRE(scene.focus(QStringLiteral("usernameCombo")));
    REQUIRE(scene.press(Qt::Key_A, Qt::ControlModifier));
    REQUIRE(scene.type(QStringLiteral("reader")));
    REQUIRE(scene.focus(QStringLiteral("passwordField")));
    REQUIRE(scene.press(Qt::Key_A, Qt::ControlModifier));
    REQUIRE(scene.type(QStringLiteral("demo")));
    QStringList heard;
    for (int i = 0; i < 5; ++i) {
      REQUIRE(scene.press(Qt::Key_Tab));
      QAccessibleInterface* focus = focusOf(login);
      QVERIFY2(focus && focus->state().focused, qPrintable(describe(focus)));
      heard << focus->text(QAccessible::Name);
    }
    const QString order = heard.join(QStringLiteral(" | "));
    // "Sign in automatically" waits for "Remember password" to be checked.
    QVERIFY2(order.startsWith(QStringLiteral("Remember password | Sign In | Help")),
             qPrintable(order));

    REQUIRE(scene.focus(QStringLiteral("passwordField")));
    g_alerts.clear();
    REQUIRE(scene.press(Qt::Key_Return));
    QTRY_COMPARE(scene.view()->rootObject()->property("state").toString(),
                 QStringLiteral("signingin"));
    QAccessibleInterface* cancel = focusOf(login);
    QVERIFY(cancel && cancel->object());
    QCOMPARE(cancel->object()->objectName(), QStringLiteral("signinButton"));
    QCOMPARE(cancel->text(QAccessible::Name), QStringLiteral("Cancel"));
    QCOMPARE(cancel->role(), QAccessible::Button);
    QVERIFY(cancel->state().focused);
    // Its new name comes with the focus: not said a second time (once what
    // this turn of the event loop told is through).
    QCoreApplication::processEvents();
    QVERIFY2(!g_alerts.contains(QStringLiteral("Cancel")), qPrintable(g_alerts.join(" | ")));
    cancel->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(scene.view()->rootObject()->property("state").toString(),
                 QStringLiteral("signin"));
    QAccessibleInterface* back = focusOf(login);
    QVERIFY2(back && (back->role() == QAccessible::EditableText ||
                      back->role() == QAccessible::ComboBox),
             qPrintable(describe(back)));
    QVERIFY2(!back->text(QAccessible::Name).isEmpty(), qPrintable(describe(back)));
    QTRY_VERIFY(!Scenario::app()->client()->hasSession());
    REQUIRE(Scenario::signIn());
  }

  // The main window: the contact list and its rows by name and presence,
  // the group headers by name and count; nothing hidden said to be shown.
  void mainWindowListsContactsByName() {
    REQUIRE(Scenario::signIn());
    QML::MainWindow* main = Scenario::mainWindow();
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.waitVisible(QStringLiteral("contactRow")));
    QAccessibleInterface* window = accessibleOf(main);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), main->windowTitle());

    const Tree tree = treeOf(main);
    VERIFY_TREE(tree);
    QAccessibleInterface* list = tree.named(QAccessible::List, QStringLiteral("Contacts"));
    QVERIFY2(list, qPrintable(tree.names(QAccessible::List)));
    QVERIFY(liesUnder(list, main));
    QAccessibleInterface* alice =
        tree.named(QAccessible::ListItem, QStringLiteral("Alice Moreno, Available"));
    QVERIFY2(alice, qPrintable(tree.names(QAccessible::ListItem)));
    QVERIFY(liesUnder(alice, main));
    // Its place on the screen is where the window shows it.
    QVERIFY2(accessibleOf(main)->rect().contains(alice->rect()),
             qPrintable(QStringLiteral("%1 outside %2")
                            .arg(QVariant(alice->rect()).toString(),
                                 QVariant(accessibleOf(main)->rect()).toString())));
    const QList<QAccessibleInterface*> headers = tree.find([](QAccessibleInterface* i) {
      return i->role() == QAccessible::Heading && !i->state().invisible;
    });
    QVERIFY(!headers.isEmpty());
    const QRegularExpression counted(QStringLiteral("^.+, \\d+ of \\d+ online$"));
    for (QAccessibleInterface* header : headers)
      QVERIFY2(counted.match(header->text(QAccessible::Name)).hasMatch(),
               qPrintable(tree.names(QAccessible::Heading)));

    // The program's windows are the windows the user sees: no scene's own
    // offscreen window among them.
    QAccessibleInterface* app = accessibleOf(qApp);
    QVERIFY(app);
    bool mainListed = false;
    for (int i = 0; i < app->childCount(); ++i) {
      QAccessibleInterface* child = app->child(i);
      QVERIFY(child);
      QVERIFY2(!qobject_cast<QQuickWindow*>(child->object()), qPrintable(describe(child)));
      // Nor a window kept hidden for later (the sign-in window).
      QVERIFY2(!child->state().invisible, qPrintable(describe(child)));
      QVERIFY2(child->object() != Scenario::app()->loginWindow(), qPrintable(describe(child)));
      QCOMPARE(app->indexOfChild(child), i);
      mainListed = mainListed || child->object() == main || child->object() == main->windowHandle();
    }
    QVERIFY(mainListed);

    // The dial pad is not shown with the contacts: none of it is said to be.
    QVERIFY(!scene.isVisible(QStringLiteral("dialField")));
    QQuickItem* dial = scene.anyItem(QStringLiteral("dialField"));
    QVERIFY(dial);
    for (QAccessibleInterface* i : tree.nodes) {
      auto* item = qobject_cast<QQuickItem*>(i->object());
      if (item && (item == dial || dial->isAncestorOf(item)))
        QVERIFY2(i->state().invisible, qPrintable(describe(i)));
    }
  }

  // The user's own presence is heard as it changes, wherever the reader's
  // focus is. A search that finds nothing reads as it shows: "No matching
  // contacts", no heading of the list before it, and Chat, Call and Video
  // Call greyed, as readers say.
  void presenceAndEmptySearchAreRead() {
    REQUIRE(Scenario::signIn());
    QML::MainWindow* main = Scenario::mainWindow();
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.waitVisible(QStringLiteral("contactRow")));
    for (const char* state : {"Busy", "Available"}) {
      g_alerts.clear();
      REQUIRE(scene.click(QStringLiteral("ownPresenceText")));
      QMenu* menu = nullptr;
      REQUIRE(ZentTest::waitForMenu(&menu));
      REQUIRE(ZentTest::triggerMenuEntry(menu, {QString::fromLatin1(state)}));
      REQUIRE(scene.waitText(QStringLiteral("ownPresenceText"), QString::fromLatin1(state)));
      QTRY_VERIFY2(g_alerts.contains(QLatin1String(state)), qPrintable(g_alerts.join(" | ")));
    }

    REQUIRE(scene.focus(QStringLiteral("searchField")));
    REQUIRE(scene.type(QStringLiteral("qqzx")));
    REQUIRE(scene.waitVisible(QStringLiteral("contactListEmptyText")));
    Tree tree;
    QTRY_VERIFY2((tree = treeOf(main))
                     .named(QAccessible::StaticText, QStringLiteral("No matching contacts")),
                 qPrintable(tree.dump()));
    VERIFY_TREE(tree);
    QVERIFY2(tree.names(QAccessible::Heading).isEmpty(),
             qPrintable(tree.names(QAccessible::Heading)));
    QVERIFY2(tree.names(QAccessible::ListItem).isEmpty(),
             qPrintable(tree.names(QAccessible::ListItem)));
    for (const char* name : {"Chat", "Call", "Video Call"}) {
      QAccessibleInterface* button = tree.named(QAccessible::Button, QString::fromLatin1(name));
      QVERIFY2(button && button->state().disabled, name);
    }
    REQUIRE(scene.press(Qt::Key_A, Qt::ControlModifier));
    REQUIRE(scene.press(Qt::Key_Backspace));
    REQUIRE(scene.waitVisible(QStringLiteral("contactRow")));
  }

  // Moving through the contacts with the arrows moves the focus from row to
  // row, and the screen reader is told each time.
  void arrowsMoveTheFocusFromRowToRow() {
    REQUIRE(Scenario::signIn());
    QML::MainWindow* main = Scenario::mainWindow();
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.waitVisible(QStringLiteral("contactRow")));
    QString problem;
    QQuickItem* row =
        scene.row(QStringLiteral("contactRow"), QString::fromLatin1(kAliceName), &problem);
    QVERIFY2(row, qPrintable(problem));
    REQUIRE(scene.click(row));
    QAccessibleInterface* first = focusOf(main);
    QCOMPARE(first->text(QAccessible::Name), QStringLiteral("Alice Moreno, Available"));
    QVERIFY(first->state().focused);

    g_focusEvents.clear();
    REQUIRE(scene.press(Qt::Key_Down));
    QAccessibleInterface* second = focusOf(main);
    QVERIFY(second != first);
    QCOMPARE(second->role(), QAccessible::ListItem);
    QVERIFY(!second->text(QAccessible::Name).isEmpty());
    QVERIFY(second->state().focused);
    QVERIFY(!first->state().focused);
    if (QAccessible::isActive())
      QVERIFY2(g_focusEvents.contains(second->text(QAccessible::Name)),
               qPrintable(g_focusEvents.join(QStringLiteral(" | "))));

    REQUIRE(scene.press(Qt::Key_Up));
    QCOMPARE(focusOf(main)->text(QAccessible::Name), QStringLiteral("Alice Moreno, Available"));

    // Past the rows shown the list follows the arrows: the row with the
    // focus is always on screen, where a reader is told it is.
    const QSize size = main->size();
    main->resize(main->minimumSize());
    QAccessibleInterface* list = treeOf(main).named(QAccessible::List, QStringLiteral("Contacts"));
    QVERIFY(list);
    QTRY_VERIFY(list->rect().height() < accessibleOf(main)->rect().height());
    QStringList passed;
    bool scrolled = false;
    int presses = 0;
    for (; presses < 40; ++presses) {
      REQUIRE(scene.press(Qt::Key_Down));
      QAccessibleInterface* focus = focusOf(main);
      if (passed.contains(focus->text(QAccessible::Name))) break;
      passed << focus->text(QAccessible::Name);
      QVERIFY2(!focus->state().offscreen && list->rect().contains(focus->rect()),
               qPrintable(passed.join(" | ")));
      scrolled = scrolled ||
                 scene.anyItem(QStringLiteral("contactList"))->property("contentY").toReal() > 0;
    }
    // And back up to the first row, the list with it.
    for (int i = 0; i <= presses; ++i) REQUIRE(scene.press(Qt::Key_Up));
    main->resize(size);
    QVERIFY2(scrolled, qPrintable(passed.join(" | ")));
    QCOMPARE(focusOf(main)->text(QAccessible::Name), QStringLiteral("Alice Moreno, Available"));
  }

  // The left pane's buttons answer a screen reader's press and are reached
  // with Tab.
  void leftPaneButtonsArePressedAndReachedWithTab() {
    REQUIRE(Scenario::signIn());
    QML::MainWindow* main = Scenario::mainWindow();
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.waitVisible(QStringLiteral("contactRow")));
    const Tree tree = treeOf(main);
    VERIFY_TREE(tree);
    const QList<QAccessibleInterface*> buttons = tree.find([](QAccessibleInterface* i) {
      return i->role() == QAccessible::Button && i->object() &&
             i->object()->objectName().startsWith(QLatin1String("leftPaneButton")) &&
             !i->state().invisible;
    });
    QVERIFY(buttons.size() >= 3);
    QQuickItem* activeView = scene.anyItem(QStringLiteral("activeView"));
    QVERIFY(activeView);
    auto paneButton = [&buttons](int type) -> QAccessibleInterface* {
      for (QAccessibleInterface* b : buttons)
        if (b->object()->objectName() == QStringLiteral("leftPaneButton%1").arg(type)) return b;
      return nullptr;
    };
    const int kContacts = 0, kHistory = 2;  // the left-pane model's button types
    QAccessibleInterface* history = paneButton(kHistory);
    QAccessibleInterface* contacts = paneButton(kContacts);
    QVERIFY2(history && contacts, qPrintable(tree.names(QAccessible::Button)));
    QCOMPARE(contacts->text(QAccessible::Name), QStringLiteral("Contacts"));
    QAccessibleActionInterface* press = history->actionInterface();
    QVERIFY(press);
    QVERIFY(press->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QVERIFY(contacts->state().checked);
    QVERIFY(!history->state().checked);
    press->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(activeView->property("state").toString(), QStringLiteral("historyView"));
    // The view shown is the one said to be, and the history reads as shown:
    // its filter as tabs, one chosen; its rows top to bottom, each saying
    // call or chat, and which way.
    QVERIFY(history->state().checked);
    QVERIFY(!contacts->state().checked);
    QVERIFY(Scenario::demo().missedCall(kAlice));
    QTRY_VERIFY(scene.item(QStringLiteral("historyRow")));
    const Tree historyTree = treeOf(main);
    VERIFY_TREE(historyTree);
    const auto tabs =
        historyTree.find([](QAccessibleInterface* i) { return i->role() == QAccessible::PageTab; });
    QCOMPARE(tabs.size(), 4);
    QCOMPARE(std::count_if(tabs.begin(), tabs.end(),
                           [](QAccessibleInterface* i) { return i->state().checked; }),
             1L);
    const auto rows = historyTree.find([](QAccessibleInterface* i) {
      return i->role() == QAccessible::ListItem && i->object() &&
             i->object()->objectName() == QLatin1String("historyRow");
    });
    QVERIFY(!rows.isEmpty());
    for (int i = 0; i < rows.size(); ++i) {
      QVERIFY2(
          rows.at(i)
              ->text(QAccessible::Name)
              .contains(QRegularExpression(QStringLiteral("(Incoming|Outgoing|Missed) call|Chat"))),
          qPrintable(rows.at(i)->text(QAccessible::Name)));
      // A reader presses it, as a double click does.
      QAccessibleActionInterface* rowPress = rows.at(i)->actionInterface();
      QVERIFY(rowPress &&
              rowPress->actionNames().contains(QAccessibleActionInterface::pressAction()));
      if (i > 0) QVERIFY(rows.at(i - 1)->rect().top() <= rows.at(i)->rect().top());
    }

    // Tab from the history comes round to the pane's Contacts button, and
    // Space presses it.
    REQUIRE(scene.focus(QStringLiteral("historyList")));
    QQuickWindow* sceneWindow = scene.view()->quickWindow();
    QStringList passed;
    for (int i = 0; i < 40; ++i) {
      REQUIRE(scene.press(Qt::Key_Tab));
      QQuickItem* focus = sceneWindow->activeFocusItem();
      passed << (focus ? focus->objectName() : QStringLiteral("<none>"));
      if (focus && focus == contacts->object()) break;
    }
    QVERIFY2(sceneWindow->activeFocusItem() == contacts->object(), qPrintable(passed.join(", ")));
    QAccessibleInterface* focus = focusOf(main);
    QCOMPARE(describe(focus), describe(contacts));
    QVERIFY(focus->state().focused);
    REQUIRE(scene.press(Qt::Key_Space));
    QTRY_COMPARE(activeView->property("state").toString(), QStringLiteral("contactsView"));
  }

  // The call-settings toolbar answers a reader's press: Call Settings opens,
  // its services read as tabs, one chosen. A contact card reads its fields
  // with what they are.
  void callSettingsAndCardAreRead() {
    REQUIRE(Scenario::signIn());
    QML::MainWindow* main = Scenario::mainWindow();
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.waitVisible(QStringLiteral("callSettingsButton")));
    const Tree tree = treeOf(main);
    VERIFY_TREE(tree);
    QAccessibleInterface* button = tree.named(QAccessible::Button, QStringLiteral("Call Settings"));
    QVERIFY2(button, qPrintable(tree.names(QAccessible::Button)));
    QVERIFY(button->state().focusable);
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QML::CallSettings* settings = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CallSettings>(&settings));
    SceneDriver page = SceneDriver::of(settings);
    REQUIRE(page.waitVisible(QStringLiteral("tabRow")));
    const Tree settingsTree = treeOf(settings);
    VERIFY_TREE(settingsTree);
    const auto tabs = settingsTree.find([](QAccessibleInterface* i) {
      return i->role() == QAccessible::PageTab && i->object() &&
             i->object()->objectName() == QLatin1String("tabRow");
    });
    QVERIFY2(tabs.size() >= 2, qPrintable(settingsTree.names(QAccessible::PageTab)));
    QCOMPARE(std::count_if(tabs.begin(), tabs.end(),
                           [](QAccessibleInterface* i) { return i->state().selected; }),
             1L);
    // A location's row reads its number, and its check box says for which.
    REQUIRE(page.waitVisible(QStringLiteral("locationNumber")));
    const QString number = page.text(QStringLiteral("locationNumber"));
    QVERIFY(!number.isEmpty());
    const Tree located = treeOf(settings);
    VERIFY_TREE(located);
    QVERIFY2(located.named(QAccessible::StaticText, number),
             qPrintable(located.names(QAccessible::StaticText)));
    QVERIFY2(located.named(QAccessible::CheckBox, QStringLiteral("Enabled, ") + number),
             qPrintable(located.names(QAccessible::CheckBox)));
    settings->close();

    QMenu* menu = nullptr;
    REQUIRE(Scenario::openContactMenu(QString::fromLatin1(kAliceName), &menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("View Profile")}));
    QML::ContactCard* card = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::ContactCard>(&card));
    QTRY_VERIFY(SceneDriver::of(card).isValid() && SceneDriver::of(card).view()->isVisible());
    const Tree cardTree = treeOf(card);
    VERIFY_TREE(cardTree);
    QVERIFY2(!cardTree
                  .find([](QAccessibleInterface* i) {
                    return i->role() == QAccessible::StaticText &&
                           i->text(QAccessible::Name).contains(QLatin1String(", ")) &&
                           i->text(QAccessible::Name).contains(QLatin1Char('@'));
                  })
                  .isEmpty(),
             qPrintable(cardTree.names(QAccessible::StaticText)));
    // Tab reaches every field, those below the fold brought into view as
    // the keyboard comes to them.
    SceneDriver cardScene = SceneDriver::of(card);
    QStringList reached;
    for (int i = 0; i < 30 && !reached.contains(QStringLiteral("IM Address")); ++i) {
      REQUIRE(cardScene.press(Qt::Key_Tab));
      QAccessibleInterface* focus = focusOf(card);
      QVERIFY(focus);
      const QString name = focus->text(QAccessible::Name);
      if (focus->role() != QAccessible::StaticText) continue;
      QVERIFY2(focus->state().focused && !focus->state().offscreen, qPrintable(describe(focus)));
      reached << name.section(QStringLiteral(", "), 0, 0);
    }
    QVERIFY2(reached.contains(QStringLiteral("Email Address")) &&
                 reached.contains(QStringLiteral("IM Address")),
             qPrintable(reached.join(" | ")));
    card->close();
  }

  // Preferences: a field is named by its label, not by the group around it;
  // the window is a dialog named by its title.
  void preferencesFieldsTakeTheirLabels() {
    REQUIRE(Scenario::signIn());
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(Scenario::chooseFromWindowMenu({QStringLiteral("Preferences...")}));
    Dialogs::PreferencesWindow* prefs = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::PreferencesWindow>(&prefs));
    QAccessibleInterface* window = accessibleOf(prefs);
    QCOMPARE(window->role(), QAccessible::Dialog);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Preferences"));
    const Tree tree = treeOf(prefs);
    VERIFY_TREE(tree);

    int labelled = 0;
    for (QLabel* label : prefs->findChildren<QLabel*>()) {
      QWidget* field = label->buddy();
      if (!field) continue;
      ++labelled;
      QAccessibleInterface* iface = accessibleOf(field);
      // Every field names its label as what labels it; a text field is
      // also named by it (a combo box on this desktop is named by its
      // choice, and read with its label through that relation).
      bool labelledBy = false;
      for (const auto& relation : iface->relations(QAccessible::Label))
        labelledBy = labelledBy || relation.first->object() == label;
      QVERIFY2(labelledBy, qPrintable(field->objectName()));
      // (A label shared by fields, "Port", names each with what it is for.)
      if (!field->inherits("QComboBox"))
        QVERIFY2(iface->text(QAccessible::Name).contains(label->text().remove(QLatin1Char('&'))),
                 qPrintable(iface->text(QAccessible::Name)));
    }
    QVERIFY(labelled >= 10);
    // Every page as a reader reads it: its fields named, no two alike.
    QTabWidget* pages = prefs->findChild<QTabWidget*>(QStringLiteral("preferencesTabs"));
    QVERIFY(pages);
    QStringList fieldNames;
    for (int page = 0; page < pages->count(); ++page) {
      if (!pages->isTabVisible(page) || !pages->isTabEnabled(page)) continue;
      QTabBar* bar = pages->tabBar();
      QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(page).center());
      QTRY_COMPARE(pages->currentIndex(), page);
      const Tree shown = treeOf(prefs);
      VERIFY_TREE(shown);
      QStringList names;
      for (QAccessibleInterface* i : shown.nodes)
        if (i->role() == QAccessible::EditableText && !i->state().invisible)
          names << i->text(QAccessible::Name);
      const int count = names.size();
      names.removeDuplicates();
      QVERIFY2(names.size() == count, qPrintable(pages->tabText(page) + ": " + names.join(" | ")));
      fieldNames << names;
    }
    QVERIFY2(fieldNames.contains(QStringLiteral("Secure Web Proxy Server Port")),
             qPrintable(fieldNames.join(" | ")));
    QVERIFY2(fieldNames.contains(QStringLiteral("Web Collaboration username")),
             qPrintable(fieldNames.join(" | ")));
    // And no field takes its group's title for a name where the group
    // labels its fields.
    for (QWidget* field : prefs->findChildren<QWidget*>()) {
      if (!field->inherits("QLineEdit")) continue;
      const QString name = accessibleOf(field)->text(QAccessible::Name);
      for (QWidget* p = field->parentWidget(); p && p != prefs; p = p->parentWidget()) {
        auto* box = qobject_cast<QGroupBox*>(p);
        if (!box) continue;
        if (!box->findChildren<QLabel*>().isEmpty())
          QVERIFY2(name != box->title(), qPrintable(field->objectName()));
        break;
      }
    }
    prefs->close();
  }

  // A question window is a dialog named by its title and described by its
  // question; what it is laid out of is not a second, nameless dialog.
  void questionWindowIsNamed() {
    QPointer<Dialogs::MessageWindow> question = Dialogs::MessageWindow::showQuestion(
        QStringLiteral("Confirm Call"),
        QStringLiteral("Answering a call will put ongoing call on hold. Continue?"), false,
        QDialogButtonBox::Yes | QDialogButtonBox::No, false, false, nullptr);
    QVERIFY(question);
    QTRY_VERIFY(question->isVisible());
    QAccessibleInterface* window = accessibleOf(question);
    QCOMPARE(window->role(), QAccessible::Dialog);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Confirm Call"));
    QCOMPARE(window->text(QAccessible::Description),
             QStringLiteral("Answering a call will put ongoing call on hold. Continue?"));
    const Tree tree = treeOf(question);
    VERIFY_TREE(tree);
    QCOMPARE(
        tree.find([](QAccessibleInterface* i) { return i->role() == QAccessible::Dialog; }).size(),
        1);
    QVERIFY(tree.named(QAccessible::Button, QStringLiteral("Yes")) ||
            tree.named(QAccessible::Button, QStringLiteral("&Yes")));

    // Without a title, the question names it.
    QPointer<Dialogs::MessageWindow> untitled = Dialogs::MessageWindow::showQuestion(
        QString(), QStringLiteral("Remove the contact?"), false,
        QDialogButtonBox::Yes | QDialogButtonBox::No, false, false, nullptr);
    QCOMPARE(accessibleOf(untitled)->text(QAccessible::Name),
             QStringLiteral("Remove the contact?"));
    question->close();
    untitled->close();
  }

  // A menu a reader's press opens has an entry current, told as the focus,
  // as a menu opened from the keyboard has: also a menu shown before, whose
  // entries the reader then met in a menu gone since.
  void pressedMenuTellsItsEntry() {
    REQUIRE(Scenario::signIn());
    QML::MainWindow* main = Scenario::mainWindow();
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.waitVisible(QStringLiteral("optionsButton")));
    const Tree tree = treeOf(main);
    for (const char* name : {"Options", "+", "Options"}) {
      QAccessibleInterface* button = tree.named(QAccessible::Button, QString::fromLatin1(name));
      QVERIFY2(button, qPrintable(tree.names(QAccessible::Button)));
      g_focusEvents.clear();
      button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
      QMenu* menu = nullptr;
      REQUIRE(ZentTest::waitForMenu(&menu));
      QCOMPARE(QApplication::activePopupWidget(), menu);
      QAction* current = menu->activeAction();
      QVERIFY2(current && current->isEnabled(), name);
      QAccessibleInterface* entry = accessibleOf(menu)->child(menu->actions().indexOf(current));
      QVERIFY(entry && !entry->text(QAccessible::Name).isEmpty());
      QVERIFY(entry->state().focused);
      QCOMPARE(entry->parent()->object(), menu);
      QVERIFY2(g_focusEvents.contains(entry->text(QAccessible::Name)),
               qPrintable(g_focusEvents.join(" | ")));
      menu->hide();
      QTRY_VERIFY(!QApplication::activePopupWidget());
    }
  }

  // A service problem shows in the banner without taking the focus: it is
  // heard as it appears, saying what the banner says.
  void serviceProblemIsHeard() {
    REQUIRE(Scenario::signIn());
    SceneDriver scene = Scenario::mainScene();
    g_alerts.clear();
    QVERIFY(Scenario::demo().loseService());
    QTRY_VERIFY_WITH_TIMEOUT(!g_alerts.isEmpty(), ZentTest::kWaitMs);
    const bool shown = scene.row(QStringLiteral("errorRow"), g_alerts.first()) != nullptr;
    QVERIFY(Scenario::demo().restoreService());
    QVERIFY2(shown, qPrintable(g_alerts.join(" | ")));
  }

  // The location dialog: its field named, no nameless label in it.
  void locationDialogIsNamed() {
    QScopedPointer<Dialogs::LocationPublish> dialog(new Dialogs::LocationPublish(nullptr));
    dialog->show();
    QTRY_VERIFY(dialog->isVisible());
    // (Its zone list's separators are Qt's rows, nameless: not walked whole.)
    const Tree tree = treeOf(dialog.data());
    QVERIFY2(tree.named(QAccessible::EditableText, QStringLiteral("Set Location")),
             qPrintable(tree.dump()));
    QVERIFY2(tree.find([](QAccessibleInterface* i) {
                   return i->role() == QAccessible::StaticText && !i->state().invisible &&
                          i->text(QAccessible::Name).trimmed().isEmpty();
                 })
                 .isEmpty(),
             qPrintable(tree.dump()));
    // A status, once there is one, is read.
    dialog->setStatus(QStringLiteral("green"), QStringLiteral("Published"), 0);
    QVERIFY(treeOf(dialog.data()).named(QAccessible::StaticText, QStringLiteral("Published")));
  }

  // A presence request says who asks beside the answers.
  void presenceRequestSaysWhoAsks() {
    QML::PresenceRequestDialog* dialog = nullptr;
    REQUIRE(Scenario::signInToPresenceRequests(&dialog));
    SceneDriver requests = SceneDriver::of(dialog);
    // A dialog, whose texts a reader reads as it opens.
    QCOMPARE(accessibleOf(dialog)->role(), QAccessible::Dialog);
    const Tree tree = treeOf(dialog);
    VERIFY_TREE(tree);
    QVERIFY2(tree.named(QAccessible::StaticText, QStringLiteral("Mara Santos")),
             qPrintable(tree.dump()));
    // And its sentence says who: a reader opening the dialog reads its
    // sentences, and passes over a name of fewer than three words.
    QVERIFY2(!tree.find([](QAccessibleInterface* i) {
                    const QString name = i->text(QAccessible::Name);
                    return i->role() == QAccessible::StaticText &&
                           name.contains(QLatin1String("Mara Santos")) &&
                           name.split(QLatin1Char(' '), Qt::SkipEmptyParts).size() >= 3;
                  })
                  .isEmpty(),
             qPrintable(tree.names(QAccessible::StaticText)));
    QVERIFY(tree.named(QAccessible::Button, QStringLiteral("Accept")));
    REQUIRE(requests.click(QStringLiteral("ignoreButton")));
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->isVisible(), ZentTest::kWaitMs);
  }

  // An incoming call: its popup and then its window read by name, and the
  // answer buttons of the answered call no longer said to be shown.
  void answeredCallIsReadByName() {
    REQUIRE(Scenario::signIn());
    QVERIFY(RAZ::Demo::CommsScript::ringIn(kAlice, false));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CommunicationNotification>(
        &popup, [](QML::CommunicationNotification* n) {
          return n->type() == QML::CommunicationNotification::CallNotification;
        }));
    SceneDriver ring(popup);
    REQUIRE(ring.waitText(QStringLiteral("title"), kAliceName));
    const Tree ringing = treeOf(popup);
    VERIFY_TREE(ringing);
    // The popup is a notification that says who calls, announced as it
    // shows: readers speak one without its taking the focus.
    QAccessibleInterface* alert = accessibleOf(popup);
    QCOMPARE(alert->role(), QAccessible::Notification);
    QCOMPARE(alert->text(QAccessible::Name), QStringLiteral("Alice Moreno is calling"));
    QTRY_VERIFY2(g_alerts.contains(QStringLiteral("Alice Moreno is calling")),
                 qPrintable(g_alerts.join(" | ")));
    REQUIRE(ring.click(QStringLiteral("audioButton")));

    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kAliceName, &window));
    SceneDriver call = SceneDriver::of(window);
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
    QAccessibleInterface* frame = accessibleOf(window);
    QCOMPARE(frame->role(), QAccessible::Window);
    QVERIFY(frame->text(QAccessible::Name).contains(QLatin1String(kAliceName)));
    const Tree tree = treeOf(window);
    VERIFY_TREE(tree);
    QVERIFY(!tree.find([](QAccessibleInterface* i) {
                   return i->role() == QAccessible::Button && !i->state().invisible;
                 })
                 .isEmpty());
    QVERIFY2(!tree.named(QAccessible::Button, QStringLiteral("Answer")),
             qPrintable(tree.names(QAccessible::Button)));
    QVERIFY2(tree.named(QAccessible::Button, QStringLiteral("End")),
             qPrintable(tree.names(QAccessible::Button)));
    // Who and how the call stands is read; the focus is on a named control.
    QVERIFY2(tree.named(QAccessible::StaticText, QStringLiteral("Alice Moreno, Call Active")),
             qPrintable(tree.names(QAccessible::StaticText)));
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    QTRY_VERIFY(window->findChild<QQuickWidget*>(QStringLiteral("callView"))
                    ->quickWindow()
                    ->activeFocusItem());
    QAccessibleInterface* focus = focusOf(window);
    QVERIFY2(
        focus && focus->role() == QAccessible::Button && !focus->text(QAccessible::Name).isEmpty(),
        qPrintable(describe(focus)));
    // And so the reader is told last: Qt tells of the view taking the
    // keyboard after the button in it.
    QTRY_VERIFY2(!g_focusEvents.isEmpty() && g_focusEvents.last() == focus->text(QAccessible::Name),
                 qPrintable(g_focusEvents.join(" | ")));
    // The main window lists the call as it shows it, and a reader's press
    // on the row brings the call's window up.
    QML::MainWindow* main = Scenario::mainWindow();
    main->activateWindow();
    QTRY_VERIFY(main->isActiveWindow());
    const Tree listed = treeOf(main);
    QAccessibleInterface* row =
        listed.named(QAccessible::ListItem, QStringLiteral("Alice Moreno, Call Active"));
    QVERIFY2(row && row->actionInterface(), qPrintable(listed.names(QAccessible::ListItem)));
    row->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(window->isActiveWindow());

    // On hold, the state and its time are read as shown.
    QAccessibleInterface* hold = tree.named(QAccessible::Button, QStringLiteral("Hold"));
    QVERIFY(hold);
    g_alerts.clear();
    hold->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("Hold")));
    // And heard as it changes, wherever the reader's focus is.
    QTRY_VERIFY2(g_alerts.filter(QRegularExpression(QStringLiteral("^Alice Moreno, .*hold"),
                                                    QRegularExpression::CaseInsensitiveOption))
                         .size() == 1,
                 qPrintable(g_alerts.join(" | ")));
    const Tree held = treeOf(window);
    VERIFY_TREE(held);
    QVERIFY2(!held.find([](QAccessibleInterface* i) {
                    return i->role() == QAccessible::StaticText &&
                           i->text(QAccessible::Name).startsWith(QLatin1String("Alice Moreno, ")) &&
                           i->text(QAccessible::Name)
                               .contains(QLatin1String("hold"), Qt::CaseInsensitive);
                  })
                  .isEmpty(),
             qPrintable(held.names(QAccessible::StaticText)));
    // A button pressed from the keyboard says what it does next; resumed,
    // the call's state is heard with it.
    g_alerts.clear();
    REQUIRE(call.focus(QStringLiteral("holdButton")));
    REQUIRE(call.press(Qt::Key_Space));
    QTRY_VERIFY2(g_alerts.size() == 1 && g_alerts.first().contains(QLatin1String("Hold")) &&
                     g_alerts.first().contains(QLatin1String("Alice Moreno, Call Active")),
                 qPrintable(g_alerts.join(" | ")));
    g_alerts.clear();
    REQUIRE(call.focus(QStringLiteral("muteButton")));
    REQUIRE(call.press(Qt::Key_Space));
    QTRY_VERIFY2(g_alerts.contains(QStringLiteral("Unmute")), qPrintable(g_alerts.join(" | ")));
  }

  // A room's participants are a list a reader walks and the keyboard
  // reaches: each party by name, its menu (the owner's Dismiss and Promote)
  // opened by a reader's press.
  void roomParticipantsAreRead() {
    REQUIRE(Scenario::signIn());
    emit Scenario::app()->messageReceived(
        QStringLiteral("--zent:") +
        Utils::ZentUrlHandler::encodePayload({}, QString::fromLatin1(kReleaseJid), {}, {}));
    QML::CommunicationsWindow* room = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kReleasePlanning, &room));
    SceneDriver parties;
    REQUIRE(ZentTest::sceneWith(room, QStringLiteral("participantRow"), &parties));
    QAccessibleInterface* bruno = nullptr;
    Tree tree;
    QTRY_VERIFY2_WITH_TIMEOUT(
        (bruno =
             (tree = treeOf(room)).named(QAccessible::ListItem, QStringLiteral("Bruno Keller"))),
        qPrintable(tree.dump()), ZentTest::kWaitMs);
    VERIFY_TREE(tree);
    QAccessibleInterface* list = tree.named(QAccessible::List, QStringLiteral("Participants"));
    QVERIFY2(list, qPrintable(tree.names(QAccessible::List)));
    QCOMPARE(bruno->parent()->object(), list->object());
    QVERIFY(bruno->state().focusable);
    QVERIFY(tree.named(QAccessible::ListItem, QString::fromLatin1(kAliceName)));
    bruno->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    const QStringList texts = ZentTest::menuTexts(menu);
    ZentTest::closeMenus();
    QVERIFY2(texts.contains(QStringLiteral("Dismiss from Chat")) &&
                 texts.contains(QStringLiteral("Promote to Moderator")),
             qPrintable(texts.join(", ")));
    // From the keyboard the list takes the focus on a party, told so.
    REQUIRE(parties.focus(QStringLiteral("participantList")));
    QAccessibleInterface* focus = focusOf(room);
    QVERIFY2(focus && focus->role() == QAccessible::ListItem && focus->state().focused,
             qPrintable(describe(focus)));
  }

  // An incoming chat: the popup is an alert whose press opens the chat; the
  // pane's transcript, field and buttons are read, and a new message and
  // what is typed are told.
  void chatIsReadAndHeard() {
    REQUIRE(Scenario::signIn());
    g_alerts.clear();
    QVERIFY(
        Scenario::demo().incomingSession(kAlice, RAZ::Controllers::CommunicationSession::KindChat));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CommunicationNotification>(&popup));
    SceneDriver note(popup);
    REQUIRE(note.waitText(QStringLiteral("title"), kAliceName));
    QAccessibleInterface* alert = accessibleOf(popup);
    QCOMPARE(alert->role(), QAccessible::Notification);
    QCOMPARE(alert->text(QAccessible::Name), QStringLiteral("Alice Moreno wants to chat"));
    QTRY_VERIFY(g_alerts.contains(QStringLiteral("Alice Moreno wants to chat")));
    VERIFY_TREE(treeOf(popup));
    QAccessibleActionInterface* accept = alert->actionInterface();
    QVERIFY(accept && accept->actionNames().contains(QAccessibleActionInterface::pressAction()));
    accept->doAction(QAccessibleActionInterface::pressAction());

    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kAliceName, &window));
    SceneDriver chat = SceneDriver::of(window);
    RAZ::Controllers::ChatInterface* alice = window->getSession()->getChatInterface();
    QVERIFY(alice);
    QTRY_VERIFY_WITH_TIMEOUT(!chat.pageText(QStringLiteral("transcriptView")).trimmed().isEmpty(),
                             ZentTest::kWaitMs);
    const Tree tree = treeOf(window);
    VERIFY_TREE(tree);
    QAccessibleInterface* transcript =
        tree.named(QAccessible::Document, QStringLiteral("Conversation"));
    QVERIFY2(transcript, qPrintable(tree.dump()));
    QVERIFY(transcript->text(QAccessible::Value).contains(alice->getLastMessage()));
    QAccessibleTextInterface* text = transcript->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), transcript->text(QAccessible::Value));
    QAccessibleInterface* field = tree.named(QAccessible::EditableText, QStringLiteral("Message"));
    QVERIFY2(field, qPrintable(tree.names(QAccessible::EditableText)));
    QVERIFY2(tree.named(QAccessible::Button, QStringLiteral("Emoticons")),
             qPrintable(tree.names(QAccessible::Button)));
    QVERIFY2(tree.named(QAccessible::Link, QStringLiteral("Yesterday")),
             qPrintable(tree.names(QAccessible::Link)));

    const QString earlier = transcript->text(QAccessible::Value).trimmed();
    QVERIFY(!earlier.isEmpty());
    g_textChanges.clear();
    g_alerts.clear();
    RAZ::Demo::ChatDemo::receiveMessage(alice, QString(), QStringLiteral("Are you there?"));
    REQUIRE(chat.waitPageText(QStringLiteral("transcriptView"), QStringLiteral("Are you there?")));
    QTRY_VERIFY2(g_textChanges.join(QString()).contains(QLatin1String("Are you there?")),
                 qPrintable(g_textChanges.join(" | ")));
    // And heard wherever the reader's focus is, as a notification: only
    // what arrived, not the transcript before it.
    QTRY_VERIFY2(g_alerts.size() == 1 && g_alerts.first().contains(QLatin1String("Are you there?")),
                 qPrintable(g_alerts.join(" | ")));
    QVERIFY2(!g_alerts.first().contains(earlier), qPrintable(g_alerts.first()));
    // A file offered is answered by a reader's press, and from the keyboard:
    // its answers are controls, not links drawn in the page. The keyboard
    // is back in the message field after.
    for (int i = 0; i < 2; ++i) {
      QVERIFY(Scenario::demo().offerFile(kAlice));
      REQUIRE(chat.waitVisible(QStringLiteral("offerDeclineButton")));
      const Tree offered = treeOf(window);
      VERIFY_TREE(offered);
      QVERIFY2(!offered
                    .find([](QAccessibleInterface* o) {
                      return o->role() == QAccessible::StaticText &&
                             o->text(QAccessible::Name).startsWith(QLatin1String("Offered file: "));
                    })
                    .isEmpty(),
               qPrintable(offered.names(QAccessible::StaticText)));
      QVERIFY(offered.named(QAccessible::Button, QStringLiteral("Accept")));
      QAccessibleInterface* decline = offered.named(QAccessible::Button, QStringLiteral("Decline"));
      QVERIFY2(decline && decline->state().focusable,
               qPrintable(offered.names(QAccessible::Button)));
      if (i == 0) {
        decline->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
      } else {
        REQUIRE(chat.focus(QStringLiteral("messageInput")));
        QQuickItem* focus = nullptr;
        for (int tab = 0; tab < 8; ++tab) {
          REQUIRE(chat.press(Qt::Key_Backtab));
          focus = chat.view()->quickWindow()->activeFocusItem();
          if (focus == decline->object()) break;
        }
        QVERIFY(focus == decline->object());
        REQUIRE(chat.press(Qt::Key_Space));
      }
      QTRY_VERIFY_WITH_TIMEOUT(!chat.isVisible(QStringLiteral("offerBar")), ZentTest::kWaitMs);
      REQUIRE(chat.waitPageText(QStringLiteral("transcriptView"),
                                QStringLiteral("Transfer cancelled")));
      QCOMPARE(chat.view()->quickWindow()->activeFocusItem()->objectName(),
               QStringLiteral("messageInput"));
    }
    g_textChanges.clear();
    REQUIRE(chat.focus(QStringLiteral("messageInput")));
    REQUIRE(chat.type(QStringLiteral("yes")));
    QTRY_VERIFY2(g_textChanges.join(QString()).contains(QLatin1String("s")),
                 qPrintable(g_textChanges.join(" | ")));
  }
};

ZENT_TEST_MAIN(TestAccessibility, Application)
#include "tst_accessibility.moc"
