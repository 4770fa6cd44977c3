#pragma once

#include <QObject>

class QQuickItem;
class QQuickWindow;

namespace QML {
class View;
}

namespace Utils {

// How our windows appear to screen readers (through QAccessible, which the
// desktop's accessibility bridge reads).
//
// A QML scene is shown by a QML::View, a QQuickWidget: Qt draws the scene in
// an offscreen QQuickWindow and shows the picture in the widget. Left to
// itself, Qt gives that offscreen window an accessible interface of its own
// that belongs to no visible window: the scene's items hang under a frame
// that is never shown, and the widget that is shown is an empty filler. So
// a screen reader can neither reach the items from the window the user sees
// nor tell a hidden item from a shown one.
//
// We keep the scene in the widget and give both an interface of ours: the
// view's lists the scene as its one child; the scene's (the offscreen
// window's) names the view as its parent, takes the view's place, size,
// visibility and focus, and lists the scene's accessible items. The items
// keep Qt Quick's interfaces (roles, names, actions, text), whose parent is
// the offscreen window, so the tree is whole both ways: window -> view ->
// scene -> items and back. Only their visibility is ours: Qt Quick takes an
// item for hidden whenever its window is, and the offscreen window never
// shows, so it would call every item hidden; ours follows the view, the
// item and its ancestors as the user sees them.
// Showing the scene in a native window through a window container instead
// would make the same tree, but a child native window breaks what relies on
// the view being a plain widget: grabbing the scene (tests, the headless
// platform), popups stacked over it and keyboard focus moving between the
// scene and the widgets around it.
//
// Two things Qt Quick leaves out are ours too: an item that cannot be used
// says it is disabled, and a change of an item's name is told as an
// arrival is (see notify below) when the item has the keyboard or its
// scene marks it with a true "accessibleLive" property (how a call
// stands, the user's own presence). Qt 5's bridge hands a reader the
// object where it expects the new name, and readers drop that event.
//
// Top-level windows get their roles: a QML window is a frame, a widget
// window of ours a dialog, named by its title (a message window without a
// title by its message).
namespace Accessibility {

// Installs the interfaces above, once; every view and window calls it
// before it can be asked for.
void install();

// Marks the offscreen window of `view` as its scene; again whenever the view
// is shown, after its scene is loaded.
void registerScene(QML::View* view, QQuickWindow* scene);

// Tells a reader what changed in the text of an item that does not say so
// itself (the chat transcript when a message is added).
void textChanged(QQuickItem* item);

// What was just added to `transcript` (this turn of the event loop) is a
// message that arrived: a reader is told what it says wherever its focus
// is, as the "told" Alert below too.
void messageArrived(QQuickItem* transcript);

// Tells a reader `text` wherever its focus is, as a notification beside
// `near` (what it is about: a window, an item), as messageArrived does. For
// what appears without taking the focus and must be heard (a service
// problem in the main window's banner): readers speak an alert only when
// it takes the focus.
void notify(QObject* near, const QString& text);

// A popup view whose scene is an alert or a notification (an incoming call
// or chat) is announced when it appears: its name says who and what. The
// desktop's bridge passes no alert event on; readers speak a notification
// as soon as it shows.
void announce(QML::View* view);

// Tells a reader again which item of `view`'s scene has the keyboard, once
// the view has taken it: Qt tells of the view itself after it told of the
// item, and a reader would be left on a nameless filler.
void viewFocused(QML::View* view);

// What the two calls above tell a reader, also as a signal: the desktop's
// bridge hears it only while a reader runs (and Qt drops it otherwise), a
// log or a test can listen always. `text` is the alert's name or the text
// added (the whole new text when it changed elsewhere).
class Announcements : public QObject {
  Q_OBJECT
 signals:
  void told(int eventType, QObject* object, const QString& text);
};
Announcements* announcements();

}  // namespace Accessibility
}  // namespace Utils
