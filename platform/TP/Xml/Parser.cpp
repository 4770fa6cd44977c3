#include "TP/Xml/Parser.h"

#include "TP/Core/Logging.h"

#include <QFile>
#include <QVector>
#include <QXmlStreamReader>

namespace TP {
namespace Xml {

namespace {

// Deeper documents are refused rather than risking the stack.
const int kMaxDepth = 256;

}  // namespace

bool Element::hasAttribute(const QString& name) const {
  for (const Attribute& a : m_attributes) {
    if (a.Name() == name) return true;
  }
  return false;
}

QString Element::getAttribute(const QString& name, const QString& defaultValue) const {
  for (const Attribute& a : m_attributes) {
    if (a.Name() == name) return a.Value();
  }
  return defaultValue;
}

Element Element::firstChild(const QString& name) const {
  for (const Element& child : m_children) {
    if (child.Name() == name) return child;
  }
  return Element();
}

template <class Reader>
bool Parser::parseWith(Reader& reader) {
  m_root = Element();
  m_error.clear();
  m_errorLine = 0;

  QVector<Element> stackElements;  // parallel to the open elements
  QVector<QString> texts;
  Element root;
  bool haveRoot = false;

  while (!reader.atEnd()) {
    const auto token = reader.readNext();
    if (token == QXmlStreamReader::StartElement) {
      if (stackElements.size() >= kMaxDepth) {
        reader.raiseError(QStringLiteral("Elements nested too deeply"));
        break;
      }
      Element e;
      e.m_name = reader.name().toString();
      const QXmlStreamAttributes attributes = reader.attributes();
      for (const QXmlStreamAttribute& a : attributes)
        e.m_attributes.Append(Attribute(a.qualifiedName().toString(), a.value().toString()));
      stackElements.append(e);
      texts.append(QString());
    } else if (token == QXmlStreamReader::Characters) {
      if (!texts.isEmpty()) texts.last() += reader.text();
    } else if (token == QXmlStreamReader::EndElement) {
      if (stackElements.isEmpty()) break;  // the reader reports this as an error itself
      Element done = stackElements.takeLast();
      done.m_text = texts.takeLast().trimmed();
      if (stackElements.isEmpty()) {
        root = done;
        haveRoot = true;
      } else {
        stackElements.last().m_children.Append(done);
      }
    }
  }

  if (reader.hasError() || !haveRoot) {
    m_error = reader.hasError() ? reader.errorString() : QStringLiteral("No root element");
    m_errorLine = reader.lineNumber();
    TP_LOG("TP::Xml::Parser::Parse", TP::Core::Logging::LevelError)
        << "XML parse error at line " << m_errorLine << ": " << m_error;
    return false;
  }
  m_root = root;
  return true;
}

bool Parser::Parse(const QString& text) {
  QXmlStreamReader reader(text);
  return parseWith(reader);
}

bool Parser::Parse(const QByteArray& data) {
  QXmlStreamReader reader(data);
  return parseWith(reader);
}

bool Parser::ParseFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    m_root = Element();
    m_error = file.errorString();
    m_errorLine = 0;
    TP_LOG("TP::Xml::Parser::ParseFile", TP::Core::Logging::LevelError)
        << "Cannot open " << path << ": " << m_error;
    return false;
  }
  return Parse(file.readAll());
}

}  // namespace Xml
}  // namespace TP
