#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QFont>
#include <QHBoxLayout>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTcpServer>
#include <QTcpSocket>
#include <QVBoxLayout>

#include "app/balloon.h"
#include "app/dialogs.h"
#include "app/notice.h"
#include "app/options_window.h"
#include "app/small_windows.h"
#include "app/ui_text.h"
#include "core/autoplay.h"
#include "files/player_file.h"
#include "platform/resources_builtin.h"
#include "table/backgrounds.h"
#include "table/decks.h"

namespace vantorn::app {

using core::Event;
using core::EventKind;
using words::Entry;

namespace {
constexpr int kDriverInterval = 200;  // ms between driver ticks during a game
constexpr int kMenuInterval = 20;
constexpr int kSummaryLook = 3000;  // ms an unattended player looks at the summary

QFont decorFont(int pixels) {
  QFont f(QStringLiteral("Comic Neue"));
  f.setBold(true);
  f.setPixelSize(pixels);
  return f;
}
}  // namespace

TForm1::TForm1(LaunchOptions options)
    : options_(std::move(options)),
      resources_(platform::builtinResourceLibrary(), QString::fromStdString(options_.dataDir.string()),
                 QCoreApplication::applicationDirPath()),
      game_(core::GameConfig{}),
      random_(std::random_device{}()) {
  setWindowTitle(QStringLiteral("Vantorn"));
  setObjectName(QStringLiteral("TForm1"));

  intro_ = new IntroScreen(resources_, this);
  menu_ = new MenuScreen(resources_, this);
  menu_->hide();
  connect(menu_, &MenuScreen::optionsClicked, this, [this] {
    effects_->PlayEffect(QStringLiteral("WOpenFo"), false, settings_.sound);
    TFormOptions options(settings_, this);
    // Packs are downloaded into the folder above the data folder, which is searched too.
    options.setPacks(&resources_, QString::fromStdString(options_.dataDir.parent_path().string()));
    options.setDownloadBase(QString::fromUtf8(qgetenv("VANTORN_DOWNLOAD_BASE")));
    options.setOnDownloadFinished([this](const QString&, bool ok) {
      effects_->PlayEffect(ok ? QStringLiteral("WToMenK") : QStringLiteral("WWrongs"), false, settings_.sound);
    });
    // The menu speaks a new language at once, while the options are still open.
    const files::Settings before = settings_;
    connect(&options, &TFormOptions::languageChanged, this, [this](int language) {
      settings_.language = language;
      retext();
      ShowMenu(0);
    });
    if (options.exec() != QDialog::Accepted) {
      if (settings_.language != before.language) {
        settings_.language = before.language;
        retext();
        ShowMenu(0);
      }
      return;
    }
    settings_ = options.settings();
    if (const auto error = files::saveSettings(options_.dataDir / "Vantorn.ini", settings_))
      notice(wordText(*error, language()));
    cursors_->setOwn(settings_.ownCursors);
    ApplyWindowSize();  // sizes, cards, fonts and the menu (network play: its players) follow
    retext();
    music_->PlayMusic(settings_.music && !options_.autoplay && !options_.fast);
  });
  connect(menu_, &MenuScreen::topTenClicked, this, [this] {
    effects_->PlayEffect(QStringLiteral("WOpenFo"), false, settings_.sound);
    TFormTopTen(language(), playerFile(), false, this, windowStyle()).exec();
  });
  connect(menu_, &MenuScreen::historyClicked, this, [this] {
    effects_->PlayEffect(QStringLiteral("WOpenFo"), false, settings_.sound);
    TFHistory(language(), options_.dataDir / "History", "Vantorn.clb", this, windowStyle()).exec();
  });
  connect(menu_, &MenuScreen::modeClicked, this, [this] {
    effects_->PlayEffect(QStringLiteral("WOpenFo"), false, settings_.sound);
    settings_.clubListMode = settings_.clubListMode == 2 ? 1 : 2;
    menu_->setRows(menuRows(), settings_.clubListMode);
  });
  connect(menu_, &MenuScreen::captionColourChanged, this, [this](int colour) { settings_.captionColour = colour; });
  connect(menu_, &MenuScreen::rowClicked, this, &TForm1::menuRowChosen);
  connect(menu_, &MenuScreen::newPlayerClicked, this, [this] { menuRowChosen(6); });
  connect(menu_, &MenuScreen::exitClicked, this, &QWidget::close);

  table_ = new table::TableView(this);
  table_->setGame(&game_);
  table_->setPictures(&pictures_);
  Button7 = new controls::TQexCardsButton(QString(), table_);
  Button8 = new controls::TQexCardsButton(QString(), table_);
  Edit1 = new QLineEdit(table_);
  Edit1->setMaxLength(15);
  BitBtn1 = new QPushButton(QStringLiteral("\u2709"), table_);
  BitBtn1->installEventFilter(this);
  Edit1->hide();
  BitBtn1->hide();
  connect(Edit1, &QLineEdit::returnPressed, this, &TForm1::BitBtn1Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
  connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
  connect(Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
  connect(table_, &table::TableView::cardClicked, this, &TForm1::ImageCards2MouseUp);
  connect(table_, &table::TableView::faceUpClicked, this, [this](Qt::MouseButton b) {
    if (b == Qt::RightButton) sayCard(table_->scene().faceUp);
  });

  player_ = new table::EventPlayer(table_, &game_, this);
  player_->onEvent = [this](const Event& e) { return onPresentationEvent(e); };
  effects_ = new platform::EffectPlayer(&resources_, this);
  music_ = new platform::MusicPlayer(&resources_, this);
  connect(&Timer2, &QTimer::timeout, this, [this] {
    if (screen_ != Screen::Table) music_->tick();
  });

  connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
  cursors_ = std::make_unique<CursorSet>(resources_, this);
  touch_ = std::make_unique<TouchEffect>(resources_, this);
}

TForm1::~TForm1() = default;

bool TForm1::startUp(QString& message) {
  settings_ = files::loadSettings(options_.dataDir / "Vantorn.ini").settings;
  if (options_.windowSize >= 1 && options_.windowSize <= 5) settings_.windowSize = options_.windowSize;
  for (const char* name : {"Vantorn.clb", "Vantorn.net"}) {
    const auto path = options_.dataDir / name;
    files::PlayerFileStore store(path);
    const files::PlayerCheckResult check = store.check();
    if (check.status != files::PlayerCheck::Valid) {
      const Entry e = check.status == files::PlayerCheck::Missing ? Entry::CantFindTheFile : Entry::TheIncorrectFile;
      message = QString::fromStdString(files::fileErrorMessage(e, path.string(), language()));
      return false;
    }
    if (check.russianEdition) settings_.language = 1;
  }
  if (options_.language >= 0 && options_.language < words::kLanguageCount) settings_.language = options_.language;
  ApplyWindowSize();
  // Own cursors: the arrow on the window, the hand on its buttons and over a playable
  // card, the text beam on the message line.
  cursors_->setOwn(settings_.ownCursors);
  cursors_->applyToWindow(this);
  table_->cursorHook = [this](QWidget* w, bool hand) { cursors_->apply(w, hand ? CursorRole::Hand : CursorRole::Arrow); };
  // The touch effect before every button's action, when its switch is on.
  for (auto* b : findChildren<controls::TQexCardsButton*>())
    connect(b, &QPushButton::pressed, this, [this] {
      if (settings_.graphicButtons && !options_.autoplay) touch_->play();
    });
  if (auto* top = menu_->findChild<QWidget*>(QStringLiteral("Button9")))
    AttachHoverBalloon(top, wordText(Entry::GamesInCycle, language()) + QStringLiteral(":"), QStringLiteral("30"));
  retext();
  // Unattended runs stay silent.
  if (!options_.autoplay && !options_.fast) {
    if (!music_->PrepareMusic())
      notice(wordText(Entry::CantCreateMusicFile, language()));
    music_->PlayMusic(settings_.music);
    Timer2.start(1000);
  }
  return true;
}

void TForm1::ApplyWindowSize() {
  geometry_ = currentGeometry();
  loadCards();
  table_->setGeometryModel(geometry_);
  // The table's own pictures: the small ones at window size 1, the large ones stretched.
  const bool small = settings_.windowSize == 1;
  auto png = [this](const QString& name) {
    QImage img;
    platform::LoadPackPng(resources_, name, QString(), img);
    return img;
  };
  table::TableDecor decor;
  decor.panel = png(small ? QStringLiteral("TabloSm") : QStringLiteral("TabloBg"));
  decor.plateName = png(small ? QStringLiteral("SPYellow") : QStringLiteral("SPYellowB"));
  decor.plateMessage = png(small ? QStringLiteral("SPBlue") : QStringLiteral("SPBlueB"));
  decor.frame = png(small ? QStringLiteral("RamkaBBSm") : QStringLiteral("RamkaBBBg"));
  const bool bigStars = geometry_.s() >= 2.0;
  decor.starBlack = png(bigStars ? QStringLiteral("ZvezdaX") : QStringLiteral("ZvezdaXSm"));
  decor.starRed = png(bigStars ? QStringLiteral("ZvezdaR") : QStringLiteral("ZvezdaRSm"));
  decor.memoFrame = png(small ? QStringLiteral("RamkaERSm") : QStringLiteral("RamkaERBg"));
  table_->setDecor(decor);
  table::FontRoles fonts;
  fonts.decor = {table::freeFontFamily(settings_.fontDecor), settings_.scaleDecor};
  fonts.serif = {table::freeFontFamily(settings_.fontSerif), settings_.scaleSerif};
  fonts.fixed = {table::freeFontFamily(settings_.fontFixed), settings_.scaleFixed};
  fonts.conew = {table::freeFontFamily(settings_.fontConew), settings_.scaleConew};
  table_->setFonts(fonts);
  setFixedSize(geometry_.clientWidth(), geometry_.clientHeight());
  loadBackground(screen_ == Screen::Table);
  layoutControls();
  if (screen_ == Screen::Menu) ShowMenu(0);
}

void TForm1::loadBackground(bool forTable) {
  const bool dark = forTable ? settings_.tableDesign2 : settings_.menuDesign2;
  const table::BackgroundLoad b =
      table::LoadBackground(resources_, {settings_.backgroundKind, settings_.backgroundColour, dark},
                            settings_.windowSize, QSize(geometry_.clientWidth(), geometry_.clientHeight()));
  if (b.darkFailed) settings_.menuDesign2 = settings_.tableDesign2 = false;
  settings_.backgroundKind = b.used.kind;
  settings_.backgroundColour = b.used.colour;
  if (!b.missingPack.isEmpty()) notice(wordText(Entry::CantFindTheFile, language()) + " " + b.missingPack);
  background_ = b.picture;
  table_->setBackground(background_);
  QPalette pal = palette();
  pal.setColor(QPalette::Window,
               table::windowColour(settings_.backgroundColour, !background_.isNull(), !forTable && b.used.dark));
  setPalette(pal);
  setAutoFillBackground(true);
  backgroundForTable_ = forTable;
}

void TForm1::notice(const QString& line1, const QString& line2) {
  if (options_.autoplay || options_.fast) {
    qWarning("%s", qPrintable(line2.isEmpty() ? line1 : line1 + " " + line2));
    return;
  }
  ShowNotice(line1, line2, QString(), windowStyle(), this);
}

WindowStyle TForm1::windowStyle() {
  WindowStyle style = windowStyleFrom(settings_, &resources_);
  style.onFallback = [this](const DressResult& r) {
    if (!applyDressFallback(r, settings_)) return;
    // Told after the window that fell back has been shown.
    const QString text = dressFallbackNotice(r, language());
    QTimer::singleShot(0, this, [this, text] { notice(text); });
  };
  return style;
}

table::Geometry TForm1::currentGeometry() const {
  const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize(760, 500);
  return table::Geometry::forSetting(settings_.windowSize, screen.width(), screen.height(),
                                     table::deckNarrow(settings_.cardFaces));
}

int TForm1::PickBack() {
  // The back of today (Monday 1 .. Sunday 7), back 7 when one back is always used, and a
  // random one of ten for the styles that have ten.
  if (settings_.cardBack >= 8 && settings_.cardBack <= 11)
    return std::uniform_int_distribution<int>(1, 10)(random_);
  if (settings_.backAlwaysOne) return 7;
  return QDate::currentDate().dayOfWeek();
}

void TForm1::loadCards() {
  const table::CardPictures::Report r = pictures_.load(
      &resources_, geometry_.cardWidth(), geometry_.cardHeight(), geometry_.cardClass(),
      table::CardPictures::Choice{settings_.cardFaces, settings_.cardBack, PickBack()});
  for (const auto& [missing, pack] : {std::pair{r.deckPackMissing, table::deckPack(settings_.cardFaces)},
                                      std::pair{r.backPackMissing, std::string("QexCards06B.dll")}}) {
    if (!missing) continue;
    const QString text = wordText(Entry::CantFindTheFile, language()) + " " + QString::fromStdString(pack);
    notice(text);
  }
  // The settings follow what could be loaded.
  const bool narrowBefore = table::deckNarrow(settings_.cardFaces);
  settings_.cardFaces = r.used.deck;
  settings_.cardBack = r.used.backStyle;
  if (narrowBefore != table::deckNarrow(settings_.cardFaces)) {
    geometry_ = currentGeometry();
    pictures_.load(&resources_, geometry_.cardWidth(), geometry_.cardHeight(), geometry_.cardClass(),
                   table::CardPictures::Choice{settings_.cardFaces, settings_.cardBack, PickBack()});
  }
}

void TForm1::layoutControls() {
  const table::Geometry& g = geometry_;
  intro_->setGeometry(0, 0, g.clientWidth(), g.clientHeight());
  table_->setGeometry(0, 0, g.clientWidth(), g.clientHeight());
  const table::Rect b7 = g.place(600, 400, 130, 32);
  const table::Rect b8 = g.place(600, 440, 130, 32);
  Button7->setGeometry(b7.left, b7.top, b7.width, b7.height);
  // The message line sits just below the message area, its send button at the right.
  const table::Rect memo = g.place(595, 175, 130, 90);
  const int band = g.ScaleSize(35);
  Edit1->setGeometry(memo.left, memo.bottom() + g.ScaleSize(1) + (band - g.ScaleSize(22)) / 2,
                     memo.width - g.ScaleSize(36), g.ScaleSize(22));
  QFont edit = Edit1->font();
  edit.setPixelSize(g.ScaleSize(14));
  Edit1->setFont(edit);
  BitBtn1->setGeometry(memo.right() - band, memo.bottom() + g.ScaleSize(1), band, band);
  Button8->setGeometry(b8.left, b8.top, b8.width, b8.height);
  for (auto* b : {Button7, Button8}) {
    b->setFont(decorFont(g.ScaleSize(15)));
    // A disabled button shows its grey caption; the caption lights up under the pointer;
    // "New buttons" switches the capsule style.
    b->setGrayDis(true);
    b->setLightFont(true);
    b->setColorMouse(QColor(255, 236, 140));
    b->setVell(settings_.newButtons);
  }
}

void TForm1::retext() {
  const words::Language l = language();
  Button8->setText(wordText(Entry::ExitToMenu, l));
  table::TableTexts t;
  // The opponent: the other player in a network game, the program itself otherwise.
  t.names[0] = networkGame() && !opponentName_.empty()
                   ? fromCp1251(opponentName_)
                   : QString::fromUtf8(words::title(l).data(), static_cast<qsizetype>(words::title(l).size()));
  t.names[1] = fromCp1251(current_.name);
  t.round = wordText(Entry::RoundLabel, l);
  t.order = wordText(Entry::TheOrder, l);
  t.oneMoment = wordText(Entry::OneMoment, l);
  t.preliminary = wordText(Entry::PreliminaryResult, l);
  t.result = wordText(Entry::ResultColon, l);
  t.score = QString();
  table_->setTexts(t);
  updateButtons();
}

void TForm1::showIntro() {
  screen_ = Screen::Intro;
  centreWindow();
  intro_->setLanguage(language());
  intro_->show();
  intro_->raise();
  menu_->hide();
  table_->setGame(nullptr);
  Button7->hide();
  Button8->hide();
  setFocus();
  if (options_.autoplay || options_.noIntro) {
    QTimer::singleShot(0, this, &TForm1::showMenu);
    return;
  }
  Timer1.start(kMenuInterval);  // DrawIntro on every tick
}

void TForm1::showMenu() {
  screen_ = Screen::Menu;
  if (backgroundForTable_) loadBackground(false);  // the menu's design
  intro_->hide();
  table_->setGame(nullptr);
  table_->update();
  Button7->hide();
  Button8->hide();
  ShowMenu(0);
  if (!options_.autoplay && !options_.fast) music_->PlayMusic(settings_.music);
  Timer1.start(kMenuInterval);
  if (options_.autoplay || options_.hostPort > 0 || options_.joinPort > 0) {
    if (options_.hostPort > 0) {
      const CurrentPlayer p = autoplayPlayer(options_.dataDir / "Vantorn.net");
      QTimer::singleShot(0, this, [this, p] { hostGame(p, options_.hostPort); });
    } else if (options_.joinPort > 0) {
      const CurrentPlayer p = autoplayPlayer(options_.dataDir / "Vantorn.net");
      QTimer::singleShot(0, this, [this, p] { joinGame(p, options_.joinHost, options_.joinPort); });
    } else {
      const CurrentPlayer p = autoplayPlayer(options_.dataDir / "Vantorn.clb");
      QTimer::singleShot(0, this, [this, p] { startGame(p); });
    }
  }
}

CurrentPlayer TForm1::autoplayPlayer(const std::filesystem::path& file) const {
  // Play as the named player: a registered one if the club has him, else a new one.
  const std::string wanted =
      toCp1251(options_.name.isEmpty() ? wordText(Entry::DefaultPlayerName, language()) : options_.name);
  CurrentPlayer p;
  p.name = wanted;
  for (int slot = 1; slot <= files::kPlayerRecords; ++slot)
    if (auto r = readPlayer(file, slot); r && r->name == wanted) p = *r;
  return p;
}

void TForm1::centreWindow() {
  // A window of a fixed size stands in the middle of the screen; full screen fills it.
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || !isWindow()) return;
  const QRect avail = screen->geometry();
  if (settings_.windowSize == 2)
    move(avail.topLeft());
  else
    move(avail.left() + table::roundEven((avail.width() - frameGeometry().width()) / 2.0),
         avail.top() + table::roundEven((avail.height() - frameGeometry().height()) / 2.0));
}

std::array<std::string, 5> TForm1::menuRows() const {
  std::array<std::string, 5> rows;
  const auto file = files::PlayerFileStore(playerFile()).load();
  for (int k = 1; k <= files::kPlayerRecords; ++k)
    rows[static_cast<std::size_t>(k - 1)] =
        menuRowText(file ? std::string_view(file->record(k)) : std::string_view(), settings_.clubListMode);
  return rows;
}

void TForm1::ShowMenu(int tick) {
  if (tick != 0) {
    menu_->ShowMenu(1);
    return;
  }
  const table::Geometry& g = geometry_;
  centreWindow();
  MenuSetup setup;
  setup.language = language();
  setup.windowSize = settings_.windowSize;
  setup.network = settings_.networkPlay;
  setup.listMode = settings_.clubListMode;
  setup.dark = settings_.menuDesign2;
  setup.captionColour = settings_.captionColour;
  setup.gifAnimation = settings_.gifAnimation;
  setup.newButtons = settings_.newButtons;
  setup.hasBackground = !background_.isNull();
  setup.fonts.decor = {table::freeFontFamily(settings_.fontDecor), settings_.scaleDecor};
  setup.fonts.serif = {table::freeFontFamily(settings_.fontSerif), settings_.scaleSerif};
  setup.fonts.fixed = {table::freeFontFamily(settings_.fontFixed), settings_.scaleFixed};
  setup.fonts.conew = {table::freeFontFamily(settings_.fontConew), settings_.scaleConew};
  menu_->setBackground(background_);
  menu_->build(g, setup, menuRows());
  menu_->show();
  menu_->raise();
}

void TForm1::menuRowChosen(int slot) {
  CurrentPlayer p;
  if (slot >= 1 && slot <= 5) {
    const auto r = readPlayer(playerFile(), slot);
    if (!r) return;
    p = *r;
  }
  const bool network = settings_.networkPlay;
  effects_->PlayEffect(QStringLiteral("WOpenFo"), false, settings_.sound);
  TFormPassword dialog(language(), slot == 6 ? QString() : fromCp1251(p.name), fromCp1251(p.password), this, network,
                       QString::fromStdString(settings_.serverAddress), QString::fromStdString(settings_.serverPort),
                       windowStyle());
  if (dialog.exec() != QDialog::Accepted) return;
  if (slot == 6) {
    p.slot = 6;
    p.name = toCp1251(dialog.name());
    p.password = toCp1251(dialog.password());
  }
  if (!network) {
    startGame(p);
    return;
  }
  const bool client = dialog.client();
  settings_.serverPort = dialog.port().toStdString();
  if (client) settings_.serverAddress = dialog.address().toStdString();
  const int port = dialog.port().toInt();
  if (client)
    joinGame(p, dialog.address(), port);
  else
    hostGame(p, port);
  TFormWait wait(language(), !client, this, windowStyle());
  wait_ = &wait;
  const int answer = wait.exec();
  wait_ = nullptr;
  if (answer == QDialog::Accepted) {
    if (!client) beginServerGame();
    return;
  }
  closeConnection();
  session_.reset();
  showMenu();
}

void TForm1::beginServerGame() {
  if (!session_ || screen_ == Screen::Table) return;
  showTable();
  game_.startGame(static_cast<std::int32_t>(current_.games + 1), static_cast<std::int32_t>(current_.score));
  game_.deal(shuffle());
  afterCoreCall();
}

void TForm1::showTable() {
  screen_ = Screen::Table;
  if (!backgroundForTable_) loadBackground(true);  // the table's design
  music_->PlayMusic(false);
  intro_->hide();
  menu_->hide();
  table_->setGame(&game_);
  table_->show();
  Button7->show();
  Button8->show();
  Button7->raise();
  Button8->raise();
  retext();
  player_->setOptions(table::PlayerOptions{options_.fast, settings_.flyCards, settings_.flightSpeed});
  // The message line: a network game only, and only the server's user writes.
  const bool network = networkGame();
  table_->messages().clear();
  table_->showMessages(network);
  Edit1->setVisible(network);
  BitBtn1->setVisible(network);
  const bool mayWrite = network && session_->chatEnabled();
  Edit1->setEnabled(mayWrite);
  BitBtn1->setEnabled(mayWrite);
  Edit1->raise();
  BitBtn1->raise();
  Timer1.start(options_.fast ? 1 : kDriverInterval);
}

void TForm1::openSession(const CurrentPlayer& player, net::DirectRole role) {
  current_ = player;
  const bool server = role == net::DirectRole::Server;
  game_ = core::Game(core::GameConfig{server ? core::Program::NetServer : core::Program::NetClient,
                                      settings_.moveInQueue});
  net::DirectPlayer me;
  me.name = player.name;
  me.gameNumber = static_cast<std::int32_t>(player.games + 1);
  me.generalScore = static_cast<std::int32_t>(player.score);
  session_ = std::make_unique<net::DirectSession>(game_, role, me);
  connect(socket_, &QTcpSocket::readyRead, this, &TForm1::ServerSocket1ClientRead);
  connect(socket_, &QTcpSocket::disconnected, this, &TForm1::socketClosed);
  connect(socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
    if (!socket_ || socket_->state() == QAbstractSocket::ConnectedState) return;
    if (wait_) {
      wait_->noGames();  // the client found no game; the user can only cancel
      return;
    }
    socketClosed();
  });
}

void TForm1::hostGame(const CurrentPlayer& player, int port) {
  current_ = player;
  ServerSocket1 = new QTcpServer(this);
  if (!ServerSocket1->listen(QHostAddress::Any, static_cast<quint16>(port))) {
    qWarning("vantorn: cannot listen on port %d: %s", port, qPrintable(ServerSocket1->errorString()));
    if (options_.autoplay) endRun(1);
    else if (wait_) wait_->noGames();
    return;
  }
  connect(ServerSocket1, &QTcpServer::newConnection, this, [this, player] {
    QTcpSocket* s = ServerSocket1->nextPendingConnection();
    if (socket_) {  // one peer at a time
      s->abort();
      s->deleteLater();
      return;
    }
    socket_ = s;
    openSession(player, net::DirectRole::Server);
    ServerSocket1->close();
  });
}

void TForm1::joinGame(const CurrentPlayer& player, const QString& host, int port) {
  current_ = player;
  socket_ = new QTcpSocket(this);
  openSession(player, net::DirectRole::Client);
  connect(socket_, &QTcpSocket::connected, this, [this] {
    const std::string hello = session_->connected();
    socket_->write(hello.data(), static_cast<qint64>(hello.size()));
  });
  socket_->connectToHost(host, static_cast<quint16>(port));
}

void TForm1::ServerSocket1ClientRead() {
  if (!socket_ || !session_) return;
  const QByteArray bytes = socket_->readAll();
  const net::SessionOutput out = session_->onBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!out.bytes.empty()) socket_->write(out.bytes.data(), static_cast<qint64>(out.bytes.size()));
  handleNotices(out.notices);
  afterCoreCall();
}

void TForm1::BitBtn1Click() {
  if (!session_ || !socket_) return;
  const std::string text = toCp1251(Edit1->text());
  const std::string bytes = session_->chat(text);
  if (bytes.empty()) return;
  socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
  // Shown here in the colour of this program's role: maroon for the server.
  table_->messages().add(session_->role() == net::DirectRole::Server ? 1 : 2, Edit1->text());
  table_->update();
  Edit1->clear();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  // Digits typed while the send button has the focus may spell the code that shows the
  // opponent's hand face up.
  if (watched == BitBtn1 && session_) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) session_->clearTypedCode();
    if (event->type() == QEvent::KeyPress) {
      const QString t = static_cast<QKeyEvent*>(event)->text();
      if (t.size() == 1 && session_->typeOnSendButton(t.at(0).toLatin1())) {
        table_->scene().revealTop = !table_->scene().revealTop;
        table_->update();
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TForm1::handleNotices(const std::vector<net::Notice>& notices) {
  for (const net::Notice& n : notices) {
    switch (n.kind) {
      case net::NoticeKind::PeerIntroduced:
        // The server starts the game and deals when its user presses OK in the waiting
        // window (at once when unattended).
        opponentName_ = session_->opponentName();
        if (wait_) {
          wait_->peerConnected();
          break;
        }
        showTable();
        game_.startGame(static_cast<std::int32_t>(current_.games + 1), static_cast<std::int32_t>(current_.score));
        game_.deal(shuffle());
        break;
      case net::NoticeKind::Answered:
        opponentName_ = session_->opponentName();
        if (wait_) wait_->accept();
        showTable();
        break;
      case net::NoticeKind::Chat:
        effects_->PlayEffect(QStringLiteral("WToMenK"), false, settings_.sound);
        // The peer's line in the colour of the peer's role.
        table_->messages().add(session_->role() == net::DirectRole::Server ? 2 : 1, fromCp1251(n.text));
        table_->update();
        break;
      case net::NoticeKind::PeerInterrupted: {
        effects_->PlayEffect(QStringLiteral("WWrongs"), false, settings_.sound);
        const QString text = QString::fromStdString(n.text) + " " + wordText(Entry::HasInterruptedGame, language()) +
                             "\n" + wordText(Entry::PressOkForExit, language());
        leaveTable();
        if (options_.autoplay) {
          qWarning("%s", qPrintable(text));
          endRun(3);
          return;
        }
        notice(text);
        session_.reset();
        showMenu();
        break;
      }
      default:
        break;  // refused input is only logged by the session
    }
  }
}

void TForm1::socketClosed() {
  if (!session_) return;
  Edit1->setEnabled(false);
  BitBtn1->setEnabled(false);
  // A deal that is over is scored before the end of the connection is judged: the peer
  // may have summed up the last deal and left before this side's driver came round to it.
  if (game_.state() == core::GameState::DealOver) {
    game_.tick();
    afterCoreCall();
  }
  const auto notice = session_->closed(false);
  if (socket_) socket_->deleteLater();
  socket_ = nullptr;
  if (notice) handleNotices({*notice});
}

void TForm1::closeConnection() {
  if (socket_) {
    socket_->disconnect(this);
    socket_->flush();
    socket_->disconnectFromHost();
    socket_->deleteLater();
    socket_ = nullptr;
  }
  if (ServerSocket1) {
    ServerSocket1->close();
    ServerSocket1->deleteLater();
    ServerSocket1 = nullptr;
  }
  if (session_) session_->closed(true);
}

void TForm1::endRun(int status) {
  exitCode_ = status;
  QTimer::singleShot(0, qApp, [status] { QCoreApplication::exit(status); });
}

void TForm1::startGame(const CurrentPlayer& player) {
  current_ = player;
  session_.reset();
  showTable();
  game_ = core::Game(core::GameConfig{core::Program::Local, settings_.moveInQueue});
  game_.startGame(static_cast<std::int32_t>(player.games + 1), static_cast<std::int32_t>(player.score));
  game_.deal(shuffle());
  afterCoreCall();
}

core::Permutation TForm1::shuffle() {
  core::Permutation p{};
  for (int i = 0; i < 26; ++i) p[static_cast<std::size_t>(i)] = i + 1;
  std::shuffle(p.begin(), p.end(), random_);
  return p;
}

void TForm1::afterCoreCall() {
  // Every batch of events goes to the peer exactly once, before it is presented.
  if (session_ && socket_) {
    const std::string out = session_->outgoing(game_.events());
    if (!out.empty()) socket_->write(out.data(), static_cast<qint64>(out.size()));
  }
  player_->take(game_);
  updateButtons();
}

void TForm1::Timer1Timer() {
  if (screen_ == Screen::Intro) {
    intro_->DrawIntro();
    return;
  }
  if (screen_ == Screen::Menu) {
    ShowMenu(1);
    return;
  }
  if (player_->busy() || suitDialogOpen_) return;
  if (game_.dealDue()) {
    if (game_.config().program != core::Program::Local && game_.config().program != core::Program::NetServer) return;
    if (networkGame() && game_.dealNumber() == 0) return;  // the server deals when the peer is there
    game_.deal(shuffle());
  } else if (game_.state() == core::GameState::GameFinished && game_.gameCompleted()) {
    // Unattended play leaves the summary on the table for a moment, as a person would,
    // unless it runs without pauses.
    if (options_.autoplay && !summaryHold_) {
      summaryHold_ = true;
      QTimer::singleShot(options_.fast ? 0 : kSummaryLook, this, [this] {
        summaryHold_ = false;
        if (screen_ == Screen::Table && game_.gameCompleted()) Button8Click();
      });
    }
    return;
  } else if (!(options_.autoplay && core::autoplayStep(game_))) {
    game_.tick();  // the driver: the computer's move, or the scoring of a finished deal
  }
  afterCoreCall();
}

void TForm1::Button7Click() {
  if (player_->busy() || suitDialogOpen_) return;
  game_.pressAction();
  if (game_.dealDue()) game_.deal(shuffle());
  afterCoreCall();
}

void TForm1::Button8Click() {
  if (!game_.gameCompleted() || player_->busy()) return;
  FinishGame();
}

void TForm1::sayCard(core::Card c) {
  // Voice names: the card code ("XJBl", "XJRd", "XJBk" for the jokers), "Voice" and the
  // language's suffix.
  static const char* kSuffix[] = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor"};
  QString code = QString::fromStdString(c.code());
  if (c == core::Card::blueJoker()) code = QStringLiteral("XJBl");
  if (c == core::Card::redJoker()) code = QStringLiteral("XJRd");
  if (c == core::Card::blackJoker()) code = QStringLiteral("XJBk");
  if (code.isEmpty()) return;
  effects_->SayCard(code + QStringLiteral("Voice") + kSuffix[static_cast<int>(language()) % 10]);
}

void TForm1::ImageCards2MouseUp(int slot, Qt::MouseButton button) {
  const auto& shown = table_->scene().hands[1];
  if (slot < 1 || static_cast<std::size_t>(slot) > shown.size()) return;
  if (button == Qt::RightButton) {
    if (game_.running()) sayCard(shown[static_cast<std::size_t>(slot - 1)]);
    return;
  }
  if (button != Qt::LeftButton || options_.autoplay || player_->busy() || suitDialogOpen_) return;
  const core::ClickResult played = game_.clickCard(game_.hand(2).find(shown[static_cast<std::size_t>(slot - 1)]));
  if (settings_.graphicCards && (played == core::ClickResult::Played || played == core::ClickResult::NeedSuit))
    touch_->play();
  afterCoreCall();
}

int TForm1::onPresentationEvent(const Event& e) {
  switch (e.kind) {
    case EventKind::Buttons: updateButtons(); break;
    case EventKind::AskSuit:
      if (!options_.autoplay) QTimer::singleShot(0, this, &TForm1::askSuit);
      break;
    case EventKind::Sound:
      if (options_.fast) return 0;
      return effects_->PlayEffect(QString::fromLatin1(core::soundName(e.sound).data(),
                                                      static_cast<qsizetype>(core::soundName(e.sound).size())),
                                  e.flag, settings_.sound);
    default: break;  // messages to a peer: no peer in a local game
  }
  return 0;
}

void TForm1::askSuit() {
  suitDialogOpen_ = true;
  TFormMast dialog(language(), this, windowStyle());
  dialog.exec();
  suitDialogOpen_ = false;
  game_.chooseSuit(dialog.chosen());
  afterCoreCall();
}

void TForm1::updateButtons() {
  const words::Language l = language();
  const auto& a = game_.actionButton();
  static const Entry kCaptions[] = {Entry::ToBegin, Entry::ITake, Entry::Pass, Entry::NextRound, Entry::SumUpGame};
  Button7->setText(wordText(kCaptions[static_cast<int>(a.caption)], l));
  Button7->setEnabled(a.enabled);
  Button8->setEnabled(game_.exitEnabled());
}

void TForm1::FinishGame() {
  const bool network = networkGame();
  const FinishResult r =
      finishLocalGame(current_, game_.outcome(), playerFile(), options_.dataDir / "History", files::nowStamp(),
                      network ? files::GameKind::Network : files::GameKind::Local,
                      network ? opponentName_ : std::string());
  if (network) closeConnection();
  ++finishedGames_;
  for (const auto& err : {r.historyError, r.playerFileError})
    if (err) {
      if (options_.autoplay)
        qWarning("%s", qPrintable(wordText(*err, language())));
      else
        QMessageBox::warning(this, QStringLiteral("Vantorn"), wordText(*err, language()));
      exitCode_ = 1;
    }
  const long long n = game_.outcome().gameNumber;
  if (!files::seriesEnded(n)) {
    const std::int32_t g = game_.outcome().result;
    if (g != 0) effects_->PlayEffect(g > 0 ? QStringLiteral("WKoGood") : QStringLiteral("WKoBads"), false, settings_.sound);
  }
  leaveTable();
  if (r.seriesEnded && !options_.autoplay) {
    const int place = r.topTenPlace;
    effects_->PlayEffect(place == 1 ? QStringLiteral("WFiBest") : place > 0 ? QStringLiteral("WFiGood") : QStringLiteral("WFiBads"),
                         false, settings_.sound);
    TFormEndGame(language(), resources_, place, r.seriesScore,
                 network ? TFormEndGame::Mode::Network : TFormEndGame::Mode::Local, this, windowStyle())
        .exec();
  }
  session_.reset();
  if ((options_.games > 0 && finishedGames_ >= options_.games) || (network && options_.autoplay)) {
    endRun(exitCode_);
    return;
  }
  showMenu();
}

void TForm1::leaveTable() {
  Timer1.start(kMenuInterval);
  table_->showMessages(false);
  Edit1->hide();
  BitBtn1->hide();
  table_->setGame(nullptr);
  Button7->hide();
  Button8->hide();
}

void TForm1::contextMenuEvent(QContextMenuEvent* e) {
  if (screen_ == Screen::Intro) return;
  const words::Language l = language();
  const bool inGame = screen_ == Screen::Table && game_.state() != core::GameState::GameFinished;
  QMenu PopupMenu1(this);
  QAction* genCount = PopupMenu1.addAction(wordText(Entry::GeneralScore, l));
  QAction* quit = PopupMenu1.addAction(wordText(Entry::ExitToMenu, l));
  PopupMenu1.addSeparator();
  QAction* speed = PopupMenu1.addAction(wordText(Entry::Speed, l));
  genCount->setEnabled(screen_ == Screen::Table);
  quit->setEnabled(inGame);
  QAction* chosen = PopupMenu1.exec(e->globalPos());
  if (chosen == genCount) {
    effects_->PlayEffect(QStringLiteral("WOpenFo"), false, settings_.sound);
    const core::GameOutcome& o = game_.outcome();
    const long long n = game_.gameNumber();
    const std::int32_t current = game_.gameCompleted() ? o.result : 0;
    TCount c;
    c.Count_KonAll = QString::number(n);
    c.Count_KonCur = QString::number((n - 1) % files::kSeriesLength + 1);
    c.Count_ScoBeg = QString::number(current_.score);
    c.Count_ScoCur = QString::number(current);
    c.Count_ScoAll = QString::number(current_.score + current);
    c.Count_ReiBeg = QString::fromStdString(files::ratingText(current_.rating));
    c.Count_ReiCur = QString::fromStdString(files::ratingText(
        game_.gameCompleted() ? files::updateRating(n, current, n - 1, current_.rating) : current_.rating));
    TFormCount(l, fromCp1251(current_.name), c, this, windowStyle()).exec();
  } else if (chosen == quit) {
    effects_->PlayEffect(QStringLiteral("WOpenFo"), false, settings_.sound);
    const QString question = wordText(Entry::LeaveToMainMenuQuestion, l) + "\n" + wordText(Entry::AllDataWillBeLost, l);
    if (QMessageBox::question(this, QStringLiteral("Vantorn"), question) != QMessageBox::Yes) return;
    forfeitClubPlace();
    if (networkGame()) closeConnection();
    session_.reset();
    leaveTable();
    showMenu();
  } else if (chosen == speed) {
    TFormSpeed window(l, settings_.flightSpeed, this, windowStyle());
    window.exec();
    settings_.flightSpeed = window.speed();
    player_->setOptions(table::PlayerOptions{options_.fast, settings_.flyCards, settings_.flightSpeed});
  }
}

void TForm1::keyReleaseEvent(QKeyEvent* e) {
  if (screen_ == Screen::Intro) showMenu();
  QWidget::keyReleaseEvent(e);
}

void TForm1::mouseReleaseEvent(QMouseEvent* e) {
  if (screen_ == Screen::Intro) showMenu();
  QWidget::mouseReleaseEvent(e);
}

void TForm1::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
}

void TForm1::closeEvent(QCloseEvent* e) {
  const bool running = screen_ == Screen::Table && !(game_.state() == core::GameState::GameFinished);
  if (running && !options_.autoplay) {
    const auto answer = QMessageBox::question(this, QStringLiteral("Vantorn"), wordText(Entry::LeaveGameQuestion, language()));
    if (answer != QMessageBox::Yes) {
      e->ignore();
      return;
    }
  }
  if (networkGame()) closeConnection();
  if (running) {
    forfeitClubPlace();
    if (options_.autoplay) exitCode_ = 1;
  }
  e->accept();
}

void TForm1::forfeitClubPlace() {
  // Leaving a game before its end costs the player his place in the club.
  files::PlayerFileStore store(playerFile());
  store.check();
  if (current_.slot >= 1 && current_.slot <= 5)
    if (const auto error = store.removeRecord(current_.slot)) qWarning("%s", qPrintable(wordText(*error, language())));
}

void TForm1::shutDown() {
  if (const auto error = files::saveSettings(options_.dataDir / "Vantorn.ini", settings_)) {
    qWarning("%s", qPrintable(wordText(*error, language())));
    if (exitCode_ == 0) exitCode_ = 1;
  }
}

}  // namespace vantorn::app
