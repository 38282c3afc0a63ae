#include "app/dialogs.h"

#include <QCloseEvent>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/animated_icon.h"
#include "app/ui_text.h"
#include "controls/cards_button.h"
#include "files/player_file.h"
#include "net/direct_address.h"

#include <QRadioButton>

namespace vantorn::app {

using words::Entry;

TFormMast::TFormMast(words::Language language, QWidget* parent, const WindowStyle& style) : QDialog(parent) {
  setWindowTitle(wordText(Entry::ChoiceSuit, language));
  setModal(true);
  setMinimumWidth(320);
  auto* v = new QVBoxLayout(this);
  auto* label = new QLabel(wordText(Entry::SelectSuit, language));
  QFont f = label->font();
  f.setBold(true);
  f.setPointSize(14);
  label->setFont(f);
  label->setAlignment(Qt::AlignCenter);
  v->addWidget(label);
  auto* row = new QHBoxLayout;
  static const char16_t* kSigns[] = {u"\u2665", u"\u2666", u"\u2663", u"\u2660"};
  for (int i = 0; i < 4; ++i) {
    auto* b = new controls::TQexCardsButton(QString::fromUtf16(kSigns[i]));
    b->setObjectName(QStringLiteral("BitBtn%1").arg(i + 1));
    b->setFixedSize(64, 64);
    QFont bf = b->font();
    bf.setPixelSize(38);
    b->setFont(bf);
    // Hearts and diamonds on red, clubs and spades on blue.
    if (i >= 2) b->setScheme(QColor(30, 60, 170), Qt::white);
    const core::Suit suit = core::kSuitsInOrder[static_cast<std::size_t>(i)];
    connect(b, &QPushButton::clicked, this, [this, suit] {
      FSuit = suit;
      FMayClose = true;
      done(QDialog::Accepted);
    });
    row->addWidget(b);
  }
  v->addLayout(row);
  v->addStretch(1);
  FDress = DressWindow(this, {QStringLiteral("Mast"), windowTitle()}, withLanguage(style, language));
}

void TFormMast::closeEvent(QCloseEvent* e) {
  if (FMayClose)
    e->accept();
  else
    e->ignore();
}

TFormPassword::TFormPassword(words::Language language, const QString& registeredName,
                             const QString& expectedPassword, QWidget* parent, bool network, const QString& address,
                             const QString& port, const WindowStyle& style)
    : QDialog(parent), FLanguage(language), FNew(registeredName.isEmpty()), FExpected(expectedPassword) {
  setWindowTitle(wordText(Entry::Welcome, language));
  setMinimumWidth(420);
  auto* grid = new QGridLayout(this);
  int row = 0;
  FName = new QLineEdit(FNew ? wordText(Entry::DefaultPlayerName, language) : registeredName);
  FName->setMaxLength(static_cast<int>(files::kNameWidth));
  FName->setReadOnly(!FNew);
  grid->addWidget(new QLabel(wordText(Entry::EnterYourName, language)), row, 0);
  grid->addWidget(FName, row++, 1);
  FPassword = new QLineEdit;
  FPassword->setEchoMode(QLineEdit::Password);
  FPassword->setMaxLength(static_cast<int>(files::kPasswordLength));
  grid->addWidget(new QLabel(wordText(Entry::EnterYourPassword, language)), row, 0);
  grid->addWidget(FPassword, row++, 1);
  if (FNew) {
    FAgain = new QLineEdit;
    FAgain->setEchoMode(QLineEdit::Password);
    FAgain->setMaxLength(static_cast<int>(files::kPasswordLength));
    grid->addWidget(new QLabel(wordText(Entry::AndOnceAgainForCheck, language)), row, 0);
    grid->addWidget(FAgain, row++, 1);
  }
  if (network) {
    grid->addWidget(new QLabel(wordText(Entry::ServerClient, language)), row++, 0, 1, 2);
    FServer = new QRadioButton(wordText(Entry::ServerCreatesGame, language));
    FClient = new QRadioButton(wordText(Entry::ClientEntersGame, language));
    FServer->setObjectName(QStringLiteral("RadioServer"));
    FClient->setObjectName(QStringLiteral("RadioClient"));
    FServer->setChecked(true);
    grid->addWidget(FServer, row++, 0, 1, 2);
    grid->addWidget(FClient, row++, 0, 1, 2);
    Edit3 = new QLineEdit(address);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setMaxLength(15);
    Edit4 = new QLineEdit(port);
    Edit4->setObjectName(QStringLiteral("Edit4"));
    Edit4->setMaxLength(5);
    grid->addWidget(new QLabel(wordText(Entry::EnterServerIp, language)), row, 0);
    grid->addWidget(Edit3, row++, 1);
    grid->addWidget(new QLabel(wordText(Entry::EnterServerPort, language)), row, 0);
    grid->addWidget(Edit4, row++, 1);
  }
  FMessage = new QLabel;
  FMessage->setStyleSheet(style.fullGraphics ? QStringLiteral("color: #c00000; font-weight: bold;")
                                             : QStringLiteral("color: #ff8080; font-weight: bold;"));
  grid->addWidget(FMessage, row++, 0, 1, 2);
  auto* ok = new controls::TQexCardsButton(QStringLiteral("OK"));
  auto* cancel = new controls::TQexCardsButton(wordText(Entry::Cancel, language));
  ok->setMinimumSize(110, 30);
  cancel->setMinimumSize(110, 30);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TFormPassword::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  if (auto* icon = makeWindowIcon(style, QStringLiteral("Pass"), this)) buttons->addWidget(icon);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch(1);
  grid->addLayout(buttons, row, 0, 1, 2);
  FDress = DressWindow(this, {QStringLiteral("Pass"), windowTitle()}, withLanguage(style, language));
}

void TFormPassword::accept() {
  if (FNew) {
    // A name must hold something besides spaces and fit the record.
    if (name().isEmpty() || toCp1251(name()).size() > files::kNameWidth) {
      FMessage->setText(wordText(Entry::IncorrectName, FLanguage));
      return;
    }
    if (FPassword->text() != FAgain->text()) {
      FMessage->setText(wordText(Entry::PasswordsDoNotCoincide, FLanguage));
      return;
    }
  } else if (FPassword->text() != FExpected) {
    FMessage->setText(wordText(Entry::IncorrectPassword, FLanguage));
    return;
  }
  if (Edit3) {
    switch (net::checkNetworkFields(client(), address().toStdString(), port().toStdString())) {
      case net::NetworkCheck::IncorrectAddress:
        FMessage->setText(wordText(Entry::IncorrectIpAddress, FLanguage));
        Edit3->setFocus();
        return;
      case net::NetworkCheck::IncorrectPort:
        FMessage->setText(wordText(Entry::IncorrectPort, FLanguage));
        Edit4->setFocus();
        return;
      case net::NetworkCheck::Ok:
        break;
    }
  }
  QDialog::accept();
}

bool TFormPassword::client() const { return FClient && FClient->isChecked(); }
QString TFormPassword::address() const { return Edit3 ? Edit3->text().trimmed() : QString(); }
QString TFormPassword::port() const { return Edit4 ? Edit4->text().trimmed() : QString(); }

TFormWait::TFormWait(words::Language language, bool server, QWidget* parent, const WindowStyle& style)
    : QDialog(parent), FLanguage(language) {
  setWindowTitle(wordText(Entry::PleaseWait, language));
  setMinimumWidth(350);
  auto* v = new QVBoxLayout(this);
  Label1 = new QLabel(wordText(server ? Entry::WaitingForOtherPlayers : Entry::ExpectationOfGame, language));
  Label2 = new QLabel(wordText(Entry::SecondPlayerConnected, language));
  Label1->setObjectName(QStringLiteral("Label1"));
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->hide();
  v->addWidget(Label1);
  v->addWidget(Label2);
  auto* row = new QHBoxLayout;
  if (auto* icon = makeWindowIcon(style, QStringLiteral("WT"), this)) row->addWidget(icon);
  row->addStretch(1);
  FOk = new controls::TQexCardsButton(QStringLiteral("OK"));
  FOk->setObjectName(QStringLiteral("ButtonOk"));
  auto* cancel = new controls::TQexCardsButton(wordText(Entry::Cancel, language));
  FOk->setMinimumSize(110, 30);
  cancel->setMinimumSize(110, 30);
  FOk->setEnabled(false);
  connect(FOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  row->addWidget(FOk);
  row->addWidget(cancel);
  row->addStretch(1);
  v->addLayout(row);
  FDress = DressWindow(this, {QStringLiteral("Wait"), windowTitle()}, withLanguage(style, language));
}

void TFormWait::peerConnected() {
  Label2->show();
  FOk->setEnabled(true);
}

void TFormWait::noGames() { Label1->setText(wordText(Entry::NoAccessibleGames, FLanguage)); }

void TFormWait::closeEvent(QCloseEvent* e) {
  reject();
  e->accept();
}

}  // namespace vantorn::app
