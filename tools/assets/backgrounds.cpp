// Table backgrounds: the built-in felt "FonG" and QexBackG03.dll, ten pictures in
// seven table colours at the small and the big ("B") window sizes.
#include "decor.h"
#include "generators.h"
#include "paint.h"

#include <cmath>

namespace assets {
namespace {


double hash2(int x, int y, int seed) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return double(h ^ (h >> 16)) / 4294967295.0;
}
double smooth(double t) { return t * t * (3 - 2 * t); }
double noise(double x, double y, int seed) {
  const int xi = int(std::floor(x)), yi = int(std::floor(y));
  const double fx = smooth(x - xi), fy = smooth(y - yi);
  const double a = hash2(xi, yi, seed), b = hash2(xi + 1, yi, seed), c = hash2(xi, yi + 1, seed), d = hash2(xi + 1, yi + 1, seed);
  return a + (b - a) * fx + (c - a) * fy + (a - b - c + d) * fx * fy;
}
double fbm(double x, double y, int seed) {
  double v = 0, amp = 0.5;
  for (int o = 0; o < 4; ++o) { v += amp * noise(x, y, seed + o); x *= 2.03; y *= 2.03; amp *= 0.5; }
  return v;
}

// Shade of picture 1..10 at design coordinates (x, y) of a 760 by 500 table.
double shade(int pic, double x, double y) {
  const double cx = x - 380, cy = y - 250, r = std::sqrt(cx * cx + cy * cy);
  const double vignette = 1.0 - 0.35 * std::pow(r / 455.0, 2);
  switch (pic) {
    case 1: {  // sun: rays round a bright centre
      const double a = std::atan2(cy, cx);
      return (0.75 + 0.18 * std::cos(a * 24) * std::min(1.0, r / 80) + 0.45 * std::exp(-r / 140)) * vignette;
    }
    case 2: return (0.82 + 0.22 * (fbm(x / 3, y / 3, 2) - 0.5) + 0.1 * (fbm(x / 60, y / 60, 3) - 0.5)) * vignette;
    case 3: return 0.55 + 0.6 * (1 - (x + y) / 1260.0) * vignette;
    case 4: {  // cloth: woven threads
      const double wx = 0.5 + 0.5 * std::sin(x * 1.4), wy = 0.5 + 0.5 * std::sin(y * 1.4);
      const bool over = (int(x / 4.5) + int(y / 4.5)) % 2;
      return (0.78 + 0.16 * (over ? wx : wy) + 0.08 * (fbm(x / 20, y / 20, 4) - 0.5)) * vignette;
    }
    case 5: {  // carpet: diamonds inside a border
      const double u = std::fabs(std::fmod(x + y + 4000, 60.0) - 30), v = std::fabs(std::fmod(x - y + 4000, 60.0) - 30);
      const bool border = x < 30 || y < 30 || x > 730 || y > 470;
      return border ? 0.55 + 0.25 * std::sin(x / 6) * std::sin(y / 6) : 0.7 + 0.25 * (std::min(u, v) < 4 ? 1 : 0) + 0.1 * (u + v) / 60;
    }
    case 6: {  // wood grain
      const double n = fbm(x / 120, y / 25, 6);
      return (0.72 + 0.18 * std::sin((y + n * 90) / 7.0) + 0.12 * (fbm(x / 4, y / 40, 7) - 0.5)) * vignette;
    }
    case 7: return (0.8 + 0.16 * (fbm(x / 3, y / 3, 8) - 0.5)) * (1.1 - 0.5 * std::pow(r / 455.0, 2));  // casino felt
    case 8: {  // overlapping rings
      const double d1 = std::sqrt(std::pow(std::fmod(x + 4000, 80) - 40, 2) + std::pow(std::fmod(y + 4000, 80) - 40, 2));
      const double d2 = std::sqrt(std::pow(std::fmod(x + 4040, 80) - 40, 2) + std::pow(std::fmod(y + 4040, 80) - 40, 2));
      return 0.72 + 0.12 * std::cos(d1 / 3.2) + 0.12 * std::cos(d2 / 3.2);
    }
    case 9: return (0.8 + 0.25 * std::sin(x / 40 + 2.5 * std::sin(y / 70)) * std::sin(y / 90 + x / 300)) * vignette;  // silk
    default: {  // ornament: a damask of soft lozenges and dots
      const double u = std::fmod(x + 4000, 70) - 35, v = std::fmod(y + 4000, 70) - 35;
      const double lozenge = std::fabs(u) / 30 + std::fabs(v) / 22;
      const double dot = std::sqrt(u * u + v * v);
      return (0.74 + (lozenge < 1 && lozenge > 0.8 ? 0.2 : 0) + (dot < 5 ? 0.25 : 0)) * vignette;
    }
  }
}

QImage background(int pic, QColor base, int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const double s = std::clamp(shade(pic, x * 760.0 / w, y * 500.0 / h), 0.0, 1.6);
      auto ch = [&](int c) { return std::clamp(int(c * s + (s > 1 ? (s - 1) * 120 : 0)), 0, 255); };
      line[x] = qRgb(ch(base.red()), ch(base.green()), ch(base.blue()));
    }
  }
  if (pic == 7) {  // casino: faint suit signs over the felt
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 18));
    const double k = w / 760.0;
    for (int j = 0; j < 9; ++j)
      for (int i = 0; i < 13; ++i)
        p.drawPath(suitPath(Suit((i + j) % 4), QRectF((i * 60 + (j % 2) * 30) * k, (j * 60 + 8) * k, 26 * k, 26 * k)));
  }
  return img;
}

}  // namespace

// Table colours 0..6 and their codes.
const char* const kColourCode[7] = {"Gr", "Re", "Or", "Ye", "B1", "B2", "Fi"};
const QColor kColour[7] = {QColor(20, 120, 50),  QColor(150, 25, 30), QColor(205, 105, 25), QColor(200, 170, 40),
                           QColor(50, 140, 200), QColor(25, 45, 120), QColor(100, 45, 140)};

void makeBuiltinBackground(Sink& sink) { sink.jpeg("FonG", background(2, kColour[0], 760, 500), 88); }

void makeBackgrounds(Sink& sink) {
  for (int pic = 1; pic <= 10; ++pic)
    for (int c = 0; c < 7; ++c) {
      if (pic == 2 && c == 0) continue;  // the built-in "FonG"
      const QString name = QString("Fon%1%2").arg(pic, 2, 10, QChar('0')).arg(kColourCode[c]);
      sink.jpeg(name, background(pic, kColour[c], 760, 500), 85);
      sink.jpeg(name + "B", background(pic, kColour[c], 1280, 842), 82);
    }
}

}  // namespace assets
