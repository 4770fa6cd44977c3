#include "dialogs/PreferencesWindow.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopWidget>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include <RAZ/Settings.h>

#include "Utils/PreferencesWatcher.h"
#include "Utils/SettingsKeys.h"

namespace Dialogs {

namespace {
QCheckBox* addBox(QWidget* page, bool checked) {
  auto* box = new QCheckBox(page);
  box->setChecked(checked);
  page->layout()->addWidget(box);
  return box;
}
QWidget* newPage(QTabWidget* tabs) {
  auto* page = new QWidget(tabs);
  auto* layout = new QVBoxLayout(page);
  layout->setAlignment(Qt::AlignTop);
  tabs->addTab(page, QString());
  return page;
}
}  // namespace

PreferencesWindow* PreferencesWindow::create(Preferences::Watcher* watcher,
                                             RAZ::Sessions::SessionManagerBase* session,
                                             const QMap<int, QSharedPointer<QTranslator>>&,
                                             int page, QAbstractItemModel* addins,
                                             QWidget* parent) {
  // Stay-on-top follows the main window's setting (the window base reads it).
  auto* window = new PreferencesWindow(watcher, session, addins, false, parent);
  window->m_tabs->setCurrentIndex(page >= 0 && page < window->m_tabs->count() ? page : 0);
  window->adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    window->move(available.left() + available.width() / 2 - window->width() / 2,
                 available.top() + 30);
  }
  return window;
}

PreferencesWindow::PreferencesWindow(Preferences::Watcher* watcher,
                                     RAZ::Sessions::SessionManagerBase* session,
                                     QAbstractItemModel* addins, bool alwaysOnTop, QWidget* parent)
    : Widgets::Window(parent, alwaysOnTop, true), m_watcher(watcher), m_session(session) {
  setObjectName(QStringLiteral("preferencesWindow"));
  auto* layout = new QVBoxLayout(this);
  m_tabs = new QTabWidget(this);
  layout->addWidget(m_tabs);
  RAZ::Settings user(RAZ::Settings::User);
  RAZ::Settings app(RAZ::Settings::Application);

  QWidget* general = newPage(m_tabs);
  m_alwaysOnTop = addBox(general, user.value(Utils::SettingsKey::AlwaysOnTop, false).toBool());
  QWidget* sounds = newPage(m_tabs);
  m_incomingCall =
      addBox(sounds, user.value(Utils::SettingsKey::SoundIncomingCallEnabled, true).toBool());
  m_incomingMessage =
      addBox(sounds, user.value(Utils::SettingsKey::SoundIncomingMessageEnabled, true).toBool());
  m_contactOnline =
      addBox(sounds, user.value(Utils::SettingsKey::SoundContactOnlineEnabled, true).toBool());
  QWidget* language = newPage(m_tabs);
  m_languageNote = new QLabel(language);
  language->layout()->addWidget(m_languageNote);
  QWidget* contacts = newPage(m_tabs);
  m_showStatus =
      addBox(contacts, user.value(Utils::SettingsKey::ShowPresenceStatus, false).toBool());
  QWidget* addinPage = newPage(m_tabs);
  if (addins) {
    auto* list = new QListView(addinPage);
    list->setModel(addins);
    addinPage->layout()->addWidget(list);
  } else {
    m_noAddins = new QLabel(addinPage);
    addinPage->layout()->addWidget(m_noAddins);
  }
  QWidget* logging = newPage(m_tabs);
  m_logging = addBox(logging, app.value(Utils::SettingsKey::LoggingEnabled, false).toBool());
  retranslate();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  connect(buttons, SIGNAL(accepted()), this, SLOT(save()));
  connect(buttons, SIGNAL(rejected()), this, SLOT(close()));
  // Pages that need a session are off without one.
  contacts->setEnabled(session != nullptr);
}

PreferencesWindow::~PreferencesWindow() = default;

void PreferencesWindow::retranslate() {
  setTitle(tr("Preferences"));
  m_tabs->setTabText(General, tr("General"));
  m_tabs->setTabText(Sounds, tr("Sounds"));
  m_tabs->setTabText(Language, tr("Language"));
  m_tabs->setTabText(Contacts, tr("Contacts"));
  m_tabs->setTabText(Addins, tr("Add-ins"));
  m_tabs->setTabText(Logging, tr("Logging"));
  m_alwaysOnTop->setText(tr("Keep windows on top"));
  m_incomingCall->setText(tr("Ring on incoming calls"));
  m_incomingMessage->setText(tr("Sound on incoming messages"));
  m_contactOnline->setText(tr("Sound when a contact comes online"));
  m_languageNote->setText(tr("The language follows your system."));
  m_showStatus->setText(tr("Show status texts"));
  if (m_noAddins) m_noAddins->setText(tr("No add-ins are installed."));
  m_logging->setText(tr("Write log files"));
}

void PreferencesWindow::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) retranslate();
  Widgets::Window::changeEvent(e);
}

int PreferencesWindow::currentPage() const { return m_tabs->currentIndex(); }

QString PreferencesWindow::helpContext() const { return QStringLiteral("preferences"); }

void PreferencesWindow::save() {
  RAZ::Settings user(RAZ::Settings::User);
  RAZ::Settings app(RAZ::Settings::Application);
  user.setValue(Utils::SettingsKey::AlwaysOnTop, m_alwaysOnTop->isChecked());
  user.setValue(Utils::SettingsKey::SoundIncomingCallEnabled, m_incomingCall->isChecked());
  user.setValue(Utils::SettingsKey::SoundIncomingMessageEnabled, m_incomingMessage->isChecked());
  user.setValue(Utils::SettingsKey::SoundContactOnlineEnabled, m_contactOnline->isChecked());
  user.setValue(Utils::SettingsKey::ShowPresenceStatus, m_showStatus->isChecked());
  app.setValue(Utils::SettingsKey::LoggingEnabled, m_logging->isChecked());
  if (m_watcher) m_watcher->changed();
  close();
}

}  // namespace Dialogs
