#include <gtest/gtest.h>

#include "support/offscreen_app.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>

#include "app/dialogs.h"
#include "app/small_windows.h"
#include "app/ui_text.h"
#include "files/history.h"

namespace vantorn::app {
namespace {

namespace fs = std::filesystem;

QApplication& app() { return vantorn::test_support::offscreenApp(); }

TEST(Windows, SuitDialogClosesOnlyThroughASuitButton) {
  app();
  TFormMast d(words::Language::English);
  d.show();
  d.close();
  EXPECT_TRUE(d.isVisible());
  static_cast<QDialog&>(d).reject();  // Escape
  EXPECT_TRUE(d.isVisible());
  auto* clubs = d.findChild<QPushButton*>(QStringLiteral("BitBtn3"));
  ASSERT_NE(clubs, nullptr);
  clubs->click();
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(d.chosen(), core::cp1251::kClubs);
}

TEST(Windows, WelcomeDialogChecksNamesAndPasswords) {
  app();
  TFormPassword fresh(words::Language::English, QString(), QString());
  auto edits = fresh.findChildren<QLineEdit*>();
  ASSERT_EQ(edits.size(), 3);
  edits[0]->setText(QStringLiteral("   "));
  fresh.show();
  QMetaObject::invokeMethod(&fresh, "accept");
  EXPECT_TRUE(fresh.isVisible());
  bool sawName = false;
  for (auto* l : fresh.findChildren<QLabel*>())
    if (l->text() == wordText(words::Entry::IncorrectName, words::Language::English)) sawName = true;
  EXPECT_TRUE(sawName);
  edits[0]->setText(QStringLiteral("Анна"));
  edits[1]->setText(QStringLiteral("abc"));
  edits[2]->setText(QStringLiteral("abd"));
  QMetaObject::invokeMethod(&fresh, "accept");
  EXPECT_TRUE(fresh.isVisible());
  edits[2]->setText(QStringLiteral("abc"));
  QMetaObject::invokeMethod(&fresh, "accept");
  EXPECT_FALSE(fresh.isVisible());
  EXPECT_EQ(fresh.result(), QDialog::Accepted);
  EXPECT_EQ(fresh.name(), QStringLiteral("Анна"));

  TFormPassword known(words::Language::Russian, QStringLiteral("Анна"), QStringLiteral("abc"));
  auto knownEdits = known.findChildren<QLineEdit*>();
  ASSERT_EQ(knownEdits.size(), 2);
  EXPECT_TRUE(knownEdits[0]->isReadOnly());
  known.show();
  knownEdits[1]->setText(QStringLiteral("xyz"));
  QMetaObject::invokeMethod(&known, "accept");
  EXPECT_TRUE(known.isVisible());
  knownEdits[1]->setText(QStringLiteral("abc"));
  QMetaObject::invokeMethod(&known, "accept");
  EXPECT_FALSE(known.isVisible());
}

TEST(Windows, HistoryViewerListsEveryRecord) {
  app();
  const fs::path dir = fs::temp_directory_path() / ("vantorn-hist-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  const files::HistoryStore store{dir, "Vantorn.clb"};
  files::HistoryRecord r;
  r.name = "Tester";
  r.result = 35;
  ASSERT_FALSE(store.append({r, r, r}, files::Stamp{2026, 12, 11, 9, 5}).has_value());
  TFHistory viewer(words::Language::German, dir, "Vantorn.clb");
  EXPECT_EQ(viewer.rowCount(), 3);
  TFHistory empty(words::Language::English, dir / "none", "Vantorn.clb");
  EXPECT_EQ(empty.rowCount(), 0);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vantorn::app

#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>

#include "app/options_window.h"

namespace vantorn::app {
namespace {

TEST(Windows, OptionsSpeakTheChosenLanguageAtOnceAndEditACopy) {
  app();
  files::Settings s;
  s.language = 1;  // Russian
  TFormOptions w(s);
  auto* pages = w.findChild<QTabWidget*>();
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(pages->tabText(1), wordText(words::Entry::Multimedia, words::Language::Russian));
  auto* languages = w.findChild<QComboBox*>(QStringLiteral("ComboBoxLan"));
  ASSERT_NE(languages, nullptr);
  languages->setCurrentIndex(0);
  EXPECT_EQ(pages->tabText(1), QStringLiteral("Multimedia"));
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Options"));
  auto* queue = w.findChild<QCheckBox*>(QStringLiteral("CheckQueue"));
  ASSERT_NE(queue, nullptr);
  EXPECT_EQ(queue->text(), QStringLiteral("To move on - queue"));
  queue->setChecked(true);
  auto* sizes = w.findChild<QComboBox*>(QStringLiteral("ComboBoxWSize"));
  ASSERT_NE(sizes, nullptr);
  sizes->setCurrentIndex(1);  // "Full screen", the setting's own numbering
  EXPECT_TRUE(w.settings().moveInQueue);
  EXPECT_EQ(w.settings().windowSize, 2);
  EXPECT_EQ(w.settings().language, 0);
  EXPECT_FALSE(s.moveInQueue);  // the caller's settings are untouched
}

}  // namespace
}  // namespace vantorn::app

#include <QSlider>

namespace vantorn::app {
namespace {

TEST(Windows, SpeedWindowChangesTheSpeedWithTheSlider) {
  app();
  TFormSpeed w(words::Language::English, 4);
  auto* slider = w.findChild<QSlider*>(QStringLiteral("TrackBar1"));
  ASSERT_NE(slider, nullptr);
  EXPECT_EQ(slider->value(), 4);
  slider->setValue(6);
  EXPECT_EQ(w.speed(), 6);
  slider->setValue(9);  // beyond the range: the slider keeps 6
  EXPECT_EQ(w.speed(), 6);
}

TEST(Windows, ScoreWindowShowsItsSevenValues) {
  app();
  TCount c{"31", "1", "0", "+35", "35", "0,00", "0,70"};
  TFormCount w(words::Language::English, QStringLiteral("Tester"), c);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Player:  Tester"));
  auto* first = w.findChild<QLabel*>(QStringLiteral("Value1"));
  auto* last = w.findChild<QLabel*>(QStringLiteral("Value7"));
  ASSERT_TRUE(first && last);
  EXPECT_EQ(first->text(), QStringLiteral("31"));
  EXPECT_EQ(last->text(), QStringLiteral("0,70"));
}

}  // namespace
}  // namespace vantorn::app

#include <QRadioButton>

namespace vantorn::app {
namespace {

TEST(Windows, NetworkWelcomeChecksTheAddressAndThePort) {
  app();
  TFormPassword d(words::Language::English, QString(), QString(), nullptr, true, QStringLiteral("127.0.0.1"),
                  QStringLiteral("25666"));
  auto* client = d.findChild<QRadioButton*>(QStringLiteral("RadioClient"));
  auto* address = d.findChild<QLineEdit*>(QStringLiteral("Edit3"));
  auto* port = d.findChild<QLineEdit*>(QStringLiteral("Edit4"));
  ASSERT_TRUE(client && address && port);
  d.show();
  client->setChecked(true);
  address->setText(QStringLiteral("127.0.1"));
  QMetaObject::invokeMethod(&d, "accept");
  EXPECT_TRUE(d.isVisible());
  address->setText(QStringLiteral("127.0.0.1"));
  port->setText(QStringLiteral("70000"));
  QMetaObject::invokeMethod(&d, "accept");
  EXPECT_TRUE(d.isVisible());
  port->setText(QStringLiteral("25666"));
  QMetaObject::invokeMethod(&d, "accept");
  EXPECT_FALSE(d.isVisible());
  EXPECT_TRUE(d.client());
  EXPECT_EQ(d.port(), QStringLiteral("25666"));
}

TEST(Windows, WaitingWindowOffersOkOnlyWhenThePeerIsThere) {
  app();
  TFormWait w(words::Language::English, true);
  auto* ok = w.findChild<QPushButton*>(QStringLiteral("ButtonOk"));
  auto* second = w.findChild<QLabel*>(QStringLiteral("Label2"));
  ASSERT_TRUE(ok && second);
  w.show();
  EXPECT_FALSE(ok->isEnabled());
  EXPECT_FALSE(second->isVisible());
  w.peerConnected();
  EXPECT_TRUE(ok->isEnabled());
  EXPECT_TRUE(second->isVisible());
  TFormWait c(words::Language::English, false);
  c.noGames();
  EXPECT_EQ(c.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("There are no accessible games"));
}

}  // namespace
}  // namespace vantorn::app

#include "platform/resources.h"

namespace vantorn::app {
namespace {

QStringList labelTexts(const QWidget& w) {
  QStringList out;
  for (auto* l : w.findChildren<QLabel*>())
    if (!l->text().isEmpty()) out << l->text();
  return out;
}

TEST(Windows, EndOfSeriesWindowSpeaksOfThePlace) {
  app();
  const platform::Resources res{platform::ResourceLibrary{}, QString{}, QString{}};
  const auto l = words::Language::English;
  struct Case {
    int place;
    long long score;
    TFormEndGame::Mode mode;
    QStringList lines;  // the four lines, top to bottom
  };
  const Case cases[] = {
      {1, 420, TFormEndGame::Mode::Local,
       {"CONGRATULATIONS!!!", "Your result - the best!", "Result: 420", "You become a Master of the Order!"}},
      {1, 420, TFormEndGame::Mode::Network,
       {"CONGRATULATIONS!!!", "Your result - the best!", "Result: 420", "You become a Bachelor of the Order!"}},
      {4, 120, TFormEndGame::Mode::Local,
       {"CONGRATULATIONS!!!", "Good result!", "Result: 120", "You have hitted in top ten players!"}},
      {0, -35, TFormEndGame::Mode::Local,
       {"Our regrets...", "Your result keeps to wish best", "Result: -35", "You have not hitted in ten best players..."}},
      {11, 90, TFormEndGame::Mode::Local,
       {"Our regrets...", "Your result keeps to wish best", "Result: 90 ; Place: 11",
        "You have not hitted in ten best players..."}},
  };
  for (const Case& c : cases) {
    TFormEndGame w(l, res, c.place, c.score, c.mode);
    const QStringList texts = labelTexts(w);
    const qsizetype at = texts.indexOf(c.lines.front());
    ASSERT_GE(at, 0) << "place " << c.place;
    EXPECT_EQ(texts.mid(at, 4), c.lines) << "place " << c.place;
  }
}

}  // namespace
}  // namespace vantorn::app
