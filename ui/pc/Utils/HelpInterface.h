#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

namespace Utils {

// Base of every window: knows its help context and opens the help page.
class HelpInterface : public QWidget {
  Q_OBJECT

 public:
  explicit HelpInterface(QWidget* parent = nullptr);
  ~HelpInterface() override;

  virtual QString helpContext() const;

  // Opens "defaults/help_file" with the query items context and lang.
  void openHelp(const QString& context);

  // The address openHelp opens (empty when no help page is configured). A
  // relative address names a page shipped beside the executable.
  static QUrl helpUrl(const QString& context);
};

}  // namespace Utils
