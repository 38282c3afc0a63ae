#include "face_art.h"

#include "paint.h"

#include <QHash>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace assets {
namespace {

QImage cachedEmoji(const QString& e, int w, int h) {
  static QHash<QString, QImage> cache;
  const QString key = QString("%1|%2|%3").arg(e).arg(w).arg(h);
  auto it = cache.find(key);
  if (it == cache.end()) it = cache.insert(key, emojiImage(e, w, h));
  return *it;
}

void emojiAt(QPainter& p, const QString& e, const QRectF& box) {
  const QImage img = cachedEmoji(e, std::max(1, int(box.width())), std::max(1, int(box.height())));
  p.drawImage(QPointF(box.center().x() - img.width() / 2.0, box.center().y() - img.height() / 2.0), img);
}

DeckTheme base() {
  DeckTheme t;
  t.paper = QColor(255, 253, 246);
  t.frame = QColor(40, 40, 40);
  t.panel = QColor(250, 236, 200);
  t.accent = QColor(30, 60, 150);
  t.suitColour[0] = t.suitColour[1] = QColor(200, 16, 32);
  t.suitColour[2] = t.suitColour[3] = QColor(20, 20, 20);
  const char* idx[6] = {"9", "10", "J", "Q", "K", "A"};
  for (int i = 0; i < 6; ++i) t.index[i] = idx[i];
  t.figure[0] = "💂";
  t.figure[1] = "👸";
  t.figure[2] = "🤴";
  t.motif = "⚜️";
  return t;
}

DeckTheme make(int deck) {
  DeckTheme t = base();
  auto russian = [&] {
    const char* idx[6] = {"9", "10", "В", "Д", "К", "Т"};
    for (int i = 0; i < 6; ++i) t.index[i] = QString::fromUtf8(idx[i]);
  };
  switch (deck) {
    case 1: t.motif = "🛡️"; t.panel = QColor(220, 200, 160); t.accent = QColor(120, 30, 30); t.border = 1;
      t.figure[0] = "🏹"; t.figure[2] = "🫅"; break;
    case 5: t.motif = "☘️"; t.panel = QColor(200, 230, 200); t.accent = QColor(20, 110, 60); t.border = 2;
      t.figure[0] = "🧝"; t.figure[1] = "🧚"; t.figure[2] = "🧙"; break;
    case 6: t.motif = "👑"; t.panel = QColor(255, 230, 150); t.accent = QColor(170, 120, 0); t.border = 1;
      t.figure[0] = "🦸"; t.figure[2] = "🫅"; break;
    case 7: t.motif = "💎"; t.panel = QColor(240, 210, 230); t.accent = QColor(110, 20, 90);
      t.figure[0] = "🤵"; t.figure[1] = "👰"; t.figure[2] = "🫅"; break;
    case 10: t.motif = "🎩"; t.panel = QColor(225, 215, 240); t.accent = QColor(70, 40, 120);
      t.figure[0] = "🤺"; t.figure[1] = "💃"; t.figure[2] = "🤴"; break;
    case 11: t.motif = "🪶"; t.panel = QColor(240, 215, 170); t.accent = QColor(150, 70, 20); t.border = 2;
      t.figure[0] = "🏹"; t.figure[1] = "🪶"; t.figure[2] = "🦅"; break;
    case 12: t.motif = "🌹"; t.panel = QColor(250, 225, 230); t.accent = QColor(170, 30, 70); t.border = 2;
      t.figure[0] = "🌷"; t.figure[1] = "🌹"; t.figure[2] = "🥀"; break;
    case 13: t.motif = "🦜"; t.panel = QColor(205, 240, 210); t.accent = QColor(0, 130, 90);
      t.figure[0] = "🦜"; t.figure[1] = "🦜"; t.figure[2] = "🦜"; break;
    case 15: t.motif = "🎭"; t.panel = QColor(235, 225, 200); t.accent = QColor(90, 60, 30); t.border = 1;
      t.figure[0] = "🤹"; t.figure[1] = "👸"; t.figure[2] = "🤴"; break;
    case 16: t.motif = "🕰️"; t.panel = QColor(215, 225, 240); t.accent = QColor(30, 50, 100); t.border = 1;
      t.figure[0] = "👮"; break;
    case 17: t.motif = "🏰"; t.panel = QColor(245, 225, 190); t.accent = QColor(130, 20, 20); t.border = 1;
      t.figure[0] = "🤺"; t.figure[2] = "🫅"; break;
    case 18: t.motif = "🚌"; t.panel = QColor(245, 240, 230); t.accent = QColor(200, 20, 20);
      t.figure[0] = "💂"; break;
    case 20: t.motif = "💖"; t.panel = QColor(255, 220, 230); t.accent = QColor(220, 40, 110);
      t.figure[0] = "💌"; t.figure[1] = "💃"; break;
    case 21: t.motif = "🍂"; t.panel = QColor(235, 240, 210); t.accent = QColor(160, 90, 20); t.border = 2;
      t.figure[0] = "🌸"; t.figure[1] = "🌻"; t.figure[2] = "❄️"; break;
    case 22: t.motif = "🍇"; t.panel = QColor(230, 220, 245); t.accent = QColor(90, 40, 130); t.border = 1;
      t.figure[0] = "🧑‍🌾"; break;
    case 23: t.motif = "⚔️"; t.panel = QColor(210, 200, 180); t.accent = QColor(60, 60, 60); t.border = 1;
      t.figure[0] = "🗡️"; t.figure[1] = "🧝‍♀️"; break;
    case 25: t.motif = "🎀"; t.panel = QColor(30, 30, 30); t.accent = QColor(230, 30, 120);
      t.figure[0] = "🕺"; t.figure[1] = "💃"; t.figure[2] = "🤵"; break;
    case 27: t.motif = "⭐"; t.panel = QColor(250, 220, 200); t.accent = QColor(200, 0, 0); russian();
      t.figure[0] = "🧑‍🚀"; t.figure[1] = "👩‍🌾"; t.figure[2] = "👷"; break;
    case 28: t.motif = "🧸"; t.paper = QColor(245, 250, 255); t.panel = QColor(190, 225, 255);
      t.accent = QColor(0, 120, 220); t.border = 1; t.figure[0] = "🤖"; t.figure[1] = "🧚"; t.figure[2] = "🦸"; break;
    case 30:  // tournament suits: French signs in the German colours
      t.suitColour[1] = QColor(230, 160, 0); t.suitColour[3] = QColor(20, 130, 40);
      t.motif = "🏆"; t.panel = QColor(240, 240, 225); t.accent = QColor(40, 90, 40);
      { const char* idx[6] = {"9", "10", "B", "D", "K", "A"}; for (int i = 0; i < 6; ++i) t.index[i] = idx[i]; }
      break;
    case 32: t.motif = "🌺"; t.paper = QColor(255, 255, 255); t.panel = QColor(255, 250, 240);
      t.accent = QColor(200, 40, 20); t.border = 2; t.figure[0] = "🧑‍🌾"; t.figure[2] = "🫅"; russian(); break;
    case 33: t.motif = "🏹"; t.panel = QColor(220, 240, 225); t.accent = QColor(20, 100, 70);
      t.figure[0] = "🦌"; t.figure[1] = "🧝‍♀️"; t.figure[2] = "🧙"; break;
    case 34: t.motif = "🏇"; t.panel = QColor(230, 215, 190); t.accent = QColor(120, 70, 20); t.border = 1;
      t.figure[0] = "🤺"; russian(); break;
    case 35: t.motif = "🂠"; t.paper = QColor(255, 255, 255); t.panel = QColor(235, 240, 250);
      t.accent = QColor(60, 90, 160); t.figure[0] = "🤵"; t.figure[1] = "👩"; t.figure[2] = "🧔"; break;
    case 37: t.motif = "🪆"; t.panel = QColor(250, 215, 200); t.accent = QColor(190, 30, 30); t.border = 2;
      t.figure[0] = "🧑‍🌾"; t.figure[1] = "👩‍🦰"; t.figure[2] = "🧔"; russian(); break;
    case 38: t.motif = "🗿"; t.panel = QColor(215, 235, 200); t.accent = QColor(30, 110, 90); t.border = 2;
      t.figure[0] = "🐆"; t.figure[1] = "🌽"; t.figure[2] = "☀️"; break;
    case 39: t.motif = "🧺"; t.paper = QColor(250, 240, 215); t.panel = QColor(235, 210, 160);
      t.accent = QColor(130, 90, 30); t.border = 2; t.figure[0] = "🐻"; t.figure[1] = "👩‍🌾"; t.figure[2] = "🧔";
      russian(); break;
    case 41: case 42: case 43: case 44: {
      const char* motif[4] = {"🎻", "🏰", "🐂", "💃"};
      t.motif = motif[deck - 41];
      t.panel = QColor(250, 230, 180);
      t.accent = deck == 41 ? QColor(170, 20, 20) : deck == 42 ? QColor(20, 70, 150) : deck == 43 ? QColor(150, 90, 0)
                                                                                               : QColor(120, 20, 100);
      const char* idx[6] = {"9", "10", "S", "C", "R", "A"};
      for (int i = 0; i < 6; ++i) t.index[i] = idx[i];
      t.figure[0] = "🧑‍🦱"; t.figure[1] = "🏇"; t.figure[2] = "🤴";
      if (deck >= 42) {  // Spanish suits: cups, coins, clubs, swords
        t.pip[0] = "🏆"; t.pip[1] = "🪙"; t.pip[2] = "🪵"; t.pip[3] = "🗡️";
      }
      t.border = 1;
      break;
    }
    case 45: t.motif = "🐉"; t.panel = QColor(250, 215, 190); t.accent = QColor(190, 20, 20); t.border = 2;
      t.figure[0] = "🐼"; t.figure[1] = "🏮"; t.figure[2] = "🐲"; break;
    case 47: t.motif = "🍺"; t.panel = QColor(240, 235, 210); t.accent = QColor(30, 60, 130); t.border = 1;
      t.figure[0] = "🧔"; t.figure[1] = "👩‍🦰"; t.figure[2] = "🫅"; break;
    default: break;
  }
  return t;
}

QRectF pipBox(double cx, double cy, double size) { return QRectF(cx - size / 2, cy - size / 2, size, size); }

void drawPip(QPainter& p, const DeckTheme& t, int suit, const QRectF& box, bool flip) {
  if (!t.pip[suit].isEmpty()) {
    p.save();
    if (flip) {
      p.translate(box.center());
      p.rotate(180);
      p.translate(-box.center());
    }
    emojiAt(p, t.pip[suit], box);
    p.restore();
    return;
  }
  QPainterPath path = suitPath(Suit(suit), box);
  if (flip) {
    QTransform tr;
    tr.translate(box.center().x(), box.center().y());
    tr.rotate(180);
    tr.translate(-box.center().x(), -box.center().y());
    path = tr.map(path);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(t.suitColour[suit]);
  p.drawPath(path);
}

void drawBorder(QPainter& p, const DeckTheme& t, const QRectF& r, double unit) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(t.accent, std::max(1.0, unit * 0.5)));
  const QRectF inner = r.adjusted(unit * 2.2, unit * 2.2, -unit * 2.2, -unit * 2.2);
  if (t.border >= 1) p.drawRoundedRect(inner, unit, unit);
  if (t.border == 1) p.drawRoundedRect(inner.adjusted(unit, unit, -unit, -unit), unit, unit);
  if (t.border == 2) {
    p.setPen(Qt::NoPen);
    p.setBrush(t.accent);
    const int n = 9;
    for (int i = 0; i <= n; ++i) {
      const double x = inner.left() + inner.width() * i / n;
      p.drawEllipse(QPointF(x, inner.top() + unit * 0.9), unit * 0.35, unit * 0.35);
      p.drawEllipse(QPointF(x, inner.bottom() - unit * 0.9), unit * 0.35, unit * 0.35);
    }
  }
}

void drawIndex(QPainter& p, const DeckTheme& t, int suit, int rank, double w, double h) {
  const double u = w / 69.0;
  const QColor c = suit >= 0 ? t.suitColour[suit] : t.accent;
  for (int corner = 0; corner < 2; ++corner) {
    p.save();
    if (corner == 1) {
      p.translate(w, h);
      p.rotate(180);
    }
    const QString label = t.index[rank];
    const double fs = (label.size() > 1 ? 11.5 : 14) * u;
    drawText(p, QRectF(1 * u, 2 * u, 15 * u, 15 * u), label, font(kSerif, fs, true), c);
    drawPip(p, t, suit, QRectF(3.5 * u, 17 * u, 10 * u, 10 * u), false);
    p.restore();
  }
}

void paintCourt(QPainter& p, const DeckTheme& t, int suit, int rank, double w, double h) {
  const double u = w / 69.0;
  const QRectF panel(16 * u, 8 * u, w - 32 * u, h - 16 * u);
  QLinearGradient g(panel.topLeft(), panel.bottomRight());
  g.setColorAt(0, t.panel.lighter(108));
  g.setColorAt(1, t.panel.darker(108));
  p.setBrush(g);
  p.setPen(QPen(t.accent, std::max(1.0, 0.8 * u)));
  p.drawRoundedRect(panel, 2 * u, 2 * u);
  // Top half: the figure, the suit and the deck's emblem; the bottom half is the
  // same half turned round, as on a double-headed court card.
  const double half = panel.height() / 2;
  QImage top = canvas(int(panel.width()), int(half));
  {
    QPainter q(&top);
    antialias(q);
    const double fw = top.width(), fh = top.height();
    const QString fig = t.figure[rank - 2];
    emojiAt(q, fig, QRectF(fw * 0.18, fh * 0.12, fw * 0.64, fh * 0.8));
    if (rank == 4 && fig != "🤴") emojiAt(q, "👑", QRectF(fw * 0.35, 0, fw * 0.3, fh * 0.25));
    drawPip(q, t, suit, QRectF(2 * u, 2 * u, 9 * u, 9 * u), false);
    emojiAt(q, t.motif, QRectF(fw - 11 * u, 2 * u, 9 * u, 9 * u));
  }
  p.drawImage(QPointF(panel.left(), panel.top()), top);
  p.save();
  p.translate(panel.left() + panel.width(), panel.bottom());
  p.rotate(180);
  p.drawImage(QPointF(0, 0), top);
  p.restore();
  p.setPen(QPen(t.accent, std::max(1.0, 0.5 * u)));
  p.drawLine(QPointF(panel.left() + 2 * u, panel.center().y()), QPointF(panel.right() - 2 * u, panel.center().y()));
}

void paintPips(QPainter& p, const DeckTheme& t, int suit, int rank, double w, double h) {
  const double u = w / 69.0;
  const double size = 13 * u * std::min(1.0, h / w * 69.0 / 94.0 + 0.0);
  const double lx = w * 0.34, rx = w * 0.66, cx = w / 2;
  const double top = h * 0.17, bottom = h * 0.83;
  auto row = [&](int i) { return top + (bottom - top) * i / 3.0; };
  for (int i = 0; i < 4; ++i) {
    const bool flip = i >= 2;
    drawPip(p, t, suit, pipBox(lx, row(i), size), flip);
    drawPip(p, t, suit, pipBox(rx, row(i), size), flip);
  }
  if (rank == 0) {
    drawPip(p, t, suit, pipBox(cx, (row(1) + row(2)) / 2, size), false);
  } else {
    drawPip(p, t, suit, pipBox(cx, (row(0) + row(1)) / 2, size), false);
    drawPip(p, t, suit, pipBox(cx, (row(2) + row(3)) / 2, size), true);
  }
}

void paintAce(QPainter& p, const DeckTheme& t, int suit, double w, double h) {
  const double u = w / 69.0;
  const QPointF c(w / 2, h / 2);
  p.setPen(QPen(t.accent, std::max(1.0, 0.6 * u)));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, 22 * u, 22 * u);
  const double s = 30 * u;
  drawPip(p, t, suit, pipBox(c.x(), c.y(), s), false);
  emojiAt(p, t.motif, QRectF(c.x() - 5 * u, c.y() + 24 * u, 10 * u, 10 * u));
}

void paintJoker(QPainter& p, const DeckTheme& t, int colour, double w, double h) {
  const double u = w / 69.0;
  const QColor c = colour == 0 ? QColor(20, 70, 200) : colour == 1 ? QColor(205, 20, 30) : QColor(25, 25, 25);
  const QColor c2 = colour == 0 ? QColor(250, 210, 40) : colour == 1 ? QColor(250, 210, 40) : QColor(180, 180, 180);
  // Jester's cap: three points with bells.
  QPainterPath cap;
  const double cx = w / 2, base = h * 0.55;
  cap.moveTo(cx - 14 * u, base);
  cap.quadTo(cx - 19 * u, base - 22 * u, cx - 17 * u, base - 32 * u);
  cap.quadTo(cx - 7 * u, base - 18 * u, cx, base - 40 * u);
  cap.quadTo(cx + 7 * u, base - 18 * u, cx + 17 * u, base - 32 * u);
  cap.quadTo(cx + 19 * u, base - 22 * u, cx + 14 * u, base);
  cap.closeSubpath();
  p.setPen(QPen(c.darker(150), std::max(1.0, 0.6 * u)));
  p.setBrush(c);
  p.drawPath(cap);
  p.setBrush(c2);
  for (QPointF b : {QPointF(cx - 17 * u, base - 32 * u), QPointF(cx, base - 40 * u), QPointF(cx + 17 * u, base - 32 * u)})
    p.drawEllipse(b, 3.2 * u, 3.2 * u);
  p.setBrush(c2);
  p.drawRoundedRect(QRectF(cx - 16 * u, base - 2 * u, 32 * u, 6 * u), 2 * u, 2 * u);
  // Face under the cap.
  p.setBrush(QColor(255, 224, 190));
  p.drawEllipse(QPointF(cx, base + 12 * u), 11 * u, 10 * u);
  p.setBrush(c);
  p.drawEllipse(QPointF(cx - 4 * u, base + 10 * u), 1.4 * u, 1.4 * u);
  p.drawEllipse(QPointF(cx + 4 * u, base + 10 * u), 1.4 * u, 1.4 * u);
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(cx - 6 * u, base + 10 * u, 12 * u, 8 * u), 200 * 16, 140 * 16);
  // "JOKER" down both sides.
  const QFont f = font(kSans, 7.5 * u, true);
  const QString word = "JOKER";
  for (int i = 0; i < word.size(); ++i) {
    drawText(p, QRectF(2.5 * u, 5 * u + i * 8 * u, 9 * u, 8 * u), word.mid(i, 1), f, c);
    drawText(p, QRectF(w - 11.5 * u, h - 45 * u + i * 8 * u, 9 * u, 8 * u), word.mid(i, 1), f, c);
  }
  emojiAt(p, t.motif, QRectF(cx - 6 * u, h - 17 * u, 12 * u, 12 * u));
}

}  // namespace

const DeckTheme& deckTheme(int deck) {
  static QHash<int, DeckTheme> cache;
  auto it = cache.find(deck);
  if (it == cache.end()) it = cache.insert(deck, make(deck));
  return *it;
}

void paintFace(QImage& img, const DeckTheme& t, int suit, int rank, bool opaque) {
  QPainter p(&img);
  antialias(p);
  const double w = img.width(), h = img.height();
  const double u = w / 69.0;
  p.setPen(opaque ? Qt::NoPen : QPen(t.frame, 1));
  p.setBrush(t.paper);
  if (opaque)
    p.drawRect(QRectF(0, 0, w, h));
  else
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 5 * u, 5 * u);
  drawBorder(p, t, QRectF(0, 0, w, h), u);
  if (suit < 0) {
    paintJoker(p, t, rank, w, h);
    return;
  }
  drawIndex(p, t, suit, rank, w, h);
  if (rank <= 1)
    paintPips(p, t, suit, rank, w, h);
  else if (rank <= 4)
    paintCourt(p, t, suit, rank, w, h);
  else
    paintAce(p, t, suit, w, h);
}

void paintSuitSign(QPainter& p, const DeckTheme& t, int suit, const QRectF& box) { drawPip(p, t, suit, box, false); }

QString backName(int index) {
  static const char* const names[10] = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr",
                                        "Ob06Su", "Ob07Su", "Ob08XX", "Ob09XX", "Ob10XX"};
  return names[index];
}

QString backStyleSuffix(int style) {
  static const char* const sfx[13] = {"", "Cl1", "Cl2", "Car", "Cro", "Che", "Dia", "Kni", "Ani", "Flo", "Pla", "Oth", "Rus"};
  return sfx[style];
}

QImage drawBack(int style, int index, int w, int h, bool opaque) {
  QImage img = canvas(w, h, opaque ? QColor(Qt::white) : QColor(Qt::transparent));
  QPainter p(&img);
  antialias(p);
  const double u = w / 69.0;
  // Each weekday (or picture) gets its own hue; each style its own pattern.
  const int hues[10] = {0, 30, 55, 120, 200, 230, 280, 320, 170, 90};
  const QColor main = QColor::fromHsv(hues[index], 200, style == 0 ? 150 : 170);
  const QColor light = QColor::fromHsv(hues[index], 90, 245);
  const QRectF all(0.5, 0.5, w - 1, h - 1);
  p.setPen(opaque ? Qt::NoPen : QPen(QColor(40, 40, 40), 1));
  p.setBrush(Qt::white);
  if (opaque) p.drawRect(QRectF(0, 0, w, h)); else p.drawRoundedRect(all, 5 * u, 5 * u);
  const QRectF in = QRectF(0, 0, w, h).adjusted(4 * u, 4 * u, -4 * u, -4 * u);
  p.setClipRect(in);
  p.setPen(Qt::NoPen);
  p.setBrush(main);
  p.drawRect(in);
  Rng rng(uint64_t(style) * 100 + index);
  auto lattice = [&](double step, QColor c, double width) {
    p.setPen(QPen(c, width));
    for (double d = -h; d < w + h; d += step) {
      p.drawLine(QPointF(in.left() + d, in.top()), QPointF(in.left() + d + h, in.top() + h));
      p.drawLine(QPointF(in.left() + d, in.top()), QPointF(in.left() + d - h, in.top() + h));
    }
  };
  auto emojiGrid = [&](const QStringList& list, double cell) {
    int k = 0;
    for (double y = in.top() + cell * 0.1; y < in.bottom(); y += cell)
      for (double x = in.left() + ((int((y - in.top()) / cell) % 2) ? cell / 2 : 0) - cell / 2; x < in.right(); x += cell)
        emojiAt(p, list[(k++ + index) % list.size()], QRectF(x + cell * 0.12, y + cell * 0.12, cell * 0.76, cell * 0.76));
  };
  switch (style) {
    case 0: case 1: case 2: {
      if (style == 2) {
        p.setPen(QPen(light, std::max(1.0, 0.8 * u)));
        for (double x = in.left(); x < in.right(); x += 4 * u) p.drawLine(QPointF(x, in.top()), QPointF(x, in.bottom()));
        for (double y = in.top(); y < in.bottom(); y += 4 * u) p.drawLine(QPointF(in.left(), y), QPointF(in.right(), y));
      } else {
        lattice(5 * u, light, std::max(1.0, 0.8 * u));
      }
      p.setPen(QPen(light, 1.5 * u));
      p.setBrush(main);
      const QRectF oval(w / 2 - 18 * u, h / 2 - 24 * u, 36 * u, 48 * u);
      p.drawEllipse(oval);
      const Suit s = Suit(index % 4);
      p.setPen(Qt::NoPen);
      p.setBrush(light);
      p.drawPath(suitPath(s, QRectF(w / 2 - 10 * u, h / 2 - 10 * u, 20 * u, 20 * u)));
      if (style == 2) emojiAt(p, "⚜️", QRectF(w / 2 - 6 * u, h / 2 + 11 * u, 12 * u, 10 * u));
      break;
    }
    case 3: {  // carpet
      for (double y = in.top(); y < in.bottom(); y += 10 * u)
        for (double x = in.left(); x < in.right(); x += 10 * u) {
          p.setBrush(((int(x / (10 * u)) + int(y / (10 * u))) % 2) ? light : main.darker(130));
          p.setPen(Qt::NoPen);
          QPolygonF dmd;
          dmd << QPointF(x + 5 * u, y) << QPointF(x + 10 * u, y + 5 * u) << QPointF(x + 5 * u, y + 10 * u) << QPointF(x, y + 5 * u);
          p.drawPolygon(dmd);
        }
      break;
    }
    case 4: {  // cross
      p.setBrush(light);
      p.drawRect(QRectF(w / 2 - 5 * u, in.top(), 10 * u, in.height()));
      p.drawRect(QRectF(in.left(), h * 0.4 - 5 * u, in.width(), 10 * u));
      p.setBrush(main.darker(140));
      p.drawRect(QRectF(w / 2 - 2 * u, in.top(), 4 * u, in.height()));
      p.drawRect(QRectF(in.left(), h * 0.4 - 2 * u, in.width(), 4 * u));
      break;
    }
    case 5: {  // chess
      const double c = 8 * u;
      for (int y = 0; y * c < in.height(); ++y)
        for (int x = 0; x * c < in.width(); ++x) {
          p.setBrush((x + y) % 2 ? QColor(245, 235, 210) : main.darker(120));
          p.drawRect(QRectF(in.left() + x * c, in.top() + y * c, c, c));
        }
      const QString pieces[10] = {"♚", "♛", "♜", "♝", "♞", "♟", "♔", "♕", "♖", "♘"};
      p.setBrush(QColor(255, 255, 255, 220));
      p.drawEllipse(QPointF(w / 2, h / 2), 19 * u, 19 * u);
      drawText(p, QRectF(0, 0, w, h), pieces[index], font(kSans, 30 * u), QColor(20, 20, 20));
      break;
    }
    case 6: lattice(9 * u, light, 2.5 * u); break;  // diamond
    case 7: {  // knightly
      lattice(8 * u, main.lighter(130), 1 * u);
      emojiAt(p, index % 2 ? "🛡️" : "⚔️", QRectF(w / 2 - 20 * u, h / 2 - 20 * u, 40 * u, 40 * u));
      break;
    }
    case 8: emojiGrid({"🐱", "🐶", "🦊", "🐻", "🐼", "🐨", "🐯", "🦁", "🐸", "🐰"}, 22 * u); break;
    case 9: emojiGrid({"🌸", "🌻", "🌷", "🌹", "🌼", "🌺", "💐", "🪷", "🥀", "🌾"}, 20 * u); break;
    case 10: emojiGrid({"🏰", "🗼", "🗽", "🕌", "⛩️", "🏛️", "🗿", "🌉", "🏯", "⛪"}, 30 * u); break;
    case 11: emojiGrid({"🎲", "🎯", "🎸", "🚀", "⚓", "🎈", "🍀", "💎", "🌈", "🔔"}, 22 * u); break;
    case 12: {  // Russian: matryoshka on a folk ornament
      lattice(7 * u, QColor(240, 200, 60), 1.2 * u);
      emojiAt(p, "🪆", QRectF(w / 2 - 22 * u, h / 2 - 28 * u, 44 * u, 56 * u));
      break;
    }
  }
  (void)rng;
  p.setClipping(false);
  p.setPen(QPen(QColor(255, 255, 255), 1.2 * u));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(in, 2 * u, 2 * u);
  return img;
}

}  // namespace assets
