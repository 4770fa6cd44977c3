#pragma once

#include "Widgets/PopupWindow.h"

class QPushButton;

namespace Dialogs {

// A popup holding one settings widget with OK and Cancel below it. OK asks
// the content to save; Cancel, the frame's close button or any other close
// asks it to cancel. Exactly one of the two reaches the content per window.
class SettingsEditor : public PopupWindow {
  Q_OBJECT

 public:
  explicit SettingsEditor(bool alwaysOnTop = false, QWidget* parent = nullptr);
  ~SettingsEditor() override;

  // Wires the content's save/cancel contract to the buttons and places the
  // button row directly below it.
  void setContent(QWidget* content, int extraSpacing = 0) override;

  bool saved() const { return m_saved; }
  QPushButton* okButton() const { return m_ok; }
  QPushButton* cancelButton() const { return m_cancel; }

 signals:
  void qualityDetectionEnabled();
  void saveSettings();
  void cancelSettings();

 public slots:
  void cbQualityDetectionEnabled();
  // OK stays enabled whatever the pages report.
  void enableSave(bool enable);
  void okPressed();

 protected:
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void retranslate();

  bool m_saved = false;
  bool m_cancelled = false;
  QWidget* m_buttons = nullptr;
  QPushButton* m_ok = nullptr;
  QPushButton* m_cancel = nullptr;
};

}  // namespace Dialogs
