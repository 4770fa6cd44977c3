#pragma once

#include <QAbstractItemModel>
#include <QQuickItem>

namespace QML {

// Element "ComboBox" and its kinds: a styled combo box in a scene.
class QComboBoxQmlAdapter : public QQuickItem {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
  Q_PROPERTY(int activatedIdx READ activatedIdx NOTIFY activatedIdxChanged)
  Q_PROPERTY(int currentIdx READ currentIdx WRITE setCurrentIdx NOTIFY currentIdxChanged)
  Q_PROPERTY(bool editable READ isEditable WRITE setEditable)
  Q_PROPERTY(QString selectedText READ selectedText NOTIFY selectedTextChanged)
  Q_PROPERTY(QAbstractItemModel* model READ model WRITE setModel)

 public:
  explicit QComboBoxQmlAdapter(QQuickItem* parent = nullptr) : QQuickItem(parent) {}

  QString text() const { return m_text; }
  void setText(const QString& t) {
    m_text = t;
    emit textChanged(t);
  }
  int activatedIdx() const { return m_activatedIdx; }
  int currentIdx() const { return m_currentIdx; }
  void setCurrentIdx(int i) {
    if (i == m_currentIdx) return;
    m_currentIdx = i;
    emit currentIdxChanged(i);
  }
  bool isEditable() const { return m_editable; }
  void setEditable(bool e) { m_editable = e; }
  QString selectedText() const { return QString(); }
  QAbstractItemModel* model() const { return m_model; }
  void setModel(QAbstractItemModel* m) { m_model = m; }

 signals:
  void textChanged(const QString& text);
  void currentIdxChanged(int index);
  void activatedIdxChanged(int index);
  void focusChanged(bool focus);
  void selectedTextChanged();
  void keyTab();
  void keyBacktab();

 private:
  QString m_text;
  int m_activatedIdx = -1;
  int m_currentIdx = -1;
  bool m_editable = false;
  QAbstractItemModel* m_model = nullptr;
};

class QLoginComboBoxQmlAdapter : public QComboBoxQmlAdapter {
  Q_OBJECT
 public:
  explicit QLoginComboBoxQmlAdapter(QQuickItem* parent = nullptr) : QComboBoxQmlAdapter(parent) {}
};

class QFilterComboBoxQmlAdapter : public QComboBoxQmlAdapter {
  Q_OBJECT
 public:
  explicit QFilterComboBoxQmlAdapter(QQuickItem* parent = nullptr) : QComboBoxQmlAdapter(parent) {}
};

class QNumberSelectorComboBoxQmlAdapter : public QComboBoxQmlAdapter {
  Q_OBJECT
 public:
  explicit QNumberSelectorComboBoxQmlAdapter(QQuickItem* parent = nullptr)
      : QComboBoxQmlAdapter(parent) {}
};

class QCommWinNumberSelectorComboBoxQmlAdapter : public QComboBoxQmlAdapter {
  Q_OBJECT
 public:
  explicit QCommWinNumberSelectorComboBoxQmlAdapter(QQuickItem* parent = nullptr)
      : QComboBoxQmlAdapter(parent) {}
};

}  // namespace QML
