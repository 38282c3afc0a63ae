// Animated GIF writing (giflib for the file, libimagequant for one shared palette).
#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace assets {

// All frames must have the same size; fully transparent pixels stay transparent.
QByteArray writeGif(const std::vector<QImage>& frames, int delayMs, bool loop);

}  // namespace assets
