#include "tarot/TarotSpreadTable.h"

#include "platform/Services.h"
#include "tarot/TarotSpreadTexts.h"

namespace TarotSpreadTable {
namespace {

using HB = HeaderBreak;

std::vector<Position> numbered(int count, const QString& prefix,
                               const std::vector<QString>& meanings) {
  std::vector<Position> out;
  for (int p = 0; p < count; ++p)
    out.push_back({prefix + QString::number(p + 1), meanings[std::size_t(p)]});
  return out;
}

std::vector<Spread> build() {
  namespace T = TarotSpreadTexts;
  std::vector<Spread> rows;
  rows.push_back({0, "Celtic Cross", 10, "Spread Type - Celtic Cross Spread", HB::None,
                  T::description(0), false,
                  {{"Card 1: The Covering", "This represents the overall events, situations or influences surrounding the present question."},
                   {"Card 2: The Crossing", "This represents the current problems, challenges and negative influences that the querent has to face."},
                   {"Card 3: The Root", "This represents what was the actual reason for the problem to occur or how the querent feels about it subconsciously."},
                   {"Card 4: The Past", "This represents events that have occurred in the near past that are going away."},
                   {"Card 5: The Crown", "This signifies the querent's knowledge of the present situation and the influences affecting it."},
                   {"Card 6: The Future", "This represents events that will occur in the near future."},
                   {"Card 7: The Questioner", "This represents the attitude of the querent and the negative feelings he may have regarding the question."},
                   {"Card 8: The House", "This represents the opinions and influences of friends and family."},
                   {"Card 9: The Inside", "This represents the querent's hopes and fears regarding the situation."},
                   {"Card 10: The Outcome", "This represents the final outcome of the situation."}}});
  rows.push_back({1, "One Card", 1, "Spread Type - One Card", HB::AfterDescription,
                  T::description(1), true,
                  {{"Card 1:  ", "This represents the most important factor that affects the issue in hand."}}});
  const QString twoCards =
      "This card signifies what can happen if you carry out the solution that this card represents.";
  rows.push_back({2, "Two Cards", 2, "Spread Type - Two Cards", HB::AfterDescription,
                  T::description(2), true, {{"Card 1: ", twoCards}, {"Card 2: ", twoCards}}});
  rows.push_back({3, "Three Cards", 3, "Spread Type - Three Cards", HB::AfterDescription,
                  T::description(3), false,
                  {{"Card 1 - Past", T::threeCardsPast()},
                   {"Card 2 - Present", T::threeCardsPresent()},
                   {"Card 3 - Future", "This card represents the future outcome of the present circumstances or events that may lead to the outcome."}}});
  rows.push_back({4, "Ulvarin Wheel Spread(Tarlen)", 5, "Spread Type - Ulvarin Wheel Spread(Tarlen)",
                  HB::BetweenHeadingAndDescription, T::description(4), false,
                  {{"Card 1 - The Present", "This card represents the current influences on the present situation or event."},
                   {"Card 2 - Waning Influences", "This card represents the influences that have affected the event and have been overcome."},
                   {"Card 3 - Hidden or Unconscious Influences", "This card represents hidden or unknown influences."},
                   {"Card 4 - Emerging Influences", "This card represents new influences that may effect the situation."},
                   {"Card 5 - Synthesis", "This represents the synthesis of the whole situation and the meaning of all the influences."}}});
  rows.push_back({5, "The Line Spread", 5, "Spread Type - The Line Spread", HB::None,
                  T::description(5), true,
                  {{"Card 1 - ", "This card represents the distant past."},
                   {"Card 2 - ", "This card represents the recent past."},
                   {"Card 3 - ", "This card represents the present."},
                   {"Card 4 - ", "This card represents the near future."},
                   {"Card 5 - ", "This card represents the distant future."}}});
  rows.push_back({6, "Seven Card Chakra Layout", 7, "Spread Type - Seven Card Chakra Spread", HB::None,
                  T::description(6), false,
                  {{"Card 1 - The Root", T::chakraRoot()},
                   {"Card 2 - Sexual Center", "This card represents the querent's emotions, desire, sexual passion, pleasure and self love."},
                   {"Card 3 - Power Center", "This card is associated with the querent's relation with honor, truth, ego, self confidence, power and energy levels."},
                   {"Card 4 - The Heart", "This is related to feelings for others, compassion and relationship."},
                   {"Card 5 - The Throat", T::chakraThroat()},
                   {"Card 6 - The Third Eye", "This represents the intuition, spiritual awareness, imagination, visualization and perception."},
                   {"Card 7 - The Crown", "This represents the querent's connection to a higher begin whom he reveres, final goals and aspirations."}}});
  rows.push_back({7, "Four Seasons Spread(Mavrine/Yorv)", 8, "Spread Type - Four Seasons Spread", HB::None,
                  T::description(7), false,
                  {{"Card 1 - The Spring", "This card represents the new beginning of an idea, like the planting of a seed for a new venture."},
                   {"Card 2", "This card alters the next card (Card 3)"},
                   {"Card 3 - The Summer", "This card represents the flowering or progression of an idea."},
                   {"Card 4", "This card alters the next card (Card5)"},
                   {"Card 5 - Autumn", "This card signifies the finalization of the plan and how events will wind up."},
                   {"Card 6", "This card modifies the next card (Card 7)"},
                   {"Card 7 - Winter", "This represents the period of reflection as to what the querent may have learnt from the progression of the plan."},
                   {"Card 8", "This card alters Card 1."}}});
  rows.push_back({8, "Relationship Spread", 10, "Spread Type - Relationship Spread", HB::None,
                  T::description(8), false,
                  numbered(10, "Card ",
                           {"Represents your view of a partner i.e. it interprets your way of looking at your partner.",
                            "Represents your partner's view towards you.",
                            "Reflects you expressions, feelings, desires and sentiments.",
                            "Represents your partner's expressions and sentiments.",
                            "Represents your unconscious expressions.",
                            "Represents your partner's unconscious expressions.",
                            "Represents your inner desires and needs.",
                            "Represents your partner's inner desires and needs.",
                            "Tells you about ways of improving your relationship with your partner.",
                            "Tells the ways your partner can improve your relationship."})});
  {
    std::vector<QString> romany;
    for (int p = 0; p < 21; ++p)
      romany.push_back(QString::fromLatin1(p < 7    ? "Represent the past."
                                           : p < 14 ? "Represent the present."
                                                    : "Represent the future."));
    rows.push_back({9, "The Romany/ Gypsy Spread", 21, "Spread Type - The Romany/ Gypsy Spread", HB::None,
                    T::description(9), false, numbered(21, "Card ", romany)});
  }
  rows.push_back({10, "Zodiac Spread", 12, "Spread Type - Zodiac Spread", HB::None,
                  T::description(10), false,
                  numbered(12, "Card ",
                           {"Related to Aries which represents your attitude and your basic personality.",
                            "Related to Taurus which represents your financial and business matters.",
                            "Related to Gemini which represents communication and education.",
                            "Related to Cancer which represents home, family and childhood concerns.",
                            "Related to Leo which represents the pleasures and leisure of life.",
                            "Related to Virgo which represents work and responsibility.",
                            "Related to Libra which represents close partnership and love.",
                            "Related to Scorpio which reveals all your hidden influences and desires.",
                            "Related to Sagittarius which represents you intimacy in religion and philosophy.",
                            "Related to Capricorn which represents your career and ambition.",
                            "Related to Aquarius which represents your social life and acquaintances.",
                            "Related to Pisces which represents your strengths and weaknesses."})});
  rows.push_back({11, "Tree of Life", 10, "Spread Type - Tree of Life", HB::None,
                  T::description(11), false,
                  {{"Card 1 - Top card:", "Reveals the present situation and how we react to each of these situations."},
                   {"Card 2 - Right temple:", "Reveals the basic emotions, feelings and intuitions."},
                   {"Card 3 - Left temple:", "Reveals the level of practicality and rationality."},
                   {"Card 4 - Right shoulder:", "Reveals our natural ability and common sense."},
                   {"Card 5 - Left shoulder:", "Reveals our learning skills and our capacity to take up things."},
                   {"Card 6 - Heart/ centre position:", "Related to how we tackle our emotions."},
                   {"Card 7 - Right hip:", "Relates to our destiny - the path which we choose."},
                   {"Card 8 - Left hip:", "Reveals our energy level."},
                   {"Card 9 - Groin:", "Reveals the level of sexuality and sensuality."},
                   {"Card 10 - feet:", "Reveals our basic nature."}}});
  rows.push_back({12, "Numerology Spread", 9, "Spread Type - Numerology Spread", HB::None,
                  T::description(12), false,
                  numbered(9, "Card ",
                           {"You see yourself as an Innovator.", "You see yourself as an Integrator.",
                            "You see yourself as an Entertainer.", "You see yourself as a Builder.",
                            "You see yourself as a Communicator.", "You see yourself as a Peacemaker.",
                            "You see yourself as an Individualist.", "You see yourself as an Entrepreneur.",
                            "You see yourself as a Crusader."})});
  return rows;
}

const std::vector<Spread>& table() {
  static const std::vector<Spread> t = build();
  return t;
}

}  // namespace

const Spread& row(int index) { return table().at(std::size_t(index)); }

int findByName(const QString& name) {
  for (const Spread& s : table())
    if (s.listText == name) return s.index;
  return -1;
}

QString picturePath(int index) {
  return platform::programFolder() + QStringLiteral("/pic/c") + QString::number(index) +
         QStringLiteral(".jpg");
}

}  // namespace TarotSpreadTable
