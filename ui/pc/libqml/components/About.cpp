#include "libqml/components/About.h"

#include <QCoreApplication>
#include <QDate>
#include <QEvent>
#include <QKeySequence>
#include <QLocale>

#include "libqml/window/View.h"

namespace QML {

About::About(bool alwaysOnTop, QWidget* parent) : Window(alwaysOnTop, parent) {
  setObjectName(QStringLiteral("aboutWindow"));
  setResizable(false);
  setTitle(tr("About %1").arg(QCoreApplication::applicationName()));
  setSource(QStringLiteral("qrc:/windows/About/About.qml"));
  closeOnKeys(CloseKeys::CtrlWAndEscape);
}

About::~About() = default;

QString About::versionInfo() const {
  return tr("Version: %1").arg(QStringLiteral("20.1.1.231-ZQV"));
}

QString About::productName() const { return QCoreApplication::applicationName(); }

QString About::organizationName() const {
  const QString name = QCoreApplication::organizationName();
  return name == QLatin1String("Kelvantic") ? name + QStringLiteral(", Inc") : name;
}

int About::buildYear() const {
  return QLocale::c().toDate(QStringLiteral("Sep 17 2014"), QStringLiteral("MMM d yyyy")).year();
}

QSize About::minimumWindowSize() const { return QSize(490, 300); }

QSize About::maximumWindowSize() const { return minimumWindowSize(); }

void About::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    setTitle(tr("About %1").arg(QCoreApplication::applicationName()));
    emit versionInfoChanged();
  }
  Window::changeEvent(event);
}

}  // namespace QML
