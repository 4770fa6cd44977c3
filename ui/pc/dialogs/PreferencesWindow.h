#pragma once

#include <QMap>
#include <QSharedPointer>

#include "dialogs/SettingsEditor.h"

class QAbstractItemModel;
class QTranslator;

namespace Preferences {
class Watcher;
}
namespace RAZ {
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ

namespace Dialogs {

// The preferences window: the preferences widget with OK and Cancel. It
// deletes itself when closed; OK tells the preference watcher.
class PreferencesWindow : public SettingsEditor {
  Q_OBJECT

 public:
  // Page numbers the application passes in (anything else: General).
  enum Page { General = 0, Audio = 1, Video = 2, Credentials = 3, Proxy = 4, Addins = 5 };

  // `translators` is the application's table of installed translators
  // (keyed by I18N::TranslatorSlot).
  static PreferencesWindow* create(Preferences::Watcher* watcher,
                                   RAZ::Sessions::SessionManagerBase* session,
                                   const QMap<int, QSharedPointer<QTranslator>>& translators,
                                   int page, QAbstractItemModel* addinsModel, bool alwaysOnTop,
                                   QWidget* parent);
  ~PreferencesWindow() override;

  QString helpContext() const override;
  // The object name of the page shown ("generalTab", "proxyTab", ...).
  QString currentPageName() const;

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  PreferencesWindow(bool alwaysOnTop, QWidget* parent);
};

}  // namespace Dialogs
