#include "Utils/Accessibility.h"

#include <algorithm>

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <QWindow>

#include <QtQuick/private/qaccessiblequickitem_p.h>
// Qt's private headers are not written for our warnings.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow"
#include <QtQuick/private/qquickaccessibleattached_p.h>
#include <QtQuick/private/qquickitem_p.h>
#pragma GCC diagnostic pop
#include <QtQuick/private/qquicktextedit_p.h>

#include "Widgets/Window.h"
#include "dialogs/MessageWindow.h"
#include "libqml/items/ComboBoxAdapters.h"
#include "libqml/items/WebView.h"
#include "libqml/window/View.h"
#include "libqml/window/Window.h"

namespace Utils {
namespace Accessibility {
namespace {

// The dynamic property of an offscreen scene window that names its view.
const char kSceneView[] = "_zent_sceneView";

QML::View* viewOfScene(QObject* scene) {
  return qobject_cast<QML::View*>(scene->property(kSceneView).value<QObject*>());
}

// Whether Qt Quick made the item one a screen reader sees (the scene gave
// it an Accessible role or name, or Qt did for a text), and the scene did
// not leave it out (Accessible.ignored: a picture its row's name says).
bool isAccessibleItem(QQuickItem* item) {
  for (QObject* child : item->children())
    if (child->inherits("QQuickAccessibleAttached")) return !child->property("ignored").toBool();
  return false;
}

// The item a screen reader is told has the focus: the one that takes the
// keys, or the nearest around it that a screen reader sees.
QQuickItem* focusedItem(QQuickWindow* scene) {
  QQuickItem* focus = scene ? scene->activeFocusItem() : nullptr;
  while (focus && !isAccessibleItem(focus)) focus = focus->parentItem();
  return focus;
}

// Whether the item is drawn at all: visible, and not a list's row kept
// aside for reuse (a list culls those, still visible, until a row scrolled
// in needs one: a heading of a list searched since would be read).
bool isDrawn(QQuickItem* item) {
  return item->isVisible() && !QQuickItemPrivate::get(item)->culled;
}

// Whether the user sees the item of `view`'s scene: the view is shown, the
// item and its ancestors are visible and none of them is fully transparent.
bool isShownIn(QQuickItem* item, QML::View* view) {
  if (!view->isVisible()) return false;
  for (QQuickItem* i = item; i; i = i->parentItem())
    if (!isDrawn(i) || qFuzzyIsNull(i->opacity())) return false;
  return true;
}

// The items of `item`'s subtree that a screen reader sees, nearest first:
// an item without an interface of its own passes its children on, as Qt's
// item interfaces do among themselves. What is hidden is left out with all
// it holds: a reader walking the tree meets only what the user could see
// (a scene keeps many alternatives, such as the call controls of a pane not
// shown, hidden beside the ones in use).
void accessibleItems(QQuickItem* item, QList<QQuickItem*>* out) {
  const auto childItems = item->childItems();
  for (QQuickItem* child : childItems) {
    if (!isDrawn(child)) continue;
    if (isAccessibleItem(child))
      *out << child;
    else
      accessibleItems(child, out);
  }
}

// The root item of a view's scene when the scene gave it a role or a name:
// the view itself then takes them, and lists what the root holds, so that a
// pane or a popup is one node named for what it shows rather than a nameless
// filler around a node that has the name.
QQuickItem* namedRoot(const QML::View* view) {
  QQuickItem* root = view ? view->rootObject() : nullptr;
  return root && isAccessibleItem(root) ? root : nullptr;
}

// Controls whose name says what they show: what they are drawn of (the
// label of a button, the glyph of a link) is not a part of its own.
bool isLeafRole(QAccessible::Role role) {
  switch (role) {
    case QAccessible::Button:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::Link:
    case QAccessible::PageTab:
    case QAccessible::Slider:
    case QAccessible::EditableText:
    case QAccessible::StaticText:
    case QAccessible::Heading:
    case QAccessible::Document:
      return true;
    default:
      return false;
  }
}

// A text input that shows what is typed as dots: a reader gets the dots
// too, never the text (Qt Quick would hand out what was typed).
bool isPasswordInput(QQuickItem* item) {
  return item->inherits("QQuickTextInput") && item->property("echoMode").toInt() != 0;
}

// An item of a view's scene: Qt Quick's interface, but shown or hidden as
// the user sees it. Qt Quick takes an item for hidden whenever its window
// is, and the offscreen window of a view never is shown: every item would
// be said to be hidden. Here an item is shown when its view is, it and its
// ancestors are visible and none of them is fully transparent; it is off
// screen when it lies wholly outside what its clipping ancestors and its
// view show (a row scrolled away).
//
// Qt Quick may make an item's interface before the item is placed in its
// scene (while a screen reader runs, as the scene is built), so the item's
// view is looked up when asked; an item of any other window keeps Qt
// Quick's answer.
class ItemAccessible : public QAccessibleQuickItem {
 public:
  explicit ItemAccessible(QQuickItem* item) : QAccessibleQuickItem(item) {}

  QAccessible::State state() const override {
    QAccessible::State st = QAccessibleQuickItem::state();
    // Qt Quick never says an item is disabled: a greyed button would read
    // as one to press.
    st.disabled = !item()->isEnabled();
    QML::View* view = item()->window() ? viewOfScene(item()->window()) : nullptr;
    if (!view) return st;
    st.invisible = !isShownIn(item(), view);
    st.offscreen = !st.invisible && !onScreen(view);
    // Qt Quick says so of every focus scope around the focused item too;
    // a screen reader wants the one item that takes the keys.
    st.focused = !st.invisible && item() == focusedItem(item()->window());
    return st;
  }

  // The children a reader walks: the shown accessible items below, none
  // for a control its name describes whole.
  int childCount() const override { return children().size(); }
  QAccessibleInterface* child(int index) const override {
    const QList<QQuickItem*> list = children();
    return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list.at(index))
                                             : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child ? children().indexOf(qobject_cast<QQuickItem*>(child->object())) : -1;
  }
  // The nearest accessible item above, or the scene when that is the root
  // item its view speaks for.
  QAccessibleInterface* parent() const override {
    QAccessibleInterface* parent = QAccessibleQuickItem::parent();
    QML::View* view = item()->window() ? viewOfScene(item()->window()) : nullptr;
    if (parent && view && parent->object() && parent->object() == namedRoot(view))
      return QAccessible::queryAccessibleInterface(item()->window());
    return parent;
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value && hasOwnText()) return content();
    const QString text = QAccessibleQuickItem::text(t);
    // Qt Quick keeps a password field's name to itself, though the name
    // says what the field is for, never what it holds: the scene gives it
    // again as the field's own "accessibleName".
    if (t == QAccessible::Name && text.isEmpty())
      return item()->property("accessibleName").toString();
    return text;
  }
  QVariant currentValue() const override {
    if (isPasswordInput(item())) return content();
    return QAccessibleQuickItem::currentValue();
  }

  // A password's text is its dots; a transcript's is what its page shows;
  // a combo box's what its field shows (the name typed at sign-in).
  QString text(int startOffset, int endOffset) const override {
    if (!hasOwnText()) return QAccessibleQuickItem::text(startOffset, endOffset);
    return content().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override {
    if (!hasOwnText()) return QAccessibleQuickItem::characterCount();
    return content().size();
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                           int* end) const override {
    if (!hasOwnText()) return QAccessibleQuickItem::textBeforeOffset(offset, type, start, end);
    return QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                          int* end) const override {
    if (!hasOwnText()) return QAccessibleQuickItem::textAfterOffset(offset, type, start, end);
    return QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
  }
  QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                       int* end) const override {
    if (!hasOwnText()) return QAccessibleQuickItem::textAtOffset(offset, type, start, end);
    return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface && (isWebView() || isComboBox()))
      return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleQuickItem::interface_cast(t);
  }

 private:
  QList<QQuickItem*> children() const {
    QList<QQuickItem*> list;
    if (isLeafRole(role())) return list;
    accessibleItems(item(), &list);
    // A list makes its rows in whatever order it needs them (a new entry
    // at the top is made last): a reader takes them in the order shown.
    if (role() == QAccessible::List)
      std::stable_sort(list.begin(), list.end(), [](QQuickItem* a, QQuickItem* b) {
        const QPointF pa = a->mapToScene(QPointF(0, 0)), pb = b->mapToScene(QPointF(0, 0));
        return pa.y() < pb.y() || (qFuzzyCompare(pa.y(), pb.y()) && pa.x() < pb.x());
      });
    return list;
  }
  bool isWebView() const { return qobject_cast<QDeclarativeWebView2*>(item()) != nullptr; }
  // Our combo boxes are painted: Qt Quick knows of no text in them.
  bool isComboBox() const { return qobject_cast<QML::QComboBoxQmlAdapter*>(item()) != nullptr; }
  bool hasOwnText() const { return isPasswordInput(item()) || isWebView() || isComboBox(); }
  QString content() const {
    // The text of a web view item (the chat transcript) comes through its
    // engine: the program itself never calls the web engine by name.
    if (auto* web = qobject_cast<QDeclarativeWebView2*>(item())) return web->plainText();
    if (auto* combo = qobject_cast<QML::QComboBoxQmlAdapter*>(item())) return combo->text();
    return item()->property("displayText").toString();
  }
  bool onScreen(QML::View* view) const {
    const QRectF own = item()->mapRectToScene(QRectF(0, 0, item()->width(), item()->height()));
    QRectF visible(0, 0, view->width(), view->height());
    for (QQuickItem* i = item()->parentItem(); i; i = i->parentItem())
      if (i->clip()) visible &= i->mapRectToScene(QRectF(0, 0, i->width(), i->height()));
    return own.intersects(visible) || (own.isEmpty() && visible.contains(own.topLeft()));
  }
};

// The offscreen window of a view, in the view's place.
class SceneAccessible : public QAccessibleObject {
 public:
  SceneAccessible(QQuickWindow* scene, QML::View* view) : QAccessibleObject(scene), m_view(view) {}

  QQuickWindow* scene() const { return static_cast<QQuickWindow*>(object()); }

  bool isValid() const override { return QAccessibleObject::isValid() && m_view; }
  QWindow* window() const override {
    return m_view && m_view->window() ? m_view->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface* parent() const override {
    return m_view ? QAccessible::queryAccessibleInterface(m_view.data()) : nullptr;
  }
  int childCount() const override { return items().size(); }
  QAccessibleInterface* child(int index) const override {
    const QList<QQuickItem*> list = items();
    return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list.at(index))
                                             : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    return items().indexOf(qobject_cast<QQuickItem*>(child->object()));
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QList<QQuickItem*> list = items();
    // The topmost first: later items are painted over earlier ones.
    for (int i = list.size() - 1; i >= 0; --i) {
      QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list.at(i));
      if (iface && !iface->state().invisible && iface->rect().contains(x, y)) return iface;
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    QQuickItem* focus = focusedItem(scene());
    return focus ? QAccessible::queryAccessibleInterface(focus) : nullptr;
  }
  QAccessible::Role role() const override { return QAccessible::Client; }
  QAccessible::State state() const override {
    QAccessible::State st;
    if (!m_view || !m_view->isVisible()) {
      st.invisible = true;
      return st;
    }
    st.active = m_view->window()->isActiveWindow();
    return st;
  }
  QRect rect() const override {
    if (!m_view) return QRect();
    return QRect(m_view->mapToGlobal(QPoint(0, 0)), m_view->size());
  }
  QString text(QAccessible::Text) const override { return QString(); }

 private:
  QList<QQuickItem*> items() const {
    QList<QQuickItem*> list;
    if (QQuickItem* root = namedRoot(m_view))
      accessibleItems(root, &list);
    else if (QQuickItem* content = scene()->contentItem())
      accessibleItems(content, &list);
    return list;
  }

  QPointer<QML::View> m_view;
};

// A view: a plain widget of its window, or a popup window of its own, whose
// one child is its scene. A scene whose root item has a role or a name
// gives them to its view (a popup that is an alert, a pane named for what
// it holds).
class ViewAccessible : public QAccessibleWidget {
 public:
  explicit ViewAccessible(QML::View* view) : QAccessibleWidget(view) {}

  QAccessible::Role role() const override {
    if (QAccessibleInterface* root = rootInterface()) {
      const QAccessible::Role own = root->role();
      if (own != QAccessible::NoRole && own != QAccessible::Client) return own;
    }
    return widget()->isWindow() ? QAccessible::Window : QAccessible::Client;
  }
  QString text(QAccessible::Text t) const override {
    const QString text = QAccessibleWidget::text(t);
    if (!text.isEmpty() || (t != QAccessible::Name && t != QAccessible::Description)) return text;
    QAccessibleInterface* root = rootInterface();
    return root ? root->text(t) : QString();
  }
  int childCount() const override { return scene() ? 1 : 0; }
  QAccessibleInterface* child(int index) const override { return index == 0 ? scene() : nullptr; }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && child == scene() ? 0 : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    QAccessibleInterface* s = scene();
    return s && s->rect().contains(x, y) ? s : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    QAccessibleInterface* s = scene();
    return s ? s->focusChild() : nullptr;
  }
  QAccessible::State state() const override {
    QAccessible::State st = QAccessibleWidget::state();
    // The keyboard focus is on an item of the scene, which says so itself.
    if (focusChild()) st.focused = false;
    return st;
  }
  // What a press on an alert does: what its scene's root offers.
  QStringList actionNames() const override {
    QAccessibleInterface* root = rootInterface();
    QAccessibleActionInterface* actions = root ? root->actionInterface() : nullptr;
    return actions ? actions->actionNames() : QAccessibleWidget::actionNames();
  }
  void doAction(const QString& name) override {
    QAccessibleInterface* root = rootInterface();
    if (QAccessibleActionInterface* actions = root ? root->actionInterface() : nullptr)
      actions->doAction(name);
    else
      QAccessibleWidget::doAction(name);
  }

 private:
  QAccessibleInterface* rootInterface() const {
    QQuickItem* root = namedRoot(static_cast<QML::View*>(widget()));
    return root ? QAccessible::queryAccessibleInterface(root) : nullptr;
  }
  QAccessibleInterface* scene() const {
    auto* view = static_cast<QML::View*>(widget());
    return view && view->quickWindow() ? QAccessible::queryAccessibleInterface(view->quickWindow())
                                       : nullptr;
  }
};

// A window of ours: as a top-level window a frame or a dialog, named by its
// title; laid into another window (a dialog's body), a part of that one.
// The role follows the widget, which may be made before it is laid in.
class WindowAccessible : public QAccessibleWidget {
 public:
  WindowAccessible(QWidget* window, QAccessible::Role topLevelRole)
      : QAccessibleWidget(window), m_topLevelRole(topLevelRole) {}

  QAccessible::Role role() const override {
    if (!widget()->isWindow()) return QAccessible::Client;
    // A window that asks the user something is a dialog: a reader reads
    // what it says as it opens, where of a frame it reads the title alone.
    // Asked each time: the interface may be made while the window is still
    // being built, before it is the kind it will be.
    if (widget()->inherits("QML::PresenceRequestDialog")) return QAccessible::Dialog;
    return m_topLevelRole;
  }
  QString text(QAccessible::Text t) const override {
    auto* message = qobject_cast<Dialogs::MessageWindow*>(widget());
    if (message && t == QAccessible::Description) return message->messageLabel()->text();
    const QString text = QAccessibleWidget::text(t);
    // A message without a title is named by what it says.
    if (message && t == QAccessible::Name && text.isEmpty()) return message->messageLabel()->text();
    return text;
  }

 private:
  QAccessible::Role m_topLevelRole;
};

// The dynamic property that holds the text a reader was last told of.
const char kToldText[] = "_zent_toldText";

// The dynamic property of an item whose interface a reader has asked for.
const char kReaderAsked[] = "_zent_readerAsked";

// The dynamic property of a transcript that holds what was just added to
// it, until the turn of the event loop ends (a message is added to the page
// and then said to have arrived, in one go), and the name and text property
// of what tells a reader of an arrival.
const char kJustAdded[] = "_zent_justAdded";
const char kArrivalName[] = "_zent_arrival";
const char kArrivalText[] = "_zent_arrivalText";

// What arrived in a transcript, as a reader hears it: a notification of its
// own, as readers speak one wherever their focus is (a text's change they
// speak only while the text has the focus, and the focus is mostly in the
// message field). It stands beside the transcript, no part of the tree a
// reader walks: it is only ever heard.
class ArrivalAccessible : public QAccessibleObject {
 public:
  explicit ArrivalAccessible(QObject* arrival) : QAccessibleObject(arrival) {}
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(object()->parent());
  }
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override { return QAccessible::State(); }
  QRect rect() const override {
    QAccessibleInterface* transcript = parent();
    return transcript ? transcript->rect() : QRect();
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? object()->property(kArrivalText).toString() : QString();
  }
};

void tellArrival(QObject* transcript, const QString& text) {
  QObject* arrival =
      transcript->findChild<QObject*>(QLatin1String(kArrivalName), Qt::FindDirectChildrenOnly);
  if (!arrival) {
    arrival = new QObject(transcript);
    arrival->setObjectName(QLatin1String(kArrivalName));
  }
  arrival->setProperty(kArrivalText, text);
  if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(arrival)) {
    QAccessibleEvent named(iface, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(iface, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
  }
  emit announcements()->told(QAccessible::Alert, transcript, text);
}

// Tells a reader what changed in the text of `item` since it was last told:
// what was added at the end (a message arriving, a letter typed) or the
// whole change. Only for an item a reader has met: reading a long
// transcript's text costs more than a message.
void tellTextChange(QQuickItem* item) {
  if (!item || (!QAccessible::isActive() && !item->property(kReaderAsked).toBool())) return;
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(item);
  if (!iface) return;
  // Of a transcript never told of before, the whole history would be
  // heard as what arrived.
  const bool toldBefore = item->property(kToldText).isValid();
  const QString before = item->property(kToldText).toString();
  const QString now = iface->text(QAccessible::Value);
  if (now == before) return;
  item->setProperty(kToldText, now);
  if (now.startsWith(before)) {
    const QString added = now.mid(before.size());
    QAccessibleTextInsertEvent event(iface, before.size(), added);
    QAccessible::updateAccessibility(&event);
    emit announcements()->told(QAccessible::TextInserted, item, added);
    if (toldBefore) {
      item->setProperty(kJustAdded, added);
      QTimer::singleShot(0, item, [item] { item->setProperty(kJustAdded, QVariant()); });
    }
  } else {
    QAccessibleTextUpdateEvent event(iface, 0, before, now);
    QAccessible::updateAccessibility(&event);
    emit announcements()->told(QAccessible::TextUpdated, item, now);
  }
}

// A multi-line text field and a combo box's field tell a reader of every
// change, as Qt's single-line field does by itself.
void followTextEdit(QQuickItem* item) {
  if (item->property(kToldText).isValid()) return;
  if (auto* edit = qobject_cast<QQuickTextEdit*>(item)) {
    edit->setProperty(kToldText, edit->text());
    QObject::connect(edit, &QQuickTextEdit::textChanged, edit, [edit] { tellTextChange(edit); });
  } else if (auto* combo = qobject_cast<QML::QComboBoxQmlAdapter*>(item)) {
    combo->setProperty(kToldText, combo->text());
    QObject::connect(combo, &QML::QComboBoxQmlAdapter::textChanged, combo,
                     [combo] { tellTextChange(combo); });
  }
}

// The dynamic property of an item that holds the name a reader knows it by.
const char kKnownName[] = "_zent_knownName";

QQuickAccessibleAttached* attachedOf(QQuickItem* item) {
  for (QObject* child : item->children())
    if (auto* attached = qobject_cast<QQuickAccessibleAttached*>(child)) return attached;
  return nullptr;
}

// Whether the item takes the keys where a reader is: its view has the
// keyboard in the active window.
bool hasReaderFocus(QQuickItem* item) {
  QQuickWindow* scene = item->window();
  QML::View* view = scene ? viewOfScene(scene) : nullptr;
  return view && view->hasFocus() && view->window()->isActiveWindow() && focusedItem(scene) == item;
}

// Whether a reader is to hear that the item's name changed, wherever its
// focus is: the item takes the keys (Hold that now says Resume, Sign In
// that says Cancel), or its scene marks it as one whose every change
// matters ("accessibleLive": how a call stands, the user's own presence).
// Qt's bridge tells of a new name by handing over the object where a
// reader expects the name, and readers drop the event: told as an arrival
// is, the change is heard.
bool nameChangeIsHeard(QQuickItem* item) {
  QQuickWindow* scene = item->window();
  QML::View* view = scene ? viewOfScene(scene) : nullptr;
  if (!view || !isShownIn(item, view)) return false;
  return item->property("accessibleLive").toBool() || hasReaderFocus(item);
}

// The changes of this turn of the event loop, told together once it ends:
// a press of Hold renames the button and the call's state at once, and a
// second announcement would cut the first short.
struct NameChange {
  QPointer<QQuickItem> item;
  QString name;
  bool hadFocus;
};

QList<NameChange>& pendingNameChanges() {
  static QList<NameChange> pending;
  return pending;
}

void tellNameChanges() {
  const QList<NameChange> changes = pendingNameChanges();
  pendingNameChanges().clear();
  QQuickItem* near = nullptr;
  QStringList names;
  for (const NameChange& change : changes) {
    if (!change.item || !nameChangeIsHeard(change.item)) continue;
    // The keyboard came back to it since (a menu closed): a reader reads
    // the new name with the focus.
    if (!change.hadFocus && hasReaderFocus(change.item)) continue;
    if (!near) near = change.item;
    if (!names.contains(change.name)) names << change.name;
  }
  if (near) tellArrival(near, names.join(QStringLiteral(". ")));
}

// The dynamic property of an item that took the keyboard in this turn of
// the event loop and has not been pressed since: a reader asks for its
// name as it is told of the focus, and hears the new one then (Sign In
// turning into Cancel as it takes the keyboard from the password field).
const char kJustFocused[] = "_zent_justFocused";

// A key or a click meant for an item comes after its focus was told: what
// it renames then is news.
class PressWatcher : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::MouseButtonPress:
        watched->setProperty(kJustFocused, QVariant());
        break;
      default:
        break;
    }
    return false;
  }
};

PressWatcher* pressWatcher() {
  static PressWatcher* watcher = new PressWatcher;
  return watcher;
}

void markJustFocused(QQuickItem* item) {
  item->setProperty(kJustFocused, true);
  QTimer::singleShot(0, item, [item] { item->setProperty(kJustFocused, QVariant()); });
}

void nameChanged(QQuickItem* item, const QString& name) {
  const QString before = item->property(kKnownName).toString();
  const QString now = name.trimmed();
  item->setProperty(kKnownName, now);
  // The first name an item is given, as its scene is built, is no change.
  if (before.isEmpty() || now.isEmpty() || now == before) return;
  if (item->property(kJustFocused).toBool()) return;
  if (!QQuickItemPrivate::get(item)->componentComplete || !nameChangeIsHeard(item)) return;
  if (pendingNameChanges().isEmpty())
    QTimer::singleShot(0, announcements(), [] { tellNameChanges(); });
  pendingNameChanges() << NameChange{item, now, hasReaderFocus(item)};
}

// What changes of an item a reader must be told of and Qt Quick does not
// tell (or tells so that readers drop it): its name, and whether it can be
// used.
void followChanges(QQuickItem* item) {
  if (item->property(kKnownName).isValid()) return;
  QQuickAccessibleAttached* attached = attachedOf(item);
  if (!attached) return;
  item->setProperty(kKnownName, attached->name().trimmed());
  QObject::connect(attached, &QQuickAccessibleAttached::nameChanged, item,
                   [item, attached] { nameChanged(item, attached->name()); });
  item->installEventFilter(pressWatcher());
  QObject::connect(item, &QQuickItem::activeFocusChanged, item, [item](bool focused) {
    if (focused) markJustFocused(item);
  });
  QObject::connect(item, &QQuickItem::enabledChanged, item, [item] {
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(item, changed);
    QAccessible::updateAccessibility(&event);
  });
}

// The program: its top-level windows as the user sees them. Qt lists every
// top-level QWindow, and so the offscreen window behind each scene as a
// nameless frame of its own; those are parts of their views, not windows.
// Nor are the windows kept hidden for later (a call window before its
// call, a question already answered): a reader would count them among the
// program's windows and walk into what nobody sees.
class ApplicationAccessible : public QAccessibleApplication {
 public:
  int childCount() const override { return windows().size(); }
  QAccessibleInterface* child(int index) const override {
    const QObjectList list = windows();
    return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list.at(index))
                                             : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child ? windows().indexOf(child->object()) : -1;
  }

 private:
  // As Qt lists them (what each top-level window's interface stands for),
  // less the scenes' own windows.
  static QObjectList windows() {
    QObjectList list;
    const auto all = QGuiApplication::topLevelWindows();
    for (QWindow* w : all) {
      if (w->type() == Qt::Popup || w->type() == Qt::Desktop) continue;
      if (w->property(kSceneView).isValid() || !w->isVisible()) continue;
      QAccessibleInterface* root = w->accessibleRoot();
      if (root && root->object() && !list.contains(root->object())) list << root->object();
    }
    return list;
  }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
  Q_UNUSED(className);
  if (!object) return nullptr;
  if (object->objectName() == QLatin1String(kArrivalName)) return new ArrivalAccessible(object);
  if (object == qApp) return new ApplicationAccessible;
  if (auto* view = qobject_cast<QML::View*>(object)) return new ViewAccessible(view);
  if (auto* window = qobject_cast<QML::Window*>(object))
    return new WindowAccessible(window, QAccessible::Window);
  if (auto* window = qobject_cast<Widgets::Window*>(object))
    return new WindowAccessible(window, QAccessible::Dialog);
  // A plain dialog laid into another window (a message window's body) is
  // part of that window, not a second dialog without a name.
  if (object->metaObject() == &QDialog::staticMetaObject)
    return new WindowAccessible(static_cast<QDialog*>(object), QAccessible::Dialog);
  if (auto* scene = qobject_cast<QQuickWindow*>(object)) {
    if (QML::View* view = viewOfScene(scene)) return new SceneAccessible(scene, view);
    return nullptr;
  }
  if (auto* item = qobject_cast<QQuickItem*>(object)) {
    if (!isAccessibleItem(item)) return nullptr;
    item->setProperty(kReaderAsked, true);
    followTextEdit(item);
    followChanges(item);
    return new ItemAccessible(item);
  }
  return nullptr;
}

// Items whose interfaces Qt Quick made before ours was asked get ours.
void replaceItemInterfaces(QQuickItem* item) {
  const auto childItems = item->childItems();
  for (QQuickItem* child : childItems) {
    if (isAccessibleItem(child)) {
      QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(child);
      if (iface && !dynamic_cast<ItemAccessible*>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
      followChanges(child);
    }
    replaceItemInterfaces(child);
  }
}

}  // namespace

void install() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(factory);
}

void registerScene(QML::View* view, QQuickWindow* scene) {
  if (!scene) return;
  scene->setProperty(kSceneView, QVariant::fromValue<QObject*>(view));
  // Qt asks the factories last installed first, and Qt Quick installs its
  // own (which answers for every QQuickWindow) when the first scene is
  // loaded: come before it again.
  QAccessible::removeFactory(factory);
  QAccessible::installFactory(factory);
  // An interface Qt made for the scene before (while a screen reader runs,
  // as the view is built) gives way to ours.
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(scene);
  if (iface && !dynamic_cast<SceneAccessible*>(iface))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
  if (QQuickItem* content = scene->contentItem()) replaceItemInterfaces(content);
}

void textChanged(QQuickItem* item) { tellTextChange(item); }

void messageArrived(QQuickItem* transcript) {
  if (!transcript) return;
  const QString added = transcript->property(kJustAdded).toString().trimmed();
  transcript->setProperty(kJustAdded, QVariant());
  if (!added.isEmpty()) tellArrival(transcript, added);
}

void notify(QObject* near, const QString& text) {
  if (near && !text.trimmed().isEmpty()) tellArrival(near, text.trimmed());
}

void announce(QML::View* view) {
  if (!view || !view->isWindow()) return;
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(view);
  if (!iface) return;
  const QAccessible::Role role = iface->role();
  if (role != QAccessible::AlertMessage && role != QAccessible::Notification) return;
  QAccessibleEvent event(iface, QAccessible::Alert);
  QAccessible::updateAccessibility(&event);
  emit announcements()->told(QAccessible::Alert, view, iface->text(QAccessible::Name));
}

void viewFocused(QML::View* view) {
  if (!view || !QAccessible::isActive()) return;
  // The item takes the keyboard back with its view (a menu closed): what
  // the menu's choice renames now is read with the focus told below.
  if (QQuickItem* item = focusedItem(view->quickWindow())) markJustFocused(item);
  // After Qt's own event for the view, which follows its focus-in.
  QTimer::singleShot(0, view, [view] {
    if (!view->hasFocus()) return;
    if (QQuickItem* item = focusedItem(view->quickWindow())) {
      QAccessibleEvent event(item, QAccessible::Focus);
      QAccessible::updateAccessibility(&event);
    }
  });
}

Announcements* announcements() {
  static Announcements* instance = new Announcements;
  return instance;
}

}  // namespace Accessibility
}  // namespace Utils
