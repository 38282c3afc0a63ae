// Drawing helpers shared by the generators: suit signs, text, gradients, a
// deterministic random source (every run makes the same bytes).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <cstdint>

namespace assets {

enum class Suit { Hearts, Diamonds, Clubs, Spades };

QPainterPath suitPath(Suit s, const QRectF& box);
inline bool isRed(Suit s) { return s == Suit::Hearts || s == Suit::Diamonds; }

// A transparent ARGB picture of the given size.
QImage canvas(int w, int h, QColor fill = Qt::transparent);
void antialias(QPainter& p);

QFont font(const QString& family, double pixelSize, bool bold = false);
// Centred text in a box, optionally with a one-pixel shadow.
void drawText(QPainter& p, const QRectF& box, const QString& text, const QFont& f, QColor c,
              QColor shadow = Qt::transparent, int flags = Qt::AlignCenter);
// Text fitted into a box (the font shrinks until it fits).
void drawFittedText(QPainter& p, const QRectF& box, const QString& text, const QString& family, bool bold,
                    QColor c, QColor shadow = Qt::transparent);
// One colour emoji (Noto Color Emoji) fitted into a box.
void drawEmoji(QPainter& p, const QRectF& box, const QString& emoji);
QImage emojiImage(const QString& emoji, int w, int h);

QColor mix(QColor a, QColor b, double t);

class Rng {
 public:
  explicit Rng(uint64_t seed) : s_(seed * 6364136223846793005ull + 1442695040888963407ull) {}
  uint32_t next() {
    s_ ^= s_ >> 12; s_ ^= s_ << 25; s_ ^= s_ >> 27;
    return uint32_t((s_ * 2685821657736338717ull) >> 32);
  }
  double unit() { return next() / 4294967296.0; }
  int range(int lo, int hi) { return lo + int(next() % uint32_t(hi - lo + 1)); }

 private:
  uint64_t s_;
};

inline const char* kSans = "DejaVu Sans";
inline const char* kSerif = "DejaVu Serif";
inline const char* kCjk = "WenQuanYi Micro Hei";

}  // namespace assets
