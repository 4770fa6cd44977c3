#include "libqml/components/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDesktopWidget>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QQmlContext>
#include <QQuickItem>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStandardPaths>

#include <RAZ/Actions/Provider.h>
#include <RAZ/Actions/Source.h>
#include <RAZ/Client.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Databases/Comms.h>
#include <RAZ/Presence/PresenceData.h>
#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include <csignal>
#include <cstdlib>

#include "Providers/Factory.h"
#include "Providers/MenuActionProvider.h"
#include "Utils/CallSettingsToolbarHelper.h"
#include "Utils/CommunicationsWindowManager.h"
#include "Utils/PresenceHelper.h"
#include "Utils/SettingsKeys.h"
#include "dialogs/LocationPublish.h"
#include "libqml/window/View.h"

namespace QML {

MainWindow::MainWindow(RAZ::Client* client, Providers::Factory* factory,
                       Providers::MenuActionProviderWin* menuActionProvider,
                       RAZ::Databases::Comms* commsDb,
                       Utils::CommunicationsWindowManager* commsWindowManager, bool stayOnTop,
                       QWidget* parent)
    : Window(false, parent),
      m_client(client),
      m_session(client ? client->sessionManager() : nullptr),
      m_factory(factory),
      m_menuActionProvider(menuActionProvider),
      m_commsDb(commsDb),
      m_commsWindowManager(commsWindowManager) {
  setObjectName(QStringLiteral("mainWindow"));
  setTitle(QCoreApplication::applicationName());
  setSystemMenuSuppressed(true);
  if (stayOnTop) setAlwaysOnTop(true);
  m_showStatus = RAZ::Settings(RAZ::Settings::User)
                     .value(Utils::SettingsKey::ShowPresenceStatus, false)
                     .toBool();
  if (RAZ::Settings(RAZ::Settings::Application)
          .value(Utils::SettingsKey::CrashingEnabled, false)
          .toBool()) {
    m_crashShortcut = new QShortcut(QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_F10), this);
    m_crashShortcut->setContext(Qt::ApplicationShortcut);
    connect(m_crashShortcut, SIGNAL(activated()), this, SLOT(crash()));
  }

  m_toolbarHelper = new Utils::CallSettingsToolbarHelper(m_session, this);
  connect(m_toolbarHelper, SIGNAL(openCallSettings(Utils::CallSettingsPage)), this,
          SLOT(openCallSettings(Utils::CallSettingsPage)));

  m_contactsProxy = new QSortFilterProxyModel(this);
  m_contactsProxy->setSortRole(RAZ::Contacts::Contacts::DisplayNameRole);
  m_contactsProxy->setFilterRole(RAZ::Contacts::Contacts::DisplayNameRole);
  m_contactsProxy->setSortCaseSensitivity(Qt::CaseInsensitive);
  m_contactsProxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
  m_contactsProxy->setDynamicSortFilter(true);
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      m_session ? m_session->contactsManager()
                : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
  if (contacts) {
    m_contactsProxy->setSourceModel(contacts->getModel(RAZ::Contacts::Contacts::ContactListKind));
    m_contactsProxy->sort(0);
    if (RAZ::Contacts::IContact* own = contacts->ownContact().data())
      connect(own, SIGNAL(changed()), this, SIGNAL(ownContactChanged()));
    if (RAZ::Presence::PresenceData* presence = contacts->ownPresence())
      connect(presence, SIGNAL(locationChanged()), this, SIGNAL(ownLocationChanged()));
  }

  m_contactSource = new RAZ::Actions::SourceComposite(nullptr);
  if (m_factory) m_actionsProvider = m_factory->createActionProvider(m_contactSource);

  if (m_menuActionProvider) {
    if (QAction* a = m_menuActionProvider->action(Providers::MenuActionProvider::AlwaysOnTop)) {
      a->setCheckable(true);
      a->setChecked(isAlwaysOnTop());
      connect(a, SIGNAL(triggered()), this, SLOT(alwaysOnTopTriggered()));
    }
  }
  if (m_commsWindowManager) {
    connect(this, SIGNAL(checkVoiceMails()), m_commsWindowManager, SLOT(checkVoiceMails()));
    connect(this, SIGNAL(primarySortFieldChanged()), m_commsWindowManager,
            SIGNAL(primarySortFieldChanged()));
  }
}

MainWindow::~MainWindow() {
  if (m_geometryRestored) saveGeometry();
  // The call settings belong to this session's window.
  if (m_callSettings) m_callSettings->deleteLater();
  // The provider is the source's child and goes with it.
  delete m_contactSource;
}

bool MainWindow::activate() {
  if (QQmlContext* context = view()->rootContext()) {
    context->setContextProperty(QStringLiteral("contactModel"), m_contactsProxy);
    context->setContextProperty(QStringLiteral("actionsProvider"), m_actionsProvider);
    context->setContextProperty(QStringLiteral("mainWindow"), this);
    context->setContextProperty(
        QStringLiteral("presenceHelper"),
        QVariant::fromValue<QObject*>(m_factory ? m_factory->presenceHelper() : nullptr));
  }
  if (!setSource(QStringLiteral("qrc:/windows/MainWindow/MainWindow.qml")))
    TP_LOG("QML::MainWindow::activate", TP::Core::Logging::LevelError)
        << "The main scene did not load cleanly";
  bool connected = false;
  if (QQuickItem* root = view()->rootObject()) {
    if (QQuickItem* active = root->findChild<QQuickItem*>(QStringLiteral("activeView"))) {
      m_activeView = active->property("state").toString();
      m_activeViewSince = QDateTime::currentDateTimeUtc();
      connected = connect(active, SIGNAL(stateChanged(const QString&)), this,
                          SLOT(activeViewChanged(const QString&)));
    }
  }
  restoreGeometry();
  return connected;
}

Providers::Factory* MainWindow::factory() const { return m_factory; }

QSize MainWindow::minimumWindowSize() const { return QSize(245, 425); }

QSize MainWindow::maximumWindowSize() const {
  return QSize(400, QApplication::desktop() ? QApplication::desktop()->geometry().height() : 10000);
}

bool MainWindow::canClose() {
  if (isPinnedToTaskbar())
    showMinimized();
  else
    hide();
  return false;
}

bool MainWindow::isPinnedToTaskbar() const {
  const QDir folder(
      QStandardPaths::writableLocation(QStandardPaths::HomeLocation) +
      QStringLiteral(
          "/AppData/Roaming/Microsoft/Internet Explorer/Quick Launch/User Pinned/TaskBar"));
  if (!folder.exists()) return false;
  const QStringList args = QCoreApplication::arguments();
  QByteArray needle = args.isEmpty() ? QByteArray() : args.first().toLatin1();
  if (needle.isEmpty()) return false;
  needle[0] = QChar::fromLatin1(needle.at(0)).toUpper().toLatin1();
  for (const QFileInfo& info : folder.entryInfoList(QDir::Files, QDir::NoSort)) {
    QFile file(info.filePath());
    if (file.open(QIODevice::ReadOnly) && file.readAll().contains(needle)) return true;
  }
  return false;
}

QString MainWindow::userName() const {
  if (m_session) {
    if (RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
            m_session->contactsManager()) {
      if (RAZ::Contacts::IContact* own = contacts->ownContact().data()) {
        const QString name = own->getDisplayName();
        if (!name.isEmpty()) return name;
      }
    }
    return m_session->userName();
  }
  return QString();
}

QObject* MainWindow::ownContact() const {
  if (!m_session) return nullptr;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = m_session->contactsManager();
  return contacts ? contacts->ownContact().data() : nullptr;
}

QString MainWindow::availabilityText(int state) const {
  return Utils::PresenceHelper::textForState(state);
}

bool MainWindow::canRestoreGeometry(const QRect& desktop, const QRect& saved) {
  if (saved.isEmpty()) return false;
  return saved.left() > desktop.left() && saved.top() > desktop.top() &&
         saved.right() < desktop.right() && saved.bottom() < desktop.bottom();
}

void MainWindow::restoreGeometry() {
  RAZ::Settings app(RAZ::Settings::Application);
  const int x = app.value(Utils::SettingsKey::MainWindowX, 0).toInt();
  const int y = app.value(Utils::SettingsKey::MainWindowY, 0).toInt();
  const int w = app.value(Utils::SettingsKey::MainWindowWidth, 0).toInt();
  const int h = app.value(Utils::SettingsKey::MainWindowHeight, 0).toInt();
  TP_LOG("QML::MainWindow::restoreGeometry", TP::Core::Logging::LevelInformation)
      << "x:" << x << ", y:" << y << ", w:" << w << ", h:" << h;
  m_geometryRestored = true;
  const QRect desktop = QApplication::desktop() ? QApplication::desktop()->geometry() : QRect();
  if (!canRestoreGeometry(desktop, QRect(x, y, w, h))) return;
  if (x != 0 || y != 0) move(x, y);
  if (w != 0 && h != 0) resize(w, h);
}

void MainWindow::saveGeometry() {
  RAZ::Settings app(RAZ::Settings::Application);
  app.setValue(Utils::SettingsKey::MainWindowX, pos().x());
  app.setValue(Utils::SettingsKey::MainWindowY, pos().y());
  app.setValue(Utils::SettingsKey::MainWindowWidth, width());
  app.setValue(Utils::SettingsKey::MainWindowHeight, height());
}

void MainWindow::preferencesChanged() {
  const bool show = RAZ::Settings(RAZ::Settings::User)
                        .value(Utils::SettingsKey::ShowPresenceStatus, false)
                        .toBool();
  if (show != m_showStatus) {
    m_showStatus = show;
    emit showStatusChanged();
  }
}

void MainWindow::cbSessionClosed() {
  TP_LOG("QML::MainWindow::cbSessionClosed", TP::Core::Logging::LevelInformation) << "()";
  hide();
  deleteLater();
}

void MainWindow::showContactList() {
  if (QQuickItem* root = view()->rootObject()) {
    if (QQuickItem* active = root->findChild<QQuickItem*>(QStringLiteral("activeView")))
      active->setProperty("state", QStringLiteral("contactsView"));
  }
}

void MainWindow::onMessages(QVariant, QVariant texts) {
  const int count = texts.toList().size();
  if (count == m_voiceMailMessagesCount) return;
  m_voiceMailMessagesCount = count;
  emit voiceMailMessagesCountChanged();
}

void MainWindow::myRoomReady() {
  if (m_myRoomReady) return;
  m_myRoomReady = true;
  emit myRoomReadyChanged();
}

void MainWindow::alwaysOnTopTriggered() {
  QAction* a = m_menuActionProvider
                   ? m_menuActionProvider->action(Providers::MenuActionProvider::AlwaysOnTop)
                   : nullptr;
  const bool on = a ? a->isChecked() : !isAlwaysOnTop();
  RAZ::Settings(RAZ::Settings::User).setValue(Utils::SettingsKey::AlwaysOnTop, on);
  setAlwaysOnTop(on);
}

void MainWindow::crash() {
  // An abnormal end on purpose, so that the crash report can be tried out.
  std::raise(SIGSEGV);
  std::abort();
}

void MainWindow::setSearchText(const QString& text) {
  m_searchText = text;
  m_contactsProxy->setFilterFixedString(text.trimmed());
}

void MainWindow::openPresenceMenu() {
  if (m_factory && m_factory->presenceHelper()) openMenu(m_factory->presenceHelper()->getMenu());
}

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

void MainWindow::openCallSettings() { openCallSettings(Utils::DefaultPage); }

void MainWindow::openCallSettings(Utils::CallSettingsPage page) {
  if (!m_callSettings)
    m_callSettings =
        new QML::CallSettings(m_session, m_factory && m_factory->isAlwaysOnTop(), nullptr);
  m_callSettings->showAndActivate();
  m_callSettings->showPage(int(page));
}

void MainWindow::signOut() {
  if (QAction* a = m_menuActionProvider
                       ? m_menuActionProvider->action(Providers::MenuActionProvider::SignOut)
                       : nullptr)
    a->trigger();
}

void MainWindow::activeViewChanged(const QString& view) {
  m_activeView = view;
  m_activeViewSince = QDateTime::currentDateTimeUtc();
  if (view == QLatin1String("historyView")) emit fetchCallLogs();
}

void MainWindow::changeEvent(QEvent* event) { Window::changeEvent(event); }

}  // namespace QML
