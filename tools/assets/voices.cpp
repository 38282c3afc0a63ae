// QexCVoice3.dll: every card's name spoken in the ten languages by espeak-ng.
#include "generators.h"
#include "wav.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace assets {

void makeVoices(Sink& sink, const QString& workDir) {
  QDir().mkpath(workDir);
  static const char* const suits[4] = {"Ch", "Bu", "Kr", "Pi"};
  static const char* const ranks[6] = {"09", "10", "2J", "3Q", "4K", "5A"};
  static const char* const jokers[3] = {"XJBl", "XJRd", "XJBk"};
  struct Job { QString name, voice, text; };
  std::vector<Job> jobs;
  for (const QString& line : sourceData("voices.txt").split('\n')) {
    if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
    const QStringList f = line.split('|');
    if (f.size() != 16) {
      std::fprintf(stderr, "assetgen: bad line in voices.txt: %s\n", qPrintable(line));
      continue;
    }
    const QString lang = f[0], voice = f[1], pattern = f[2];
    for (int s = 0; s < 4; ++s)
      for (int r = 0; r < 6; ++r) {
        QString text = pattern;
        text.replace("{r}", f[3 + r]).replace("{s}", f[9 + s]);
        jobs.push_back({QString(suits[s]) + ranks[r] + "Voice" + lang, voice, text});
      }
    for (int j = 0; j < 3; ++j) jobs.push_back({QString(jokers[j]) + "Voice" + lang, voice, f[13 + j]});
  }
  // A few speakers at a time; each writes its own file.
  constexpr int kParallel = 4;
  for (size_t i = 0; i < jobs.size(); i += kParallel) {
    std::vector<std::unique_ptr<QProcess>> procs;
    for (size_t k = i; k < std::min(jobs.size(), i + kParallel); ++k) {
      auto p = std::make_unique<QProcess>();
      p->start("espeak-ng", {"-v", jobs[k].voice, "-s", "150", "-w", workDir + "/" + jobs[k].name + ".wav", jobs[k].text});
      procs.push_back(std::move(p));
    }
    for (size_t k = 0; k < procs.size(); ++k) {
      procs[k]->waitForFinished(30000);
      QFile f(workDir + "/" + jobs[i + k].name + ".wav");
      QByteArray wav;
      if (procs[k]->exitCode() == 0 && f.open(QIODevice::ReadOnly)) wav = f.readAll();
      if (wav.size() < 100) {
        // Recorded as a fault of the sink, so the pack's build fails.
        std::fprintf(stderr, "assetgen: espeak-ng failed for %s\n", qPrintable(jobs[i + k].name));
        sink.fail();
        continue;
      }
      // Trim the silence espeak leaves at the end, so a spoken card never delays the next.
      int rate = kRate;
      std::vector<float> s = readWav(wav, &rate);
      while (s.size() > size_t(rate / 10) && std::fabs(s.back()) < 0.01f) s.pop_back();
      sink.wav(jobs[i + k].name, wavFile(s, rate));
    }
  }
}

}  // namespace assets
