#include "libqml/components/MainWindow.h"

#include <QAction>
#include <QFileInfo>
#include <QImageReader>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include <RAZ/Actions/Provider.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/XmppChatController.h>
#include <RAZ/Presence/PresenceData.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <TP/Core/Logging.h>

#include "Providers/Factory.h"
#include "Providers/MenuActionProvider.h"
#include "Utils/CallSettingsToolbarHelper.h"
#include "Utils/CommunicationsWindowManager.h"
#include "Utils/MainView.h"
#include "Utils/MyRoomHelper.h"
#include "Utils/PresenceHelper.h"
#include "Utils/Search/SearchManager.h"
#include "Utils/WindowManager.h"
#include "Widgets/Notifications/ContactMouseOver.h"
#include "dialogs/FileDialog.h"
#include "dialogs/LocationPublish.h"
#include "libqml/components/CallSettings.h"

namespace QML {

// --- avatar, My Room, call settings ---

void MainWindow::changeAvatar() {
  RAZ::Contacts::IContact* own = qobject_cast<RAZ::Contacts::IContact*>(ownContact());
  if (!own) return;
  TP_LOG("QML::MainWindow::changeAvatar", TP::Core::Logging::LevelInformation) << "Contact obj ok.";
  auto* dialog = new Dialogs::FileDialog(this, Dialogs::FileDialog::OpenImage, QString());
  QPointer<RAZ::Contacts::IContact> guard(own);
  connect(dialog, &Dialogs::FileDialog::fileSelected, this, [guard](const QString& path) {
    if (guard) setOwnAvatar(guard, path);
  });
  dialog->start();
}

void MainWindow::setOwnAvatar(RAZ::Contacts::IContact* own, const QString& path) {
  // What the service publishes, and what the own panel shows.
  own->presenceData()->setAvatarPath(path);
  own->setProperty(RAZ::Contacts::Properties::KeyAvatar, path);
}

bool MainWindow::isAvatarPicture(const QUrl& url) const {
  if (!url.isLocalFile()) return false;
  // The pictures Change Profile Photo offers, and only ones that read as such.
  static const QStringList kinds = {QStringLiteral("png"), QStringLiteral("jpg"),
                                    QStringLiteral("jpeg"), QStringLiteral("gif")};
  const QFileInfo file(url.toLocalFile());
  if (!file.isFile() || !kinds.contains(file.suffix().toLower())) return false;
  QImageReader reader(file.absoluteFilePath());
  return reader.canRead();
}

bool MainWindow::setAvatarPicture(const QUrl& url) {
  RAZ::Contacts::IContact* own = qobject_cast<RAZ::Contacts::IContact*>(ownContact());
  if (!own || !isAvatarPicture(url)) return false;
  setOwnAvatar(own, QFileInfo(url.toLocalFile()).absoluteFilePath());
  return true;
}

void MainWindow::clearAvatar() {
  RAZ::Contacts::IContact* own = qobject_cast<RAZ::Contacts::IContact*>(ownContact());
  if (!own) return;
  TP_LOG("QML::MainWindow::clearAvatar", TP::Core::Logging::LevelInformation) << "Contact obj ok.";
  setOwnAvatar(own, QString());
}

void MainWindow::myRoomReady() {
  m_myRoomReady = true;
  emit myRoomReadyChanged();
}

QString MainWindow::getMyRoomToolTip() const {
  if (!m_session || !m_session->contactsManager()) return QString();
  return Utils::MyRoomHelper::invitationText(m_session->contactsManager()->ownContact(), false);
}

void MainWindow::sendInvitation() {
  if (!m_session || !m_session->contactsManager()) return;
  Utils::MyRoomHelper::sendInvitation(m_session->contactsManager()->ownContact(),
                                      m_session->configuration());
}

void MainWindow::copyInvitation() {
  if (!m_session || !m_session->contactsManager()) return;
  Utils::MyRoomHelper::copyInvitation(m_session->contactsManager()->ownContact(),
                                      m_session->configuration());
}

void MainWindow::showLocationPublishDialog() {
  if (m_factory && m_factory->presenceHelper())
    m_factory->presenceHelper()->showLocationPublishDialog();
}

void MainWindow::testCallTriggered() {
  // Only the test-call contact is called: never whatever the list selects.
  RAZ::Actions::Provider* provider = testCallProvider();
  if (!provider) return;
  RAZ::Actions::Action* video = provider->getActionById(RAZ::Actions::Action::VideoCall);
  if (video && video->isEnabled())
    provider->trigger(RAZ::Actions::Action::VideoCall);
  else
    provider->trigger(RAZ::Actions::Action::Call);
}

void MainWindow::clearAndFetchRooms() {
  if (m_activeView != Utils::MainView::name(Utils::MainView::Rooms)) return;
  if (m_session && m_session->xmppChatController())
    m_session->xmppChatController()->chatRoomsFilterModel()->invalidate();
}

void MainWindow::onMessages(QVariant count, QVariant) {
  const int n = count.type() == QVariant::List ? count.toList().size() : count.toInt();
  if (n == m_voiceMailMessagesCount) return;
  m_voiceMailMessagesCount = n;
  emit voiceMailMessagesCountChanged();
}

void MainWindow::onXmppConnectStateChanged() {
  const bool offline = Utils::PresenceHelper::isOfflineMode(m_session);
  if (offline != m_offlineMode) {
    m_offlineMode = offline;
    emit offlineModeChanged();
  }
  emit xmppConnectStateChanged();
}

// --- menus ---

void MainWindow::openMenu(QMenu* menu) { Window::openMenu(menu); }

QObject* MainWindow::callSettingsToolbarHelperObject() const { return m_toolbarHelper; }

QString MainWindow::ownLocation() const {
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      m_session ? m_session->contactsManager()
                : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
  RAZ::Presence::PresenceData* presence = contacts ? contacts->ownPresence() : nullptr;
  if (!presence) return QString();
  const RAZ::Utils::Location::Info info = presence->getLocationInfo();
  const QString place = Dialogs::LocationPublish::locationText(info);
  const QString time = Dialogs::LocationPublish::timeText(info);
  return (place + QStringLiteral("  ") + time).trimmed();
}

void MainWindow::startLocationClock() {
  // The header shows the time at the published place: it turns with each
  // minute, however long the window stays open.
  auto* clock = new QTimer(this);
  clock->setObjectName(QStringLiteral("locationClock"));
  clock->setSingleShot(true);
  clock->setTimerType(Qt::PreciseTimer);
  const auto toNextMinute = [] {
    const QTime now = QTime::currentTime();
    return (60 - now.second()) * 1000 - now.msec() + 50;
  };
  connect(clock, &QTimer::timeout, this, [this, clock, toNextMinute] {
    emit ownLocationChanged();
    clock->start(toNextMinute());
  });
  clock->start(toNextMinute());
}

void MainWindow::openCallSettings() { openCallSettings(Utils::DefaultPage); }

void MainWindow::openCallSettings(Utils::CallSettingsPage page) {
  if (!m_callSettings) {
    m_callSettings =
        new QML::CallSettings(m_session, m_factory && m_factory->isAlwaysOnTop(), nullptr);
    // It belongs to this window: it opens over it, not where the desktop
    // puts new windows.
    Utils::WindowManager::placeOver(m_callSettings, this);
  }
  m_callSettings->showAndActivate();
  m_callSettings->showPage(int(page));
}

void MainWindow::showContactMouseOver(QVariant contact) {
  if (!m_contactMouseOver || !isActiveWindow()) return;
  if (!m_pointerMoved) return;
  auto* shown = qobject_cast<RAZ::Contacts::IContact*>(contact.value<QObject*>());
  if (!shown) {
    // Only a contact has a card; a header or an empty row puts away one
    // still showing for the row before.
    hideContactMouseOver();
    return;
  }
  m_contactMouseOver->setContact(shown);
  m_contactMouseOver->showAtCursor();
}

void MainWindow::hideContactMouseOver() {
  if (!m_contactMouseOver) return;
  m_contactMouseOver->hideTimer()->stop();
  m_contactMouseOver->hide();
}

void MainWindow::signOut() {
  if (QAction* a = m_menuActionProvider
                       ? m_menuActionProvider->action(Providers::MenuActionProvider::SignOut)
                       : nullptr)
    a->trigger();
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange && m_searchManager) {
    m_searchManager->retranslateSearchGroups();
    if (m_ownSearchGroup) m_ownSearchGroup->setName(tr("Own Contacts"));
    if (m_directoryGroup) m_directoryGroup->setName(tr("Directory"));
  }
  // A card left over a window in the background would float over
  // whatever the user turned to.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) hideContactMouseOver();
  // Coming back (by the keyboard, most often) finds the pointer wherever it
  // was left: only a move over the list shows a card again.
  if (event->type() == QEvent::ActivationChange) m_pointerMoved = false;
  Window::changeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view()) {
    switch (event->type()) {
      case QEvent::MouseMove: {
        const QPoint at = static_cast<QMouseEvent*>(event)->globalPos();
        if (at != m_pointerAt) {
          m_pointerAt = at;
          m_pointerMoved = true;
        }
        break;
      }
      case QEvent::KeyPress:
      case QEvent::Wheel:
        // Keys and the wheel move the list under a pointer at rest: the
        // card of the row that was there goes, and no other comes.
        m_pointerMoved = false;
        hideContactMouseOver();
        break;
      default:
        break;
    }
  }
  return Window::eventFilter(watched, event);
}

void MainWindow::focusRingingCall() {
  if (m_commsWindowManager) m_commsWindowManager->focusRingingCall();
}

}  // namespace QML
