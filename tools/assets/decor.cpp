// Built-in decorations: ribbons, captions, menu pictures and animations, icons,
// clocks, candlesticks, the styled button's capsules and the table pictures.
#include "decor.h"

#include "face_art.h"
#include "generators.h"
#include "paint.h"

#include <QHash>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QConicalGradient>

#include <functional>

#include <cmath>

namespace assets {
namespace {
constexpr double kPi = 3.14159265358979323846;
}

QStringList captionTexts(const QString& key) {
  static QHash<QString, QStringList> table;
  if (table.isEmpty())
    for (const QString& line : sourceData("captions.txt").split('\n')) {
      if (line.startsWith('#') || line.trimmed().isEmpty()) continue;
      const QStringList f = line.split('|');
      if (f.size() == 9) table.insert(f[0], f.mid(1));
    }
  return table.value(key, QStringList(8, key));
}

QString fontFor(int language) { return language == 5 ? QString(kCjk) : QString(kSerif); }

QImage ribbon(int w, int h, QColor c) {
  QImage img = canvas(w, h);
  QPainter p(&img);
  antialias(p);
  const double fold = std::min(h * 0.45, w * 0.12);
  // The two tails behind, then the band with a soft vertical shading.
  QPolygonF tailL, tailR;
  tailL << QPointF(0, h * 0.25) << QPointF(fold * 1.6, h * 0.25) << QPointF(fold * 1.6, h * 0.98) << QPointF(0, h * 0.98)
        << QPointF(fold * 0.6, h * 0.62);
  tailR << QPointF(w, h * 0.25) << QPointF(w - fold * 1.6, h * 0.25) << QPointF(w - fold * 1.6, h * 0.98)
        << QPointF(w, h * 0.98) << QPointF(w - fold * 0.6, h * 0.62);
  p.setPen(Qt::NoPen);
  p.setBrush(c.darker(160));
  p.drawPolygon(tailL);
  p.drawPolygon(tailR);
  QLinearGradient g(0, 0, 0, h);
  g.setColorAt(0, c.lighter(150));
  g.setColorAt(0.45, c);
  g.setColorAt(1, c.darker(140));
  p.setBrush(g);
  QPainterPath band;
  band.moveTo(fold, h * 0.05);
  band.quadTo(w / 2.0, h * 0.16, w - fold, h * 0.05);
  band.lineTo(w - fold, h * 0.8);
  band.quadTo(w / 2.0, h * 0.9, fold, h * 0.8);
  band.closeSubpath();
  p.drawPath(band);
  p.setPen(QPen(QColor(255, 215, 90, 200), std::max(1.0, h / 30.0)));
  p.setBrush(Qt::NoBrush);
  QPainterPath edge;
  edge.moveTo(fold + 3, h * 0.12);
  edge.quadTo(w / 2.0, h * 0.23, w - fold - 3, h * 0.12);
  edge.moveTo(fold + 3, h * 0.73);
  edge.quadTo(w / 2.0, h * 0.83, w - fold - 3, h * 0.73);
  p.drawPath(edge);
  return img;
}

QImage plate(int w, int h, QColor c, int radius) {
  QImage img = canvas(w, h);
  QPainter p(&img);
  antialias(p);
  QLinearGradient g(0, 0, 0, h);
  g.setColorAt(0, c.lighter(160));
  g.setColorAt(0.5, c);
  g.setColorAt(1, c.darker(150));
  p.setPen(QPen(c.darker(200), std::max(1.0, h / 25.0)));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), radius, radius);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 60));
  p.drawRoundedRect(QRectF(3, 2, w - 6, h * 0.4), radius * 0.7, radius * 0.7);
  return img;
}

QImage emojiIcon(const QString& emoji, int size, QColor disc) {
  QImage img = canvas(size, size);
  QPainter p(&img);
  antialias(p);
  double inset = 0;
  if (disc.alpha() > 0) {
    QRadialGradient g(size * 0.4, size * 0.35, size * 0.6);
    g.setColorAt(0, disc.lighter(160));
    g.setColorAt(1, disc.darker(130));
    p.setPen(QPen(disc.darker(180), std::max(1.0, size / 24.0)));
    p.setBrush(g);
    p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    inset = size * 0.18;
  }
  drawEmoji(p, QRectF(inset, inset, size - 2 * inset, size - 2 * inset), emoji);
  return img;
}

QImage captionPicture(int w, int h, const QString& text, int language, QColor colour) {
  QImage img = canvas(w, h);
  QPainter p(&img);
  antialias(p);
  drawFittedText(p, QRectF(4, 2, w - 8, h - 4), text, fontFor(language), true, colour, QColor(0, 0, 0, 170));
  return img;
}

std::vector<QImage> emblemFrames(int w, int h, const QString& emoji, QColor glow, int frames) {
  std::vector<QImage> out;
  const QImage icon = emojiImage(emoji, int(w * 0.62), int(w * 0.62));
  for (int f = 0; f < frames; ++f) {
    QImage img = canvas(w, h);
    QPainter p(&img);
    antialias(p);
    const double phase = 2 * kPi * f / frames;
    // A shield with a pulsing rim and the emblem turning like a coin.
    QPainterPath shield;
    shield.moveTo(w * 0.08, h * 0.08);
    shield.lineTo(w * 0.92, h * 0.08);
    shield.lineTo(w * 0.92, h * 0.5);
    shield.quadTo(w * 0.9, h * 0.82, w * 0.5, h * 0.97);
    shield.quadTo(w * 0.1, h * 0.82, w * 0.08, h * 0.5);
    shield.closeSubpath();
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, glow.lighter(140));
    g.setColorAt(1, glow.darker(170));
    p.setBrush(g);
    p.setPen(QPen(mix(QColor(255, 215, 80), Qt::white, 0.5 + 0.5 * std::sin(phase)), 2.5));
    p.drawPath(shield);
    const double sx = std::max(0.15, std::fabs(std::cos(phase / 2)));
    p.translate(w / 2.0, h * 0.45);
    p.scale(sx, 1);
    p.drawImage(QPointF(-icon.width() / 2.0, -icon.height() / 2.0), icon);
    out.push_back(img);
  }
  return out;
}

namespace {

QColor rgbFromBgr(unsigned v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

// The styled button's capsule pieces. Plain set: the given rows of the red
// scheme; the alternative set a glassier red of our own.
void makeCapsules(Sink& sink) {
  static const char* const rows30 =
      "000080 000011 5B5B87 ADADE8 A3A3DF 9999D7 9191CF 8888C8 7F7FC2 7575BC 6C6CB8 6363B4 5959B2 5050B0 242498 "
      "000088 000090 000099 0000A1 0000AA 0000B2 0000BB 0000C3 0000CC 0000D4 0000DD 0000E5 0000EE 000080";
  static const char* const rows45 =
      "000080 00000B 5D5D84 B4B4EF AFAFE9 A9A9E3 A2A2DD 9C9CD7 9696D2 9090CE 8B8BC9 8585C4 7F7FC1 7979BD 7373BA 6D6DB7 "
      "6767B5 6161B2 5B5BB2 5555B0 4F4FB0 4A4AAF 222299 000088 00008D 000093 000099 00009E 0000A4 0000AA 0000AF 0000B5 "
      "0000BB 0000C0 0000C6 0000CC 0000D1 0000D7 0000DD 0000E3 0000E8 0000EE 0000F4 000080";
  static const char* const rows60 =
      "000080 000009 5E5E83 B7B7F3 B2B2ED AEAEE8 A9A9E4 A5A5E0 9F9FDB 9C9CD6 9797D2 9393CE 8E8ECA 8A8AC7 8686C4 8181C1 "
      "7D7DBE 7878BD 7474B9 6F6FB7 6B6BB5 6666B4 6161B1 5D5DB0 5959AF 5454AE 5050AD 4B4BAC 4747AC 212196 000084 000088 "
      "00008C 000090 000094 000099 00009D 0000A1 0000A5 0000AA 0000AE 0000B2 0000B6 0000BB 0000BF 0000C3 0000C8 0000CC "
      "0000D0 0000D4 0000D9 0000DD 0000E1 0000E5 0000EA 0000EE 0000F2 0000F6 000080";
  struct Cls { int h; int cap; const char* rows; };
  const Cls classes[3] = {{29, 8, rows30}, {44, 13, rows45}, {59, 17, rows60}};
  for (const Cls& c : classes) {
    std::vector<QColor> plain;
    for (const QString& v : QString(c.rows).split(' ')) plain.push_back(rgbFromBgr(v.toUInt(nullptr, 16)));
    std::vector<QColor> glass;
    for (int k = 0; k < c.h; ++k) {
      const double t = double(k) / (c.h - 1);
      QColor col = t < 0.48 ? mix(QColor(255, 150, 150), QColor(215, 40, 40), t / 0.48)
                            : mix(QColor(150, 0, 0), QColor(235, 60, 40), (t - 0.48) / 0.52);
      if (k == 0 || k == c.h - 1) col = QColor(90, 0, 0);
      glass.push_back(col);
    }
    for (int set = 0; set < 2; ++set) {
      const std::vector<QColor>& rows = set ? glass : plain;
      const QString base = QString(set ? "Q" : "R") + QString::number(c.h);
      // Caps: an elliptical end (horizontal radius = cap width, vertical = half height),
      // edges softened by 4 x 4 sampling; outside is transparent.
      for (int side = 0; side < 2; ++side) {
        QImage img(c.cap, c.h, QImage::Format_ARGB32);
        for (int y = 0; y < c.h; ++y)
          for (int x = 0; x < c.cap; ++x) {
            int inside = 0;
            for (int sy = 0; sy < 4; ++sy)
              for (int sx = 0; sx < 4; ++sx) {
                const double px = x + (sx + 0.5) / 4, py = y + (sy + 0.5) / 4;
                const double dx = (side == 0 ? c.cap - px : px) / c.cap, dy = (py - c.h / 2.0) / (c.h / 2.0);
                inside += dx * dx + dy * dy <= 1.0;
              }
            QColor col = rows[size_t(y)];
            col.setAlpha(inside * 255 / 16);
            img.setPixelColor(x, y, col);
          }
        sink.png(base + (side == 0 ? "_L" : "_R"), img);
      }
      QImage mid(4, c.h, QImage::Format_ARGB32);
      for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < 4; ++x) mid.setPixelColor(x, y, rows[size_t(y)]);
      sink.png(base + "_2", mid);
    }
  }
}

std::vector<QImage> menuAnimation(int which) {
  std::vector<QImage> frames;
  const int w = 160, h = 200, n = 33;
  const Suit suits[4] = {Suit::Spades, Suit::Hearts, Suit::Clubs, Suit::Diamonds};
  for (int f = 0; f < n; ++f) {
    QImage img = canvas(w, h);
    QPainter p(&img);
    antialias(p);
    const double t = double(f) / n, phase = 2 * kPi * t;
    if (which == 1) {
      // Four cards fan open and close again, a star twinkles above them.
      const double spread = 0.5 + 0.5 * std::sin(phase - kPi / 2);
      for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(w / 2.0, h * 0.82);
        p.rotate((i - 1.5) * 18 * spread);
        const QRectF card(-30, -130, 60, 84);
        p.setPen(QPen(QColor(40, 40, 40), 1.2));
        p.setBrush(QColor(255, 253, 246));
        p.drawRoundedRect(card, 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(isRed(suits[i]) ? QColor(200, 16, 32) : QColor(20, 20, 20));
        p.drawPath(suitPath(suits[i], QRectF(-14, -104, 28, 28)));
        drawText(p, QRectF(-28, -128, 16, 16), "A", font(kSerif, 13, true), isRed(suits[i]) ? QColor(200, 16, 32) : Qt::black);
        p.restore();
      }
      const double tw = 0.5 + 0.5 * std::sin(phase * 3);
      drawEmoji(p, QRectF(w / 2.0 - 10 - 6 * tw, 8 - 6 * tw, 20 + 12 * tw, 20 + 12 * tw), "✨");
    } else {
      // The four suit signs circle round a joker's cap.
      p.setPen(Qt::NoPen);
      for (int i = 0; i < 4; ++i) {
        const double a = phase + i * kPi / 2;
        const QPointF c(w / 2.0 + 55 * std::cos(a), h / 2.0 + 28 * std::sin(a) + 10);
        const double s = 26 + 8 * std::sin(a);
        p.setBrush(isRed(suits[i]) ? QColor(210, 20, 40) : QColor(25, 25, 25));
        p.drawPath(suitPath(suits[i], QRectF(c.x() - s / 2, c.y() - s / 2, s, s)));
      }
      drawEmoji(p, QRectF(w / 2.0 - 32, h / 2.0 - 45 + 4 * std::sin(phase * 2), 64, 64), "🃏");
    }
    frames.push_back(img);
  }
  return frames;
}

std::vector<QImage> endAnimation(int kind) {
  // kind 0 best (plays once, rests at frame 25), 1 good (rests at 24), 2 bad (loops).
  std::vector<QImage> frames;
  const int w = 100, h = 200, n = kind == 2 ? 8 : 26;
  for (int f = 0; f < n; ++f) {
    QImage img = canvas(w, h);
    QPainter p(&img);
    antialias(p);
    const double t = double(f) / (n - 1);
    if (kind < 2) {
      const double rise = std::min(1.0, t * 1.4);
      const QString cup = kind == 0 ? "🏆" : "🥈";
      const double s = 40 + 30 * rise;
      drawEmoji(p, QRectF(w / 2.0 - s / 2, h - 20 - s - 80 * rise, s, s), cup);
      Rng rng(uint64_t(kind * 100 + f));
      for (int k = 0; k < (kind == 0 ? 6 : 3); ++k) {
        const double a = 2 * kPi * k / 6 + t * 3;
        const double r = 10 + 40 * t;
        drawEmoji(p, QRectF(w / 2.0 + r * std::cos(a) - 8, 60 + r * std::sin(a) - 8, 16, 16), kind == 0 ? "🎆" : "✨");
      }
      (void)rng;
    } else {
      drawEmoji(p, QRectF(15, 30, 70, 60), "🌧️");
      p.setPen(QPen(QColor(80, 120, 220), 2));
      for (int k = 0; k < 6; ++k) {
        const double y = 95 + std::fmod(f * 12.0 + k * 23.0, 90.0);
        p.drawLine(QPointF(25 + k * 10, y), QPointF(22 + k * 10, y + 8));
      }
      drawEmoji(p, QRectF(30, 150, 40, 40), "😔");
    }
    frames.push_back(img);
  }
  return frames;
}

QImage digit(const QString& ch, QColor on, int w, int h) {
  // Seven-segment digits; unlit segments show faintly.
  QImage img = canvas(w, h);
  QPainter p(&img);
  antialias(p);
  static const QHash<QString, QString> segs = {
      {"0", "abcdef"}, {"1", "bc"}, {"2", "abdeg"}, {"3", "abcdg"}, {"4", "bcfg"}, {"5", "acdfg"},
      {"6", "acdefg"}, {"7", "abc"}, {"8", "abcdefg"}, {"9", "abcdfg"}, {"M", "g"}};
  const QString lit = segs.value(ch);
  const double t = w * 0.16, m = t * 0.6;
  auto seg = [&](QChar s) -> QRectF {
    switch (s.toLatin1()) {
      case 'a': return QRectF(m + t * 0.5, m * 0.5, w - 2 * m - t, t);
      case 'b': return QRectF(w - m - t, m + t * 0.5, t, h / 2.0 - m - t);
      case 'c': return QRectF(w - m - t, h / 2.0 + t * 0.5, t, h / 2.0 - m - t);
      case 'd': return QRectF(m + t * 0.5, h - m * 0.5 - t, w - 2 * m - t, t);
      case 'e': return QRectF(m, h / 2.0 + t * 0.5, t, h / 2.0 - m - t);
      case 'f': return QRectF(m, m + t * 0.5, t, h / 2.0 - m - t);
      default: return QRectF(m + t * 0.5, h / 2.0 - t / 2, w - 2 * m - t, t);
    }
  };
  p.setPen(Qt::NoPen);
  for (QChar s : QString("abcdefg")) {
    QColor c = lit.contains(s) ? on : QColor(on.red(), on.green(), on.blue(), 35);
    p.setBrush(c);
    p.drawRoundedRect(seg(s), t / 2, t / 2);
  }
  return img;
}

QImage candlestick() {
  QImage img = canvas(100, 200);
  QPainter p(&img);
  antialias(p);
  QLinearGradient gold(0, 0, 100, 0);
  gold.setColorAt(0, QColor(150, 105, 20));
  gold.setColorAt(0.5, QColor(250, 215, 110));
  gold.setColorAt(1, QColor(140, 95, 15));
  p.setPen(QPen(QColor(110, 75, 10), 1));
  p.setBrush(gold);
  // Base, stem and the arms of a three-candle candelabrum.
  p.drawEllipse(QRectF(22, 182, 56, 14));
  p.drawRect(QRectF(46, 110, 8, 76));
  QPainterPath arms;
  arms.moveTo(26, 88);
  arms.cubicTo(26, 120, 74, 120, 74, 88);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(200, 160, 60), 5));
  p.drawPath(arms);
  p.setPen(QPen(QColor(110, 75, 10), 1));
  p.setBrush(gold);
  for (double x : {26.0, 51.0, 76.0}) p.drawRect(QRectF(x - 8, x == 51 ? 70 : 84, 16, 6));
  // Candles under the three flames (flames sit at 16,15 / 41,1 / 66,15, 20 by 30).
  QLinearGradient wax(0, 0, 12, 0);
  wax.setColorAt(0, QColor(235, 225, 205));
  wax.setColorAt(0.5, QColor(255, 252, 240));
  wax.setColorAt(1, QColor(220, 210, 190));
  p.setBrush(wax);
  p.setPen(QPen(QColor(190, 180, 160), 1));
  p.drawRect(QRectF(20, 44, 12, 40));
  p.drawRect(QRectF(45, 30, 12, 40));
  p.drawRect(QRectF(70, 44, 12, 40));
  p.setPen(QPen(QColor(40, 30, 20), 1.5));
  for (QPointF w : {QPointF(26, 44), QPointF(51, 30), QPointF(76, 44)}) p.drawLine(w, w - QPointF(0, 4));
  return img;
}

QImage flame(int phase) {
  QImage img = canvas(20, 30);
  QPainter p(&img);
  antialias(p);
  const double sway = std::sin(phase * kPi / 3) * 2.5, stretch = 1 + 0.12 * std::cos(phase * kPi / 3 * 2);
  auto tongue = [&](double scale, QColor c) {
    QPainterPath f;
    const double top = 30 - 28 * scale * stretch;
    f.moveTo(10 + sway * scale, top);
    f.cubicTo(10 + 8 * scale, 30 - 14 * scale, 10 + 7 * scale, 29, 10, 29);
    f.cubicTo(10 - 7 * scale, 29, 10 - 8 * scale, 30 - 14 * scale, 10 + sway * scale, top);
    p.setBrush(c);
    p.drawPath(f);
  };
  p.setPen(Qt::NoPen);
  tongue(1.0, QColor(255, 120, 0, 200));
  tongue(0.72, QColor(255, 200, 40, 230));
  tongue(0.42, QColor(255, 250, 210));
  return img;
}

QImage silhouette(bool male) {
  QImage img = canvas(200, 250, QColor(225, 230, 238));
  QPainter p(&img);
  antialias(p);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 160, 178));
  p.drawEllipse(QRectF(60, 45, 80, 92));
  QPainterPath body;
  body.moveTo(20, 250);
  body.cubicTo(25, 165, 175, 165, 180, 250);
  p.drawPath(body);
  if (!male) {
    p.drawEllipse(QRectF(48, 40, 104, 70));
    p.drawRect(QRectF(52, 75, 96, 80));
    p.setBrush(QColor(225, 230, 238));
    p.drawRect(QRectF(72, 95, 56, 70));
    p.setBrush(QColor(150, 160, 178));
    p.drawEllipse(QRectF(66, 62, 68, 80));
  }
  drawText(p, QRectF(0, 210, 200, 30), "?", font(kSans, 22, true), QColor(250, 250, 255));
  return img;
}

}  // namespace

void makeDecorations(Sink& sink) {
  const QColor red(190, 20, 30), gold(255, 205, 60);
  for (int w : {150, 280, 300, 430, 550, 610}) sink.png(QString("GCap%1").arg(w), ribbon(w, 50, red));
  const int lenta[6][2] = {{200, 100}, {280, 90}, {300, 100}, {360, 100}, {380, 120}, {590, 116}};
  for (auto& l : lenta)
    sink.png(QString("GLenta%1x%2").arg(l[0]).arg(l[1], 3, 10, QChar('0')), ribbon(l[0], l[1], QColor(160, 25, 60)));
  const QStringList cap = captionTexts("Cap"), elite = captionTexts("Elite"), net = captionTexts("Net__");
  for (int l = 0; l < 8; ++l) {
    QImage c = canvas(400, 70);
    {
      QPainter p(&c);
      antialias(p);
      drawFittedText(p, QRectF(10, 0, 380, 44), "VANTORN", kSerif, true, gold, QColor(80, 0, 0));
      drawFittedText(p, QRectF(40, 42, 320, 26), cap[l], fontFor(l), true, QColor(255, 240, 200), QColor(0, 0, 0, 180));
    }
    sink.png(QString("Cap") + kPictureLanguages[l], c);
    sink.png(QString("Elite") + kPictureLanguages[l], captionPicture(350, 40, elite[l], l, QColor(255, 220, 90)));
    sink.png(QString("Net__") + kPictureLanguages[l], captionPicture(350, 40, net[l], l, QColor(150, 220, 255)));
  }
  {  // The logo: a small fan of the four suits on a gold disc.
    QImage logo = canvas(64, 64);
    QPainter p(&logo);
    antialias(p);
    QRadialGradient g(24, 20, 40);
    g.setColorAt(0, QColor(255, 240, 170));
    g.setColorAt(1, QColor(190, 140, 30));
    p.setBrush(g);
    p.setPen(QPen(QColor(120, 80, 10), 2));
    p.drawEllipse(QRectF(2, 2, 60, 60));
    p.setPen(Qt::NoPen);
    const Suit s[4] = {Suit::Spades, Suit::Hearts, Suit::Clubs, Suit::Diamonds};
    const QPointF at[4] = {{18, 18}, {46, 18}, {18, 46}, {46, 46}};
    for (int i = 0; i < 4; ++i) {
      p.setBrush(isRed(s[i]) ? QColor(200, 16, 32) : QColor(20, 20, 20));
      p.drawPath(suitPath(s[i], QRectF(at[i].x() - 10, at[i].y() - 10, 20, 20)));
    }
    sink.png("Logo", logo);
  }
  {  // The title over the player list.
    QImage t = canvas(600, 180);
    QPainter p(&t);
    antialias(p);
    p.drawImage(0, 20, ribbon(600, 150, QColor(120, 20, 40)));
    drawFittedText(p, QRectF(70, 40, 460, 90), "VANTORN", kSerif, true, gold, QColor(40, 0, 0));
    sink.png("GTitle", t);
  }
  const std::vector<QImage> m1 = menuAnimation(1), m2 = menuAnimation(2);
  sink.gif("GifMenu1", m1, 60);
  sink.gif("GifMenu2", m2, 60);
  sink.png("PngMenu1", m1[m1.size() / 2]);  // the fan fully open
  sink.png("PngMenu2", m2.front());
  sink.gif("GEndBest", endAnimation(0), 80, false);
  sink.gif("GEndGood", endAnimation(1), 80, false);
  sink.gif("GEndBads", endAnimation(2), 120, true);
  struct Club { const char* name; const char* emoji; QColor colour; };
  const Club clubs[6] = {{"GClubA", "🌍", QColor(30, 90, 170)},  {"GClubB", "🏅", QColor(150, 30, 40)},
                         {"GClubC", "🃏", QColor(30, 120, 60)},  {"GClubE", "🏆", QColor(120, 60, 150)},
                         {"GClubF", "👑", QColor(160, 110, 20)}, {"GClubG", "🔗", QColor(20, 120, 140)}};
  for (const Club& c : clubs) sink.gif(c.name, emblemFrames(60, 75, c.emoji, c.colour, 12), 90);
  for (int k = 0; k < 2; ++k) {  // news (blue) and chat (red) sirens: a turning beacon
    std::vector<QImage> frames;
    const QColor c = k ? QColor(230, 30, 30) : QColor(30, 90, 240);
    for (int f = 0; f < 8; ++f) {
      QImage img = canvas(32, 32);
      QPainter p(&img);
      antialias(p);
      const double a = f * 45.0;
      // Two opposite light beams turning round the lamp (solid: a GIF has no soft alpha).
      p.setPen(Qt::NoPen);
      p.setBrush(c.lighter(140));
      for (int side = 0; side < 2; ++side) {
        const double b = (a + side * 180) * 3.14159265358979323846 / 180;
        QPolygonF beam;
        beam << QPointF(16, 14) << QPointF(16 + 17 * std::cos(b - 0.28), 14 + 15 * std::sin(b - 0.28))
             << QPointF(16 + 17 * std::cos(b + 0.28), 14 + 15 * std::sin(b + 0.28));
        p.drawPolygon(beam);
      }
      p.setBrush(c.lighter(f % 2 ? 150 : 110));
      p.drawRoundedRect(QRectF(9, 6, 14, 18), 7, 7);
      p.setBrush(QColor(60, 60, 60));
      p.drawRect(QRectF(6, 24, 20, 6));
      frames.push_back(img);
    }
    sink.gif(k ? "GSirenaR" : "GSirenaB", frames, 100);
  }
  {  // The score window's animation: three cards hop in turn.
    std::vector<QImage> frames;
    for (int f = 0; f < 12; ++f) {
      QImage img = canvas(120, 60);
      QPainter p(&img);
      antialias(p);
      for (int i = 0; i < 3; ++i) {
        const double hop = std::max(0.0, std::sin((f - i * 4) * kPi / 6)) * 10;
        const QRectF r(14 + i * 34, 14 - hop, 28, 40);
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(255, 253, 246));
        p.drawRoundedRect(r, 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(i == 1 ? QColor(200, 16, 32) : QColor(20, 20, 20));
        p.drawPath(suitPath(i == 0 ? Suit::Spades : i == 1 ? Suit::Hearts : Suit::Clubs, r.adjusted(7, 11, -7, -11)));
      }
      frames.push_back(img);
    }
    sink.gif("GGenCount", frames, 90);
  }
  // Stars of the account window (animated) and the account lamps.
  const QColor starColour[3] = {QColor(220, 30, 30), QColor(240, 200, 20), QColor(30, 180, 60)};
  const char* starName[3] = {"StarR0", "StarY0", "StarG0"};
  const char* lampName[3] = {"LampR24", "LampY24", "LampG24"};
  for (int k = 0; k < 3; ++k) {
    std::vector<QImage> frames;
    for (int f = 0; f < 10; ++f) {
      QImage img = canvas(32, 32);
      QPainter p(&img);
      antialias(p);
      QPolygonF star;
      const double r0 = 14 + std::sin(f * kPi / 5), rot = f * 7.2 * kPi / 180;
      for (int i = 0; i < 10; ++i) {
        const double a = rot - kPi / 2 + i * kPi / 5, r = i % 2 ? r0 * 0.45 : r0;
        star << QPointF(16 + r * std::cos(a), 16 + r * std::sin(a));
      }
      p.setPen(QPen(starColour[k].darker(170), 1));
      p.setBrush(starColour[k]);
      p.drawPolygon(star);
      frames.push_back(img);
    }
    sink.gif(starName[k], frames, 80);
    QImage lamp = canvas(24, 24);
    QPainter p(&lamp);
    antialias(p);
    QRadialGradient g(9, 8, 14);
    g.setColorAt(0, Qt::white);
    g.setColorAt(0.35, starColour[k].lighter(130));
    g.setColorAt(1, starColour[k].darker(160));
    p.setPen(QPen(QColor(50, 50, 50), 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(2, 2, 20, 20));
    sink.png(lampName[k], lamp);
  }
  // Icons of the menu's online column and of the boards.
  sink.png("AdvGiftR", emojiIcon("🎁", 48, QColor(200, 40, 40)));
  sink.png("AdvGiftG", emojiIcon("🎁", 48, QColor(40, 150, 60)));
  sink.png("Android", emojiIcon("📱", 48, QColor(120, 190, 60)));
  sink.png("GooglePlay", emojiIcon("📲", 48, QColor(40, 110, 200)));
  sink.png("Earth48", emojiIcon("🌍", 48));
  sink.png("Stats", emojiIcon("📊", 48));
  sink.png("Windows", emojiIcon("🖥️", 48));
  sink.png("Account48", emojiIcon("👤", 48, QColor(60, 90, 150)));
  sink.png("GQexs128", emojiIcon("🪙", 128));
  // The help and tournament icons of the online column (drawn transparent over the table).
  sink.png("GIconHelp", emojiIcon("❓", 48));
  sink.png("GIconTour", emojiIcon("🏆", 48));
  sink.png("GTourOn", emojiIcon("🏆", 48, QColor(40, 170, 70)));
  sink.png("GTourOff", emojiIcon("🏆", 48, QColor(150, 150, 150)));
  sink.png("GRadioA", emojiIcon("📻", 48));
  sink.png("GRadioB", emojiIcon("🚫", 20));
  {
    auto dot = [](QColor c) {
      QImage img = canvas(20, 20);
      QPainter p(&img);
      antialias(p);
      p.setPen(QPen(c.darker(170), 1));
      p.setBrush(c);
      p.drawEllipse(QRectF(3, 3, 14, 14));
      return img;
    };
    sink.png("GRadioR", dot(QColor(220, 30, 30)));
    sink.png("GRadioG", dot(QColor(30, 200, 60)));
  }
  sink.png("FaceMan16", emojiIcon("👨", 16));
  sink.png("FaceWoman16", emojiIcon("👩", 16));
  sink.png("GNews072", emojiIcon("📰", 72, QColor(40, 90, 200)));
  sink.png("GChat072", emojiIcon("💬", 72, QColor(200, 50, 50)));
  sink.png("GPolkaNw", plate(150, 80, QColor(110, 70, 40), 10));
  {
    QImage n = plate(28, 14, QColor(230, 40, 40), 5);
    QPainter p(&n);
    antialias(p);
    drawText(p, QRectF(0, 0, 28, 14), "NEW", font(kSans, 9, true), Qt::white);
    p.end();
    sink.png("GNew", n);
  }
  {
    QImage m = canvas(90, 110);
    QPainter p(&m);
    antialias(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 70, 170));
    p.drawPolygon(QPolygonF() << QPointF(25, 0) << QPointF(45, 0) << QPointF(55, 40) << QPointF(35, 40));
    p.setBrush(QColor(200, 30, 40));
    p.drawPolygon(QPolygonF() << QPointF(45, 0) << QPointF(65, 0) << QPointF(55, 40) << QPointF(35, 40));
    QRadialGradient g(38, 62, 40);
    g.setColorAt(0, QColor(255, 240, 150));
    g.setColorAt(1, QColor(190, 130, 20));
    p.setBrush(g);
    p.setPen(QPen(QColor(130, 85, 10), 2));
    p.drawEllipse(QRectF(10, 35, 70, 70));
    p.end();
    sink.png("GMedal", m);
  }
  for (int k = 1; k <= 10; ++k) {
    QImage n = canvas(50, 50);
    QPainter p(&n);
    antialias(p);
    drawText(p, QRectF(0, 0, 50, 50), QString::number(k), font(kSerif, k == 10 ? 26 : 32, true), QColor(120, 20, 20),
             QColor(255, 255, 255, 160));
    p.end();
    sink.png(QString("GPlace%1").arg(k, 2, 10, QChar('0')), n);
  }
  {  // The scroll behind text areas.
    QImage s = canvas(300, 220);
    QPainter p(&s);
    antialias(p);
    QLinearGradient g(0, 0, 300, 0);
    g.setColorAt(0, QColor(225, 200, 150));
    g.setColorAt(0.5, QColor(250, 236, 200));
    g.setColorAt(1, QColor(225, 200, 150));
    p.setBrush(g);
    p.setPen(QPen(QColor(160, 120, 60), 1.5));
    p.drawRect(QRectF(14, 16, 272, 188));
    for (double y : {4.0, 196.0}) {
      QLinearGradient r(0, y, 0, y + 20);
      r.setColorAt(0, QColor(200, 160, 90));
      r.setColorAt(0.5, QColor(245, 225, 180));
      r.setColorAt(1, QColor(170, 130, 60));
      p.setBrush(r);
      p.drawRoundedRect(QRectF(4, y, 292, 20), 10, 10);
    }
    p.end();
    sink.png("GSvitok", s);
  }
  {
    QImage bar = plate(350, 80, QColor(245, 225, 160), 14);
    sink.png("AdvBar3", bar);
  }
  sink.png("GAcNoM", silhouette(true));
  sink.png("GAcNoF", silhouette(false));
  {
    QImage f = canvas(220, 270);
    QPainter p(&f);
    antialias(p);
    QLinearGradient g(0, 0, 220, 270);
    g.setColorAt(0, QColor(250, 220, 120));
    g.setColorAt(0.5, QColor(170, 120, 30));
    g.setColorAt(1, QColor(250, 220, 120));
    QPainterPath frame;
    frame.addRoundedRect(QRectF(0, 0, 220, 270), 10, 10);
    frame.addRect(QRectF(10, 10, 200, 250));
    frame.setFillRule(Qt::OddEvenFill);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(frame);
    p.end();
    sink.png("GAcFrame", f);
  }
  // The music player's buttons.
  {
    auto button = [](int w, int h, const std::function<void(QPainter&)>& glyph) {
      QImage img = plate(w, h, QColor(60, 70, 90), 6);
      QPainter p(&img);
      antialias(p);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(240, 240, 250));
      glyph(p);
      return img;
    };
    sink.png("MP_Play", button(36, 24, [](QPainter& p) {
      p.drawPolygon(QPolygonF() << QPointF(13, 6) << QPointF(25, 12) << QPointF(13, 18));
    }));
    sink.png("MP_Pause", button(36, 24, [](QPainter& p) {
      p.drawRect(QRectF(12, 6, 4, 12));
      p.drawRect(QRectF(20, 6, 4, 12));
    }));
    sink.png("MP_Next", button(36, 24, [](QPainter& p) {
      p.drawPolygon(QPolygonF() << QPointF(9, 6) << QPointF(18, 12) << QPointF(9, 18));
      p.drawPolygon(QPolygonF() << QPointF(18, 6) << QPointF(27, 12) << QPointF(18, 18));
    }));
    sink.png("MP_Volume", button(60, 24, [](QPainter& p) {
      p.drawRect(QRectF(5, 9, 4, 6));
      p.drawPolygon(QPolygonF() << QPointF(9, 9) << QPointF(15, 5) << QPointF(15, 19) << QPointF(9, 15));
      p.drawRect(QRectF(27, 11, 6, 2));  // minus on the left half ...
      p.drawRect(QRectF(47, 11, 8, 2));  // ... plus on the right
      p.drawRect(QRectF(50, 8, 2, 8));
    }));
  }
  // Clocks of the menu: the time clock's digits and the seven information-board sets.
  {
    QImage bg = plate(115, 64, QColor(30, 30, 40), 10);
    QPainter p(&bg);
    p.fillRect(QRect(8, 10, 99, 44), QColor(10, 10, 14));
    p.end();
    sink.png("GClockBG", bg);
    for (int d = 0; d <= 9; ++d) sink.png(QString("GBClock%1").arg(d), digit(QString::number(d), QColor(255, 70, 40), 18, 34));
    QImage colon = canvas(6, 16);
    QPainter c(&colon);
    antialias(c);
    c.setPen(Qt::NoPen);
    c.setBrush(QColor(255, 70, 40));
    c.drawEllipse(QRectF(1, 1, 4, 4));
    c.drawEllipse(QRectF(1, 11, 4, 4));
    c.end();
    sink.png("GBClockP", colon);
    const struct { const char* prefix; QColor c; } sets[7] = {
        {"GRClock", QColor(255, 60, 60)},   {"GAClock", QColor(60, 230, 255)}, {"GGClock", QColor(60, 240, 90)},
        {"GYClock", QColor(255, 230, 50)},  {"GVClock", QColor(210, 110, 255)}, {"GLClock", QColor(190, 255, 60)},
        {"GNClock", QColor(90, 140, 255)}};
    for (const auto& s : sets) {
      for (int d = 0; d <= 9; ++d) sink.png(QString("%1%2").arg(s.prefix).arg(d), digit(QString::number(d), s.c, 18, 34));
      sink.png(QString(s.prefix) + "M", digit("M", s.c, 18, 34));
    }
  }
  sink.png("GCandle", candlestick());
  for (int f = 0; f < 6; ++f) sink.png(QString("GFlame%1").arg(f + 1), flame(f));
  // The intro's four moving cards (60 by 70) and the popup menu's icons (24 by 24).
  const QString introEmoji[4] = {"♠️", "♥️", "♣️", "♦️"};
  for (int i = 0; i < 4; ++i) {
    QImage c = canvas(60, 70);
    QPainter p(&c);
    antialias(p);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(QColor(255, 253, 246));
    p.drawRoundedRect(QRectF(6, 1, 48, 68), 5, 5);
    p.setPen(Qt::NoPen);
    const Suit s = Suit(i == 0 ? 3 : i == 1 ? 0 : i == 2 ? 2 : 1);
    p.setBrush(isRed(s) ? QColor(200, 16, 32) : QColor(20, 20, 20));
    p.drawPath(suitPath(s, QRectF(17, 22, 26, 26)));
    drawText(p, QRectF(8, 3, 14, 14), "A", font(kSerif, 11, true), isRed(s) ? QColor(200, 16, 32) : Qt::black);
    p.end();
    sink.png(QString("GIntro%1").arg(i + 1), c);
    (void)introEmoji;
  }
  const struct { const char* key; const char* emoji; } popup[] = {
      {"Options", "⚙️"}, {"TopTen", "🏆"}, {"History", "📜"}, {"Mode", "🔀"},   {"GenCount", "📋"},
      {"ChangeName", "✏️"}, {"MSpeed", "⏩"}, {"MRadio", "📻"}, {"MChat", "💬"}, {"Help", "❓"},
      {"About", "ℹ️"}, {"Quit", "🚪"}, {"Exit", "❌"}, {"Rules", "📖"}, {"Sound", "🔊"}, {"Music", "🎵"}};
  for (const auto& m : popup) sink.png(QString("GPopup") + m.key, emojiIcon(m.emoji, 24));
  // Bases of the suit dialog's buttons: red for hearts and diamonds, blue for clubs and spades.
  sink.png("GMRed", plate(64, 64, QColor(190, 30, 40), 12));
  sink.png("GMBlue", plate(64, 64, QColor(30, 70, 180), 12));
  // The resize routine's work picture: any small RGBA picture.
  sink.png("GFree", canvas(16, 16));
}

void makeTablePictures(Sink& sink) {
  const int sw = 69, sh = 94, bw = 146, bh = 198;
  auto mark = [&](const QString& name, QColor c, const QString& symbol, bool dashed) {
    for (int big = 0; big < 2; ++big) {
      const int w = big ? bw : sw, h = big ? bh : sh;
      const double u = w / 69.0;
      QImage img = canvas(w, h);
      QPainter p(&img);
      antialias(p);
      p.setPen(QPen(c.darker(130), 2 * u, dashed ? Qt::DashLine : Qt::SolidLine));
      QColor fill = c;
      fill.setAlpha(dashed ? 40 : 90);
      p.setBrush(fill);
      p.drawRoundedRect(QRectF(u, u, w - 2 * u, h - 2 * u), 5 * u, 5 * u);
      if (!symbol.isEmpty()) drawText(p, QRectF(0, 0, w, h), symbol, font(kSans, 40 * u, true), c.darker(120), QColor(255, 255, 255, 150));
      p.end();
      sink.png(name + (big ? "Bg" : "Sm"), img);
    }
  };
  mark("GCard0", QColor(240, 240, 240), "", true);
  mark("GKnockY", QColor(30, 170, 60), "✔", false);
  mark("GKnockN", QColor(210, 30, 30), "✘", false);
  const struct { const char* n; QColor c; } marks[8] = {
      {"Black", QColor(20, 20, 20)},     {"Red", QColor(220, 20, 30)},   {"Navy", QColor(20, 30, 130)},
      {"Green", QColor(20, 150, 50)},    {"Yellow", QColor(240, 210, 20)}, {"Violet", QColor(150, 40, 200)},
      {"Aqua", QColor(20, 200, 220)},    {"Orang", QColor(250, 140, 20)}};
  for (const auto& m : marks) mark(QString("GCard") + m.n, m.c, "", false);
  const struct { const char* n; QColor c; } plates[5] = {
      {"SPBlue", QColor(40, 80, 200)}, {"SPGreen", QColor(30, 140, 60)}, {"SPRed", QColor(190, 30, 30)},
      {"SPYellow", QColor(220, 180, 20)}, {"SPFiolet", QColor(130, 50, 170)}};
  for (const auto& pl : plates) {
    sink.png(pl.n, plate(160, 20, pl.c, 9));
    sink.png(QString(pl.n) + "B", plate(320, 40, pl.c, 18));
  }
  auto frame = [&](int w, int h, QColor c) {
    QImage img = canvas(w, h);
    QPainter p(&img);
    antialias(p);
    const double u = w / 130.0;
    p.setPen(QPen(c, 3 * u));
    p.setBrush(QColor(255, 250, 235, 215));
    p.drawRoundedRect(QRectF(2 * u, 2 * u, w - 4 * u, h - 4 * u), 8 * u, 8 * u);
    p.setPen(QPen(c.lighter(160), 1 * u));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6 * u, 6 * u, w - 12 * u, h - 12 * u), 5 * u, 5 * u);
    return img;
  };
  sink.png("RamkaERSm", frame(130, 90, QColor(140, 100, 30)));
  sink.png("RamkaERBg", frame(260, 180, QColor(140, 100, 30)));
  sink.png("RamkaBBSm", frame(120, 150, QColor(30, 60, 140)));
  sink.png("RamkaBBBg", frame(240, 300, QColor(30, 60, 140)));
  for (int k = 0; k < 2; ++k) {
    QImage t = canvas(48, 48);
    QPainter p(&t);
    antialias(p);
    const QColor c = k ? QColor(220, 40, 30) : QColor(250, 210, 40);
    QRadialGradient g(18, 16, 30);
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(1, c.darker(130));
    p.setPen(QPen(QColor(60, 50, 40), 2));
    p.setBrush(g);
    p.drawEllipse(QRectF(3, 5, 42, 42));
    p.setBrush(QColor(60, 50, 40));
    p.drawRect(QRectF(20, 0, 8, 5));
    p.end();
    sink.png(k ? "GTimerR" : "GTimerY", t);
  }
  for (int big = 0; big < 2; ++big) {
    const int w = big ? 310 : 155, h = big ? 190 : 95;
    const double u = w / 155.0;
    QImage t = plate(w, h, QColor(40, 90, 50), int(10 * u));
    QPainter p(&t);
    antialias(p);
    p.setPen(QPen(QColor(250, 230, 160), 1.5 * u));
    p.setBrush(QColor(250, 248, 235));
    p.drawRoundedRect(QRectF(12 * u, 12 * u, 131 * u, 36 * u), 5 * u, 5 * u);
    p.drawRoundedRect(QRectF(12 * u, 50 * u, 40 * u, 33 * u), 5 * u, 5 * u);
    p.drawRoundedRect(QRectF(55 * u, 50 * u, 46 * u, 33 * u), 5 * u, 5 * u);
    p.end();
    sink.png(big ? "TabloBg" : "TabloSm", t);
  }
  for (int k = 0; k < 2; ++k)
    for (int big = 0; big < 2; ++big) {
      const int s = big ? 60 : 30;
      QImage st = canvas(s, s);
      QPainter p(&st);
      antialias(p);
      QPolygonF star;
      for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5, r = (i % 2 ? 0.2 : 0.48) * s;
        star << QPointF(s / 2.0 + r * std::cos(a), s / 2.0 + r * std::sin(a));
      }
      const QColor c = k ? QColor(220, 20, 30) : QColor(30, 30, 30);
      p.setPen(QPen(QColor(255, 215, 80), s / 20.0));
      p.setBrush(c);
      p.drawPolygon(star);
      p.end();
      sink.png(QString(k ? "ZvezdaR" : "ZvezdaX") + (big ? "" : "Sm"), st);
    }
  makeCapsules(sink);
}

}  // namespace assets
