// The menu screen: the five club rows from the player file, the main buttons, the title
// and the two captions, the menu animations that play by turns, two candlesticks with
// flickering flames, and in large windows the time clock and the information board.
//
// `MenuScreen` covers the whole client area of the main window and paints the background
// under its controls; the main window builds it (ShowMenu(0)) and ticks it every 20 ms
// (ShowMenu(1)). The texts of the rows and the board's figures are prepared by the pure
// functions below, which the tests check on their own.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/cards_button.h"
#include "table/fonts.h"
#include "table/geometry.h"
#include "table/menu_layout.h"
#include "words/text.h"

class QBuffer;
class QMovie;

namespace vantorn::platform {
class Resources;
}

namespace vantorn::app {

// --- Player rows ------------------------------------------------------------------------

// The row of a 59-character player record in list mode 1 (games and series score) or 2
// (games and rating): 39 columns, " " + name (20) + games (8, right) + score or rating
// (9, right) + " ". An empty or damaged record gives " " + 37 "#" + " ", so that its 33rd
// character is "#". Windows-1251 bytes.
std::string menuRowText(std::string_view record, int listMode);
// A row whose 33rd character is "#" is empty and does nothing when clicked.
bool menuRowEmpty(const QString& row);
// The list header re-laid into the columns of the rows: the header text of the Words
// table holds three labels separated by runs of spaces; the first goes left from column
// 2, the second ends with the games column and the third with the last figure column.
// Wide (East Asian) characters count as two columns. Any other text is left as it is.
QString menuHeaderText(const QString& header);
// Number of fixed-pitch columns a text takes (wide characters count twice).
int displayColumns(const QString& text);

// --- Information board ------------------------------------------------------------------

// What the board's request answered: the figures of the face's request.
struct BoardAnswer {
  long long wins = 0, losses = 0;  // face 1: games with the computer the humans won, lost
  long long number = 0;            // face 2 the games played; 3..5 the score; 6, 7 the count
  std::string nick = "#";          // faces 3..5: the first row's nick ("#" none), UTF-8
};
// Fetches a face's figures; nothing when the request failed.
using BoardFetch = std::function<std::optional<BoardAnswer>(int face)>;

struct BoardFace {
  std::string figure = "00";  // the digits drawn ("-" as the minus picture)
  char letter = 0;            // face 2: 'K', 'M' or 'G' after a shortened figure
  QString hint;
};

// The figure, letter and hint of a face (1..7) for an answer, or for a failed request.
BoardFace boardFace(int face, const std::optional<BoardAnswer>& answer, words::Language language);
// Face 1: the rounded percentage of lost games; "0" when no game was played.
std::string boardPercent(long long wins, long long losses);
// Face 2: the count unchanged up to 999, then in thousands "K", millions "M", milliards "G".
std::pair<std::string, char> boardCount(long long n);

// Where the figure's pictures go: x of each character at y 15, and the size they are
// resized to (0 by 0: their own size). Seven characters or more: nothing is drawn.
struct BoardDigits {
  std::vector<int> x;
  int width = 0, height = 0;
};
BoardDigits boardDigits(std::size_t length);

// The face shown in a minute: (minute mod 7) + 1, face 6 (the account's balance) only
// while logged in, else face 7.
int boardFaceForMinute(int minute, bool loggedIn);

// The picture prefix of a face's digits ("GRClock" ...), its icon and its label.
QString boardDigitPrefix(int face);
QString boardIcon(int face);
QString boardLabel(int face);

// --- The screen -------------------------------------------------------------------------

struct MenuSetup {
  words::Language language = words::Language::English;
  int windowSize = 1;       // 1..5
  bool network = false;     // network mode: "Net__" caption, the network players
  int listMode = 1;         // 1 score, 2 rating
  bool dark = false;        // the dark main menu design
  int captionColour = 1;    // 1..7
  bool gifAnimation = true;
  bool newButtons = false;  // the "Vell" capsules
  bool calendar = false;    // the calendar pictures stand beside the candlesticks
  bool hasBackground = true;  // without one, the flames are keyed on green
  table::FontRoles fonts;
};

class MenuScreen : public QWidget {
  Q_OBJECT
 public:
  MenuScreen(const platform::Resources& resources, QWidget* parent = nullptr);
  ~MenuScreen() override;

  // The background picture at the client size (drawn under the whole menu).
  void setBackground(const QImage& background);
  // Where the board's figures come from (the default fails: "NO CONNECT").
  void setFetch(BoardFetch fetch) { fetch_ = std::move(fetch); }
  // The clock of the time clock and of the board's minute (the default is the system's).
  void setNow(std::function<QDateTime()> now) { now_ = std::move(now); }
  void setLoggedIn(bool v) { loggedIn_ = v; }

  // ShowMenu(0): lays out and draws every control for the geometry and the setup, with
  // the rows' texts (Windows-1251). ShowMenu(1): one animation tick.
  void build(const table::Geometry& g, const MenuSetup& setup, const std::array<std::string, 5>& rows);
  void setRows(const std::array<std::string, 5>& rows, int listMode);
  void ShowMenu(int tick);

  void DrawTimeClock();
  void DrawInfoBoard(int face);

  int captionColour() const { return setup_.captionColour; }
  int flamePhase() const { return phase_; }
  int boardFaceShown() const { return face_; }
  const table::MenuLayout& layout() const { return layout_; }

 Q_SIGNALS:
  void rowClicked(int slot);  // 1..5, only for a row that is not empty
  void newPlayerClicked();
  void topTenClicked();
  void optionsClicked();
  void historyClicked();
  void modeClicked();
  void exitClicked();
  void captionColourChanged(int colour);

 protected:
  void paintEvent(QPaintEvent*) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QImage png(const QString& name) const;
  QImage backgroundAt(const table::Rect& r) const;
  void drawCaptions();
  void drawCandles();
  void styleButtons();
  void startAnimations();
  void gifFrame(int which, int frame);
  static void place(QWidget* w, const table::Rect& r);

  const platform::Resources& resources_;
  QImage background_;
  table::Geometry geometry_;
  table::MenuLayout layout_;
  MenuSetup setup_;
  BoardFetch fetch_;
  std::function<QDateTime()> now_;
  bool loggedIn_ = false;
  int phase_ = 0;
  int face_ = 0;
  int boardLatchMinute_ = -1;  // the minute whose face was fetched at its second 01
  QString clockDrawn_;         // what the time clock shows now ("hh:mm" and the separator)
  std::array<QImage, 6> flames_;
  QImage candle_;
  std::array<QImage, 2> stills_;  // PngMenu1, PngMenu2

 public:
  std::array<controls::TQexCardsButton*, 5> rows{};  // Button1..Button5
  std::array<std::string, 5> rowTexts;
  controls::TQexCardsButton* Button6 = nullptr;   // New Player
  controls::TQexCardsButton* Panel4 = nullptr;    // the list header
  controls::TQexCardsButton* Button9 = nullptr;   // Top Ten
  controls::TQexCardsButton* Button10 = nullptr;  // Options
  controls::TQexCardsButton* BHistory = nullptr;
  controls::TQexCardsButton* BMode = nullptr;
  controls::TQexCardsButton* Button11 = nullptr;  // Exit
  QLabel* ImTitle = nullptr;
  QLabel* ImCaption = nullptr;
  QLabel* ImElite = nullptr;
  QLabel* ImageSvLeft = nullptr;
  QLabel* ImageSvRight = nullptr;
  std::array<QLabel*, 2> RxGIFAn{};
  std::array<QMovie*, 2> movies{};
  QLabel* ImClock1 = nullptr;
  QLabel* ImClock2 = nullptr;

 private:
  std::array<QBuffer*, 2> gifData_{};
};

}  // namespace vantorn::app
