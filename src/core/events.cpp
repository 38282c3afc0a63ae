#include "core/events.h"

#include <algorithm>

namespace vantorn::core {

namespace {
struct SoundInfo {
  std::string_view name;
  bool waits;
};
// Indexed by Sound.
constexpr std::array<SoundInfo, 13> kSounds = {{
    {"WOpenFo", false},
    {"WDing_1", true},
    {"WHodsDo", true},
    {"WHodBer", true},
    {"WSays20", true},
    {"WSays40", true},
    {"WTasoKo", false},
    {"WToMenK", true},
    {"WKoBadX", true},
    {"WKoGutX", true},
    {"WKoGood", false},
    {"WKoBads", false},
    {"WWrongs", false},
}};
}  // namespace

std::string_view soundName(Sound s) { return kSounds[static_cast<std::size_t>(s)].name; }
bool soundWaits(Sound s) { return kSounds[static_cast<std::size_t>(s)].waits; }

std::string_view actionCaptionEnglish(ActionCaption c) {
  switch (c) {
    case ActionCaption::ToBegin: return "To Begin";
    case ActionCaption::ITake: return "I Take";
    case ActionCaption::Pass: return "Pass";
    case ActionCaption::NextRound: return "Next Round";
    case ActionCaption::SumUp: return "To sum up of game";
  }
  return {};
}

Message makeMessage(std::string_view head, std::string_view tail) {
  Message m;
  const std::size_t n = std::min(head.size() + tail.size(), m.bytes.size());
  std::size_t i = 0;
  for (char ch : head)
    if (i < n) m.bytes[i++] = ch;
  for (char ch : tail)
    if (i < n) m.bytes[i++] = ch;
  m.size = static_cast<std::uint8_t>(i);
  return m;
}

}  // namespace vantorn::core
