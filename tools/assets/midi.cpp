// "MidiSong": a standard MIDI file written note by note. A folk-like tune in
// D minor, AABA over 32 bars at 112 beats a minute (about 70 seconds): accordion
// melody, piano chords, bass and light drums.
#include "generators.h"

#include <QStringList>

#include <algorithm>
#include <map>
#include <vector>

namespace assets {
namespace {

constexpr int kTicks = 480;  // per quarter note

QByteArray bytes(std::initializer_list<int> v) {
  QByteArray b;
  for (int x : v) b += char(x);
  return b;
}

struct Ev {
  int tick;
  int order;  // note-offs before note-ons at the same tick
  QByteArray bytes;
};

class TrackBuf {
 public:
  void note(int ch, int key, int vel, double beat, double beats) {
    const int on = int(beat * kTicks), off = int((beat + beats) * kTicks) - 10;
    ev_.push_back({on, 1, bytes({0x90 | ch, key, vel})});
    ev_.push_back({std::max(on + 1, off), 0, bytes({0x80 | ch, key, 0})});
  }
  void raw(int tick, QByteArray b) { ev_.push_back({tick, -1, std::move(b)}); }
  QByteArray chunk() {
    std::stable_sort(ev_.begin(), ev_.end(), [](const Ev& a, const Ev& b) {
      return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    QByteArray body;
    int last = 0;
    for (const Ev& e : ev_) {
      varLen(body, e.tick - last);
      last = e.tick;
      body += e.bytes;
    }
    varLen(body, 0);
    body += QByteArray("\xFF\x2F\x00", 3);
    QByteArray out = "MTrk";
    for (int s = 24; s >= 0; s -= 8) out += char((body.size() >> s) & 0xFF);
    return out + body;
  }

 private:
  static void varLen(QByteArray& out, int v) {
    char buf[5];
    int n = 0;
    buf[n++] = char(v & 0x7F);
    while (v >>= 7) buf[n++] = char(0x80 | (v & 0x7F));
    while (n) out += buf[--n];
  }
  std::vector<Ev> ev_;
};

int key(const QString& n) {
  static const std::map<QChar, int> base = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}};
  int k = base.at(n[0]);
  int i = 1;
  if (n[i] == '#') { ++k; ++i; }
  if (n[i] == 'b') { --k; ++i; }
  return 12 * (n.mid(i).toInt() + 1) + k;
}

// Melody bars: "note:beats" separated by blanks; "R" is a rest.
const char* const kA[8] = {
    "D5:1 A4:1 D5:1 E5:1", "F5:1.5 E5:0.5 D5:1 Bb4:1", "C5:1 E5:1 G5:1 E5:1", "F5:2 A4:1 C5:1",
    "D5:1 F5:1 Bb5:1.5 A5:0.5", "G5:1 F5:1 E5:1 D5:1", "C#5:1 E5:1 A5:1 G5:1", "F5:1 E5:1 D5:2"};
const char* const kB[8] = {
    "A5:1 A5:0.5 G5:0.5 F5:1 C5:1", "G5:1 G5:0.5 F5:0.5 E5:1 C5:1", "F5:1 E5:1 D5:1 F5:1", "E5:2 C#5:1 A4:1",
    "Bb4:1 D5:1 F5:1 Bb5:1", "A5:1.5 G5:0.5 F5:1 C5:1", "D5:1 G5:1 E5:1 C#5:1", "D5:3 R:1"};
// Chords per bar (root, third, fifth as notes in octave 3/4).
const char* const kChordA[8] = {"D3 F3 A3", "G3 Bb3 D4", "C3 E3 G3", "F3 A3 C4", "Bb2 D3 F3", "G3 Bb3 D4", "A3 C#4 E4", "D3 F3 A3"};
const char* const kChordB[8] = {"F3 A3 C4", "C3 E3 G3", "D3 F3 A3", "A3 C#4 E4", "Bb2 D3 F3", "F3 A3 C4", "G3 Bb3 D4", "D3 F3 A3"};

}  // namespace

QByteArray midiSong() {
  TrackBuf meta, melody, chords, bass, drums;
  const int tempo = 60000000 / 112;
  meta.raw(0, QByteArray("\xFF\x51\x03", 3) + char(tempo >> 16) + char((tempo >> 8) & 0xFF) + char(tempo & 0xFF));
  meta.raw(0, QByteArray("\xFF\x58\x04\x04\x02\x18\x08", 7));
  melody.raw(0, bytes({0xC0, 21}));  // accordion
  chords.raw(0, bytes({0xC1, 0}));   // piano
  bass.raw(0, bytes({0xC2, 32}));    // acoustic bass
  const char* form = "AABA";
  for (int part = 0; part < 4; ++part) {
    const bool b = form[part] == 'B';
    for (int bar = 0; bar < 8; ++bar) {
      const double start = (part * 8 + bar) * 4.0;
      double beat = start;
      for (const QString& tok : QString((b ? kB : kA)[bar]).split(' ')) {
        const QStringList nd = tok.split(':');
        const double len = nd[1].toDouble();
        int k = nd[0] == "R" ? -1 : key(nd[0]);
        // The last A ends on a long tonic.
        if (part == 3 && bar == 7 && k >= 0) {
          melody.note(0, k, 96, beat, 4.0);
          break;
        }
        if (k >= 0) melody.note(0, k, 88 + (beat == start ? 10 : 0), beat, len);
        beat += len;
      }
      const QStringList chord = QString((b ? kChordB : kChordA)[bar]).split(' ');
      for (int q : {1, 3})
        for (const QString& n : chord) chords.note(1, key(n) + 12, 52, start + q, 0.9);
      bass.note(2, key(chord[0]) - 12, 80, start, 1.8);
      bass.note(2, key(chord[2]) - 12, 72, start + 2, 1.8);
      for (int e = 0; e < 8; ++e) drums.note(9, 42, e % 2 ? 30 : 45, start + e * 0.5, 0.25);  // closed hat
      drums.note(9, 36, 70, start, 0.5);
      drums.note(9, 36, 60, start + 2, 0.5);
      drums.note(9, 38, 40, start + 1, 0.5);
      drums.note(9, 38, 40, start + 3, 0.5);
    }
  }
  QByteArray out("MThd\x00\x00\x00\x06\x00\x01\x00\x05", 12);
  out += char(kTicks >> 8);
  out += char(kTicks & 0xFF);
  for (TrackBuf* t : {&meta, &melody, &chords, &bass, &drums}) out += t->chunk();
  return out;
}

}  // namespace assets
