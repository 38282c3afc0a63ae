#include "table/card_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "platform/resources.h"
#include "table/decks.h"

namespace vantorn::table {

using core::Card;

namespace {

QString suitSign(char suit) {
  switch (suit) {
    case core::cp1251::kHearts: return QStringLiteral("\u2665");
    case core::cp1251::kDiamonds: return QStringLiteral("\u2666");
    case core::cp1251::kClubs: return QStringLiteral("\u2663");
    case core::cp1251::kSpades: return QStringLiteral("\u2660");
    default: return {};
  }
}

QString rankText(char rank) {
  switch (rank) {
    case core::cp1251::kNine: return QStringLiteral("9");
    case core::cp1251::kTen: return QStringLiteral("10");
    case core::cp1251::kJack: return QStringLiteral("J");
    case core::cp1251::kQueen: return QStringLiteral("Q");
    case core::cp1251::kKing: return QStringLiteral("K");
    case core::cp1251::kAce: return QStringLiteral("A");
    default: return {};
  }
}

}  // namespace

CardPictures::Report CardPictures::load(const platform::Resources* res, int width, int height, int cardClass,
                                       Choice choice) {
  width_ = width;
  height_ = height;
  faces_.clear();
  Report report;
  if (choice.deck < 0 || choice.deck >= kDeckCount) choice.deck = 0;
  if (choice.backStyle < 0 || choice.backStyle >= kBackStyleCount) choice.backStyle = 0;
  QString pack = QString::fromStdString(deckPack(choice.deck));
  if (!pack.isEmpty() && (!res || !res->packPresent(pack))) {
    report.deckPackMissing = true;
    choice.deck = 0;
    pack.clear();
  }
  bool narrow = deckNarrow(choice.deck);
  // A narrow deck at the larger sizes needs the backs of the pack even with style 0.
  const QString backs = QString::fromStdString(backPack(choice.backStyle, cardClass, narrow));
  if (!backs.isEmpty() && (!res || !res->packPresent(backs))) {
    report.backPackMissing = true;
    if (choice.backStyle == 0) {  // the narrow deck cannot be shown without its backs
      choice.deck = 0;
      pack.clear();
      narrow = false;
    }
    choice.backStyle = 0;
  }

  auto picture = [&](const QString& name, const QString& from) {
    QImage img;
    if (!res) return img;
    if (from.isEmpty() && cardClass == 1)
      platform::LoadBitmap(*res, name, img);
    else
      platform::LoadPackPng(*res, name, from, img);
    return img;
  };
  for (int n = 1; n <= 26; ++n) {
    for (int first : {1, 2}) {
      const Card c = core::deckCard(n, first);
      const QString code = QString::fromStdString(c.code());
      if (faces_.contains(code)) continue;
      QImage img = picture(QString::fromStdString(faceName(c, choice.deck, cardClass)), pack);
      if (!img.isNull() && !pack.isEmpty()) {
        // Pack faces are stored with an ellipse inverted; inverting it again restores them.
        img = img.convertToFormat(QImage::Format_ARGB32);
        if (cardClass == 1)
          platform::InvertEllipse(img, 10, 10, 84, 59);
        else
          platform::InvertEllipse(img, 10, 10, 188, narrow ? 116 : 136);
      }
      if (img.isNull()) img = paintedFace(c);
      faces_.insert(code, img.scaled(width_, height_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
  }
  const int back = std::clamp(choice.back, 1, backCount(choice.backStyle));
  QImage backImg = picture(QString::fromStdString(backName(back, choice.backStyle, cardClass, narrow)),
                           QString::fromStdString(backPack(choice.backStyle, cardClass, narrow)));
  if (backImg.isNull()) backImg = paintedBack();
  back_ = backImg.scaled(width_, height_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  report.used = choice;
  return report;
}

const QImage& CardPictures::face(Card c) const {
  auto it = faces_.constFind(QString::fromStdString(c.code()));
  return it == faces_.constEnd() ? empty_ : *it;
}

QImage CardPictures::paintedFace(Card c) const {
  QImage img(width_, height_, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath outline;
  outline.addRoundedRect(QRectF(0.5, 0.5, width_ - 1, height_ - 1), width_ / 12.0, width_ / 12.0);
  p.fillPath(outline, QColor(252, 250, 244));
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.drawPath(outline);
  QFont f(QStringLiteral("Liberation Serif"));
  f.setBold(true);
  if (c.isJoker()) {
    const QColor colour = c.suit() == '1' ? QColor(30, 80, 200) : c.suit() == '2' ? QColor(200, 30, 30) : QColor(20, 20, 20);
    p.setPen(colour);
    f.setPixelSize(height_ / 5);
    p.setFont(f);
    p.drawText(QRect(0, 0, width_, height_), Qt::AlignCenter, QStringLiteral("\u2605\nJOKER"));
    return img;
  }
  const bool red = c.suit() == core::cp1251::kHearts || c.suit() == core::cp1251::kDiamonds;
  p.setPen(red ? QColor(200, 20, 20) : QColor(20, 20, 20));
  f.setPixelSize(height_ / 5);
  p.setFont(f);
  const QString corner = rankText(c.rank()) + "\n" + suitSign(c.suit());
  p.drawText(QRect(width_ / 16, height_ / 20, width_ / 2, height_ / 2), Qt::AlignLeft | Qt::AlignTop, corner);
  f.setPixelSize(height_ / 2);
  p.setFont(f);
  p.drawText(QRect(0, height_ / 6, width_, height_ * 5 / 6), Qt::AlignCenter, suitSign(c.suit()));
  return img;
}

QImage CardPictures::paintedBack() const {
  QImage img(width_, height_, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath outline;
  outline.addRoundedRect(QRectF(0.5, 0.5, width_ - 1, height_ - 1), width_ / 12.0, width_ / 12.0);
  QLinearGradient g(0, 0, width_, height_);
  g.setColorAt(0, QColor(150, 20, 30));
  g.setColorAt(1, QColor(90, 10, 20));
  p.fillPath(outline, g);
  p.setPen(QPen(QColor(240, 210, 120), 1.5));
  p.drawRoundedRect(QRectF(4, 4, width_ - 8, height_ - 8), 3, 3);
  for (int y = 8; y < height_ - 8; y += 8)
    p.drawLine(QPointF(8, y), QPointF(width_ - 8, y + 4 < height_ - 8 ? y + 4 : y));
  p.setPen(QPen(QColor(20, 20, 20), 1));
  p.drawPath(outline);
  return img;
}

}  // namespace vantorn::table
