#include "libqml/utils/QmlHelper.h"

#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTextDocument>

#include <RAZ/Actions/Provider.h>
#include <RAZ/Actions/Source.h>
#include <RAZ/Contacts/Contacts.h>

#include "Utils/ActionsHelper.h"
#include "Utils/PresenceState.h"
#include "Utils/StringHelper.h"

namespace QML {

namespace {

// A character class: form feed, line feed, carriage return, tab, vertical
// tab, and the bar as well.
const QString kWhiteSpaceChars = QStringLiteral("[\f|\n|\r|\t|\v]");

const QString kPresence = QStringLiteral("qrc:/presence/");

QString shortTime(const QTime& time) { return Utils::StringHelper::formatTime(time); }

}  // namespace

QmlHelper::QmlHelper(QObject* parent) : QObject(parent) {
  using P = Utils::PresenceState;
  auto contact = [this](std::initializer_list<int> states, const QString& name) {
    for (int s : states) {
      m_smallIcons.insert(s, name.isEmpty()
                                 ? QString()
                                 : kPresence + QStringLiteral("presence_%1_small.png").arg(name));
      m_largeIcons.insert(s, name.isEmpty()
                                 ? QString()
                                 : kPresence + QStringLiteral("presence_%1_large.png").arg(name));
    }
  };
  contact({P::Unknown}, QString());
  contact({P::Pending}, QStringLiteral("pending"));
  contact({P::Offline, P::Hidden}, QStringLiteral("inactive"));
  contact({P::AwayIdle, P::Away, P::AwayBeRightBack}, QStringLiteral("away"));
  contact({P::AvailableIdle, P::Available}, QStringLiteral("present"));
  contact({P::Deskphone}, QStringLiteral("ondesk"));
  contact({P::Mobile}, QStringLiteral("onmobile"));
  contact({P::BusyOnline, P::BusyPresenting, P::Busy}, QStringLiteral("busy"));
  contact({P::Meeting, P::MeetingBusy}, QStringLiteral("inmeeting"));
  contact({P::OnCall, P::OnCallBusy}, QStringLiteral("incall"));
  contact({P::DoNotDisturb}, QStringLiteral("dnd"));

  auto own = [this](std::initializer_list<int> states, const QString& name) {
    for (int s : states)
      m_ownIcons.insert(s, kPresence + QStringLiteral("ownpresence_%1.png").arg(name));
  };
  own({P::Unknown, P::Offline, P::Hidden}, QStringLiteral("offline"));
  own({P::AwayIdle, P::Away, P::AwayBeRightBack}, QStringLiteral("away"));
  own({P::AvailableIdle, P::Available}, QStringLiteral("online"));
  own({P::Deskphone}, QStringLiteral("onlineondesk"));
  own({P::Mobile}, QStringLiteral("onlineonmobile"));
  own({P::BusyOnline, P::BusyPresenting, P::Busy, P::BusyOutOfOffice, P::DoNotDisturb},
      QStringLiteral("busy"));
  own({P::Meeting, P::MeetingBusy}, QStringLiteral("busyinmeeting"));
  own({P::OnCall, P::OnCallBusy}, QStringLiteral("busyincall"));
}

bool QmlHelper::checkResource(const QString& path) const {
  if (path.isEmpty()) return false;
  if (path.startsWith(QLatin1String("qrc:/"))) return QFileInfo::exists(path.mid(3));
  return QFileInfo::exists(path);
}

QString QmlHelper::modifyStyle(const QString& text, const QString& searchText,
                               const QString& style) const {
  // The result is shown as rich text, so every piece of the name is escaped,
  // and each match is wrapped in its own letters. Matching the raw text
  // (not its escaped form) keeps a search for "amp" or "lt" out of entities.
  if (searchText.isEmpty()) return text.toHtmlEscaped();
  QString out;
  int from = 0;
  int at;
  while ((at = text.indexOf(searchText, from, Qt::CaseInsensitive)) >= 0) {
    out += text.mid(from, at - from).toHtmlEscaped();
    out += QStringLiteral("<span style=\"%1\">%2</span>")
               .arg(style.toHtmlEscaped(), text.mid(at, searchText.size()).toHtmlEscaped());
    from = at + searchText.size();
  }
  out += text.mid(from).toHtmlEscaped();
  return out;
}

QString QmlHelper::formatTime(const QDateTime& dateTime) const {
  return shortTime(dateTime.time());
}

QString QmlHelper::formatDateTime(const QDateTime& dateTime) const {
  if (!dateTime.isValid()) return QString();
  return tr("%1 %2", "Date and time")
      .arg(Utils::StringHelper::formatDate(dateTime.date()), formatTime(dateTime));
}

QString QmlHelper::formatHistoryEntryTime(const QDateTime& dateTime) const {
  if (dateTime.date() == QDateTime::currentDateTime().date()) return formatTime(dateTime);
  return QLocale().toString(dateTime.date(), QLocale::NarrowFormat);
}

QString QmlHelper::formatActiveCommsEntryTime(const QTime& time) const {
  if (!time.isValid()) return QString();
  if (time.hour() == 0) return time.toString(QStringLiteral("mm:ss"));
  return time.toString(Qt::TextDate);
}

QString QmlHelper::stripWhiteSpaceChars(const QString& text) const {
  static const QRegularExpression re(kWhiteSpaceChars);
  QString out = text;
  out.replace(re, QStringLiteral(" "));
  return out.trimmed();
}

QString QmlHelper::getPresenceIcon(int state, bool large, bool own) const {
  if (own) return m_ownIcons.value(state);
  // Out of office has no icon of its own among the others' states.
  if (state == Utils::PresenceState::BusyOutOfOffice) state = Utils::PresenceState::Busy;
  return large ? m_largeIcons.value(state) : m_smallIcons.value(state);
}

QString QmlHelper::getPresenceIcon(int state, bool large) const {
  return getPresenceIcon(state, large, false);
}

// The action texts and the platform's contact groups arrive with the menu
// builder and the contact model; until then there is no text to give.
QString QmlHelper::getTooltip(int id, QObject* provider) const {
  return Utils::ActionsHelper::actionText(id, qobject_cast<RAZ::Actions::Provider*>(provider),
                                          false);
}

QString QmlHelper::getGroupName(const QVariant& group) const {
  const auto* g = qobject_cast<RAZ::Contacts::IGroup*>(group.value<QObject*>());
  if (!g) return QString();
  switch (g->getId()) {
    case RAZ::Contacts::IGroup::AllContactsId:
      return tr("All Contacts");
    case RAZ::Contacts::IGroup::FavouritesId:
      return tr("Favorites");
    default:
      return g->getName();
  }
}

}  // namespace QML
