// The small modal windows of a local game: the suit choice TFormMast and the welcome
// dialog TFormPassword.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/window_style.h"
#include "core/card.h"
#include "words/text.h"

namespace vantorn::app {

// "Choice suit": four suit buttons; the dialog closes only through one of them.
class TFormMast : public QDialog {
  Q_OBJECT
 public:
  TFormMast(words::Language language, QWidget* parent = nullptr, const WindowStyle& style = {});
  core::Suit chosen() const { return FSuit; }
  const DressResult& dressResult() const { return FDress; }

 protected:
  void reject() override {}  // Escape and the close box do nothing
  void closeEvent(QCloseEvent* e) override;

 private:
  core::Suit FSuit = '+';
  bool FMayClose = false;
  DressResult FDress;
};

// "Welcome!": the name and password of a new player (with the check field), or the
// password of a registered one.
class TFormPassword : public QDialog {
  Q_OBJECT
 public:
  // `registeredName` empty: a new player. With `network` the dialog also asks whether
  // this program creates the game or enters it, and the server's address and port.
  TFormPassword(words::Language language, const QString& registeredName, const QString& expectedPassword,
                QWidget* parent = nullptr, bool network = false, const QString& address = {},
                const QString& port = {}, const WindowStyle& style = {});
  const DressResult& dressResult() const { return FDress; }
  QString name() const { return FName->text().trimmed(); }
  QString password() const { return FPassword->text(); }
  bool client() const;
  QString address() const;
  QString port() const;

 private:
  void accept() override;

  words::Language FLanguage;
  bool FNew;
  QString FExpected;
  QLineEdit* FName;
  QLineEdit* FPassword;
  QLineEdit* FAgain = nullptr;
  QLabel* FMessage;
  QRadioButton* FServer = nullptr;
  QRadioButton* FClient = nullptr;
  QLineEdit* Edit3 = nullptr;  // server address
  QLineEdit* Edit4 = nullptr;  // port
  DressResult FDress;
};

// "Please, wait...": the progress of the connection. The server's OK is enabled when the
// other player has introduced himself; Cancel gives up.
class TFormWait : public QDialog {
  Q_OBJECT
 public:
  TFormWait(words::Language language, bool server, QWidget* parent = nullptr, const WindowStyle& style = {});
  const DressResult& dressResult() const { return FDress; }
  void peerConnected();   // the server's second line and its OK
  void noGames();         // the client found no game at the address
 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  words::Language FLanguage;
  QLabel* Label1;
  QLabel* Label2;
  QPushButton* FOk;
  DressResult FDress;
};

}  // namespace vantorn::app
