#include "dialogs/LocationPublish.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <RAZ/Settings.h>
#include "Utils/SettingsKeys.h"

namespace Dialogs {

namespace {
QString key(const char* name) {
  return Utils::SettingsKey::LocationPublishPrefix + QLatin1String(name);
}

QString describe(const RAZ::Utils::Location::Info& info) {
  QStringList parts;
  for (const QString& p : {info.city, info.state, info.country})
    if (!p.isEmpty()) parts << p;
  if (parts.isEmpty() && !info.manualLocation.isEmpty()) parts << info.manualLocation;
  return parts.join(QStringLiteral(", "));
}
}  // namespace

LocationPublish::LocationPublish(bool alwaysOnTop, QWidget* parent)
    : Widgets::Window(parent, alwaysOnTop, false) {
  setObjectName(QStringLiteral("locationPublish"));
  auto* layout = new QVBoxLayout(this);
  m_intro = new QLabel(this);
  m_intro->setWordWrap(true);
  layout->addWidget(m_intro);
  m_detected = new QRadioButton(this);
  m_detectedText = new QLabel(this);
  m_detectedText->setTextFormat(Qt::PlainText);
  m_manual = new QRadioButton(this);
  m_manualText = new QLineEdit(this);
  m_askAgain = new QCheckBox(this);
  m_clock = new QLabel(this);
  layout->addWidget(m_detected);
  layout->addWidget(m_detectedText);
  layout->addWidget(m_manual);
  layout->addWidget(m_manualText);
  layout->addWidget(m_clock);
  layout->addWidget(m_askAgain);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  connect(buttons, SIGNAL(accepted()), this, SLOT(accept()));
  connect(buttons, SIGNAL(rejected()), this, SLOT(reject()));
  connect(m_manual, SIGNAL(toggled(bool)), m_manualText, SLOT(setEnabled(bool)));
  m_detected->setChecked(true);
  m_manualText->setEnabled(false);
  m_clockTimer = new QTimer(this);
  m_clockTimer->setInterval(1000);
  connect(m_clockTimer, SIGNAL(timeout()), this, SLOT(refreshForm()));
  retranslate();
}

LocationPublish::~LocationPublish() = default;

void LocationPublish::retranslate() {
  setTitle(tr("Location"));
  m_intro->setText(tr("Your network has changed. Which location should your contacts see?"));
  m_detected->setText(tr("Detected location"));
  m_manual->setText(tr("My own location:"));
  m_askAgain->setText(tr("Ask me when my network changes"));
  refreshForm();
}

void LocationPublish::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) retranslate();
  Widgets::Window::changeEvent(e);
}

QString LocationPublish::helpContext() const { return QStringLiteral("locationPublish"); }

void LocationPublish::reloadSettings() {
  RAZ::Settings user(RAZ::Settings::User);
  m_askAgain->setChecked(!user.value(key("dontAskAgain"), false).toBool());
  if (user.value(key("manually_published"), false).toBool()) {
    m_manual->setChecked(true);
    m_manualText->setText(user.value(key("last_published_manual_location")).toString());
  } else {
    m_detected->setChecked(true);
  }
  refreshForm();
  m_clockTimer->start();
}

void LocationPublish::locationsReceived(const RAZ::Utils::Location::Info& xsi,
                                        const RAZ::Utils::Location::Info& xmpp) {
  m_xsi = xsi;
  m_xmpp = xmpp;
  refreshForm();
}

void LocationPublish::refreshForm() {
  const QString detected = describe(m_xsi);
  m_detectedText->setText(detected.isEmpty() ? tr("Unknown") : detected);
  m_clock->setText(QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
}

void LocationPublish::accept() { answer(true); }
void LocationPublish::reject() { answer(false); }

void LocationPublish::answer(bool accepted) {
  m_clockTimer->stop();
  const bool manual = m_manual->isChecked();
  RAZ::Utils::Location::Info info;
  if (manual) {
    info.manualLocation = m_manualText->text().trimmed();
    info.timeZone = m_xsi.timeZone;
  } else {
    info = m_xsi;
  }
  const bool dontAskAgain = !m_askAgain->isChecked();
  RAZ::Settings user(RAZ::Settings::User);
  user.setValue(key("manually_published"), manual);
  user.setValue(key("last_published_manual_location"), manual ? info.manualLocation : QString());
  user.setValue(key("last_published_timezone"), info.timeZone);
  user.setValue(key("last_received_ip_address"), m_xsi.ipAddress);
  hide();
  emit locationChanged(info, dontAskAgain, accepted);
}

}  // namespace Dialogs
