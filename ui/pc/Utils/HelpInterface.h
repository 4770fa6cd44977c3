#pragma once

#include <QUrl>
#include <QWidget>

namespace Utils {

// The base of every window: knows the help page that belongs to it.
class HelpInterface : public QWidget {
  Q_OBJECT

 public:
  explicit HelpInterface(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

  // The window's help context; empty when it has no page of its own.
  virtual QString helpContext() const;

  // Opens the configured help address ("defaults/help_file") with the
  // context and the active language appended. Does nothing without one.
  void openHelp(const QString& context);

  // The address openHelp opens; empty when no help address is configured.
  // A relative value names a page of the installation folder.
  static QUrl helpUrl(const QString& context);
};

}  // namespace Utils
