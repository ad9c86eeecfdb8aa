#include "tarot_numerology/TarotNumerologyState.h"

#include "platform/ProgramState.h"
#include "platform/VbString.h"
#include "tarot_numerology/TarotNumerologyNumbers.h"
#include "tarot_numerology/TarotNumerologyTables.h"

using platform::vb::Trim;

void TarotNumerologyState::beginReading(const QString& name, const QString& day,
                                        const QString& month, const QString& year) {
  TNName = Trim(name);
  TNBirthDay = Trim(day);
  TNBirthMonth = Trim(month);
  TNBirthYear = Trim(year);
  TNBirthDate = TNBirthDay + QLatin1Char(' ') + TNBirthMonth + QLatin1Char(' ') + TNBirthYear;
  TNLifePath = TarotNumerologyNumbers::Life_Path_Number(TNBirthDay, TNBirthMonth, TNBirthYear);
  TNDestiny = TarotNumerologyNumbers::Destiny_Number(TNName);
}

bool TarotNumerologyState::pointPageAt(Page page, qint16 n) {
  const TarotNumerologyTables::NumberRow* row = TarotNumerologyTables::numberRow(n);
  if (!row) return false;
  const qint16 count = qint16(row->cardCount);
  if (page == Page::LifePath) {
    LifePathPageNumber = n;
    LifePathCardCount = count;
    LifePathFirstCardPending = true;
  } else {
    DestinyPageNumber = n;
    DestinyCardCount = count;
    DestinyFirstCardPending = true;
  }
  return true;
}

bool TarotNumerologyState::loadCardsForNumber(qint16 n) {
  const std::vector<TarotNumerologyTables::SetCard> set = TarotNumerologyTables::cardSet(n);
  if (set.empty()) return false;
  // Bounds 0 to count: the cards, then one spare empty element.
  std::vector<QString> names(set.size() + 1), descriptions(set.size() + 1),
      keywords(set.size() + 1);
  for (std::size_t k = 0; k < set.size(); ++k) {
    names[k] = set[k].name;
    descriptions[k] = set[k].description;
    keywords[k] = set[k].keywords;
  }
  CardNames = std::move(names);
  CardDescriptions = std::move(descriptions);
  CardKeywords = std::move(keywords);
  return true;
}

bool TarotNumerologyState::takePendingFirstCard(Page page) {
  bool& flag = page == Page::LifePath ? LifePathFirstCardPending : DestinyFirstCardPending;
  const bool was = flag;
  flag = false;
  return was;
}

void TarotNumerologyState::resetCardIndexes() {
  LifePathCardIndex = 1;
  DestinyCardIndex = 1;
}

TarotNumerologyState::Step TarotNumerologyState::next(Page page) {
  qint16& index = page == Page::LifePath ? LifePathCardIndex : DestinyCardIndex;
  const qint16 count = cardCount(page);
  Step s;
  if (index == count) {
    s.kind = Step::LastRecord;
  } else if (index < count) {
    s.kind = Step::ShowCard;
    s.card = index;  // the card after the one on show
    ++index;
  }
  return s;
}

TarotNumerologyState::Step TarotNumerologyState::back(Page page) {
  qint16& index = page == Page::LifePath ? LifePathCardIndex : DestinyCardIndex;
  Step s;
  --index;
  if (index < 1) {
    index = 1;
    s.kind = Step::FirstRecord;
  } else {
    s.kind = Step::ShowCard;
    s.card = index - 1;  // the card before the one that was on show
  }
  return s;
}

qint16 TarotNumerologyState::pageNumber(Page page) const {
  return page == Page::LifePath ? LifePathPageNumber : DestinyPageNumber;
}
qint16 TarotNumerologyState::cardCount(Page page) const {
  return page == Page::LifePath ? LifePathCardCount : DestinyCardCount;
}
qint16 TarotNumerologyState::cardIndex(Page page) const {
  return page == Page::LifePath ? LifePathCardIndex : DestinyCardIndex;
}

TarotNumerologyState& tnState() {
  static TarotNumerologyState s;
  static const bool registered =
      platform::registerStateReset([] { tnState() = TarotNumerologyState(); });
  (void)registered;
  return s;
}
