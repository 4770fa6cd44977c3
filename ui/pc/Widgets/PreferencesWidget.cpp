#include "Widgets/PreferencesWidget.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QScreen>

#include <RAZ/MediaEngine/CallControllerBase.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include "Utils/ConfigIds.h"
#include "Utils/SettingsKeys.h"
#include "Widgets/Preferences/AddinsHandler.h"
#include "Widgets/Preferences/AudioHandler.h"
#include "Widgets/Preferences/ConfirmationsHandler.h"
#include "Widgets/Preferences/CredentialsHandler.h"
#include "Widgets/Preferences/LanguageHandler.h"
#include "Widgets/Preferences/LoggingHandler.h"
#include "Widgets/Preferences/PreferencesConfig.h"
#include "Widgets/Preferences/SoundsHandler.h"
#include "Widgets/Preferences/VideoHandler.h"
#include "libqml/utils/Style.h"
#include "ui_preferences.h"

namespace Widgets {

namespace {
void removeTab(QTabWidget* tabs, QWidget* page) {
  const int index = tabs->indexOf(page);
  if (index >= 0) tabs->removeTab(index);
}
}  // namespace

PreferencesWidget::PreferencesWidget(RAZ::Sessions::SessionManagerBase* session,
                                     const QMap<int, QSharedPointer<QTranslator>>& translators,
                                     int page, QAbstractItemModel* addinsModel, QWidget* parent)
    : Utils::HelpInterface(parent), ui(new Ui::preferencesForm), m_addinsModel(addinsModel) {
  setObjectName(QStringLiteral("preferencesWidget"));
  ui->setupUi(this);
  retranslate();

  QWidget* sessionTabs[] = {ui->generalTab, ui->videoTab, ui->audioTab, ui->credentialsTab,
                            ui->addinsTab};
  if (!session) {
    ui->preferencesTabs->setCurrentWidget(ui->proxyTab);
    for (QWidget* tab : sessionTabs)
      ui->preferencesTabs->setTabEnabled(ui->preferencesTabs->indexOf(tab), false);
  } else {
    QWidget* current = ui->generalTab;
    switch (page) {
      case 1:
        current = ui->audioTab;
        break;
      case 2:
        current = ui->videoTab;
        break;
      case 3:
        current = ui->credentialsTab;
        break;
      case 4:
        current = ui->proxyTab;
        break;
      case 5:
        current = ui->addinsTab;
        break;
      default:
        break;
    }
    ui->preferencesTabs->setCurrentWidget(current);
    for (QWidget* tab : sessionTabs)
      ui->preferencesTabs->setTabEnabled(ui->preferencesTabs->indexOf(tab), true);

    if (!Preferences::configBool(session, Utils::ConfigId::VideoCalls))
      removeTab(ui->preferencesTabs, ui->videoTab);
    if (!Preferences::configBool(session, Utils::ConfigId::CallsOnThisClient))
      removeTab(ui->preferencesTabs, ui->audioTab);

    const bool api = Preferences::configBool(session, Utils::ConfigId::AddinApi);
    if (!Preferences::configBool(session, Utils::ConfigId::OutlookCalendar) &&
        !Preferences::configBool(session, Utils::ConfigId::OutlookContactSearch) && !api)
      removeTab(ui->preferencesTabs, ui->addinsTab);
    else
      setupAddins(api);

    RAZ::MediaEngine::CallControllerBase* calls = session->callController();
    if (calls) {
      new Preferences::SoundsHandler(ui, calls, this, session);
      if (RAZ::MediaEngine::IMediaHandlerAudio* audio = calls->GetMediaHandlerAudio())
        new Preferences::AudioHandler(ui, audio, this);
    }
    new Preferences::CredentialsHandler(ui, session, this);
    new Preferences::LoggingHandler(ui, this);
    if (calls) {
      if (RAZ::MediaEngine::IMediaHandlerVideo* video = calls->GetMediaHandlerVideo())
        new Preferences::VideoHandler(ui, video, this);
    }
    new Preferences::LanguageHandler(translators, ui, this);
    new Preferences::AddinsHandler(ui, this);

    // A page whose every part was hidden by its handler has nothing to show.
    const QWidget* parts[] = {ui->myRoomConfigBox,  ui->webCollab, ui->ldap,
                              ui->credentialsLabel, ui->protocols, ui->groupDeviceManagement};
    bool empty = true;
    for (const QWidget* part : parts) empty = empty && part->isHidden();
    if (empty) removeTab(ui->preferencesTabs, ui->credentialsTab);
  }

  readProxyFields();
  new Preferences::ConfirmationsHandler(ui, session, this);
  // The window takes its height from its tallest page: the sounds list
  // asks for its rows from the start, not for a list's default height.
  fitSoundsList();
}

PreferencesWidget::~PreferencesWidget() {
  // The handlers work on the form: they go before its widgets.
  const QList<QObject*> children = findChildren<QObject*>(QString(), Qt::FindDirectChildrenOnly);
  for (QObject* child : children)
    if (!child->isWidgetType() && !qobject_cast<QLayout*>(child)) delete child;
  delete ui;
}

void PreferencesWidget::setupAddins(bool apiAllowed) {
  if (!apiAllowed) {
    ui->addinSettingsBox->hide();
    ui->manageAddinsBox->hide();
    ui->manageAddinsWidget->hide();
    return;
  }
  QQuickWidget* view = ui->manageAddinsWidget;
  view->setResizeMode(QQuickWidget::SizeRootObjectToView);
  view->rootContext()->setContextProperty(QStringLiteral("rootWindow"), this);
  view->rootContext()->setContextProperty(QStringLiteral("zentStyle"), QML::Style::instance());
  // The scene draws with the style object; without one it would only fail.
  if (QML::Style::instance())
    view->setSource(QUrl(QStringLiteral("qrc:/components/ConnectorList.qml")));
  else
    TP_LOG("Widgets::PreferencesWidget", TP::Core::Logging::LevelWarning)
        << "No style object: the add-ins list stays empty";
  if (QQuickItem* root = view->rootObject()) root->setProperty("useAcceptanceButtons", false);
  setAddinsListVisibility();
  if (m_addinsModel) {
    connect(m_addinsModel, SIGNAL(rowsInserted(QModelIndex, int, int)), this,
            SLOT(setAddinsListVisibility()));
    connect(m_addinsModel, SIGNAL(rowsRemoved(QModelIndex, int, int)), this,
            SLOT(setAddinsListVisibility()));
  }
}

void PreferencesWidget::readProxyFields() {
  RAZ::Settings proxy(RAZ::Settings::Proxy);
  switch (proxy.value(Utils::SettingsKey::ProxyType, 0).toInt()) {
    case 0:
      ui->noProxy->setChecked(true);
      break;
    case 1:
      ui->systemProxy->setChecked(true);
      break;
    case 2:
      ui->zentProxy->setChecked(true);
      break;
    default:
      // Radio buttons in one group refuse to be all unchecked otherwise.
      ui->noProxy->setAutoExclusive(false);
      ui->noProxy->setChecked(false);
      ui->noProxy->setAutoExclusive(true);
      break;
  }
  ui->proxyhostfield->setText(proxy.value(Utils::SettingsKey::ProxyHttpServer).toString());
  ui->proxyportfield->setText(proxy.value(Utils::SettingsKey::ProxyHttpPort).toString());
  ui->secureproxyhostfield->setText(proxy.value(Utils::SettingsKey::ProxyHttpsServer).toString());
  ui->secureproxyportfield->setText(proxy.value(Utils::SettingsKey::ProxyHttpsPort).toString());
  const bool own = ui->zentProxy->isChecked();
  for (QWidget* field :
       {static_cast<QWidget*>(ui->proxyhostfield), static_cast<QWidget*>(ui->proxyportfield),
        static_cast<QWidget*>(ui->secureproxyhostfield),
        static_cast<QWidget*>(ui->secureproxyportfield)})
    field->setEnabled(own);
}

void PreferencesWidget::setAddinsListVisibility() {
  ui->manageAddinsBox->setVisible(m_addinsModel && m_addinsModel->rowCount() >= 1);
}

QString PreferencesWidget::helpContext() const {
  const int index = ui->preferencesTabs->currentIndex();
  return index >= 0 ? ui->preferencesTabs->tabText(index) : QString();
}

void PreferencesWidget::fitSoundsList() {
  QListWidget* list = ui->soundEventsWidget;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (list->count() > 0 && screen && screen->availableVirtualGeometry().height() >= 601) {
    const int h = qMax(13, list->item(0)->font().pointSize());
    const int height = (h + 5) * list->count() + 3;
    list->setMinimumHeight(height);
    list->setMaximumHeight(height);
  }
}

void PreferencesWidget::resizeEvent(QResizeEvent* e) {
  fitSoundsList();
  Utils::HelpInterface::resizeEvent(e);
}

void PreferencesWidget::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) {
    retranslate();
    emit languageChanged();
  }
  Utils::HelpInterface::changeEvent(e);
}

void PreferencesWidget::retranslate() {
  ui->retranslateUi(this);
  ui->enableAPIProvider->setText(
      tr("Allow 3rd party applications to access %1").arg(QCoreApplication::applicationName()));
  setWindowTitle(tr("Preferences"));
}

}  // namespace Widgets
