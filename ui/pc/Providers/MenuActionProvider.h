#pragma once

#include <QList>
#include <QMap>

#include <RAZ/Actions/Action.h>
#include <RAZ/Actions/ActionData.h>
#include <RAZ/Actions/Source.h>

class QAction;
class QMenu;
class QWidget;

namespace RAZ {
namespace Actions {
class Provider;
}
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ

namespace Providers {

class Factory;

// The application-level actions (About, Preferences, Sign Out, Exit, the
// contact-list switches, the parked-call entries, Help, ...), each known by
// its menu action id. It is a platform action source, so platform actions
// can be linked to its actions.
class MenuActionProvider : public RAZ::Actions::Source {
  Q_OBJECT

 public:
  enum MenuId {
    About = 0,
    Preferences = 1,
    CallSettings = 2,
    OpenApplication = 3,
    AddContact = 4,
    RetrieveParkedCallHere = 5,
    RetrieveParkedCallPhone = 6,
    PullCall = 7,
    SortByFirstName = 8,
    SortByLastName = 9,
    ShowOfflineContacts = 10,
    ShowFavoritesGroup = 11,
    ShowProfilePhotos = 12,
    ShowStatus = 13,
    SignOut = 14,
    Exit = 15,
    Help = 16,
    AlwaysOnTop = 17,
    TestCall = 18
  };

  explicit MenuActionProvider(QObject* parent = nullptr);
  ~MenuActionProvider() override;

  QList<RAZ::Actions::ActionData> getActions() const override;
  int getSourceType() const override;
  virtual void setupMenuBar(int);
  virtual void retranslate();
  virtual QMenu* contextMenu(int) = 0;
  virtual QMenu* menuBar();

  QAction* createAction(int id);
  QAction* insertAction(int id, QAction* action);
  bool removeAction(int id);
  QAction* action(int id) const;
  QString menuText(int id) const;

  void createCallActions(RAZ::Sessions::SessionManagerBase* session);
  void createContactListActions(RAZ::Sessions::SessionManagerBase* session);

  // Hands the linked actions to a platform action provider (owned from now
  // on; a previous one is deleted). The action hub obtains the provider and
  // calls this when a session opens.
  void linkActionProvider(RAZ::Actions::Provider* provider);
  RAZ::Actions::Provider* actionProvider() const { return m_provider; }

  void installHelpShortcut(QWidget* window);
  QMenu* fillSortMenu(QMenu* menu);
  void fillParkedCallMenu(QMenu* menu, QMenu* parkedCallMenu = nullptr);

 protected:
  QMap<int, QAction*> m_actions;
  RAZ::Actions::Provider* m_provider = nullptr;
  QList<RAZ::Actions::Action::Id> m_acceptedIds;
};

class MenuActionProviderWin : public MenuActionProvider {
  Q_OBJECT

 public:
  explicit MenuActionProviderWin(QObject* parent = nullptr);
  ~MenuActionProviderWin() override;

  QMenu* contextMenu(int) override;
};

}  // namespace Providers
