// Shared drawing of the decorations: ribbons, plates, icons, animations.
#pragma once

#include "sink.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace assets {

// Language suffixes of pictures (Japanese and Korean use "Eng").
inline const char* const kPictureLanguages[8] = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"};
// The eight caption texts of a key of captions.txt, in the order above.
QStringList captionTexts(const QString& key);
QString fontFor(int language);  // a font that has the language's letters

QImage ribbon(int w, int h, QColor colour);
QImage plate(int w, int h, QColor colour, int radius);
QImage emojiIcon(const QString& emoji, int size, QColor disc = Qt::transparent);
QImage captionPicture(int w, int h, const QString& text, int language, QColor colour);
// Frames of an emblem that gently turns and glows (club emblems, sirens ...).
std::vector<QImage> emblemFrames(int w, int h, const QString& emoji, QColor glow, int frames);

void makeSounds(Sink& sink);
QByteArray midiSong();
void makeDecorations(Sink& sink);
void makeTablePictures(Sink& sink);
void makeCursors(Sink& sink);
void makeFlags(Sink& sink);
void makeBuiltinBackground(Sink& sink);

}  // namespace assets
