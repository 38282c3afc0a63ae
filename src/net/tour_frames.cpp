#include "tour_frames.h"

#include <charconv>

namespace vantorn::net {

namespace {

bool allDigits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// A number right-aligned with spaces in a field: optional blanks, optional "-", digits.
std::optional<int> paddedNumber(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    std::string_view digits = field.substr(i);
    if (digits.empty()) return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string makeTourFrame(std::string_view content, char seatDigit) {
    std::string frame(content);
    if (frame.size() < kTourFrameWidth) frame.resize(kTourFrameWidth, '#');
    frame[kTourFrameWidth - 1] = seatDigit;
    return frame;
}

std::string makeTourDealFrame(const TourDeck& deck) {
    std::string frame = "b";
    frame.reserve(kTourDealFrameSize);
    for (const auto& slot : deck) frame += slot.card.bytes();
    for (const auto& slot : deck) frame.push_back(static_cast<char>('0' + slot.rankOrder % 10));
    for (const auto& slot : deck) {
        frame.push_back(static_cast<char>('0' + slot.points / 10 % 10));
        frame.push_back(static_cast<char>('0' + slot.points % 10));
    }
    return frame;
}

std::optional<TourDeck> parseTourDealFrame(std::string_view frame) {
    if (frame.size() != kTourDealFrameSize || frame[0] != 'b') return std::nullopt;
    std::string_view orders = frame.substr(53, 26), points = frame.substr(79, 52);
    if (!allDigits(orders) || !allDigits(points)) return std::nullopt;
    TourDeck deck;
    for (std::size_t i = 0; i < 26; ++i) {
        auto card = core::Card::fromBytes(frame.substr(1 + 2 * i, 2));
        if (!card || card->isEmpty() || *card == core::Card::anyJoker()) return std::nullopt;
        deck[i].card = *card;
        deck[i].rankOrder = static_cast<uint8_t>(orders[i] - '0');
        deck[i].points = static_cast<uint8_t>((points[2 * i] - '0') * 10 + (points[2 * i + 1] - '0'));
    }
    return deck;
}

int tourFrameSeat(std::string_view frame) {
    if (frame.size() < kTourFrameWidth) return 0;
    char d = frame[kTourFrameWidth - 1];
    return d == '1' ? 1 : d == '2' ? 2 : 0;
}

std::string tourChatText(std::string_view frame) {
    if (frame.empty() || frame[0] != 's') return {};
    std::string_view text = frame.substr(1);
    return std::string(text.substr(0, text.find('#')));
}

std::optional<std::pair<int, int>> parseTourResult(std::string_view frame) {
    if (frame.size() < 11 || frame[0] != 'o') return std::nullopt;
    auto a = paddedNumber(frame.substr(1, 5));
    auto b = paddedNumber(frame.substr(6, 5));
    if (!a || !b) return std::nullopt;
    return std::pair{*a, *b};
}

std::string makeTourResult(int a, int b, char seatDigit) {
    auto field = [](int v) {
        std::string s = std::to_string(v);
        return std::string(s.size() < 5 ? 5 - s.size() : 0, ' ') + s;
    };
    return makeTourFrame("o" + field(a) + field(b), seatDigit);
}

std::optional<int> parseTourNext(std::string_view frame) {
    constexpr std::string_view head = "bnext";
    if (frame.substr(0, head.size()) != head || frame.size() <= head.size()) return std::nullopt;
    char d = frame[head.size()];
    if (d != '1' && d != '2') return std::nullopt;
    return d - '0';
}

TourFrameKind tourFrameKind(std::string_view frame) {
    if (frame.empty()) return TourFrameKind::Other;
    switch (frame[0]) {
        case 's': return TourFrameKind::Chat;
        case 'b': return frame.size() == kTourDealFrameSize ? TourFrameKind::Deal : TourFrameKind::Other;
        case 'h': return TourFrameKind::Move;
        case 'e': return TourFrameKind::GameOver;
        case 'a': return TourFrameKind::Left;
        case 'T': return TourFrameKind::TimeUp;
        default: return TourFrameKind::Other;
    }
}

TourSeatDeal dealForSeat(const TourDeck& deck, int seat) {
    TourSeatDeal d;
    const int ownFirst = seat == 2 ? 5 : 0, opponentFirst = seat == 2 ? 0 : 5;
    for (int i = 0; i < 5; ++i) {
        d.own[i] = deck[ownFirst + i];
        d.opponent[i] = deck[opponentFirst + i];
    }
    for (int i = 0; i < 16; ++i) d.stock[i] = deck[10 + i];
    d.faceUp = deck[25];
    return d;
}

bool TourReceiver::feed(std::string_view bytes) {
    if (pending() + bytes.size() > kTourReceiveLimit) {
        buffer_.clear();
        read_ = 0;
        return false;
    }
    if (read_ > 0) {
        buffer_.erase(0, read_);
        read_ = 0;
    }
    buffer_.append(bytes);
    return true;
}

std::optional<std::string> TourReceiver::next() {
    std::size_t available = pending();
    if (available == 0) return std::nullopt;
    std::size_t size = kTourFrameWidth;
    // A deal frame starts with "b" but "bnext" is a 20-byte frame of its own.
    if (direction_ == Direction::TowardsProgram && buffer_[read_] == 'b' &&
        std::string_view(buffer_).substr(read_, 5) != "bnext")
        size = kTourDealFrameSize;
    if (available < size) return std::nullopt;
    std::string frame = buffer_.substr(read_, size);
    read_ += size;
    return frame;
}

}  // namespace vantorn::net
