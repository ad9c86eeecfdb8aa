#include "tarot/TarotReadingState.h"

TarotReadingState& tarotState() {
  static TarotReadingState state;
  return state;
}
