// The stream receiver: which messages each side knows, several in one read, messages in
// pieces, and what happens to input that is no message.
#include "net/direct_receiver.h"

#include <gtest/gtest.h>

#include <random>

#include "core/test_support.h"

namespace vantorn::net {
namespace {

using core::testing::C;

std::vector<std::string> names(const std::vector<DirectAction>& actions) {
  std::vector<std::string> out;
  for (const auto& a : actions) out.push_back(describe(a));
  return out;
}

std::vector<std::string> readOnce(DirectSide side, std::string_view bytes) {
  DirectReceiver r(side);
  return names(r.feed(bytes));
}

// A valid deal message: the deck in number order, the face-up card last.
std::string sampleDeal() {
  DealContent d;
  for (std::size_t i = 0; i < 5; ++i) {
    d.hand1[i] = core::CardSlot::of(core::deckCard(static_cast<int>(i) + 1, 1));
    d.hand2[i] = core::CardSlot::of(core::deckCard(static_cast<int>(i) + 6, 1));
  }
  for (std::size_t i = 0; i < 16; ++i)
    d.list[i] = core::CardSlot::of(core::deckCard(static_cast<int>(i) + 11, 1));
  d.faceUp = d.list[15];
  d.firstMover = 2;
  return makeDealMessage(d);
}

const std::string kQueenOfSpades = C("Pi3Q").bytes();

TEST(DirectReceiver, EachSideKnowsItsMessages) {
  struct Case {
    std::string bytes;
    std::vector<std::string> server, client;
  };
  const std::vector<Case> cases = {
      {"sHello", {"chat Hello"}, {"chat Hello"}},
      // Only the tournament's chat frames are cut at "#" (their padding); here it is text.
      {"s1#2", {"chat 1#2"}, {"chat 1#2"}},
      {"htake", {"take"}, {"take"}},
      {"hpass", {"pass"}, {"pass"}},
      {"hhod" + kQueenOfSpades + "#", {"play Pi3Q #"}, {"play Pi3Q #"}},
      {"hhodj3\xF7", {"play PoBlack h"}, {"play PoBlack h"}},
      {"hzakaz", {}, {"hzakaz"}},
      {"hvalet", {}, {"hvalet"}},
      {"hdama", {}, {"hdama"}},
      {"hkorol", {}, {"hkorol"}},
      {"hsitkon2", {}, {"hsitkon2"}},
      {"abort", {}, {}},
      {"qex0525connect1Carl", {"introduction Carl"}, {}},
      {"connect2Dora", {}, {"answer Dora"}},
      {sampleDeal(), {}, {"deal first 1 up PoBlack"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(readOnce(DirectSide::Server, c.bytes), c.server) << c.bytes;
    EXPECT_EQ(readOnce(DirectSide::Client, c.bytes), c.client) << c.bytes;
  }
}

TEST(DirectReceiver, SeveralMessagesInOneRead) {
  EXPECT_EQ(readOnce(DirectSide::Server, "htakehpass"), (std::vector<std::string>{"take", "pass"}));
  EXPECT_EQ(readOnce(DirectSide::Client, "hhod" + kQueenOfSpades + "#htake"),
            (std::vector<std::string>{"play Pi3Q #", "take"}));
  // A deal and the start message that followed it at once; "abort" is skipped.
  EXPECT_EQ(readOnce(DirectSide::Client, sampleDeal() + "abort" + "hzakaz"),
            (std::vector<std::string>{"deal first 1 up PoBlack", "hzakaz"}));
  // A name is at most 20 bytes: a padded name lets the next message through.
  EXPECT_EQ(readOnce(DirectSide::Client, makeAnswer("Eve") + sampleDeal()),
            (std::vector<std::string>{"answer Eve                 ", "deal first 1 up PoBlack"}));
  // A chat line ends with the read, but never runs past 15 bytes.
  EXPECT_EQ(readOnce(DirectSide::Client, "s0123456789abcdehtake"),
            (std::vector<std::string>{"chat 0123456789abcde", "take"}));
  EXPECT_EQ(readOnce(DirectSide::Client, "sHi htake"), (std::vector<std::string>{"chat Hi htake"}));
}

TEST(DirectReceiver, UnknownBeginningEndsTheRead) {
  DirectReceiver r(DirectSide::Server);
  // The game number "04" is not ours: nothing, and nothing after it in that read.
  EXPECT_TRUE(r.feed("qex0425connect1Carl").empty());
  EXPECT_EQ(names(r.feed("htakehfoohpass")), std::vector<std::string>{"take"});
  EXPECT_TRUE(r.feed("xhtake").empty());
  // The server does not know the client's messages.
  EXPECT_TRUE(r.feed("hsitkon2htake").empty());
  EXPECT_TRUE(r.feed(sampleDeal()).empty());
  EXPECT_TRUE(r.feed("aborthtake").empty());
  // A play must carry a real card and a suit char.
  EXPECT_TRUE(r.feed("hhod##" "#htake").empty());
  EXPECT_TRUE(r.feed("hhodj#" "#htake").empty());
  EXPECT_TRUE(r.feed("hhod" + kQueenOfSpades + "xhtake").empty());
  EXPECT_EQ(r.pending(), 0u);
  // The next read starts afresh.
  EXPECT_EQ(names(r.feed("hpass")), std::vector<std::string>{"pass"});

  DirectReceiver client(DirectSide::Client);
  EXPECT_TRUE(client.feed("qex0525connect1Carl").empty());
  // A deal whose first card id is broken is known as soon as that byte arrives.
  EXPECT_TRUE(client.feed("b#").empty());
  EXPECT_EQ(client.pending(), 0u);
}

// A stream of every fixed-length message the client knows, and of the server's.
std::string clientStream() {
  return sampleDeal() + "hzakaz" + "hhod" + kQueenOfSpades + "#" + "htake" + "hpass" + "hvalet" +
         "abort" + "hdama" + "hkorol" + "hsitkon2" + "hhodj1#" + makeAnswer("Fred") + "htake";
}
std::string serverStream() {
  return makeIntroduction("Gina") + "htake" + "hhod" + kQueenOfSpades + "#" + "hpass" +
         "hhod" "\xD2\xF7\xEF" + "htake";
}

// Where the names of the introduction and the answer lie in a stream: a name ends with its
// read, so these ranges are only ever delivered whole.
std::vector<std::pair<std::size_t, std::size_t>> nameRanges(std::string_view s) {
  std::vector<std::pair<std::size_t, std::size_t>> out;
  for (std::string_view head : {kIntroductionHead, kAnswerHead}) {
    const auto at = s.find(head);
    if (at != std::string_view::npos) out.emplace_back(at + head.size(), at + head.size() + kNameLimit);
  }
  return out;
}

TEST(DirectReceiver, MessagesSplitAnywhereReadTheSameAsInOneRead) {
  struct Stream {
    DirectSide side;
    std::string bytes;
    std::size_t messages;
  };
  for (const auto& [side, stream, messages] : {Stream{DirectSide::Client, clientStream(), 12},
                                               Stream{DirectSide::Server, serverStream(), 6}}) {
    const std::string_view s = stream;
    const auto whole = readOnce(side, s);
    ASSERT_EQ(whole.size(), messages);
    const auto ranges = nameRanges(s);
    for (std::size_t cut = 1; cut < s.size(); ++cut) {
      bool inName = false;
      for (auto [from, to] : ranges) inName = inName || (cut > from && cut < to);
      if (inName) continue;
      DirectReceiver r(side);
      auto got = names(r.feed(s.substr(0, cut)));
      for (auto& n : names(r.feed(s.substr(cut)))) got.push_back(n);
      EXPECT_EQ(got, whole) << "cut at " << cut;
    }
    // One byte a read, the names whole.
    DirectReceiver r(side);
    std::vector<std::string> got;
    for (std::size_t i = 0; i < s.size();) {
      std::size_t n = 1;
      for (auto [from, to] : ranges)
        if (i == from) n = to - from;
      for (auto& a : names(r.feed(s.substr(i, n)))) got.push_back(a);
      i += n;
    }
    EXPECT_EQ(got, whole);
    EXPECT_EQ(r.pending(), 0u);
  }
}

TEST(DirectReceiver, VariableMessagesWaitOnlyForTheirHead) {
  DirectReceiver r(DirectSide::Server);
  EXPECT_TRUE(r.feed("qex05").empty());
  EXPECT_TRUE(r.feed("25connect1").empty());
  EXPECT_EQ(names(r.feed("Hank")), std::vector<std::string>{"introduction Hank"});
  EXPECT_TRUE(r.feed("s").empty());
  EXPECT_EQ(r.pending(), 1u);
  EXPECT_EQ(names(r.feed("ok")), std::vector<std::string>{"chat ok"});
}

TEST(DirectReceiver, NeverKeepsMoreThanOneUnfinishedMessage) {
  std::mt19937 rng(7);
  DirectReceiver r(DirectSide::Client);
  std::size_t most = 0;
  for (int i = 0; i < 2000; ++i) {
    std::string chunk(rng() % 300, '\0');
    for (char& c : chunk) c = "bhsac\xC2\xF7j1#"[rng() % 10];
    r.feed(chunk);
    most = std::max(most, r.pending());
  }
  EXPECT_LT(most, kLongestDirectMessage);
  // A whole deal but its last byte waits; one megabyte of junk after it is dropped.
  const std::string deal = sampleDeal();
  DirectReceiver d(DirectSide::Client);
  EXPECT_TRUE(d.feed(deal.substr(0, 134)).empty());
  EXPECT_EQ(d.pending(), 134u);
  EXPECT_EQ(names(d.feed(deal.substr(134) + std::string(1 << 20, 'x'))),
            std::vector<std::string>{"deal first 1 up PoBlack"});
  EXPECT_EQ(d.pending(), 0u);
  EXPECT_EQ(d.dropped(), std::size_t{1} << 20);
}

}  // namespace
}  // namespace vantorn::net
