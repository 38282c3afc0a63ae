// The small modal windows of a local game: the suit choice TFormMast and the welcome
// dialog TFormPassword.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>

#include "core/card.h"
#include "words/text.h"

namespace vantorn::app {

// "Choice suit": four suit buttons; the dialog closes only through one of them.
class TFormMast : public QDialog {
  Q_OBJECT
 public:
  TFormMast(words::Language language, QWidget* parent = nullptr);
  core::Suit chosen() const { return FSuit; }

 protected:
  void reject() override {}  // Escape and the close box do nothing
  void closeEvent(QCloseEvent* e) override;

 private:
  core::Suit FSuit = '+';
  bool FMayClose = false;
};

// "Welcome!": the name and password of a new player (with the check field), or the
// password of a registered one.
class TFormPassword : public QDialog {
  Q_OBJECT
 public:
  // `registeredName` empty: a new player.
  TFormPassword(words::Language language, const QString& registeredName, const QString& expectedPassword,
                QWidget* parent = nullptr);
  QString name() const { return FName->text().trimmed(); }
  QString password() const { return FPassword->text(); }

 private:
  void accept() override;

  words::Language FLanguage;
  bool FNew;
  QString FExpected;
  QLineEdit* FName;
  QLineEdit* FPassword;
  QLineEdit* FAgain = nullptr;
  QLabel* FMessage;
};

}  // namespace vantorn::app
