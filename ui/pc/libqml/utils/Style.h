#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

namespace QML {

// The one theme object of the process: named colours and a font family.
// Scenes see it as "zentStyle"; widget style sheets use its markers
// ("%%colors:NAME%%", "%%font:defaultFontFamily%%").
class Style : public QObject {
  Q_OBJECT
  Q_PROPERTY(QVariantMap colors READ colors NOTIFY colorsChanged)
  Q_PROPERTY(QStringList colorNames READ colorNames NOTIFY colorsChanged)
  Q_PROPERTY(QVariant fontFamily READ fontFamily WRITE setFontFamily NOTIFY fontFamilyChanged)

 public:
  static const char* const DefaultFontFamily;  // "Arial"
  static const char* const FontFamilyKey;      // "defaultFontFamily"

  explicit Style(QObject* parent = nullptr);
  ~Style() override;

  // The process-wide style; null before the application created it.
  static Style* instance();

  QVariantMap colors() const { return m_colors; }
  QStringList colorNames() const { return m_colors.keys(); }
  QVariant fontFamily() const { return m_fontFamily; }
  QVariantMap defaultColors() const { return m_defaultColors; }
  // A colour of the built-in table; invalid for a name the table lacks.
  static QVariant defaultColor(const QString& name);

  // Property writes pass force = false: an equal value changes nothing.
  void setFontFamily(const QVariant& family, bool force = false);

  // Replaces the colour and font markers of a style sheet in place. False
  // when a colour marker is not closed; what came before it stays replaced.
  bool replaceCssWithStyle(QString& css) const;

  Q_INVOKABLE void setColor(const QString& name, const QVariant& val);
  Q_INVOKABLE void setDefaults();
  Q_INVOKABLE void invertAll();

  // The style file text ("name,value" lines, CRLF, ascending names).
  QByteArray toCsv(bool exportFont) const;

 public slots:
  // Both report whether the file could be read or written; failures are
  // logged. A failed export leaves an existing file as it was.
  bool importCsv(const QString& filename);
  bool exportCsv(const QString& filename, bool exportFont);

 signals:
  void colorsChanged();
  void fontFamilyChanged();
  // A style file could not be read (writing false) or written; the style
  // editor tells the user, whoever asked for the file.
  void csvFailed(const QString& filename, bool writing);

 private:
  static bool acceptsColor(const QString& text);

  QVariantMap m_colors;
  QVariantMap m_defaultColors;
  QVariant m_fontFamily;
};

}  // namespace QML
