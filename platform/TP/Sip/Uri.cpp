#include "TP/Sip/Uri.h"

namespace TP {
namespace Sip {

namespace {

bool validHost(const QByteArray& host) {
  if (host.isEmpty()) return false;
  for (char c : host) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '.' || c == '-' || c == '_' || c == ':' || c == '[' || c == ']';
    if (!ok) return false;
  }
  return true;
}

bool hasControlOrSpace(const QByteArray& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) <= ' ' || c == '<' || c == '>' || c == '"') return true;
  }
  return false;
}

}  // namespace

UriPtr::UriPtr() : RefCountable(true, QStringLiteral("TP::Sip::UriPtr")) {}

UriPtr::UriPtr(const TP::Bytes& text) : UriPtr() { parse(text.toByteArray()); }

UriPtr::UriPtr(const QString& text) : UriPtr() { parse(text.toUtf8()); }

void UriPtr::parse(const QByteArray& input) {
  QByteArray text = input.trimmed();
  QByteArray display;
  const int open = text.indexOf('<');
  if (open >= 0) {
    const int close = text.indexOf('>', open);
    if (close < 0 || !text.mid(close + 1).trimmed().isEmpty()) return;
    display = text.left(open).trimmed();
    if (display.size() >= 2 && display.startsWith('"') && display.endsWith('"'))
      display = display.mid(1, display.size() - 2);
    text = text.mid(open + 1, close - open - 1).trimmed();
  }
  if (text.isEmpty() || hasControlOrSpace(text)) return;

  QByteArray scheme = "sip";
  const int colon = text.indexOf(':');
  const int at = text.indexOf('@');
  if (colon > 0 && (at < 0 || colon < at)) {
    const QByteArray candidate = text.left(colon).toLower();
    if (candidate == "sip" || candidate == "sips" || candidate == "tel") {
      scheme = candidate;
      text = text.mid(colon + 1);
    }
  }

  QByteArray parameters;
  const int semicolon = text.indexOf(';');
  if (semicolon >= 0) {
    parameters = text.mid(semicolon + 1);
    text = text.left(semicolon);
  }

  QByteArray user;
  QByteArray hostPort;
  if (scheme == "tel") {
    user = text;
    if (user.isEmpty()) return;
  } else {
    const int sep = text.lastIndexOf('@');
    if (sep >= 0) {
      user = text.left(sep);
      hostPort = text.mid(sep + 1);
      if (user.isEmpty()) return;
    } else {
      hostPort = text;
    }
    QByteArray host = hostPort;
    int port = 0;
    const int portSep = hostPort.lastIndexOf(':');
    if (portSep > 0 && !hostPort.endsWith(']')) {
      bool ok = false;
      port = hostPort.mid(portSep + 1).toInt(&ok);
      if (!ok || port <= 0 || port > 65535) return;
      host = hostPort.left(portSep);
    }
    if (!validHost(host)) return;
    m_host = TP::Bytes(host);
    m_port = port;
  }
  m_scheme = TP::Bytes(scheme);
  m_user = TP::Bytes(user);
  m_parameters = TP::Bytes(parameters);
  m_displayName = TP::Bytes(display);
  m_valid = true;
}

QString UriPtr::toString(bool withDisplayName) const {
  if (!m_valid) return QString();
  QByteArray out = m_scheme.toByteArray() + ':';
  if (!m_user.IsEmpty()) out += m_user.toByteArray();
  if (!m_host.IsEmpty()) {
    if (!m_user.IsEmpty()) out += '@';
    out += m_host.toByteArray();
    if (m_port > 0) out += ':' + QByteArray::number(m_port);
  }
  if (!m_parameters.IsEmpty()) out += ';' + m_parameters.toByteArray();
  if (withDisplayName && !m_displayName.IsEmpty()) {
    QByteArray name = m_displayName.toByteArray();
    name.replace('"', "'");
    out = '"' + name + "\" <" + out + '>';
  }
  return QString::fromUtf8(out);
}

}  // namespace Sip
}  // namespace TP
