#include "app/intro_screen.h"

#include <QLinearGradient>
#include <QPainter>

#include "app/ui_text.h"
#include "platform/resources.h"
#include "table/fonts.h"

namespace vantorn::app {

namespace {

constexpr int kSide = 100;  // frames a card takes from one corner to the next
const QPoint kCorners[4] = {{155, 68}, {550, 68}, {550, 362}, {155, 362}};  // clockwise
// The ten letter colours: purple, aqua, orange, navy, red, green, yellow, blue, maroon, lime.
const QColor kLetters[10] = {{128, 0, 128}, {0, 255, 255}, {255, 128, 64}, {0, 0, 128}, {255, 0, 0},
                             {0, 128, 0},   {255, 255, 0}, {0, 0, 255},    {128, 0, 0}, {0, 255, 0}};

QString utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

void gradientFrame(QPainter& p, const QRect& r, QColor from, QColor to) {
  QLinearGradient g(r.topLeft(), r.bottomRight());
  g.setColorAt(0, from);
  g.setColorAt(1, to);
  p.setPen(QPen(QBrush(g), 6));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r, 12, 12);
}

}  // namespace

QString releaseDate(words::Language language) {
  const QString month = utf8(words::monthName(10, language));
  switch (language) {
    case words::Language::English: return month + QStringLiteral(" 18, 2022");
    case words::Language::Chinese:
    case words::Language::Japanese: return QStringLiteral("2022年") + month + QStringLiteral("18日");
    case words::Language::Korean: return QStringLiteral("2022년 ") + month + QStringLiteral(" 18일");
    case words::Language::German:
    case words::Language::Czech: return QStringLiteral("18. ") + month + QStringLiteral(" 2022");
    case words::Language::Spanish: return QStringLiteral("18 de ") + month + QStringLiteral(" de 2022");
    default: return QStringLiteral("18 ") + month + QStringLiteral(" 2022");
  }
}

IntroScreen::IntroScreen(const platform::Resources& resources, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Image1"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  for (int k = 0; k < 4; ++k)
    platform::LoadPackPng(resources, QStringLiteral("GIntro%1").arg(k + 1), QString(), cards_[static_cast<std::size_t>(k)]);
  platform::LoadPackPng(resources, QStringLiteral("Logo"), QString(), logo_);
  picture_ = QImage(760, 500, QImage::Format_RGB32);
  DrawIntro();
}

QPoint IntroScreen::cardPosition(int card, int frame) {
  const int t = (frame + card * kSide) % (4 * kSide);
  const int side = t / kSide;
  const double f = (t % kSide) / double(kSide);
  const QPoint a = kCorners[side], b = kCorners[(side + 1) % 4];
  return QPoint(a.x() + qRound((b.x() - a.x()) * f), a.y() + qRound((b.y() - a.y()) * f));
}

int IntroScreen::lettersShown(int frame, int titleLength) { return std::min(frame / 5 + 1, titleLength); }

void IntroScreen::DrawIntro() {
  picture_.fill(Qt::black);
  QPainter p(&picture_);
  p.setRenderHint(QPainter::Antialiasing);
  gradientFrame(p, QRect(QPoint(130, 50), QPoint(630, 450)), QColor(200, 30, 30), QColor(240, 200, 40));
  gradientFrame(p, QRect(QPoint(230, 150), QPoint(530, 350)), QColor(40, 90, 220), QColor(40, 200, 120));

  QFont comic(QString::fromStdString(table::freeFontFamily("Comic Sans MS")));
  comic.setPixelSize(24);
  comic.setBold(true);
  p.setFont(comic);
  auto centred = [&](const QString& text, int top, QColor colour) {
    p.setPen(colour);
    p.drawText(QRect(230, top, 300, 30), Qt::AlignHCenter | Qt::AlignTop, text);
  };
  centred(QStringLiteral("Vantorn team"), 240, QColor(255, 0, 0));
  centred(releaseDate(language_), 265, QColor(0, 0, 255));
  centred(QStringLiteral("V 5.7f"), 315, QColor(0, 0x64, 0x64));
  // The two logos flank the version line, clear of the date above it.
  for (int x : {250, 478}) p.drawImage(QRect(x, 305, 32, 32), logo_);

  for (int k = 0; k < 4; ++k) {
    const QImage& card = cards_[static_cast<std::size_t>(k)];
    const QPoint at = cardPosition(k, frame_);
    p.fillRect(QRect(at, QSize(60, 70)), QColor(192, 192, 192));
    p.drawImage(at, card);
  }

  const QString title = utf8(words::titleUpper(language_));
  QFont arial(QString::fromStdString(table::freeFontFamily("Arial")));
  arial.setPixelSize(52);
  arial.setBold(true);
  p.setFont(arial);
  const QFontMetrics fm(arial);
  const int shown = lettersShown(frame_, static_cast<int>(title.size()));
  int x = 380 - fm.horizontalAdvance(title) / 2;
  for (int i = 0; i < shown; ++i) {
    p.setPen(kLetters[(i + frame_ / 5) % 10]);
    p.drawText(x, 175 + fm.ascent(), title.at(i));
    x += fm.horizontalAdvance(title.at(i));
  }
  p.end();
  ++frame_;
  update();
}

void IntroScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(rect(), picture_);
}

}  // namespace vantorn::app
