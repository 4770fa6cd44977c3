#pragma once

#include <QMap>
#include <QPointer>
#include <QSharedPointer>

#include <RAZ/Sessions/SessionManagerBase.h>
#include "Utils/PreferencesWatcher.h"

#include "Widgets/Window.h"

class QAbstractItemModel;
class QCheckBox;
class QLabel;
class QTabWidget;
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

// The preferences window: pages of user settings; Save writes them and
// tells the preference watcher.
class PreferencesWindow : public Widgets::Window {
  Q_OBJECT

 public:
  enum Page { General = 0, Sounds = 1, Language = 2, Contacts = 3, Addins = 4, Logging = 5 };

  static PreferencesWindow* create(Preferences::Watcher* watcher,
                                   RAZ::Sessions::SessionManagerBase* session,
                                   const QMap<int, QSharedPointer<QTranslator>>& translators,
                                   int page, QAbstractItemModel* addins, QWidget* parent);
  ~PreferencesWindow() override;

  int currentPage() const;
  QTabWidget* tabs() const { return m_tabs; }

  QString helpContext() const override;

 public slots:
  void save();

 protected:
  void changeEvent(QEvent* e) override;

 private:
  PreferencesWindow(Preferences::Watcher* watcher, RAZ::Sessions::SessionManagerBase* session,
                    QAbstractItemModel* addins, bool alwaysOnTop, QWidget* parent);
  void retranslate();

  QPointer<Preferences::Watcher> m_watcher;
  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  QTabWidget* m_tabs = nullptr;
  QCheckBox* m_alwaysOnTop = nullptr;
  QCheckBox* m_incomingCall = nullptr;
  QCheckBox* m_incomingMessage = nullptr;
  QCheckBox* m_contactOnline = nullptr;
  QCheckBox* m_showStatus = nullptr;
  QCheckBox* m_logging = nullptr;
  QLabel* m_languageNote = nullptr;
  QLabel* m_noAddins = nullptr;
};

}  // namespace Dialogs
