// The generators' own card art: themed faces for the decks that have no free SVG
// deck, the jokers of every deck, suit signs and the card backs.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

namespace assets {

struct DeckTheme {
  QColor paper, frame, panel, accent;
  QColor suitColour[4];   // hearts, diamonds, clubs, spades
  QString index[6];       // corner letters of 9, 10, J, Q, K, A
  QString figure[3];      // emoji of the jack, queen, king figures
  QString motif;          // the deck's emblem (emoji), shown on courts, aces and jokers
  QString pip[4];         // emoji pips instead of the French suits (Spanish decks), or empty
  int border = 0;         // 0 plain line, 1 double line, 2 ornamental dots
};

const DeckTheme& deckTheme(int deck);
// Paints one face over `img` (suit -1: joker 0 blue, 1 red, 2 black).
void paintFace(QImage& img, const DeckTheme& t, int suit, int rank, bool opaque);
void paintSuitSign(QPainter& p, const DeckTheme& t, int suit, const QRectF& box);

// Back names: "Ob01Mo" .. "Ob07Su", then "Ob08XX" .. "Ob10XX" (index 0..9).
QString backName(int index);
// Back-style suffixes: 0 none, 1 "Cl1" .. 12 "Rus".
QString backStyleSuffix(int style);
QImage drawBack(int style, int index, int w, int h, bool opaque);

}  // namespace assets
