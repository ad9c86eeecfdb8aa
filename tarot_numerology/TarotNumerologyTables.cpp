#include "tarot_numerology/TarotNumerologyTables.h"

#include <QStringList>

namespace TarotNumerologyTables {
namespace {

// The values stand as the mode has always shown them, odd ones included
// (5's days end with the 22nd, 6 leaves out the 24th, 9 has the Sun with
// Tuesday, and the capitals of 22's colours and stones differ).
const NumberRow kRows[] = {
    {1, "Sun", "Sunday", "1st, 10th, 19th, 28th", "Yellow And Brown", "Topaz And Amber", 4},
    {2, "Moon", "Monday", "2nd, 11th, 20th, 29th", "Cream, White And Green", "Pearl, Jade, Moonstone", 3},
    {3, "Jupiter", "Thursday", "3rd, 12th, 21st, 30th", "Purple, Mauve And Violet", "Amethyst", 4},
    {4, "Sun", "Sunday", "4th, 13th, 22nd, 31st", "Blue, Grey", "Sapphire", 3},
    {5, "Mercury", "Wednesday", "5th, 14th, 22nd", "Light Colors", "Diamond", 3},
    {6, "Venus", "Friday", "3rd, 6th, 9th, 12th, 15th, 18th, 21st, 27th, 30th", "Pink or Blue",
     "Emerald And Turquoise", 3},
    {7, "Neptune", "Monday", "7th, 16th, 25th", "Green", "Moss-agate", 3},
    {8, "Saturn", "Saturday", "8th, 17th, 26th", "Black, Blue, Purple",
     "Amethyst, Dark Sapphire, Black Pearl", 3},
    {9, "Sun", "Tuesday", "3rd, 6th, 9th, 12th, 15th, 18th, 21st, 24th, 27th, 30th", "Red",
     "Ruby, Garnet", 3},
    {11, "Saturn", "Saturday", "11th, 29th", "Indigo Blue", "Amethyst", 1},
    {22, "Pluto", "Friday", "22nd", "White And Black", "White and Black Pearl", 1},
};

const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

const NumberRow* numberRow(int n) {
  for (const NumberRow& r : kRows)
    if (r.number == n) return &r;
  return nullptr;
}

const std::vector<int>& numbers() {
  static const std::vector<int> list = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22};
  return list;
}

QString lifePathBestDays(int n) {
  const NumberRow* r = numberRow(n);
  return r ? QString::fromLatin1(r->bestDays) : QString();
}

QString destinyBestDays(int n) {
  // The Destiny page has always written the days of 2 with a trailing blank.
  return n == 2 ? lifePathBestDays(n) + QLatin1Char(' ') : lifePathBestDays(n);
}

QString planetText(const QString& planet) {
  if (planet == QLatin1String("Sun"))
    return QStringLiteral(
        "Sun is the parent of the solar system. Every other body circles it and draws its light "
        "from it, and so the Sun stands for the self, the will and the vital force that keeps a "
        "person going. Those it guides carry a natural dignity; they like to lead, to be seen "
        "and to give warmth to the people around them. Generous and proud, they shine when "
        "their work is noticed and wilt when it is ignored. The Sun lends courage, a sense of "
        "purpose and the power to recover from setbacks. Its shadow is pride: the wish to be at "
        "the centre can turn into vanity or into a need to be obeyed. Sunday, gold and warm "
        "colours belong to it, and its gift is the confidence to stand on one's own feet.");
  if (planet == QLatin1String("Moon"))
    return QStringLiteral(
               "The Moon expresses personality and rules over the sign of Cancer. It governs "
               "feelings, moods, memory and the home, and it changes its face as the tides "
               "change, so that those it guides feel the world before they reason about it. "
               "They care for others, remember kindness for years and need a safe place to "
               "return to.") +
           kCrLf +
           QStringLiteral(
               "Moon people are very much adaptable and charming. They fit into new company "
               "easily, sense what others need and are gifted with imagination, often in music, "
               "poetry or the arts. Their weak point is a changeable temper: a hurt is felt "
               "deeply and can make them withdraw. When they trust their intuition and keep a "
               "calm rhythm in their days, the Moon gives them tact, sympathy and a quiet "
               "strength.");
  if (planet == QLatin1String("Jupiter"))
    return QStringLiteral(
        "Jupiter - the fifth planet of the solar system and by far its largest - is the planet "
        "of growth, good fortune and wide horizons. It rules learning, law, travel, faith and "
        "generosity. People it guides think big; they are optimistic, open-handed and ready "
        "to share what they know, and others look to them for advice and cheer. Jupiter "
        "brings protection and opportunities, often through teachers, patrons or journeys. "
        "Its excess is too much of a good thing: promising more than can be kept, spending "
        "freely or taking success for granted. With a measure of discipline its expansive "
        "energy turns into wisdom and lasting prosperity.");
  if (planet == QLatin1String("Mercury"))
    return QStringLiteral(
        "Mercury is the first and foremost planet of the solar system, the closest to the Sun "
        "and the quickest in its orbit. It is the messenger: it rules the mind, speech, "
        "writing, trade and every kind of exchange. People under its influence are curious, "
        "witty and quick to learn; they talk easily, enjoy puzzles and tend to do several "
        "things at once. They make good writers, sellers, teachers and go-betweens. Mercury "
        "can also make the mind restless and the nerves tense, and a clever tongue may slip "
        "into half-truths. Given a clear aim, its speed becomes skill and its curiosity "
        "becomes knowledge.");
  if (planet == QLatin1String("Venus"))
    return QStringLiteral(
        "Venus is a planet which is considered as the planet of 'Lesser Fortune'. It is the "
        "brightest light in the evening sky and the planet of love, beauty, harmony and "
        "pleasure. It rules friendship, marriage, art and the enjoyment of comfort and fine "
        "things. Those it guides are warm, sociable and graceful; they value peace, dislike "
        "quarrels and have a good eye for colour, form and style. Venus brings affection and "
        "often material ease, but it can also bring indulgence, vanity or a wish to please at "
        "any price. Its lesson is to love generously while keeping one's own balance.");
  if (planet == QLatin1String("Neptune"))
    return QStringLiteral(
        "A vast, slow and mystical planet, Neptune is the outermost celestial body of the "
        "giant planets and takes about one hundred and sixty-five years to circle the Sun. It "
        "rules dreams, imagination, compassion and the hidden side of life. People it guides "
        "are sensitive and intuitive, drawn to music, the sea, spirituality and the care of "
        "others; they often sense things that cannot be explained. Neptune dissolves "
        "boundaries, which gives inspiration and sympathy but can also bring confusion, "
        "escapism or being deceived. Kept grounded, its influence opens the door to "
        "creativity and a deep inner life.");
  if (planet == QLatin1String("Saturn"))
    return QStringLiteral(
        "Saturn - the sixth planet of the solar family, ringed and slow - is the planet of "
        "time, structure and responsibility. It is the teacher who tests: it brings delays, "
        "duties and hard lessons, and rewards patience with solid and lasting results. Those "
        "it guides are serious, dependable and ambitious in the long run; they build step by "
        "step and respect rules, age and experience. Saturn can weigh on the spirit with "
        "worry, loneliness or too much caution. Accepted rather than fought, its discipline "
        "becomes mastery, and what is built under Saturn stands for a long time.");
  if (planet == QLatin1String("Pluto"))
    return QStringLiteral(
        "The last planet in the solar family, Pluto is positioned far away from the Sun and "
        "moves so slowly that it marks whole generations. It rules transformation, power, "
        "endings and rebirth, and everything that lies beneath the surface. Those it guides "
        "have great inner strength and intensity; they do not do things by halves and can "
        "rebuild their lives from the ground up. Pluto brings deep change, often through "
        "crisis, and reveals what was hidden. Its danger is the wish to control others. Used "
        "well, its force gives the power to heal, to renew and to lead others through "
        "upheaval.");
  return QString();
}

QString lifePathText(int n) {
  switch (n) {
    case 1:
      return QStringLiteral(
          "Your main purpose should be attaining independency. You are a born starter with "
          "original ideas and the drive to carry them out, and you are happiest when you set "
          "your own course. Life will keep asking you to stand on your own feet, to trust your "
          "judgement and to lead rather than follow. You are determined, courageous and "
          "inventive, but you can also be impatient, stubborn or too proud to ask for help. "
          "Learn to listen as well as to direct, and your energy will open doors for yourself "
          "and for others.");
    case 2:
      return QStringLiteral(
          "Usually you are creative and follow certain protocols. You are a peacemaker by "
          "nature, sensitive to the moods of others and gifted at bringing people together. "
          "Partnership matters to you more than personal glory, and you do your best work "
          "beside someone you trust. You notice details others miss and you have patience, "
          "tact and a good sense of rhythm and beauty. Your challenge is to value yourself: "
          "avoid hiding your own wishes to keep the peace, and do not let criticism wound you "
          "more than it should.");
    case 3:
      return QStringLiteral(
          "You are entertainers, optimists and very creative. Words, colour, music and humour "
          "come naturally to you, and you light up a room with your charm. Your path is about "
          "self-expression: to speak, write, perform or create, and to lift the spirits of the "
          "people around you. You make friends easily and enjoy life's pleasures. The risk is "
          "scattering your talents over too many things or avoiding hard feelings behind a "
          "joke. With focus and some discipline your gifts can bring you real success and joy.");
    case 4:
      return QStringLiteral(
          "The Life Path 4 produces the most reliable, practical, and down-to-earth people of "
          "all. You build things that last, step by step, and you believe in honest work, "
          "order and keeping your word. Others rely on you because you are steady, loyal and "
          "thorough. You like clear plans and may distrust shortcuts and sudden change. Your "
          "challenge is to stay flexible: rules and routines are tools, not walls. When you "
          "allow yourself rest and some adventure, your patience turns into lasting security "
          "for you and your family.");
    case 5:
      return QStringLiteral(
          "Generally people with 5 are very multitalented, bold, and progressive. You love "
          "freedom, travel and variety, and you learn best by trying things for yourself. "
          "Change does not frighten you; routine does. You are quick, adaptable and good with "
          "people, and you can sell an idea with enthusiasm. Your path teaches the right use "
          "of freedom: too many directions at once, or too much indulgence, can leave you "
          "restless and unfinished. Choose the adventures that matter and see them through, "
          "and your experience becomes wisdom you can share.");
    case 6:
      return QStringLiteral(
          "The Life Path 6 indicates that you have a strong sense of responsibility. Home, "
          "family and community are at the heart of your life, and you are the one others turn "
          "to for care, advice and comfort. You have a feeling for harmony and beauty and a "
          "deep wish to make things right. Your gift is love that serves. Your danger is "
          "carrying everyone's burdens, meddling where you are not asked or expecting perfection "
          "from yourself and others. Give help freely, but let others grow in their own way.");
    case 7:
      return QStringLiteral(
          "You tend to be calm and affectionate by nature. Beneath that calm lies a searching "
          "mind: you want to understand why things are as they are, and you are drawn to study, "
          "research, philosophy or the spiritual side of life. You need time alone to think "
          "and you trust what you have tested yourself. Others may find you reserved or hard to "
          "know. Your path is the search for truth and inner wisdom; the risk is withdrawing "
          "too far or growing suspicious. Share what you discover and let a few people close.");
    case 8:
      return QStringLiteral(
          "You are very materialistic and are focused on learning the ways of money, power "
          "and achievement. You have a talent for business, organisation and leadership, and "
          "you think in large terms. Success is likely to come through effort and good "
          "judgement, and others respect your strength and authority. Your path teaches the "
          "balance between the material and the spiritual: wealth and status are tools, and "
          "they serve best when used fairly and generously. Beware of working without rest or "
          "measuring everything by its price.");
    case 9:
      return QStringLiteral(
          "People with number 9 are generous, loving and have an inborn drive to help the "
          "world. You feel for people everywhere and you are happiest when your work serves "
          "a larger cause. You are broad-minded, artistic and wise beyond your years, and "
          "others often come to you for understanding. Your path asks you to give without "
          "expecting return and to let go of what is finished. Holding on to old hurts or "
          "ideals that no longer serve can weigh you down; forgiveness sets you free.");
    case 11:
      return QStringLiteral(
          "This is a master number and is associated with spiritual awareness. You are highly "
          "intuitive, idealistic and sensitive, and you can inspire others by your vision and "
          "example. You may feel you were born with a message to share. The energy of 11 is "
          "strong and can make you nervous, impractical or torn between great dreams and daily "
          "life. Ground yourself, care for your health and trust your inner voice, and you can "
          "become a source of light and guidance for many people.");
    case 22:
      return QStringLiteral(
          "The number 22 is the most powerful of all the Life Path numbers. It joins the "
          "vision of a dreamer with the practical skill of a builder, so you can turn great "
          "ideas into real and lasting works. You think on a large scale and may be drawn to "
          "projects that serve many people. Such potential brings pressure: you may set "
          "yourself impossible standards or hold back for fear of failing. Take one solid step "
          "at a time, work with others and your achievements can outlive you.");
    default:
      return QString();
  }
}

QString destinyText(int n) {
  switch (n) {
    case 1:
      return QStringLiteral(
          "This tells you are a leader. Your name carries the energy of a pioneer who opens "
          "new ways and takes charge when others hesitate. You are meant to use your "
          "originality, willpower and courage, and to become independent in thought and "
          "action. You achieve most when you trust your own ideas and act on them. Guard "
          "against arrogance and impatience; real leadership also means encouraging others "
          "and accepting their ideas when they are better than yours.");
    case 2:
      return QStringLiteral(
          "This number gives you good people managing skills. You are the diplomat, the "
          "mediator and the trusted partner, able to bring opposite sides together and to make "
          "a group work as one. Your destiny is fulfilled through cooperation, tact and "
          "attention to detail. You may achieve a great deal behind the scenes and be valued "
          "for your fairness and kindness. Learn to speak up for yourself and to make "
          "decisions, rather than waiting for others to make them for you.");
    case 3:
      return QStringLiteral(
          "This number indicates a strong creativity in your nature. You are meant to express "
          "yourself through words, art, music or performance and to bring joy and inspiration "
          "to others. You are sociable, imaginative and persuasive, and your enthusiasm is "
          "catching. Your destiny asks you to take your talents seriously and to develop them "
          "with patience. Avoid scattering your energy, gossip or superficial pleasures; "
          "focused, your gifts can carry you far.");
    case 4:
      return QStringLiteral(
                 "You will have good management and organizational skills. Your destiny is to "
                 "build: to bring order, method and dependability into whatever you take on, "
                 "and to lay foundations that others can rely on. You work hard, keep your "
                 "promises and respect honest effort, and success comes to you through "
                 "persistence rather than luck.") +
             kCrLf +
             QStringLiteral(
                 "The negative trait of 4 often produces arrogant and dominating individuals. "
                 "Firm views can harden into rigidity, and the wish for control can make you "
                 "hard on yourself and on others. Stay open to new ideas, allow others their "
                 "own methods, and your steadiness will be a gift rather than a weight.");
    case 5:
      return QStringLiteral(
          "You are gifted with multiple talents. Your destiny is connected with freedom, "
          "change and the wide world: travel, languages, people of every kind and new "
          "experiences. You communicate easily, adapt quickly and can promote ideas and "
          "products with flair. You are meant to learn from life itself and to pass on what "
          "you learn. Restlessness and overindulgence are your pitfalls; commit to what truly "
          "matters and your versatility becomes a real strength.");
    case 6:
      return QStringLiteral(
          "Your goal of life is to have the right balance of love and responsibility. You are "
          "meant to care for others, to teach, heal, counsel or create beauty, and to make "
          "your home and community a better place. People trust you and lean on you. Your "
          "destiny is fulfilled through service given with an open heart. Beware of taking on "
          "too much, of worry, and of imposing your ideals on those you love; let them choose "
          "their own way.");
    case 7:
      return QStringLiteral(
          "You will be interested in analysis and the development of a mind that sees below "
          "the surface. Your destiny lies in study, research, specialised skill or spiritual "
          "understanding, and you are meant to become an expert in what you choose. You value "
          "quality over quantity and need quiet to think. You may seem distant or secretive to "
          "others. Trust your intuition as much as your intellect, and share your insight: it "
          "is of real value to the world.");
    case 8:
      return QStringLiteral(
          "You need to achieve material and financial comfort above all things. Your destiny "
          "points to business, management, finance or any field where authority and good "
          "judgement are rewarded. You are ambitious, efficient and able to organise people "
          "and resources on a large scale. Recognition and wealth are within your reach when "
          "you work for them honestly. Remember that power is best used for the good of many, "
          "and keep room in your life for family and rest.");
    case 9:
      return QStringLiteral(
          "Your prime focus will be in activities of compassion and service to humanity. You "
          "are meant to think beyond yourself, to give, to teach and to inspire by example. "
          "Art, healing, charity or public work suit you, and you may travel widely or deal "
          "with people from many places. Your destiny asks you to let go of personal "
          "ambition and old resentments. The more freely you give, the richer your life "
          "becomes.");
    case 11:
      return QStringLiteral(
          "The Number Eleven is a highly charged number. It marks a destiny of inspiration: "
          "you are meant to awaken others through ideas, faith, art or example. Your "
          "intuition is strong and you may be drawn to spiritual, creative or healing work. "
          "The pressure of this number can bring nervous tension and self-doubt, and you may "
          "feel different from those around you. Stay patient with yourself and practical in "
          "daily matters, and your vision can touch many lives.");
    case 22:
      return QStringLiteral(
          "The Number 22 is a constructive and creative figure. It gives the ability to plan "
          "and carry out work on a grand scale: organisations, buildings, movements or ideas "
          "that serve many people for a long time. You combine vision with discipline and can "
          "lead others towards a common goal. The demands of this number are high, and "
          "frustration can come when reality is slower than your plans. Build patiently, "
          "remain humble, and your work can leave a lasting mark.");
    default:
      return QString();
  }
}

QString lifePathParagraph() {
  return QStringLiteral(
      "This is one of the most important numbers. Sometimes it is also called the Life "
      "Direction Number. It comes from your date of birth and describes the road you walk "
      "through life: the talents you bring, the lessons you meet and the opportunities that "
      "open on the way.");
}

QString destinyParagraph() {
  return QStringLiteral(
      "This number describes your vibration in the world and the tasks that you must achieve "
      "in this lifetime using the name given to you. Also known as the Expression number, it "
      "comes from the letters of your name and shows the abilities you are meant to develop.");
}

}  // namespace TarotNumerologyTables
