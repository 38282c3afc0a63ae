// Mono 16-bit WAV files from float samples.
#pragma once

#include <QByteArray>

#include <vector>

namespace assets {

inline constexpr int kRate = 22050;
QByteArray wavFile(const std::vector<float>& samples, int rate = kRate);
// The samples of a 16-bit PCM WAV file (mono or the first channel); empty when unreadable.
std::vector<float> readWav(const QByteArray& wav, int* rate);

}  // namespace assets
