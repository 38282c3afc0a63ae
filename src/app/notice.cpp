#include "app/notice.h"

#include "app/ui_text.h"

#include <QDesktopServices>
#include <QUrl>
#include <QVBoxLayout>

#include "controls/cards_button.h"

namespace vantorn::app {

TFormLink::TFormLink(const QString& line1, const QString& line2, const QString& link, const WindowStyle& style,
                     QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(wordText(words::Entry::Attention, style.language));
  setModal(true);
  setMinimumWidth(420);
  auto* v = new QVBoxLayout(this);
  const WindowTones tones = windowTones(style.fullGraphics);
  auto addLine = [&](const QString& name, const QString& text) {
    auto* l = new QLabel(text);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    QFont f(QString::fromStdString(table::freeFontFamily(style.serif.family)));
    f.setPixelSize(table::FontSize(16, style.serif.percentage));
    f.setBold(true);
    l->setFont(f);
    v->addWidget(l);
    return l;
  };
  addLine(QStringLiteral("Label1"), line1);
  addLine(QStringLiteral("Label2"), line2)->setVisible(!line2.isEmpty());
  QLabel* linkLine = addLine(QStringLiteral("LabelLink"), QString());
  if (link.isEmpty()) {
    linkLine->hide();
  } else {
    linkLine->setText(QStringLiteral("<a href=\"%1\" style=\"color:%2\">%3</a>")
                          .arg(link.toHtmlEscaped(), tones.value.name(), link.toHtmlEscaped()));
    linkLine->setTextFormat(Qt::RichText);
    linkLine->setCursor(Qt::PointingHandCursor);
    connect(linkLine, &QLabel::linkActivated, this, [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); });
  }
  v->addStretch(1);
  auto* ok = new controls::TQexCardsButton(QStringLiteral("OK"));
  ok->setObjectName(QStringLiteral("ButtonOk"));
  ok->setMinimumSize(120, 32);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  v->addWidget(ok, 0, Qt::AlignCenter);
  // The pack has no caption picture for the notice: the title is always written on the
  // ribbon, over the "About" background with full graphics.
  WindowCaption caption{QStringLiteral("About"), windowTitle()};
  caption.packCaption = false;
  FDress = DressWindow(this, caption, style);
}

void ShowNotice(const QString& line1, const QString& line2, const QString& link, const WindowStyle& style,
                QWidget* parent) {
  TFormLink(line1, line2, link, style, parent).exec();
}

}  // namespace vantorn::app
