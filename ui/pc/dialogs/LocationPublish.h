#pragma once

#include <RAZ/Utils/Location.h>

#include "Widgets/Window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTimer;

namespace Dialogs {

// Asks the user which location to publish: the one the service detected or
// a text of their own. Stores the answer under "presence/location_publish/"
// and reports it by locationChanged().
class LocationPublish : public Widgets::Window {
  Q_OBJECT

 public:
  explicit LocationPublish(bool alwaysOnTop = false, QWidget* parent = nullptr);
  ~LocationPublish() override;

  QString helpContext() const override;
  // Fills the form from the stored answers.
  void reloadSettings();

  QRadioButton* detectedChoice() const { return m_detected; }
  QRadioButton* manualChoice() const { return m_manual; }
  QLineEdit* manualText() const { return m_manualText; }
  QCheckBox* askAgainBox() const { return m_askAgain; }

 public slots:
  void locationsReceived(const RAZ::Utils::Location::Info& xsi,
                         const RAZ::Utils::Location::Info& xmpp);
  void accept();
  void reject();

 signals:
  void locationChanged(const RAZ::Utils::Location::Info& info, bool dontAskAgain, bool accepted);

 protected:
  void changeEvent(QEvent* e) override;

 private slots:
  void refreshForm();

 private:
  void retranslate();
  void answer(bool accepted);

  RAZ::Utils::Location::Info m_xsi;
  RAZ::Utils::Location::Info m_xmpp;
  QLabel* m_intro = nullptr;
  QLabel* m_detectedText = nullptr;
  QRadioButton* m_detected = nullptr;
  QRadioButton* m_manual = nullptr;
  QLineEdit* m_manualText = nullptr;
  QCheckBox* m_askAgain = nullptr;
  QLabel* m_clock = nullptr;
  QTimer* m_clockTimer = nullptr;
};

}  // namespace Dialogs
