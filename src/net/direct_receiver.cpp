#include "net/direct_receiver.h"

#include <algorithm>
#include <array>

namespace vantorn::net {

namespace {

using Status = DirectHead::Status;

DirectHead complete(std::size_t length, std::optional<DirectAction> action = std::nullopt) {
  return DirectHead{Status::Complete, length, std::move(action)};
}
DirectHead incomplete() { return DirectHead{Status::Incomplete, 0, std::nullopt}; }
DirectHead unknown() { return DirectHead{Status::Unknown, 0, std::nullopt}; }

// `bytes` against a fixed token: Complete (the token is there), Incomplete (the bytes end
// inside it) or Unknown.
Status matchToken(std::string_view bytes, std::string_view token) {
  const std::size_t n = std::min(bytes.size(), token.size());
  if (bytes.substr(0, n) != token.substr(0, n)) return Status::Unknown;
  return bytes.size() >= token.size() ? Status::Complete : Status::Incomplete;
}

// A fixed head followed by a name that runs to the end of the read (at most kNameLimit
// bytes). A name is never empty, so a read that ends right after the head waits for more.
template <typename Message>
DirectHead headWithName(std::string_view bytes, std::string_view head) {
  if (matchToken(bytes, head) == Status::Unknown) return unknown();
  if (bytes.size() <= head.size()) return incomplete();
  const std::string_view name = bytes.substr(head.size(), kNameLimit);
  return complete(head.size() + name.size(), Message{std::string(name)});
}

DirectHead readChat(std::string_view bytes) {
  // The sender never sends an empty line: a lone "s" is the start of one.
  if (bytes.size() == 1) return incomplete();
  const std::string_view text = bytes.substr(1, kChatTextLimit);
  return complete(1 + text.size(), Chat{std::string(text)});
}

DirectHead readDeal(std::string_view bytes) {
  const std::string_view m = bytes.substr(0, kDealMessageSize);
  if (!dealPrefixPossible(m)) return unknown();
  if (m.size() < kDealMessageSize) return incomplete();
  auto deal = readDealMessage(m);
  if (!deal) return unknown();
  return complete(kDealMessageSize, DealMessage{*deal});
}

DirectHead readPlay(std::string_view bytes) {
  // "hhod", a card id of a real card, a suit letter or "#".
  const std::string_view m = bytes.substr(0, kPlaySize);
  if (!cardIdPrefixPossible(m.substr(4, 2))) return unknown();
  if (m.size() < kPlaySize) return incomplete();
  const core::Suit suit = m[6];
  if (suit != core::kNoSuit && !core::isSuitLetter(suit)) return unknown();
  return complete(kPlaySize, Play{*core::Card::fromBytes(m.substr(4, 2)), suit});
}

DirectHead readMove(DirectSide side, std::string_view bytes) {
  bool maybe = false;
  switch (matchToken(bytes, kPlayHead)) {
    case Status::Complete: return readPlay(bytes);
    case Status::Incomplete: maybe = true; break;
    case Status::Unknown: break;
  }
  for (auto [token, action] : {std::pair<std::string_view, DirectAction>{kTake, Take{}},
                               std::pair<std::string_view, DirectAction>{kPass, Pass{}}}) {
    const Status s = matchToken(bytes, token);
    if (s == Status::Complete) return complete(token.size(), action);
    maybe = maybe || s == Status::Incomplete;
  }
  if (side == DirectSide::Client) {
    for (core::PeerStart start : {core::PeerStart::OrderSuit, core::PeerStart::Jack,
                                  core::PeerStart::Queen, core::PeerStart::King,
                                  core::PeerStart::Begin}) {
      const std::string_view token = startToken(start);
      const Status s = matchToken(bytes, token);
      if (s == Status::Complete) return complete(token.size(), Start{start});
      maybe = maybe || s == Status::Incomplete;
    }
  }
  return maybe ? incomplete() : unknown();
}

}  // namespace

DirectHead readDirectHead(DirectSide side, std::string_view bytes) {
  if (bytes.empty()) return incomplete();
  const bool client = side == DirectSide::Client;
  switch (bytes[0]) {
    case 's':
      return readChat(bytes);
    case 'a':
      if (!client) return unknown();
      switch (matchToken(bytes, kAbort)) {
        case Status::Complete: return complete(kAbort.size());
        case Status::Incomplete: return incomplete();
        case Status::Unknown: return unknown();
      }
      return unknown();
    case 'q':
      return client ? unknown() : headWithName<Introduction>(bytes, kIntroductionHead);
    case 'c':
      return client ? headWithName<Answer>(bytes, kAnswerHead) : unknown();
    case 'b':
      return client ? readDeal(bytes) : unknown();
    case 'h':
      return readMove(side, bytes);
    default:
      return unknown();
  }
}

std::vector<DirectAction> DirectReceiver::feed(std::string_view in) {
  std::vector<DirectAction> out;
  if (!pending_.empty()) {
    // Finish the waiting message with the head of this read. A message is never longer
    // than kLongestDirectMessage, so that much of the read decides it.
    const std::size_t used = std::min(in.size(), kLongestDirectMessage - pending_.size());
    std::string joined = pending_;
    joined.append(in.substr(0, used));
    const DirectHead h = readDirectHead(side_, joined);
    if (h.status == Status::Complete && h.length > pending_.size()) {
      if (h.action) out.push_back(*h.action);
      in.remove_prefix(h.length - pending_.size());
      pending_.clear();
    } else if (h.status == Status::Incomplete && used == in.size()) {
      pending_ = std::move(joined);
      return out;
    } else {
      dropped_ += joined.size() + (in.size() - used);
      pending_.clear();
      return out;
    }
  }
  readAll(in, out);
  return out;
}

void DirectReceiver::readAll(std::string_view in, std::vector<DirectAction>& out) {
  while (!in.empty()) {
    DirectHead h = readDirectHead(side_, in);
    switch (h.status) {
      case Status::Complete:
        if (h.action) out.push_back(std::move(*h.action));
        in.remove_prefix(h.length);
        break;
      case Status::Incomplete:
        // Shorter than kLongestDirectMessage by construction of the readers.
        pending_.assign(in.substr(0, kLongestDirectMessage - 1));
        return;
      case Status::Unknown:
        dropped_ += in.size();
        return;
    }
  }
}

}  // namespace vantorn::net
