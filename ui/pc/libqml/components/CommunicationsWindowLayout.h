#pragma once

#include <QList>
#include <QSize>

namespace QML {

// Which panes a communications window shows for its session's state, how
// large each may become, where each sits and how small the window may be: a
// pure function of a few flags, so that every combination can be checked
// without a window. The window applies the plan to its widgets.
namespace CommsLayout {

// QWIDGETSIZE_MAX: no upper bound.
constexpr int kUnbounded = 16777215;

enum Pane { CallPane, VideoPane, ChatPane, ParticipantsPane, SharePane, SecurityBarPane };
constexpr int kPaneCount = 6;

// What the window reads from the session, its call, chat and share.
struct Flags {
  bool chatBit = false;     // activity bit 1 (chat) is set
  bool video = false;       // a call with running video
  bool audio = false;       // a call without video
  bool group = false;       // activity bit 8
  bool share = false;       // a share that is not closed
  bool viewer = false;      // the user watches somebody else's share
  bool chat = false;        // chat bit and the chat is active
  bool chatAction = false;  // the toolbar's chat action exists and is enabled
  bool classified = false;  // a security classification applies
};

struct PaneLimits {
  bool set = false;  // false: the pane keeps the limits it had
  QSize minimum;
  QSize maximum;
};

struct Plan {
  bool visible[kPaneCount] = {};
  PaneLimits limits[kPaneCount];
  // 1 to 18: the arrangement chosen (the first matching case).
  int arrangement = 18;
  // Panes appended to the column (inside the row) and then to the row.
  QList<Pane> column;
  QList<Pane> row;
  QSize minimumContent = QSize(0, 0);
  // The window's new minimum size: content plus footer (and security bar).
  QSize minimumWindow = QSize(0, 0);
  // Video and share together switch the chat on.
  bool switchChatOn = false;
  // The chat view takes the keyboard focus.
  bool focusChat = false;
};

// Pane sizes at rest: the call view's minimum, the footer and the bar.
constexpr int kCallViewMinWidth = 480;
constexpr int kCallViewMinHeight = 115;
constexpr int kFooterHeight = 35;
constexpr int kSecurityBarHeight = 20;

// `callView`: the least the call scene needs (its controls' row and the
// call's state above it); never less than the size at rest.
Plan plan(const Flags& flags, int securityBarHeight = kSecurityBarHeight,
          QSize callView = QSize(kCallViewMinWidth, kCallViewMinHeight));

}  // namespace CommsLayout
}  // namespace QML
