// The tarot cards of each Life Path and Destiny number. A Major Arcana card
// of a set is the card of the mode's 78-card deck of the same name, whose
// keyword line and description it shows (so the number pages and the
// Numerology Spread read one text of each card); a Minor Arcana group stands
// for one card of the deck, whose picture and keyword line it takes, and has
// a description of its own.
#include <QString>

#include "tarot_numerology/NumerologySpreadCards.h"
#include "tarot_numerology/TarotNumerologyTables.h"

namespace TarotNumerologyTables {
namespace {

struct Card {
  const char* name;
  int deckCard;  // the card of the 78-card deck (0 The Fool .. 77 King of Pentacles)
  // A Minor Arcana group's own description; none for a Major Arcana card,
  // which has the deck's.
  QString (*description)();
};

// Descriptions of the Minor Arcana groups.
QString aces() {
  return QStringLiteral(
      "The ace of cards represents clarity, purity and dignity. It is the seed of every suit, "
      "the first pure spark of its energy, and here it speaks of an overflowing heart: new "
      "love, a fresh emotional start, creativity and the joy of giving. Open yourself to what "
      "is being offered.");
}
QString knights() {
  return QStringLiteral(
      "The character of the Princess is absolutely gracious. She is gentle, imaginative and "
      "sensitive, bringing messages of feeling: an invitation, good news in love or a spark of "
      "creative inspiration. She asks you to stay open to your feelings and to serve others "
      "with kindness and good taste.");
}
QString queens() {
  return QStringLiteral(
      "The queen card signifies dignity and aristocracy. You are ambitious, yet your strength "
      "lies in understanding: the queen is caring, intuitive and emotionally mature, able to "
      "listen and to comfort. Trust your feelings and your wisdom, and lead through empathy "
      "rather than command.");
}
QString kings() {
  return QStringLiteral(
      "The card of the king denotes leadership. It reflects you as a mature and balanced "
      "person who governs feelings with wisdom, stays calm in a crisis and treats others with "
      "diplomacy and loyalty. Others seek your counsel; use your authority with kindness and "
      "fairness.");
}
QString fives() {
  return QStringLiteral(
      "Five is known as the 'Card of Defeat'. This is a time when loss or disappointment may "
      "fill your thoughts, and you may dwell on what has been spilled. Yet not everything is "
      "gone: turn around and see what remains. Grieve, learn, and then let hope return.");
}
QString sixes() {
  return QStringLiteral(
      "This is the card of 'Science' with Mercury as its ruler, and it speaks of knowledge "
      "turned into success. Giving and receiving are in balance: help may come to you, or you "
      "may be in a position to help others. Share generously and fairly, and good news and "
      "prosperity will follow.");
}
QString sevens() {
  return QStringLiteral(
      "Seven is the 'Card of Futility and Failure'. Your energy may be spent in the wrong "
      "place, or someone may not be acting openly. Be careful whom you trust, protect what is "
      "yours and avoid shortcuts that depend on cunning; a clear and honest plan will serve "
      "you better.");
}
QString eights() {
  return QStringLiteral(
      "The card of eight indicates that you are passing through a period of swift movement. "
      "Things long stuck begin to move, news arrives quickly and your plans gain speed. Act "
      "while the energy is with you, travel if you must, and keep your aim steady.");
}
QString nines() {
  return QStringLiteral(
      "Nine is the card of Strength. It denotes change as well as fulfilment: the wish card of "
      "the deck, promising comfort, contentment and the satisfaction of goals reached. Enjoy "
      "your well-earned pleasures and be grateful for them, without letting comfort turn into "
      "complacency.");
}

const Card kSet1[] = {
    {"The Magician - Major Arcana", 1, nullptr},
    {"The Sun - Major Arcana", 19, nullptr},
    {"Wheel of Fortune - Major Arcana", 10, nullptr},
    {"The Aces - Minor Arcana", 36, aces},
};
const Card kHighPriestess = {"The High Priestess - Major Arcana", 2, nullptr};
const Card kSet2[] = {
    {"Judgement - Major Arcana", 20, nullptr},
    kHighPriestess,
    {"The Knights - Minor Arcana", 46, knights},
};
const Card kSet3[] = {
    {"The Empress - Major Arcana", 3, nullptr},
    {"The Hanged Man - Major Arcana", 12, nullptr},
    {"The World - Major Arcana", 21, nullptr},
    {"The Queens - Minor Arcana", 48, queens},
};
const Card kSet4[] = {
    {"Death - Major Arcana", 13, nullptr},
    {"The Emperor - Major Arcana", 4, nullptr},
    {"The Kings - Minor Arcana", 49, kings},
};
const Card kSet5[] = {
    {"Temperance - Major Arcana", 14, nullptr},
    kHighPriestess,
    {"The Fives - Minor Arcana", 40, fives},
};
const Card kSet6[] = {
    {"The Devil - Major Arcana", 15, nullptr},
    {"The Lovers - Major Arcana", 6, nullptr},
    {"The Sixs - Minor Arcana", 69, sixes},
};
const Card kSet7[] = {
    {"The Chariot - Major Arcana", 7, nullptr},
    {"The Tower - Major Arcana", 16, nullptr},
    {"The Sevens - Minor Arcana", 56, sevens},
};
const Card kSet8[] = {
    {"Strength - Major Arcana", 11, nullptr},
    {"The Star - Major Arcana", 17, nullptr},
    {"The Eights - Minor Arcana", 29, eights},
};
const Card kSet9[] = {
    {"The Hermit - Major Arcana", 9, nullptr},
    {"The Moon - Major Arcana", 18, nullptr},
    {"The Nines - Minor Arcana", 44, nines},
};
const Card kSet11[] = {
    {"Justice - Major Arcana", 8, nullptr},
};
const Card kSet22[] = {
    {"The Fool - Major Arcana", 0, nullptr},
};

template <std::size_t N>
std::vector<SetCard> build(const Card (&cards)[N]) {
  std::vector<SetCard> out;
  out.reserve(N);
  for (const Card& c : cards)
    out.push_back(SetCard{QString::fromLatin1(c.name),
                          c.description ? c.description() : NSCardTable::description(c.deckCard),
                          NSCardTable::keywords(c.deckCard), c.deckCard});
  return out;
}

}  // namespace

std::vector<SetCard> cardSet(int n) {
  switch (n) {
    case 1: return build(kSet1);
    case 2: return build(kSet2);
    case 3: return build(kSet3);
    case 4: return build(kSet4);
    case 5: return build(kSet5);
    case 6: return build(kSet6);
    case 7: return build(kSet7);
    case 8: return build(kSet8);
    case 9: return build(kSet9);
    case 11: return build(kSet11);
    case 22: return build(kSet22);
    default: return {};
  }
}

}  // namespace TarotNumerologyTables
