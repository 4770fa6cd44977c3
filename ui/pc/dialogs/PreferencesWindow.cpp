#include "dialogs/PreferencesWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTabWidget>

#include "Utils/PreferencesWatcher.h"
#include "Utils/WindowManager.h"
#include "Widgets/PreferencesWidget.h"

namespace Dialogs {

namespace {
// A page that cannot be opened (before sign-in, all but the proxy) must ask
// for no room. The tabs ask every page, shown or not, for its size and, when
// the open page wraps text, for its height at the tabs' width; a page whose
// parts are hidden asks for none in either, and nobody sees them: a sign-in
// closes this window.
void hideClosedPage(QWidget* page) {
  const auto parts = page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  for (QWidget* part : parts) part->hide();
}
}  // namespace

PreferencesWindow* PreferencesWindow::create(
    Preferences::Watcher* watcher, RAZ::Sessions::SessionManagerBase* session,
    const QMap<int, QSharedPointer<QTranslator>>& translators, int page,
    QAbstractItemModel* addinsModel, bool alwaysOnTop, QWidget* parent) {
  auto* window = new PreferencesWindow(alwaysOnTop, parent);
  auto* widget = new Widgets::PreferencesWidget(session, translators, page, addinsModel, window);
  // The form carries no size of its own: it takes what its pages ask for,
  // within the screen (the pages scroll beyond that).
  auto* tabs = widget->findChild<QTabWidget*>(QStringLiteral("preferencesTabs"));
  if (tabs)
    for (int i = 0; i < tabs->count(); ++i)
      if (!tabs->isTabEnabled(i)) hideClosedPage(tabs->widget(i));
  // The pages' layouts hold sizes worked out before their texts were put in
  // (nothing is laid out again while the form is hidden): ask afresh.
  widget->ensurePolished();
  const auto parts = widget->findChildren<QWidget*>();
  for (QWidget* part : parts) part->updateGeometry();
  const auto layouts = widget->findChildren<QLayout*>();
  for (QLayout* layout : layouts) layout->invalidate();
  QSize wanted = widget->sizeHint();
  if (tabs) {
    // Every page the user can open, not only the current one, must fit;
    // pages that stay closed (before sign-in, all but the proxy) ask for no
    // room, here and in the tabs' own size above.
    QSize pages;
    for (int i = 0; i < tabs->count(); ++i) {
      if (!tabs->isTabEnabled(i)) continue;
      QWidget* tab = tabs->widget(i);
      tab->ensurePolished();
      if (tab->layout()) tab->layout()->activate();
      pages = pages.expandedTo(tab->sizeHint());
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
  window->setContent(widget);
  // The popup's content area does not constrain the window: make room for
  // the form with the frame's margins and the button row.
  if (QLayout* layout = window->layout()) {
    window->setMinimumSize(layout->totalMinimumSize().expandedTo(window->minimumSize()));
    window->resize(window->minimumSize());
  }
  if (screen) {
    const QRect available = screen->availableVirtualGeometry();
    QPoint at(((available.left() + available.right()) / 2) / 2, available.top() + 30);
    // On a small screen that place would push the window off its right or
    // bottom edge: it moves in as far as it must.
    at.setX(qMax(available.left(), qMin(at.x(), available.right() + 1 - window->width())));
    at.setY(qMax(available.top(), qMin(at.y(), available.bottom() + 1 - window->height())));
    window->move(at);
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
  // Esc leaves the window as Ctrl+W does: nothing is saved.
  leaveOnEscape();
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

void PreferencesWindow::showEvent(QShowEvent* e) {
  SettingsEditor::showEvent(e);
  // The form settles its size as it is shown: it stays on the screen, and
  // on a small one (or at a large scale) it shrinks to it.
  Utils::WindowManager::fitOnScreen(this);
  Utils::WindowManager::keepOnScreen(this);
}

void PreferencesWindow::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) setTitle(tr("Preferences"));
  SettingsEditor::changeEvent(e);
}

}  // namespace Dialogs
