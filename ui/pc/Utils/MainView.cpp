#include "Utils/MainView.h"

namespace Utils {

MainView::MainView(QObject* parent) : QObject(parent) {}

QString MainView::name(int view) {
  switch (view) {
    case Contacts:
      return QStringLiteral("contactsView");
    case Rooms:
      return QStringLiteral("roomsView");
    case History:
      return QStringLiteral("historyView");
    case Dialpad:
      return QStringLiteral("dialpadView");
    case Directory:
      return QStringLiteral("directoryView");
  }
  return QString();
}

}  // namespace Utils
