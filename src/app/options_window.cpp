#include "app/options_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/ui_text.h"
#include "controls/cards_button.h"

namespace vantorn::app {

using words::Entry;

namespace {
// Each language under its own name.
const char* const kLanguageNames[words::kLanguageCount] = {
    "English", "Русский", "Deutsch", "Français", "Español", "中文", "Italiano", "Čeština", "日本語", "한국어"};

int* scaleOf(files::Settings& s, int role) {
  switch (role) {
    case 0: return &s.scaleDecor;
    case 1: return &s.scaleSerif;
    case 2: return &s.scaleFixed;
    default: return &s.scaleConew;
  }
}
}  // namespace

TFormOptions::TFormOptions(const files::Settings& settings, QWidget* parent) : QDialog(parent), FSettings(settings) {
  setObjectName(QStringLiteral("TFormOptions"));
  setStyleSheet(QStringLiteral("QDialog { background: #1d3b2a; } QLabel, QCheckBox { color: white; }"
                               "QTabWidget::pane { border: 1px solid #b58a1e; }"));
  auto* v = new QVBoxLayout(this);
  FPages = new QTabWidget;
  v->addWidget(FPages);

  auto* general = new QWidget;
  auto* g = new QFormLayout(general);
  ComboBoxLan = new QComboBox;
  for (const char* name : kLanguageNames) ComboBoxLan->addItem(QString::fromUtf8(name));
  ComboBoxLan->setCurrentIndex(std::clamp(FSettings.language, 0, words::kLanguageCount - 1));
  ComboBoxSize = new QComboBox;
  for (int i = 0; i < 5; ++i) ComboBoxSize->addItem(QString());
  CheckQueue = new QCheckBox;
  CheckQueue->setChecked(FSettings.moveInQueue);
  CheckFly = new QCheckBox;
  CheckFly->setChecked(FSettings.flyCards);
  TrackSpeed = new QSlider(Qt::Horizontal);
  TrackSpeed->setRange(1, 6);
  TrackSpeed->setValue(std::clamp(FSettings.flightSpeed, 1, 6));
  TrackSpeed->setTickPosition(QSlider::TicksBelow);
  LabelSpeed = new QLabel;
  CheckCursor = new QCheckBox;
  CheckCursor->setChecked(FSettings.ownCursors);
  g->addRow(ComboBoxLan);
  g->addRow(ComboBoxSize);
  g->addRow(CheckQueue);
  g->addRow(CheckFly);
  g->addRow(LabelSpeed, TrackSpeed);
  g->addRow(CheckCursor);
  CheckNetwork = new QCheckBox;
  CheckNetwork->setObjectName(QStringLiteral("CheckNetwork"));
  CheckNetwork->setChecked(FSettings.networkPlay);
  g->addRow(CheckNetwork);
  connect(CheckNetwork, &QCheckBox::toggled, this, [this](bool on) { FSettings.networkPlay = on; });
  FPages->addTab(general, QString());

  auto* media = new QWidget;
  auto* m = new QVBoxLayout(media);
  CheckSound = new QCheckBox;
  CheckSound->setChecked(FSettings.sound);
  CheckMusic = new QCheckBox;
  CheckMusic->setChecked(FSettings.music);
  m->addWidget(CheckSound);
  m->addWidget(CheckMusic);
  m->addStretch();
  FPages->addTab(media, QString());

  auto* cards = new QWidget;
  auto* c = new QFormLayout(cards);
  ComboBox1 = new QComboBox;
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  for (int d = 0; d < 48; ++d) ComboBox1->addItem(QString());
  ComboBox1->setCurrentIndex(std::clamp(FSettings.cardFaces, 0, 47));
  ComboBox2 = new QComboBox;
  ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
  for (int b = 0; b < 13; ++b) ComboBox2->addItem(QString::number(b + 1));
  ComboBox2->setCurrentIndex(std::clamp(FSettings.cardBack, 0, 12));
  CheckBackOne = new QCheckBox;
  CheckBackOne->setChecked(FSettings.backAlwaysOne);
  c->addRow(ComboBox1);
  c->addRow(ComboBox2);
  c->addRow(CheckBackOne);
  FPages->addTab(cards, QString());
  connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int d) { FSettings.cardFaces = d; });
  connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this](int b) { FSettings.cardBack = b; });
  connect(CheckBackOne, &QCheckBox::toggled, this, [this](bool on) { FSettings.backAlwaysOne = on; });

  auto* fonts = new QWidget;
  auto* f = new QFormLayout(fonts);
  ComboBoxFont = new QComboBox;
  for (int i = 0; i < 4; ++i) ComboBoxFont->addItem(QString());
  SpinEdit1 = new QSpinBox;
  SpinEdit1->setRange(50, 150);
  LabelScale = new QLabel;
  Button2 = new controls::TQexCardsButton;
  Button2->setMinimumHeight(30);
  f->addRow(ComboBoxFont);
  f->addRow(LabelScale, SpinEdit1);
  f->addRow(Button2);
  FPages->addTab(fonts, QString());

  setMinimumWidth(440);
  ButtonOk = new controls::TQexCardsButton(QStringLiteral("OK"));
  ButtonOk->setMinimumSize(120, 32);
  v->addWidget(ButtonOk, 0, Qt::AlignCenter);

  ComboBoxLan->setObjectName(QStringLiteral("ComboBoxLan"));
  ComboBoxSize->setObjectName(QStringLiteral("ComboBoxSize"));
  CheckQueue->setObjectName(QStringLiteral("CheckQueue"));
  connect(ComboBoxLan, &QComboBox::currentIndexChanged, this, [this](int i) {
    FSettings.language = i;
    retext();  // the window speaks the new language at once
  });
  connect(ComboBoxSize, &QComboBox::currentIndexChanged, this, [this](int i) {
    // The list shows the sizes by growing area; the setting numbers them 1, 3, 4, 5, 2.
    static constexpr int kSetting[] = {1, 3, 4, 5, 2};
    if (i >= 0 && i < 5) FSettings.windowSize = kSetting[i];
  });
  connect(CheckQueue, &QCheckBox::toggled, this, [this](bool on) { FSettings.moveInQueue = on; });
  connect(CheckFly, &QCheckBox::toggled, this, [this](bool on) { FSettings.flyCards = on; });
  connect(TrackSpeed, &QSlider::valueChanged, this, [this](int speed) {
    FSettings.flightSpeed = speed;
    retext();
  });
  connect(CheckCursor, &QCheckBox::toggled, this, [this](bool on) { FSettings.ownCursors = on; });
  connect(CheckSound, &QCheckBox::toggled, this, [this](bool on) { FSettings.sound = on; });
  connect(CheckMusic, &QCheckBox::toggled, this, [this](bool on) { FSettings.music = on; });
  connect(ComboBoxFont, &QComboBox::currentIndexChanged, this, &TFormOptions::fontRoleChanged);
  connect(SpinEdit1, &QSpinBox::valueChanged, this, [this](int pct) {
    *scaleOf(FSettings, ComboBoxFont->currentIndex()) = pct;
  });
  connect(Button2, &QPushButton::clicked, this, [this] {
    const files::Settings defaults;
    FSettings.fontDecor = defaults.fontDecor;
    FSettings.fontSerif = defaults.fontSerif;
    FSettings.fontFixed = defaults.fontFixed;
    FSettings.fontConew = defaults.fontConew;
    FSettings.scaleDecor = FSettings.scaleSerif = FSettings.scaleFixed = FSettings.scaleConew = 100;
    fontRoleChanged();
  });
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);

  static constexpr int kSettingToRow[] = {0, 0, 4, 1, 2, 3};
  ComboBoxSize->setCurrentIndex(kSettingToRow[std::clamp(FSettings.windowSize, 1, 5)]);
  fontRoleChanged();
  retext();
}

void TFormOptions::fontRoleChanged() {
  const QSignalBlocker block(SpinEdit1);
  SpinEdit1->setValue(*scaleOf(FSettings, std::max(0, ComboBoxFont->currentIndex())));
}

void TFormOptions::retext() {
  const words::Language l = words::languageFromIndex(FSettings.language);
  setWindowTitle(wordText(Entry::Options, l));
  FPages->setTabText(0, wordText(Entry::OptionsGeneral, l));
  FPages->setTabText(1, wordText(Entry::Multimedia, l));
  FPages->setTabText(2, wordText(Entry::OptionsCards, l));
  FPages->setTabText(3, wordText(Entry::Fonts, l));
  // The deck names follow the order of the decks in the table of texts.
  for (int d = 0; d < 48; ++d)
    ComboBox1->setItemText(d, wordText(static_cast<Entry>(static_cast<int>(Entry::DeckClassical1) + d), l));
  CheckBackOne->setText(wordText(Entry::AlwaysOne, l));
  const Entry sizes[] = {Entry::SmallWindow, Entry::AverageWindow1, Entry::AverageWindow2, Entry::LargeWindow,
                         Entry::FullScreen};
  for (int i = 0; i < 5; ++i) ComboBoxSize->setItemText(i, wordText(sizes[i], l));
  CheckQueue->setText(wordText(Entry::MoveInQueue, l));
  CheckFly->setText(wordText(Entry::FlyCards, l));
  LabelSpeed->setText(wordText(Entry::Speed, l) + QStringLiteral(": %1").arg(TrackSpeed->value()));
  CheckCursor->setText(wordText(Entry::RedMouseCursor, l));
  CheckNetwork->setText(wordText(Entry::Multiplayer, l));
  CheckSound->setText(wordText(Entry::Sound, l));
  CheckMusic->setText(wordText(Entry::Music, l));
  const Entry roles[] = {Entry::LargeFont, Entry::SmallFont, Entry::SpecialFont, Entry::SpecialFont};
  for (int i = 0; i < 4; ++i)
    ComboBoxFont->setItemText(i, wordText(roles[i], l) + (i >= 2 ? QStringLiteral(" %1").arg(i - 1) : QString()));
  LabelScale->setText(wordText(Entry::ScalePercent, l));
  Button2->setText(wordText(Entry::Default, l));
}

}  // namespace vantorn::app
