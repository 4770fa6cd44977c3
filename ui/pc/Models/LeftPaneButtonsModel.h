#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

namespace RAZ {
namespace Configuration {
class Config;
}
}  // namespace RAZ

namespace Models {

// The main window's left pane: which view buttons exist (by the session's
// configuration), in which order, with which icon and tooltip, and which
// view the user had open last (kept from one session to the next).
//
// Role 0 ("display") the icon's base name, 3 ("toolTip") the tooltip, 291
// ("buttonType") the button's LeftPaneButtonType, 360 (no name) the order
// the pane sorts on.
class LeftPaneButtonsModel : public QAbstractListModel {
  Q_OBJECT
  // Reads the view restored at construction, which never changes; a write is
  // only kept for the next main window, so there is nothing to notify.
  Q_PROPERTY(  // clazy:exclude=qproperty-without-notify
      int lastActiveView READ lastActiveView WRITE setLastActiveView)

 public:
  enum LeftPaneButtonType {
    ContactsButton = 0,
    RoomsButton = 1,
    HistoryButton = 2,
    DialpadButton = 3,
    DirectoryButton = 4,
    WebButton = 5
  };
  Q_ENUM(LeftPaneButtonType)
  enum Role { ButtonTypeRole = 291, OrderRole = 360 };

  LeftPaneButtonsModel(const RAZ::Configuration::Config* configuration, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;

  // The view restored when the model was built. Writing stores the
  // button's name for the next main window; the value read stays.
  int lastActiveView() const { return m_lastActiveView; }
  void setLastActiveView(int type);

 private:
  struct Button {
    int type;
    int order;
    QString name;
  };

  QList<Button> m_buttons;
  int m_lastActiveView = ContactsButton;
};

}  // namespace Models

namespace Utils {

// The optional left-pane button that opens a web page of the provider.
class ExternalResourceButtonHelper : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool enabled READ enabled CONSTANT)
  Q_PROPERTY(QString tooltip READ tooltip CONSTANT)

 public:
  ExternalResourceButtonHelper(const RAZ::Configuration::Config* configuration,
                               QObject* parent = nullptr);

  bool enabled() const { return m_enabled; }
  QString tooltip() const { return m_tooltip; }
  QUrl link() const { return m_link; }

 public slots:
  void openLink();

 private:
  bool m_enabled = false;
  QString m_tooltip;
  QUrl m_link;
};

}  // namespace Utils
