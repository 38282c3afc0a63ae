#include "table/table_view.h"

#include <QFont>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace vantorn::table {

using core::Card;
using core::Event;
using core::EventKind;

void TableScene::apply(const Event& e, const core::Game& game) {
  switch (e.kind) {
    case EventKind::Dealt:
      for (int p = 1; p <= 2; ++p) {
        auto& h = hands[static_cast<std::size_t>(p - 1)];
        h.clear();
        for (int i = 1; i <= game.hand(p).count(); ++i) h.push_back(game.hand(p).card(i));
      }
      arriving = {};
      landing = core::Card::empty();
      stockCount = game.stock().stockCount;
      pileCount = game.table().tableCount;
      faceUp = game.table().faceUp.card;
      orderedSuit = core::kNoSuit;
      revealTop = cleared = summary = speaking = false;
      dealNumber = e.a;
      firstMover = e.player;
      // Every deal redraws both panels; the first mover gets the star of his colour.
      for (int seat = 1; seat <= 2; ++seat) {
        int star = PanelFields::kStarClear;
        if (seat == e.player)
          star = core::playerColour(game.config().program, seat) == core::Colour::Black ? PanelFields::kStarBlack
                                                                                        : PanelFields::kStarRed;
        DrawPanel(seat, star, true, PanelFields::kKeepField, PanelFields::kKeepField, PanelFields::kKeepField);
        showScore(seat, game);
      }
      break;
    case EventKind::RedrawScore:
      showScore(e.player, game);
      break;
    case EventKind::Played: {
      auto& h = hands[static_cast<std::size_t>(e.player - 1)];
      const std::size_t slot = static_cast<std::size_t>(e.a - 1);
      if (slot < h.size()) h.erase(h.begin() + static_cast<std::ptrdiff_t>(slot));
      // The card lands on the pile when its flight has arrived (the pile's redraw).
      landing = e.card;
      if (!e.card.isJoker()) orderedSuit = core::kNoSuit;
      break;
    }
    case EventKind::RedrawPile:
      if (!landing.isEmpty()) faceUp = landing;
      landing = core::Card::empty();
      pileCount = e.a;
      break;
    case EventKind::Took:
      // The card joins the hand when the hand is redrawn, after its flight.
      arriving[static_cast<std::size_t>(e.player - 1)].push_back(e.card);
      stockCount = std::max(0, stockCount - 1);
      break;
    case EventKind::Ordered: orderedSuit = e.suit; break;
    case EventKind::Passed:
      if (!faceUp.isJoker()) orderedSuit = core::kNoSuit;
      break;
    case EventKind::PileTurned:
      stockCount = e.b;
      pileCount = 1;
      break;
    case EventKind::RedrawHand: {
      auto& in = arriving[static_cast<std::size_t>(e.player - 1)];
      auto& h = hands[static_cast<std::size_t>(e.player - 1)];
      h.insert(h.end(), in.begin(), in.end());
      in.clear();
      if (e.player == 1 && e.flag) revealTop = true;
      break;
    }
    case EventKind::Speech: speaking = e.flag; break;
    case EventKind::TableCleared: cleared = true; break;
    case EventKind::Summary:
      summary = true;
      preliminary = e.a;
      result = e.c;
      break;
    default: break;
  }
}

void TableScene::DrawPanel(int seat, int star, bool redraw, int right, int left, int total) {
  if (seat < 1 || seat > 2) return;
  PanelFields& f = panels[static_cast<std::size_t>(seat - 1)];
  if (redraw) f = PanelFields{};
  const auto write = [](std::optional<int>& field, int value) {
    if (value == PanelFields::kKeepField) return;
    field = value == PanelFields::kClearField ? std::nullopt : std::optional<int>(value);
  };
  write(f.total, total);
  write(f.left, left);
  write(f.right, right);
  if (star >= PanelFields::kStarBlack && star <= PanelFields::kStarClear) f.star = star;
}

void TableScene::showScore(int seat, const core::Game& game) {
  // The game total; this deal's penalty on the left and its bonuses on the right, shown
  // only when there is something to show.
  const auto& b = game.bonuses(seat);
  const int penalty = game.dealPenalty(seat);
  const int bonus = b.ownJoker + b.goingOut;
  DrawPanel(seat, PanelFields::kStarKeep, false, bonus != 0 ? bonus : PanelFields::kClearField,
            penalty != 0 ? penalty : PanelFields::kClearField, game.total(seat));
}

void MessageLines::add(int colourIndex, const QString& line) {
  for (int i = 0; i < kLines; ++i) {
    if (text[static_cast<std::size_t>(i)].isEmpty()) {
      text[static_cast<std::size_t>(i)] = line;
      colour[static_cast<std::size_t>(i)] = colourIndex;
      return;
    }
  }
  for (int i = 1; i < kLines; ++i) {
    text[static_cast<std::size_t>(i - 1)] = text[static_cast<std::size_t>(i)];
    colour[static_cast<std::size_t>(i - 1)] = colour[static_cast<std::size_t>(i)];
  }
  text[kLines - 1] = line;
  colour[kLines - 1] = colourIndex;
}

TableView::TableView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QFont TableView::roleFont(const FontRole& role, int designHeight) const {
  QFont f(QString::fromStdString(role.family));
  f.setBold(true);
  f.setPixelSize(std::max(1, FontSize(geometry_.ScaleSize(designHeight), role.percentage)));
  return f;
}

void TableView::setGeometryModel(const Geometry& g) {
  geometry_ = g;
  layout_ = TableLayout::of(g);
  update();
}

std::array<int, 36> TableView::fan(int seat) const {
  const auto& h = scene_.hands[static_cast<std::size_t>(seat - 1)];
  return FanHand(0, layout_.hand[static_cast<std::size_t>(seat - 1)].width, static_cast<int>(h.size()),
                 geometry_.cardWidth());
}

int TableView::cardUnder(int seat, QPoint p) const {
  const Rect& r = layout_.hand[static_cast<std::size_t>(seat - 1)];
  if (!r.contains(p.x(), p.y())) return 0;
  return CardAt(fan(seat), static_cast<int>(scene_.hands[static_cast<std::size_t>(seat - 1)].size()), p.x() - r.left,
                geometry_.cardWidth());
}

QPoint TableView::flightStart(const Event& f) const {
  const Rect& h1 = layout_.hand[0];
  const Rect& h2 = layout_.hand[1];
  const Rect& t = layout_.table;
  const int cw = geometry_.cardWidth();
  switch (f.from) {
    case core::Place::Hand1: return {h1.left + roundEven(h1.width / 2.0 - cw / 2.0), h1.top};
    case core::Place::Hand2: {
      // The card's place in the fan it left: the scene already lost it, so fan one more.
      const int count = static_cast<int>(scene_.hands[1].size()) + 1;
      const auto pos = FanHand(0, h2.width, count, cw);
      const int slot = std::clamp(f.a, 1, count);
      return {h2.left + pos[static_cast<std::size_t>(slot - 1)], h2.top};
    }
    case core::Place::Stock:
      return {t.left + layout_.stockX, t.top + layout_.base - (f.to == core::Place::Hand1 ? 8 : 0)};
    case core::Place::Pile: return {t.left + layout_.pileX, t.top + layout_.base};
  }
  return {};
}

QPoint TableView::flightEnd(const Event& f) const {
  const Rect& h1 = layout_.hand[0];
  const Rect& h2 = layout_.hand[1];
  const Rect& t = layout_.table;
  switch (f.to) {
    case core::Place::Hand1: return {h1.left + roundEven(h1.width / 2.0 - geometry_.cardWidth() / 2.0), h1.top};
    case core::Place::Hand2: return {h2.left + 30, h2.top};
    case core::Place::Pile:
      return {t.left + layout_.pileX, t.top + layout_.base - (f.from == core::Place::Hand1 ? 8 : 0)};
    case core::Place::Stock: return {t.left + layout_.stockX, t.top + layout_.base};
  }
  return {};
}

const QImage& TableView::cardPicture(Card c) const {
  static const QImage kNone;
  if (!pictures_) return kNone;
  return c.isEmpty() ? pictures_->back() : pictures_->face(c);
}

void TableView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!background_.isNull())
    p.drawImage(rect(), background_);
  else
    p.fillRect(rect(), QColor(20, 90, 45));
  if (game_ && !scene_.cleared) {
    // Pile and stock.
    const Rect& t = layout_.table;
    for (int k = 0; k < core::Game::stockLayers(scene_.stockCount); ++k)
      p.drawImage(QPoint(t.left + layout_.stockX, t.top + layout_.base - 3 * k), pictures_->back());
    if (scene_.pileCount > 0 && !scene_.faceUp.isEmpty())
      p.drawImage(QPoint(t.left + layout_.pileX, t.top + layout_.base - pileOffset(scene_.pileCount)),
                  pictures_->face(scene_.faceUp));
    drawHand(p, 1);
    drawHand(p, 2);
  }
  if (game_) {
    drawPlate(p, 1);
    drawPlate(p, 2);
    drawPanel(p, 1);
    drawPanel(p, 2);
    drawCounter(p);
    if (showMessages_) drawMessages(p);
  }
  if (scene_.summary) {
    QFont f = roleFont(fonts_.decor, 26);
    f.setBold(false);
    p.setFont(f);
    p.setPen(QColor(0, 255, 255));
    const Rect& t = layout_.table;
    auto sign = [](std::int32_t v) { return v > 0 ? QStringLiteral("+%1").arg(v) : QString::number(v); };
    p.drawText(QRect(t.left - 100, t.top + t.height / 4, t.width + 200, t.height / 4), Qt::AlignCenter,
               texts_.preliminary + " " + sign(scene_.preliminary));
    p.drawText(QRect(t.left - 100, t.top + t.height / 2, t.width + 200, t.height / 4), Qt::AlignCenter,
               texts_.result + " " + sign(scene_.result));
  }
  if (!sprite_.isNull()) p.drawImage(spriteAt_, sprite_);
}

void TableView::drawHand(QPainter& p, int seat) const {
  const Rect& r = layout_.hand[static_cast<std::size_t>(seat - 1)];
  const auto& h = scene_.hands[static_cast<std::size_t>(seat - 1)];
  const auto pos = fan(seat);
  const bool faceUp = seat == 2 || scene_.revealTop;
  for (std::size_t i = 0; i < h.size() && i < 36; ++i) {
    const QImage& img = faceUp ? pictures_->face(h[i]) : pictures_->back();
    p.drawImage(QPoint(r.left + pos[i], r.top), img);
  }
}

void TableView::drawPlate(QPainter& p, int seat) const {
  const Rect& r = layout_.plate[static_cast<std::size_t>(seat - 1)];
  const bool speaking = seat == 2 && scene_.speaking;
  const QRect area(r.left, r.top, r.width, r.height);
  const QImage& plate = speaking ? decor_.plateMessage : decor_.plateName;
  if (!plate.isNull()) {
    p.drawImage(area, plate);
  } else {
    QPainterPath path;
    path.addRoundedRect(QRectF(area), r.height / 2.0, r.height / 2.0);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(path, speaking ? QColor(40, 70, 190, 220) : QColor(190, 150, 20, 220));
  }
  // The text in bold white, a size smaller while it is too wide for the plate.
  const QString text = speaking ? texts_.oneMoment : texts_.names[seat - 1].trimmed();
  QFont f;
  for (int size : {18, 16, 14}) {
    f = roleFont(fonts_.serif, size);
    if (QFontMetrics(f).horizontalAdvance(text) <= geometry_.ScaleSize(150)) break;
  }
  p.setFont(f);
  p.setPen(QColor(255, 255, 255));
  p.drawText(area, Qt::AlignCenter, text);
}

QPoint starPlace(const Geometry& g) {
  // The star keeps its picture's size (small below size factor 2, big from 2 on), so its
  // corner moves with the panel's stretch differently on either side of factor 2.
  const double s = g.s();
  if (s == 1.0) return {110, 52};
  if (s < 2.0) return {g.ScaleSize(122) - 12, g.ScaleSize(65) - 13};
  if (s == 2.0) return {g.ScaleSize(110), g.ScaleSize(52)};
  return {g.ScaleSize(122) - 25, g.ScaleSize(65) - 25};
}

void TableView::drawPanel(QPainter& p, int seat) const {
  const Rect& r = layout_.panel[static_cast<std::size_t>(seat - 1)];
  const QRect area(r.left, r.top, r.width, r.height);
  if (!decor_.panel.isNull()) {
    p.drawImage(area, decor_.panel);
  } else {
    QPainterPath path;
    path.addRoundedRect(QRectF(area), 8, 8);
    p.fillPath(path, QColor(0, 0, 0, 110));
  }
  const PanelFields& f = scene_.panels[static_cast<std::size_t>(seat - 1)];
  const auto S = [this](int v) { return geometry_.ScaleSize(v); };
  // The game total in magenta across the top of the panel.
  p.setFont(roleFont(fonts_.decor, 30));
  p.setPen(QColor(255, 0, 255));
  if (f.total) p.drawText(QRect(r.left, r.top + S(10), S(155), S(40)), Qt::AlignCenter, QString::number(*f.total));
  // The left counter in blue, the right one in navy.
  p.setFont(roleFont(fonts_.decor, 24));
  if (f.left) {
    p.setPen(QColor(0, 0, 255));
    p.drawText(QRect(r.left + S(15), r.top + S(50), S(35), S(31)), Qt::AlignCenter, QString::number(*f.left));
  }
  if (f.right) {
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRect(r.left + S(55), r.top + S(50), S(45), S(31)), Qt::AlignCenter, QString::number(*f.right));
  }
  if (f.star == PanelFields::kStarBlack || f.star == PanelFields::kStarRed) {
    const bool black = f.star == PanelFields::kStarBlack;
    const QImage& star = black ? decor_.starBlack : decor_.starRed;
    const QPoint at = QPoint(r.left, r.top) + starPlace(geometry_);
    if (!star.isNull())
      p.drawImage(at, star);
    else {
      const QRect place(r.left + S(105), r.top + S(50), S(35), S(31));
      p.setPen(black ? QColor(20, 20, 20) : QColor(220, 0, 0));
      p.drawText(place, Qt::AlignCenter, QStringLiteral("\u2605"));
    }
  }
  // The player's name under the panel.
  p.setFont(roleFont(fonts_.serif, 14));
  p.setPen(QColor(255, 230, 120));
  p.drawText(QRect(r.left, r.bottom() + S(2), r.width, S(18)), Qt::AlignCenter, texts_.names[seat - 1].trimmed());
}

void TableView::drawCounter(QPainter& p) const {
  const Rect& r = layout_.counter;
  const auto S = [this](int v) { return geometry_.ScaleSize(v); };
  if (!decor_.frame.isNull()) p.drawImage(QRect(r.left, r.top, r.width, r.height), decor_.frame);
  QFont f = roleFont(fonts_.decor, 24);
  p.setFont(f);
  p.setPen(QColor(0, 0, 255));
  p.drawText(QRect(r.left, r.top + S(8), r.width, S(28)), Qt::AlignCenter,
             texts_.round + " " + QString::number(scene_.dealNumber));
  if (scene_.orderedSuit == core::kNoSuit) return;
  p.setPen(QColor(0, 160, 0));
  // A smaller size while the words are wider than the frame.
  for (int size : {24, 20, 17, 14}) {
    p.setFont(roleFont(fonts_.decor, size));
    if (p.fontMetrics().horizontalAdvance(texts_.order) <= r.width - S(8)) break;
  }
  p.drawText(QRect(r.left, r.top + S(42), r.width, S(28)), Qt::AlignCenter, texts_.order);
  static const QString signs[] = {QStringLiteral("\u2665"), QStringLiteral("\u2666"), QStringLiteral("\u2663"),
                                  QStringLiteral("\u2660")};
  for (int i = 0; i < 4; ++i) {
    if (core::kSuitsInOrder[static_cast<std::size_t>(i)] != scene_.orderedSuit) continue;
    p.setFont(roleFont(fonts_.decor, 44));
    p.setPen(i < 2 ? QColor(220, 30, 30) : QColor(40, 80, 230));
    p.drawText(QRect(r.left, r.top + S(76), r.width, S(60)), Qt::AlignCenter, signs[i]);
  }
}

void TableView::drawMessages(QPainter& p) const {
  const Rect& r = layout_.memo;
  const QRect area(r.left, r.top, r.width, r.height);
  if (!decor_.memoFrame.isNull())
    p.drawImage(area, decor_.memoFrame);
  else
    p.fillRect(area, QColor(250, 245, 225));
  static const QColor kColours[] = {QColor(128, 0, 0), QColor(0, 0, 128), QColor(0, 128, 0), QColor(128, 128, 0)};
  p.setFont(roleFont(fonts_.serif, 14));
  const int lineHeight = r.height / MessageLines::kLines;
  for (int i = 0; i < MessageLines::kLines; ++i) {
    const int c = messages_.colour[static_cast<std::size_t>(i)];
    if (messages_.text[static_cast<std::size_t>(i)].isEmpty() || c < 1 || c > 4) continue;
    p.setPen(kColours[c - 1]);
    p.drawText(QRect(r.left + geometry_.ScaleSize(6), r.top + i * lineHeight, r.width - geometry_.ScaleSize(12), lineHeight),
               Qt::AlignLeft | Qt::AlignVCenter, messages_.text[static_cast<std::size_t>(i)]);
  }
}

void TableView::mouseReleaseEvent(QMouseEvent* e) {
  if (!game_) {
    e->ignore();  // no game on the table: the window handles the click (the intro)
    return;
  }
  const QPoint pt = e->position().toPoint();
  const Rect& t = layout_.table;
  const QRect pile(t.left + layout_.pileX, t.top + layout_.base - pileOffset(scene_.pileCount), geometry_.cardWidth(),
                   geometry_.cardHeight());
  if (pile.contains(pt)) {
    Q_EMIT faceUpClicked(e->button());
    return;
  }
  if (const int slot = cardUnder(2, pt); slot > 0) Q_EMIT cardClicked(slot, e->button());
}

void TableView::contextMenuEvent(QContextMenuEvent* e) {
  // Over the hands and the pile a right click names a card: no window menu there.
  const QPoint pt = e->pos();
  const bool overCards = game_ && (layout_.hand[0].contains(pt.x(), pt.y()) || layout_.hand[1].contains(pt.x(), pt.y()) ||
                                   layout_.table.contains(pt.x(), pt.y()));
  if (overCards)
    e->accept();
  else
    e->ignore();
}

void TableView::mouseMoveEvent(QMouseEvent* e) {
  const int slot = cardUnder(2, e->position().toPoint());
  bool playable = false;
  if (game_ && slot > 0 && game_->state() == core::GameState::PlayerTwoToMove &&
      game_->phase() == core::DealPhase::InPlay && static_cast<std::size_t>(slot) <= scene_.hands[1].size())
    playable = game_->legal(scene_.hands[1][static_cast<std::size_t>(slot - 1)]);
  if (cursorHook)
    cursorHook(this, playable);
  else
    setCursor(playable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

}  // namespace vantorn::table
