// The game table: draws what the players can see (hands, pile, stock, name plates,
// panels, the round and order display, the summary) and the card in flight. It keeps its
// own picture of the table, moved on by the core's events as they are played, so a card
// appears in a hand only when its flight has arrived.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "core/events.h"
#include "core/game.h"
#include "table/card_pictures.h"
#include "table/fonts.h"
#include "table/geometry.h"

namespace vantorn::table {

// A player panel's four fields as last drawn. A number field holds a value or is empty.
struct PanelFields {
  static constexpr int kClearField = -1000000;  // DrawPanel: restore the area, write nothing
  static constexpr int kKeepField = -2000000;   // DrawPanel: leave the field as it is
  // Star values: 1 the black star, 2 the red star, 3 clear the star area, 4 leave it.
  static constexpr int kStarBlack = 1, kStarRed = 2, kStarClear = 3, kStarKeep = 4;

  std::optional<int> total, left, right;
  int star = kStarClear;  // 1, 2 or 3 (empty)
  bool operator==(const PanelFields&) const = default;
};

// What the table shows at this moment.
struct TableScene {
  std::array<std::vector<core::Card>, 2> hands;
  std::array<std::vector<core::Card>, 2> arriving;  // taken, still in flight
  core::Card landing{};                              // played, still in flight
  int stockCount = 0;
  int pileCount = 0;
  core::Card faceUp{};
  core::Suit orderedSuit = core::kNoSuit;
  bool revealTop = false;
  bool speaking = false;  // seat 2's plate shows "One moment..."
  bool cleared = false;   // the summary replaced the cards
  bool summary = false;
  std::int32_t preliminary = 0, result = 0;
  int dealNumber = 0;
  int firstMover = 0;
  std::array<PanelFields, 2> panels;

  // Moves the scene on by one event; `game` gives the values the event does not carry.
  void apply(const core::Event& e, const core::Game& game);
  // Writes a seat's panel (seat 1 or 2): with `redraw` the whole panel is blank first;
  // each number is a value or one of the reserved values kClearField, kKeepField.
  void DrawPanel(int seat, int star, bool redraw, int right, int left, int total);

 private:
  void showScore(int seat, const core::Game& game);
};

// The table's own pictures (panels, name plates, the round frame, the first mover's stars).
struct TableDecor {
  QImage panel, plateName, plateMessage, frame, starBlack, starRed, memoFrame;
};

// The network message area: the last four lines, each with its colour index 1..4
// (maroon, navy, green, olive).
struct MessageLines {
  static constexpr int kLines = 4;
  std::array<QString, kLines> text;
  std::array<int, kLines> colour{};
  // AddMessageLine: into the first empty line, or the oldest is pushed out.
  void add(int colourIndex, const QString& line);
  void clear() { *this = MessageLines{}; }
};

struct TableTexts {
  QString names[2];
  QString round, order, oneMoment, preliminary, result, score;
};

// The corner of the first mover's star in a panel, panel-relative.
QPoint starPlace(const Geometry& g);

class TableView : public QWidget {
  Q_OBJECT
 public:
  explicit TableView(QWidget* parent = nullptr);

  void setGeometryModel(const Geometry& g);
  void setPictures(const CardPictures* pictures) { pictures_ = pictures; update(); }
  void setBackground(const QImage& background) { background_ = background; update(); }
  void setGame(const core::Game* game) { game_ = game; }
  void setTexts(const TableTexts& texts) { texts_ = texts; update(); }
  void setDecor(const TableDecor& decor) { decor_ = decor; update(); }
  void setFonts(const FontRoles& fonts) { fonts_ = fonts; update(); }
  // The message area shows only in a network game.
  void showMessages(bool on) { showMessages_ = on; update(); }
  MessageLines& messages() { return messages_; }

  TableScene& scene() { return scene_; }
  const TableLayout& layout() const { return layout_; }
  const Geometry& geometryModel() const { return geometry_; }

  // The positions of the cards of a seat's hand as drawn now (left edges, hand-relative).
  std::array<int, 36> fan(int seat) const;
  // The slot (1-based) of seat 2's card under a window point, 0 if none.
  int cardUnder(int seat, QPoint p) const;

  // Start and end points of a flight (window coordinates).
  QPoint flightStart(const core::Event& flight) const;
  QPoint flightEnd(const core::Event& flight) const;
  // The flying card: its picture and place; a null picture ends the flight.
  void setSprite(const QImage& picture, QPoint at) {
    sprite_ = picture;
    spriteAt_ = at;
    update();
  }
  const QImage& cardPicture(core::Card c) const;

  // Sets the table's cursor: the hand over a card that may be played, the arrow
  // elsewhere. Without a hook the system's shapes are used.
  std::function<void(QWidget* table, bool hand)> cursorHook;

 Q_SIGNALS:
  void cardClicked(int slot, Qt::MouseButton button);
  void faceUpClicked(Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void contextMenuEvent(QContextMenuEvent*) override;

 private:
  void drawHand(QPainter& p, int seat) const;
  void drawPanel(QPainter& p, int seat) const;
  void drawPlate(QPainter& p, int seat) const;
  void drawCounter(QPainter& p) const;
  void drawMessages(QPainter& p) const;

  Geometry geometry_;
  TableLayout layout_;
  const CardPictures* pictures_ = nullptr;
  const core::Game* game_ = nullptr;
  QImage background_;
  TableScene scene_;
  TableTexts texts_;
  TableDecor decor_;
  FontRoles fonts_;
  // A bold font of a role at a design height (scaled, then by the role's percentage).
  QFont roleFont(const FontRole& role, int designHeight) const;
  MessageLines messages_;
  bool showMessages_ = false;
  QImage sprite_;
  QPoint spriteAt_;
};

}  // namespace vantorn::table
