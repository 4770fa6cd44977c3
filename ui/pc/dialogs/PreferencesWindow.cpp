#include "dialogs/PreferencesWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
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
  // The form carries no size of its own: it takes what its pages ask for,
  // within the screen (the pages scroll beyond that).
  QSize wanted = widget->sizeHint();
  if (auto* tabs = widget->findChild<QTabWidget*>(QStringLiteral("preferencesTabs"))) {
    // Every page, not only the current one, must fit across.
    QSize pages;
    for (int i = 0; i < tabs->count(); ++i) {
      QWidget* page = tabs->widget(i);
      page->ensurePolished();
      if (page->layout()) page->layout()->activate();
      pages = pages.expandedTo(page->sizeHint());
    }
    wanted = wanted.expandedTo(pages + QSize(48, 48));
  }
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen) {
    const QRect available = screen->availableVirtualGeometry();
    wanted = wanted.boundedTo(QSize(available.width() - 40, available.height() - 160));
  }
  widget->resize(wanted);
  // Kept by the popup's layout too, which adds its margins around it.
  widget->setMinimumSize(wanted);
  window->setMinimumSize(widget->size());
  if (screen) {
    const QRect available = screen->availableVirtualGeometry();
    window->move(((available.left() + available.right()) / 2) / 2, available.top() + 30);
  }
  window->setContent(widget);
  // The popup's content area does not constrain the window: make room for
  // the form with the frame's margins and the button row.
  if (QLayout* layout = window->layout()) {
    window->setMinimumSize(layout->totalMinimumSize().expandedTo(window->minimumSize()));
    window->resize(window->minimumSize());
  }
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
