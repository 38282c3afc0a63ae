// The card pictures of the table: faces of the classic built-in deck and the back of the
// day, at the current card size. A picture the resources do not hold is painted here
// instead, so the table is always complete.
#pragma once

#include <QHash>
#include <QImage>
#include <QString>

#include "core/card.h"

namespace vantorn::platform {
class Resources;
}

namespace vantorn::table {

class CardPictures {
 public:
  // What to load: the deck 0..47, the back style 0..12 and the back 1..10 of this deal.
  struct Choice {
    int deck = 0;
    int backStyle = 0;
    int back = 1;
  };
  // What fell back: the pack of the deck or of the backs was missing.
  struct Report {
    bool deckPackMissing = false;
    bool backPackMissing = false;
    Choice used;
  };
  // Loads the faces and the back for a card of width by height pixels (cardClass 1 uses
  // the small pictures, the other classes the large ones). A missing pack falls back to
  // the built-in deck or backs.
  Report load(const platform::Resources* res, int width, int height, int cardClass, Choice choice);

  const QImage& face(core::Card c) const;
  const QImage& back() const { return back_; }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  QImage paintedFace(core::Card c) const;
  QImage paintedBack() const;

  QHash<QString, QImage> faces_;
  QImage back_;
  QImage empty_;
  int width_ = 71, height_ = 96;
};

}  // namespace vantorn::table
