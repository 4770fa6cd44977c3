#include "Utils/Branding.h"

#include <QFile>
#include <QTextCodec>

namespace Utils {

Branding builtInBranding() {
  Branding b;
  b.applicationName = QStringLiteral("VOV Quorvel");
  b.organizationName = QStringLiteral("Zarozurav Quorvel Inc");
  b.organizationDomain = QStringLiteral("quorvel.example");
  b.fromFile = false;
  return b;
}

QString pathSafeName(const QString& name) {
  QString safe;
  safe.reserve(name.size());
  for (const QChar c : name) {
    if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
      safe += QLatin1Char('_');
    else if (c.category() != QChar::Other_Control)  // C0, DEL and C1 alike
      safe += c;
  }
  safe = safe.trimmed();
  // A name that is only dots would name the folder itself or its parent.
  bool onlyDots = true;
  for (const QChar c : qAsConst(safe))
    if (c != QLatin1Char('.')) onlyDots = false;
  return onlyDots ? QString() : safe;
}

namespace {

// Reads one line of at most kMaxBrandingLineBytes (the rest of a longer one
// is passed over, never kept); false at the end of the file or once
// kMaxBrandingBytes have been read: a file of one endless line must not
// stall the start.
bool readCappedLine(QIODevice& file, QByteArray& line, qint64& total, bool& cut, bool& binary) {
  line.clear();
  if (file.atEnd() || total >= kMaxBrandingBytes) return false;
  line = file.readLine(kMaxBrandingLineBytes + 1);
  total += line.size();
  bool ended = line.endsWith('\n');
  if (line.contains('\0')) binary = true;
  if (line.size() > kMaxBrandingLineBytes) {
    line.truncate(kMaxBrandingLineBytes);
    cut = true;
  }
  while (!ended && !file.atEnd() && total < kMaxBrandingBytes) {
    const QByteArray rest = file.readLine(4096);
    if (rest.isEmpty()) break;
    total += rest.size();
    // Passed over, but still part of the file: a NUL says it is no text.
    if (rest.contains('\0')) binary = true;
    ended = rest.endsWith('\n');
  }
  return true;
}

// The rest of the file after the names, up to what is read in all: false
// when it holds a NUL (the file is no text).
bool restIsText(QIODevice& file, qint64& total) {
  while (!file.atEnd() && total < kMaxBrandingBytes) {
    const QByteArray chunk = file.read(qMin<qint64>(64 * 1024, kMaxBrandingBytes - total));
    if (chunk.isEmpty()) break;
    total += chunk.size();
    if (chunk.contains('\0')) return false;
  }
  return true;
}

// A name as the file holds it: UTF-8 text without NUL bytes, cut to
// kMaxBrandingNameChars.
bool decodeName(const QByteArray& line, QString& name, bool& cut) {
  QTextCodec::ConverterState state;
  name = QTextCodec::codecForName("UTF-8")->toUnicode(line.constData(), line.size(), &state);
  // A multi-byte character the line cap cut in two is no damage.
  if (state.invalidChars > 0 || state.remainingChars > 0) {
    if (line.size() < kMaxBrandingLineBytes) return false;
    while (!name.isEmpty() && name.endsWith(QChar::ReplacementCharacter)) name.chop(1);
    if (name.contains(QChar::ReplacementCharacter)) return false;
  }
  // Stray control characters are dropped with the rest (pathSafeName); a
  // NUL says the file is no text at all.
  if (name.contains(QChar(0))) return false;
  name = name.trimmed();
  if (name.size() > kMaxBrandingNameChars) {
    name.truncate(kMaxBrandingNameChars);
    cut = true;
  }
  return true;
}

}  // namespace

Branding readBranding(const QString& path) {
  const auto builtIn = [](Branding::Problem problem) {
    Branding b = builtInBranding();
    b.problem = problem;
    return b;
  };
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    qDebug("Error opening application_name.txt: Using macros instead");
    return builtIn(Branding::Problem::Missing);
  }
  QString names[3];
  qint64 total = 0;
  QByteArray line;
  bool cut = false, binary = false;
  for (QString& name : names) {
    if (!readCappedLine(file, line, total, cut, binary)) break;
    if (binary) break;
    if (!decodeName(line, name, cut)) {
      binary = true;
      break;
    }
  }
  if (!binary && !restIsText(file, total)) binary = true;
  file.close();
  if (binary) {
    qWarning("application_name.txt is not text: Using macros instead");
    return builtIn(Branding::Problem::NotText);
  }
  Branding b;
  // The application and organisation names become folder names of the
  // user's data (the system's per-application folders are built from them):
  // they must never reach outside it.
  b.applicationName = pathSafeName(names[0]);
  b.organizationName = pathSafeName(names[1]);
  b.organizationDomain = pathSafeName(names[2]);
  if (b.applicationName.isEmpty()) {
    qDebug("application_name.txt names no application: Using macros instead");
    return builtIn(Branding::Problem::NoName);
  }
  b.fromFile = true;
  if (cut) b.problem = Branding::Problem::Cut;
  return b;
}

}  // namespace Utils
