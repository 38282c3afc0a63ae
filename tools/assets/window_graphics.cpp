// QexCGraph1.dll: the small windows' backgrounds and captions, the animated
// 48-pixel icons, the touch effect, the dark background and the club emblems.
#include "decor.h"
#include "generators.h"
#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QConicalGradient>

#include <cmath>

namespace assets {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Window { const char* key; int w, h; const char* emoji; };
// Window keys with the size of their background picture and the emblem of their icon.
const Window kWindows[] = {
    {"About", 420, 360, "ℹ️"},  {"Acc1", 560, 480, "👤"},  {"Adv", 480, 400, "🎁"},   {"Chat", 600, 480, "💬"},
    {"Count", 325, 500, "📋"},  {"EndG", 640, 480, "🏆"},  {"History", 640, 480, "📜"}, {"Mast", 320, 260, "♠️"},
    {"Opt", 640, 520, "⚙️"},    {"Pass", 420, 380, "🔑"},  {"Pw", 380, 300, "🔒"},    {"Radio", 480, 400, "📻"},
    {"ServerW", 520, 420, "🖥️"}, {"Speed", 340, 280, "⏩"}, {"Stat", 640, 520, "📊"},  {"Thank", 420, 360, "💝"},
    {"TopTen", 520, 480, "🏅"}, {"Tour", 700, 520, "🏆"},  {"Wait", 350, 160, "⏳"}};

QImage windowBackground(int w, int h, int seed, const QString& emblem) {
  // A soft parchment with a gilt frame.
  QImage img(w, h, QImage::Format_RGB32);
  QPainter p(&img);
  antialias(p);
  QRadialGradient g(w * 0.45, h * 0.35, std::max(w, h) * 0.8);
  g.setColorAt(0, QColor(252, 244, 222));
  g.setColorAt(1, QColor(222, 200, 160));
  p.fillRect(img.rect(), g);
  Rng rng{uint64_t(seed)};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < w * h / 400; ++i) {
    p.setBrush(QColor(150, 110, 60, rng.range(4, 14)));
    p.drawEllipse(QPointF(rng.range(0, w), rng.range(0, h)), rng.range(2, 10), rng.range(2, 10));
  }
  QLinearGradient gold(0, 0, w, h);
  gold.setColorAt(0, QColor(190, 140, 40));
  gold.setColorAt(0.5, QColor(250, 220, 120));
  gold.setColorAt(1, QColor(170, 120, 30));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QBrush(gold), 6));
  p.drawRect(QRectF(3, 3, w - 6, h - 6));
  p.setPen(QPen(QColor(140, 90, 20), 1.5));
  p.drawRect(QRectF(10, 10, w - 20, h - 20));
  // The window's emblem as a faint watermark in the lower right corner.
  const int s = std::min(w, h) / 3;
  p.setOpacity(0.13);
  drawEmoji(p, QRectF(w - s - 22, h - s - 22, s, s), emblem);
  return img;
}

std::vector<QImage> iconFrames(const QString& emoji, int frames, int style) {
  std::vector<QImage> out;
  const QImage icon = emojiImage(emoji, 34, 34);
  for (int f = 0; f < frames; ++f) {
    QImage img = canvas(48, 48);
    QPainter p(&img);
    antialias(p);
    const double ph = 2 * kPi * f / frames;
    // A glowing ring turns round the emblem, which breathes a little.
    QConicalGradient ring(24, 24, -360.0 * f / frames);
    ring.setColorAt(0, QColor(255, 230, 120, 230));
    ring.setColorAt(0.5, QColor(200, 120, 20, 60));
    ring.setColorAt(1, QColor(255, 230, 120, 230));
    p.setPen(QPen(QBrush(ring), 3));
    p.setBrush(style ? QColor(40, 40, 80, 120) : QColor(255, 255, 255, 60));
    p.drawEllipse(QRectF(2, 2, 44, 44));
    const double s = 1 + 0.06 * std::sin(ph);
    p.translate(24, 24);
    p.scale(s, s);
    p.drawImage(QPointF(-17, -17), icon);
    out.push_back(img);
  }
  return out;
}

QImage strip(const std::vector<QImage>& frames) {
  const int w = frames.front().width(), h = frames.front().height();
  QImage s = canvas(w * int(frames.size()), h);
  QPainter p(&s);
  for (size_t i = 0; i < frames.size(); ++i) p.drawImage(int(i) * w, 0, frames[i]);
  return s;
}

}  // namespace

void makeWindowGraphics(Sink& sink) {
  int seed = 1;
  for (const Window& win : kWindows) {
    sink.jpeg(QString("GForm") + win.key, windowBackground(win.w, win.h, seed++, win.emoji), 85);
    const QStringList titles = captionTexts(win.key);
    for (int l = 0; l < 8; ++l)
      sink.png(QString("GForm") + win.key + kPictureLanguages[l],
               captionPicture(300, 60, titles[l].toUpper(), l, QColor(255, 225, 90)));
    // The second, long caption: the ribbon with the English title.
    QImage longCap = ribbon(380, 70, QColor(150, 25, 40));
    {
      QPainter p(&longCap);
      antialias(p);
      drawFittedText(p, QRectF(50, 8, 280, 40), titles[0].toUpper(), kSerif, true, QColor(255, 225, 90), QColor(60, 0, 0));
    }
    sink.png(QString("GForm") + win.key + "L", longCap);
  }
  sink.png("CountInfo", captionPicture(300, 60, captionTexts("CountInfo")[0], 0, QColor(255, 225, 90)));
  const QStringList endTitles = captionTexts("EndGame");
  for (int l = 0; l < 8; ++l)
    sink.png(QString("EndGame") + kPictureLanguages[l], captionPicture(300, 60, endTitles[l].toUpper(), l, QColor(255, 225, 90)));

  const struct { const char* name; const char* emoji; int frames; } icons[] = {
      {"Acc", "👤", 20},  {"Adv", "🎁", 20},  {"COunt", "📋", 20}, {"Chat", "💬", 20}, {"History", "📜", 20},
      {"KeyN", "🔒", 20}, {"KeyY", "🔓", 20}, {"Opt", "⚙️", 20},   {"Pass", "🔑", 20}, {"Speed", "⏩", 10},
      {"Stat", "📊", 20}, {"Thank", "💝", 20}, {"Tour", "🏆", 20}, {"WT", "🌍", 20}};
  for (const auto& i : icons) sink.png(QString("GIcon48") + i.name, strip(iconFrames(i.emoji, i.frames, 0)));

  {  // The touch effect: 30 frames of a golden ripple with sparks, 100 by 100 each.
    std::vector<QImage> frames;
    for (int f = 0; f < 30; ++f) {
      QImage img = canvas(100, 100);
      QPainter p(&img);
      antialias(p);
      const double t = f / 29.0;
      const int alpha = int(230 * (1 - t));
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(QColor(255, 220, 90, alpha), 4 * (1 - t) + 1));
      p.drawEllipse(QPointF(50, 50), 6 + 40 * t, 6 + 40 * t);
      p.setPen(QPen(QColor(255, 255, 255, alpha / 2), 2));
      p.drawEllipse(QPointF(50, 50), 3 + 26 * t, 3 + 26 * t);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 240, 150, alpha));
      for (int k = 0; k < 8; ++k) {
        const double a = k * kPi / 4 + t, r = 10 + 38 * t;
        p.drawEllipse(QPointF(50 + r * std::cos(a), 50 + r * std::sin(a)), 2.5 * (1 - t) + 0.5, 2.5 * (1 - t) + 0.5);
      }
      frames.push_back(img);
    }
    sink.png("GTouch", strip(frames));
  }
  {  // The dark design's background: deep lilac with a soft glow.
    QImage bg(1280, 842, QImage::Format_RGB32);
    QPainter p(&bg);
    QRadialGradient g(640, 380, 900);
    g.setColorAt(0, QColor(95, 60, 120));
    g.setColorAt(0.6, QColor(45, 25, 65));
    g.setColorAt(1, QColor(18, 10, 28));
    p.fillRect(bg.rect(), g);
    Rng rng(77);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 160; ++i) {
      p.setBrush(QColor(220, 190, 255, rng.range(10, 40)));
      const double r = rng.range(1, 3);
      p.drawEllipse(QPointF(rng.range(0, 1280), rng.range(0, 842)), r, r);
    }
    p.end();
    sink.jpeg("BGLilu", bg, 85);
  }
  struct Club { const char* name; const char* emoji; QColor colour; };
  const Club clubs[6] = {{"GifA", "🌍", QColor(30, 90, 170)},  {"GifB", "🏅", QColor(150, 30, 40)},
                         {"GifC", "🃏", QColor(30, 120, 60)},  {"GifE", "🏆", QColor(120, 60, 150)},
                         {"GifF", "👑", QColor(160, 110, 20)}, {"GifG", "🔗", QColor(20, 120, 140)}};
  for (const Club& c : clubs) sink.gif(c.name, emblemFrames(60, 75, c.emoji, c.colour.lighter(115), 16), 70);
}

}  // namespace assets
