// zent-icongen <output folder>
// Draws the theme's pictures with QPainter and writes them as PNG files:
//   presence/presence_<name>_small.png (12 px) and _large.png (20 px),
//   presence/ownpresence_<name>.png (14 px),
//   windows/MainWindow/CallSettingsToolbar/<name>.png and <name>_active.png
//   (18 px; the active form is drawn light, for the lit button).
// Shapes only, no text: the pictures need no fonts and come out the same on
// every machine.
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

const QColor kGreen(0x4C, 0xAF, 0x50);
const QColor kAmber(0xF0, 0xA0, 0x30);
const QColor kRed(0xD9, 0x43, 0x3F);
const QColor kGrey(0x9E, 0x9E, 0x9E);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kInk(0x44, 0x4A, 0x52);

using Draw = std::function<void(QPainter&, qreal size)>;

bool write(const QString& path, int size, const Draw& draw) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, size);
  }
  QDir().mkpath(QFileInfo(path).absolutePath());
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "zent-icongen: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

// A presence mark: a disc of the state's colour with a small white sign.
Draw presenceMark(const QColor& colour, const QString& sign, bool hollow = false) {
  return [colour, sign, hollow](QPainter& p, qreal s) {
    const QRectF disc(1, 1, s - 2, s - 2);
    if (hollow) {
      p.setPen(QPen(colour, qMax<qreal>(1.5, s / 7)));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(disc.adjusted(1, 1, -1, -1));
    } else {
      p.setPen(Qt::NoPen);
      p.setBrush(colour);
      p.drawEllipse(disc);
    }
    const QPointF c(s / 2, s / 2);
    const qreal u = s / 12;
    p.setBrush(kWhite);
    p.setPen(Qt::NoPen);
    if (sign == QLatin1String("bar")) {
      p.drawRect(QRectF(c.x() - 3.5 * u, c.y() - 1 * u, 7 * u, 2 * u));
    } else if (sign == QLatin1String("ring")) {
      p.drawRect(QRectF(c.x() - 3.5 * u, c.y() - 1 * u, 7 * u, 2 * u));
      p.setPen(QPen(kWhite, u));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(c, 4.3 * u, 4.3 * u);
    } else if (sign == QLatin1String("clock")) {
      p.setPen(QPen(kWhite, 1.4 * u, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(c, c + QPointF(0, -3.5 * u));
      p.drawLine(c, c + QPointF(2.5 * u, 0));
    } else if (sign == QLatin1String("desk")) {
      p.drawRect(QRectF(c.x() - 3 * u, c.y() - 1.5 * u, 6 * u, 3.5 * u));
    } else if (sign == QLatin1String("mobile")) {
      p.drawRoundedRect(QRectF(c.x() - 1.7 * u, c.y() - 3.3 * u, 3.4 * u, 6.6 * u), u, u);
    } else if (sign == QLatin1String("people")) {
      p.drawEllipse(c + QPointF(-2 * u, -1 * u), 1.4 * u, 1.4 * u);
      p.drawEllipse(c + QPointF(2 * u, -1 * u), 1.4 * u, 1.4 * u);
      p.drawRect(QRectF(c.x() - 3.6 * u, c.y() + 1 * u, 7.2 * u, 1.8 * u));
    } else if (sign == QLatin1String("call")) {
      p.setPen(QPen(kWhite, 1.6 * u, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(c.x() - 3.5 * u, c.y() - 3.5 * u, 7 * u, 7 * u), 200 * 16, 140 * 16);
    } else if (sign == QLatin1String("dots")) {
      p.setBrush(colour);
      for (int i = -1; i <= 1; ++i) p.drawEllipse(c + QPointF(i * 2.6 * u, 0), 0.9 * u, 0.9 * u);
    }
  };
}

// The toolbar's line pictures, drawn in `ink`.
Draw toolbarPicture(const QString& name, const QColor& ink) {
  return [name, ink](QPainter& p, qreal s) {
    const qreal u = s / 18;
    const QPointF c(s / 2, s / 2);
    p.setPen(QPen(ink, 1.6 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (name == QLatin1String("callsettings")) {
      // A gear: eight teeth round a ring.
      for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(i * 45.0);
        p.drawLine(c + QPointF(qCos(a), qSin(a)) * 5.5 * u,
                   c + QPointF(qCos(a), qSin(a)) * 7.5 * u);
      }
      p.drawEllipse(c, 5 * u, 5 * u);
      p.drawEllipse(c, 2 * u, 2 * u);
    } else if (name == QLatin1String("anywhere")) {
      // A globe.
      p.drawEllipse(c, 7 * u, 7 * u);
      p.drawEllipse(c, 3 * u, 7 * u);
      p.drawLine(c + QPointF(-7 * u, 0), c + QPointF(7 * u, 0));
    } else if (name == QLatin1String("remoteoffice")) {
      // A house.
      QPainterPath house;
      house.moveTo(c + QPointF(-6 * u, -0.5 * u));
      house.lineTo(c + QPointF(0, -6.5 * u));
      house.lineTo(c + QPointF(6 * u, -0.5 * u));
      house.moveTo(c + QPointF(-4.5 * u, -1.5 * u));
      house.lineTo(c + QPointF(-4.5 * u, 6 * u));
      house.lineTo(c + QPointF(4.5 * u, 6 * u));
      house.lineTo(c + QPointF(4.5 * u, -1.5 * u));
      p.drawPath(house);
      p.drawRect(QRectF(c.x() - 1.5 * u, c.y() + 2 * u, 3 * u, 4 * u));
    } else if (name == QLatin1String("simring")) {
      // Rings spreading from a point.
      p.drawEllipse(c, 1.2 * u, 1.2 * u);
      p.drawArc(QRectF(c.x() - 4 * u, c.y() - 4 * u, 8 * u, 8 * u), -45 * 16, 90 * 16);
      p.drawArc(QRectF(c.x() - 7 * u, c.y() - 7 * u, 14 * u, 14 * u), -45 * 16, 90 * 16);
      p.drawArc(QRectF(c.x() - 4 * u, c.y() - 4 * u, 8 * u, 8 * u), 135 * 16, 90 * 16);
      p.drawArc(QRectF(c.x() - 7 * u, c.y() - 7 * u, 14 * u, 14 * u), 135 * 16, 90 * 16);
    } else if (name == QLatin1String("callforward")) {
      // A bent arrow to the right.
      QPainterPath arrow;
      arrow.moveTo(c + QPointF(-6 * u, 6 * u));
      arrow.lineTo(c + QPointF(-6 * u, 0));
      arrow.quadTo(c + QPointF(-6 * u, -3 * u), c + QPointF(-3 * u, -3 * u));
      arrow.lineTo(c + QPointF(6 * u, -3 * u));
      p.drawPath(arrow);
      p.drawLine(c + QPointF(6 * u, -3 * u), c + QPointF(2.5 * u, -6.5 * u));
      p.drawLine(c + QPointF(6 * u, -3 * u), c + QPointF(2.5 * u, 0.5 * u));
    } else if (name == QLatin1String("dnd")) {
      // No entry.
      p.drawEllipse(c, 7 * u, 7 * u);
      p.setPen(QPen(ink, 2.4 * u, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(c + QPointF(-3.8 * u, 0), c + QPointF(3.8 * u, 0));
    }
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zent-icongen <output folder>\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  bool ok = true;

  struct Mark {
    const char* name;
    QColor colour;
    const char* sign;
    bool hollow;
  };
  const Mark contacts[] = {
      {"pending", kGrey, "dots", true},  {"inactive", kGrey, "", true},
      {"away", kAmber, "clock", false},  {"present", kGreen, "", false},
      {"ondesk", kGreen, "desk", false}, {"onmobile", kGreen, "mobile", false},
      {"busy", kRed, "bar", false},      {"inmeeting", kRed, "people", false},
      {"incall", kRed, "call", false},   {"dnd", kRed, "ring", false},
  };
  for (const Mark& m : contacts) {
    const Draw draw = presenceMark(m.colour, QLatin1String(m.sign), m.hollow);
    const QString base = out + QStringLiteral("/presence/presence_") + QLatin1String(m.name);
    ok = write(base + QStringLiteral("_small.png"), 12, draw) && ok;
    ok = write(base + QStringLiteral("_large.png"), 20, draw) && ok;
  }
  const Mark own[] = {
      {"offline", kGrey, "", true},
      {"away", kAmber, "clock", false},
      {"online", kGreen, "", false},
      {"onlineondesk", kGreen, "desk", false},
      {"onlineonmobile", kGreen, "mobile", false},
      {"busy", kRed, "bar", false},
      {"busyinmeeting", kRed, "people", false},
      {"busyincall", kRed, "call", false},
  };
  for (const Mark& m : own)
    ok = write(out + QStringLiteral("/presence/ownpresence_") + QLatin1String(m.name) +
                   QStringLiteral(".png"),
               14, presenceMark(m.colour, QLatin1String(m.sign), m.hollow)) &&
         ok;

  for (const char* name :
       {"callsettings", "anywhere", "remoteoffice", "simring", "callforward", "dnd"}) {
    const QString base =
        out + QStringLiteral("/windows/MainWindow/CallSettingsToolbar/") + QLatin1String(name);
    ok = write(base + QStringLiteral(".png"), 18, toolbarPicture(QLatin1String(name), kInk)) && ok;
    ok = write(base + QStringLiteral("_active.png"), 18,
               toolbarPicture(QLatin1String(name), kWhite)) &&
         ok;
  }
  return ok ? 0 : 1;
}
