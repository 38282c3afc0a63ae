// The effect sounds, synthesised: each a short WAV that fits its event.
#include "generators.h"
#include "paint.h"
#include "wav.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <functional>

namespace assets {

QByteArray wavFile(const std::vector<float>& s, int rate) {
  QByteArray out;
  auto u32 = [&](quint32 v) { char b[4]; qToLittleEndian(v, b); out.append(b, 4); };
  auto u16 = [&](quint16 v) { char b[2]; qToLittleEndian(v, b); out.append(b, 2); };
  const quint32 data = quint32(s.size() * 2);
  out += "RIFF"; u32(36 + data); out += "WAVEfmt "; u32(16); u16(1); u16(1); u32(rate); u32(rate * 2); u16(2); u16(16);
  out += "data"; u32(data);
  for (float v : s) u16(quint16(qint16(std::lround(std::clamp(v, -1.0f, 1.0f) * 32000))));
  return out;
}

std::vector<float> readWav(const QByteArray& w, int* rate) {
  std::vector<float> out;
  if (w.size() < 44 || !w.startsWith("RIFF") || w.mid(8, 4) != "WAVE") return out;
  int pos = 12, channels = 1, bits = 16;
  while (pos + 8 <= w.size()) {
    const QByteArray id = w.mid(pos, 4);
    const qint64 len = qFromLittleEndian<quint32>(w.constData() + pos + 4);
    if (len < 0 || pos + 8 + len > w.size()) break;
    if (id == "fmt " && len >= 16) {
      channels = qFromLittleEndian<quint16>(w.constData() + pos + 10);
      if (rate) *rate = int(qFromLittleEndian<quint32>(w.constData() + pos + 12));
      bits = qFromLittleEndian<quint16>(w.constData() + pos + 22);
    } else if (id == "data" && bits == 16 && channels >= 1) {
      for (qint64 i = 0; i + 2 * channels <= len; i += 2 * channels)
        out.push_back(qFromLittleEndian<qint16>(w.constData() + pos + 8 + i) / 32768.0f);
    }
    pos += 8 + int(len) + int(len & 1);
  }
  return out;
}

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Track {
  std::vector<float> s;
  explicit Track(double seconds) : s(size_t(seconds * kRate), 0.0f) {}
  // Adds fn(t) (t in seconds from `at`) for `dur` seconds.
  void add(double at, double dur, const std::function<double(double)>& fn) {
    const size_t a = size_t(at * kRate), n = size_t(dur * kRate);
    for (size_t i = 0; i < n && a + i < s.size(); ++i) s[a + i] += float(fn(double(i) / kRate));
  }
  void normalise(double peak) {
    // Short fades against clicks (1 ms in, so that a tick keeps its attack; 5 ms out),
    // then the loudest sample is brought to `peak`.
    const size_t in = std::min(s.size() / 2, size_t(kRate / 1000)), out = std::min(s.size() / 2, size_t(kRate / 200));
    for (size_t i = 0; i < in; ++i) s[i] *= float(i) / in;
    for (size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= float(i) / out;
    float m = 0;
    for (float v : s) m = std::max(m, std::fabs(v));
    if (m > 0) for (float& v : s) v = float(v / m * peak);
  }
};

double freq(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }
double env(double t, double attack, double decay) { return t < attack ? t / attack : std::exp(-(t - attack) / decay); }

// A bell: two-operator FM with a fast attack and a long decay.
std::function<double(double)> bell(double f, double decay, double amp = 1.0) {
  return [=](double t) {
    const double e = env(t, 0.002, decay);
    return amp * e * std::sin(2 * kPi * f * t + 1.8 * e * std::sin(2 * kPi * f * 3.5 * t));
  };
}
// A brass-like tone: a few harmonics with a soft attack and vibrato.
std::function<double(double)> brass(double f, double dur, double amp = 1.0) {
  return [=](double t) {
    const double a = std::min(1.0, t / 0.04) * (t > dur - 0.08 ? std::max(0.0, (dur - t) / 0.08) : 1.0);
    const double vib = 1 + 0.004 * std::sin(2 * kPi * 5.5 * t) * std::min(1.0, t / 0.3);
    double v = 0;
    for (int h = 1; h <= 6; ++h) v += std::sin(2 * kPi * f * vib * h * t) / (h * (1.0 + 0.4 * h * (1 - a)));
    return amp * a * v * 0.5;
  };
}
std::function<double(double)> tone(double f, double dur, double amp = 1.0) {
  return [=](double t) {
    const double a = std::min(1.0, t / 0.01) * std::min(1.0, std::max(0.0, (dur - t) / 0.03));
    return amp * a * (std::sin(2 * kPi * f * t) + 0.25 * std::sin(4 * kPi * f * t));
  };
}
// A burst of filtered noise: a card sliding or snapping.
std::function<double(double)> swish(uint64_t seed, double dur, double bright, double amp = 1.0) {
  auto rng = std::make_shared<Rng>(seed);
  auto state = std::make_shared<double>(0.0);
  return [=](double t) {
    const double n = rng->unit() * 2 - 1;
    *state += (n - *state) * bright;  // one-pole low-pass
    const double e = std::sin(kPi * std::min(1.0, t / dur));
    return amp * e * e * *state;
  };
}

QByteArray make(double seconds, const std::function<void(Track&)>& fill, double peak = 0.8) {
  Track t(seconds);
  fill(t);
  t.normalise(peak);
  return wavFile(t.s);
}

}  // namespace

void makeSounds(Sink& sink) {
  // A small window opens: a soft rising two-note chime.
  sink.wav("WOpenFo", make(0.45, [](Track& t) {
    t.add(0, 0.4, bell(freq(79), 0.15, 0.6));
    t.add(0.07, 0.38, bell(freq(84), 0.18, 0.7));
  }, 0.55));
  // The order is set, or a penalty card taken: one clear ding.
  sink.wav("WDing_1", make(0.6, [](Track& t) { t.add(0, 0.6, bell(freq(88), 0.22)); }, 0.7));
  // A card laid on the pile: a short slide and a snap.
  sink.wav("WHodsDo", make(0.2, [](Track& t) {
    t.add(0, 0.12, swish(7, 0.12, 0.35, 0.8));
    t.add(0.1, 0.06, swish(8, 0.03, 0.9, 1.0));
  }, 0.75));
  // Passing after a take: a quiet two-note "no".
  sink.wav("WHodBer", make(0.4, [](Track& t) {
    t.add(0, 0.18, tone(freq(67), 0.18, 0.7));
    t.add(0.18, 0.2, tone(freq(62), 0.2, 0.7));
  }, 0.5));
  // Jokers: a horn call, short for the blue or the other's joker, proud for one's own.
  sink.wav("WSays20", make(0.75, [](Track& t) {
    t.add(0, 0.2, brass(freq(67), 0.2));
    t.add(0.2, 0.5, brass(freq(72), 0.5));
  }));
  sink.wav("WSays40", make(1.1, [](Track& t) {
    t.add(0, 0.16, brass(freq(67), 0.16));
    t.add(0.16, 0.16, brass(freq(72), 0.16));
    t.add(0.32, 0.75, brass(freq(76), 0.75));
    t.add(0.32, 0.75, brass(freq(72), 0.75, 0.5));
  }));
  // The shuffle: a riffle of many short card snaps, then the squared deck.
  sink.wav("WTasoKo", make(1.3, [](Track& t) {
    for (int i = 0; i < 34; ++i) t.add(0.05 + i * 0.028, 0.025, swish(100 + i, 0.02, 0.7, 0.5 + 0.3 * ((i * 7) % 5) / 4.0));
    t.add(1.05, 0.1, swish(99, 0.08, 0.25, 1.0));
  }, 0.7));
  // The pile turned into the stock (and other notices): a sweep and a chime.
  sink.wav("WToMenK", make(0.8, [](Track& t) {
    t.add(0, 0.35, swish(21, 0.35, 0.15, 0.6));
    t.add(0.3, 0.5, bell(freq(81), 0.2, 0.5));
    t.add(0.38, 0.42, bell(freq(88), 0.2, 0.4));
  }, 0.6));
  // The deal ends: lost (a falling minor line) or won (a rising major arpeggio).
  sink.wav("WKoBadX", make(1.0, [](Track& t) {
    const int n[3] = {67, 63, 60};
    for (int i = 0; i < 3; ++i) t.add(i * 0.22, 0.4, tone(freq(n[i]), 0.4, 0.8));
  }, 0.6));
  sink.wav("WKoGutX", make(1.0, [](Track& t) {
    const int n[4] = {60, 64, 67, 72};
    for (int i = 0; i < 4; ++i) t.add(i * 0.12, 0.6, bell(freq(n[i] + 12), 0.3, 0.8));
  }, 0.7));
  // Preliminary result: a cheerful jingle or a sad "wah-wah".
  sink.wav("WKoGood", make(1.0, [](Track& t) {
    const int n[5] = {72, 76, 79, 76, 84};
    for (int i = 0; i < 5; ++i) t.add(i * 0.1, 0.5, bell(freq(n[i]), 0.2, 0.7));
  }, 0.7));
  sink.wav("WKoBads", make(1.5, [](Track& t) {
    const int n[4] = {62, 61, 60, 59};
    for (int i = 0; i < 4; ++i)
      t.add(i * 0.3, i == 3 ? 0.6 : 0.3, brass(freq(n[i]) * 0.5, i == 3 ? 0.6 : 0.3, 0.8));
  }, 0.6));
  // End of the series: fanfares for the best and a good place, a gentle minor close otherwise.
  sink.wav("WFiBest", make(2.6, [](Track& t) {
    const int n[6] = {60, 64, 67, 72, 67, 72};
    const double d[6] = {0.15, 0.15, 0.15, 0.45, 0.15, 1.2};
    double at = 0;
    for (int i = 0; i < 6; ++i) { t.add(at, d[i], brass(freq(n[i]), d[i])); at += d[i]; }
    at -= 1.2;
    t.add(at, 1.2, brass(freq(64), 1.2, 0.6));
    t.add(at, 1.2, brass(freq(67), 1.2, 0.6));
    t.add(at, 1.4, bell(freq(96), 0.5, 0.3));
  }));
  sink.wav("WFiGood", make(1.6, [](Track& t) {
    const int n[4] = {67, 72, 76, 79};
    const double d[4] = {0.15, 0.15, 0.15, 0.9};
    double at = 0;
    for (int i = 0; i < 4; ++i) { t.add(at, d[i], brass(freq(n[i]), d[i])); at += d[i]; }
  }));
  sink.wav("WFiBads", make(1.8, [](Track& t) {
    const int n[4] = {67, 65, 63, 62};
    for (int i = 0; i < 4; ++i) t.add(i * 0.3, i == 3 ? 0.8 : 0.3, tone(freq(n[i]), i == 3 ? 0.8 : 0.3, 0.8));
    t.add(0.9, 0.8, tone(freq(55), 0.8, 0.5));
  }, 0.55));
  // Not allowed: a low double buzz.
  sink.wav("WWrongs", make(0.4, [](Track& t) {
    for (int i = 0; i < 2; ++i)
      t.add(i * 0.18, 0.13, [](double x) { return (std::sin(2 * kPi * 150 * x) > 0 ? 0.5 : -0.5) * std::min(1.0, (0.13 - x) / 0.02); });
  }, 0.4));
  // The move clock: a wooden tick, and an urgent high tick for the last seconds.
  sink.wav("STimerA", make(0.08, [](Track& t) {
    t.add(0, 0.06, [](double x) { return std::exp(-x / 0.008) * std::sin(2 * kPi * 1800 * x); });
  }, 0.5));
  sink.wav("STimerB", make(0.16, [](Track& t) {
    t.add(0, 0.14, [](double x) { return std::exp(-x / 0.03) * std::sin(2 * kPi * 2600 * x); });
    t.add(0, 0.05, [](double x) { return std::exp(-x / 0.006) * std::sin(2 * kPi * 900 * x); });
  }, 0.7));
}

}  // namespace assets
