#pragma once

#include <QAbstractItemModel>
#include <QColor>
#include <QFont>
#include <QPointer>
#include <QQuickPaintedItem>
#include <QScopedPointer>
#include <QStringListModel>

class QMenu;

namespace QML {

// Element "ComboBox" and its kinds: a combo box drawn by us in the scene.
//
// The box shows a list of texts (setItems, or a model's display role in
// column 0) with a current index; an editable box also takes typed text,
// completing it from the list. The look comes from the style object: each
// kind reads its style-sheet key from the theme (settings scope 3), the
// style's colour and font markers are replaced, and the declarations
// "color", "background-color", "border-color", "selection-color",
// "selection-background-color", "font-family" and "font-size" (px) of the
// result set our colours and font over the style's defaults. Every colour or
// font change of the style restyles every live box.
//
// Keyboard: Up and Down step through the list, Page Up/Home and Page
// Down/End (Home/End only when not editable; in an editable box they move
// the cursor) jump to the first and last entry, Alt+Down or F4 (and Space
// when not editable) open the list, and typing in a box that is not
// editable selects the next entry starting with what was typed. Tab and
// Shift+Tab never reach the box: they are reported as keyTab and keyBacktab
// for the scene to move the focus. A choice made by the user is reported by
// activatedIdxChanged; every change of index by currentIdxChanged and every
// change of the shown text by textChanged. A right click shows no menu of
// the box's own; it is reported as contextMenuRequested for the scene.
class QComboBoxQmlAdapter : public QQuickPaintedItem {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
  Q_PROPERTY(int activatedIdx READ activatedIdx NOTIFY activatedIdxChanged)
  Q_PROPERTY(int currentIdx READ currentIdx WRITE setCurrentIdx NOTIFY currentIdxChanged)
  Q_PROPERTY(bool editable READ isEditable WRITE setEditable NOTIFY editableChanged)
  Q_PROPERTY(QString selectedText READ selectedText NOTIFY selectedTextChanged)
  Q_PROPERTY(QAbstractItemModel* model READ model WRITE setModel NOTIFY modelChanged)
  Q_PROPERTY(int count READ getCount NOTIFY countChanged)
  Q_PROPERTY(QString placeholderText READ placeholderText WRITE setPlaceholderText NOTIFY
                 placeholderTextChanged)
  Q_PROPERTY(QString styleSheet READ styleSheet NOTIFY styleSheetChanged)
  Q_PROPERTY(QString comboName READ comboName CONSTANT)
  Q_PROPERTY(bool popupVisible READ isPopupVisible NOTIFY popupVisibleChanged)

 public:
  explicit QComboBoxQmlAdapter(QQuickItem* parent = nullptr);
  ~QComboBoxQmlAdapter() override;

  QString text() const { return m_text; }
  void setText(const QString& text);
  int activatedIdx() const { return m_currentIndex; }
  int currentIdx() const { return m_currentIndex; }
  void setCurrentIdx(int index);
  bool isEditable() const { return m_editable; }
  void setEditable(bool editable);
  QString selectedText() const;
  QAbstractItemModel* model() const;
  QString placeholderText() const { return m_placeholder; }
  void setPlaceholderText(const QString& text);
  QString styleSheet() const { return m_styleSheet; }
  QString comboName() const { return m_comboName; }
  bool isPopupVisible() const;
  QMenu* popup() const { return m_popup.data(); }

  QColor textColor() const { return m_textColor; }
  QColor backgroundColor() const { return m_backgroundColor; }
  QFont font() const { return m_font; }

  // Scenes ask these; being getters, they are invokables rather than slots.
  Q_INVOKABLE int findText(const QString& text) const;
  Q_INVOKABLE int getCount() const;
  Q_INVOKABLE QString getItemText(int index) const;
  Q_INVOKABLE int getSelectedIndex() const { return m_currentIndex; }

  void paint(QPainter* painter) override;

 public slots:
  void onEditTextChanged(const QString& text);
  void onFocusIn();
  void onFocusOut();
  virtual void loadCss();
  void setItems(const QStringList& items);
  void setModel(QAbstractItemModel* model);
  void setMaximumWidth(int width);
  void copy();
  void cut();
  void paste();
  void selectAll();
  void setSelectedColor(const QColor& color);
  void showPopup();
  void hidePopup();

 signals:
  void textChanged(const QString& text);
  void currentIdxChanged(int index);
  void activatedIdxChanged(int index);
  void selectedTextChanged();
  void keyTab();
  void keyBacktab();
  void editableChanged();
  void modelChanged();
  void countChanged();
  void placeholderTextChanged();
  void styleSheetChanged();
  void popupVisibleChanged();
  // A right click on the box; the box itself shows no menu.
  void contextMenuRequested();

 protected:
  // For the kinds: the combo's own name (style-sheet selectors) and whether
  // it starts editable.
  QComboBoxQmlAdapter(QQuickItem* parent, const QString& comboName, bool editable);

  // The common part of every kind's style sheet ("qml/combo/css"), markers
  // replaced; the plain box applies nothing more.
  QString commonCss() const { return m_commonCss; }
  void loadCommonCss();
  // Reads `key` from the theme with the markers replaced.
  static QString themeCss(const char* key);
  // Makes `css` the box's style sheet and takes its colours and font.
  void applyStyleSheet(const QString& css);
  void setCompletionCaseSensitive(bool on) { m_completionCase = on; }

  void componentComplete() override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private slots:
  void fieldTextChanged();
  void fieldTextEdited();
  void modelRowsChanged();
  void popupTriggered(QAction* action);
  void popupHidden();
  void styleChanged();

 private:
  void init(bool editable);
  void createField();
  void updateField();
  void chooseByUser(int index);
  void setShownText(const QString& text);
  void keyboardSearch(const QString& typed);
  void connectModel(QAbstractItemModel* model, bool on);

  QString m_comboName;
  QPointer<QAbstractItemModel> m_model;
  QScopedPointer<QStringListModel> m_ownModel;
  int m_currentIndex = -1;
  QString m_text;
  bool m_editable = false;
  bool m_completionCase = false;
  QString m_placeholder;
  QString m_commonCss;
  QString m_styleSheet;
  QColor m_textColor;
  QColor m_backgroundColor;
  QColor m_borderColor;
  QColor m_focusColor;
  QColor m_selectionColor;
  QColor m_selectionTextColor;
  QColor m_placeholderColor;
  QColor m_selectedColor;
  QFont m_font;
  int m_maximumWidth = -1;
  QPointer<QQuickItem> m_field;
  QScopedPointer<QMenu> m_popup;
  QString m_typed;
  qint64 m_typedAt = 0;
  int m_lastFieldLength = 0;
  bool m_settingField = false;
};

// Element "LoginComboBox": the sign-in window's boxes; completes typed
// user names case-sensitively.
class QLoginComboBoxQmlAdapter : public QComboBoxQmlAdapter {
  Q_OBJECT
 public:
  explicit QLoginComboBoxQmlAdapter(QQuickItem* parent = nullptr);
 public slots:
  void loadCss() override;
};

// Element "FilterComboBox".
class QFilterComboBoxQmlAdapter : public QComboBoxQmlAdapter {
  Q_OBJECT
 public:
  explicit QFilterComboBoxQmlAdapter(QQuickItem* parent = nullptr);
 public slots:
  void loadCss() override;
};

// Element "NumberSelectorComboBox".
class QNumberSelectorComboBoxQmlAdapter : public QComboBoxQmlAdapter {
  Q_OBJECT
 public:
  explicit QNumberSelectorComboBoxQmlAdapter(QQuickItem* parent = nullptr);
 public slots:
  void loadCss() override;
};

// Element "CommWinNumberSelectorComboBox": the number choice of the
// communications window's contact selection.
class QCommWinNumberSelectorComboBoxQmlAdapter : public QComboBoxQmlAdapter {
  Q_OBJECT
 public:
  explicit QCommWinNumberSelectorComboBoxQmlAdapter(QQuickItem* parent = nullptr);
 public slots:
  void loadCss() override;
};

}  // namespace QML
