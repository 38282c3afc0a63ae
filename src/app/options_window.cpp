#include "app/options_window.h"

#include "app/window_style.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/flags.h"
#include "app/pack_download.h"
#include "app/ui_text.h"
#include "controls/cards_button.h"
#include "platform/resources.h"
#include "table/fonts.h"

namespace vantorn::app {

using words::Entry;

namespace {
// Each language under its own name.
const char* const kLanguageNames[words::kLanguageCount] = {
    "English", "Русский", "Deutsch", "Français", "Español", "中文", "Italiano", "Čeština", "日本語", "한국어"};

// The window sizes in the numbering of the setting: 1 small, 2 full screen, 3 and 4 the
// middle windows, 5 big.
const Entry kWindowSizes[] = {Entry::SmallWindow, Entry::FullScreen, Entry::AverageWindow1, Entry::AverageWindow2,
                              Entry::LargeWindow};

// The back styles 0..12: the built-in backs, then the styles of the second card pack.
const Entry kBackStyles[] = {Entry::Default,     Entry::DeckClassical1, Entry::DeckClassical2, Entry::BackCarpet,
                             Entry::BackCross,   Entry::BackChess,      Entry::BackDiamond,    Entry::BackKnightly,
                             Entry::BackAnimals, Entry::BackFlowers,    Entry::BackPlaces,     Entry::BackOther,
                             Entry::BackRussian};

// Background kinds 0 (none) .. 10 and the table colours 0..6 with the colour they show.
const Entry kBackgrounds[] = {Entry::NoOne,    Entry::BgSun,   Entry::BgFelt,    Entry::BgGradient,
                              Entry::BgCloth,  Entry::BgCarpet, Entry::BgTree,   Entry::BgCasino,
                              Entry::BgPattern, Entry::BgSilk, Entry::BgOrnament};
const Entry kColours[] = {Entry::ColourGreen,     Entry::ColourRed,      Entry::ColourOrange, Entry::ColourYellow,
                          Entry::ColourLightBlue, Entry::ColourDarkBlue, Entry::ColourViolet};
const QColor kColourSwatches[] = {QColor(0, 128, 0),   QColor(128, 0, 0),   QColor(128, 64, 0), QColor(128, 128, 0),
                                  QColor(0, 128, 128), QColor(0, 0, 128),   QColor(128, 0, 128)};

// The auxiliary-window designs in list order: header style 2, 1, 3, then the dark style.
const Entry kWindowDesigns[] = {Entry::DesignGrayConcise, Entry::DesignGrayAristocratic, Entry::DesignGrayRedRibbons,
                                Entry::DesignSalute};
constexpr int kDesignHeader[] = {2, 1, 3};

const QString kGraphPack = QStringLiteral("QexCGraph1.dll");

// The Windows font names the program knows a free stand-in for; they head the font list.
const char* const kKnownFonts[] = {"Comic Sans MS", "Arial", "Courier New", "FixedSys", "Times New Roman"};

int* scaleOf(files::Settings& s, int role) {
  switch (role) {
    case 0: return &s.scaleDecor;
    case 1: return &s.scaleSerif;
    case 2: return &s.scaleFixed;
    default: return &s.scaleConew;
  }
}

std::string* nameOf(files::Settings& s, int role) {
  switch (role) {
    case 0: return &s.fontDecor;
    case 1: return &s.fontSerif;
    case 2: return &s.fontFixed;
    default: return &s.fontConew;
  }
}

QComboBox* combo(const char* name, int items) {
  auto* c = new QComboBox;
  c->setObjectName(QString::fromLatin1(name));
  c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  for (int i = 0; i < items; ++i) c->addItem(QString());
  return c;
}

template <class W>
W* named(W* w, const char* name) {
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

void setItemEnabled(QComboBox* c, int item, bool on) {
  if (auto* model = qobject_cast<QStandardItemModel*>(c->model()))
    if (QStandardItem* it = model->item(item)) it->setEnabled(on);
}

// A stored value as a list index, out-of-range values at the nearer end.
int clampIndex(int v, int count) { return std::clamp(v, 0, count - 1); }
}  // namespace

TFormOptions::TFormOptions(const files::Settings& settings, QWidget* parent)
    : QDialog(parent), FSettings(settings), FDownload(new PackDownload(this)) {
  setObjectName(QStringLiteral("TFormOptions"));
  setStyleSheet(QStringLiteral(
      "QDialog { background: #1d3b2a; } QLabel, QCheckBox, QRadioButton { color: white; }"
      "QLabel:disabled, QCheckBox:disabled, QRadioButton:disabled { color: #7f8f85; }") +
      indicatorStyleSheet() + QStringLiteral(
      "QGroupBox { color: #ffd75e; border: 1px solid #b58a1e; border-radius: 4px; margin-top: 1.2em; padding: 6px; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"
      "QTabWidget::pane { border: 1px solid #b58a1e; } QTabWidget > QWidget > QWidget { background: #1d3b2a; }"));
  auto* v = new QVBoxLayout(this);
  v->setSizeConstraint(QLayout::SetMinimumSize);  // the window grows with its longest texts
  FPages = new QTabWidget;
  FPages->setUsesScrollButtons(false);
  FPages->tabBar()->setElideMode(Qt::ElideNone);
  FPages->tabBar()->setExpanding(false);
  v->addWidget(FPages);
  FPages->addTab(buildGeneral(), QString());
  FPages->addTab(buildMultimedia(), QString());
  FPages->addTab(buildCards(), QString());
  FPages->addTab(buildBackground(), QString());
  FPages->addTab(buildDesign(), QString());
  FPages->addTab(buildFonts(), QString());
  FPages->addTab(buildSaveGames(), QString());
  FPages->addTab(buildDownloads(), QString());

  ButtonOk = new controls::TQexCardsButton(QStringLiteral("OK"));
  ButtonOk->setObjectName(QStringLiteral("ButtonOk"));
  ButtonOk->setMinimumSize(120, 32);
  v->addWidget(ButtonOk, 0, Qt::AlignCenter);
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);

  fontRoleChanged();
  refreshPacks();
  retext();
}

TFormOptions::~TFormOptions() {
  if (FDownloading) QApplication::restoreOverrideCursor();
}

QCheckBox* TFormOptions::settingCheck(const char* name, bool files::Settings::*field) {
  // A check box that shows one switch of the settings copy and changes it.
  auto* box = named(new QCheckBox, name);
  box->setChecked(FSettings.*field);
  connect(box, &QCheckBox::toggled, this, [this, field](bool on) { FSettings.*field = on; });
  return box;
}

QWidget* TFormOptions::buildGeneral() {
  auto* page = new QWidget;
  auto* g = new QFormLayout(page);
  g->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  ComboBoxLan = combo("ComboBoxLan", 0);
  ComboBoxLan->setIconSize(QSize(24, 16));
  for (int i = 0; i < words::kLanguageCount; ++i)
    ComboBoxLan->addItem(languageFlagIcon(i), QString::fromUtf8(kLanguageNames[i]));
  ComboBoxLan->setCurrentIndex(clampIndex(FSettings.language, words::kLanguageCount));
  ComboBoxWSize = combo("ComboBoxWSize", 5);
  ComboBoxWSize->setCurrentIndex(clampIndex(FSettings.windowSize - 1, 5));
  CheckQueue = settingCheck("CheckQueue", &files::Settings::moveInQueue);
  CheckBoxNet = settingCheck("CheckBoxNet", &files::Settings::networkPlay);
  CheckBoxCur = settingCheck("CheckBoxCur", &files::Settings::ownCursors);
  CheckBoxBut = settingCheck("CheckBoxBut", &files::Settings::newButtons);
  LabelLan = new QLabel;
  LabelWSize = new QLabel;
  g->addRow(LabelLan, ComboBoxLan);
  g->addRow(LabelWSize, ComboBoxWSize);
  g->addRow(CheckQueue);
  g->addRow(CheckBoxNet);
  g->addRow(CheckBoxCur);
  g->addRow(CheckBoxBut);

  connect(ComboBoxLan, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i < 0) return;
    FSettings.language = i;
    retext();  // the window speaks the new language at once
    Q_EMIT languageChanged(i);
  });
  connect(ComboBoxWSize, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i < 0) return;
    FSettings.windowSize = i + 1;
    refreshDependents();
  });
  return page;
}

QWidget* TFormOptions::buildMultimedia() {
  auto* page = new QWidget;
  auto* m = new QVBoxLayout(page);
  CheckSound = settingCheck("CheckSound", &files::Settings::sound);
  CheckMusic = settingCheck("CheckMusic", &files::Settings::music);
  CheckBox3 = settingCheck("CheckBox3", &files::Settings::gifAnimation);
  CheckBox4 = settingCheck("CheckBox4", &files::Settings::flyCards);
  TrackSpeed = named(new QSlider(Qt::Horizontal), "TrackSpeed");
  TrackSpeed->setRange(1, 6);
  TrackSpeed->setValue(std::clamp(FSettings.flightSpeed, 1, 6));
  TrackSpeed->setTickPosition(QSlider::TicksBelow);
  TrackSpeed->setMinimumWidth(160);
  LabelSpeed = new QLabel;
  RGRadio = named(new QGroupBox, "RGRadio");
  RadioServer = named(new QRadioButton, "RadioServer");
  RadioDisk = named(new QRadioButton, "RadioDisk");
  (FSettings.radioFromDisk ? RadioDisk : RadioServer)->setChecked(true);
  auto* rv = new QVBoxLayout(RGRadio);
  rv->addWidget(RadioServer);
  rv->addWidget(RadioDisk);

  m->addWidget(CheckSound);
  m->addWidget(CheckMusic);
  m->addWidget(CheckBox3);
  m->addWidget(CheckBox4);
  auto* speed = new QHBoxLayout;
  speed->addWidget(LabelSpeed);
  speed->addWidget(TrackSpeed, 1);
  m->addLayout(speed);
  m->addWidget(RGRadio);
  m->addStretch();

  connect(TrackSpeed, &QSlider::valueChanged, this, [this](int speed) {
    FSettings.flightSpeed = speed;
    retext();
  });
  connect(RadioDisk, &QRadioButton::toggled, this, [this](bool on) { FSettings.radioFromDisk = on; });
  return page;
}

QWidget* TFormOptions::buildCards() {
  auto* page = new QWidget;
  auto* c = new QGridLayout(page);
  ComboBox1 = combo("ComboBox1", 48);
  ComboBox1->setCurrentIndex(clampIndex(FSettings.cardFaces, 48));
  ComboBox2 = combo("ComboBox2", 13);
  ComboBox2->setCurrentIndex(clampIndex(FSettings.cardBack, 13));
  LabelDeck = new QLabel;
  LabelBack = new QLabel;
  c->addWidget(LabelDeck, 0, 0);
  c->addWidget(ComboBox1, 0, 1);
  auto* deckPacks = new QVBoxLayout;
  for (int pack : {0, 1, 7}) deckPacks->addWidget(downloadButton(pack, 1), 0, Qt::AlignLeft);
  c->addLayout(deckPacks, 1, 1);
  c->addWidget(LabelBack, 2, 0);
  c->addWidget(ComboBox2, 2, 1);
  c->addWidget(downloadButton(1, 2), 3, 1, Qt::AlignLeft);

  GroupBack = named(new QGroupBox, "GroupBack");
  auto* bv = new QVBoxLayout(GroupBack);
  for (int i = 0; i < 3; ++i) {
    RadioBack[i] = new QRadioButton;
    RadioBack[i]->setObjectName(QStringLiteral("RadioBack%1").arg(i + 1));
    bv->addWidget(RadioBack[i]);
  }
  RadioBack[FSettings.backAlwaysOne ? 1 : 0]->setChecked(true);
  GroupTouch = named(new QGroupBox, "GroupTouch");
  auto* tv = new QVBoxLayout(GroupTouch);
  CheckBoxD1 = settingCheck("CheckBoxD1", &files::Settings::graphicButtons);
  CheckBoxD2 = settingCheck("CheckBoxD2", &files::Settings::graphicCards);
  tv->addWidget(CheckBoxD1);
  tv->addWidget(CheckBoxD2);
  tv->addStretch();
  auto* groups = new QHBoxLayout;
  groups->addWidget(GroupBack);
  groups->addWidget(GroupTouch);
  c->addLayout(groups, 4, 0, 1, 2);
  c->setRowStretch(5, 1);
  c->setColumnStretch(1, 1);

  connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int d) { FSettings.cardFaces = std::max(0, d); });
  connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this](int b) { FSettings.cardBack = std::max(0, b); });
  // "To change decks" and "Random" clear the back flag, "Always one" sets it.
  for (int i = 0; i < 3; ++i)
    connect(RadioBack[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) FSettings.backAlwaysOne = (i == 1);
    });
  return page;
}

QWidget* TFormOptions::buildBackground() {
  auto* page = new QWidget;
  auto* f = new QFormLayout(page);
  f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  ComboBoxBG1 = combo("ComboBoxBG1", 11);
  ComboBoxBG1->setCurrentIndex(clampIndex(FSettings.backgroundKind, 11));
  ComboBoxBG2 = combo("ComboBoxBG2", 0);
  for (const QColor& swatch : kColourSwatches) {
    QPixmap pm(16, 16);
    pm.fill(swatch);
    ComboBoxBG2->addItem(QIcon(pm), QString());
  }
  ComboBoxBG2->setCurrentIndex(clampIndex(FSettings.backgroundColour, 7));
  LabelBG1 = new QLabel;
  LabelBG2 = new QLabel;
  f->addRow(LabelBG1, ComboBoxBG1);
  f->addRow(LabelBG2, ComboBoxBG2);
  f->addRow(QString(), downloadButton(2, 1));
  connect(ComboBoxBG1, &QComboBox::currentIndexChanged, this, [this](int k) {
    FSettings.backgroundKind = std::max(0, k);
    refreshDependents();
  });
  connect(ComboBoxBG2, &QComboBox::currentIndexChanged, this,
          [this](int c) { FSettings.backgroundColour = std::max(0, c); });
  return page;
}

QWidget* TFormOptions::buildDesign() {
  auto* page = new QWidget;
  auto* f = new QFormLayout(page);
  f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  ComboBoxD1 = combo("ComboBoxD1", 2);
  ComboBoxD1->setCurrentIndex(FSettings.menuDesign2 ? 1 : 0);
  ComboBoxD2 = combo("ComboBoxD2", 2);
  ComboBoxD2->setCurrentIndex(FSettings.tableDesign2 ? 1 : 0);
  ComboBoxD3 = combo("ComboBoxD3", 4);
  int d3 = 0;
  if (FSettings.darkWindows) d3 = 3;
  else if (FSettings.headerStyle == 1) d3 = 1;
  else if (FSettings.headerStyle == 3) d3 = 2;
  ComboBoxD3->setCurrentIndex(d3);
  LabelD1 = new QLabel;
  LabelD2 = new QLabel;
  LabelD3 = new QLabel;
  f->addRow(LabelD1, ComboBoxD1);
  f->addRow(LabelD2, ComboBoxD2);
  f->addRow(LabelD3, ComboBoxD3);
  f->addRow(QString(), downloadButton(8, 1));
  connect(ComboBoxD1, &QComboBox::currentIndexChanged, this, [this](int i) {
    FSettings.menuDesign2 = i == 1;
    refreshDependents();
  });
  connect(ComboBoxD2, &QComboBox::currentIndexChanged, this, [this](int i) {
    FSettings.tableDesign2 = i == 1;
    refreshDependents();
  });
  connect(ComboBoxD3, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i < 0) return;
    FSettings.darkWindows = i == 3;
    if (i < 3) FSettings.headerStyle = kDesignHeader[i];
  });
  return page;
}

QWidget* TFormOptions::buildFonts() {
  auto* page = new QWidget;
  auto* f = new QFormLayout(page);
  f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  ComboBoxFont = combo("ComboBoxFont", 4);
  FontComboBox1 = combo("FontComboBox1", 0);
  FontComboBox1->setMaxVisibleItems(16);
  QStringList names;
  for (const char* known : kKnownFonts) names << QString::fromLatin1(known);
  for (const QString& family : QFontDatabase::families())
    if (!names.contains(family)) names << family;
  for (const QString& name : names) {
    FontComboBox1->addItem(name);
    FontComboBox1->setItemData(FontComboBox1->count() - 1,
                               QFont(QString::fromStdString(table::freeFontFamily(name.toStdString()))),
                               Qt::FontRole);
  }
  SpinEdit1 = named(new QSpinBox, "SpinEdit1");
  SpinEdit1->setRange(50, 150);
  LabelScale = new QLabel;
  Button2 = new controls::TQexCardsButton;
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setMinimumSize(140, 30);
  LabelFontsNote = new QLabel;
  LabelFontsNote->setWordWrap(true);
  LabelFontsNote->setMinimumWidth(360);
  LabelFontsNote->setStyleSheet(QStringLiteral("color: #ffd75e;"));
  f->addRow(ComboBoxFont);
  f->addRow(FontComboBox1);
  f->addRow(LabelScale, SpinEdit1);
  f->addRow(QString(), Button2);
  f->addRow(LabelFontsNote);

  connect(ComboBoxFont, &QComboBox::currentIndexChanged, this, &TFormOptions::fontRoleChanged);
  connect(FontComboBox1, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i < 0) return;
    *nameOf(FSettings, ComboBoxFont->currentIndex()) = toCp1251(FontComboBox1->itemText(i));
  });
  connect(SpinEdit1, &QSpinBox::valueChanged, this,
          [this](int pct) { *scaleOf(FSettings, ComboBoxFont->currentIndex()) = pct; });
  connect(Button2, &QPushButton::clicked, this, [this] {
    files::Settings defaults;
    for (int role = 0; role < 4; ++role) {
      *nameOf(FSettings, role) = *nameOf(defaults, role);
      *scaleOf(FSettings, role) = 100;
    }
    fontRoleChanged();
  });
  return page;
}

QWidget* TFormOptions::buildSaveGames() {
  auto* page = new QWidget;
  auto* f = new QFormLayout(page);
  f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  CheckBoxSG = named(new QCheckBox, "CheckBoxSG");
  CheckBoxSG->setChecked(FSettings.saveGif);
  ComboBoxSG1 = combo("ComboBoxSG1", 2);
  ComboBoxSG1->setCurrentIndex(clampIndex(FSettings.gifCapture, 2));
  SpinEditSG1 = named(new QSpinBox, "SpinEditSG1");
  SpinEditSG1->setRange(10, 5000);
  SpinEditSG1->setSingleStep(10);
  SpinEditSG1->setValue(std::clamp(FSettings.gifDelay, 10, 5000));
  LabelSG1 = new QLabel;
  LabelSGNote = new QLabel;
  LabelSGNote->setStyleSheet(QStringLiteral("color: #ffd75e;"));
  f->addRow(CheckBoxSG);
  f->addRow(ComboBoxSG1);
  f->addRow(LabelSG1, SpinEditSG1);
  f->addRow(LabelSGNote);
  connect(CheckBoxSG, &QCheckBox::toggled, this, [this](bool on) {
    FSettings.saveGif = on;
    refreshDependents();
  });
  connect(ComboBoxSG1, &QComboBox::currentIndexChanged, this,
          [this](int i) { FSettings.gifCapture = std::max(0, i); });
  connect(SpinEditSG1, &QSpinBox::valueChanged, this, [this](int ms) { FSettings.gifDelay = ms; });
  return page;
}

QWidget* TFormOptions::buildDownloads() {
  auto* page = new QWidget;
  auto* g = new QGridLayout(page);
  const auto packs = optionalPacks();
  for (int p = 0; p < static_cast<int>(packs.size()); ++p) {
    auto* label = new QLabel;
    FPackLabels << label;
    g->addWidget(label, p, 0);
    g->addWidget(downloadButton(p, 0), p, 1);
  }
  g->setColumnStretch(0, 1);
  g->setRowStretch(static_cast<int>(packs.size()), 1);
  return page;
}

controls::TQexCardsButton* TFormOptions::downloadButton(int pack, int index) {
  auto* b = new controls::TQexCardsButton;
  b->setObjectName(packButtonName(optionalPacks()[pack], index));
  b->setMinimumHeight(30);
  FPackButtons.append({b, pack});
  connect(b, &QPushButton::clicked, this, [this, pack] { download(pack); });
  return b;
}

void TFormOptions::setPacks(const platform::Resources* resources, const QString& downloadFolder) {
  FResources = resources;
  FDownload->setFolder(downloadFolder);
  refreshPacks();
}

void TFormOptions::setDownloadBase(const QString& baseUrl) { FDownload->setBaseUrl(baseUrl); }

bool TFormOptions::packPresent(const QString& file) const { return FResources && FResources->packPresent(file); }

void TFormOptions::refreshPacks() {
  const auto packs = optionalPacks();
  for (const auto& [button, pack] : FPackButtons) {
    const bool missing = !packPresent(QString::fromLatin1(packs[pack].file));
    button->setEnabled(missing && !FDownloading);
    button->setKLightSB(button->isEnabled() ? 0 : 50);
  }
  // The touch effect and the dark designs are drawn from the window graphics.
  const bool graph = packPresent(kGraphPack);
  for (QCheckBox* touch : {CheckBoxD1, CheckBoxD2}) {
    touch->setEnabled(graph);
    if (!graph) touch->setChecked(false);
  }
  setItemEnabled(ComboBoxD1, 1, graph);
  setItemEnabled(ComboBoxD2, 1, graph);
  setItemEnabled(ComboBoxD3, 1, graph);
  setItemEnabled(ComboBoxD3, 2, graph);
  setItemEnabled(ComboBoxD3, 3, graph);
  refreshDependents();
}

void TFormOptions::refreshDependents() {
  // With both designs dark the table background is never shown.
  const bool background = !(FSettings.menuDesign2 && FSettings.tableDesign2);
  for (QWidget* w : std::initializer_list<QWidget*>{LabelBG1, ComboBoxBG1}) w->setEnabled(background);
  // Background kind 0 is always green: no colour to choose.
  for (QWidget* w : std::initializer_list<QWidget*>{LabelBG2, ComboBoxBG2})
    w->setEnabled(background && FSettings.backgroundKind != 0);
  // Games are recorded only in the small window.
  const bool small = FSettings.windowSize == 1;
  if (!small && CheckBoxSG->isChecked()) CheckBoxSG->setChecked(false);  // clears the setting too
  CheckBoxSG->setEnabled(small);
  for (QWidget* w : std::initializer_list<QWidget*>{ComboBoxSG1, LabelSG1, SpinEditSG1})
    w->setEnabled(small && FSettings.saveGif);
  LabelSGNote->setVisible(!small);
}

void TFormOptions::download(int pack) {
  if (FDownloading) return;
  const QString file = QString::fromLatin1(optionalPacks()[pack].file);
  FDownloading = true;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  refreshPacks();
  FDownload->start(file, [this, file](bool ok) {
    FDownloading = false;
    QApplication::restoreOverrideCursor();
    refreshPacks();
    if (FOnDownload) FOnDownload(file, ok);
    Q_EMIT downloadFinished(file, ok);
  });
}

void TFormOptions::fontRoleChanged() {
  const int role = std::max(0, ComboBoxFont->currentIndex());
  const QSignalBlocker blockScale(SpinEdit1);
  SpinEdit1->setValue(*scaleOf(FSettings, role));
  const QSignalBlocker blockName(FontComboBox1);
  const QString name = fromCp1251(*nameOf(FSettings, role));
  int at = FontComboBox1->findText(name);
  if (at < 0) {
    // A name of the settings that this machine does not list: keep it selectable.
    FontComboBox1->insertItem(0, name);
    FontComboBox1->setItemData(0, QFont(QString::fromStdString(table::freeFontFamily(name.toStdString()))),
                               Qt::FontRole);
    at = 0;
  }
  FontComboBox1->setCurrentIndex(at);
}

void TFormOptions::retext() {
  const words::Language l = words::languageFromIndex(FSettings.language);
  auto t = [l](Entry e) { return wordText(e, l); };
  setWindowTitle(t(Entry::Options));
  const Entry pages[] = {Entry::OptionsGeneral, Entry::Multimedia, Entry::OptionsCards, Entry::Background,
                         Entry::Design,         Entry::Fonts,      Entry::SaveGames,    Entry::Download};
  for (int i = 0; i < FPages->count(); ++i) FPages->setTabText(i, t(pages[i]));

  LabelLan->setText(t(Entry::OptionsLanguage) + QLatin1Char(':'));
  LabelWSize->setText(t(Entry::OptionsWindowSize) + QLatin1Char(':'));
  for (int i = 0; i < 5; ++i) ComboBoxWSize->setItemText(i, t(kWindowSizes[i]));
  CheckQueue->setText(t(Entry::MoveInQueue));
  CheckBoxNet->setText(t(Entry::Multiplayer));
  CheckBoxCur->setText(t(Entry::RedMouseCursor));
  CheckBoxBut->setText(t(Entry::NewButtons));

  CheckSound->setText(t(Entry::Sound));
  CheckMusic->setText(t(Entry::Music));
  CheckBox3->setText(t(Entry::GifAnimation));
  CheckBox4->setText(t(Entry::FlyCards));
  LabelSpeed->setText(t(Entry::Speed) + QStringLiteral(": %1").arg(TrackSpeed->value()));
  RGRadio->setTitle(t(Entry::ReadingRadioList));
  RadioServer->setText(t(Entry::FromTheServer));
  RadioDisk->setText(t(Entry::FromDisk));

  LabelDeck->setText(t(Entry::OptionsCards) + QLatin1Char(':'));
  // The deck names follow the order of the decks in the table of texts.
  for (int d = 0; d < 48; ++d) ComboBox1->setItemText(d, t(static_cast<Entry>(static_cast<int>(Entry::DeckClassical1) + d)));
  LabelBack->setText(t(Entry::Decks) + QLatin1Char(':'));
  for (int b = 0; b < 13; ++b) ComboBox2->setItemText(b, t(kBackStyles[b]));
  RadioBack[0]->setText(t(Entry::ToChangeDecks));
  RadioBack[1]->setText(t(Entry::AlwaysOne));
  RadioBack[2]->setText(t(Entry::Random));
  GroupTouch->setTitle(t(Entry::TouchEffect));
  CheckBoxD1->setText(t(Entry::DesignButtons));
  CheckBoxD2->setText(t(Entry::DesignCards));

  LabelBG1->setText(t(Entry::Background) + QLatin1Char(':'));
  for (int k = 0; k < 11; ++k) ComboBoxBG1->setItemText(k, t(kBackgrounds[k]));
  LabelBG2->setText(t(Entry::TableColour) + QLatin1Char(':'));
  for (int c = 0; c < 7; ++c) ComboBoxBG2->setItemText(c, t(kColours[c]));

  LabelD1->setText(t(Entry::MainMenuDesign) + QLatin1Char(':'));
  LabelD2->setText(t(Entry::GameTableDesign) + QLatin1Char(':'));
  LabelD3->setText(t(Entry::AuxiliaryWindowDesign) + QLatin1Char(':'));
  for (QComboBox* d : {ComboBoxD1, ComboBoxD2}) {
    d->setItemText(0, t(Entry::Customizable));
    d->setItemText(1, t(Entry::DesignPurple));
  }
  for (int i = 0; i < 4; ++i) ComboBoxD3->setItemText(i, t(kWindowDesigns[i]));

  const Entry roles[] = {Entry::LargeFont, Entry::SmallFont, Entry::SpecialFont, Entry::SpecialFont};
  for (int i = 0; i < 4; ++i)
    ComboBoxFont->setItemText(i, t(roles[i]) + (i >= 2 ? QStringLiteral(" %1").arg(i - 1) : QString()));
  LabelScale->setText(t(Entry::ScalePercent));
  Button2->setText(t(Entry::Default));
  LabelFontsNote->setText(t(Entry::FontsAttention));

  CheckBoxSG->setText(t(Entry::SaveGamesAsGifs));
  ComboBoxSG1->setItemText(0, t(Entry::SaveMainWindowOnly));
  ComboBoxSG1->setItemText(1, t(Entry::SaveScreenContents));
  LabelSG1->setText(t(Entry::FrameDelay));
  LabelSGNote->setText(t(Entry::GifOnlySmallWindow));

  const auto packs = optionalPacks();
  for (int p = 0; p < FPackLabels.size(); ++p)
    FPackLabels[p]->setText(t(packs[p].title) + QStringLiteral(" (") + QString::fromLatin1(packs[p].file) +
                            QLatin1Char(')'));
  for (const auto& [button, pack] : FPackButtons) {
    // The download page lists the packs beside their buttons; the buttons of the other
    // pages name the pack they fetch.
    const bool onDownloadPage = button->objectName() == QString::fromLatin1(packs[pack].button);
    button->setText(onDownloadPage ? t(Entry::Download) : t(Entry::Download) + QStringLiteral(": ") + t(packs[pack].title));
  }
  ButtonOk->setText(QStringLiteral("OK"));
}

}  // namespace vantorn::app
