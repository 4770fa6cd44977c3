// The prompts the platform asks the application to show and the slots of
// the application menu.
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDesktopWidget>
#include <QFile>
#include <QFileInfo>
#include <QScreen>

#include <RAZ/ApiProvider/Controller.h>
#include <RAZ/Client.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/MediaEngine/CallControllerBase.h>
#include <RAZ/Utils/Credentials.h>
#include <RAZ/Utils/FileWrites.h>
#include <RAZ/Xsi/XsiCredentialsControl.h>
#include <TP/Core/Logging.h>

#include "Application.h"
#include "Providers/Factory.h"
#include "Providers/MenuActionProvider.h"
#include "SessionScope.h"
#include "Utils/ConfigIds.h"
#include "Utils/WindowManager.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/PasswordChangeNotification.h"
#include "dialogs/PreferencesWindow.h"
#include "dialogs/SimpleCredentialsDialog.h"
#include "libqml/components/About.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/components/PresenceRequestDialog.h"

bool Application::isWebAddress(const QUrl& url) {
  const QString scheme = url.scheme().toLower();
  return url.isValid() && !url.host().isEmpty() &&
         (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

bool Application::isAlwaysOnTop() const {
  Providers::Factory* hub = factory();
  return hub ? hub->isAlwaysOnTop() : false;
}

QString Application::unreadableCredentialsText(
    const RAZ::Utils::Credentials::CredentialsManager& manager) {
  using Problem = RAZ::Utils::Credentials::CredentialsManager::LoadProblem;
  QString reason;
  switch (manager.loadProblem()) {
    case Problem::None:
      return QString();
    case Problem::CannotOpen:
      //: %1 is the system's reason
      reason = tr("it cannot be opened: %1")
                   .arg(RAZ::Utils::FileWrites::shownReason(manager.loadProblemDetail()));
      break;
    case Problem::TooLarge:
      reason = tr("it is larger than %1 MiB")
                   .arg(RAZ::Utils::Credentials::CredentialsManager::kMaxFileSize / (1024 * 1024));
      break;
    case Problem::DoesNotDecipher:
      reason = tr("its content cannot be deciphered");
      break;
  }
  const QString path = QDir::toNativeSeparators(manager.path());
  if (manager.savesBlocked())
    //: %1 is a file, %2 the reason it could not be read
    return tr("The stored accounts in %1 could not be read: %2. The file was left as it is and "
              "no account is stored until it can be read.")
        .arg(path, reason);
  //: %1 is a file, %2 the reason it could not be read, %3 where the file is kept
  return tr("The stored accounts in %1 could not be read: %2. The file was kept as %3. Sign in "
            "again to store your account.")
      .arg(path, reason, QDir::toNativeSeparators(manager.keptAs()));
}

void Application::reportUnreadableCredentials() {
  const RAZ::Utils::Credentials::CredentialsManager* manager =
      m_client ? m_client->getCredentialsManager() : nullptr;
  if (!manager) return;
  const QString text = unreadableCredentialsText(*manager);
  if (text.isEmpty()) return;
  TP_LOG("Application::reportUnreadableCredentials", TP::Core::Logging::LevelError) << text;
  Dialogs::MessageWindow::showWarning(tr("Stored Accounts"), text, false, QDialogButtonBox::Ok,
                                      nullptr);
}

// ---------------------------------------------------------------------------
// Proxy credentials

void Application::onRequestProxyCredentials(bool error, const QString& username,
                                            const QString& password, bool isSecured,
                                            QObject* caller, const QString& callback) {
  if (!caller || callback.size() < 2 || !callback.contains(QLatin1Char('('))) {
    TP_LOG("Application::onRequestProxyCredentials", TP::Core::Logging::LevelError)
        << "Proxy credentials asked without a receiver";
    return;
  }
  if (error) {
    const QString method = callback.mid(1).section(QLatin1Char('('), 0, 0);
    if (!QMetaObject::invokeMethod(caller, method.toLatin1().constData(), Qt::QueuedConnection,
                                   Q_ARG(QString, QString()), Q_ARG(QString, QString())))
      TP_LOG("Application::onRequestProxyCredentials", TP::Core::Logging::LevelError)
          << "The receiver has no method " << method;
    return;
  }
  const QString word = isSecured ? QStringLiteral("HTTPS") : QStringLiteral("HTTP");
  //: %1 is HTTP or HTTPS
  const QString title = tr("%1 Connectivity").arg(word);
  //: %1 is HTTP or HTTPS
  const QString text =
      tr("Secured %1 proxy was detected during %1 connectivity test. Ask system administrator for "
         "valid credentials in order to access the network. If credentials are not provided, some "
         "of the application's features may be unavailable.")
          .arg(word);
  auto* dialog = new Dialogs::SimpleCredentialsDialog(title, text, username, password, false);
  const QByteArray slot = callback.toLatin1();
  if (!connect(dialog, SIGNAL(credentialsProvided(QString, QString)), caller, slot.constData()))
    TP_LOG("Application::onRequestProxyCredentials", TP::Core::Logging::LevelError)
        << "The receiver cannot take the answer " << callback;
  dialog->show();
}

// ---------------------------------------------------------------------------
// Forced log-out, new version, disclaimer

void Application::showForcedLogoutDialog() {
  Dialogs::MessageWindow::information(tr("Forced Logout"),
                                      tr("%1 is not allowed to run simultaneously on multiple "
                                         "locations and had to logout here because it is being "
                                         "used somewhere else.")
                                          .arg(QCoreApplication::applicationName()),
                                      isAlwaysOnTop(), QDialogButtonBox::Ok, nullptr, false, false,
                                      nullptr);
}

void Application::newVersionFound(bool mandatory, const QUrl& url) {
  int result = 0;
  if (mandatory) {
    result = Dialogs::MessageWindow::question(
        tr("New Mandatory Version Available"),
        tr("New mandatory version available. You have to update in order to continue using the "
           "application."),
        false, isAlwaysOnTop(), QDialogButtonBox::Yes | QDialogButtonBox::Close, nullptr);
    if (result == 0) {
      TP_LOG("Application::newVersionFound", TP::Core::Logging::LevelInformation)
          << "Mandatory update refused; quitting";
      cbQuit();
      return;
    }
  } else {
    result = Dialogs::MessageWindow::question(
        tr("New Version Available"), tr("New version available, would you like to upgrade now?"),
        false, isAlwaysOnTop(), QDialogButtonBox::Yes | QDialogButtonBox::No, nullptr);
  }
  if (result != 1) return;
  Dialogs::MessageWindow::information(
      tr("New Version"), tr("Press OK to automatically shut down and upgrade the application."),
      isAlwaysOnTop(), QDialogButtonBox::Ok, nullptr);
  // The address comes from the service: only a web address is handed on.
  const bool opened = isWebAddress(url) && QDesktopServices::openUrl(url);
  if (!opened) {
    TP_LOG("Application::newVersionFound", TP::Core::Logging::LevelError)
        << "Failed to open the download address " << url.toString();
    Dialogs::MessageWindow::information(
        tr("Error Downloading New Version"),
        tr("Failed to launch default web browser with the following address: %1")
            .arg(url.toString()),
        isAlwaysOnTop(), QDialogButtonBox::Ok, nullptr);
  }
  cbQuit();
}

void Application::onShowDisclaimerDialog() {
  const RAZ::Configuration::Config* config = getConfig();
  QString mode;
  if (config)
    mode = config->getString(Utils::ConfigId::EmergencyDisclaimer);
  else
    TP_LOG("Application::onShowDisclaimerDialog", TP::Core::Logging::LevelInformation)
        << "Config is NULL";
  const QDialogButtonBox::StandardButtons buttons =
      mode == QLatin1String("disabled") ? QDialogButtonBox::Ok
                                        : (QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  const int result =
      Dialogs::MessageWindow::question(tr("E911 Disclosure"),
                                       tr("WARNING: Do not use your soft phone to dial 911 except "
                                          "from your registered physical location. Use at a "
                                          "location other than the registered physical location "
                                          "may route 911 calls to an incorrect 911 dispatch "
                                          "center, potentially delaying or preventing emergency "
                                          "services. It is recommended that you maintain "
                                          "alternative access to 911 services."),
                                       true, isAlwaysOnTop(), buttons, nullptr);
  if (result != 0) {
    emit disclaimerAccepted();
    return;
  }
  if (config) {
    const QUrl url(config->getString(Utils::ConfigId::DisclaimerRejectionAddress),
                   QUrl::TolerantMode);
    if (isWebAddress(url)) {
      if (!QDesktopServices::openUrl(url))
        TP_LOG("Application::onShowDisclaimerDialog", TP::Core::Logging::LevelError)
            << "Failed to open " << url.toString();
    } else if (!url.isEmpty()) {
      TP_LOG("Application::onShowDisclaimerDialog", TP::Core::Logging::LevelError)
          << "The disclaimer address is not a web address: " << url.toString();
    }
  }
  if (mode == QLatin1String("exit"))
    cbQuit();
  else
    emit disclaimerRejected();
}

// ---------------------------------------------------------------------------
// Menu slots

void Application::cbActionAbout() {
  if (!m_aboutWindow) {
    m_aboutWindow = new QML::About(isAlwaysOnTop(), nullptr);
    // Over the window it was asked from: the main window, or the sign-in
    // window before a session.
    QWidget* owner = mainWindow() && mainWindow()->isVisible() ? static_cast<QWidget*>(mainWindow())
                                                               : loginWindow();
    Utils::WindowManager::placeOver(m_aboutWindow, owner);
  }
  m_aboutWindow->show();
  m_aboutWindow->raise();
  m_aboutWindow->activateWindow();
}

void Application::cbActionPreferences() {
  int page = 0;
  if (QObject* s = sender()) {
    page = s->property("tab").toInt();
    s->setProperty("tab", QVariant());
  }
  TP_LOG("Application::cbActionPreferences", TP::Core::Logging::LevelInformation)
      << "Preferences page " << page;
  if (!m_preferencesWindow) {
    Dialogs::PreferencesWindow* window = Dialogs::PreferencesWindow::create(
        m_watcher, sessionManager(), m_translators, page,
        m_apiController ? m_apiController->getModel(0) : nullptr, isAlwaysOnTop(), nullptr);
    m_preferencesWindow = window;
    if (m_loginWindow)
      connect(m_loginWindow, SIGNAL(signin(QString, QString, const RAZ::Configuration::Config*)),
              window, SLOT(close()));
  }
  m_preferencesWindow->showNormal();
  m_preferencesWindow->activateWindow();
  m_preferencesWindow->raise();
}

void Application::cbActionAddContact() {
  if (Providers::Factory* hub = factory()) hub->showContactCard(false, nullptr, false);
}

void Application::cbAlwaysOnTop() {
  const bool onTop = isAlwaysOnTop();
  if (QML::PresenceRequestDialog* dialog = presenceRequestDialog()) dialog->setAlwaysOnTop(onTop);
  if (Providers::Factory* hub = factory()) hub->setAlwaysOnTop(onTop);
}

void Application::screenResized(int) {
  RAZ::Sessions::SessionManagerBase* session = sessionManager();
  RAZ::MediaEngine::CallControllerBase* calls = session ? session->callController() : nullptr;
  if (!calls) return;
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect r = screen->geometry();
  calls->setScreenSize(r.right() - r.left() + 1, r.bottom() - r.top() + 1);
}

void Application::xsiCredentialsDaysLeft(int days) {
  RAZ::Sessions::SessionManagerBase* session = sessionManager();
  if (!session || days < -10000 || days > 3) return;
  RAZ::Utils::Credentials::CredentialsManager* manager = session->credentialsManager();
  if (!manager) return;
  const RAZ::Configuration::Config* config = session->configuration();
  if (!config || config->getString(Utils::ConfigId::XsiProfilePath).isEmpty()) {
    TP_LOG("Application::xsiCredentialsDaysLeft", TP::Core::Logging::LevelError)
        << "Xsi profile path not configured";
    return;
  }
  RAZ::Xsi::XsiCredentialsControl* control = session->xsiCredentialsControl();
  auto* dialog = new Dialogs::PasswordChangeNotification(m_client->getUserCredentials(), 2, false);
  connect(dialog, SIGNAL(saveCredentials(RAZ::Utils::Credentials::UserCredentials)), this,
          SLOT(storeChangedCredentials(RAZ::Utils::Credentials::UserCredentials)));
  if (control) {
    connect(dialog, SIGNAL(sendCredentials(QString, QString)), control,
            SLOT(changePassword(QString, QString)));
    connect(control, SIGNAL(passwordChangeResult(bool, RAZ::Xsi::XsiErrorInfo)), dialog,
            SLOT(passwordChangeResult(bool, RAZ::Xsi::XsiErrorInfo)));
  }
  if (days > 0)
    dialog->showExpiryWarning(
        tr("Xsi account password expires in %1 days. Please consider changing it.")
            .arg(QString::number(days)));
  else if (days == 0)
    dialog->showExpiryWarning(
        tr("Xsi account password expires today. Please consider changing it."));
  else
    dialog->showExpired(
        tr("Xsi account password has expired. Please change it to enable Xsi functionality."));
}

void Application::storeChangedCredentials(
    const RAZ::Utils::Credentials::UserCredentials& credentials) {
  RAZ::Sessions::SessionManagerBase* session = sessionManager();
  RAZ::Utils::Credentials::CredentialsManager* manager =
      session ? session->credentialsManager() : nullptr;
  if (!manager) {
    TP_LOG("Application::storeChangedCredentials", TP::Core::Logging::LevelWarning)
        << "No session: the account is not stored";
    return;
  }
  // The next change checks the old password against this one, whatever is
  // stored of it.
  m_client->setUserCredentials(credentials);
  RAZ::Utils::Credentials::UserCredentials stored = credentials;
  if (!manager->savePassword()) {
    // The user did not ask to remember the password: the new one is not
    // written either.
    const auto types = stored.types();
    for (int type : types) {
      RAZ::Utils::Credentials::CredentialsData data = stored.getCredentials(type);
      data.setPassword(QString());
      stored.setCredentials(type, data);
    }
  }
  manager->addCredentials(stored);
}
