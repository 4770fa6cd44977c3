// Interface languages: the shipped catalogues are complete and compiled into
// the runnable tree, and reloading the interface catalogue in place (as the
// program does when the user picks another language) retranslates the open
// widget and QML windows, the application's menu actions and the objects of
// the retranslation registry, without touching objects that are gone.

#include "TestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QQmlPropertyMap>
#include <QQuickItem>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <functional>
#include <memory>

#include <RAZ/ConfigContainer.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Credentials.h>
#include <TP/Crypto/Blowfish.h>

#include "Application.h"
#include "I18N.h"
#include "Providers/MenuActionProvider.h"
#include "Utils/Retranslator.h"
#include "Utils/SettingsKeys.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "Widgets/Notifications/WebcollabSharingNotification.h"
#include "dialogs/GroupNameInput.h"
#include "dialogs/LocationPublish.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/PasswordChangeNotification.h"
#include "dialogs/PreferencesWindow.h"
#include "dialogs/SimpleCredentialsDialog.h"
#include "libqml/components/ConnectorNotification.h"
#include "libqml/components/ContactCard.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/utils/Style.h"
#include "libqml/utils/StyleView.h"
#include "libqml/window/View.h"

namespace {

// The application object is the program's own; everything it could write
// for a user goes below a temporary home, and its single-instance id is ours.
const bool g_environment = ZentTest::useTemporaryHome("zent-test-i18n-", false);

Application* app() { return static_cast<Application*>(qApp); }

struct CatalogueMessage {
  QString context;
  QString source;
  QString comment;
  bool numerus = false;
  QString type;              // the translation's "type" attribute
  QStringList translations;  // one, or one per plural form
};

// Reads every message of a .ts file; `error` receives a parse failure.
QList<CatalogueMessage> readCatalogue(const QString& path, QString* error) {
  QList<CatalogueMessage> out;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = file.errorString();
    return out;
  }
  QXmlStreamReader xml(&file);
  QString context;
  CatalogueMessage current;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QStringRef name = xml.name();
    if (name == QLatin1String("context")) {
      context.clear();
    } else if (name == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (name == QLatin1String("message")) {
      current = CatalogueMessage();
      current.context = context;
      current.numerus = xml.attributes().value(QStringLiteral("numerus")) == QLatin1String("yes");
    } else if (name == QLatin1String("source")) {
      current.source = xml.readElementText();
    } else if (name == QLatin1String("comment")) {
      current.comment = xml.readElementText();
    } else if (name == QLatin1String("translation")) {
      current.type = xml.attributes().value(QStringLiteral("type")).toString();
      if (current.numerus) {
        while (xml.readNextStartElement()) {
          if (xml.name() == QLatin1String("numerusform"))
            current.translations << xml.readElementText();
          else
            xml.skipCurrentElement();
        }
      } else {
        current.translations << xml.readElementText();
      }
      out << current;
    }
  }
  if (xml.hasError())
    *error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
  return out;
}

// The placeholders a text carries (%1..%99, %L1, %n), sorted.
QStringList placeholders(const QString& text) {
  static const QRegularExpression re(QStringLiteral("%(L?\\d{1,2}|n)"));
  QStringList found;
  auto it = re.globalMatch(text);
  while (it.hasNext()) found << it.next().captured(0);
  found.sort();
  return found;
}

// The first item of a scene (loaded parts included) whose text starts with `prefix`.
QQuickItem* itemWithText(QQuickItem* item, const QString& prefix) {
  if (!item) return nullptr;
  const QVariant text = item->property("text");
  if (text.isValid() && text.toString().startsWith(prefix)) return item;
  const auto children = item->childItems();
  for (QQuickItem* child : children)
    if (QQuickItem* found = itemWithText(child, prefix)) return found;
  return nullptr;
}

// Counts the language-change events handed to it.
class LanguageListener : public QObject {
 public:
  int changes = 0;
  std::function<void()> onChange;

  bool event(QEvent* e) override {
    if (e->type() == QEvent::LanguageChange) {
      ++changes;
      if (onChange) onChange();
    }
    return QObject::event(e);
  }
};

}  // namespace

class TestI18nSwitch : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();

  void catalogueIsComplete_data();
  void catalogueIsComplete();

  void switchRetranslatesOpenWindows();
  void switchRetranslatesSettingsAndPromptWindows();
  void switchRetranslatesQmlWindowTitles();
  void switchRetranslatesNotificationPopups();
  void registryReachesOnlyLiveObjects();

 private:
  QString translationFolder() const {
    return qEnvironmentVariable("ZENT_DIST_DIR") + QStringLiteral("/translations");
  }
  bool switchTo(const QString& language);
  QQuickItem* sceneItem(QML::LoginWindow* w, const char* name) const;

  std::unique_ptr<QML::Style> m_style;
  std::unique_ptr<QTemporaryDir> m_dir;
  TP::Crypto::Blowfish m_cipher;
};

void TestI18nSwitch::initTestCase() {
  QVERIFY(g_environment);
  ZentTest::initScenes();
  QVERIFY2(!qEnvironmentVariableIsEmpty("ZENT_DIST_DIR"), "ZENT_DIST_DIR names the runnable tree");
  for (const char* name : {"ui_es.qm", "ui_en.qm"}) {
    const QString path = translationFolder() + QLatin1Char('/') + QLatin1String(name);
    QVERIFY2(QFile::exists(path), qPrintable(path));
  }
  m_style = std::make_unique<QML::Style>(nullptr);
  qRegisterMetaType<const RAZ::Configuration::Config*>("const RAZ::Configuration::Config*");
  QVERIFY(m_cipher.Initialize(TP::Bytes(QByteArray("i18n-switch-test-key")),
                              TP::Crypto::Blowfish::ModeCbc));

  m_dir = std::make_unique<QTemporaryDir>();
  QVERIFY(m_dir->isValid());
  QDir(m_dir->path()).mkpath(QStringLiteral("app"));
  QDir(m_dir->path()).mkpath(QStringLiteral("install"));
  QDir(m_dir->path()).mkpath(QStringLiteral("user"));
  RAZ::Settings::setPath(RAZ::Settings::Application, m_dir->filePath(QStringLiteral("app")));
  RAZ::Settings::setPath(RAZ::Settings::Installation, m_dir->filePath(QStringLiteral("install")));
  RAZ::Settings::setPath(RAZ::Settings::User, m_dir->filePath(QStringLiteral("user")));
}

void TestI18nSwitch::cleanupTestCase() {
  RAZ::Settings::clearPaths();
  m_dir.reset();
}

bool TestI18nSwitch::switchTo(const QString& language) {
  RAZ::Settings(RAZ::Settings::Application).setValue(Utils::SettingsKey::LanguageActive, language);
  app()->loadTranslator(I18N::ProgramTexts, QStringLiteral("ui_") + language, translationFolder());
  const QSharedPointer<QTranslator> translator = app()->translators().value(I18N::ProgramTexts);
  return translator && !translator->isEmpty();
}

QQuickItem* TestI18nSwitch::sceneItem(QML::LoginWindow* w, const char* name) const {
  QQuickItem* root = w->view()->rootObject();
  return root ? root->findChild<QQuickItem*>(QString::fromLatin1(name)) : nullptr;
}

// ---- the catalogues -------------------------------------------------------------

void TestI18nSwitch::catalogueIsComplete_data() {
  QTest::addColumn<QString>("language");
  QTest::newRow("es") << QStringLiteral("es");
  QTest::newRow("en") << QStringLiteral("en");
}

void TestI18nSwitch::catalogueIsComplete() {
  QFETCH(QString, language);
  const QString tsPath = qEnvironmentVariable("ZENT_SOURCE_DIR") +
                         QStringLiteral("/dist/translations/ui_") + language +
                         QStringLiteral(".ts");
  QString error;
  const QList<CatalogueMessage> messages = readCatalogue(tsPath, &error);
  QVERIFY2(error.isEmpty(), qPrintable(tsPath + QStringLiteral(": ") + error));
  // The catalogue covers the sign-in window, the prompts and the menus at least.
  QVERIFY2(messages.size() > 200, qPrintable(QString::number(messages.size())));

  QTranslator compiled;
  QVERIFY(compiled.load(QStringLiteral("ui_") + language, translationFolder()));

  QStringList faults;
  QSet<QString> contexts;
  for (const CatalogueMessage& m : messages) {
    contexts.insert(m.context);
    const QString where = m.context + QStringLiteral(" \"") + m.source + QStringLiteral("\": ");
    // A text gone from the code stays in the catalogue marked obsolete
    // (scripts/update-translations); it is not compiled.
    if (m.type == QLatin1String("vanished") || m.type == QLatin1String("obsolete")) {
      if (compiled.translate(m.context.toUtf8(), m.source.toUtf8(),
                             m.comment.isEmpty() ? nullptr : m.comment.toUtf8().constData()) ==
              m.translations.value(0) &&
          m.translations.value(0) != m.source)
        faults << where + QStringLiteral("obsolete yet compiled");
      continue;
    }
    if (!m.type.isEmpty()) faults << where + QStringLiteral("type=") + m.type;
    if (m.translations.isEmpty()) faults << where + QStringLiteral("no translation");
    // Both languages have a singular and a plural.
    if (m.numerus && m.translations.size() != 2) faults << where + QStringLiteral("plural forms");
    for (const QString& t : m.translations) {
      if (t.trimmed().isEmpty()) {
        faults << where + QStringLiteral("empty translation");
        continue;
      }
      if (placeholders(t) != placeholders(m.source))
        faults << where + QStringLiteral("placeholders of ") + t;
      if (t.count(QLatin1Char('\n')) != m.source.count(QLatin1Char('\n')))
        faults << where + QStringLiteral("line breaks");
    }
    if (m.translations.isEmpty()) continue;
    // The compiled catalogue in the runnable tree carries the same text.
    const QByteArray context = m.context.toUtf8();
    const QByteArray source = m.source.toUtf8();
    const QByteArray comment = m.comment.toUtf8();
    const char* disambiguation = m.comment.isEmpty() ? nullptr : comment.constData();
    if (m.numerus) {
      if (compiled.translate(context, source, disambiguation, 1) != m.translations.first())
        faults << where + QStringLiteral("singular not in the compiled catalogue");
      if (compiled.translate(context, source, disambiguation, 5) != m.translations.last())
        faults << where + QStringLiteral("plural not in the compiled catalogue");
    } else if (compiled.translate(context, source, disambiguation) != m.translations.first()) {
      faults << where + QStringLiteral("not in the compiled catalogue");
    }
    // The English catalogue shows the texts as written, plurals aside.
    if (language == QLatin1String("en") && !m.numerus && m.translations.first() != m.source)
      faults << where + QStringLiteral("English text differs from the source");
  }
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
  // QML scenes translate in the context of their file name, C++ in the class's.
  for (const char* context :
       {"LoginWindow", "MainWindow", "Application", "Dialogs::MessageWindow", "QML::LoginWindow",
        "Providers::MenuActionProvider", "Utils::PresenceHelper"})
    QVERIFY2(contexts.contains(QLatin1String(context)), context);
}

// ---- switching --------------------------------------------------------------------

void TestI18nSwitch::switchRetranslatesOpenWindows() {
  QVERIFY(switchTo(QStringLiteral("es")));
  QAction* about = app()->menuActionProvider()->action(Providers::MenuActionProvider::About);
  QVERIFY(about);
  QTRY_COMPARE(about->text(), QStringLiteral("Acerca de"));

  // The sign-in window, a QML scene.
  RAZ::Utils::Credentials::CredentialsManager credentials(
      m_dir->filePath(QStringLiteral("credentials.dat")), &m_cipher);
  QVERIFY(credentials.load());
  RAZ::ConfigContainer configs;
  QPointer<QML::LoginWindow> login = new QML::LoginWindow(&configs, &credentials);
  QVERIFY(login->activate());
  login->show();
  QQuickItem* signin = sceneItem(login, "signinButton");
  QQuickItem* remember = sceneItem(login, "rememberBox");
  QQuickItem* version = sceneItem(login, "versionLabel");
  QVERIFY(signin && remember && version);
  QCOMPARE(signin->property("text").toString(), QStringLiteral("Iniciar sesión"));
  QCOMPARE(remember->property("text").toString(), QStringLiteral("Recordar contraseña"));
  QVERIFY2(version->property("text").toString().startsWith(QStringLiteral("Versión: 20.1.1.231")),
           qPrintable(version->property("text").toString()));

  // Two widget windows: a message with its check box, a titled input window.
  QPointer<Dialogs::MessageWindow> message = Dialogs::MessageWindow::showInformation(
      QStringLiteral("Zent"), QStringLiteral("text"), false, QDialogButtonBox::Ok, true, nullptr);
  QVERIFY(message);
  QCOMPARE(message->neverAskAgainBox()->text(), QStringLiteral("No volver a preguntar"));
  QPointer<Widgets::GroupNameInput> group = new Widgets::GroupNameInput(QString(), false, nullptr);
  group->setAttribute(Qt::WA_DeleteOnClose);
  group->show();
  QCOMPARE(group->windowTitle(), QStringLiteral("Agregar grupo"));

  // The program's switch: the same translator, reloaded with the other catalogue.
  const QTranslator* before = app()->translators().value(I18N::ProgramTexts).data();
  QVERIFY(switchTo(QStringLiteral("en")));
  QCOMPARE(app()->translators().value(I18N::ProgramTexts).data(), before);

  QTRY_COMPARE(signin->property("text").toString(), QStringLiteral("Sign In"));
  QCOMPARE(remember->property("text").toString(), QStringLiteral("Remember password"));
  QVERIFY2(version->property("text").toString().startsWith(QStringLiteral("Version: 20.1.1.231")),
           qPrintable(version->property("text").toString()));
  QTRY_COMPARE(message->neverAskAgainBox()->text(), QStringLiteral("Never ask again"));
  QTRY_COMPARE(group->windowTitle(), QStringLiteral("Add Group"));
  QTRY_COMPARE(about->text(), QStringLiteral("About"));

  // And back: a second switch is no different from the first.
  QVERIFY(switchTo(QStringLiteral("es")));
  QTRY_COMPARE(signin->property("text").toString(), QStringLiteral("Iniciar sesión"));
  QTRY_COMPARE(message->neverAskAgainBox()->text(), QStringLiteral("No volver a preguntar"));
  QTRY_COMPARE(group->windowTitle(), QStringLiteral("Agregar grupo"));

  delete login.data();
  delete message.data();
  delete group.data();
  QVERIFY(switchTo(QStringLiteral("en")));
  QTRY_COMPARE(about->text(), QStringLiteral("About"));
}

// Widget windows whose texts are set in code, including texts that depend on
// what the window is showing (a page left out, a result from the service).
void TestI18nSwitch::switchRetranslatesSettingsAndPromptWindows() {
  QVERIFY(switchTo(QStringLiteral("es")));

  // Signed out the window opens on its proxy page.
  QPointer<Dialogs::PreferencesWindow> preferences = Dialogs::PreferencesWindow::create(
      nullptr, nullptr, {}, Dialogs::PreferencesWindow::Audio, nullptr, false, nullptr);
  preferences->show();
  auto* tabs = preferences->findChild<QTabWidget*>(QStringLiteral("preferencesTabs"));
  auto* noProxy = preferences->findChild<QRadioButton*>(QStringLiteral("noProxy"));
  QVERIFY(tabs && noProxy);
  QCOMPARE(preferences->windowTitle(), QStringLiteral("Preferencias"));
  QCOMPARE(tabs->tabText(tabs->indexOf(tabs->findChild<QWidget*>(QStringLiteral("audioTab")))),
           QStringLiteral("Audio"));
  QCOMPARE(noProxy->text(), QStringLiteral("Sin proxy"));
  QCOMPARE(preferences->okButton()->text(), QStringLiteral("Aceptar"));
  const int page = tabs->currentIndex();

  RAZ::Utils::Credentials::UserCredentials account;
  RAZ::Utils::Credentials::CredentialsData xsi;
  xsi.setUsername(QStringLiteral("user"));
  xsi.setPassword(QStringLiteral("old"));
  account.setCredentials(0, xsi);
  QPointer<Dialogs::PasswordChangeNotification> password =
      new Dialogs::PasswordChangeNotification(account, 0, false);
  password->showExpiryWarning(QStringLiteral("service text"));
  QCOMPARE(password->changeButton()->text(), QStringLiteral("Cambiar contraseña"));
  password->changeButton()->click();
  QCOMPARE(password->messageLabel()->text(), QStringLiteral("Introduzca su contraseña nueva"));
  QCOMPARE(password->oldPasswordWarning()->text(), QStringLiteral("(Compruebe la contraseña)"));
  QSignalSpy sent(password.data(), SIGNAL(sendCredentials(QString, QString)));
  password->oldPasswordField()->setText(QStringLiteral("old"));
  password->newPasswordField()->setText(QStringLiteral("new"));
  password->confirmPasswordField()->setText(QStringLiteral("new"));
  password->changeButton()->click();
  QCOMPARE(sent.count(), 1);
  password->passwordChangeResult(true, RAZ::Xsi::XsiErrorInfo());
  QCOMPARE(password->state(), int(Dialogs::PasswordChangeNotification::Changed));
  QCOMPARE(password->messageLabel()->text(),
           QStringLiteral("La contraseña se ha cambiado correctamente"));
  QCOMPARE(password->changeButton()->text(), QStringLiteral("Cerrar"));

  QPointer<Dialogs::PasswordChangeNotification> warned =
      new Dialogs::PasswordChangeNotification(account, 0, false);
  // A text from the service is shown as sent, whatever the language.
  warned->showExpired(QStringLiteral("Kennwort abgelaufen"));

  QPointer<Dialogs::LocationPublish> location = new Dialogs::LocationPublish(nullptr);
  location->show();
  QCOMPARE(location->windowTitle(), QStringLiteral("Mi ubicación"));
  QCOMPARE(location->manualLocation()->text(), QStringLiteral("Usar ubicación manual"));
  QCOMPARE(location->alwaysAskCheckbox()->text(),
           QStringLiteral("Preguntar siempre antes de publicar una nueva ubicación"));
  QCOMPARE(location->timeComboBox()->itemText(0), QStringLiteral("Sin hora"));

  QPointer<Dialogs::SimpleCredentialsDialog> prompt = new Dialogs::SimpleCredentialsDialog(
      QStringLiteral("proxy.example"), QStringLiteral("Proxy sign-in"), QStringLiteral("user"),
      QString(), false);
  auto* ok = prompt->findChild<QPushButton*>(QStringLiteral("okButton"));
  auto* userLabel = prompt->findChild<QLabel*>(QStringLiteral("usernameLabel"));
  auto* promptLabel = prompt->findChild<QLabel*>(QStringLiteral("titleLabel"));
  QVERIFY(ok && userLabel && promptLabel);
  QCOMPARE(ok->text(), QStringLiteral("Aceptar"));
  QCOMPARE(userLabel->text(), QStringLiteral("Nombre de usuario"));

  QVERIFY(switchTo(QStringLiteral("en")));
  QTRY_COMPARE(preferences->windowTitle(), QStringLiteral("Preferences"));
  QCOMPARE(noProxy->text(), QStringLiteral("No proxy"));
  QCOMPARE(preferences->okButton()->text(), QStringLiteral("OK"));
  // The user's page choice survives the switch.
  QCOMPARE(tabs->currentIndex(), page);
  QTRY_COMPARE(password->changeButton()->text(), QStringLiteral("Close"));
  QCOMPARE(password->windowTitle(), QStringLiteral("Password change notification"));
  QCOMPARE(password->messageLabel()->text(),
           QStringLiteral("The password has been changed successfully"));
  QCOMPARE(password->oldPasswordWarning()->text(), QStringLiteral("(Check Password)"));
  QTRY_COMPARE(warned->changeButton()->text(), QStringLiteral("OK"));
  QCOMPARE(warned->messageLabel()->text(), QStringLiteral("Kennwort abgelaufen"));
  QTRY_COMPARE(location->windowTitle(), QStringLiteral("My Location"));
  QCOMPARE(location->manualLocation()->text(), QStringLiteral("Use manual location"));
  QCOMPARE(location->alwaysAskCheckbox()->text(),
           QStringLiteral("Always ask before publishing new location information"));
  QCOMPARE(location->timeComboBox()->itemText(0), QStringLiteral("No Time"));
  QTRY_COMPARE(ok->text(), QStringLiteral("OK"));
  QCOMPARE(userLabel->text(), QStringLiteral("Username"));
  // The caller's title and prompt are kept.
  QCOMPARE(promptLabel->text(), QStringLiteral("Proxy sign-in"));
  QCOMPARE(prompt->windowTitle(), QStringLiteral("proxy.example"));

  delete preferences.data();
  delete password.data();
  delete warned.data();
  delete location.data();
  delete prompt.data();
}

// QML windows whose titles are set in code.
void TestI18nSwitch::switchRetranslatesQmlWindowTitles() {
  QVERIFY(switchTo(QStringLiteral("es")));
  QPointer<QML::ContactCard> card =
      new QML::ContactCard(false, RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>(), nullptr,
                           nullptr, nullptr, nullptr, false, nullptr);
  QPointer<QML::ConnectorNotification> addins = new QML::ConnectorNotification(nullptr, nullptr);
  QPointer<QML::StyleView> styleView = new QML::StyleView(nullptr);
  QCOMPARE(card->windowTitle(), QStringLiteral("Agregar contacto"));
  QCOMPARE(addins->windowTitle(), QStringLiteral("Complementos nuevos"));
  QCOMPARE(styleView->windowTitle(), QStringLiteral("Vista de estilo"));

  QVERIFY(switchTo(QStringLiteral("en")));
  QTRY_COMPARE(card->windowTitle(), QStringLiteral("Add Contact"));
  QTRY_COMPARE(addins->windowTitle(), QStringLiteral("New Add-ins"));
  QTRY_COMPARE(styleView->windowTitle(), QStringLiteral("Style view"));

  delete card.data();
  delete addins.data();
  delete styleView.data();
}

// The popup scenes follow the language while they are shown.
void TestI18nSwitch::switchRetranslatesNotificationPopups() {
  QVERIFY(switchTo(QStringLiteral("es")));
  QQmlPropertyMap session;
  session.insert(QStringLiteral("partyName"), QStringLiteral("Ana"));
  QPointer<QML::CommunicationNotification> call = new QML::CommunicationNotification(
      &session, QML::CommunicationNotification::CallNotification, nullptr);
  call->load();
  call->show();
  QVERIFY(call->rootObject());
  QQuickItem* decline = nullptr;
  QTRY_VERIFY((decline = itemWithText(call->rootObject(), QStringLiteral("Rechazar"))) != nullptr);
  QQuickItem* title = itemWithText(call->rootObject(), QStringLiteral("Ana le está llamando"));
  QVERIFY(title);

  QPointer<QML::WebcollabSharingNotification> sharing =
      new QML::WebcollabSharingNotification(nullptr);
  QVERIFY(sharing->rootObject());
  QQuickItem* hint =
      itemWithText(sharing->rootObject(), QStringLiteral("Está compartiendo su escritorio"));
  QVERIFY(hint);

  QVERIFY(switchTo(QStringLiteral("en")));
  QTRY_COMPARE(decline->property("text").toString(), QStringLiteral("Decline"));
  QCOMPARE(title->property("text").toString(), QStringLiteral("Ana is calling"));
  // The hint closes itself after a few seconds; it is checked while it lives.
  if (sharing) {
    QTRY_VERIFY(!sharing || hint->property("text").toString().startsWith(
                                QStringLiteral("You are now sharing")));
  }

  delete call.data();
  delete sharing.data();
}

void TestI18nSwitch::registryReachesOnlyLiveObjects() {
  QVERIFY(switchTo(QStringLiteral("en")));
  QCoreApplication::processEvents();

  LanguageListener once;
  LanguageListener twice;
  auto* gone = new LanguageListener;
  auto* goneDuringDelivery = new LanguageListener;
  QPointer<LanguageListener> goneDuringDeliveryGuard = goneDuringDelivery;
  // The first object to hear of the change destroys one registered after it.
  once.onChange = [&goneDuringDeliveryGuard] { delete goneDuringDeliveryGuard.data(); };
  Utils::QObjectLanguageChange::registerObject(&once);
  Utils::QObjectLanguageChange::registerObject(&twice);
  Utils::QObjectLanguageChange::registerObject(&twice);
  Utils::QObjectLanguageChange::registerObject(gone);
  Utils::QObjectLanguageChange::registerObject(goneDuringDelivery);
  Utils::QObjectLanguageChange::registerObject(nullptr);
  delete gone;

  QVERIFY(switchTo(QStringLiteral("es")));
  QTRY_VERIFY(once.changes >= 1);
  QVERIFY(goneDuringDeliveryGuard.isNull());
  // Registered twice, heard once per change.
  QCOMPARE(twice.changes, once.changes);

  // Objects that are gone leave no trace: the next switch reaches the living ones only.
  const int before = once.changes;
  QVERIFY(switchTo(QStringLiteral("en")));
  QTRY_VERIFY(once.changes > before);
  QCOMPARE(twice.changes, once.changes);
}

ZENT_TEST_MAIN(TestI18nSwitch, Application)
#include "tst_i18n_switch.moc"
