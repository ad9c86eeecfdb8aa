#pragma once

// The upright and reversed meaning of every card, by card number 0..77.
namespace TarotCardTexts {
const char* upright(int number);
const char* reversed(int number);
}  // namespace TarotCardTexts
