// The generators of every pack; each fills a sink with the pack's resources.
#pragma once

#include "sink.h"

namespace assets {

void makeBuiltin(Sink& sink);        // program resources (decorations, sounds, cursors, flags ...)
void makeBackgrounds(Sink& sink);    // QexBackG03.dll
void makeWindowGraphics(Sink& sink); // QexCGraph1.dll
void makeVoices(Sink& sink, const QString& workDir);  // QexCVoice3.dll
void makeCalendar(Sink& sink);       // QexCalendar01.dll
void makeRadio(Sink& sink);          // QexRadio02.dll

// Hand-written source data (assets/ in the source tree).
QString sourceData(const QString& file);

}  // namespace assets
