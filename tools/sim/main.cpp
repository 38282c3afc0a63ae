// vantorn-sim: plays whole games computer against computer and prints their trace.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "simulator.h"

namespace {

constexpr const char* kUsage =
    "usage: vantorn-sim [--games N] [--perms FILE] [--queue] [--seed S] [--trace]\n";

int usage(const std::string& why) {
  std::cerr << "vantorn-sim: " << why << "\n" << kUsage;
  return 2;
}

bool parseNumber(std::string_view s, long long min, long long& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const std::string str(s);
  const long long v = std::strtoll(str.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || v < min) return false;
  out = v;
  return true;
}

// Trace output goes through one large buffer: a thousand games are a few megabytes.
class Output {
 public:
  ~Output() { flush(); }
  void line(std::string_view s) {
    buf_.append(s);
    buf_.push_back('\n');
    if (buf_.size() > (1u << 20)) flush();
  }
  void flush() {
    if (!buf_.empty()) std::fwrite(buf_.data(), 1, buf_.size(), stdout);
    std::fflush(stdout);
    buf_.clear();
  }

 private:
  std::string buf_;
};

}  // namespace

int main(int argc, char** argv) {
  vantorn::sim::Options options;
  std::string permsPath;
  bool haveSeed = false;
  unsigned long long seed = 0;

  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    auto value = [&](std::string_view& v) {
      if (i + 1 >= argc) return false;
      v = argv[++i];
      return true;
    };
    std::string_view v;
    long long n = 0;
    if (a == "--games") {
      if (!value(v) || !parseNumber(v, 0, n)) return usage("--games needs a count");
      options.games = n;
    } else if (a == "--perms") {
      if (!value(v) || v.empty()) return usage("--perms needs a file");
      permsPath = std::string(v);
    } else if (a == "--queue") {
      options.queue = true;
    } else if (a == "--seed") {
      if (!value(v) || !parseNumber(v, 0, n)) return usage("--seed needs a number");
      seed = static_cast<unsigned long long>(n);
      haveSeed = true;
    } else if (a == "--trace") {
      options.trace = true;
    } else {
      return usage("unknown argument " + std::string(a));
    }
  }

  vantorn::sim::PermutationSource source;
  std::optional<vantorn::sim::PermutationFile> file;
  std::optional<vantorn::sim::RandomPermutations> random;
  if (!permsPath.empty()) {
    std::ifstream in(permsPath, std::ios::binary);
    if (!in) {
      std::cerr << "vantorn-sim: cannot read " << permsPath << "\n";
      return 2;
    }
    std::ostringstream text;
    text << in.rdbuf();
    file.emplace(text.str());
    source = [&](std::string& error) { return file->next(error); };
  } else {
    if (!haveSeed)
      seed = static_cast<unsigned long long>(
          std::chrono::system_clock::now().time_since_epoch().count());
    random.emplace(seed);
    source = [&](std::string&) { return std::optional(random->next()); };
  }

  Output out;
  vantorn::sim::TraceSink sink;
  if (options.trace) sink = [&](std::string_view line) { out.line(line); };
  vantorn::sim::Summary summary;
  std::string error;
  if (!vantorn::sim::run(options, source, sink, summary, error)) {
    out.flush();
    std::cerr << "vantorn-sim: " << (permsPath.empty() ? "" : permsPath + ": ") << error << "\n";
    return 2;
  }
  out.line(vantorn::sim::summaryLine(summary));
  return 0;
}
