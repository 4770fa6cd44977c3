#include "WavFile.h"

#include <QFile>

namespace RAZ {
namespace MediaEngine {
namespace {

const qint64 kMaxFileSize = 64 * 1024 * 1024;
const quint16 kFormatPcm = 1;
const quint16 kFormatFloat = 3;
const quint16 kFormatExtensible = 0xFFFE;

quint16 le16(const char* p) { return quint16(quint8(p[0]) | quint16(quint8(p[1])) << 8); }
quint32 le32(const char* p) { return quint32(le16(p)) | quint32(le16(p + 2)) << 16; }

WavFile refuse(QString* error, const QString& why) {
  if (error) *error = why;
  return WavFile();
}

}  // namespace

int WavFile::bytesPerFrame() const {
  switch (encoding) {
    case Encoding::Unsigned8:
      return channels;
    case Encoding::Signed16:
      return 2 * channels;
    case Encoding::Signed24:
      return 3 * channels;
    case Encoding::Signed32:
    case Encoding::Float32:
      return 4 * channels;
    case Encoding::None:
      break;
  }
  return 0;
}

WavFile WavFile::parse(const QByteArray& data, QString* error) {
  const char* const base = data.constData();
  const qint64 size = data.size();
  if (size < 12 || data.left(4) != "RIFF" || data.mid(8, 4) != "WAVE")
    return refuse(error, QStringLiteral("not a WAV file"));

  WavFile out;
  bool haveFormat = false;
  qint64 at = 12;
  // Chunk sizes come from the file: every offset is checked against the
  // data before it is read, and a size past the end is never trusted.
  while (at + 8 <= size) {
    const QByteArray id = data.mid(int(at), 4);
    const qint64 length = le32(base + at + 4);
    const qint64 body = at + 8;
    if (id == "fmt ") {
      if (length < 16 || body + length > size)
        return refuse(error, QStringLiteral("the format chunk is cut short"));
      quint16 format = le16(base + body);
      const int channels = le16(base + body + 2);
      const qint64 rate = le32(base + body + 4);
      const int bits = le16(base + body + 14);
      if (format == kFormatExtensible) {
        // The sub-format's first two bytes are the plain format's number.
        if (length < 40) return refuse(error, QStringLiteral("the format chunk is cut short"));
        format = le16(base + body + 24);
      }
      if (channels < 1 || channels > 8 || rate < 1000 || rate > 384000)
        return refuse(error, QStringLiteral("unsupported channels or rate"));
      if (format == kFormatPcm && bits == 8)
        out.encoding = Encoding::Unsigned8;
      else if (format == kFormatPcm && bits == 16)
        out.encoding = Encoding::Signed16;
      else if (format == kFormatPcm && bits == 24)
        out.encoding = Encoding::Signed24;
      else if (format == kFormatPcm && bits == 32)
        out.encoding = Encoding::Signed32;
      else if (format == kFormatFloat && bits == 32)
        out.encoding = Encoding::Float32;
      else
        return refuse(error, QStringLiteral("unsupported sample format"));
      out.channels = channels;
      out.sampleRate = int(rate);
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) return refuse(error, QStringLiteral("samples before their format"));
      // A writer that could not seek back leaves the size open: take what
      // is there, in whole frames.
      const qint64 available = qMin(length, size - body);
      const int frame = out.bytesPerFrame();
      out.samples = data.mid(int(body), int(available - available % frame));
      if (out.samples.isEmpty()) return refuse(error, QStringLiteral("no samples"));
      return out;
    }
    at = body + length + (length & 1);  // chunks are padded to even sizes
  }
  return refuse(error, QStringLiteral("no samples"));
}

WavFile WavFile::read(const QString& path, QString* error) {
  QFile file(path.startsWith(QLatin1String("qrc:")) ? path.mid(3) : path);
  if (!file.open(QIODevice::ReadOnly)) return refuse(error, file.errorString());
  if (file.size() > kMaxFileSize) return refuse(error, QStringLiteral("the file is too large"));
  return parse(file.readAll(), error);
}

}  // namespace MediaEngine
}  // namespace RAZ
