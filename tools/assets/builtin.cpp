// The program's own resources.
#include "decor.h"
#include "generators.h"

#include <QFile>

namespace assets {

QString sourceData(const QString& file) {
  QFile f(QString(VANTORN_ASSET_DATA "/") + file);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

void makeBuiltin(Sink& sink) {
  makeSounds(sink);
  sink.raw("RT_RCDATA", "MidiSong", midiSong(), "mid");
  makeDecorations(sink);
  makeTablePictures(sink);
  makeCursors(sink);
  makeFlags(sink);
  makeBuiltinBackground(sink);
}

}  // namespace assets
