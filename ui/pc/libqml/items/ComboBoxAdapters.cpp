#include "libqml/items/ComboBoxAdapters.h"

#include <QAction>
#include <QActionGroup>
#include <QDateTime>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QStyleHints>

#include <RAZ/Settings.h>
#include "libqml/utils/Style.h"
#include "libqml/window/PopupPlacement.h"

namespace QML {

namespace {

const char kCommonCssKey[] = "qml/combo/css";

// The text field of the box: QtQuick's own, so typing, selection, the
// clipboard and input methods behave as everywhere else in the scene.
const char kFieldQml[] =
    "import QtQuick 2.15\n"
    "TextInput {\n"
    "  clip: true\n"
    "  selectByMouse: true\n"
    "  verticalAlignment: TextInput.AlignVCenter\n"
    "  focus: true\n"
    "}\n";

QColor styleColor(const char* name, const char* fallback) {
  if (Style* style = Style::instance()) {
    const QVariant v = style->colors().value(QLatin1String(name));
    const QColor c(v.toString());
    if (c.isValid()) return c;
  }
  return QColor(QLatin1String(fallback));
}

}  // namespace

QComboBoxQmlAdapter::QComboBoxQmlAdapter(QQuickItem* parent) : QQuickPaintedItem(parent) {
  init(false);
}

QComboBoxQmlAdapter::QComboBoxQmlAdapter(QQuickItem* parent, const QString& comboName,
                                         bool editable)
    : QQuickPaintedItem(parent), m_comboName(comboName) {
  init(editable);
}

QComboBoxQmlAdapter::~QComboBoxQmlAdapter() = default;

void QComboBoxQmlAdapter::init(bool editable) {
  m_editable = editable;
  setFlag(ItemIsFocusScope, true);
  setFlag(ItemHasContents, true);
  setActiveFocusOnTab(true);
  setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton);
  setAntialiasing(true);
  setImplicitWidth(160);
  setImplicitHeight(28);
  m_ownModel.reset(new QStringListModel());
  connectModel(m_ownModel.data(), true);
  if (Style* style = Style::instance()) {
    connect(style, SIGNAL(colorsChanged()), this, SLOT(styleChanged()));
    connect(style, SIGNAL(fontFamilyChanged()), this, SLOT(styleChanged()));
  }
  QComboBoxQmlAdapter::loadCss();
  // The focus rests on the text field inside, so the box itself hears of
  // no focus event: its frame and placeholder follow the focus from here.
  connect(this, &QQuickItem::activeFocusChanged, this, [this] { update(); });
}

void QComboBoxQmlAdapter::styleChanged() { loadCss(); }

QString QComboBoxQmlAdapter::themeCss(const char* key) {
  QString css = RAZ::Settings(RAZ::Settings::Theme).value(QLatin1String(key)).toString();
  if (Style* style = Style::instance()) style->replaceCssWithStyle(css);
  return css;
}

void QComboBoxQmlAdapter::loadCommonCss() { m_commonCss = themeCss(kCommonCssKey); }

void QComboBoxQmlAdapter::loadCss() {
  loadCommonCss();
  // The plain box applies no sheet of its own; its look is the style's.
  applyStyleSheet(QString());
}

void QComboBoxQmlAdapter::applyStyleSheet(const QString& css) {
  m_textColor = styleColor("inputFieldText", "#333333");
  m_backgroundColor = styleColor("inputFieldBackground", "#FFFFFF");
  m_borderColor = styleColor("loginDivider", "#CCCCCC");
  m_focusColor = styleColor("activeBackground", "#3399CC");
  m_selectionColor = styleColor("lightActiveBackground", "#99ccff");
  m_selectionTextColor = styleColor("blackText", "#000000");
  m_placeholderColor = styleColor("inputFieldPlaceholder", "#868686");
  QString family = QGuiApplication::font().family();
  if (Style* style = Style::instance())
    if (!style->fontFamily().toString().isEmpty()) family = style->fontFamily().toString();
  int pixelSize = 13;

  // Declarations of any rule, later ones winning, as a style sheet would
  // for a box that every rule addresses.
  static const QRegularExpression declaration(QStringLiteral("([a-zA-Z-]+)\\s*:\\s*([^;{}]+)"));
  QRegularExpressionMatchIterator it = declaration.globalMatch(css);
  while (it.hasNext()) {
    const QRegularExpressionMatch m = it.next();
    const QString name = m.captured(1).trimmed().toLower();
    const QString value = m.captured(2).trimmed();
    const QColor colour(value);
    if (name == QLatin1String("color") && colour.isValid())
      m_textColor = colour;
    else if ((name == QLatin1String("background-color") || name == QLatin1String("background")) &&
             colour.isValid())
      m_backgroundColor = colour;
    else if (name == QLatin1String("border-color") && colour.isValid())
      m_borderColor = colour;
    else if (name == QLatin1String("selection-background-color") && colour.isValid())
      m_selectionColor = colour;
    else if (name == QLatin1String("selection-color") && colour.isValid())
      m_selectionTextColor = colour;
    else if (name == QLatin1String("font-family"))
      family = value.split(QLatin1Char(',')).first().remove(QLatin1Char('"')).trimmed();
    else if (name == QLatin1String("font-size") && value.endsWith(QLatin1String("px")))
      pixelSize = qMax(1, value.chopped(2).trimmed().toInt());
  }
  if (m_selectedColor.isValid()) m_textColor = m_selectedColor;
  m_font = QFont(family);
  m_font.setPixelSize(pixelSize);
  if (css != m_styleSheet) {
    m_styleSheet = css;
    emit styleSheetChanged();
  }
  setImplicitHeight(qMax(24, pixelSize * 2 + 2));
  updateField();
  update();
}

void QComboBoxQmlAdapter::setSelectedColor(const QColor& color) {
  m_selectedColor = color;
  if (color.isValid()) m_textColor = color;
  updateField();
  update();
}

void QComboBoxQmlAdapter::componentComplete() {
  QQuickPaintedItem::componentComplete();
  createField();
}

void QComboBoxQmlAdapter::createField() {
  if (m_field) return;
  QQmlEngine* engine = qmlEngine(this);
  if (!engine) return;
  QQmlComponent component(engine);
  component.setData(kFieldQml, QUrl());
  QQmlContext* context = qmlContext(this);
  QObject* object = component.beginCreate(context ? context : engine->rootContext());
  auto* field = qobject_cast<QQuickItem*>(object);
  if (!field) {
    delete object;
    return;
  }
  field->setParentItem(this);
  field->setParent(this);
  component.completeCreate();
  m_field = field;
  connect(field, SIGNAL(textChanged()), this, SLOT(fieldTextChanged()));
  connect(field, SIGNAL(textEdited()), this, SLOT(fieldTextEdited()));
  connect(field, SIGNAL(selectedTextChanged()), this, SIGNAL(selectedTextChanged()));
  updateField();
}

void QComboBoxQmlAdapter::updateField() {
  if (!m_field) return;
  const qreal arrow = height();
  m_field->setX(8);
  m_field->setY(1);
  m_field->setWidth(qMax<qreal>(0, width() - 8 - arrow));
  m_field->setHeight(qMax<qreal>(0, height() - 2));
  m_field->setProperty("color", m_textColor);
  m_field->setProperty("selectionColor", m_selectionColor);
  m_field->setProperty("selectedTextColor", m_selectionTextColor);
  m_field->setProperty("font", m_font);
  m_field->setProperty("readOnly", !m_editable);
  m_field->setProperty("activeFocusOnPress", m_editable);
  m_field->setFocus(m_editable);
  if (m_field->property("text").toString() != m_text) {
    m_settingField = true;
    m_field->setProperty("text", m_text);
    m_settingField = false;
    m_lastFieldLength = int(m_text.size());
  }
}

void QComboBoxQmlAdapter::fieldTextChanged() {
  if (m_settingField || !m_field) return;
  onEditTextChanged(m_field->property("text").toString());
}

void QComboBoxQmlAdapter::fieldTextEdited() {
  if (!m_field || !m_editable) return;
  const QString typed = m_field->property("text").toString();
  const int cursor = m_field->property("cursorPosition").toInt();
  const bool grew = typed.size() > m_lastFieldLength;
  m_lastFieldLength = int(typed.size());
  if (!grew || typed.isEmpty() || cursor != typed.size()) return;
  // Inline completion: the first entry that begins with what was typed,
  // the completed rest selected so that typing on replaces it.
  const Qt::CaseSensitivity cs = m_completionCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
  for (int i = 0; i < getCount(); ++i) {
    const QString item = getItemText(i);
    if (item.size() > typed.size() && item.startsWith(typed, cs)) {
      const QString completed = typed + item.mid(typed.size());
      m_settingField = true;
      m_field->setProperty("text", completed);
      m_settingField = false;
      QMetaObject::invokeMethod(m_field, "select", Q_ARG(int, int(typed.size())),
                                Q_ARG(int, int(completed.size())));
      onEditTextChanged(completed);
      return;
    }
  }
}

void QComboBoxQmlAdapter::onEditTextChanged(const QString& text) {
  if (text == m_text) return;
  // The placeholder is painted under the field: it goes with the first
  // character and comes back when the field is emptied.
  const bool placeholderChanges = text.isEmpty() != m_text.isEmpty();
  m_text = text;
  if (placeholderChanges) update();
  emit textChanged(text);
}

void QComboBoxQmlAdapter::onFocusIn() { emit focusChanged(true); }

void QComboBoxQmlAdapter::onFocusOut() { emit focusChanged(false); }

void QComboBoxQmlAdapter::focusInEvent(QFocusEvent* event) {
  QQuickPaintedItem::focusInEvent(event);
  update();
}

void QComboBoxQmlAdapter::focusOutEvent(QFocusEvent* event) {
  QQuickPaintedItem::focusOutEvent(event);
  m_typed.clear();
  update();
}

void QComboBoxQmlAdapter::setShownText(const QString& text) {
  onEditTextChanged(text);
  updateField();
}

void QComboBoxQmlAdapter::setText(const QString& text) {
  if (!m_editable) {
    // A box without a field shows entries only: the text picks one.
    const int index = findText(text);
    if (index >= 0) setCurrentIdx(index);
    return;
  }
  setShownText(text);
}

void QComboBoxQmlAdapter::setCurrentIdx(int index) {
  if (index < -1 || index >= getCount()) index = -1;
  if (index == m_currentIndex) return;
  m_currentIndex = index;
  emit currentIdxChanged(index);
  setShownText(index >= 0 ? getItemText(index) : (m_editable ? m_text : QString()));
  update();
}

void QComboBoxQmlAdapter::setEditable(bool editable) {
  if (editable == m_editable) return;
  m_editable = editable;
  if (!editable && m_currentIndex >= 0) setShownText(getItemText(m_currentIndex));
  updateField();
  emit editableChanged();
  update();
}

QString QComboBoxQmlAdapter::selectedText() const {
  return m_field ? m_field->property("selectedText").toString() : QString();
}

QAbstractItemModel* QComboBoxQmlAdapter::model() const {
  if (m_model) return m_model.data();
  return m_ownModel.data();
}

void QComboBoxQmlAdapter::connectModel(QAbstractItemModel* model, bool on) {
  if (!model) return;
  if (!on) {
    disconnect(model, nullptr, this, nullptr);
    return;
  }
  connect(model, SIGNAL(rowsInserted(QModelIndex, int, int)), this, SLOT(modelRowsChanged()));
  connect(model, SIGNAL(rowsRemoved(QModelIndex, int, int)), this, SLOT(modelRowsChanged()));
  connect(model, SIGNAL(modelReset()), this, SLOT(modelRowsChanged()));
  connect(model,
          SIGNAL(layoutChanged(QList<QPersistentModelIndex>, QAbstractItemModel::LayoutChangeHint)),
          this, SLOT(modelRowsChanged()));
  connect(model, SIGNAL(dataChanged(QModelIndex, QModelIndex, QVector<int>)), this,
          SLOT(modelRowsChanged()));
}

void QComboBoxQmlAdapter::modelRowsChanged() {
  emit countChanged();
  const int count = getCount();
  if (m_currentIndex >= count) {
    m_currentIndex = -1;
    emit currentIdxChanged(-1);
  }
  // A choice-only box that gains entries shows the first; an editable box
  // keeps its text (empty or typed) until the user picks an entry.
  if (m_currentIndex < 0 && count > 0 && !m_editable) {
    setCurrentIdx(0);
    return;
  }
  if (m_currentIndex >= 0 && !m_editable) setShownText(getItemText(m_currentIndex));
  update();
}

void QComboBoxQmlAdapter::setModel(QAbstractItemModel* model) {
  if (model == m_model) return;
  if (m_model) connectModel(m_model, false);
  // Our own list is emptied; a caller's model is never touched, its rows
  // belong to whoever handed it over.
  m_ownModel->setStringList(QStringList());
  m_model = model;
  connectModel(model, true);
  m_currentIndex = -1;
  emit modelChanged();
  emit currentIdxChanged(-1);
  modelRowsChanged();
}

void QComboBoxQmlAdapter::setItems(const QStringList& items) {
  const QString kept = m_text;
  if (m_model) {
    connectModel(m_model, false);
    m_model = nullptr;
    emit modelChanged();
  }
  m_ownModel->setStringList(items);
  if (m_editable) {
    const int index = items.indexOf(kept);
    if (index != m_currentIndex) {
      m_currentIndex = index;
      emit currentIdxChanged(index);
    }
    setShownText(kept);
  }
}

int QComboBoxQmlAdapter::getCount() const {
  QAbstractItemModel* m = model();
  return m ? m->rowCount() : 0;
}

QString QComboBoxQmlAdapter::getItemText(int index) const {
  QAbstractItemModel* m = model();
  if (!m || index < 0 || index >= m->rowCount()) return QString();
  return m->index(index, 0).data(Qt::DisplayRole).toString();
}

int QComboBoxQmlAdapter::findText(const QString& text) const {
  const int count = getCount();
  for (int i = 0; i < count; ++i)
    if (getItemText(i).compare(text, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

void QComboBoxQmlAdapter::setMaximumWidth(int width) {
  m_maximumWidth = width;
  if (width >= 0) {
    if (implicitWidth() > width) setImplicitWidth(width);
    if (this->width() > width) setWidth(width);
  }
}

void QComboBoxQmlAdapter::geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry) {
  QQuickPaintedItem::geometryChanged(newGeometry, oldGeometry);
  if (m_maximumWidth >= 0 && newGeometry.width() > m_maximumWidth) {
    setWidth(m_maximumWidth);
    return;
  }
  updateField();
}

void QComboBoxQmlAdapter::copy() {
  if (m_field) QMetaObject::invokeMethod(m_field, "copy");
}

void QComboBoxQmlAdapter::cut() {
  if (m_field && m_editable) QMetaObject::invokeMethod(m_field, "cut");
}

void QComboBoxQmlAdapter::paste() {
  if (m_field && m_editable) QMetaObject::invokeMethod(m_field, "paste");
}

void QComboBoxQmlAdapter::selectAll() {
  if (m_field) QMetaObject::invokeMethod(m_field, "selectAll");
}

void QComboBoxQmlAdapter::chooseByUser(int index) {
  if (index < 0 || index >= getCount()) return;
  setCurrentIdx(index);
  if (m_field && m_editable) QMetaObject::invokeMethod(m_field, "selectAll");
  emit activatedIdxChanged(index);
}

void QComboBoxQmlAdapter::keyboardSearch(const QString& typed) {
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  if (now - m_typedAt > QGuiApplication::styleHints()->keyboardInputInterval()) m_typed.clear();
  m_typedAt = now;
  // The same letter again steps to the next entry with it; more letters
  // narrow the search from the current entry on.
  const bool repeat = m_typed.size() == 1 && typed.compare(m_typed, Qt::CaseInsensitive) == 0;
  if (!repeat) m_typed += typed;
  const QString search = repeat ? typed : m_typed;
  const int count = getCount();
  if (count == 0) return;
  const int start = (repeat || m_typed.size() == 1) ? m_currentIndex + 1 : qMax(0, m_currentIndex);
  for (int n = 0; n < count; ++n) {
    const int i = (start + n) % count;
    if (getItemText(i).startsWith(search, Qt::CaseInsensitive)) {
      if (i != m_currentIndex) chooseByUser(i);
      return;
    }
  }
}

void QComboBoxQmlAdapter::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const int count = getCount();
  if (key == Qt::Key_Tab && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    emit keyTab();
    return;
  }
  if (key == Qt::Key_Backtab) {
    emit keyBacktab();
    return;
  }
  if ((key == Qt::Key_Down && (event->modifiers() & Qt::AltModifier)) || key == Qt::Key_F4 ||
      (!m_editable && key == Qt::Key_Space)) {
    showPopup();
    return;
  }
  if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
      key == Qt::Key_PageDown || key == Qt::Key_Home || key == Qt::Key_End)
    m_typed.clear();
  switch (key) {
    case Qt::Key_Up:
      if (count > 0) chooseByUser(m_currentIndex < 0 ? count - 1 : qMax(0, m_currentIndex - 1));
      return;
    case Qt::Key_Down:
      if (count > 0) chooseByUser(qMin(count - 1, m_currentIndex + 1));
      return;
    case Qt::Key_PageUp:
      if (count > 0) chooseByUser(0);
      return;
    case Qt::Key_PageDown:
      if (count > 0) chooseByUser(count - 1);
      return;
    case Qt::Key_Home:
      if (!m_editable && count > 0) {
        chooseByUser(0);
        return;
      }
      break;
    case Qt::Key_End:
      if (!m_editable && count > 0) {
        chooseByUser(count - 1);
        return;
      }
      break;
    default:
      break;
  }
  const QString typed = event->text();
  if (!m_editable && !typed.isEmpty() && typed.at(0).isPrint() &&
      !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    keyboardSearch(typed);
    return;
  }
  event->ignore();
}

void QComboBoxQmlAdapter::mousePressEvent(QMouseEvent* event) {
  forceActiveFocus(Qt::MouseFocusReason);
  if (event->button() == Qt::RightButton) {
    // No menu of the box's own: the scene offers the window's edit menu.
    event->accept();
    emit contextMenuRequested();
    return;
  }
  // An editable box opens its list from the arrow; the field takes the rest.
  if (!m_editable || event->localPos().x() >= width() - height()) {
    if (isPopupVisible())
      hidePopup();
    else
      showPopup();
  }
  event->accept();
}

bool QComboBoxQmlAdapter::isPopupVisible() const { return m_popup && m_popup->isVisible(); }

void QComboBoxQmlAdapter::showPopup() {
  const int count = getCount();
  if (count == 0) return;
  m_popup.reset(new QMenu());
  m_popup->setMinimumWidth(int(width()));
  m_popup->setFont(m_font);
  auto* group = new QActionGroup(m_popup.data());
  for (int i = 0; i < count; ++i) {
    QAction* action = m_popup->addAction(getItemText(i));
    action->setCheckable(true);
    action->setChecked(i == m_currentIndex);
    action->setData(i);
    group->addAction(action);
  }
  connect(m_popup.data(), SIGNAL(triggered(QAction*)), this, SLOT(popupTriggered(QAction*)));
  connect(m_popup.data(), SIGNAL(aboutToHide()), this, SLOT(popupHidden()));
  const QPoint below = sceneToGlobal(this, mapToScene(QPointF(0, height())));
  QAction* current = m_currentIndex >= 0 ? m_popup->actions().value(m_currentIndex) : nullptr;
  popupMenu(m_popup.data(), below, current);
  emit popupVisibleChanged();
}

void QComboBoxQmlAdapter::hidePopup() {
  if (m_popup) m_popup->hide();
}

void QComboBoxQmlAdapter::popupTriggered(QAction* action) {
  if (action) chooseByUser(action->data().toInt());
}

void QComboBoxQmlAdapter::popupHidden() { emit popupVisibleChanged(); }

void QComboBoxQmlAdapter::paint(QPainter* painter) {
  painter->setRenderHint(QPainter::Antialiasing);
  const QRectF frame = QRectF(0.5, 0.5, width() - 1, height() - 1);
  const bool focused = hasActiveFocus();
  painter->setPen(QPen(focused ? m_focusColor : m_borderColor, focused ? 2 : 1));
  painter->setBrush(isEnabled() ? m_backgroundColor : m_backgroundColor.darker(104));
  painter->drawRoundedRect(
      frame.adjusted(focused ? 0.5 : 0, focused ? 0.5 : 0, focused ? -0.5 : 0, focused ? -0.5 : 0),
      3, 3);
  // The arrow: a chevron in a square at the right end.
  const qreal side = height();
  const QPointF c(width() - side / 2, height() / 2);
  const qreal a = qMax<qreal>(3, side / 7);
  QPainterPath chevron;
  chevron.moveTo(c.x() - a, c.y() - a / 2);
  chevron.lineTo(c.x(), c.y() + a / 2);
  chevron.lineTo(c.x() + a, c.y() - a / 2);
  painter->setBrush(Qt::NoBrush);
  painter->setPen(QPen(getCount() > 0 ? m_placeholderColor : m_borderColor, 1.6, Qt::SolidLine,
                       Qt::RoundCap, Qt::RoundJoin));
  painter->drawPath(chevron);
  // Shown until the first character, focused or not, as the text fields
  // beside show theirs: the sign-in window opens with the keyboard in an
  // empty user name box, which would otherwise say nothing of what it wants.
  if (m_text.isEmpty() && !m_placeholder.isEmpty()) {
    painter->setPen(m_placeholderColor);
    painter->setFont(m_font);
    painter->drawText(QRectF(8, 0, width() - 8 - side, height()), Qt::AlignVCenter | Qt::AlignLeft,
                      m_placeholder);
  }
}

void QComboBoxQmlAdapter::setPlaceholderText(const QString& text) {
  if (text == m_placeholder) return;
  m_placeholder = text;
  emit placeholderTextChanged();
  update();
}

QLoginComboBoxQmlAdapter::QLoginComboBoxQmlAdapter(QQuickItem* parent)
    : QComboBoxQmlAdapter(parent, QStringLiteral("userNameCombo"), true) {
  loadCss();
  setCompletionCaseSensitive(true);
}

void QLoginComboBoxQmlAdapter::loadCss() {
  loadCommonCss();
  applyStyleSheet(commonCss() + themeCss("qml/login_combo/css"));
}

QFilterComboBoxQmlAdapter::QFilterComboBoxQmlAdapter(QQuickItem* parent)
    : QComboBoxQmlAdapter(parent, QStringLiteral("filterCombo"), true) {
  loadCss();
}

void QFilterComboBoxQmlAdapter::loadCss() {
  loadCommonCss();
  applyStyleSheet(commonCss() + themeCss("qml/filter_combo/css"));
}

QNumberSelectorComboBoxQmlAdapter::QNumberSelectorComboBoxQmlAdapter(QQuickItem* parent)
    : QComboBoxQmlAdapter(parent, QStringLiteral("numberSelectorCombo"), true) {
  loadCss();
}

void QNumberSelectorComboBoxQmlAdapter::loadCss() {
  loadCommonCss();
  applyStyleSheet(commonCss() + themeCss("qml/number_combo/css"));
}

QCommWinNumberSelectorComboBoxQmlAdapter::QCommWinNumberSelectorComboBoxQmlAdapter(
    QQuickItem* parent)
    : QComboBoxQmlAdapter(parent, QStringLiteral("commWindowNumberSelectorCombo"), true) {
  loadCss();
}

void QCommWinNumberSelectorComboBoxQmlAdapter::loadCss() {
  loadCommonCss();
  applyStyleSheet(commonCss() + themeCss("qml/comm_win_number_combo/css"));
}

}  // namespace QML
