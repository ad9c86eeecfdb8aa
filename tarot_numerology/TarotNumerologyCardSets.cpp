// The tarot cards of each Life Path and Destiny number. A Major Arcana card
// of a set has one description wherever it appears (the High Priestess
// belongs to 2 and 5); a Minor Arcana group stands for one card of the deck,
// whose picture and keyword line it takes, and has a description of its own.
#include <QString>

#include "tarot_numerology/TarotNumerologyTables.h"

namespace TarotNumerologyTables {
namespace {

struct Card {
  const char* name;
  const char* keywords;
  int deckCard;  // the card of the 78-card deck (0 The Fool .. 77 King of Pentacles)
  QString (*description)();
};

// Descriptions of the Major Arcana cards of the sets.
QString magician() {
  return QStringLiteral(
      "This card signifies a strong personality with willpower, skill and the means to turn "
      "ideas into results. Everything you need is already on your table; what counts now is "
      "that you use it with purpose. Communicate clearly, trust your abilities and act, for "
      "this is a time when your efforts can shape events.");
}
QString sun() {
  return QStringLiteral(
      "You are enthusiastic and passionate about your work. Your hard work is noticed and "
      "brings success, recognition and a sense of well-being. This is a bright and happy card "
      "of vitality, good health and warm relationships; enjoy it, share your joy and let "
      "your confidence encourage the people around you.");
}
QString wheelOfFortune() {
  return QStringLiteral(
      "You may have some special gains. Your destiny may be turning in your favour, bringing "
      "unexpected chances and a change of circumstances. Life moves in cycles: what rises "
      "will fall and rise again. Seize the opportunity while the wheel is with you, and stay "
      "steady when it turns.");
}
QString judgement() {
  return QStringLiteral(
      "You hard work reaps all the rewards. Do not be afraid to look back honestly on the "
      "past, to forgive and to be forgiven; a new stage of life is calling you. This card "
      "speaks of awakening, important decisions and a fresh start, as if you were hearing a "
      "call to become who you really are.");
}
QString highPriestess() {
  return QStringLiteral(
      "Your intuition will play a very important part in your decisions now. Not everything "
      "is visible yet: keep quiet, observe and listen to your inner voice rather than to "
      "loud opinions. Hidden knowledge, dreams and secrets may come to light, and patience "
      "will show you the right moment to act.");
}
QString empress() {
  return QStringLiteral(
      "Execution of your decisions are in you own hands now. This is a fertile and abundant "
      "time: ideas grow, projects bear fruit and relationships are warm and caring. Enjoy "
      "comfort and beauty, look after your body and your home, and let your creativity and "
      "generosity nourish the people you love.");
}
QString hangedMan() {
  return QStringLiteral(
      "You need to rise above this material world. There is a pause in your affairs that you "
      "cannot force; accept it and use it to see things from a new angle. Letting go of "
      "control, or making a small sacrifice now, can bring insight and a better result later.");
}
QString world() {
  return QStringLiteral(
      "Trust people who mean well. Look at both sides of every question before you decide. A "
      "cycle of your life is coming to a happy completion, and you may enjoy reward, "
      "recognition and a feeling of wholeness. Travel or wider horizons may open before you, "
      "ready for the next beginning.");
}
QString death() {
  return QStringLiteral(
      "This is the beginning of a new life. You have reached the end of one chapter, and "
      "holding on to it will only delay what must come. The card rarely means a physical "
      "death; it speaks of transformation, of clearing away the old so that something new "
      "and healthier can grow in its place.");
}
QString emperor() {
  return QStringLiteral(
      "This is the time to organize yourself and plan your next moves with care. Structure, "
      "discipline and clear rules will serve you well. You may take on authority or meet a "
      "protective, fatherly figure. Be firm and fair, rely on reason rather than emotion, and "
      "build a solid base for what you want to achieve.");
}
QString temperance() {
  return QStringLiteral(
      "Do not force people to accept your views immediately. Give them time, find the middle "
      "way and blend opposite ideas into something that works. This card asks for patience, "
      "moderation and balance in your habits, your feelings and your dealings with others; "
      "healing comes through calm and measured steps.");
}
QString devil() {
  return QStringLiteral(
      "Your dark side may be trying to take over your better judgement. Look honestly at what "
      "binds you: a habit, a desire, fear or an unhealthy tie. The chains are often looser "
      "than they seem, and naming them is the first step to freedom. Do not let material "
      "concerns or temptation rule your choices.");
}
QString lovers() {
  return QStringLiteral(
      "This is the time to understand and give a meaning to your closest relationships. A "
      "meaningful choice lies ahead, in love or in values, and it should come from the heart "
      "as well as from the head. The card speaks of harmony, attraction and partnership, and "
      "of being true to yourself in the bond you choose.");
}
QString chariot() {
  return QStringLiteral(
      "You may see success soon. Have a positive outlook towards the challenges before you and "
      "keep firm control of opposing forces, within you and around you. Determination, focus "
      "and self-discipline will carry you forward; this is a card of victory won through "
      "effort, and sometimes of a journey.");
}
QString tower() {
  return QStringLiteral(
      "There may be a sudden change or disruption in your plans or beliefs. Something built "
      "on weak ground may fall, and though the shock is unwelcome it clears the way for the "
      "truth. Do not cling to what is breaking; after the storm you can rebuild on firmer and "
      "more honest foundations.");
}
QString strength() {
  return QStringLiteral(
      "You have the courage, determination and will power to achieve what you set out to do. "
      "Your strength is gentle rather than forceful: patience, compassion and self-control "
      "will tame difficulties that force could not. Believe in yourself and meet challenges "
      "calmly, and others will trust your quiet confidence.");
}
QString star() {
  return QStringLiteral(
      "This is a very positive card and signifies hope, inspiration, healing and renewed "
      "faith in the future. After a difficult time, calm returns and your wishes have a real "
      "chance of coming true. Be open and generous, follow your ideals and trust that the "
      "way ahead is guided.");
}
QString hermit() {
  return QStringLiteral(
      "You need to take out time and think about your direction in life. Step back from the "
      "noise, seek solitude and look within for answers. A teacher or guide may appear, or you "
      "may become one for others. Wisdom gained slowly now will light your way for a long "
      "time.");
}
QString moon() {
  return QStringLiteral(
      "Your intuitiveness is at its peak now. Do not start important ventures while things "
      "remain unclear: illusions, hidden fears or deception may cloud the picture. Pay "
      "attention to your dreams and feelings, move carefully, and wait until the light "
      "returns before you make firm decisions.");
}
QString justice() {
  return QStringLiteral(
      "You may get involved in legal issues. Seek sound advice and act honestly, because this "
      "card promises a fair outcome that reflects what has been done. Weigh every side of a "
      "question, take responsibility for your choices and keep your agreements; balance and "
      "truth will be restored.");
}
QString fool() {
  return QStringLiteral(
      "This signifies the beginning of a new journey. It may call for a leap of faith into "
      "the unknown, with the open heart and curiosity of a child. Trust life, travel light "
      "and welcome new experiences, but keep your eyes open so that spontaneity does not "
      "turn into carelessness.");
}

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
    {"The Magician - Major Arcana",
     "Knowledge, Power, Action, Individuality, Agent of Change, Skill, Unknown Abilities.", 1,
     magician},
    {"The Sun - Major Arcana",
     "Confidence, Illumination, Optimism, Attainment, Fun, Energy Renewal, Greatness.", 19, sun},
    {"Wheel of Fortune - Major Arcana", "Vision, Luck, Change, Karma, Destiny, Opportunity, Choices.",
     10, wheelOfFortune},
    {"The Aces - Minor Arcana",
     "Good Karma, Love, Spiritual Fulfillment, Contemplation, New Hope, Birth, Happiness.", 36, aces},
};
const Card kHighPriestess = {
    "The High Priestess - Major Arcana",
    "Intuition, Mystery, Dreams, Secrets, Spirituality, Unseen Wisdom, Hidden Forces.", 2,
    highPriestess};
const Card kSet2[] = {
    {"Judgement - Major Arcana",
     "Transformations, Great Awakenings, Changes, Decisions, Rebirth, Inner Calling, Absolution.", 20,
     judgement},
    kHighPriestess,
    {"The Knights - Minor Arcana",
     "Service Rendered, Messenger, Intuitive, Loving, Emotional, Loving, Good Taste.", 46, knights},
};
const Card kSet3[] = {
    {"The Empress - Major Arcana",
     "Fertility, Creativity, Birth, Abundance, Success, Feminity, Nature.", 3, empress},
    {"The Hanged Man - Major Arcana",
     "Delays, Devotion, Sacrifices, Martyrdom, Reversal, Holding Back, Initiation.", 12, hangedMan},
    {"The World - Major Arcana",
     "Expansion, Reward, Outcomes, Awareness, Perfection, Accomplishment, Integration.", 21, world},
    {"The Queens - Minor Arcana",
     "Mature Woman, Feminine Wisdom, Spiritual, Loving, Intuitive, Emotional Security, Psychic.", 48,
     queens},
};
const Card kSet4[] = {
    {"Death - Major Arcana",
     "Rebirth, Transformation, Ending, Complete Change, Renewal, Life Cycle, Transformations.", 13,
     death},
    {"The Emperor - Major Arcana",
     "Solid Foundation, Father- figure, Authority, Confident, Discipline, Control, Reason.", 4,
     emperor},
    {"The Kings - Minor Arcana",
     "Wisdom, Empathetic, Diplomatic, Sensitive, Mature, Honorable Feelings, Loyal.", 49, kings},
};
const Card kSet5[] = {
    {"Temperance - Major Arcana",
     "Balance, Addiction, Flexibility, Patience, Equality, Blending, Conservation.", 14, temperance},
    kHighPriestess,
    {"The Fives - Minor Arcana",
     "Regret, Change, Despair, Disappointment, Depression, Loss, Lack of Hope.", 40, fives},
};
const Card kSet6[] = {
    {"The Devil - Major Arcana",
     "Jealousy, Materialism, Despair, Bondage, Addiction, Hopelessness, Sexuality.", 15, devil},
    {"The Lovers - Major Arcana",
     "Alignment, Bonds, Passion, Unions, Harmony, Relationships, Sexuality.", 6, lovers},
    {"The Sixs - Minor Arcana",
     "Prosperity, Success, Knowledge, Inequality, Good News, Luck, Charity.", 69, sixes},
};
const Card kSet7[] = {
    {"The Chariot - Major Arcana",
     "Victory, Control, Assertion, Journey, Aggressive, Discipline, Movement.", 7, chariot},
    {"The Tower - Major Arcana",
     "Shaken Foundation, Sudden Changes, Downfall, Release, Destruction, Upheaval, Revelation.", 16,
     tower},
    {"The Sevens - Minor Arcana", "Theft, Betrayal, Stealth, Cunning, Shrewd, Mistrust, Distraction.",
     56, sevens},
};
const Card kSet8[] = {
    {"Strength - Major Arcana",
     "Courage, Strength, Determination, Patience, Self Control, Compassion, Acceptance.", 11,
     strength},
    {"The Star - Major Arcana", "Success, Hope, Optimism, Health, Aspirations, Faith, Spirituality.",
     17, star},
    {"The Eights - Minor Arcana",
     "Passion, Activation, Speed, Flight, Progress, Time for Action, Growth.", 29, eights},
};
const Card kSet9[] = {
    {"The Hermit - Major Arcana",
     "Guidance, Teaching, Contemplation, Illumination, Secluded, Searching, Introspection.", 9,
     hermit},
    {"The Moon - Major Arcana", "Dream, Subconscious, Fear, Imagination, Illusions, Mystery, Intuition.",
     18, moon},
    {"The Nines - Minor Arcana",
     "Comfort, Compromise, Happiness, Fulfillment, Goals Achieved, Satisfaction, Sensual Pleasure.",
     44, nines},
};
const Card kSet11[] = {
    {"Justice - Major Arcana",
     "Balance, Justice, Fairness, Aspirations, Decision, Balance, Cause & Effect.", 8, justice},
};
const Card kSet22[] = {
    {"The Fool - Major Arcana",
     "New Beginnings, Birth, Innocence, Carefree, Unknown, Possibilities, Spontaneity.", 0, fool},
};

template <std::size_t N>
std::vector<SetCard> build(const Card (&cards)[N]) {
  std::vector<SetCard> out;
  out.reserve(N);
  for (const Card& c : cards)
    out.push_back(SetCard{QString::fromLatin1(c.name), c.description(),
                          QString::fromLatin1(c.keywords), c.deckCard});
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
