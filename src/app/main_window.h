// TForm1: the program's one window. It shows the intro, the menu with the five club
// players, and the table of a local game against the computer, and records every
// finished game in the history and the player file.
#pragma once

#include <QTimer>
#include <QWidget>

#include <filesystem>
#include <memory>
#include <random>

#include "app/cursors.h"
#include "app/finish_game.h"
#include "app/touch_effect.h"
#include "app/window_style.h"
#include "app/intro_screen.h"
#include "app/menu_screen.h"
#include "net/direct_session.h"
#include "controls/cards_button.h"
#include "core/game.h"
#include "files/settings.h"
#include "platform/resources.h"
#include "platform/music.h"
#include "platform/sound_effects.h"
#include "table/card_pictures.h"
#include "table/event_player.h"
#include "table/table_view.h"

class QLineEdit;
class QPushButton;
class QTcpServer;
class QTcpSocket;

namespace vantorn::app {

struct LaunchOptions {
  std::filesystem::path dataDir;
  bool autoplay = false;  // the computer plays the human's seat and presses the buttons
  bool fast = false;      // no pauses, flights or waits
  int games = 0;          // quit after this many finished games (0: never)
  QString name;           // the player to play as without the dialogs
  int windowSize = 0;     // 1..5 overrides the setting for this run
  bool noIntro = false;   // straight to the menu
  int language = -1;      // 0..9 overrides the language setting for this run
  // A direct network game without the dialogs: create it on a port, or enter one.
  int hostPort = 0;
  QString joinHost;
  int joinPort = 0;
};

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm1(LaunchOptions options);
  ~TForm1() override;

  // The second half of the start-up: settings and player files. False with a message
  // (in the current language) when a player file is missing or damaged.
  bool startUp(QString& message);
  int exitCode() const { return exitCode_; }
  bool onMenu() const { return screen_ == Screen::Menu; }
  // The end of the run: the settings file is written (never after a failed start-up).
  void shutDown();

  void showIntro();
  void showMenu();
  void startGame(const CurrentPlayer& player);
  // A direct network game: this program creates it (listens) or enters it (connects).
  void hostGame(const CurrentPlayer& player, int port);
  void joinGame(const CurrentPlayer& player, const QString& host, int port);

 protected:
  void keyReleaseEvent(QKeyEvent*) override;
  void contextMenuEvent(QContextMenuEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void closeEvent(QCloseEvent*) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  enum class Screen { Intro, Menu, Table };

  void ApplyWindowSize();
  void loadCards();
  table::Geometry currentGeometry() const;
  int PickBack();
  void layoutControls();
  // ShowMenu(0) builds the menu screen for the current settings, ShowMenu(1) animates it.
  void ShowMenu(int tick);
  // The five rows of the player file of the mode, in the current list mode.
  std::array<std::string, 5> menuRows() const;
  void loadMenuBackground();
  void centreWindow();
  void retext();
  void Timer1Timer();
  void Button7Click();
  void Button8Click();
  void ImageCards2MouseUp(int slot, Qt::MouseButton button);
  void sayCard(core::Card c);
  void afterCoreCall();
  int onPresentationEvent(const core::Event& e);
  void updateButtons();
  void askSuit();
  void FinishGame();
  void leaveTable();
  void forfeitClubPlace();
  void menuRowChosen(int slot);
  core::Permutation shuffle();
  bool networkGame() const { return session_ != nullptr; }
  void openSession(const CurrentPlayer& player, net::DirectRole role);
  void ServerSocket1ClientRead();
  void BitBtn1Click();
  bool eventFilter(QObject* watched, QEvent* event) override;
  void socketClosed();
  void handleNotices(const std::vector<net::Notice>& notices);
  void showTable();
  void closeConnection();
  void endRun(int status);
  CurrentPlayer autoplayPlayer(const std::filesystem::path& file) const;
  words::Language language() const { return words::languageFromIndex(settings_.language); }
  // The player file of the mode: network games keep their own club.
  std::filesystem::path playerFile() const {
    const bool network = networkGame() || (screen_ != Screen::Table && settings_.networkPlay);
    return options_.dataDir / (network ? "Vantorn.net" : "Vantorn.clb");
  }
  void beginServerGame();

  LaunchOptions options_;
  files::Settings settings_;
  platform::Resources resources_;
  table::Geometry geometry_;
  table::CardPictures pictures_;
  core::Game game_;
  CurrentPlayer current_;
  Screen screen_ = Screen::Intro;
  int finishedGames_ = 0;
  int exitCode_ = 0;
  bool suitDialogOpen_ = false;
  std::mt19937_64 random_;

  IntroScreen* intro_ = nullptr;
  MenuScreen* menu_ = nullptr;
  QImage background_;  // the background of the screen shown, at the client size
  // The background for the menu's or the table's design; a missing pack is told once
  // and the settings fall back.
  void loadBackground(bool forTable);
  // A message that is not a question: the notice window (a log line in unattended runs).
  void notice(const QString& line1, const QString& line2 = {});
  // The small windows' dress from the settings; a fallback switches the settings to
  // style 2 and is told once.
  WindowStyle windowStyle();
  bool summaryHold_ = false;         // an unattended player is looking at the summary
  bool backgroundForTable_ = false;  // which screen's design the background is for
  std::unique_ptr<CursorSet> cursors_;
  std::unique_ptr<TouchEffect> touch_;
  table::TableView* table_ = nullptr;
  controls::TQexCardsButton* Button7 = nullptr;
  controls::TQexCardsButton* Button8 = nullptr;
  QLineEdit* Edit1 = nullptr;  // the network message line
  QPushButton* BitBtn1 = nullptr;    // its send button
  table::EventPlayer* player_ = nullptr;
  platform::EffectPlayer* effects_ = nullptr;
  platform::MusicPlayer* music_ = nullptr;
  QTimer Timer2;  // every second: restarts the music on the intro and the menu
  QTimer Timer1;

  std::unique_ptr<net::DirectSession> session_;
  std::string opponentName_;
  class TFormWait* wait_ = nullptr;  // open while a connection is being made from the dialogs  // kept for the history: the session forgets it when the peer leaves
  QTcpServer* ServerSocket1 = nullptr;
  QTcpSocket* socket_ = nullptr;
};

}  // namespace vantorn::app
