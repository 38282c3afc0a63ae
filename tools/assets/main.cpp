// vantorn-assetgen: makes every picture and sound of the game at build time.
//   vantorn-assetgen --pack NAME --out DIR --qrc FILE   stage one pack (or "builtin") for rcc
//   vantorn-assetgen --list FILE                        list every resource of a pack with its type
//   vantorn-assetgen --sheet OUTDIR FILE...             contact sheets (PNG pages) of the pictures
#include "cards.h"
#include "generators.h"
#include "sheet.h"
#include "sink.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  auto value = [&](const QString& flag) {
    const int i = args.indexOf(flag);
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : QString();
  };
  if (args.contains("--list")) return assets::listPack(value("--list")) ? 0 : 1;
  if (args.contains("--sheet")) {
    const int i = args.indexOf("--sheet");
    return assets::contactSheets(args.mid(i + 2), args.value(i + 1)) ? 0 : 1;
  }
  const QString pack = value("--pack"), out = value("--out"), qrc = value("--qrc");
  if (pack.isEmpty() || out.isEmpty() || qrc.isEmpty()) {
    std::fprintf(stderr, "usage: vantorn-assetgen --pack NAME --out DIR --qrc FILE | --list FILE | --sheet DIR FILES\n");
    return 2;
  }
  // The art needs these fonts (setup installs them); without them pictures would come out blank.
  const QStringList families = QFontDatabase::families();
  for (const char* needed : {"Noto Color Emoji", "DejaVu Sans", "DejaVu Serif", "WenQuanYi Micro Hei"})
    if (!families.contains(needed)) {
      std::fprintf(stderr, "assetgen: the font \"%s\" is missing (run scripts/setup.sh)\n", needed);
      return 1;
    }
  assets::Sink sink(out);
  if (pack == "builtin") {
    assets::makeBuiltinCards(sink);
    assets::makeBuiltin(sink);
  } else if (pack == "QexCards06A.dll") {
    assets::makeCardPack(sink, 0);
  } else if (pack == "QexCards06B.dll") {
    assets::makeCardPack(sink, 1);
  } else if (pack == "QexCards06C.dll") {
    assets::makeCardPack(sink, 2);
  } else if (pack == "QexBackG03.dll") {
    assets::makeBackgrounds(sink);
  } else if (pack == "QexCGraph1.dll") {
    assets::makeWindowGraphics(sink);
  } else if (pack == "QexCVoice3.dll") {
    assets::makeVoices(sink, out + "/work");
  } else if (pack == "QexCalendar01.dll") {
    assets::makeCalendar(sink);
  } else if (pack == "QexRadio02.dll") {
    assets::makeRadio(sink);
  } else {
    std::fprintf(stderr, "assetgen: unknown pack %s\n", qPrintable(pack));
    return 2;
  }
  if (!sink.finish(qrc)) return 1;
  std::printf("assetgen: %s: %d resources\n", qPrintable(pack), sink.count());
  return 0;
}
