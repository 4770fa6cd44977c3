#pragma once

#include "TP/Bytes.h"

#include <tp/container/List.h>

#include <QString>

namespace TP {
namespace Xml {

// One attribute of an element.
class Attribute {
 public:
  Attribute() = default;
  Attribute(const QString& name, const QString& value) : m_name(name), m_value(value) {}

  QString Name() const { return m_name; }
  QString Value() const { return m_value; }

 private:
  QString m_name;
  QString m_value;
};

// One element of a parsed document: a value that shares its children with
// its copies. A default-constructed element is null: no name, no children,
// no attributes.
class Element {
 public:
  Element() = default;

  bool isNull() const { return m_name.isEmpty(); }
  QString Name() const { return m_name; }
  // The element's own character data (the text of its child elements not
  // included), with surrounding white space removed.
  QString Text() const { return m_text; }
  TP::Container::List<Element> Children() const { return m_children; }
  TP::Container::List<Attribute> Attributes() const { return m_attributes; }

  bool hasAttribute(const QString& name) const;
  // The attribute's value, or `defaultValue` when the element has no such
  // attribute.
  QString getAttribute(const QString& name, const QString& defaultValue = QString()) const;
  // The first direct child of that name, or a null element.
  Element firstChild(const QString& name) const;

 private:
  friend class Parser;

  QString m_name;
  QString m_text;
  TP::Container::List<Attribute> m_attributes;
  TP::Container::List<Element> m_children;
};

// Parses a whole document. A malformed document gives a null root and a
// logged error; it never throws. External entities and DTDs are not
// followed (QXmlStreamReader resolves only the predefined entities).
class Parser {
 public:
  Parser() = default;

  bool Parse(const QString& text);
  bool Parse(const QByteArray& data);
  bool Parse(const TP::Bytes& data) { return Parse(data.toByteArray()); }
  // Reads and parses a file (also ":/..." resources).
  bool ParseFile(const QString& path);

  Element Root() const { return m_root; }
  bool isValid() const { return !m_root.isNull(); }
  QString errorString() const { return m_error; }

 private:
  template <class Reader>
  bool parseWith(Reader& reader);

  Element m_root;
  QString m_error;
  qint64 m_errorLine = 0;
};

}  // namespace Xml
}  // namespace TP
