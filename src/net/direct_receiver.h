// The stream receiver of the direct game: cuts what a socket read delivers into messages.
//
// A read may hold several messages, or a part of one. Messages of a fixed length (the moves,
// the start messages, "abort", the 135-byte deal) that arrive in pieces are kept until they
// are complete; the introduction, the answer and the chat line have no length of their own
// and end where the read ends (at most kNameLimit name bytes, kChatTextLimit chat bytes, after
// which reading goes on with the next message). Between reads the receiver keeps at most one
// unfinished message, so it never holds more than kLongestDirectMessage - 1 bytes.
//
// A beginning that is no message the receiving side knows ends the read: it and everything
// after it in that read are dropped, and the next read starts afresh. Nothing is answered,
// nothing is reported to the user.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "net/direct_messages.h"

namespace vantorn::net {

// The program that receives. The server knows "s", the introduction, "hhod", "htake" and
// "hpass"; the client knows every message but the introduction.
enum class DirectSide : std::uint8_t { Server, Client };

// The message at the head of `bytes`, where `bytes` ends with the end of the read.
struct DirectHead {
  enum class Status : std::uint8_t {
    Complete,    // `length` bytes form a message; `action` is empty for "abort"
    Incomplete,  // the bytes may be the start of a message: wait for more
    Unknown,     // no message starts like this
  };
  Status status = Status::Unknown;
  std::size_t length = 0;
  std::optional<DirectAction> action;
};
DirectHead readDirectHead(DirectSide side, std::string_view bytes);

class DirectReceiver {
 public:
  explicit DirectReceiver(DirectSide side) : side_(side) {}

  // One socket read: the messages it completes, in order.
  std::vector<DirectAction> feed(std::string_view bytes);

  DirectSide side() const { return side_; }
  // Bytes of an unfinished message waiting for the next read.
  std::size_t pending() const { return pending_.size(); }
  // Bytes dropped so far because they began no known message.
  std::size_t dropped() const { return dropped_; }

 private:
  // Reads complete messages from `in` until it ends or a beginning is unknown.
  void readAll(std::string_view in, std::vector<DirectAction>& out);

  DirectSide side_;
  std::string pending_;
  std::size_t dropped_ = 0;
};

}  // namespace vantorn::net
