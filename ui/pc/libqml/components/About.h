#pragma once

#include "libqml/window/Window.h"

namespace QML {

// The fixed-size About window: product, version, notice and the licences
// of the libraries in use.
class About : public Window {
  Q_OBJECT
  Q_PROPERTY(QString versionInfo READ versionInfo NOTIFY versionInfoChanged)
  Q_PROPERTY(QString productName READ productName CONSTANT)
  Q_PROPERTY(QString organizationName READ organizationName CONSTANT)
  Q_PROPERTY(int buildYear READ buildYear CONSTANT)

 public:
  explicit About(bool alwaysOnTop = false, QWidget* parent = nullptr);
  ~About() override;

  QString versionInfo() const;
  QString productName() const;
  QString organizationName() const;
  int buildYear() const;

  QSize minimumWindowSize() const override;
  QSize maximumWindowSize() const override;

 signals:
  void versionInfoChanged();

 protected:
  void changeEvent(QEvent* event) override;
};

}  // namespace QML
