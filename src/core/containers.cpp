#include "core/containers.h"

namespace vantorn::core {

void Hand::clear() {
  slots_.fill(CardSlot{});
  count_ = 0;
}

bool Hand::append(const CardSlot& s) {
  if (full() || s.isEmpty()) return false;
  slots_[static_cast<std::size_t>(count_)] = s;
  ++count_;
  return true;
}

bool Hand::remove(int i) {
  if (i < 1 || i > count_) return false;
  for (int k = i; k < kSlots; ++k) slots_[static_cast<std::size_t>(k - 1)] = slots_[static_cast<std::size_t>(k)];
  slots_[kSlots - 1] = CardSlot{};
  --count_;
  return true;
}

int Hand::find(Card c) const {
  for (int i = 0; i < kSlots; ++i)
    if (slots_[static_cast<std::size_t>(i)].card == c) return i + 1;
  return 0;
}

void Hand::assign(const std::array<CardSlot, kSlots>& slots) {
  clear();
  for (const CardSlot& s : slots)
    if (!s.isEmpty()) append(s);
}

}  // namespace vantorn::core
