#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

namespace QML {

// The one theme object of the process: named colours and a font family that
// every QML scene reads as "zentStyle" and that style sheets use through the
// markers "%%colors:<name>%%" and "%%font:defaultFontFamily%%".
class Style : public QObject {
  Q_OBJECT
  Q_PROPERTY(QVariantMap colors READ colors NOTIFY colorsChanged)
  Q_PROPERTY(QStringList colorNames READ colorNames NOTIFY colorsChanged)
  Q_PROPERTY(QVariant fontFamily READ fontFamily WRITE setFontFamilyProperty NOTIFY fontFamilyChanged)

 public:
  explicit Style(QObject* parent = nullptr);
  ~Style() override;

  static Style* instance();

  QVariantMap colors() const { return m_colors; }
  QStringList colorNames() const { return m_colors.keys(); }
  QVariant fontFamily() const { return m_fontFamily; }
  void setFontFamily(const QVariant& family, bool force);

  // Replaces the colour and font markers of a style sheet in place; true
  // when something was replaced.
  bool replaceCssWithStyle(QString& css) const;

  Q_INVOKABLE void setColor(QString name, QVariant val);
  Q_INVOKABLE void setDefaults();
  Q_INVOKABLE void invertAll();

 public slots:
  void importCsv(QString filename);
  void exportCsv(QString filename, bool exportFont);

 signals:
  void colorsChanged();
  void fontFamilyChanged();

 private:
  void setFontFamilyProperty(const QVariant& family) { setFontFamily(family, false); }

  QVariantMap m_colors;
  QVariantMap m_defaultColors;
  QVariant m_fontFamily;
};

}  // namespace QML
