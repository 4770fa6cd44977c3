#include "libqml/components/CallSettings.h"

#include <QEvent>

#include <RAZ/Sessions/SessionManagerBase.h>

namespace QML {

CallSettings::CallSettings(RAZ::Sessions::SessionManagerBase* session, bool alwaysOnTop,
                           QWidget* parent)
    : Window(alwaysOnTop, parent), m_session(session) {
  setObjectName(QStringLiteral("callSettings"));
  setTitle(tr("Call Settings"));
  setSource(QStringLiteral("qrc:/windows/CallSettings/CallSettings.qml"));
}

CallSettings::~CallSettings() = default;

QStringList CallSettings::tabs() const {
  return {tr("General"), tr("Call Forwarding"), tr("Do Not Disturb"), tr("Remote Office")};
}

void CallSettings::showAndRaise() {
  show();
  raise();
  activateWindow();
}

void CallSettings::openPage(int page) {
  if (page < 0 || page >= tabs().size() || page == m_page) return;
  m_page = page;
  emit currentPageChanged();
}

void CallSettings::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    setTitle(tr("Call Settings"));
    emit tabsChanged();
  }
  Window::changeEvent(event);
}

}  // namespace QML
