#pragma once

#include <QObject>
#include <QString>

namespace Utils {

// The views of the main window. A view's name is the state of the scene's
// "activeView" item, what the window reports as its active view and the
// context its help opens with: code and scenes name a view only through
// this class. Scenes see it as the singleton "MainView" of "Vantre 1.0"
// (MainView.name(MainView.Contacts)).
class MainView : public QObject {
  Q_OBJECT

 public:
  enum View { Contacts, Rooms, History, Dialpad, Directory };
  Q_ENUM(View)

  explicit MainView(QObject* parent = nullptr);

  // The view's name; empty for a number that is no view.
  Q_INVOKABLE static QString name(int view);
};

}  // namespace Utils
