#include "libqml/components/CommunicationsWindowLayout.h"

#include <algorithm>

namespace QML {
namespace CommsLayout {

namespace {

QSize minimumOf(const Plan& p, Pane pane) { return p.limits[pane].minimum; }

void setLimits(Plan& p, Pane pane, QSize minimum, QSize maximum) {
  p.limits[pane].set = true;
  p.limits[pane].minimum = minimum;
  p.limits[pane].maximum = maximum;
}

struct Arrangement {
  // Required flags; "not viewer" is its own requirement.
  bool video, group, chat, share, viewer, notViewer, audio;
  QList<Pane> column;
  QList<Pane> row;
};

bool matches(const Arrangement& a, const Flags& f) {
  return (!a.video || f.video) && (!a.group || f.group) && (!a.chat || f.chat) &&
         (!a.share || f.share) && (!a.viewer || f.viewer) && (!a.notViewer || !f.viewer) &&
         (!a.audio || f.audio);
}

const QList<Arrangement>& arrangements() {
  //                     video  group  chat   share  viewer !viewer audio
  static const QList<Arrangement> table = {
      {true,
       true,
       true,
       true,
       true,
       false,
       false,
       {VideoPane, ParticipantsPane, ChatPane},
       {SharePane}},
      {true,
       true,
       true,
       true,
       false,
       true,
       false,
       {ParticipantsPane, ChatPane},
       {VideoPane, SharePane}},
      {false, true, true, true, true, false, false, {ParticipantsPane, ChatPane}, {SharePane}},
      {false, true, true, true, false, true, false, {}, {ParticipantsPane, ChatPane, SharePane}},
      {true, false, true, true, true, false, false, {VideoPane, ChatPane}, {SharePane}},
      {true, false, true, true, false, true, false, {}, {ChatPane, VideoPane, SharePane}},
      {true, true, true, false, false, false, false, {ParticipantsPane, ChatPane}, {VideoPane}},
      {true, true, false, false, false, false, false, {}, {ParticipantsPane, VideoPane}},
      {false, false, true, true, false, false, false, {}, {ChatPane, SharePane}},
      {true, false, true, false, false, false, false, {}, {ChatPane, VideoPane}},
      {false, true, true, false, false, false, false, {}, {ParticipantsPane, ChatPane}},
      {false, true, false, true, false, false, false, {}, {ParticipantsPane, SharePane}},
      {true, false, false, false, false, false, false, {}, {VideoPane}},
      {false, false, false, true, false, false, false, {}, {SharePane}},
      {false, false, true, false, false, false, false, {}, {ChatPane}},
      {false, true, false, false, false, false, true, {}, {ParticipantsPane}},
      {false, false, false, false, false, false, true, {}, {CallPane}},
  };
  return table;
}

}  // namespace

Plan plan(const Flags& f, int securityBarHeight, QSize callView) {
  Plan p;
  const QSize unbounded(kUnbounded, kUnbounded);
  callView = callView.expandedTo(QSize(kCallViewMinWidth, kCallViewMinHeight));
  setLimits(p, CallPane, callView, unbounded);
  p.switchChatOn = f.video && f.share;

  p.visible[ChatPane] = f.chat;
  p.visible[CallPane] = f.audio && !f.chat && !f.share && (!f.group || !f.chatAction);
  p.visible[VideoPane] = f.video;
  p.visible[SharePane] = f.share;
  p.visible[ParticipantsPane] = f.group && f.chatAction;
  p.visible[SecurityBarPane] = f.classified;

  const bool narrowChat = f.video || (f.share && f.viewer);
  if (f.chatBit) {
    if (narrowChat)
      setLimits(p, ChatPane, QSize(240, 255), QSize(240, kUnbounded));
    else
      setLimits(p, ChatPane, QSize(420, 255), unbounded);
    p.focusChat = true;
  }
  if (f.video) {
    if (f.share && f.viewer)
      setLimits(p, VideoPane, QSize(240, 180), QSize(240, 180));
    else
      setLimits(p, VideoPane, QSize(callView.width(), 275), unbounded);
  }
  if (f.share) {
    if (!f.viewer && f.chat)
      setLimits(p, SharePane, QSize(200, 275), QSize(200, kUnbounded));
    else
      setLimits(p, SharePane, QSize(420, 275), unbounded);
  }
  if (f.group) {
    if (f.chat && narrowChat)
      setLimits(p, ParticipantsPane, QSize(240, 150), QSize(240, 150));
    else if (f.audio && !f.chat && !f.share)
      setLimits(p, ParticipantsPane, QSize(200, 150), unbounded);
    else
      setLimits(p, ParticipantsPane, QSize(200, 150), QSize(200, kUnbounded));
  }

  const QList<Arrangement>& table = arrangements();
  for (int i = 0; i < table.size(); ++i) {
    if (!matches(table.at(i), f)) continue;
    p.arrangement = i + 1;
    p.column = table.at(i).column;
    p.row = table.at(i).row;
    break;
  }

  // Side by side: widths add up, the tallest decides; stacked: the widest
  // decides, heights add up. The column is one pane of the row.
  QSize column(0, 0);
  for (Pane pane : qAsConst(p.column)) {
    const QSize m = minimumOf(p, pane);
    column = QSize(std::max(column.width(), m.width()), column.height() + m.height());
  }
  QSize content = column;
  for (Pane pane : qAsConst(p.row)) {
    QSize m = minimumOf(p, pane);
    if (p.arrangement == 16) m = QSize(std::max(m.width(), callView.width()), m.height());
    content = QSize(content.width() + m.width(), std::max(content.height(), m.height()));
  }
  p.minimumContent = content;
  const int base = kFooterHeight + (f.classified ? securityBarHeight : 0);
  p.minimumWindow = QSize(content.width(), base + content.height());
  return p;
}

}  // namespace CommsLayout
}  // namespace QML
