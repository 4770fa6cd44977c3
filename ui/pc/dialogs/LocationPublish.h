#pragma once

#include <QPointer>
#include <QStringList>

#include <RAZ/Utils/Location.h>

#include "Widgets/Window.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QIODevice;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace Dialogs {

// "My Location": what location and time zone are published with the
// user's presence: the one found automatically, a text and time zone of the
// user's own, or none. The presence helper owns it, hands it the locations
// and publishes what it reports by locationChanged().
class LocationPublish : public Widgets::Window {
  Q_OBJECT

 public:
  explicit LocationPublish(QWidget* parent = nullptr);
  ~LocationPublish() override;

  QString helpContext() const override;
  // Closing only resets and hides: the dialog lives as long as its helper.
  bool canClose() override;
  // Fills the form from the stored choices and starts the clock.
  void prepareToShow();

  // The text a location reads as: its description, else its city with
  // its region (in the United States) or its country.
  static QString locationText(const RAZ::Utils::Location::Info& info);
  // The time now at the location's offset, or empty without a usable one.
  static QString timeText(const RAZ::Utils::Location::Info& info);
  // The time-zone list of a file of lines "name",id,offset: negative offsets
  // first (in reverse file order), then the others in file order. The names
  // of the program's own theme are given in the interface language; a name
  // of another theme's own is given as the theme wrote it.
  static QStringList readTimeZones(QIODevice* file);
  // "(UTC+hh:mm)" for an offset from UTC in seconds.
  static QString utcText(int offsetSeconds);

  QRadioButton* autoLocation() const { return m_auto; }
  QRadioButton* manualLocation() const { return m_manual; }
  QLineEdit* regionEdit() const { return m_region; }
  QComboBox* timeComboBox() const { return m_time; }
  QCheckBox* alwaysAskCheckbox() const { return m_alwaysAsk; }
  QLabel* locationToPublish() const { return m_toPublish; }
  QPushButton* setLocationButton() const { return m_setButton; }
  QPushButton* clearLocationButton() const { return m_clearButton; }
  QTimer* refreshTimer() const { return m_timer; }
  QStringList timeZones() const { return m_timeZones; }

  // The form's manual location (description and offset).
  RAZ::Utils::Location::Info manualRecord() const;

  Q_INVOKABLE void locationTextChanged();
  Q_INVOKABLE void timezoneIndexChanged();
  Q_INVOKABLE void updateTimeRelatedText();
  Q_INVOKABLE void setLocation();
  Q_INVOKABLE void clearLocation();
  Q_INVOKABLE void updateUi();

 public slots:
  void locationsReceived(const RAZ::Utils::Location::Info& automatic,
                         const RAZ::Utils::Location::Info& manual);

 signals:
  void locationChanged(const RAZ::Utils::Location::Info& info, bool dontAskAgain, bool publish);
  // The question has gone (answered or closed), after the keyboard went back
  // to the window it came from.
  void closed();

 protected:
  void changeEvent(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  // The window that had the keyboard before the dialog (or the main
  // window, when none had it yet): it gets it back when the dialog goes.
  QPointer<QWidget> m_returnTo;
  void retranslate();
  void buildTimeList();
  QString chosenOffset() const;
  // Whether the service found a place or a time zone to offer.
  bool hasAutomatic() const;
  void clearChoice();
  void resetAndHide();

  RAZ::Utils::Location::Info m_automatic;
  QTimer* m_timer = nullptr;
  QStringList m_timeZones;
  QLabel* m_label = nullptr;
  QButtonGroup* m_group = nullptr;
  QRadioButton* m_auto = nullptr;
  QRadioButton* m_manual = nullptr;
  QLineEdit* m_region = nullptr;
  QComboBox* m_time = nullptr;
  QCheckBox* m_alwaysAsk = nullptr;
  QLabel* m_toPublish = nullptr;
  QPushButton* m_setButton = nullptr;
  QPushButton* m_clearButton = nullptr;
};

}  // namespace Dialogs
