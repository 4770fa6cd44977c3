// The windows as a screen reader reads them: through QAccessible, the
// interface the desktop's accessibility bridge turns into its own tree. Each
// window's tree is walked from the window the user sees down to every item
// and back up; an interactive item without a name, a list row without its
// text, a hidden item said to be shown or a child that does not know its
// parent fails. Then the roads a screen-reader user takes: signing in by
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
#include <QtTest>

#include <functional>

#include <RAZ/Client.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Demo/CommsScript.h>
#include <RAZ/Sessions/SessionManagerBase.h>

#include "Application.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/PreferencesWindow.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/window/View.h"

using ZentTest::Scenario;
using ZentTest::SceneDriver;

namespace {

const bool g_environment = Scenario::prepare("zent-accessibility-");

const int kAlice = 101;
const char kAliceName[] = "Alice Moreno";

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
    if (!i->isVisible() || i->opacity() <= 0) return false;
  return true;
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
    walk(child, tree, depth + 1);
  }
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

// Focus events as the bridge receives them.
QStringList g_focusEvents;
void recordFocus(QAccessibleEvent* event) {
  if (event->type() == QAccessible::Focus)
    if (QAccessibleInterface* iface = event->accessibleInterface())
      g_focusEvents << iface->text(QAccessible::Name);
}

QString waitForCommsWindow(const QString& party, QML::CommunicationsWindow** out) {
  return ZentTest::waitForWindow<QML::CommunicationsWindow>(
      out, [&party](QML::CommunicationsWindow* w) { return w->windowTitle().contains(party); });
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
    REQUIRE(Scenario::start());
    QAccessible::installUpdateHandler(recordFocus);
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
    press->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(activeView->property("state").toString(), QStringLiteral("historyView"));

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
      if (!field->inherits("QComboBox"))
        QCOMPARE(iface->text(QAccessible::Name), label->text().remove(QLatin1Char('&')));
    }
    QVERIFY(labelled >= 10);
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
    REQUIRE(ring.click(QStringLiteral("audioButton")));

    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(waitForCommsWindow(kAliceName, &window));
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
  }
};

ZENT_TEST_MAIN(TestAccessibility, Application)
#include "tst_accessibility.moc"
