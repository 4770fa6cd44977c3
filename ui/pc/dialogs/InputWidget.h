#pragma once

#include "libqml/window/Window.h"

class QPushButton;

namespace Ui {
class inputWidget;
}

namespace Widgets {

// A small window asking for one line of text. Reports only a non-empty
// (trimmed) text; cancelling reports nothing.
class InputWidget : public QML::Window {
  Q_OBJECT

 public:
  InputWidget(const QString& text, bool alwaysOnTop, QWidget* parent);
  ~InputWidget() override;

  QString helpContext() const override;

  bool isOnline() const { return m_online; }
  QPushButton* okButton() const;

 public slots:
  void textEdited(QString text);
  void accepted();
  void enableAddGroup();
  void disableAddGroup();

 signals:
  // Shares its name with the confirming slot; connected by signature.
  void accepted(QString text);  // clazy:exclude=overloaded-signal

 protected:
  Ui::inputWidget* m_form = nullptr;

 private:
  // Confirming needs the service; the opener tells when it goes and comes
  // back. Until told otherwise the service is taken to be there, so a
  // dialog whose opener never reports (renaming) still checks the text.
  bool m_online = true;
};

}  // namespace Widgets
