#include "Widgets/Preferences/LanguageHandler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTranslator>

#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include "Application.h"
#include "I18N.h"
#include "Utils/AppPaths.h"
#include "Utils/CrashReporter.h"
#include "Utils/LanguageChoice.h"
#include "Utils/SettingsKeys.h"
#include "ui_preferences.h"

namespace Preferences {

namespace {}

QString LanguageHandler::translationsFolder() {
  const QString exe = AppPaths::executableDir();
  const QString first = exe + QStringLiteral("/translations");
  if (QDir(first).exists()) return first;
  const QString second = exe + QStringLiteral("/../translations");
  return QDir(second).exists() ? QDir::cleanPath(second) : QString();
}

LanguageHandler::LanguageHandler(const QMap<int, QSharedPointer<QTranslator>>& translators,
                                 Ui::preferencesForm* form, QObject* parent)
    : QObject(parent), m_translators(translators), ui(form) {
  connect(this, SIGNAL(enableSave(bool)), parent, SIGNAL(enableSave(bool)));
  connect(parent, SIGNAL(saveSettings()), this, SLOT(saveSettings()));

  RAZ::Settings app(RAZ::Settings::Application);
  const QString active =
      app.value(Utils::SettingsKey::LanguageActive, QStringLiteral("es")).toString();
  const QMap<QString, QString>& languages = I18N::languages();
  QStringList names = languages.values();
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  const QString exe = AppPaths::executableDir();
  for (const QString& name : names) {
    const QString code = languages.key(name);
    const QString file = QStringLiteral("ui_") + code + QStringLiteral(".qm");
    if (!QFile::exists(exe + QStringLiteral("/translations/") + file) &&
        !QFile::exists(exe + QStringLiteral("/../translations/") + file))
      continue;
    ui->languageSelect->addItem(name, code);
    if (code == active) ui->languageSelect->setCurrentIndex(ui->languageSelect->count() - 1);
  }
  connect(ui->languageSelect, SIGNAL(currentIndexChanged(int)), this, SLOT(changed()));
}

void LanguageHandler::changed() { emit enableSave(true); }

void LanguageHandler::saveSettings() {
  const QString code = ui->languageSelect->currentData(Qt::UserRole).toString();
  RAZ::Settings app(RAZ::Settings::Application);
  if (code.isEmpty() ||
      code == app.value(Utils::SettingsKey::LanguageActive, QStringLiteral("es")).toString())
    return;
  app.setValue(Utils::SettingsKey::LanguageActive, code);
  I18N::setInstallerLanguage(code);

  QSharedPointer<QTranslator> own = m_translators.value(I18N::ProgramTexts);
  QSharedPointer<QTranslator> qt = m_translators.value(I18N::QtTexts);
  if (!own || !qt) {
    TP_LOG("Preferences::LanguageHandler::saveSettings", TP::Core::Logging::LevelInformation)
        << "No installed translators: " << code << " applies at the next start";
    return;
  }
  const QString lang = I18N::languages().contains(code) ? code : QStringLiteral("es");
  const QString dir = translationsFolder();
  if (dir.isEmpty()) return;
  // Before the texts change, so that what they show is in the new language.
  Utils::applyInterfaceLocale(lang);
  // Loading an installed translator again sends the language-change event
  // that retranslates every open window.
  own->load(QStringLiteral("ui_") + lang, dir);
  CrashReporter::setLanguage(lang);
  qt->load(QStringLiteral("qt_") + lang, I18N::qtCatalogueFolder(lang, dir));
  if (auto* application = qobject_cast<Application*>(QCoreApplication::instance()))
    application->loadTranslator(I18N::CustomTexts, QStringLiteral("ui_custom_") + lang, dir);
}

LoggingHandler::LoggingHandler(Ui::preferencesForm* form, QObject* parent)
    : QObject(parent), ui(form) {
  connect(this, SIGNAL(enableSave(bool)), parent, SIGNAL(enableSave(bool)));
  connect(parent, SIGNAL(saveSettings()), this, SLOT(saveSettings()));
  RAZ::Settings app(RAZ::Settings::Application);
  m_basicLogging = app.value(Utils::SettingsKey::LoggingEnabled, false).toBool() ||
                   app.value(Utils::SettingsKey::XmppLoggingEnabled, false).toBool();
  m_advancedLogging = app.value(Utils::SettingsKey::AdvancedLoggingEnabled, false).toBool();
  ui->enableBasicLogging->setChecked(m_basicLogging);
  ui->enableAdvancedLogging->setChecked(m_advancedLogging);
  connect(ui->enableBasicLogging, SIGNAL(stateChanged(int)), this, SLOT(changed()));
  connect(ui->enableAdvancedLogging, SIGNAL(stateChanged(int)), this, SLOT(changed()));
  connect(ui->clearLogs, SIGNAL(clicked()), this, SIGNAL(clearLogs()));
  connect(ui->openLogFolder, SIGNAL(clicked()), this, SIGNAL(openLogFolder()));
  if (auto* application = qobject_cast<Application*>(QCoreApplication::instance())) {
    connect(this, SIGNAL(enableBasicLogging(bool)), application, SLOT(enableBasicLogging(bool)));
    connect(this, SIGNAL(enableAdvancedLogging(bool)), application,
            SLOT(enableAdvancedLogging(bool)));
    connect(this, SIGNAL(clearLogs()), application, SLOT(deleteLogFiles()));
    connect(this, SIGNAL(openLogFolder()), application, SLOT(openLogFolder()));
  }
}

void LoggingHandler::changed() { emit enableSave(true); }

void LoggingHandler::saveSettings() {
  RAZ::Settings app(RAZ::Settings::Application);
  const bool basic = ui->enableBasicLogging->isChecked();
  app.setValue(Utils::SettingsKey::LoggingEnabled, basic);
  app.setValue(Utils::SettingsKey::XmppLoggingEnabled, basic);
  if (basic != m_basicLogging) {
    m_basicLogging = basic;
    emit enableBasicLogging(basic);
  }
  const bool advanced = ui->enableAdvancedLogging->isChecked();
  app.setValue(Utils::SettingsKey::AdvancedLoggingEnabled, advanced);
  if (advanced != m_advancedLogging) {
    m_advancedLogging = advanced;
    emit enableAdvancedLogging(advanced);
  }
}

AddinsHandler::AddinsHandler(Ui::preferencesForm* form, QObject* parent)
    : QObject(parent), ui(form) {
  cancelSettings();
  setWidgetStates();
  connect(this, SIGNAL(enableSave(bool)), parent, SIGNAL(enableSave(bool)));
  connect(parent, SIGNAL(saveSettings()), this, SLOT(saveSettings()));
  connect(parent, SIGNAL(cancelSettings()), this, SLOT(cancelSettings()));
  connect(ui->enableAPIProvider, SIGNAL(toggled(bool)), this, SLOT(allowThirdPartyChanged(bool)));
  connect(ui->apiAccessConfirmation, SIGNAL(toggled(bool)), this,
          SLOT(automaticallyAcceptIncomingChanged(bool)));
  connect(ui->apiAcceptByDefault, SIGNAL(toggled(bool)), this,
          SLOT(acceptIncomingByDefaultChanged(bool)));
}

void AddinsHandler::changed() { emit enableSave(true); }

void AddinsHandler::cancelSettings() {
  RAZ::Settings app(RAZ::Settings::Application);
  m_allowThirdParty =
      app.value(Utils::SettingsKey::ApiProviderAllowConnectors).toString() == QLatin1String("all");
  m_acceptWithoutAsking =
      app.value(Utils::SettingsKey::ApiConnectionNoConfirmation, false).toBool();
  m_acceptByDefault = app.value(Utils::SettingsKey::ApiConnectionAcceptByDefault, false).toBool();
}

void AddinsHandler::setWidgetStates() {
  ui->enableAPIProvider->setChecked(m_allowThirdParty);
  ui->apiAccessConfirmation->setChecked(m_acceptWithoutAsking);
  ui->apiAcceptByDefault->setChecked(m_acceptByDefault);
  ui->apiRejectByDefault->setChecked(!m_acceptByDefault);
  ui->apiAcceptByDefault->setEnabled(m_acceptWithoutAsking);
  ui->apiRejectByDefault->setEnabled(m_acceptWithoutAsking);
}

void AddinsHandler::allowThirdPartyChanged(bool b) {
  if (b == m_allowThirdParty) return;
  m_allowThirdParty = b;
  changed();
}

void AddinsHandler::automaticallyAcceptIncomingChanged(bool b) {
  if (b == m_acceptWithoutAsking) return;
  m_acceptWithoutAsking = b;
  ui->apiAcceptByDefault->setEnabled(b);
  ui->apiRejectByDefault->setEnabled(b);
  changed();
}

void AddinsHandler::acceptIncomingByDefaultChanged(bool b) {
  if (b == m_acceptByDefault) return;
  m_acceptByDefault = b;
  changed();
}

void AddinsHandler::saveSettings() {
  RAZ::Settings app(RAZ::Settings::Application);
  app.setValue(Utils::SettingsKey::ApiProviderAllowConnectors,
               m_allowThirdParty ? QStringLiteral("all") : QStringLiteral("first-party"));
  app.setValue(Utils::SettingsKey::ApiConnectionNoConfirmation, m_acceptWithoutAsking);
  app.setValue(Utils::SettingsKey::ApiConnectionAcceptByDefault, m_acceptByDefault);
}

}  // namespace Preferences
