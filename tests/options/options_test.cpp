// The options window offscreen: every control edits exactly its own settings field (seen
// in the bytes of the written settings), the language switch re-labels the window, the
// pack-dependent controls follow the packs found, and a download from a loopback HTTP
// server writes the file only when the answer is good.
#include <gtest/gtest.h>

#include "support/offscreen_app.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <functional>
#include <string>
#include <vector>

#include "app/options_window.h"
#include "app/pack_download.h"
#include "app/ui_text.h"
#include "controls/cards_button.h"
#include "files/settings.h"
#include "platform/resources.h"

namespace vantorn::app {
namespace {

using words::Entry;
using words::Language;

QApplication& app() { return vantorn::test_support::offscreenApp(); }

template <class W>
W* child(const TFormOptions& w, const char* name) {
  W* c = w.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(c, nullptr) << name;
  return c;
}

std::vector<std::string> lines(const files::Settings& s) {
  const std::string bytes = files::writeSettings(s);
  std::vector<std::string> out;
  size_t at = 0;
  while (at < bytes.size()) {
    const size_t end = bytes.find("\r\n", at);
    out.push_back(bytes.substr(at, end - at));
    if (end == std::string::npos) break;
    at = end + 2;
  }
  return out;
}

bool waitFor(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

// A settings folder with a pack folder above it, and a window that looks there.
struct PackFolders {
  QTemporaryDir root;
  QString data() const { return root.filePath(QStringLiteral("data")); }
  platform::Resources resources{platform::ResourceLibrary{}, QString(), QString()};
  PackFolders() {
    QDir(root.path()).mkdir(QStringLiteral("data"));
    resources = platform::Resources(platform::ResourceLibrary{}, data(), QString());
  }
  void put(const QString& file) const {
    QFile f(root.filePath(file));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("pack");
  }
};

// What a control does to the written settings: the line (1-based) and, from a position
// (1-based), the characters that must stand there; position 0 means the whole line.
struct ControlCase {
  const char* name;
  std::function<void(TFormOptions&)> act;
  int line;
  int pos;
  std::string text;
};

TEST(OptionsControls, EachControlChangesOnlyItsOwnPlaceInTheSettingsFile) {
  app();
  const auto check = [](TFormOptions& w, const char* n) { child<QCheckBox>(w, n)->toggle(); };
  const auto pick = [](TFormOptions& w, const char* n, int i) { child<QComboBox>(w, n)->setCurrentIndex(i); };
  const std::vector<ControlCase> cases = {
      {"CheckSound off", [&](auto& w) { check(w, "CheckSound"); }, 2, 2, "3"},
      {"CheckMusic off", [&](auto& w) { check(w, "CheckMusic"); }, 2, 2, "2"},
      {"Gif-Animation off", [&](auto& w) { check(w, "CheckBox3"); }, 2, 3, "0"},
      {"Fly-Cards off", [&](auto& w) { check(w, "CheckBox4"); }, 2, 4, "0"},
      {"network on", [&](auto& w) { check(w, "CheckBoxNet"); }, 2, 6, "1"},
      {"own cursors off", [&](auto& w) { check(w, "CheckBoxCur"); }, 2, 7, "0"},
      {"flight speed 6", [&](auto& w) { child<QSlider>(w, "TrackSpeed")->setValue(6); }, 2, 8, "6"},
      {"window size middle 1", [&](auto& w) { pick(w, "ComboBoxWSize", 2); }, 2, 9, "3"},
      {"window size full screen", [&](auto& w) { pick(w, "ComboBoxWSize", 1); }, 2, 9, "2"},
      {"radio list from disk", [&](auto& w) { child<QRadioButton>(w, "RadioDisk")->setChecked(true); }, 2, 12, "1"},
      {"new buttons", [&](auto& w) { check(w, "CheckBoxBut"); }, 2, 14, "1"},
      {"window design 4 dark", [&](auto& w) { pick(w, "ComboBoxD3", 3); }, 2, 15, "1"},
      {"window design 2 header 1", [&](auto& w) { pick(w, "ComboBoxD3", 1); }, 2, 16, "1"},
      {"window design 3 header 3", [&](auto& w) { pick(w, "ComboBoxD3", 2); }, 2, 16, "3"},
      {"main menu design 2", [&](auto& w) { pick(w, "ComboBoxD1", 1); }, 2, 17, "1"},
      {"game table design 2", [&](auto& w) { pick(w, "ComboBoxD2", 1); }, 2, 18, "1"},
      {"language Czech", [&](auto& w) { pick(w, "ComboBoxLan", 7); }, 2, 1, "7"},
      {"deck 12", [&](auto& w) { pick(w, "ComboBox1", 12); }, 4, 0, "12"},
      {"back style 5", [&](auto& w) { pick(w, "ComboBox2", 5); }, 6, 1, "05"},
      {"back Always one", [&](auto& w) { child<QRadioButton>(w, "RadioBack2")->setChecked(true); }, 6, 3, "1"},
      {"queue", [&](auto& w) { child<QCheckBox>(w, "CheckQueue")->setChecked(true); }, 8, 1, "1"},
      {"decor scale 120", [&](auto& w) { child<QSpinBox>(w, "SpinEdit1")->setValue(120); }, 14, 0, "120"},
      {"fixed scale 70",
       [&](auto& w) {
         pick(w, "ComboBoxFont", 2);
         child<QSpinBox>(w, "SpinEdit1")->setValue(70);
       },
       16, 0, "70"},
      {"serif font Arial",
       [&](auto& w) {
         pick(w, "ComboBoxFont", 1);
         auto* fonts = child<QComboBox>(w, "FontComboBox1");
         fonts->setCurrentIndex(fonts->findText(QStringLiteral("Arial")));
       },
       11, 0, "Arial"},
      {"background kind 7", [&](auto& w) { pick(w, "ComboBoxBG1", 7); }, 22, 1, "07"},
      {"background colour navy", [&](auto& w) { pick(w, "ComboBoxBG2", 5); }, 22, 3, "5"},
      {"save games on", [&](auto& w) { check(w, "CheckBoxSG"); }, 33, 0, "\xE8"},
      {"capture main window", [&](auto& w) { pick(w, "ComboBoxSG1", 0); }, 34, 0, "0"},
      {"frame delay 250", [&](auto& w) { child<QSpinBox>(w, "SpinEditSG1")->setValue(250); }, 35, 0, "250"},
  };
  for (const ControlCase& c : cases) {
    SCOPED_TRACE(c.name);
    TFormOptions w{files::Settings{}};
    const std::vector<std::string> before = lines(w.settings());
    c.act(w);
    const std::vector<std::string> after = lines(w.settings());
    ASSERT_EQ(after.size(), before.size());
    std::vector<std::string> expected = before;
    std::string& line = expected[c.line - 1];
    if (c.pos == 0) line = c.text;
    else line.replace(c.pos - 1, c.text.size(), c.text);
    EXPECT_EQ(after, expected);
  }
}

TEST(OptionsControls, BackChoiceSetsTheFlagOnlyForAlwaysOne) {
  app();
  files::Settings s;
  s.backAlwaysOne = true;
  TFormOptions w(s);
  EXPECT_TRUE(child<QRadioButton>(w, "RadioBack2")->isChecked());
  child<QRadioButton>(w, "RadioBack3")->setChecked(true);  // "Random"
  EXPECT_FALSE(w.settings().backAlwaysOne);
  child<QRadioButton>(w, "RadioBack2")->setChecked(true);
  EXPECT_TRUE(w.settings().backAlwaysOne);
  child<QRadioButton>(w, "RadioBack1")->setChecked(true);  // "To change decks"
  EXPECT_FALSE(w.settings().backAlwaysOne);
  EXPECT_TRUE(s.backAlwaysOne);  // the caller's copy is untouched
}

TEST(OptionsControls, StoredDesignsShowAsTheirListItems) {
  app();
  files::Settings s;
  s.headerStyle = 3;
  s.tableDesign2 = true;
  s.windowSize = 5;
  {
    TFormOptions w(s);
    EXPECT_EQ(child<QComboBox>(w, "ComboBoxD3")->currentIndex(), 2);
    EXPECT_EQ(child<QComboBox>(w, "ComboBoxD2")->currentIndex(), 1);
    EXPECT_EQ(child<QComboBox>(w, "ComboBoxWSize")->currentIndex(), 4);
  }
  s.darkWindows = true;
  TFormOptions w(s);
  EXPECT_EQ(child<QComboBox>(w, "ComboBoxD3")->currentIndex(), 3);
}

TEST(OptionsControls, BackgroundIsOffWithBothDesignsDarkAndRecordingOnlyInTheSmallWindow) {
  app();
  files::Settings s;
  s.saveGif = true;
  TFormOptions w(s);
  auto* kind = child<QComboBox>(w, "ComboBoxBG1");
  EXPECT_TRUE(kind->isEnabled());
  child<QComboBox>(w, "ComboBoxD1")->setCurrentIndex(1);
  EXPECT_TRUE(kind->isEnabled());
  child<QComboBox>(w, "ComboBoxD2")->setCurrentIndex(1);
  EXPECT_FALSE(kind->isEnabled());
  EXPECT_FALSE(child<QComboBox>(w, "ComboBoxBG2")->isEnabled());
  child<QComboBox>(w, "ComboBoxD1")->setCurrentIndex(0);
  EXPECT_TRUE(kind->isEnabled());

  auto* save = child<QCheckBox>(w, "CheckBoxSG");
  EXPECT_TRUE(save->isEnabled());
  EXPECT_TRUE(child<QSpinBox>(w, "SpinEditSG1")->isEnabled());
  child<QComboBox>(w, "ComboBoxWSize")->setCurrentIndex(4);  // big window
  EXPECT_FALSE(save->isEnabled());
  EXPECT_FALSE(save->isChecked());
  EXPECT_FALSE(w.settings().saveGif);
  EXPECT_FALSE(child<QSpinBox>(w, "SpinEditSG1")->isEnabled());
}

TEST(OptionsFonts, DefaultRestoresAllFourRolesAndTheFontListEditsTheChosenRole) {
  app();
  files::Settings s;
  s.fontDecor = "Arial";
  s.fontConew = "Some Missing Font";
  s.scaleSerif = 60;
  s.scaleConew = 140;
  TFormOptions w(s);
  auto* roles = child<QComboBox>(w, "ComboBoxFont");
  auto* fonts = child<QComboBox>(w, "FontComboBox1");
  auto* scale = child<QSpinBox>(w, "SpinEdit1");
  EXPECT_EQ(fonts->currentText(), QStringLiteral("Arial"));
  roles->setCurrentIndex(3);
  EXPECT_EQ(fonts->currentText(), QStringLiteral("Some Missing Font"));  // kept although not installed
  EXPECT_EQ(scale->value(), 140);
  fonts->setCurrentIndex(fonts->findText(QStringLiteral("Times New Roman")));
  EXPECT_EQ(w.settings().fontConew, "Times New Roman");
  EXPECT_EQ(w.settings().fontDecor, "Arial");  // only the chosen role changed

  child<controls::TQexCardsButton>(w, "Button2")->click();
  const files::Settings defaults;
  EXPECT_EQ(w.settings().fontDecor, defaults.fontDecor);
  EXPECT_EQ(w.settings().fontSerif, defaults.fontSerif);
  EXPECT_EQ(w.settings().fontFixed, defaults.fontFixed);
  EXPECT_EQ(w.settings().fontConew, defaults.fontConew);
  for (int pct : {w.settings().scaleDecor, w.settings().scaleSerif, w.settings().scaleFixed, w.settings().scaleConew})
    EXPECT_EQ(pct, 100);
  EXPECT_EQ(scale->value(), 100);
  EXPECT_EQ(fonts->currentText(), QStringLiteral("Courier New"));
}

TEST(OptionsLanguage, ChangingTheLanguageRelabelsEveryPageAtOnceAndTellsTheCaller) {
  app();
  TFormOptions w{files::Settings{}};
  std::vector<int> told;
  QObject::connect(&w, &TFormOptions::languageChanged, [&](int l) { told.push_back(l); });
  auto* pages = w.findChild<QTabWidget*>();
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(pages->count(), 8);
  EXPECT_EQ(child<QRadioButton>(w, "RadioBack2")->text(), QStringLiteral("Always one"));

  for (Language l : {Language::Russian, Language::Japanese}) {
    SCOPED_TRACE(static_cast<int>(l));
    child<QComboBox>(w, "ComboBoxLan")->setCurrentIndex(static_cast<int>(l));
    EXPECT_EQ(w.windowTitle(), wordText(Entry::Options, l));
    EXPECT_EQ(pages->tabText(6), wordText(Entry::SaveGames, l));
    EXPECT_EQ(child<QRadioButton>(w, "RadioBack2")->text(), wordText(Entry::AlwaysOne, l));
    EXPECT_EQ(child<QCheckBox>(w, "CheckBoxSG")->text(), wordText(Entry::SaveGamesAsGifs, l));
    EXPECT_EQ(child<QComboBox>(w, "ComboBoxD3")->itemText(3), wordText(Entry::DesignSalute, l));
    EXPECT_EQ(child<QComboBox>(w, "ComboBoxWSize")->itemText(1), wordText(Entry::FullScreen, l));
    EXPECT_EQ(child<QComboBox>(w, "ComboBox1")->itemText(47), wordText(Entry::DeckCzech, l));
    EXPECT_EQ(child<QGroupBox>(w, "RGRadio")->title(), wordText(Entry::ReadingRadioList, l));
    EXPECT_EQ(child<controls::TQexCardsButton>(w, "ButtonDLLVoice")->text(), wordText(Entry::Download, l));
  }
  EXPECT_EQ(told, (std::vector<int>{1, 8}));
  EXPECT_EQ(w.settings().language, 8);
}

TEST(OptionsLayout, NoTextIsCutOffInAnyLanguage) {
  app();
  files::Settings s;
  s.windowSize = 3;  // shows the note of the recording page as well
  TFormOptions w(s);
  w.show();
  auto* pages = w.findChild<QTabWidget*>();
  ASSERT_NE(pages, nullptr);
  for (int l = 0; l < words::kLanguageCount; ++l) {
    child<QComboBox>(w, "ComboBoxLan")->setCurrentIndex(l);
    for (int p = 0; p < pages->count(); ++p) {
      pages->setCurrentIndex(p);
      QApplication::processEvents();
      SCOPED_TRACE(testing::Message() << "language " << l << " page " << p);
      EXPECT_GE(pages->tabBar()->width(), pages->tabBar()->sizeHint().width());
      for (QWidget* c : pages->currentWidget()->findChildren<QWidget*>()) {
        if (!c->isVisible() || c->inherits("QSpinBox") || c->inherits("QSlider")) continue;
        const bool texty = c->inherits("QLabel") || c->inherits("QAbstractButton") || c->inherits("QComboBox");
        if (!texty || (c->inherits("QLabel") && static_cast<QLabel*>(c)->wordWrap())) continue;
        EXPECT_GE(c->width(), c->sizeHint().width()) << c->metaObject()->className() << " "
                                                     << c->objectName().toStdString();
      }
    }
  }
}

TEST(OptionsPacks, DownloadButtonsAndGraphicsSwitchesFollowThePacksFound) {
  app();
  PackFolders folders;
  files::Settings s;
  s.graphicButtons = s.graphicCards = true;
  TFormOptions w(s);
  w.setPacks(&folders.resources, folders.root.path());
  // No pack: every download button is on, the graphics switches are off and cleared.
  for (const OptionalPack& pack : optionalPacks())
    for (int i = 0; i < pack.buttons; ++i) {
      auto* b = child<controls::TQexCardsButton>(w, packButtonName(pack, i).toLatin1().constData());
      EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
      EXPECT_EQ(b->KLightSB(), 0);
    }
  EXPECT_FALSE(child<QCheckBox>(w, "CheckBoxD1")->isEnabled());
  EXPECT_FALSE(w.settings().graphicButtons);
  EXPECT_FALSE(w.settings().graphicCards);
  auto* d3 = qobject_cast<QStandardItemModel*>(child<QComboBox>(w, "ComboBoxD3")->model());
  ASSERT_NE(d3, nullptr);
  EXPECT_TRUE(d3->item(0)->isEnabled());
  EXPECT_FALSE(d3->item(3)->isEnabled());

  folders.put(QStringLiteral("QexCGraph1.dll"));
  w.setPacks(&folders.resources, folders.root.path());
  for (const char* name : {"ButtonDLLGraph", "ButtonDLLGraph_1"}) {
    auto* b = child<controls::TQexCardsButton>(w, name);
    EXPECT_FALSE(b->isEnabled()) << name;
    EXPECT_EQ(b->KLightSB(), 50) << name;
  }
  EXPECT_TRUE(child<controls::TQexCardsButton>(w, "ButtonDLLCardsB_2")->isEnabled());
  EXPECT_TRUE(child<QCheckBox>(w, "CheckBoxD1")->isEnabled());
  EXPECT_TRUE(d3->item(3)->isEnabled());
  child<QCheckBox>(w, "CheckBoxD2")->setChecked(true);
  EXPECT_TRUE(w.settings().graphicCards);
}

// Answers one HTTP request with a fixed status and body and remembers the request line.
struct OneShotHttp {
  QTcpServer server;
  QByteArray requestLine;
  OneShotHttp(int status, const QByteArray& body) {
    EXPECT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&server, &QTcpServer::newConnection, [this, status, body] {
      QTcpSocket* s = server.nextPendingConnection();
      QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, status, body] {
        const QByteArray in = s->readAll();
        if (requestLine.isEmpty()) requestLine = in.left(in.indexOf("\r\n"));
        if (!in.contains("\r\n\r\n")) return;
        s->write("HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Not Found") +
                 "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        s->disconnectFromHost();
      });
    });
  }
  QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()); }
};

TEST(OptionsPacks, ADownloadWritesThePackAndDisablesItsButton) {
  app();
  PackFolders folders;
  OneShotHttp http(200, "RUS#RUS0001#Radio#Russian Federation#http://x#\r\n");
  TFormOptions w{files::Settings{}};
  w.setPacks(&folders.resources, folders.root.path());
  w.setDownloadBase(http.base() + QStringLiteral("/"));
  std::vector<std::pair<QString, bool>> results;
  w.setOnDownloadFinished([&](const QString& f, bool ok) { results.emplace_back(f, ok); });
  auto* button = child<controls::TQexCardsButton>(w, "ButtonRADRadio");
  button->click();
  EXPECT_NE(QApplication::overrideCursor(), nullptr);  // hourglass while it runs
  EXPECT_FALSE(button->isEnabled());
  ASSERT_TRUE(waitFor([&] { return !results.empty(); }));
  EXPECT_EQ(results, (std::vector<std::pair<QString, bool>>{{QStringLiteral("QexRadio.rad"), true}}));
  EXPECT_EQ(http.requestLine, "GET /downloads/progr/cards/QexRadio.rad HTTP/1.1");
  QFile f(folders.root.filePath(QStringLiteral("QexRadio.rad")));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "RUS#RUS0001#Radio#Russian Federation#http://x#\r\n");
  EXPECT_FALSE(button->isEnabled());  // the pack is present now
  EXPECT_EQ(button->KLightSB(), 50);
  EXPECT_TRUE(child<controls::TQexCardsButton>(w, "ButtonDLLRadio")->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(OptionsPacks, AFailedDownloadLeavesNothingBehind) {
  app();
  PackFolders folders;
  OneShotHttp http(404, "<html>no such file</html>");
  TFormOptions w{files::Settings{}};
  w.setPacks(&folders.resources, folders.root.path());
  w.setDownloadBase(http.base());
  std::vector<bool> results;
  QObject::connect(&w, &TFormOptions::downloadFinished, [&](const QString&, bool ok) { results.push_back(ok); });
  child<controls::TQexCardsButton>(w, "ButtonDLLVoice")->click();
  ASSERT_TRUE(waitFor([&] { return !results.empty(); }));
  EXPECT_EQ(results, std::vector<bool>{false});
  EXPECT_EQ(QDir(folders.root.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
  EXPECT_TRUE(child<controls::TQexCardsButton>(w, "ButtonDLLVoice")->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  // Without a server address nothing is fetched and the failure is still reported.
  TFormOptions unset{files::Settings{}};
  unset.setPacks(&folders.resources, folders.root.path());
  results.clear();
  QObject::connect(&unset, &TFormOptions::downloadFinished, [&](const QString&, bool ok) { results.push_back(ok); });
  child<controls::TQexCardsButton>(unset, "ButtonDLLCardsA")->click();
  ASSERT_TRUE(waitFor([&] { return !results.empty(); }));
  EXPECT_EQ(results, std::vector<bool>{false});
  EXPECT_EQ(QDir(folders.root.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

}  // namespace
}  // namespace vantorn::app
