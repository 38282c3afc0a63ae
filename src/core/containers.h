// The card containers of a deal: the two hands, the stock list and the face-up table.
#pragma once

#include <array>
#include <cstdint>

#include "core/card.h"

namespace vantorn::core {

// A hand of up to 12 cards. Cards occupy slots 1..count in the order they arrived;
// the slots after the count are empty. Slots are numbered 1..12 at the interface.
class Hand {
 public:
  static constexpr int kSlots = 12;

  void clear();
  int count() const { return count_; }
  bool full() const { return count_ == kSlots; }
  // Slot 1..12; an empty slot for anything else.
  const CardSlot& slot(int i) const {
    static constexpr CardSlot kEmptySlot{};
    if (i < 1 || i > kSlots) return kEmptySlot;
    return slots_[static_cast<std::size_t>(i - 1)];
  }
  Card card(int i) const { return slot(i).card; }
  // Appends at count + 1; false (and nothing changes) when the hand is full.
  bool append(const CardSlot& s);
  // Removes the card in slot i and closes the gap; false for an empty or invalid slot.
  bool remove(int i);
  // First slot 1..12 holding the card, 0 when absent.
  int find(Card c) const;
  // Replaces the whole hand (a deal received from the peer); counts the leading cards.
  void assign(const std::array<CardSlot, kSlots>& slots);
  const std::array<CardSlot, kSlots>& slots() const { return slots_; }

 private:
  std::array<CardSlot, kSlots> slots_{};
  int count_ = 0;
};

// The face-down stock followed by the face-up pile in the order it was played.
// Slots 1..stockCount are the stock (slot 1 is taken next), the following slots up to
// nextFree - 1 are the pile, oldest first, its last card being the face-up card.
struct StockList {
  static constexpr int kSlots = 26;
  std::array<CardSlot, kSlots> slots{};
  int stockCount = 0;
  int nextFree = 1;

  const CardSlot& at(int i) const { return slots[static_cast<std::size_t>(i - 1)]; }
  CardSlot& at(int i) { return slots[static_cast<std::size_t>(i - 1)]; }
};

// What lies face up: the last card played (or turned up at the deal), the suit ordered
// by a joker ("#" when none) and how many cards the face-up pile holds.
struct TableState {
  CardSlot faceUp;
  Suit orderedSuit = kNoSuit;
  int tableCount = 0;
};

}  // namespace vantorn::core
