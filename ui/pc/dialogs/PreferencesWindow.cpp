#include "dialogs/PreferencesWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>

#include "Utils/PreferencesWatcher.h"
#include "Widgets/PreferencesWidget.h"

namespace Dialogs {

PreferencesWindow* PreferencesWindow::create(
    Preferences::Watcher* watcher, RAZ::Sessions::SessionManagerBase* session,
    const QMap<int, QSharedPointer<QTranslator>>& translators, int page,
    QAbstractItemModel* addinsModel, bool alwaysOnTop, QWidget* parent) {
  auto* window = new PreferencesWindow(alwaysOnTop, parent);
  auto* widget = new Widgets::PreferencesWidget(session, translators, page, addinsModel, window);
  window->setMinimumSize(widget->size());
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableVirtualGeometry();
    window->move(((available.left() + available.right()) / 2) / 2, available.top() + 30);
  }
  window->setContent(widget);
  if (watcher) {
    connect(window, SIGNAL(saveSettings()), watcher, SLOT(changed()));
    connect(window, SIGNAL(qualityDetectionEnabled()), watcher, SLOT(qualityDetectionEnabled()));
  }
  return window;
}

PreferencesWindow::PreferencesWindow(bool alwaysOnTop, QWidget* parent)
    : SettingsEditor(alwaysOnTop, parent) {
  setObjectName(QStringLiteral("preferencesWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setTitle(tr("Preferences"));
  setCanMinimize(true);
  setCanMaximize(true);
}

PreferencesWindow::~PreferencesWindow() = default;

QString PreferencesWindow::helpContext() const {
  if (auto* widget = findChild<Utils::HelpInterface*>(QStringLiteral("preferencesWidget")))
    return widget->helpContext();
  return QString();
}

QString PreferencesWindow::currentPageName() const {
  auto* tabs = findChild<QTabWidget*>(QStringLiteral("preferencesTabs"));
  return tabs && tabs->currentWidget() ? tabs->currentWidget()->objectName() : QString();
}

void PreferencesWindow::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) setTitle(tr("Preferences"));
  SettingsEditor::changeEvent(e);
}

}  // namespace Dialogs
