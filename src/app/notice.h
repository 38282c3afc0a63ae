// The notice window TFormLink ("Attention"): two lines of text, an optional link line
// opened in the browser, and OK. ShowNotice is the program's one way to tell the user
// something that is not a question.
#pragma once

#include <QDialog>
#include <QLabel>

#include "app/window_style.h"

namespace vantorn::app {

class TFormLink : public QDialog {
  Q_OBJECT
 public:
  // With full graphics the notice stands on the "About" window background.
  TFormLink(const QString& line1, const QString& line2, const QString& link, const WindowStyle& style = {},
            QWidget* parent = nullptr);
  const DressResult& dressResult() const { return FDress; }

 private:
  DressResult FDress;
};

// Shows the notice modally.
void ShowNotice(const QString& line1, const QString& line2, const QString& link, const WindowStyle& style = {},
                QWidget* parent = nullptr);

}  // namespace vantorn::app
