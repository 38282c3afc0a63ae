#include "app/menu_screen.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QRegularExpression>

#include <cmath>

#include "app/ui_text.h"
#include "files/history.h"
#include "files/player_file.h"
#include "platform/picture_ops.h"
#include "platform/resources.h"

namespace vantorn::app {

using words::Entry;

namespace {

// Colours of the menu (0x00BBGGRR values of the original design written as RGB).
const QColor kAqua(0, 255, 255);
const QColor kWhite(255, 255, 255);
const QColor kGold(0xC8, 0xAF, 0x32);        // the dark design's text (0x32AFC8)
const QColor kDarkHeader(0x80, 0x32, 0x32);  // the dark design's header text (0x323280)
const QColor kHover(255, 255, 0);            // yellow (0x00FFFF)
const QColor kGreenKey(0, 128, 0);           // the window colour without a background
constexpr int kGifFrames = 33;

std::string rightAligned(const std::string& s, std::size_t width) {
  return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

bool wideChar(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6);
}

QString padRight(const QString& s, int columns) { return s + QString(std::max(0, columns - displayColumns(s)), ' '); }

}  // namespace

// --- Rows and header ----------------------------------------------------------------------

std::string menuRowText(std::string_view record, int listMode) {
  const auto fields = files::recordIsEmpty(record) ? std::nullopt : files::parseRecord(record);
  if (!fields) return " " + std::string(37, '#') + " ";
  std::string name = fields->name.substr(0, files::kNameWidth);
  name.resize(files::kNameWidth, ' ');
  const std::string value = listMode == 2 ? files::ratingText(fields->rating) : std::to_string(fields->score);
  return " " + name + rightAligned(std::to_string(fields->games), 8) + rightAligned(value, 9) + " ";
}

bool menuRowEmpty(const QString& row) { return row.size() < 33 || row.at(32) == QLatin1Char('#'); }

int displayColumns(const QString& text) {
  int n = 0;
  for (char32_t c : text.toUcs4()) n += wideChar(c) ? 2 : 1;
  return n;
}

QString menuHeaderText(const QString& header) {
  static const QRegularExpression gaps(QStringLiteral("\\s{2,}"));
  const QStringList parts = header.trimmed().split(gaps, Qt::SkipEmptyParts);
  if (parts.size() != 3) return header;
  // The columns of menuRowText: the name from column 2, the games ending at column 29,
  // the figure at column 38. A wide last title moves the middle one left, one column
  // clear of it, and the first keeps one column clear of the middle one.
  const int w1 = displayColumns(parts[0]), w2 = displayColumns(parts[1]), w3 = displayColumns(parts[2]);
  const int start3 = 39 - w3;                        // 1-based first column of the last title
  const int end2 = std::min(29, start3 - 2);
  const int start2 = std::max(end2 - w2 + 1, 2 + w1 + 1);
  return QStringLiteral(" ") + padRight(parts[0], start2 - 2) + padRight(parts[1], start3 - start2) + parts[2] +
         QStringLiteral(" ");
}

// --- Board figures ------------------------------------------------------------------------

std::string boardPercent(long long wins, long long losses) {
  if (wins + losses == 0) return "0";
  return std::to_string(table::roundEven(double(losses) * 100.0 / double(wins + losses)));
}

std::pair<std::string, char> boardCount(long long n) {
  if (n <= 999) return {std::to_string(n), 0};
  if (n <= 999999) return {std::to_string(n / 1000), 'K'};
  if (n <= 999999999) return {std::to_string(n / 1000000), 'M'};
  return {std::to_string(n / 1000000000), 'G'};
}

BoardDigits boardDigits(std::size_t length) {
  switch (length) {
    case 1: return {{50}, 0, 0};
    case 2: return {{38, 58}, 0, 0};
    case 3: return {{29, 49, 69}, 0, 0};
    case 4: return {{27, 42, 57, 72}, 15, 40};
    case 5: return {{28, 40, 52, 64, 76}, 12, 40};
    case 6: return {{15, 24, 33, 42, 51, 60}, 9, 40};
    default: return {};
  }
}

int boardFaceForMinute(int minute, bool loggedIn) {
  const int face = ((minute % 7) + 7) % 7 + 1;
  return face == 6 && !loggedIn ? 7 : face;
}

QString boardDigitPrefix(int face) {
  static const char* kPrefix[] = {"GRClock", "GAClock", "GGClock", "GYClock", "GVClock", "GLClock", "GNClock"};
  return QString::fromLatin1(kPrefix[std::clamp(face, 1, 7) - 1]);
}

QString boardIcon(int face) {
  static const char* kIcon[] = {"Windows", "Windows", "Windows", "Android", "Account48", "GQexs128", "Account48"};
  return QString::fromLatin1(kIcon[std::clamp(face, 1, 7) - 1]);
}

QString boardLabel(int face) {
  return face == 1 ? QStringLiteral("IQ") : face == 2 ? QStringLiteral("D") : QString();
}

BoardFace boardFace(int face, const std::optional<BoardAnswer>& answer, words::Language language) {
  static const Entry kHint[] = {Entry::DynamicIq,         Entry::GamesPlayedWithPc, Entry::BestWindowsPlayer,
                                Entry::BestAndroidPlayer, Entry::BestAccountPlayer, Entry::Qexs,
                                Entry::ClubMembersCount};
  face = std::clamp(face, 1, 7);
  BoardFace b;
  b.hint = wordText(kHint[face - 1], language);
  if (!answer) {
    const QString noConnect = wordText(Entry::NoConnectUpper, language);
    if (face <= 2 || face == 6) b.hint += QStringLiteral(": ") + noConnect;
    else if (face == 7) b.hint += QStringLiteral(" ") + noConnect;
    else b.hint += noConnect;
    return b;
  }
  switch (face) {
    case 1: b.figure = boardPercent(answer->wins, answer->losses); break;
    case 2: std::tie(b.figure, b.letter) = boardCount(answer->number); break;
    case 3: case 4: case 5:
      if (answer->nick != "#") {
        b.hint += QString::fromStdString(answer->nick);
        b.figure = std::to_string(answer->number);
      } else {
        b.hint += wordText(Entry::NoOne, language);
      }
      break;
    default: b.figure = std::to_string(answer->number); break;
  }
  return b;
}

// --- The screen ---------------------------------------------------------------------------

MenuScreen::MenuScreen(const platform::Resources& resources, QWidget* parent)
    : QWidget(parent), resources_(resources), now_([] { return QDateTime::currentDateTime(); }) {
  setObjectName(QStringLiteral("MenuScreen"));
  fetch_ = [](int) { return std::optional<BoardAnswer>(); };  // no online service yet
  auto button = [this](const char* name) {
    auto* b = new controls::TQexCardsButton(QString(), this);
    b->setObjectName(QString::fromLatin1(name));
    return b;
  };
  for (int i = 0; i < 5; ++i) {
    rows[static_cast<std::size_t>(i)] = button(("Button" + std::to_string(i + 1)).c_str());
    connect(rows[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] {
      if (!menuRowEmpty(fromCp1251(rowTexts[static_cast<std::size_t>(i)]))) Q_EMIT rowClicked(i + 1);
    });
  }
  Button6 = button("Button6");
  Panel4 = button("Panel4");
  Panel4->setAttribute(Qt::WA_TransparentForMouseEvents);
  Panel4->setFocusPolicy(Qt::NoFocus);
  Button9 = button("Button9");
  Button10 = button("Button10");
  BHistory = button("BHistory");
  BMode = button("BMode");
  Button11 = button("Button11");
  connect(Button6, &QPushButton::clicked, this, &MenuScreen::newPlayerClicked);
  connect(Button9, &QPushButton::clicked, this, &MenuScreen::topTenClicked);
  connect(Button10, &QPushButton::clicked, this, &MenuScreen::optionsClicked);
  connect(BHistory, &QPushButton::clicked, this, &MenuScreen::historyClicked);
  connect(BMode, &QPushButton::clicked, this, &MenuScreen::modeClicked);
  connect(Button11, &QPushButton::clicked, this, &MenuScreen::exitClicked);

  auto label = [this](const char* name) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    return l;
  };
  ImTitle = label("ImTitle");
  ImCaption = label("ImCaption");
  ImCaption->installEventFilter(this);
  ImElite = label("ImElite");
  ImageSvLeft = label("ImageSvLeft");
  ImageSvRight = label("ImageSvRight");
  ImClock1 = label("ImClock1");
  ImClock2 = label("ImClock2");
  for (int k = 0; k < 2; ++k) {
    RxGIFAn[static_cast<std::size_t>(k)] = label(k == 0 ? "RxGIFAn1" : "RxGIFAn2");
    auto* data = new QBuffer(this);
    platform::LoadPackGif(resources_, k == 0 ? QStringLiteral("GifMenu1") : QStringLiteral("GifMenu2"), QString(),
                          data->buffer());
    data->open(QIODevice::ReadOnly);
    gifData_[static_cast<std::size_t>(k)] = data;
    auto* movie = new QMovie(data, QByteArray(), this);
    movie->setCacheMode(QMovie::CacheAll);
    movies[static_cast<std::size_t>(k)] = movie;
    RxGIFAn[static_cast<std::size_t>(k)]->setMovie(movie);
    connect(movie, &QMovie::frameChanged, this, [this, k](int frame) { gifFrame(k, frame); });
  }
  candle_ = png(QStringLiteral("GCandle"));
  stills_ = {png(QStringLiteral("PngMenu1")), png(QStringLiteral("PngMenu2"))};
  for (int i = 0; i < 6; ++i) flames_[static_cast<std::size_t>(i)] = png(QStringLiteral("GFlame%1").arg(i + 1));
}

MenuScreen::~MenuScreen() {
  for (QMovie* m : movies) m->stop();
}

QImage MenuScreen::png(const QString& name) const {
  QImage img;
  platform::LoadPackPng(resources_, name, QString(), img);
  return img;
}

void MenuScreen::setBackground(const QImage& background) {
  background_ = background;
  update();
}

QImage MenuScreen::backgroundAt(const table::Rect& r) const {
  QImage out(std::max(r.width, 1), std::max(r.height, 1), QImage::Format_ARGB32_Premultiplied);
  out.fill(setup_.hasBackground ? Qt::transparent : kGreenKey);
  if (!background_.isNull()) {
    QPainter p(&out);
    p.drawImage(QPoint(0, 0), background_, QRect(r.left, r.top, r.width, r.height));
  }
  return out;
}

void MenuScreen::place(QWidget* w, const table::Rect& r) { w->setGeometry(r.left, r.top, r.width, r.height); }

void MenuScreen::build(const table::Geometry& g, const MenuSetup& setup, const std::array<std::string, 5>& rowsText) {
  geometry_ = g;
  setup_ = setup;
  setup_.captionColour = std::clamp(setup_.captionColour, 1, 7);
  layout_ = table::MenuLayout::of(g, setup.windowSize, setup.calendar);
  setGeometry(0, 0, g.clientWidth(), g.clientHeight());
  const table::MenuLayout& m = layout_;
  for (std::size_t i = 0; i < 5; ++i) place(rows[i], m.rows[i]);
  place(Button6, m.newPlayer);
  place(Panel4, m.header);
  place(Button9, m.topTen);
  place(Button10, m.options);
  place(BHistory, m.history);
  place(BMode, m.mode);
  place(Button11, m.exit);
  place(ImTitle, m.title);
  place(ImCaption, m.caption);
  place(ImElite, m.elite);
  place(RxGIFAn[0], m.gif[0]);
  place(RxGIFAn[1], m.gif[1]);
  place(ImageSvLeft, m.candle[0]);
  place(ImageSvRight, m.candle[1]);
  place(ImClock1, m.timeClock);
  place(ImClock2, m.infoBoard);

  const words::Language l = setup.language;
  Button6->setText(wordText(Entry::NewPlayer, l));
  Button9->setText(wordText(Entry::TopTen, l));
  Button10->setText(wordText(Entry::Options, l));
  BHistory->setText(wordText(Entry::History, l));
  BMode->setText(wordText(Entry::Mode, l));
  Button11->setText(wordText(Entry::Exit, l));
  Button9->setToolTip(QStringLiteral("30"));  // the games of a cycle of the champions table
  styleButtons();
  setRows(rowsText, setup.listMode);

  // The title over the background behind it.
  QImage title = png(QStringLiteral("GTitle"));
  platform::ResizePng(title, m.title.width, m.title.height);
  QImage t = backgroundAt(m.title);
  QPainter(&t).drawImage(0, 0, title);
  ImTitle->setPixmap(QPixmap::fromImage(t));
  drawCaptions();
  drawCandles();
  startAnimations();

  const bool clocks = m.clocksShown && g.s() >= 1.6;
  ImClock1->setVisible(clocks);
  ImClock2->setVisible(clocks);
  clockDrawn_.clear();
  if (clocks) {
    DrawTimeClock();
    const QDateTime now = now_();
    DrawInfoBoard(boardFaceForMinute(now.time().minute(), loggedIn_));
  }
  update();
}

void MenuScreen::styleButtons() {
  const table::Geometry& g = geometry_;
  const bool small = setup_.windowSize == 1;
  // The big buttons: the decor font at 20 times the size factor (nine tenths of it at the
  // larger sizes), made smaller only where a caption would not fit its capsule.
  const int decorPixels =
      table::roundEven(table::FontSize(20, setup_.fonts.decor.percentage) * g.s() * (small ? 1.0 : 0.9));
  for (auto* b : {Button6, Button9, Button10, BHistory, BMode, Button11}) {
    QFont f(QString::fromStdString(setup_.fonts.decor.family));
    f.setBold(true);
    f.setPixelSize(decorPixels);
    const int room = b->width() - 2 * controls::CapsuleMetrics(b->height()).q;
    while (f.pixelSize() > 8 && QFontMetrics(f).horizontalAdvance(b->text()) > room) f.setPixelSize(f.pixelSize() - 1);
    b->setFont(f);
  }
  // The rows and the header: the fixed font at window size 1 (11 points), else the
  // "conew" font at 16 times the size factor (pixels, so that 39 columns fit the row).
  const table::FontRole& role = small ? setup_.fonts.fixed : setup_.fonts.conew;
  QFont rowsFont(QString::fromStdString(role.family));
  rowsFont.setStyleHint(QFont::Monospace);
  rowsFont.setFixedPitch(true);
  rowsFont.setBold(!small);
  rowsFont.setPixelSize(small ? table::roundEven(table::FontSize(11, role.percentage) * 4.0 / 3.0)
                              : table::FontSize(g.ScaleSize(16), role.percentage));
  for (auto* b : rows) b->setFont(rowsFont);
  Panel4->setFont(rowsFont);

  auto look = [this](controls::TQexCardsButton* b, controls::TColorSB scheme, QColor text, int light) {
    b->setColorSB(scheme);
    b->setFontColor(text);
    b->setKLightSB(light);
    b->setLightFont(true);
    b->setColorMouse(kHover);
    b->setVell(setup_.newButtons);
  };
  using controls::TColorSB;
  if (setup_.dark) {
    for (auto* b : rows) look(b, TColorSB::DCards, kGold, 0);
    for (auto* b : {Button6, Button9, Button10, BHistory, BMode, Button11}) look(b, TColorSB::DCards, kGold, 0);
    look(Panel4, TColorSB::DCards, kDarkHeader, 50);
  } else {
    for (auto* b : rows) look(b, TColorSB::DNavy, kAqua, 0);
    look(Button6, TColorSB::DNavy, kAqua, 0);
    for (auto* b : {Button9, Button10, BHistory, BMode, Button11}) look(b, TColorSB::DRed, kWhite, 0);
    look(Panel4, TColorSB::DBlue, kWhite, 0);
  }
}

void MenuScreen::setRows(const std::array<std::string, 5>& texts, int listMode) {
  rowTexts = texts;
  setup_.listMode = listMode;
  const Entry header = listMode == 2 ? Entry::ClubMembersHeaderRating : Entry::ClubMembersHeader;
  Panel4->setText(menuHeaderText(wordText(header, setup_.language)));
  for (std::size_t i = 0; i < 5; ++i) {
    QString text = fromCp1251(texts[i]);
    // A row too wide for its capsule keeps a shorter name and ends in "...".
    const QFontMetrics fm(rows[i]->font());
    const int room = rows[i]->width() - geometry_.ScaleSize(10);
    for (int cut = 20; fm.horizontalAdvance(text) > room && cut > 0; --cut)
      text = fromCp1251(texts[i]).left(cut) + QStringLiteral("...");
    rows[i]->setText(text);
  }
}

void MenuScreen::drawCaptions() {
  static const char* kSuffix[] = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Eng", "Eng"};
  const QString suffix = QString::fromLatin1(kSuffix[static_cast<int>(setup_.language) % 10]);
  auto draw = [this](QLabel* target, const QString& name, const table::Rect& r) {
    QImage picture = png(name);
    platform::ResizePng(picture, r.width, r.height);
    platform::RecolourPng(picture, setup_.captionColour);
    QImage out = backgroundAt(r);
    QPainter(&out).drawImage(0, 0, picture);
    target->setPixmap(QPixmap::fromImage(out));
  };
  draw(ImCaption, QStringLiteral("Cap") + suffix, layout_.caption);
  draw(ImElite, (setup_.network ? QStringLiteral("Net__") : QStringLiteral("Elite")) + suffix, layout_.elite);
}

void MenuScreen::drawCandles() {
  for (int side = 0; side < 2; ++side) {
    const table::Rect& r = layout_.candle[static_cast<std::size_t>(side)];
    QImage out = backgroundAt(r);
    QPainter p(&out);
    p.drawImage(0, 0, candle_);
    for (int k = 0; k < 3; ++k) {
      const auto& off = table::kFlameOffsets[static_cast<std::size_t>(k)];
      p.drawImage(off[0], off[1], flames_[static_cast<std::size_t>(table::flameFrame(phase_, side * 3 + k))]);
    }
    p.end();
    (side == 0 ? ImageSvLeft : ImageSvRight)->setPixmap(QPixmap::fromImage(out));
  }
}

void MenuScreen::startAnimations() {
  for (QMovie* m : movies) {
    m->stop();
    m->jumpToFrame(0);
  }
  if (setup_.gifAnimation) movies[0]->start();
}

void MenuScreen::gifFrame(int which, int frame) {
  // The two animations play by turns: the one that reaches its last frame stops at its
  // resting frame and the other starts.
  QMovie* m = movies[static_cast<std::size_t>(which)];
  const int last = (m->frameCount() > 0 ? m->frameCount() : kGifFrames) - 1;
  if (!setup_.gifAnimation || frame < last || m->state() != QMovie::Running) return;
  m->stop();
  m->jumpToFrame(0);
  QMovie* other = movies[static_cast<std::size_t>(1 - which)];
  other->jumpToFrame(0);
  other->start();
}

void MenuScreen::ShowMenu(int tick) {
  if (tick == 0) return;  // building needs the geometry: build()
  phase_ = (phase_ + 1) % table::kFlamePhases;
  drawCandles();
  if (!ImClock1->isVisible()) return;
  DrawTimeClock();
  const QDateTime now = now_();
  const int minute = now.time().hour() * 60 + now.time().minute();
  if (now.time().second() == 1 && boardLatchMinute_ != minute) {
    boardLatchMinute_ = minute;
    DrawInfoBoard(boardFaceForMinute(now.time().minute(), loggedIn_));
  }
}

void MenuScreen::DrawTimeClock() {
  if (geometry_.s() < 1.6) {
    ImClock1->hide();
    return;
  }
  const QTime t = now_().time();
  const bool separator = t.msec() > 500;
  const QString key = t.toString(QStringLiteral("hh:mm")) + (separator ? QStringLiteral("+") : QString());
  if (key == clockDrawn_) return;
  clockDrawn_ = key;
  QImage out = backgroundAt(layout_.timeClock);
  QPainter p(&out);
  p.drawImage(0, 0, png(QStringLiteral("GClockBG")));
  auto digit = [&](int d, int x) { p.drawImage(x, 15, png(QStringLiteral("GBClock%1").arg(d))); };
  if (t.hour() / 10 != 0) digit(t.hour() / 10, 14);
  digit(t.hour() % 10, 34);
  digit(t.minute() / 10, 61);
  digit(t.minute() % 10, 81);
  if (separator) p.drawImage(55, 24, png(QStringLiteral("GBClockP")));
  p.end();
  ImClock1->setPixmap(QPixmap::fromImage(out));
}

void MenuScreen::DrawInfoBoard(int face) {
  if (geometry_.s() < 1.6) {
    ImClock2->hide();
    return;
  }
  face_ = std::clamp(face, 1, 7);
  const BoardFace b = boardFace(face_, fetch_(face_), setup_.language);
  QImage out = backgroundAt(layout_.infoBoard);
  QPainter p(&out);
  p.drawImage(0, 0, png(QStringLiteral("GClockBG")));
  QImage icon = png(boardIcon(face_));
  platform::ResizePng(icon, 16, 16);
  p.drawImage(10, 10, icon);
  const BoardDigits where = boardDigits(b.figure.size());
  const QString prefix = boardDigitPrefix(face_);
  for (std::size_t i = 0; i < where.x.size(); ++i) {
    const char c = b.figure[i];
    QImage d = png(prefix + (c == '-' ? QStringLiteral("M") : QString(QLatin1Char(c))));
    if (where.width > 0) platform::ResizePng(d, where.width, where.height);
    p.drawImage(where.x[i], 15, d);
  }
  QFont f(QString::fromStdString(table::freeFontFamily("Arial")));
  f.setBold(true);
  if (b.letter) {
    f.setPixelSize(16);
    p.setFont(f);
    p.setPen(kAqua);
    p.drawText(90, 25 + QFontMetrics(f).ascent(), QString(QLatin1Char(b.letter)));
  }
  const QString label = boardLabel(face_);
  if (!label.isEmpty()) {
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(face_ == 1 ? QColor(255, 0, 0) : kAqua);
    p.drawText(90, 10 + QFontMetrics(f).ascent(), label);
  }
  p.end();
  ImClock2->setPixmap(QPixmap::fromImage(out));
  ImClock2->setToolTip(b.hint);
}

bool MenuScreen::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ImCaption && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    setup_.captionColour = setup_.captionColour % 7 + 1;
    drawCaptions();
    Q_EMIT captionColourChanged(setup_.captionColour);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void MenuScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (background_.isNull()) {
    p.fillRect(rect(), kGreenKey);
    return;
  }
  p.drawImage(0, 0, background_);
  // Under the animations their still pictures, so a frame with holes shows them.
  for (std::size_t k = 0; k < 2; ++k) p.drawImage(layout_.gif[k].left, layout_.gif[k].top, stills_[k]);
}

}  // namespace vantorn::app
