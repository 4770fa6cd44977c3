#pragma once

#include <QHash>
#include <QPointer>

#include <tp/core/SharedPointer.h>

#include "libqml/window/Window.h"

class QAbstractItemModel;
class QModelIndex;

namespace RAZ {
namespace Contacts {
class ContactSynchronizer;
class Contacts;
}  // namespace Contacts
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ

namespace QML {

// Lists the users who asked to see the user's presence, each with Accept and
// Ignore. Shown while there are requests, hidden when there are none.
class PresenceRequestDialog : public Window {
  Q_OBJECT
  Q_PROPERTY(QAbstractItemModel* model READ model CONSTANT)
  Q_PROPERTY(int itemHeight READ itemHeight WRITE setItemHeight NOTIFY itemHeightChanged)
  Q_PROPERTY(int heightExtraSpacing READ heightExtraSpacing WRITE setHeightExtraSpacing NOTIFY
                 heightExtraSpacingChanged)

 public:
  PresenceRequestDialog(RAZ::Sessions::SessionManagerBase* session,
                        RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                        bool alwaysOnTop);
  ~PresenceRequestDialog() override;

  QAbstractItemModel* model() const { return m_model; }
  int itemHeight() const { return m_itemHeight; }
  void setItemHeight(int h);
  int heightExtraSpacing() const { return m_heightExtraSpacing; }
  void setHeightExtraSpacing(int h);

  QSize minimumWindowSize() const override { return QSize(450, 80); }
  // Directory searches waiting (the first of them running).
  int waitingSearches() const { return m_waiting.size(); }

 public slots:
  bool add(QObject* contact);
  void ignore(QObject* contact);
  void modelDataChanged();
  // Requests wait for an answer: the dialog comes over the windows that
  // another question handed the keyboard back to.
  void comeForward();
  void searchContacts(const QModelIndex& parent, int first, int last);
  void contactSynchronized();

 signals:
  void itemHeightChanged();
  void heightExtraSpacingChanged();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void startNextSearch();
  // Set aside or answered, it hands the keyboard to the main window.
  void giveKeyboardBack();
  // As tall as the requests' rows and the heading.
  void fitRows();

  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  QPointer<QAbstractItemModel> m_model;
  int m_itemHeight = 0;
  int m_heightExtraSpacing = 0;
  QHash<RAZ::Contacts::ContactSynchronizer*, int> m_waiting;
  RAZ::Contacts::ContactSynchronizer* m_running = nullptr;
};

}  // namespace QML
