#include "dialogs/LocationPublish.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QShowEvent>
#include <QStandardItemModel>
#include <QTextStream>
#include <QTimer>
#include <QVBoxLayout>

#include <RAZ/Settings.h>

#include "Utils/GlobalConstants.h"
#include "Utils/StringHelper.h"

namespace Dialogs {

namespace {

const int kRefreshMs = 60000;
// The width the form is laid out for: its introduction reads in a few
// lines and the found place beside its button whole.
const int kFormWidth = 564;
// Room left beside the window on a screen narrower than that (its frame).
const int kScreenAllowance = 16;
const char kForm[] = "LocationPublishDialog";

QString key(const char* name) {
  return QStringLiteral("presence/location_publish/") + QLatin1String(name);
}

// Each caller marks its text with the form's context (QT_TRANSLATE_NOOP),
// which is how lupdate finds it.
QString formText(const char* text) { return QCoreApplication::translate(kForm, text); }

// The zone names of the program's own theme (location_data/timezone.csv),
// which the catalogue tools cannot read there.
const char* const kThemeZoneNames[] = {
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Hawaii"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Alaska"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Pacific Time (US & Canada)"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Mountain Time (US & Canada)"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Central Time (US & Canada)"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Eastern Time (US & Canada)"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Atlantic Time (Canada)"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Brasilia"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Azores"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Dublin, Edinburgh, Lisbon, London"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Amsterdam, Berlin, Madrid, Paris, Rome"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Athens, Helsinki, Kyiv"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Moscow, Istanbul"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Dubai"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Karachi"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Mumbai, New Delhi"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Dhaka"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Bangkok, Jakarta"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Beijing, Singapore"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Tokyo, Seoul"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Sydney"),
    QT_TRANSLATE_NOOP("Dialogs::LocationPublish", "Auckland"),
};

QString zoneName(const QString& name) {
  for (const char* known : kThemeZoneNames)
    if (name == QLatin1String(known))
      return QCoreApplication::translate("Dialogs::LocationPublish", known);
  return name;
}

bool isOffset(const QString& offset) {
  static const QRegularExpression pattern(QStringLiteral("\\A[+-]\\d\\d:\\d\\d\\z"));
  return pattern.match(offset).hasMatch();
}

}  // namespace

LocationPublish::LocationPublish(QWidget* parent) : Widgets::Window(parent, false, false) {
  setObjectName(QStringLiteral("LocationPublishDialog"));
  auto* layout = new QVBoxLayout(this);
  m_label = new QLabel(this);
  m_label->setObjectName(QStringLiteral("label"));
  m_label->setWordWrap(true);
  m_label->setTextFormat(Qt::PlainText);
  layout->addWidget(m_label);
  m_group = new QButtonGroup(this);
  m_group->setObjectName(QStringLiteral("buttonGroup"));
  m_auto = new QRadioButton(this);
  m_auto->setObjectName(QStringLiteral("autoLocation"));
  m_auto->setChecked(true);
  m_manual = new QRadioButton(this);
  m_manual->setObjectName(QStringLiteral("manualLocation"));
  m_group->addButton(m_auto);
  m_group->addButton(m_manual);
  layout->addWidget(m_auto);
  layout->addWidget(m_manual);
  auto* row = new QHBoxLayout();
  row->setObjectName(QStringLiteral("horizontalLayout"));
  row->setContentsMargins(16, 0, 0, 0);
  m_region = new QLineEdit(this);
  m_region->setObjectName(QStringLiteral("regionEdit"));
  // Wide enough for a place name; on a small screen (or at a large scale)
  // the row gives way before the dialog leaves the screen.
  m_region->setMinimumWidth(160);
  m_region->setMaxLength(100);
  m_time = new QComboBox(this);
  m_time->setObjectName(QStringLiteral("timeComboBox"));
  m_time->setMinimumWidth(100);
  // The longest zone name would make the dialog wider than a small screen:
  // the list shows names whole, the box a beginning of them.
  m_time->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  m_time->setMinimumContentsLength(22);
  row->addWidget(m_region);
  row->addWidget(m_time);
  row->addSpacing(30);
  layout->addLayout(row);
  m_alwaysAsk = new QCheckBox(this);
  m_alwaysAsk->setObjectName(QStringLiteral("alwaysAskCheckbox"));
  m_alwaysAsk->setChecked(true);
  // Its text is the dialog's longest line: where the screen is narrower,
  // its end is cut rather than the dialog's buttons pushed off the screen.
  m_alwaysAsk->setMinimumWidth(1);
  layout->addWidget(m_alwaysAsk);
  auto* line = new QFrame(this);
  line->setObjectName(QStringLiteral("line"));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  layout->addWidget(line);
  m_toPublish = new QLabel(this);
  m_toPublish->setObjectName(QStringLiteral("locationToPublish"));
  m_toPublish->setTextFormat(Qt::PlainText);
  m_toPublish->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_toPublish->setWordWrap(true);
  layout->addWidget(m_toPublish);
  auto* buttons = new QHBoxLayout();
  buttons->setObjectName(QStringLiteral("horizontalLayout_2"));
  buttons->addStretch();
  m_setButton = new QPushButton(this);
  m_setButton->setObjectName(QStringLiteral("setLocationButton"));
  m_setButton->setDefault(true);
  m_setButton->setAutoDefault(true);
  m_clearButton = new QPushButton(this);
  m_clearButton->setObjectName(QStringLiteral("clearLocationButton"));
  buttons->addWidget(m_setButton);
  buttons->addWidget(m_clearButton);
  layout->addLayout(buttons);
  resize(kFormWidth, 255);
  setMaximumSize(800, 600);

  connect(m_setButton, SIGNAL(clicked()), this, SLOT(setLocation()));
  connect(m_clearButton, SIGNAL(clicked()), this, SLOT(clearLocation()));
  connect(m_region, SIGNAL(textChanged(QString)), this, SLOT(locationTextChanged()));
  connect(m_time, SIGNAL(currentIndexChanged(QString)), this, SLOT(timezoneIndexChanged()));
  connect(m_auto, SIGNAL(clicked()), this, SLOT(updateUi()));
  connect(m_manual, SIGNAL(clicked()), this, SLOT(updateUi()));

  setCanMaximize(false);
  setResizable(false);
  m_timer = new QTimer(this);
  m_timer->setInterval(kRefreshMs);
  connect(m_timer, SIGNAL(timeout()), this, SLOT(updateTimeRelatedText()));
  m_alwaysAsk->setChecked(
      !RAZ::Settings(RAZ::Settings::User).value(key("dontAskAgain"), false).toBool());
  retranslate();
  m_setButton->setFocus();
  // Esc leaves the window as Ctrl+W does: nothing is published.
  leaveOnEscape();
}

LocationPublish::~LocationPublish() = default;

QString LocationPublish::helpContext() const { return Utils::Constants::LocationHelpContext; }

bool LocationPublish::canClose() {
  resetAndHide();
  return false;
}

void LocationPublish::retranslate() {
  setTitle(tr("My Location"));
  m_label->setText(formText(QT_TRANSLATE_NOOP(
      "LocationPublishDialog",
      "Your location is automatically determined when a location change is detected. You can "
      "choose to publish the automatically determined location or manually set the location "
      "description and time zone.")));
  m_manual->setText(formText(QT_TRANSLATE_NOOP("LocationPublishDialog", "Use manual location")));
  m_region->setPlaceholderText(
      formText(QT_TRANSLATE_NOOP("LocationPublishDialog", "Set Location")));
  // A reader names a field by its name, not by what it shows while empty.
  m_region->setAccessibleName(m_region->placeholderText());
  m_alwaysAsk->setText(formText(QT_TRANSLATE_NOOP(
      "LocationPublishDialog", "Always ask before publishing new location information")));
  m_setButton->setText(formText(QT_TRANSLATE_NOOP("LocationPublishDialog", "Publish Location")));
  m_clearButton->setText(formText(QT_TRANSLATE_NOOP("LocationPublishDialog", "No Location")));
  // The zone names speak the new language too.
  QFile file(QStringLiteral(":/location_data/timezone.csv"));
  if (file.open(QIODevice::ReadOnly | QIODevice::Text)) m_timeZones = readTimeZones(&file);
  const int index = m_time->currentIndex();
  buildTimeList();
  if (index >= 0 && index < m_time->count()) m_time->setCurrentIndex(index);
  updateTimeRelatedText();
}

void LocationPublish::showEvent(QShowEvent* e) {
  QWidget* active = QApplication::activeWindow();
  if (active && active != this) {
    m_returnTo = active;
  } else if (!m_returnTo) {
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows)
      if (w != this && w->isVisible() && w->inherits("QML::MainWindow")) m_returnTo = w;
  }
  Widgets::Window::showEvent(e);
}

void LocationPublish::hideEvent(QHideEvent* e) {
  Widgets::Window::hideEvent(e);
  // Without a window manager nobody else hands the keyboard back: typing
  // and the window's keys would be lost until a click.
  if (m_returnTo && m_returnTo->isVisible() && !e->spontaneous()) {
    m_returnTo->raise();
    m_returnTo->activateWindow();
  }
  if (!e->spontaneous()) emit closed();
}

void LocationPublish::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) retranslate();
  Widgets::Window::changeEvent(e);
}

QStringList LocationPublish::readTimeZones(QIODevice* file) {
  QStringList zones;
  QTextStream in(file);
  while (!in.atEnd()) {
    QString line = in.readLine();
    if (line.isEmpty()) continue;
    line.remove(0, 1);
    const int quote = line.indexOf(QLatin1Char('"'));
    // A line without its closing quote has no name to read.
    if (quote < 0) continue;
    const QString name = zoneName(line.left(quote));
    const QStringList parts = line.mid(quote + 2).split(QLatin1Char(','));
    if (parts.size() < 2) continue;
    const QString offset = parts.at(1).trimmed();
    const QString entry = QStringLiteral("(UTC%1) %2").arg(offset, name);
    if (offset.startsWith(QLatin1Char('-')))
      zones.prepend(entry);
    else
      zones.append(entry);
  }
  return zones;
}

QString LocationPublish::utcText(int offsetSeconds) {
  const int minutes = qAbs(offsetSeconds) / 60;
  return QStringLiteral("(UTC%1%2:%3)")
      .arg(offsetSeconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
      .arg(minutes / 60, 2, 10, QLatin1Char('0'))
      .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString LocationPublish::locationText(const RAZ::Utils::Location::Info& info) {
  if (!info.manualLocation.isEmpty()) return info.manualLocation;
  QString text = info.city;
  const bool unitedStates =
      info.country.compare(QLatin1String("UNITED STATES"), Qt::CaseInsensitive) == 0;
  const QString second = unitedStates ? info.state : info.country;
  if (!second.isEmpty()) text += QStringLiteral(", ") + second;
  return text;
}

QString LocationPublish::timeText(const RAZ::Utils::Location::Info& info) {
  // An offset that does not read as one gives no time rather than a wrong one.
  if (!isOffset(info.timeZone)) return QString();
  return Utils::StringHelper::formatTime(
      Utils::StringHelper::dateTimeForUtcOffset(info.timeZone).time());
}

void LocationPublish::buildTimeList() {
  const RAZ::Settings user(RAZ::Settings::User);
  QStringList suggested;
  suggested << tr("No Time") << tr("Suggested times");
  const QDateTime now = QDateTime::currentDateTime();
  suggested << utcText(now.offsetFromUtc()) + tr(" (Computer time)");
  if (!m_automatic.timeZone.isEmpty())
    suggested << QStringLiteral("(UTC%1)").arg(m_automatic.timeZone) + tr(" (Automatic time)");
  const QString lastUsed = user.value(key("last_published_timezone")).toString();
  int lastUsedRow = -1;
  if (!lastUsed.isEmpty()) {
    lastUsedRow = suggested.size();
    suggested << QStringLiteral("(UTC%1)").arg(lastUsed) + tr(" (Last used)");
  }
  auto* model = new QStandardItemModel(m_time);
  const auto all = suggested + m_timeZones;
  for (const QString& text : all) model->appendRow(new QStandardItem(text));
  const bool blocked = m_time->blockSignals(true);
  // The combo box deletes the list it made the one before.
  m_time->setModel(model);
  m_time->insertSeparator(1);
  m_time->insertSeparator(suggested.size() + 1);
  if (QStandardItem* header = model->item(2)) {
    QFont font = header->font();
    font.setItalic(true);
    header->setFont(font);
    header->setEnabled(false);
  }
  m_time->setCurrentIndex(0);
  if (user.value(key("manually_published"), false).toBool() && lastUsedRow >= 0)
    m_time->setCurrentIndex(lastUsedRow + 1);  // one separator above it
  m_time->blockSignals(blocked);
}

QString LocationPublish::chosenOffset() const {
  if (m_time->currentIndex() == 0) return QString();
  const QString text = m_time->currentText();
  const int start = text.indexOf(QLatin1String("UTC"));
  const int end = text.indexOf(QLatin1Char(')'));
  if (start < 0 || end < start) return QString();
  return text.mid(start + 3, end - start - 3);
}

RAZ::Utils::Location::Info LocationPublish::manualRecord() const {
  RAZ::Utils::Location::Info info;
  info.manualLocation = m_region->text().simplified();
  if (m_time->currentIndex() != 0 && !m_time->currentText().isEmpty())
    info.timeZone = chosenOffset();
  return info;
}

bool LocationPublish::hasAutomatic() const {
  return !locationText(m_automatic).isEmpty() || !m_automatic.timeZone.isEmpty();
}

void LocationPublish::updateTimeRelatedText() {
  if (!m_auto->isChecked() && !m_manual->isChecked()) {
    // Nothing found and nothing typed yet: the form says what it waits for
    // rather than offering an empty place.
    m_toPublish->setText(
        tr("No location was found automatically: type a location or choose a time zone."));
  } else {
    const RAZ::Utils::Location::Info current = m_auto->isChecked() ? m_automatic : manualRecord();
    m_toPublish->setText(
        tr("Location to be published: %1  %2").arg(locationText(current), timeText(current)));
  }
  if (hasAutomatic())
    m_auto->setText(
        tr("Use automatic location: %1  %2").arg(locationText(m_automatic), timeText(m_automatic)));
  else
    m_auto->setText(tr("Use automatic location: none found"));
}

void LocationPublish::updateUi() {
  m_auto->setEnabled(hasAutomatic() || m_auto->isChecked());
  const bool manualEmpty = locationText(manualRecord()).isEmpty() && m_time->currentIndex() == 0;
  m_setButton->setEnabled((m_auto->isChecked() && hasAutomatic()) ||
                          (m_manual->isChecked() && !manualEmpty));
  updateTimeRelatedText();
}

void LocationPublish::clearChoice() {
  // An exclusive group keeps one button checked: it lets go for a moment.
  m_group->setExclusive(false);
  m_auto->setChecked(false);
  m_manual->setChecked(false);
  m_group->setExclusive(true);
}

void LocationPublish::locationTextChanged() {
  if (!m_manual->isChecked() && !m_region->text().isEmpty()) m_manual->setChecked(true);
  updateUi();
}

void LocationPublish::timezoneIndexChanged() {
  if (!m_manual->isChecked() && m_time->currentIndex() > 0) m_manual->setChecked(true);
  updateUi();
}

void LocationPublish::locationsReceived(const RAZ::Utils::Location::Info& automatic,
                                        const RAZ::Utils::Location::Info& manual) {
  m_automatic = automatic;
  if (manual.manualLocation.isEmpty()) {
    m_auto->setChecked(true);
  } else {
    m_manual->setChecked(true);
    m_region->setText(manual.manualLocation);
  }
  updateUi();
}

void LocationPublish::setLocation() {
  const bool manual = m_manual->isChecked();
  const RAZ::Utils::Location::Info chosen = manual ? manualRecord() : m_automatic;
  RAZ::Settings user(RAZ::Settings::User);
  if (manual) {
    user.setValue(key("last_published_manual_location"), locationText(chosen));
    user.setValue(key("last_published_timezone"), chosenOffset());
  }
  user.setValue(key("last_received_ip_address"), m_automatic.ipAddress);
  user.setValue(key("manually_published"), manual);
  const bool dontAskAgain = !m_alwaysAsk->isChecked();
  resetAndHide();
  emit locationChanged(chosen, dontAskAgain, true);
}

void LocationPublish::clearLocation() {
  // "No Location" is an answer for this place as much as a published one:
  // without the address it was given for, the same place would be asked
  // about again at every sign-in.
  RAZ::Settings(RAZ::Settings::User)
      .setValue(key("last_received_ip_address"), m_automatic.ipAddress);
  const bool dontAskAgain = !m_alwaysAsk->isChecked();
  resetAndHide();
  emit locationChanged(RAZ::Utils::Location::Info(), dontAskAgain, false);
}

void LocationPublish::resetAndHide() {
  m_auto->setChecked(true);
  const bool blocked = m_region->blockSignals(true);
  m_region->clear();
  m_region->blockSignals(blocked);
  const bool comboBlocked = m_time->blockSignals(true);
  m_time->setCurrentIndex(0);
  m_time->blockSignals(comboBlocked);
  hide();
  m_timer->stop();
}

void LocationPublish::prepareToShow() {
  const RAZ::Settings user(RAZ::Settings::User);
  m_alwaysAsk->setChecked(!user.value(key("dontAskAgain"), false).toBool());
  const QString lastManual = user.value(key("last_published_manual_location")).toString();
  // An account that never published anything reads as "manual" with no text
  // and no time: that is no choice of the user's to offer again.
  const bool publishedByHand =
      user.value(key("manually_published"), false).toBool() &&
      (!lastManual.isEmpty() || !user.value(key("last_published_timezone")).toString().isEmpty());
  if (publishedByHand) {
    m_manual->setChecked(true);
    const bool blocked = m_region->blockSignals(true);
    m_region->setText(lastManual);
    m_region->blockSignals(blocked);
  } else if (m_region->text().isEmpty()) {
    // Nothing typed and nothing published by hand: the found place is the
    // one offered, so that Publish works at once; without one nothing is
    // chosen for the user.
    if (hasAutomatic())
      m_auto->setChecked(true);
    else
      clearChoice();
  }
  buildTimeList();
  updateUi();
  fitIntroduction();
  m_timer->start();
}

void LocationPublish::fitIntroduction() {
  // The window takes its layout's size, and a word-wrapped text alone asks
  // for little width: the introduction would settle into a narrow column
  // of many lines (as it does where no window manager sizes the window).
  // It is given the form's width, or what a narrower screen has room for.
  QWidget* near = QApplication::activeWindow();
  QScreen* screen = near ? near->screen() : nullptr;
  if (!screen) screen = this->screen();
  int width = kFormWidth;
  if (screen) width = qMin(width, screen->availableGeometry().width() - kScreenAllowance);
  const QMargins outer = contentsMargins();
  const QMargins inner = layout() ? layout()->contentsMargins() : QMargins();
  m_label->setMinimumWidth(
      qMax(0, width - outer.left() - outer.right() - inner.left() - inner.right()));
}

}  // namespace Dialogs
