#include "table/backgrounds.h"

#include <algorithm>

#include "platform/resources.h"

namespace vantorn::table {

namespace {
const char* const kColourCodes[] = {"Gr", "Re", "Or", "Ye", "B1", "B2", "Fi"};
const QString kBackgroundPack = QStringLiteral("QexBackG03.dll");
const QString kGraphicsPack = QStringLiteral("QexCGraph1.dll");

bool builtinPicture(int kind, int colour) { return kind == 2 && colour == 0; }
}  // namespace

QString backgroundName(int kind, int colour, int windowSize) {
  if (builtinPicture(kind, colour)) return QStringLiteral("FonG");
  return QStringLiteral("Fon%1%2%3")
      .arg(kind, 2, 10, QLatin1Char('0'))
      .arg(QString::fromLatin1(kColourCodes[std::clamp(colour, 0, 6)]))
      .arg(windowSize == 1 ? QString() : QStringLiteral("B"));
}

QString backgroundPack(int kind, int colour) { return builtinPicture(kind, colour) ? QString() : kBackgroundPack; }

BackgroundLoad LoadBackground(const platform::Resources& res, BackgroundChoice choice, int windowSize, QSize client) {
  BackgroundLoad out;
  choice.kind = std::clamp(choice.kind, 0, 10);
  choice.colour = std::clamp(choice.colour, 0, 6);
  if (choice.kind == 0) choice.colour = 0;  // no picture is always green
  const auto stretched = [&](QImage img) {
    return img.isNull() || client.isEmpty() ? img
                                            : img.scaled(client, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  };
  if (choice.dark) {
    if (platform::LoadPackJpeg(res, QStringLiteral("BGLilu"), kGraphicsPack, out.picture)) {
      out.picture = stretched(out.picture);
      out.used = choice;
      return out;
    }
    out.missingPack = kGraphicsPack;
    out.darkFailed = true;
    choice.dark = false;
  }
  if (choice.kind > 0) {
    const QString pack = backgroundPack(choice.kind, choice.colour);
    if (!platform::LoadPackJpeg(res, backgroundName(choice.kind, choice.colour, windowSize), pack, out.picture)) {
      if (out.missingPack.isEmpty()) out.missingPack = pack;
      choice.kind = 2;
      choice.colour = 0;
      platform::LoadPackJpeg(res, QStringLiteral("FonG"), QString(), out.picture);
    }
    if (windowSize != 1) out.picture = stretched(out.picture);
  }
  out.used = choice;
  return out;
}

QColor windowColour(int tableColour, bool hasPicture, bool darkMenu) {
  if (darkMenu) return QColor(0x78, 0x00, 0xC8);
  static const QColor kColours[] = {QColor(0, 128, 0),   QColor(128, 0, 0),   QColor(128, 64, 0), QColor(128, 128, 0),
                                    QColor(0, 128, 128), QColor(0, 0, 128), QColor(128, 0, 128)};
  if (!hasPicture) return kColours[0];
  return kColours[std::clamp(tableColour, 0, 6)];
}

}  // namespace vantorn::table
