// TFormOptions: the preferences of the settings file, page by page (general, multimedia,
// cards, background, design, fonts, saving games, pack downloads). It edits a copy of
// the settings; the caller takes them back when the window closes with OK.
//
// A language change re-labels the whole window at once and emits languageChanged, so
// the main window can re-label its menu at the same moment. The pack-dependent controls
// (the download buttons, the touch-effect switches, the designs drawn from the window
// graphics) follow what setPacks() finds; until it is called every pack counts as missing.
#pragma once

#include <QDialog>

#include <functional>

#include "files/settings.h"
#include "words/text.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSlider;
class QSpinBox;
class QTabWidget;

namespace vantorn::platform {
class Resources;
}

namespace vantorn::controls {
class TQexCardsButton;
}

namespace vantorn::app {

class PackDownload;
struct OptionalPack;

class TFormOptions : public QDialog {
  Q_OBJECT
 public:
  explicit TFormOptions(const files::Settings& settings, QWidget* parent = nullptr);
  ~TFormOptions() override;
  const files::Settings& settings() const { return FSettings; }

  // Where packs are looked up (not owned, must outlive the window; nullptr: nowhere) and
  // the folder a download is written to (the parent of the data folder).
  void setPacks(const platform::Resources* resources, const QString& downloadFolder);
  // The web host the packs are fetched from ("http://host:port").
  void setDownloadBase(const QString& baseUrl);
  // Called when a download ends, after the buttons are re-evaluated; the caller plays
  // "WToMenK" on success and "WWrongs" on failure.
  void setOnDownloadFinished(std::function<void(const QString& file, bool ok)> callback) {
    FOnDownload = std::move(callback);
  }

  // True when the pack file is found where the program looks for packs.
  bool packPresent(const QString& file) const;

 Q_SIGNALS:
  void languageChanged(int language);
  void downloadFinished(const QString& file, bool ok);

 private:
  QCheckBox* settingCheck(const char* name, bool files::Settings::*field);
  QWidget* buildGeneral();
  QWidget* buildMultimedia();
  QWidget* buildCards();
  QWidget* buildBackground();
  QWidget* buildDesign();
  QWidget* buildFonts();
  QWidget* buildSaveGames();
  QWidget* buildDownloads();
  controls::TQexCardsButton* downloadButton(int pack, int index);

  void retext();  // every text in the current language of the copy
  void fontRoleChanged();
  void refreshPacks();  // the download buttons and every control that needs a pack
  void refreshDependents();  // controls enabled by other settings
  void download(int pack);

  files::Settings FSettings;
  const platform::Resources* FResources = nullptr;
  PackDownload* FDownload;
  bool FDownloading = false;
  std::function<void(const QString&, bool)> FOnDownload;

  QTabWidget* FPages;
  // General
  QLabel* LabelLan;
  QComboBox* ComboBoxLan;
  QLabel* LabelWSize;
  QComboBox* ComboBoxWSize;
  QCheckBox* CheckQueue;
  QCheckBox* CheckBoxNet;
  QCheckBox* CheckBoxCur;
  QCheckBox* CheckBoxBut;
  // Multimedia
  QCheckBox* CheckSound;
  QCheckBox* CheckMusic;
  QCheckBox* CheckBox3;
  QCheckBox* CheckBox4;
  QLabel* LabelSpeed;
  QSlider* TrackSpeed;
  QGroupBox* RGRadio;
  QRadioButton* RadioServer;
  QRadioButton* RadioDisk;
  // Cards
  QLabel* LabelDeck;
  QComboBox* ComboBox1;
  QLabel* LabelBack;
  QComboBox* ComboBox2;
  QGroupBox* GroupBack;
  QRadioButton* RadioBack[3];
  QGroupBox* GroupTouch;
  QCheckBox* CheckBoxD1;
  QCheckBox* CheckBoxD2;
  // Background
  QLabel* LabelBG1;
  QComboBox* ComboBoxBG1;
  QLabel* LabelBG2;
  QComboBox* ComboBoxBG2;
  // Design
  QLabel* LabelD1;
  QComboBox* ComboBoxD1;
  QLabel* LabelD2;
  QComboBox* ComboBoxD2;
  QLabel* LabelD3;
  QComboBox* ComboBoxD3;
  // Fonts
  QComboBox* ComboBoxFont;
  QComboBox* FontComboBox1;
  QLabel* LabelScale;
  QSpinBox* SpinEdit1;
  controls::TQexCardsButton* Button2;
  QLabel* LabelFontsNote;
  // Save games
  QCheckBox* CheckBoxSG;
  QComboBox* ComboBoxSG1;
  QLabel* LabelSG1;
  QSpinBox* SpinEditSG1;
  QLabel* LabelSGNote;
  // Downloads: the label of each pack on the download page, and every download button
  // with its pack number.
  QList<QLabel*> FPackLabels;
  QList<QPair<controls::TQexCardsButton*, int>> FPackButtons;

  controls::TQexCardsButton* ButtonOk;
};

}  // namespace vantorn::app
