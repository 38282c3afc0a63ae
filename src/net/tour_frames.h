// Frames of the online-tournament table. Every frame a program sends is 20 bytes: the
// content, "#" padding, and the sender's seat digit replacing byte 20. The table server
// sends the other seat's frames as they came, its own 20-byte frames ("e", "a", "T", the
// answer to "connect"), and the 131-byte deal frame ("b", 26 card ids, 26 rank orders,
// 26 two-digit points). Everything here works on bytes; receivers never trust lengths or
// contents from the peer.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/card.h"

namespace vantorn::net {

inline constexpr std::size_t kTourFrameWidth = 20;
inline constexpr std::size_t kTourDealFrameSize = 1 + 26 * 2 + 26 + 26 * 2;  // 131
// A receiver holds at most this many unread bytes; more means the peer is not speaking the
// protocol.
inline constexpr std::size_t kTourReceiveLimit = 4096;
// The table server's own frames carry this in place of a seat digit.
inline constexpr char kServerSeatDigit = '0';

using TourDeck = std::array<core::CardSlot, 26>;

// content + "#" up to 20 bytes, byte 20 replaced by the seat digit (a content of 20 bytes or
// more keeps its length, and byte 20 is replaced all the same).
std::string makeTourFrame(std::string_view content, char seatDigit);

std::string makeTourDealFrame(const TourDeck& deck);
// nullopt unless the frame is exactly a deal frame of 26 valid cards with digit fields.
std::optional<TourDeck> parseTourDealFrame(std::string_view frame);

// Byte 20 of a 20-byte frame: the sender's seat (1 or 2), or 0 when it is neither.
int tourFrameSeat(std::string_view frame);
// The text of a chat frame: after "s", up to the first "#".
std::string tourChatText(std::string_view frame);
// "o" + A + B (each right-aligned to 5 characters): A and B, or nullopt when malformed.
std::optional<std::pair<int, int>> parseTourResult(std::string_view frame);
std::string makeTourResult(int a, int b, char seatDigit);
// "bnext" + first mover in the sender's numbering (1 or 2); nullopt when malformed.
std::optional<int> parseTourNext(std::string_view frame);

// What a frame from the table server means to the program, by its first byte.
enum class TourFrameKind {
    Chat,     // "s": a chat line of the other seat (tourChatText)
    Deal,     // "b": the 131-byte deal (parseTourDealFrame)
    Move,     // "h": a move of the other seat, as in the direct game
    GameOver, // "e": the game is over on the server
    Left,     // "a": the other seat left or its connection dropped
    TimeUp,   // "T": the other seat's move time ran out
    Other,    // anything else (the answer to "connect" among them): ignored
};
TourFrameKind tourFrameKind(std::string_view frame);

// A deal as one seat takes it: seat 1 holds cards 1-5 and its opponent 6-10, seat 2 the
// other way round; cards 11-26 are the stock list, card 26 the face-up card.
struct TourSeatDeal {
    std::array<core::CardSlot, 5> own, opponent;
    std::array<core::CardSlot, 16> stock;  // stock list slots 1..16
    core::CardSlot faceUp;
};
TourSeatDeal dealForSeat(const TourDeck& deck, int seat);

// Cuts a byte stream into frames. Frames from a program (TowardsServer) are all 20 bytes;
// frames from the table server (TowardsProgram) are 20 bytes except the 131-byte deal.
class TourReceiver {
public:
    enum class Direction { TowardsServer, TowardsProgram };
    explicit TourReceiver(Direction direction) : direction_(direction) {}

    // Appends received bytes; false (and the buffer dropped) when more than
    // kTourReceiveLimit bytes would be waiting.
    bool feed(std::string_view bytes);
    // The next whole frame, if one has arrived.
    std::optional<std::string> next();
    std::size_t pending() const { return buffer_.size() - read_; }

private:
    Direction direction_;
    std::string buffer_;
    std::size_t read_ = 0;
};

}  // namespace vantorn::net
