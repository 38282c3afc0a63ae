#include "net/tour_frames.h"

#include <gtest/gtest.h>

using namespace vantorn;
using namespace vantorn::net;

namespace {

TourDeck sampleDeck() {
    TourDeck deck;
    for (int i = 0; i < 26; ++i) deck[i] = core::CardSlot::of(core::deckCard(i + 1, 1));
    return deck;
}

}  // namespace

TEST(TourFrames, PaddingAndSeatDigit) {
    EXPECT_EQ(makeTourFrame("htake", '2'), "htake##############2");
    EXPECT_EQ(makeTourFrame("connect21", '2'), "connect21##########2");
    // A content of 20 bytes or more keeps its length; byte 20 is replaced all the same.
    EXPECT_EQ(makeTourFrame("abcdefghijklmnopqrstuv", '1'), "abcdefghijklmnopqrs1uv");
    EXPECT_EQ(tourFrameSeat("htake##############2"), 2);
    EXPECT_EQ(tourFrameSeat("htake##############x"), 0);
    EXPECT_EQ(tourFrameSeat("short"), 0);
    EXPECT_EQ(tourChatText(makeTourFrame("shi#there", '1')), "hi");
}

TEST(TourFrames, DealFrameRoundTripsAndRejectsDamage) {
    TourDeck deck = sampleDeck();
    std::string frame = makeTourDealFrame(deck);
    ASSERT_EQ(frame.size(), kTourDealFrameSize);
    EXPECT_EQ(frame.substr(1, 2), "9\xF7");       // nine of hearts
    EXPECT_EQ(frame.substr(51, 2), "j3");         // own joker of player 1
    EXPECT_EQ(frame.substr(53 + 24, 2), "00");    // jokers: rank order 0
    EXPECT_EQ(frame.substr(79, 2), "09");         // nine: 9 points
    auto parsed = parseTourDealFrame(frame);
    ASSERT_TRUE(parsed);
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ((*parsed)[i].card, deck[i].card);
        EXPECT_EQ((*parsed)[i].points, deck[i].points);
        EXPECT_EQ((*parsed)[i].rankOrder, deck[i].rankOrder);
    }
    std::string badCard = frame, badDigit = frame;
    badCard[1] = 'x';
    badDigit[100] = 'z';
    EXPECT_FALSE(parseTourDealFrame(badCard));
    EXPECT_FALSE(parseTourDealFrame(badDigit));
    EXPECT_FALSE(parseTourDealFrame(frame.substr(0, 130)));
}

TEST(TourFrames, ResultAndNextFrames) {
    std::string o = makeTourResult(35, -35, '1');
    EXPECT_EQ(o, "o   35  -35########1");
    EXPECT_EQ(parseTourResult(o), (std::pair{35, -35}));
    EXPECT_EQ(parseTourResult(makeTourResult(-315, 315, '1')), (std::pair{-315, 315}));
    EXPECT_FALSE(parseTourResult("o  3x5  -35########1"));
    EXPECT_FALSE(parseTourResult("o"));
    EXPECT_EQ(parseTourNext(makeTourFrame("bnext2", '1')), 2);
    EXPECT_FALSE(parseTourNext(makeTourFrame("bnext3", '1')));
    EXPECT_FALSE(parseTourNext("bnext"));
}

TEST(TourReceiver, ReassemblesPiecesAndSeparatesDealFrames) {
    TourReceiver r(TourReceiver::Direction::TowardsProgram);
    std::string deal = makeTourDealFrame(sampleDeck());
    std::string stream = makeTourFrame("connect1ok", '0') + deal + makeTourFrame("hpass", '2') +
                         makeTourFrame("bnext1", '2');
    // Byte by byte: frames come out whole, in order, the deal as one 131-byte frame.
    std::vector<std::string> frames;
    for (char c : stream) {
        ASSERT_TRUE(r.feed(std::string_view(&c, 1)));
        while (auto f = r.next()) frames.push_back(*f);
    }
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[1], deal);
    EXPECT_EQ(frames[2].substr(0, 5), "hpass");
    EXPECT_EQ(frames[3].substr(0, 6), "bnext1");
    EXPECT_EQ(r.pending(), 0u);

    TourReceiver toServer(TourReceiver::Direction::TowardsServer);
    ASSERT_TRUE(toServer.feed(std::string(19, 'b')));
    EXPECT_FALSE(toServer.next());
    ASSERT_TRUE(toServer.feed("b"));
    EXPECT_EQ(toServer.next()->size(), kTourFrameWidth);
}

TEST(TourReceiver, RefusesAFloodBeyondItsLimit) {
    TourReceiver r(TourReceiver::Direction::TowardsServer);
    EXPECT_TRUE(r.feed(std::string(kTourReceiveLimit - 1, 'x')));
    EXPECT_FALSE(r.feed("xx"));
    EXPECT_EQ(r.pending(), 0u);
    EXPECT_TRUE(r.feed("s"));
}

TEST(TourFrames, KindsAndTheSeatsViewOfADeal) {
    TourDeck deck = sampleDeck();
    struct Case {
        std::string frame;
        TourFrameKind kind;
    } cases[] = {
        {makeTourFrame("shi", '2'), TourFrameKind::Chat},       {makeTourDealFrame(deck), TourFrameKind::Deal},
        {makeTourFrame("htake", '2'), TourFrameKind::Move},     {makeTourFrame("e", '0'), TourFrameKind::GameOver},
        {makeTourFrame("a", '0'), TourFrameKind::Left},         {makeTourFrame("T", '0'), TourFrameKind::TimeUp},
        {makeTourFrame("connect1ok", '0'), TourFrameKind::Other}, {makeTourFrame("bnext1", '1'), TourFrameKind::Other},
        {"", TourFrameKind::Other},
    };
    for (const auto& c : cases) EXPECT_EQ(tourFrameKind(c.frame), c.kind) << c.frame;

    auto one = dealForSeat(deck, 1), two = dealForSeat(deck, 2);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(one.own[i].card, deck[i].card);
        EXPECT_EQ(one.opponent[i].card, deck[5 + i].card);
        EXPECT_EQ(two.own[i].card, deck[5 + i].card);
        EXPECT_EQ(two.opponent[i].card, deck[i].card);
    }
    EXPECT_EQ(one.stock[0].card, deck[10].card);
    EXPECT_EQ(one.stock[15].card, deck[25].card);
    EXPECT_EQ(two.faceUp.card, deck[25].card);
    EXPECT_EQ(two.faceUp.points, deck[25].points);
}
