// The deck's names, keyword lines and numbering. They depend on nothing
// else of the program, so the picture generator compiles this file on its
// own; the descriptions are in NumerologySpreadCardTexts.cpp.
#include "tarot_numerology/NumerologySpreadCards.h"

namespace NSCardTable {
namespace {

struct Card {
  const char* name;
  const char* keywords;
};

const Card kCards[kCardCount] = {
    {"The Fool",
     "New Beginnings, Birth, Innocence, Carefree, Unknown, Possibilities, Spontaneity."},
    {"The Magician",
     "Knowledge, Power, Action, Individuality, Agent of Change, Skill, Unknown Abilities."},
    {"The High Priestess",
     "Intuition, Mystery, Dreams, Secrets, Spirituality, Unseen Wisdom, Hidden Forces."},
    {"The Empress",
     "Fertility, Creativity, Birth, Abundance, Success, Feminity, Nature."},
    {"The Emperor",
     "Solid Foundation, Father- figure, Authority, Confident, Discipline, Control, Reason."},
    {"The Hierophant",
     "Government, Society, Religion, Tradition, Teaching, Beliefs, Spiritual."},
    {"The Lovers",
     "Alignment, Bonds, Passion, Unions, Harmony, Relationships, Sexuality."},
    {"The Chariot",
     "Victory, Control, Assertion, Journey, Aggressive, Discipline, Movement."},
    {"Justice",
     "Balance, Justice, Fairness, Aspirations, Decision, Balance, Cause & Effect."},
    {"The Hermit",
     "Guidance, Teaching, Contemplation, Illumination, Secluded, Searching, Introspection."},
    {"Wheel of Fortune",
     "Vision, Luck, Change, Karma, Destiny, Opportunity, Choices."},
    {"Strength",
     "Courage, Strength, Determination, Patience, Self Control, Compassion, Acceptance."},
    {"The Hanged Man",
     "Delays, Devotion, Sacrifices, Martyrdom, Reversal, Holding Back, Initiation."},
    {"Death",
     "Rebirth, Transformation, Ending, Complete Change, Renewal, Life Cycle, Transformations."},
    {"Temperance",
     "Balance, Addiction, Flexibility, Patience, Equality, Blending, Conservation."},
    {"The Devil",
     "Jealousy, Materialism, Despair, Bondage, Addiction, Hopelessness, Sexuality."},
    {"The Tower",
     "Shaken Foundation, Sudden Changes, Downfall, Release, Destruction, Upheaval, Revelation."},
    {"The Star",
     "Success, Hope, Optimism, Health, Aspirations, Faith, Spirituality."},
    {"The Moon",
     "Dream, Subconscious, Fear, Imagination, Illusions, Mystery, Intuition."},
    {"The Sun",
     "Confidence, Illumination, Optimism, Attainment, Fun, Energy Renewal, Greatness."},
    {"Judgement",
     "Transformations, Great Awakenings, Changes, Decisions, Rebirth, Inner Calling, Absolution."},
    {"The World",
     "Expansion, Reward, Outcomes, Awareness, Perfection, Accomplishment, Integration."},
    {"Ace of Wands",
     "Inspiration, Power, Beginnings, Enthusiasm, Creation, Energy, Beginnings."},
    {"Two of Wands",
     "Originality, Negotiation, Planning, Contemplation, Obstacles, Decisions, Boldness."},
    {"Three of Wands",
     "Initiative, Group Energy, Luck, Opportunity, Fate, Confidence, Exploration."},
    {"Four of Wands",
     "Celebration, Harmony, Completion, Relaxation, Happiness, Holiday, Freedom."},
    {"Five of Wands",
     "Struggle, Frustration, Irritation, Quarrel, Aggressiveness, Conflicts, Competition."},
    {"Six of Wands",
     "Progress, Victory, Success, Good News, Recognition, Reward, Harmony."},
    {"Seven of Wands",
     "Stiff Competition, Conviction, Defiance, Challenge, Determination, Courage, Good results."},
    {"Eight of Wands",
     "Passion, Activation, Speed, Flight, Progress, Time for Action, Growth."},
    {"Nine of Wands",
     "Courage, Advantage, Stamina, Stability, Steadfast, Persistence, Will."},
    {"Ten of Wands",
     "Burden, Oppression, Stress, Restriction, Struggle, Excess Activity, Accomplishment."},
    {"Page of Wands",
     "Ambition, Enthusiasm, Noble Intention, Confident, Courageous, Creativity, Helpful Information."},
    {"Knight of Wands",
     "Impulsive, Adventurous, Restless, Passionate, Hot Tempered, Energy, Flexible Intuition."},
    {"Queen of Wands",
     "Adventurous, Energetic, Passionate, Inspiration, Mature, Creativity, Charming."},
    {"King of Wands",
     "Entrepreneur, Inspiration, Boldness, Leadership, Mature, Honor, Strong Wisdom."},
    {"Ace of Cups",
     "Good Karma, Love, Spiritual Fulfillment, Contemplation, New Hope, Birth, Happiness."},
    {"Two of Cups",
     "Relationship, Communion, Partnership, Romance, Solving Differences, Attraction, Agreement."},
    {"Three of Cups",
     "Planned Pregnancy, Birth, Support, Harmony, Celebration, Abundance, Exuberance."},
    {"Four of Cups",
     "Apathy, Boredom, Re- evaluation, Hope, Day Dreaming, Self- Absorbed, Disillusioned."},
    {"Five of Cups",
     "Regret, Change, Despair, Disappointment, Depression, Loss, Lack of Hope."},
    {"Six of Cups",
     "Childhood, Pleasure, Innocence, Good Will, Reunion, Nostalgia, Joy."},
    {"Seven of Cups",
     "Fantasy, Imagination, Dreams, Illusion, Decision, Possibility, Magic."},
    {"Eight of Cups",
     "Loneliness, Sacrifice, Withdrawal, Weariness, Abandonment, Independence, Cycles."},
    {"Nine of Cups",
     "Comfort, Compromise, Happiness, Fulfillment, Goals Achieved, Satisfaction, Sensual Pleasure."},
    {"Ten of Cups",
     "Success, Idealism, Completion, Achievements, Contentment, Marriage, Attainment."},
    {"Page of Cups",
     "Service Rendered, Messenger, Intuitive, Loving, Emotional, Loving, Good Taste."},
    {"Knight of Cups",
     "Offer of Love, Kindness, Temperamental, Aggressive, Fanciful, Refined, Romantic."},
    {"Queen of Cups",
     "Mature Woman, Feminine Wisdom, Spiritual, Loving, Intuitive, Emotional Security, Psychic."},
    {"King of Cups",
     "Wisdom, Empathetic, Diplomatic, Sensitive, Mature, Honorable Feelings, Loyal."},
    {"Ace of Swords",
     "Justice, Victory, Raw Power, Courage, Strength, Beginning, Mental Forces."},
    {"Two of Swords",
     "Balance, Doubt, Truce, Stalemate, Choices, Anticipation, Impending conflict."},
    {"Three of Swords",
     "Sorrow, Suffering, Integrity, Tension, Heartbreak, Betrayal, Separation."},
    {"Four of Swords",
     "Seclusion, Withdrawal, Truce, Retreat, Recuperation, Reflection, Meditation."},
    {"Five of Swords",
     "Loss of friends, Discord, Verbal Battle, Humiliation, Betrayal, Defeat, Loss."},
    {"Six of Swords",
     "Determination, Passage, Understanding, Travel- Water, Problems, Journey, Transition."},
    {"Seven of Swords",
     "Theft, Betrayal, Stealth, Cunning, Shrewd, Mistrust, Distraction."},
    {"Eight of Swords",
     "Imprisonment, Interference, Indecision, Stifled, Danger, Mental Unhappiness, Confused."},
    {"Nine of Swords",
     "Stress, Anxiety, Despair, Concern, Misfortune, Guilt, Nightmare."},
    {"Ten of Swords",
     "Negative Cycle, Lowest Point, Crisis, Disaster, Disappointment, Catastrophe, Transformation."},
    {"Page of Swords",
     "Truthful, Just, Vigilance, Good thinking, Have fortitude, Unexpected Happening, Health."},
    {"Knight of Swords",
     "Impulsive Actions, Disputes, Warning, Direct, Logical, Authoritative, Aggressive."},
    {"Queen of Swords",
     "Mature, Intellectual Manipulations, Bold, Experienced, Mental Chaos, Perceptive, Witty."},
    {"King of Swords",
     "Mature, Mental strength, Power, Analytical, Intellectual, Fair, Honorable."},
    {"Ace of Pentacles",
     "Success, Wealth, Reward, Security, Prosperity, Manifestation, Practicality."},
    {"Two of Pentacles",
     "Adaptability, Change, Balance, Versatility, Flexibility, Fun, Finance Juggling."},
    {"Three of Pentacles",
     "Negotiation, Skill, Planning, Employment, Progress, Team Work, Competence."},
    {"Four of Pentacles",
     "Security, Stability, Materialistic, Possessive, Tenacious Hold, Control, Inadaptable to Change."},
    {"Five of Pentacles",
     "Dependence, Worry, Loss, Ill health, Anxiety, Spiritual, Ruin."},
    {"Six of Pentacles",
     "Prosperity, Success, Knowledge, Inequality, Good News, Luck, Charity."},
    {"Seven of Pentacles",
     "Profit / Loss, Vision, Perseverance, Evaluation, Frustration, Risk, Incomplete Work."},
    {"Eight of Pentacles",
     "Improvement, Purpose, Consistent, Education, Diligent, Organized, Persistent."},
    {"Nine of Pentacles",
     "Abundance, Culmination, Financial Gain, Gratitude, Refined, Wisdom, Good Luck."},
    {"Ten of Pentacles",
     "Inheritance, Wealth, Security, Affluence, Potential, Completion, Permanence."},
    {"Page of Pentacles",
     "Practical, Prosperous, Entitlement, Good News, Trustworthy, Make a Difference, Assistance."},
    {"Knight of Pentacles",
     "Stable, Thorough, Efficient, Cautious, Potential, Reliable, Confident."},
    {"Queen of Pentacles",
     "Mature, Material Security, Practical, Reliable, Resourceful, Good Hearted, Trustworthy."},
    {"King of Pentacles",
     "Mature, Patient, Security, Loyal, Influence, Reliable, Enterprising."},
};

}  // namespace

bool isCard(int number) { return number >= 0 && number < kCardCount; }

QString name(int number) {
  return isCard(number) ? QString::fromLatin1(kCards[number].name) : QString();
}

QString keywords(int number) {
  return isCard(number) ? QString::fromLatin1(kCards[number].keywords) : QString();
}

bool minorOf(int number, Suit* suit, int* value) {
  if (number < kMajorCount || number >= kCardCount) return false;
  if (suit) *suit = Suit((number - kMajorCount) / kSuitSize);
  if (value) *value = (number - kMajorCount) % kSuitSize + 1;
  return true;
}

int minorNumber(Suit suit, int value) {
  if (value < 1 || value > kSuitSize) return -1;
  return kMajorCount + int(suit) * kSuitSize + value - 1;
}

int numberOf(const QString& cardName) {
  for (int n = 0; n < kCardCount; ++n)
    if (cardName == QLatin1String(kCards[n].name)) return n;
  return -1;
}

}  // namespace NSCardTable
