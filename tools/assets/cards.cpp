#include "cards.h"

#include "face_art.h"
#include "paint.h"

#include <platform/resources.h>

#include <QSet>
#include <QSvgRenderer>

#include <map>
#include <memory>

namespace assets {
namespace {

const char* const kSuitCode[4] = {"Ch", "Bu", "Kr", "Pi"};
const char* const kSignName[4] = {"Cher", "Bubi", "Kres", "Piki"};
const char* const kRankCode[6] = {"09", "10", "2J", "3Q", "4K", "5A"};
const char* const kJoker[3] = {"PoBlue", "PoRed", "PoBlack"};
const char* const kSvgId[4] = {"heart", "diamond", "club", "spade"};
const char* const kSvgRank[6] = {"9", "10", "jack", "queen", "king", "1"};

constexpr int kSmallW = 69, kSmallH = 94;
constexpr int kBigW = 146, kNarrowW = 126, kBigH = 198;

// The deck table: number, suffix, the deck whose pictures make the ranks 9 and 10
// and the suit signs ("first"), the deck whose aces are used ("second").
struct DeckRow {
  int number;
  const char* suffix;
  const char* first;
  const char* second;
  const char* signs;  // suit signs' suffix when it differs from `first`
};
const DeckRow kDecks[] = {
    {1, "Med", "Med", "Med", nullptr},  {2, "Mod", "Mod", "Mod", nullptr},  {3, "Anc", "Anc", "Anc", nullptr},
    {4, "Bar", "Bar", "Bar", nullptr},  {5, "Cel", "Cel", "Cel", nullptr},  {6, "Cor", "Mod", "Cor", nullptr},
    {7, "Cro", "Mod", "Mod", nullptr},  {8, "Eng", "Eng", "Eng", nullptr},  {9, "Fra", "Fra", "Fra", nullptr},
    {10, "His", "Mod", "Mod", nullptr}, {11, "Nat", "Nat", "Nat", "Mod"},   {12, "Old", "Old", "Old", nullptr},
    {13, "Par", "Mod", "Mod", nullptr}, {14, "Roy", "Roy", "Roy", nullptr}, {15, "Sha", "Sha", "Sha", nullptr},
    {16, "Big", "Big", "Big", nullptr}, {17, "004", "004", "004", nullptr}, {18, "Lon", "Lon", "Lon", nullptr},
    {19, "Cl2", "Sea", "Sea", nullptr}, {20, "Hea", "Sea", "Sea", nullptr}, {21, "Sea", "Sea", "Sea", nullptr},
    {22, "Rhi", "Rhi", "Rhi", nullptr}, {23, "Me2", "Me2", "Me2", nullptr}, {24, "Doo", "Doo", "Doo", nullptr},
    {25, "Boy", "Rhi", "Boy", nullptr}, {26, "Epi", "Epi", "Epi", nullptr}, {27, "USR", "Big", "USR", nullptr},
    {28, "Pla", "Pla", "Pla", nullptr}, {29, "SkN", "SkN", "SkN", nullptr}, {30, "SkT", "SkT", "SkT", nullptr},
    {31, "SkF", "SkF", "SkF", nullptr}, {32, "Bel", "Bel", "Bel", nullptr}, {33, "Dia", "Dia", "Dia", nullptr},
    {34, "Kny", "Kny", "Kny", nullptr}, {35, "Pas", "Pas", "Pas", nullptr}, {36, "Rus", "Rus", "Rus", nullptr},
    {37, "Sla", "Sla", "Sla", nullptr}, {38, "May", "May", "May", nullptr}, {39, "Lub", "Lub", "Lub", nullptr},
    {40, "Fra", "Fra", "Fra", nullptr}, {41, "Mus", "Mus", "Mus", nullptr}, {42, "BS1", "BS1", "BS1", nullptr},
    {43, "BS2", "BS2", "BS2", nullptr}, {44, "BS3", "BS3", "BS3", nullptr}, {45, "Chi", "Chi", "Chi", nullptr},
    {46, "BIt", "BIt", "BIt", nullptr}, {47, "Cze", "Cze", "Cze", nullptr},
};

bool narrowDeck(int n) { return n >= 28 && n != 40 && n != 45; }
int packOf(int n) { return n <= 31 ? 0 : n <= 39 ? 1 : 2; }

// Which deck draws the pictures named with `suffix` inside a pack ("Fra" is deck 9
// in the first pack and deck 40 in the third).
int deckOfSuffix(const QString& suffix, int pack) {
  for (const DeckRow& d : kDecks)
    if (suffix == d.suffix && packOf(d.number) == pack) return d.number;
  return 2;
}

// The free SVG decks that Debian ships, by deck number (licences in docs/credits.md).
const char* svgFile(int deck) {
  switch (deck) {
    case 0: return "svg-standard/standard.svgz";
    case 2: return "svg-konqi-modern/konqi.svgz";
    case 3: return "svg-ancient-egyptians/Ancient_Egyptians.svgz";
    case 4: return "svg-nicu-ornamental/ornamental.svgz";
    case 8: return "svg-nicu-white/white.svgz";
    case 9: return "svg-dondorf/dondorf.svgz";
    case 14: return "svg-jolly-royal/jolly-royal.svgz";
    case 19: return "svg-oxygen-white/oxygen-white.svgz";
    case 24: return "svg-penguins/penguins.svgz";
    case 26: return "svg-oxygen/oxygen.svgz";
    case 29: return "svg-xskat-german/german.svgz";
    case 31: return "svg-xskat-french/french.svgz";
    case 36: return "svg-oxygen-air/oxygen-air.svgz";
    case 40: return "svg-gm-paris/paris.svgz";
    case 46: return "svg-tigullio-international/tigullio-international.svgz";
    default: return nullptr;
  }
}

QSvgRenderer* svgFor(int deck) {
  static std::map<int, std::unique_ptr<QSvgRenderer>> cache;
  const char* file = svgFile(deck);
  if (!file) return nullptr;
  auto& slot = cache[deck];
  if (!slot) {
    slot = std::make_unique<QSvgRenderer>(QString(VANTORN_CARDDECKS_DIR "/") + file);
    if (!slot->isValid()) {
      std::fprintf(stderr, "assetgen: cannot read the card deck %s, drawing it instead\n", file);
    }
  }
  return slot->isValid() ? slot.get() : nullptr;
}

// One face (suit 0..3, rank 0..5) or joker (suit -1, rank 0..2) of a deck.
QImage drawFace(int deck, int suit, int rank, int w, int h, bool smallBitmap) {
  QImage img = canvas(w, h, smallBitmap ? QColor(Qt::white) : QColor(Qt::transparent));
  QSvgRenderer* svg = suit >= 0 ? svgFor(deck) : nullptr;
  const QString id = suit >= 0 ? QString("%1_%2").arg(kSvgRank[rank], kSvgId[suit]) : QString();
  if (svg && svg->elementExists(id)) {
    QPainter p(&img);
    antialias(p);
    svg->render(&p, id, QRectF(0, 0, w, h));
  } else {
    paintFace(img, deckTheme(deck), suit, rank, smallBitmap);
  }
  return img;
}

QImage drawSign(int deck, int suit, int size, bool bitmap) {
  // The loader flood-fills deck 26's diamonds bitmap with silver from its top left
  // pixel up to the border colour 0xC3C3C3: that sign is drawn on white inside a
  // ring of that colour, which the fill cannot cross.
  const bool ringed = bitmap && deck == 26 && suit == 1;
  const QColor silver(0xC0, 0xC0, 0xC0), ground = ringed ? QColor(Qt::white) : silver;
  QImage img = canvas(size, size, bitmap ? ground : QColor(Qt::transparent));
  {
    QPainter p(&img);
    antialias(p);
    if (bitmap) p.setRenderHint(QPainter::Antialiasing, false);  // keyed transparency needs hard edges
    paintSuitSign(p, deckTheme(deck), suit, QRectF(size * 0.1, size * 0.1, size * 0.8, size * 0.8));
  }
  if (ringed) {
    const QImage drawn = img.copy();
    auto isSign = [&](int x, int y) {
      return x >= 0 && y >= 0 && x < size && y < size && drawn.pixelColor(x, y) != ground;
    };
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        if (isSign(x, y)) continue;
        bool near = false;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) near = near || isSign(x + dx, y + dy);
        if (near) img.setPixelColor(x, y, QColor(0xC3, 0xC3, 0xC3));
      }
  }
  return img;
}

QImage packFace(QImage img, bool big, bool narrow) {
  // Stored with the loader's ellipse already inverted (the loader inverts it back).
  img = img.convertToFormat(QImage::Format_ARGB32);
  if (!big)
    vantorn::platform::InvertEllipse(img, 10, 10, 84, 59);
  else
    vantorn::platform::InvertEllipse(img, 10, 10, 188, narrow ? 116 : 136);
  return img;
}

}  // namespace

void makeBuiltinCards(Sink& sink) {
  for (int s = 0; s < 4; ++s)
    for (int r = 0; r < 6; ++r) {
      const QString code = QString(kSuitCode[s]) + kRankCode[r];
      sink.bitmap(code, drawFace(0, s, r, kSmallW, kSmallH, true));
      sink.png(code + "B", drawFace(0, s, r, kBigW, kBigH, false));
    }
  for (int j = 0; j < 3; ++j) {
    sink.bitmap(kJoker[j], drawFace(0, -1, j, kSmallW, kSmallH, true));
    sink.png(QString(kJoker[j]) + "B", drawFace(0, -1, j, kBigW, kBigH, false));
  }
  for (int s = 0; s < 4; ++s) {
    sink.bitmap(kSignName[s], drawSign(0, s, 20, true));
    sink.png(QString(kSignName[s]) + "B", drawSign(0, s, 60, false));
  }
  for (int b = 0; b < 7; ++b) {
    const QString name = backName(b);
    const QImage small = drawBack(0, b, kSmallW, kSmallH, true);
    sink.bitmap(name, small);
    sink.png(name, small);
    sink.png(name + "B", drawBack(0, b, kBigW, kBigH, false));
  }
}

void makeCardPack(Sink& sink, int pack) {
  QSet<QString> done;
  auto face = [&](const QString& name, int deck, int suit, int rank, bool big, bool narrow) {
    if (done.contains(name)) return;
    done.insert(name);
    const int w = big ? (narrow ? kNarrowW : kBigW) : kSmallW;
    sink.png(name, packFace(drawFace(deck, suit, rank, w, big ? kBigH : kSmallH, !big), big, narrow));
  };
  auto sign = [&](const QString& base, int deck, int suit) {
    if (done.contains(base)) return;
    done.insert(base);
    sink.bitmap(base, drawSign(deck, suit, 20, true));
    sink.png(base + "B", drawSign(deck, suit, 60, false));
  };
  for (const DeckRow& d : kDecks) {
    if (packOf(d.number) != pack) continue;
    const bool narrow = narrowDeck(d.number);
    const QString own = d.suffix, first = d.first, second = d.second;
    for (int big = 0; big < 2; ++big) {
      const QString size = big ? "B" : "";
      for (int s = 0; s < 4; ++s)
        for (int r = 0; r < 6; ++r) {
          const QString& sfx = r < 2 ? first : r == 5 ? second : own;
          face(QString(kSuitCode[s]) + kRankCode[r] + sfx + size, deckOfSuffix(sfx, pack), s, r, big, narrow);
        }
      for (int j = 0; j < 3; ++j) face(QString(kJoker[j]) + own + size, d.number, -1, j, big, narrow);
    }
    const QString signs = d.signs ? QString(d.signs) : first;
    for (int s = 0; s < 4; ++s) sign(QString(kSignName[s]) + signs, deckOfSuffix(signs, pack), s);
  }
  if (pack == 1) {
    // Every back style 1..12 at the three sizes, and the built-in style's narrow ("U") backs.
    for (int style = 0; style <= 12; ++style) {
      const int count = style >= 8 && style <= 11 ? 10 : 7;
      for (int b = 0; b < count; ++b) {
        const QString name = backName(b) + backStyleSuffix(style);
        if (style > 0) {
          sink.png(name, drawBack(style, b, kSmallW, kSmallH, true));
          sink.png(name + "B", drawBack(style, b, kBigW, kBigH, false));
        }
        sink.png(name + "U", drawBack(style, b, kNarrowW, kBigH, false));
      }
    }
  }
}

}  // namespace assets
