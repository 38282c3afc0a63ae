#include "app/small_windows.h"

#include <QBuffer>
#include <QHeaderView>
#include <QLabel>
#include <QMovie>
#include <QGridLayout>
#include <QSlider>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/animated_icon.h"
#include "app/ui_text.h"
#include "controls/cards_button.h"
#include "files/file_io.h"
#include "files/history.h"
#include "files/player_file.h"
#include "platform/resources.h"

namespace vantorn::app {

using words::Entry;

namespace {

const QString kWindowStyle = QStringLiteral(
    "QTableWidget { background: #fdf6e3; gridline-color: #c8b88a; }"
    "QHeaderView::section { background: #8c1c1c; color: white; font-weight: bold; padding: 3px; }");

controls::TQexCardsButton* closeButton(QDialog* d, const QString& text) {
  auto* b = new controls::TQexCardsButton(text);
  b->setMinimumSize(120, 32);
  QObject::connect(b, &QPushButton::clicked, d, &QDialog::accept);
  return b;
}

QLabel* heading(const QString& text, int pixels, const QColor& colour) {
  auto* l = new QLabel(text);
  QFont f(QStringLiteral("Comic Neue"));
  f.setBold(true);
  f.setPixelSize(pixels);
  l->setFont(f);
  l->setAlignment(Qt::AlignCenter);
  l->setStyleSheet(QStringLiteral("color: %1;").arg(colour.name()));
  l->setWordWrap(true);
  return l;
}

// The close button in the middle of the bottom row, the window's icon (when the pack
// has it) at the row's left.
QHBoxLayout* bottomRow(QWidget* button, AnimatedIcon* icon) {
  auto* row = new QHBoxLayout;
  if (icon) row->addWidget(icon);
  row->addStretch(1);
  row->addWidget(button);
  row->addStretch(1);
  if (icon) row->addSpacing(AnimatedIcon::kFrameSize);
  return row;
}

}  // namespace

TFormTopTen::TFormTopTen(words::Language language, const std::filesystem::path& playerFile, bool network,
                         QWidget* parent, const WindowStyle& style)
    : QDialog(parent) {
  setWindowTitle(wordText(Entry::TopTen, language));
  setStyleSheet(kWindowStyle);
  const WindowTones tones = windowTones(style.fullGraphics);
  auto* v = new QVBoxLayout(this);
  v->addWidget(heading(wordText(network ? Entry::HeadingNetGames : Entry::HeadingLocalGames, language), 18,
                       tones.heading));
  auto* table = new QTableWidget(files::kTopTenEntries, 3);
  table->setObjectName(QStringLiteral("TopTenTable"));
  table->setHorizontalHeaderLabels({QString(), wordText(Entry::TopTen, language), wordText(Entry::TopTenScore, language)});
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  files::PlayerFileStore store(playerFile);
  const auto file = store.load();
  for (int i = 1; i <= files::kTopTenEntries; ++i) {
    const std::string entry = file ? file->topTen(i) : std::string();
    const QString name = entry.size() >= 20 ? fromCp1251(entry.substr(0, 20)).trimmed() : QString();
    const QString score = entry.size() >= 26 ? QString::fromLatin1(entry.substr(20, 6).c_str()).trimmed() : QString();
    const QColor colour = i <= 3 ? QColor(200, 0, 0) : QColor(0, 0, 128);
    const QString cells[] = {QStringLiteral("%1.").arg(i), name, score};
    for (int c = 0; c < 3; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      item->setForeground(colour);
      item->setTextAlignment(c == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
      table->setItem(i - 1, c, item);
    }
  }
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  table->setMinimumSize(360, 330);
  v->addWidget(table);
  v->addWidget(closeButton(this, wordText(Entry::Exit, language)), 0, Qt::AlignCenter);
  FDress = DressWindow(this, {QStringLiteral("TopTen"), windowTitle(), QStringLiteral("GCap430"),
                              QStringLiteral("GLenta380x120")},
                       withLanguage(style, language));
}

TFHistory::TFHistory(words::Language language, const std::filesystem::path& historyFolder,
                     const std::string& playerFileName, QWidget* parent, const WindowStyle& style)
    : QDialog(parent) {
  setWindowTitle(wordText(Entry::HistoryOfGames, language));
  setStyleSheet(kWindowStyle);
  auto* v = new QVBoxLayout(this);
  auto* table = new QTableWidget(0, 7);
  table->setObjectName(QStringLiteral("HistoryTable"));
  table->setHorizontalHeaderLabels({wordText(Entry::HistoryTime, language), wordText(Entry::HistoryDate, language),
                                    wordText(Entry::HistoryPlayer, language), wordText(Entry::HistoryGames, language),
                                    wordText(Entry::HistoryResult, language), wordText(Entry::HistoryRating, language),
                                    wordText(Entry::HistoryType, language)});
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  const files::HistoryStore store{historyFolder, playerFileName};
  for (int number : store.listed()) {
    const auto bytes = files::readFile(store.file(number));
    if (!bytes) continue;
    for (const files::HistoryRow& row : files::historyRows(*bytes)) {
      const int r = table->rowCount();
      table->insertRow(r);
      const QString cells[] = {QString::fromStdString(row.time),   QString::fromStdString(row.date),
                               fromCp1251(row.player).trimmed(),   QString::fromStdString(row.games).trimmed(),
                               QString::fromStdString(row.result).trimmed(), QString::fromStdString(row.rating).trimmed(),
                               QString::fromLatin1(files::kindWord(row.kind).data(),
                                                   static_cast<qsizetype>(files::kindWord(row.kind).size()))};
      for (int c = 0; c < 7; ++c) table->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
  }
  rows_ = table->rowCount();
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  table->scrollToBottom();
  table->setMinimumSize(600, 340);
  v->addWidget(table);
  v->addLayout(bottomRow(closeButton(this, wordText(Entry::Exit, language)),
                         makeWindowIcon(style, QStringLiteral("History"), this)));
  FDress = DressWindow(this, {QStringLiteral("History"), windowTitle(), QStringLiteral("GCap610"),
                              QStringLiteral("GLenta590x116")},
                       withLanguage(style, language));
}

TFormEndGame::TFormEndGame(words::Language language, const platform::Resources& res, int place, long long score,
                           Mode mode, QWidget* parent, const WindowStyle& style)
    : QDialog(parent) {
  setWindowTitle(wordText(Entry::CompletionOfGame, language));
  setStyleSheet(kWindowStyle);
  const bool light = style.fullGraphics;
  // The place's colours, darker on the pack's parchment.
  const QColor best = light ? QColor(0x90, 0x10, 0x90) : QColor(0xff, 0x80, 0xff);
  const QColor good = light ? QColor(0x10, 0x40, 0xa0) : QColor(0x80, 0xc0, 0xff);
  const QColor bad = light ? QColor(0xa0, 0x10, 0x10) : QColor(0xff, 0xa0, 0xa0);
  const QColor sum = light ? QColor(0x00, 0x70, 0x00) : QColor(0x60, 0xff, 0x60);
  auto* v = new QVBoxLayout(this);
  const QString result = wordText(Entry::ResultPrefix, language) + QString::number(score);
  if (place == 1) {
    v->addWidget(heading(wordText(Entry::Congratulations, language), 32, best));
    v->addWidget(heading(wordText(Entry::YourResultTheBest, language), 28, best));
    v->addWidget(heading(result, 28, sum));
    v->addWidget(heading(wordText(mode == Mode::Network ? Entry::BecomeBachelor : Entry::BecomeMaster, language), 22,
                         best));
  } else if (place >= 2 && place <= 10) {
    v->addWidget(heading(wordText(Entry::Congratulations, language), 32, good));
    v->addWidget(heading(wordText(Entry::GoodResult, language), 28, good));
    v->addWidget(heading(result, 28, sum));
    v->addWidget(heading(wordText(Entry::HitTopTen, language), 22, good));
  } else {
    // Place 0: not among the ten best; above 10: the place in a longer list.
    const QString line = place > 10 ? result + QStringLiteral(" ; ") + wordText(Entry::PlacePrefix, language) +
                                          QString::number(place)
                                    : result;
    v->addWidget(heading(wordText(Entry::OurRegrets, language), 32, bad));
    v->addWidget(heading(wordText(Entry::ResultCouldBeBetter, language), 20, bad));
    v->addWidget(heading(line, 28, sum));
    v->addWidget(heading(wordText(Entry::NotInTopTen, language), 20, bad));
  }
  // The animation for the place: best, good or bad.
  QByteArray gif;
  const QString name = place == 1 ? QStringLiteral("GEndBest") : place <= 10 && place > 0 ? QStringLiteral("GEndGood")
                                                                                           : QStringLiteral("GEndBads");
  platform::LoadPackGif(res, name, QString(), gif);
  if (!gif.isEmpty()) {
    auto* label = new QLabel;
    auto* buffer = new QBuffer(this);
    buffer->setData(gif);
    buffer->open(QIODevice::ReadOnly);
    auto* movie = new QMovie(buffer, QByteArray(), this);
    label->setMovie(movie);
    label->setAlignment(Qt::AlignCenter);
    movie->start();
    v->addWidget(label);
  }
  v->addWidget(closeButton(this, QStringLiteral("OK")), 0, Qt::AlignCenter);
  FDress = DressWindow(this, {QStringLiteral("EndG"), windowTitle(), QStringLiteral("GCap550"),
                              QStringLiteral("GLenta590x116")},
                       withLanguage(style, language));
}

TFormCount::TFormCount(words::Language language, const QString& playerName, const TCount& count, QWidget* parent,
                       const WindowStyle& style)
    : QDialog(parent) {
  setWindowTitle(wordText(Entry::ScoreboardPlayer, language) + QStringLiteral(":  ") + playerName);
  setStyleSheet(kWindowStyle);
  setMinimumWidth(325);
  const WindowTones tones = windowTones(style.fullGraphics);
  auto* v = new QVBoxLayout(this);
  v->addWidget(heading(wordText(Entry::InformationAboutGame, language), 20, tones.heading));
  auto* grid = new QGridLayout;
  const std::pair<Entry, QString> rows[] = {
      {Entry::GeneralNumberOfGames, count.Count_KonAll}, {Entry::RoundInCurrentCycle, count.Count_KonCur},
      {Entry::TheInitialScore, count.Count_ScoBeg},      {Entry::TheCurrentScore, count.Count_ScoCur},
      {Entry::TheGeneralScore, count.Count_ScoAll},      {Entry::TheInitialRating, count.Count_ReiBeg},
      {Entry::TheCurrentRating, count.Count_ReiCur}};
  int r = 0;
  for (const auto& [entry, value] : rows) {
    grid->addWidget(new QLabel(wordText(entry, language)), r, 0);
    auto* val = heading(value, 18, tones.value);
    val->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    val->setObjectName(QStringLiteral("Value%1").arg(r + 1));
    grid->addWidget(val, r++, 1);
  }
  v->addLayout(grid);
  v->addStretch(1);
  v->addLayout(bottomRow(closeButton(this, QStringLiteral("OK")), makeWindowIcon(style, QStringLiteral("COunt"), this)));
  // The caption names the window ("Information about game"), not the player.
  FDress = DressWindow(this, {QStringLiteral("Count"), wordText(Entry::InformationAboutGame, language)},
                       withLanguage(style, language));
}

int TFormSpeed::iconInterval(int speed) {
  static constexpr int kIntervals[] = {110, 95, 80, 65, 40, 25};
  return kIntervals[std::clamp(speed, 1, 6) - 1];
}

TFormSpeed::TFormSpeed(words::Language language, int speed, QWidget* parent, const WindowStyle& style)
    : QDialog(parent), FSpeed(speed) {
  setWindowTitle(wordText(Entry::ChoiceOfSpeed, language));
  setStyleSheet(kWindowStyle);
  setFixedSize(340, 280);
  const WindowTones tones = windowTones(style.fullGraphics);
  auto* v = new QVBoxLayout(this);
  v->addWidget(heading(wordText(Entry::SelectFlightSpeed, language), 16, tones.text));
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setObjectName(QStringLiteral("TrackBar1"));
  slider->setRange(1, 6);
  slider->setValue(std::clamp(speed, 1, 6));
  slider->setTickPosition(QSlider::TicksBelow);
  v->addWidget(slider);
  auto* labels = new QHBoxLayout;
  for (int i = 1; i <= 6; ++i) {
    auto* l = new QLabel(QString::number(i));
    l->setAlignment(Qt::AlignCenter);
    labels->addWidget(l);
  }
  v->addLayout(labels);
  v->addStretch(1);
  v->addWidget(closeButton(this, QStringLiteral("Ok")), 0, Qt::AlignCenter);
  // The icon at (55, 138), ticking faster for a faster flight.
  AnimatedIcon* icon = makeWindowIcon(style, QStringLiteral("Speed"), this, iconInterval(speed));
  if (icon) icon->move(55, 138);
  connect(slider, &QSlider::valueChanged, this, [this, icon](int value) {
    FSpeed = value;
    if (icon) icon->setInterval(iconInterval(value));
  });
  FDress = DressWindow(this, {QStringLiteral("Speed"), windowTitle()}, withLanguage(style, language));
}

}  // namespace vantorn::app
