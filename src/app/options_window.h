// TFormOptions: the preferences of the settings file, page by page. It edits a copy of the
// settings; the caller takes them back when the window closes with OK.
#pragma once

#include <QDialog>

#include "files/settings.h"
#include "words/text.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;
class QSpinBox;
class QTabWidget;

namespace vantorn::app {

class TFormOptions : public QDialog {
  Q_OBJECT
 public:
  explicit TFormOptions(const files::Settings& settings, QWidget* parent = nullptr);
  const files::Settings& settings() const { return FSettings; }

 private:
  void retext();  // every text in the current language of the copy
  void fontRoleChanged();

  files::Settings FSettings;
  QTabWidget* FPages;
  QComboBox* ComboBoxLan;
  QComboBox* ComboBoxSize;
  QCheckBox* CheckQueue;
  QCheckBox* CheckFly;
  QSlider* TrackSpeed;
  QLabel* LabelSpeed;
  QCheckBox* CheckSound;
  QCheckBox* CheckMusic;
  QCheckBox* CheckCursor;
  QCheckBox* CheckNetwork;
  QComboBox* ComboBox1;  // decks
  QComboBox* ComboBox2;  // back styles
  QCheckBox* CheckBackOne;
  QComboBox* ComboBoxFont;
  QSpinBox* SpinEdit1;
  QLabel* LabelScale;
  QPushButton* Button2;
  QPushButton* ButtonOk;
};

}  // namespace vantorn::app
