#include "numerology/NumberTextsTwo.h"

#include <iterator>

namespace NumberTextsTwo {
namespace {

struct Row {
  int key;
  const char* text;
};

// The row of a key, or an empty text when the table has none.
template <std::size_t N>
QString find(const Row (&rows)[N], int key) {
  for (const Row& row : rows) {
    if (row.key == key) return QString::fromUtf8(row.text);
  }
  return QString();
}

const QLatin1String kCrLf("\r\n");

// ---------------------------------------------------------------- Challenges

const char kChallengeDescription[] =
    "This number indicates what you must understand and learn in the various stages of your "
    "life. A challenge is not a punishment or a flaw in your character; it is a weakness you are "
    "asked to notice and turn into a strength. Your four challenge numbers come from your date of "
    "birth: the first belongs to the early part of your life, the second to your middle years, "
    "the third is the main challenge that runs through your whole life, and the fourth comes to "
    "the fore in your later years. The same number may appear more than once, which shows that "
    "its lesson weighs more heavily for you. When you recognise the tendency described below and "
    "work on it consciously, its hold on you weakens and the challenge becomes a source of "
    "maturity.";

const Row kChallenge[] = {
    {0,
     "There is no consistent challenge during this period in particular. This does not mean that "
     "life will be free of difficulties; it means that no single weakness stands out, and every "
     "kind of challenge may come to you in turn. You have the freedom to choose which areas of "
     "your life to work on, and that freedom is itself the test. With no clear direction set for "
     "you, it is easy to drift or to put off decisions. Look at your other numbers to see where "
     "your attention is most needed, and take responsibility for your own growth. Those who use "
     "this period well often find that they can help others with the very problems they have "
     "overcome."},
    {1,
     "You are expected to learn to be independent. This challenge asks you to stand on your own "
     "feet and trust your own judgement. You may have been dominated by strong people, or you may "
     "swing the other way and become stubborn and overbearing to prove your strength. Both "
     "extremes come from the same doubt about your own worth. Practise making decisions without "
     "waiting for approval, and accept that you will sometimes be wrong. As your confidence "
     "grows, you will be able to lead without pushing others aside."},
    {2,
     "You are very sensitive person and this may cause fear, shyness and a tendency to take small "
     "remarks to heart. You may feel hurt easily and lose your balance over matters that others "
     "would shrug off. Because you notice every shade of feeling around you, you tend to put "
     "other people's wishes before your own and avoid any conflict. The challenge is to keep "
     "your sensitivity while growing a thicker skin. Learn to see the larger picture and not to "
     "let details overwhelm you. Your fine perception then becomes a gift for diplomacy and "
     "cooperation."},
    {3,
     "Don't try to run away from your own individuality. This challenge concerns "
     "self-expression: you may hide your feelings and talents for fear of criticism, or scatter "
     "them in idle talk and superficial pleasures. Either way your real creative voice stays "
     "unheard. Social situations may make you feel awkward, and you may judge your own work too "
     "harshly to share it. Take the risk of showing who you are, in words, in art or simply in "
     "honest conversation. Discipline and focus will turn your scattered gifts into something "
     "lasting."},
    {4,
     "Sometimes you tend to be disorganized. At other times you may go to the other extreme and "
     "become rigid, clinging to routine and resisting any change of plan. The challenge of the "
     "four is about order, patience and steady work. You may feel that your efforts are never "
     "rewarded, or that duties are a burden placed on you unfairly. Learn to plan your tasks, to "
     "finish what you start and to accept that solid results take time. Once you find a balance "
     "between structure and flexibility, you will build something that lasts."},
    {5,
     "Don't be in a hurry. Be tolerant and understanding. The challenge of the five is about "
     "freedom and its proper use. You may crave excitement and variety so much that you jump "
     "from one thing to another without finishing any of them. Restlessness can lead to "
     "overindulgence in food, drink or pleasures of the senses, or to rash decisions you regret "
     "later. At the other extreme, fear of change may keep you in a situation you have outgrown. "
     "Learn to welcome change while keeping your commitments, and your adaptability will become "
     "a real strength."},
    {6,
     "You don't have a broad vision, which makes you think that your own ideals are the only "
     "right ones. You may set standards for yourself and others that nobody can meet, and feel "
     "disappointed or resentful when people fall short of them. This challenge often shows itself "
     "in the family and in close relationships, where you may try to control others for their "
     "own good. Accept that there are many ways to live a good life. Offer help when it is asked "
     "for, and respect the choices of those you love. Tolerance will bring you the harmony you "
     "are looking for."},
    {7,
     "Try to attain peace by learning to see the life as it really is, without retreating into "
     "pride or isolation. The challenge of the seven is about faith and trust. You may feel "
     "different from others and misunderstood, and you may hide behind a reserved or critical "
     "manner. Doubt can make you suspicious of people and of your own intuition. Open yourself to "
     "others and let them see your inner world. Study and reflection serve you well, as long as "
     "they lead you back towards people and not away from them."},
    {8,
     "You have the hunger for achieving money and power. The challenge of the eight is to handle "
     "material matters wisely. You may judge yourself and others by wealth and status, or chase "
     "success so hard that health and relationships suffer. The opposite can also happen: you may "
     "fear money and authority and let chances pass because you feel unworthy of them. Money is "
     "a tool, not a measure of a person's worth. Learn to use power with fairness and "
     "generosity, and your ambition will bring you lasting and honest success."},
};

const char* const kChallengeOrdinals[4] = {"First", "Second", "Third", "Fourth"};

// ----------------------------------------------------------------- Pinnacles

const char kPinnacleDescription[] =
    "Pinnacles represent moments in your life in which you understand the goals that matter "
    "most to you and gather the strength to reach them. Your life is divided into four long "
    "cycles, and each is coloured by its own pinnacle number, worked out from your date of "
    "birth. The first pinnacle lasts from birth into your early thirties, the second and the "
    "third last nine years each, and the fourth stays with you for the rest of your life. When a "
    "new pinnacle begins, you may notice a change in your circumstances, your opportunities and "
    "the kind of people you meet. Knowing the number of each period helps you to meet its "
    "lessons willingly and to make the most of the chances it brings.";

const Row kPinnacle[] = {
    {1,
     "This signifies the period when you will be aiming for independence. You will be asked to "
     "rely on your own abilities and to take the lead in your own affairs. Opportunities come "
     "through initiative, courage and a willingness to try new paths. You may find yourself "
     "working alone or in a position of responsibility sooner than you expected. Obstacles are "
     "there to strengthen your will and your confidence. Avoid stubbornness and impatience with "
     "others, and this pinnacle will leave you with a strong sense of who you are."},
    {2,
     "This signifies the period when you will be aiming to improve your economic life through "
     "patience and cooperation rather than force. Progress comes from working with others, "
     "through partnerships, marriage or team work, and from attention to small details. You will "
     "be more sensitive than usual, and your feelings may be hurt easily. Things move slowly in "
     "this period, and you will need tact and diplomacy to get what you want. Those who are "
     "willing to wait and to listen will see their position grow steadily more secure."},
    {3,
     "This signifies the period when you will want to be happy and express yourself creatively. "
     "Your social life grows, you make friends easily and your talents for writing, speaking, art "
     "or entertainment come to the fore. It is a period of enthusiasm and optimism in which life "
     "feels lighter than before. The danger is that you spread your energy too thinly and leave "
     "many things unfinished. Be careful with money and with promises you cannot keep. If you "
     "give your creativity a clear direction, this pinnacle can bring real recognition."},
    {4,
     "This signifies the period when you will believe in making a strong foundation for "
     "yourself and your family. Hard work, order and discipline are the keys of this pinnacle. "
     "You may have to deal with practical matters such as a home, a business or long-term "
     "savings, and little will come to you without effort. At times the duties may feel heavy "
     "and the rewards slow in coming. Stay patient and methodical, because what you build now "
     "will support you for many years to come."},
    {5,
     "This signifies the period when you will want to achieve freedom. Change is the keynote of "
     "this pinnacle: travel, new people, a move or a new occupation may all come your way. You "
     "will feel restless when life becomes too routine, and you will learn by experience rather "
     "than by instruction. This variety can be exciting and broadening, but it can also be "
     "unsettling if you resist it. Avoid rash decisions and excesses of any kind. Used wisely, "
     "the freedom of this period lets you discover many sides of yourself."},
    {6,
     "This signifies the period when you wish to have peaceful and happy family life. Home, "
     "marriage, children and the care of others take a central place in these years. You will be "
     "called on to take responsibility and to give support to those close to you, and you will "
     "find satisfaction in doing so. This is often a time of marriage or of settling down in a "
     "home of your own. Avoid taking on other people's burdens to the point of neglecting your "
     "own needs. Love and service given freely come back to you many times over."},
    {7,
     "In this period you would like to come to terms with yourself and understand the deeper "
     "meaning of your life. It is a time of study, reflection and spiritual growth, and you may "
     "feel a need for solitude and quiet. Material gains come less easily through striving and "
     "more easily when you trust your intuition. Relationships may seem distant while you are "
     "busy with your inner world. Use the time to specialise, to deepen your knowledge and to "
     "find your own faith. The insight you gain will guide you for the rest of your life."},
    {8,
     "This signifies the period when you will want to achieve success, fame and wealth. "
     "Business, finance and authority are the fields in which this pinnacle works. You will have "
     "the chance to rise to a position of power and to handle large sums of money. Good "
     "judgement, organisation and self-discipline are needed, because carelessness can bring "
     "losses as great as the gains. Balance your material goals with honesty and concern for the "
     "people around you. If you do, this can be one of the most rewarding periods of your life."},
    {9,
     "This signifies the period when you will get into loving and satisfying relationships. Your "
     "heart opens to people far beyond your own circle, and you may feel drawn to humanitarian or "
     "artistic work. It is also a time of completion, when some relationships, jobs or places "
     "that have served their purpose come to an end. Letting go gracefully makes room for "
     "something better. Your compassion and generosity will be tested and rewarded. Give without "
     "expecting anything back, and you will find a deep sense of fulfilment."},
    {11,
     "This signifies the period when you will want to attain enlightenment. The master number "
     "eleven brings heightened intuition, idealism and a strong interest in spiritual matters. "
     "You may feel inspired to teach, to heal or to share a vision with the public, and others "
     "may look to you for guidance. At the same time your nerves will be sensitive, and tension "
     "can build up if you ignore your need for rest. Keep your feet on the ground and turn your "
     "ideals into practical action. This pinnacle can bring recognition for work that uplifts "
     "others."},
    {22,
     "This signifies the period when you want to do something for the mankind. The master "
     "number twenty-two gives you the vision of a dreamer together with the practical skill of a "
     "builder. You may have the chance to take part in projects of great scope, in business, "
     "public service or international work. The pressure is high and the demands on your time "
     "and strength are great. Stay disciplined and avoid using your power for selfish ends. What "
     "you build in this period can benefit many people long after you have moved on."},
};

// Heading texts by value, one column per pinnacle. Each names the age span
// that the pinnacle's own value gives; the third pinnacle's text for 4 ends
// in two blanks.
struct PinnacleHeadings {
  int key;
  const char* text[4];
};
const PinnacleHeadings kPinnacleHeadings[] = {
    {1,
     {"First Pinnacle from age 0-35 years is ", "Second Pinnacle from age 36-44 is ",
      "Third Pinnacle from age 45-53 is ", "Fourth Pinnacle from age 54 & beyond is "}},
    {2,
     {"First Pinnacle from age 0-34 years is ", "Second Pinnacle from age 35-43 is ",
      "Third Pinnacle from age 44-52 is ", "Fourth Pinnacle from age 53 & beyond is "}},
    {3,
     {"First Pinnacle from age 0-33 years is ", "Second Pinnacle from age 34-42 is ",
      "Third Pinnacle from age 43-51 is ", "Fourth Pinnacle from age 52 & beyond is "}},
    {4,
     {"First Pinnacle from age 0-32 years is ", "Second Pinnacle from age 33-41 is ",
      "Third Pinnacle from age 42-50 is  ", "Fourth Pinnacle from age 51 & beyond is "}},
    {5,
     {"First Pinnacle from age 0-31 years is ", "Second Pinnacle from age 32-40 is ",
      "Third Pinnacle from age 41-49 is ", "Fourth Pinnacle from age 50 & beyond is "}},
    {6,
     {"First Pinnacle from age 0-30 years is ", "Second Pinnacle from age 31-39 is ",
      "Third Pinnacle from age 40-48 is ", "Fourth Pinnacle from age 49 & beyond is "}},
    {7,
     {"First Pinnacle from age 0-29 years is ", "Second Pinnacle from age 30-38 is ",
      "Third Pinnacle from age 39-47 is ", "Fourth Pinnacle from age 48 & beyond is "}},
    {8,
     {"First Pinnacle from age 0-28 years is ", "Second Pinnacle from age 29-37 is ",
      "Third Pinnacle from age 38-46 is ", "Fourth Pinnacle from age 47 & beyond is "}},
    {9,
     {"First Pinnacle from age 0-27 years is ", "Second Pinnacle from age 28-36 is ",
      "Third Pinnacle from age 37-45 is ", "Fourth Pinnacle from age 46 & beyond is "}},
    {11,
     {"First Pinnacle from age 0-34 years is ", "Second Pinnacle from age 35-43 is ",
      "Third Pinnacle from age 44-52 is ", "Fourth Pinnacle from age 53 & beyond is "}},
    {22,
     {"First Pinnacle from age 0-32 years is ", "Second Pinnacle from age 33-41 is ",
      "Third Pinnacle from age 42-50 is ", "Fourth Pinnacle from age 51 & beyond is "}},
};

// ---------------------------------------------------------- Life Path periods

const char kPeriodsDescription[] =
    "This number describes the general influences on the life of a person. A life path unfolds "
    "in three long periods, much like the seasons of a year: the growing years, the productive "
    "years and the years of harvest. The number above tells you which of the three periods you "
    "are living in now. Each period has its own number, taken from the month, the day and the "
    "year of your birth, and that number colours the circumstances and the people that come "
    "your way during it. The paragraph that follows describes the overall tone of your life "
    "path, and the three headings below show when each period begins and ends for you and what "
    "it brings.";

const Row kPeriods[] = {
    {1,
     " It's a time of progress. Your life path is driven by ambition, originality and the wish "
     "to stand on your own. Throughout your periods you will be pushed to take the initiative, to "
     "lead and to trust your own ideas. New beginnings come often, and each one asks for courage "
     "and a clear goal. Your greatest growth comes from learning to be self-reliant without "
     "becoming self-centred."},
    {2,
     "Slow and steady wins the race.  This is a period to maintain patience. Your life path is "
     "one of cooperation, partnership and quiet influence rather than open leadership. Much of "
     "your success comes through other people, and your gift for tact and mediation makes you "
     "valued wherever you go. You may feel at times that your efforts go unnoticed, but they are "
     "building a lasting position. Trust the slower rhythm of your path and do not let "
     "sensitivity turn into self-doubt."},
    {3,
     "During this period you will become more mature enough to face new challenges. Your life "
     "path is coloured by self-expression, creativity and joy in living. Words, art and "
     "friendship are the tools with which you meet the world, and your optimism lifts the people "
     "around you. Over the years you learn to give your many talents a clear direction instead "
     "of scattering them. Each period adds depth to your expression, and the later years often "
     "bring the recognition you worked for."},
    {4,
     "It's the time strong hard work. Your life path asks you to build a career, a home and a "
     "solid reputation, step by step. Order, reliability and patience are your strengths, and "
     "people trust you because you do what you promise. Progress may seem slow compared with "
     "others, but it is sure, and little of what you build is lost. Take care not to become "
     "rigid or to work so hard that no room is left for pleasure. Your long second period gives "
     "you ample time to bring your plans to completion."},
    {5,
     "You will experience lots of rapid changes taking in your life during this period. Your "
     "life path is one of freedom, variety and experience. Travel, new people and unexpected "
     "turns keep your life moving, and you learn best by doing rather than by being told. "
     "Routine weighs on you, and you may change jobs, homes or interests more often than most. "
     "The lesson of your path is to use freedom responsibly and to finish what you start. Then "
     "your adaptability and curiosity become real assets."},
    {6,
     "Now it's all about loving your family and taking more responsibilities on your shoulder. "
     "Your life path centres on home, community and care for others. You are the one people turn "
     "to for help, advice and comfort, and you find deep satisfaction in being needed. Marriage, "
     "children and the wellbeing of those close to you are often the main themes of your "
     "periods. Guard against taking on too much or expecting others to live up to your ideals. "
     "Love given without conditions brings you the harmony you long for."},
    {7,
     "This is the period for inner spiritual development. Your life path leads you inward, "
     "towards study, reflection and the search for truth. You have an analytical mind and you "
     "are rarely satisfied with easy answers. Times of solitude are necessary for you and should "
     "not be mistaken for loneliness. Over the years you gather knowledge and wisdom that others "
     "come to value. Learn to trust your intuition and to share what you have found instead of "
     "keeping it to yourself."},
    {8,
     "You are at the breaking point of your career, so you need to work hard. Your life path is "
     "concerned with achievement, authority and the handling of money. You have the drive and the "
     "organising ability to reach a position of influence, and your periods bring repeated "
     "chances to prove it. Success may come after setbacks that teach you resilience and good "
     "judgement. Remember that power is best used for the benefit of others as well as yourself. "
     "A balance between material and spiritual values is the key to lasting success."},
    {9,
     "During this period you will develop feelings for social well-being. Your life path is that "
     "of the humanitarian: compassionate, broad-minded and generous. You feel at home with people "
     "from every walk of life, and you are moved to help wherever you see need. Your periods "
     "often bring endings as well as beginnings, and you learn to let go of what has run its "
     "course. Personal ambition matters less to you than the good you can do. The more you give, "
     "the richer your life becomes."},
    {11,
     "You will learn to grow spiritually. Your life path carries the master number eleven, the "
     "number of intuition, inspiration and vision. You are highly sensitive to people and "
     "atmospheres, and you may have a strong sense of purpose from an early age. Your periods "
     "bring moments of insight that you are meant to share, through teaching, healing, art or "
     "simply example. The intensity of this path can strain your nerves, so you need calm "
     "surroundings and time to recover. When you trust your inner guidance, you become a source "
     "of light for others."},
    {22,
     "You have a mammoth task to achieve. Your life path carries the master number twenty-two, "
     "the master builder, who turns great ideas into concrete results. You have the vision to "
     "see what could be and the practical sense to make it happen on a large scale. Your periods "
     "may bring heavy responsibilities in business, public life or service to others. The "
     "pressure of such a path is great, and you may sometimes feel that you fall short of your "
     "own potential. Work steadily, stay humble and keep the common good in view, and your "
     "achievements can outlast you."},
};

const Row kPeriodDescriptions[] = {
    {1,
     "The first Life Path Period begins at birth (early years). It covers childhood, youth and "
     "early adulthood, when you are still finding out who you are. The number of this period, "
     "taken from your birth month, describes the surroundings you grew up in, the influence of "
     "your parents and the way you first learned to deal with the world. Much of what happens in "
     "these years is shaped by others rather than chosen by you. The habits and beliefs formed "
     "now are the foundation on which the later periods build."},
    {2,
     "The second Life Path Period is our most productive time of life, running roughly from the "
     "late twenties or early thirties into the fifties. Its number, taken from your birth day, "
     "shows the field in which you are likely to build your career, your family and your place "
     "in the community. This is when you use the talents formed in the first period and test "
     "them against real responsibilities. Ambition and effort tend to bring visible results now. "
     "It is also a time for discovering what you truly want from life, rather than what others "
     "expected of you."},
    {3,
     "The third Life Path Period is a time for introspection. It begins in your fifties, or at "
     "sixty for some, and lasts for the rest of your life. Its number, taken from your birth "
     "year, shows the inner qualities that ripen in these years and the way you will use the "
     "experience you have gathered. Outer ambitions usually lose some of their pull, and "
     "questions of meaning, wisdom and inner peace take their place. Many people find in this "
     "period the freedom to follow interests they had to put aside before. What you give back to "
     "others now becomes as important as what you achieved."},
};

// Heading texts of the three periods for Life Path values 1 to 9; 11 and 22
// use the spans of 1.
const char* const kPeriodHeadings[9][3] = {
    {"Life Path Period 1 from age 0 - 26 is ", "Life Path Period 2 from age 27 - 53 is ",
     "Life Path Period 3 from age 54 on is "},
    {"Life Path Period 1 from age 0 - 25 is ", "Life Path Period 2 from age 26 - 52 is ",
     "Life Path Period 3 from age 53 on is "},
    {"Life Path Period 1 from age 0 - 24 is ", "Life Path Period 2 from age 25 - 51 is ",
     "Life Path Period 3 from age 52 on is "},
    {"Life Path Period 1 from age 0 - 23 is ", "Life Path Period 2 from age 24 - 59 is ",
     "Life Path Period 3 from age 60 on is "},
    {"Life Path Period 1 from age 0 - 31 is ", "Life Path Period 2 from age 32 - 58 is ",
     "Life Path Period 3 from age 59 on is "},
    {"Life Path Period 1 from age 0 - 30 is ", "Life Path Period 2 from age 31 - 57 is ",
     "Life Path Period 3 from age 58 on is "},
    {"Life Path Period 1 from age 0 - 29 is ", "Life Path Period 2 from age 30 - 56 is ",
     "Life Path Period 3 from age 57 on is "},
    {"Life Path Period 1 from age 0 - 28 is ", "Life Path Period 2 from age 29 - 55 is ",
     "Life Path Period 3 from age 56 on is "},
    {"Life Path Period 1 from age 0 - 27 is ", "Life Path Period 2 from age 28 - 54 is ",
     "Life Path Period 3 from age 55 on is "},
};

// -------------------------------------------------------------- Personal year

const char kPersonalYearDescription[] =
    "This number describes the pattern of the particular year. Every year you pass through one "
    "stage of a nine-year cycle, and your personal year number tells you which stage the current "
    "calendar year holds for you. It is worked out from your birth day and birth month together "
    "with the current year, and it changes on the first of January. The number shows the kind of "
    "activity that is favoured, the lessons that are likely to come up and the pace at which "
    "things move. Working with the energy of your personal year rather than against it makes "
    "the year easier and more rewarding.";

const Row kPersonalYear[] = {
    {1,
     "It's a perfect time to start any new venture. A personal year one opens a new nine-year "
     "cycle, and the seeds you plant now will grow for years to come. Set clear goals, take the "
     "initiative and do not wait for others to show you the way. You may feel more independent "
     "and ambitious than in recent years, and new openings in work or in your personal life are "
     "likely. Leave behind what belongs to the old cycle. Act with confidence, because "
     "hesitation now slows down the whole cycle."},
    {2,
     "Your patience will be tested. After the push of the year before, a personal year two slows "
     "things down and asks you to wait for your plans to ripen. Cooperation, partnership and "
     "diplomacy bring better results than force. Relationships of every kind become important, "
     "and you may meet someone who plays a key role in your life. You will be more sensitive "
     "than usual, so take care of your feelings and avoid needless quarrels. Attend to details "
     "and let events unfold in their own time."},
    {3,
     "You will get recognition and rewards this year. A personal year three is a year of "
     "self-expression, social life and creativity. Your ideas flow easily, and writing, speaking, "
     "art or any form of communication can bring you attention. Friends and invitations "
     "multiply, and life feels lighter and more enjoyable. Be careful not to scatter your energy "
     "or spend more than you can afford. Enjoy the year, but keep some focus so that your "
     "talents leave something lasting."},
    {4,
     "Focus on your dreams and developments. A personal year four is a year of hard work, "
     "planning and firm foundations. Turn your ideas into practical steps and give attention to "
     "your job, your home, your health and your finances. Progress may feel slow and the "
     "workload heavy, but what you establish now will serve you in the years ahead. Discipline "
     "and organisation are your best friends. Avoid shortcuts, because patient effort is what "
     "this year rewards."},
    {5,
     "Your previous year's hard work will be paid. A personal year five brings change, movement "
     "and freedom after the effort of the year before. Travel, new people and unexpected "
     "opportunities are likely, and you may feel restless for something different. This is a "
     "good time to make the changes you have been considering in your work, your home or your "
     "way of life. Stay flexible, but do not act on impulse or overindulge. Welcome the new "
     "while keeping your commitments in sight."},
    {6,
     "Relationships with family, friends, and co-workers play a key role in a personal year "
     "six. Home and responsibility come to the centre of your life, and others will turn to you "
     "for support and advice. It is a favourable year for marriage, for making your home more "
     "comfortable and for healing strained relationships. You may be asked to care for someone "
     "or to take on duties in your community. Give generously, but do not let the demands of "
     "others swallow your own needs."},
    {7,
     "This is a year of introspection and reflection. A personal year seven invites you to step "
     "back from the rush of daily life and look inward. Study, research, rest and spiritual "
     "practice are favoured over ambitious new projects. You may prefer quiet and a smaller "
     "circle of people, and that is as it should be. Answers come through patience and intuition "
     "rather than effort. Use this year to understand yourself better and to prepare for the "
     "active years that follow."},
    {8,
     "Focus on those tasks, which you are mostly, associated with. A personal year eight is a "
     "year of power, achievement and material results. Career and financial matters move "
     "forward, and the efforts of the past years can now bring recognition, promotion or profit. "
     "Think big, act with confidence and handle money and authority wisely. Be businesslike in "
     "your dealings and fair with the people around you. Success gained at the cost of your "
     "health or your relationships will not last, so keep your balance."},
    {9,
     "Anticipation of future possibilities vanishes from you. A personal year nine completes the "
     "nine-year cycle, and it is about finishing what lies behind you rather than planning what "
     "lies ahead. Relationships, jobs, habits or places that no longer fit you may leave your "
     "life, making room for what the next cycle will bring. Avoid starting major new ventures "
     "now, and finish what is already in hand instead. Compassion, forgiveness and service to "
     "others are richly rewarded this year. Look back over the past nine years with gratitude "
     "before you turn to the new beginning ahead."},
};

// ------------------------------------------------------------- Personal month

const char kPersonalMonthDescription[] =
    "The Personal Month number describes what your lessons are in the present month and where "
    "your attention is best spent. It refines the theme of your personal year, adding a shorter "
    "rhythm that changes with every calendar month. The number is found from your birth day and "
    "birth month together with the current month and year. Read it as a guide to the mood and "
    "the opportunities of the weeks ahead rather than as a fixed prediction. Plans that match "
    "the number of the month tend to move forward more smoothly.";

const Row kPersonalMonth[] = {
    {1,
     "This is a time for new beginnings. In a personal month one the energy is fresh and "
     "forward-looking, and it is a good moment to launch a project, apply for a job or take the "
     "first step towards a goal. Rely on your own judgement and act with determination. Others "
     "may not follow you at once, but your initiative sets things in motion. Avoid impatience "
     "and arrogance, and start the month with a clear plan."},
    {2,
     "You will make new friends. A personal month two favours partnership, cooperation and "
     "quiet progress. People are more open to you, and new friendships or business contacts can "
     "form easily. This is not the month to force decisions; wait, listen and negotiate instead. "
     "Your sensitivity is heightened, so choose your company carefully and let small "
     "disagreements pass. Patience now brings good results later."},
    {3,
     "This is the month of creativity. A personal month three brings inspiration, good humour "
     "and a busy social life. Express your ideas through writing, speaking, art or any hobby you "
     "enjoy, and accept the invitations that come your way. Your charm makes it easy to win "
     "people over. Guard against gossip, idle spending and leaving tasks half done. Let your "
     "creativity flow, but give it at least one clear outlet."},
    {4,
     "Pay attention to legal, property and financial matters. A personal month four is a month "
     "for work, order and practical decisions. Sort out paperwork, contracts, repairs and your "
     "budget, and keep to a steady routine. Progress may feel slow, and you may have little time "
     "for pleasure. Careful planning now prevents problems later. Be thorough and patient, and "
     "the groundwork you lay this month will hold."},
    {5,
     "Leave behind old problems and look at life with fresh eyes this month. A personal month "
     "five brings change, movement and surprises, perhaps a short journey or a new contact who "
     "opens a door. Be ready to adapt your plans at short notice. Your curiosity and energy are "
     "high, but so is the temptation to act rashly or to overindulge. Enjoy the variety while "
     "keeping your feet on the ground."},
    {6,
     "This Month calls for the spirit of willingness. In a personal month six your family, your "
     "home and your close relationships need your attention. Be willing to help, to listen and "
     "to compromise, and harmony will return where there was tension. It is a good month for "
     "work around the house, for showing affection and for settling differences. Do not take on "
     "more responsibility than you can carry. Service given with a good heart brings its own "
     "reward."},
    {7,
     "Listen to your heart, the inner soul. A personal month seven is a quiet month for rest, "
     "study and reflection. You may feel like withdrawing from the crowd, and some time alone "
     "will do you good. Avoid major decisions about money or contracts if you can, and look "
     "inward for answers instead. Reading, meditation or a walk in nature can bring valuable "
     "insights. Trust what your intuition tells you now."},
    {8,
     "Efforts are required to reach the heights of success. A personal month eight favours "
     "business, money and matters of authority. It is a good time to negotiate, to ask for a "
     "promotion or to make important financial decisions. Work hard and show what you can do, "
     "and your efforts are likely to be noticed. Keep your ambition balanced with fairness and "
     "good sense. The results of this month depend on how well you organise yourself."},
    {9,
     "Don't try to stop anything that is coming to an end this month. A personal month nine is a "
     "month of completion, when old situations close and loose ends are tied up. Clear out what "
     "you no longer need, finish pending work and forgive old grievances. Emotions may run high, "
     "and generosity towards others is especially rewarding now. Hold back on new starts until "
     "next month, when a fresh cycle begins."},
};

// --------------------------------------------------------------- Personal day

const char kPersonalDayDescription[] =
    "What you think, imagine and do during the day sets the tone for the days that follow. Your "
    "personal day number shows the kind of energy that surrounds you today, worked out from your "
    "birth day and birth month together with today's date. It is the shortest of the personal "
    "cycles and changes every day, so it is best used for small choices: when to start a task, "
    "when to rest and when to reach out to others. Over a month you will notice that days with "
    "the same number feel alike. Let the number guide how you spend your day rather than decide "
    "what you must do.";

const Row kPersonalDay[] = {
    {1,
     "Personal day is an excellent occasion to think about self and to take the first step on "
     "something new. A personal day one is full of initiative and drive, so make decisions, "
     "start tasks and speak up for your ideas. You will work best on your own today. Avoid being "
     "impatient or bossy with others. What you begin today has a good chance of success."},
    {2,
     "Accept anything that comes your way with patience and an open mind. A personal day two is "
     "gentle and cooperative, better suited to listening than to pushing ahead. It is a good day "
     "for teamwork, for mending a relationship or for attending to details. Your feelings may be "
     "tender, so do not take small remarks to heart. Let others take the lead and offer them "
     "your support."},
    {3,
     "It is a nice day for some cool fun. A personal day three brings good humour, sociability "
     "and creative ideas. Meet friends, make calls, write or pursue a hobby you enjoy. You "
     "express yourself easily today, and people respond warmly to you. Take care not to waste "
     "time or money on trifles. Enjoy the lighter side of life while it lasts."},
    {4,
     "The 4 Personal Day is the occasion to craft something solid through steady effort. Today "
     "favours work, routine and practical tasks such as paperwork, cleaning, repairs and "
     "planning. Make a list and work through it one item at a time. Little happens by chance on "
     "a four day, and shortcuts tend to cause trouble. By evening you will be glad of what you "
     "have accomplished."},
    {5,
     "Change, tour, renovation, and feeling free are all part of a personal day five. Expect the "
     "unexpected and be ready to change your plans. It is a good day for travel, for meeting new "
     "people and for trying something you have never done before. Your mind is quick but "
     "restless, so avoid rash decisions and excesses. Keep things flexible and enjoy the "
     "variety."},
    {6,
     "6 is the number of balance, harmony and care for others. A personal day six turns your "
     "attention to home, family and friends. It is a good day for household tasks, for visiting "
     "someone who needs you or for settling a disagreement. Be helpful, but do not interfere "
     "where you are not wanted. Kindness shown today strengthens your closest bonds."},
    {7,
     "Maintaining cool is the key to this day. A personal day seven is quiet and reflective, and "
     "it rewards calm rather than action. Spend some time alone, read, study or meditate, and let "
     "your thoughts settle. Your intuition is sharp, so pay attention to hunches and dreams. "
     "Avoid arguments and important financial dealings. The insight gained today can guide you "
     "for a long time."},
    {8,
     "The power of the 8-day is victory. A personal day eight favours business, finance and "
     "decisions that need authority. It is a good day to sign agreements, to negotiate or to "
     "present your work to people who matter. Act with confidence and efficiency, and keep an "
     "eye on practical results. Be fair in your dealings and do not let ambition make you hard "
     "on others. Your efforts today can bring a tangible reward."},
    {9,
     "If others need what you have, then share it willingly, because a personal day nine is "
     "about generosity and completion. Finish the tasks that have been waiting, tidy up and let "
     "go of what you no longer need. Your compassion is strong today, and helping someone brings "
     "you real satisfaction. It is not the best day to begin something new. Close the chapter "
     "gracefully and make room for a fresh start tomorrow."},
};

// -------------------------------------------------------------------- Essence

const char kEssenceDescription[] =
    "This particular number indicates the possibilities that may arise at the present stage of "
    "your life. It is built from the letters of your first, middle and last names, each of "
    "which passes through your life one letter at a time, every letter lasting as many years as "
    "its number. The letters that are active at your current age are added together into one "
    "number, the essence. It describes the experiences, lessons and opportunities of these "
    "years, and it changes whenever one of the active letters gives way to the next. Read it "
    "together with your personal year to see how the long and the short cycles of your life "
    "meet.";

const Row kEssence[] = {
    {1,
     "This is a year of new beginnings. An essence of one opens a period in which you stand more "
     "on your own and follow your own direction. Independence, ambition and new projects mark "
     "these years, and you may have to make important decisions without outside help. Your "
     "confidence grows as you see what you can achieve alone. Beware of becoming impatient or "
     "dismissive of the ideas of others. It is a time to lead and to be true to yourself."},
    {2,
     "This is good year for staring something new and completing all pending tasks. An essence "
     "of two makes you more aware of other people and more dependent on their goodwill. "
     "Partnerships, marriage and close friendships are in the foreground, and success comes "
     "through cooperation rather than competition. You will be more sensitive and intuitive than "
     "usual. Be patient with the slow pace of events and attend to the details that others "
     "overlook. Tact and kindness open the doors you need."},
    {3,
     "Many joyful moments are ahead during this very period. An essence of three favours "
     "self-expression, creativity and a lively social life. Your talents for writing, speaking, "
     "art or entertainment can flourish, and friends play a large part in your happiness. You "
     "feel optimistic and young at heart. Guard against scattering your energy or spending too "
     "freely. Give your creative gifts a direction and they can bring real rewards."},
    {4,
     "This is the ideal time to lay down very strong foundation for the future. An essence of "
     "four calls for hard work, order and practical effort. You may be busy with your career, a "
     "home or your finances, and progress comes step by step. Duties can feel heavy and "
     "pleasures few, but your reliability earns respect. Keep to a plan and look after your "
     "health. The structures you build now will support you for years."},
    {5,
     "During this period you will try to start new things with some unique ideas. An essence of "
     "five brings change, travel and a hunger for freedom and experience. Routine will feel "
     "confining, and you may change your work, your home or your way of life. New people and "
     "unexpected opportunities keep life exciting. Be careful not to act on impulse or to "
     "overindulge in pleasures. Used wisely, the changes of these years broaden your horizons."},
    {6,
     "You will become more responsible towards you family. An essence of six centres your life "
     "on home, love and service. Marriage, children, parents or your community may call on your "
     "time and care, and you find fulfilment in being useful. It is a favourable period for "
     "settling down and for creating beauty and comfort around you. Avoid meddling in the "
     "affairs of others or taking on burdens that are not yours. Love freely given brings "
     "harmony to your home."},
    {7,
     "This is a time of inner reflection and contemplation. An essence of seven turns you "
     "towards study, research and the search for meaning. You may withdraw from social life for a "
     "while and prefer quiet surroundings. Material matters can move slowly, and plans may seem "
     "delayed. This is a time to develop your mind and your spiritual understanding rather than "
     "to chase outward success. The wisdom you gain now stays with you."},
    {8,
     "Don't worry, the time has come and you will get the rewards for the efforts you have made. "
     "An essence of eight brings opportunities in business, finance and positions of authority. "
     "Your ambition and your ability to organise are at their strongest, and you can achieve a "
     "great deal. Money and power must be handled with good judgement and fairness. Keep a "
     "balance between work and the people you love, and your success will last."},
    {9,
     "During this particular period, there can emotional moments for you ahead. An essence of "
     "nine is a time of completion, when chapters of your life close and you let go of what has "
     "served its purpose. Endings may be painful, but they make room for a new beginning. Your "
     "compassion and understanding grow, and you may feel drawn to help others or to serve a "
     "larger cause. Travel and contact with people from other backgrounds broaden your outlook. "
     "Generosity and forgiveness make this period rich."},
    {11,
     "This is a period of deeper mysticism and possibly even leadership. An essence of the "
     "master number eleven sharpens your intuition and draws you towards spiritual and idealistic "
     "pursuits. You may feel inspired to teach, to heal or to share a vision, and others may look "
     "to you for guidance. Your nerves are more sensitive than usual, so rest and calm "
     "surroundings are important. Stay practical and do not lose yourself in dreams. Insight and "
     "inspiration are the gifts of these years."},
    {22,
     "You will taste the success and will have fun with your friends and family. An essence of "
     "the master number twenty-two gives you the energy to turn big ideas into reality. Projects "
     "of wide scope, in business or in service to others, can succeed under your guidance. Your "
     "practical skill and your vision work together in these years. The demands on you are "
     "great, so share the load with the people around you and keep time for them. What you build "
     "now can benefit many."},
};

// -------------------------------------------------------- Planes of expression

const char kPersonalAspectsDescription[] =
    "These numbers shows a person's temperament and expression. Every letter of your name "
    "belongs to one of four planes of expression: the mental plane of the mind, the physical "
    "plane of the body, the emotional plane of the heart and the intuitive plane of the spirit. "
    "Counting how many letters of your full name fall into each plane shows how you prefer to "
    "experience the world and to respond to it. Each plane is given as a share of your name and "
    "rated weak, average or strong, and the plane with the largest share is the one you lean "
    "towards most. No plane is better than another: a balanced spread shows versatility, while "
    "a strong plane shows where your natural talents lie.";

// By PlaneBlock: Physical, Mental, Emotional, Intuitive.
const Row kPlaneHeadings[] = {
    {PhysicalPlane, "Plane of expression: Physical (body):"},
    {MentalPlane, "Planes of expression: Mental (mind): "},
    {EmotionalPlane, "Plane of Expression: Emotional (heart): "},
    {IntuitivePlane, "Plane of Expression: Intuitive (spirit):"},
};

const Row kPlanes[] = {
    {PhysicalPlane,
     "Physical Plane of Expression tells how you react and can adjust to the material world "
     "through your body and your senses. It shows how practical you are, how much you trust what "
     "you can see and touch, and how well you cope with the everyday tasks of life. A strong "
     "physical plane points to a down-to-earth person with stamina, common sense and a talent "
     "for making things work. A weak one suggests that you prefer ideas, feelings or intuition to "
     "practical matters, and that you may need to pay more attention to your health and your "
     "surroundings. Your physical rating above shows how much of your name falls on this "
     "plane."},
    {MentalPlane,
     "Mental Plane of Expression describes your thought process and the way you approach "
     "problems. It reflects your intellect, your logic and your capacity to plan, analyse and "
     "communicate ideas. A strong mental plane shows a quick, organised mind that likes to "
     "understand things before acting, and often a talent for leadership, business or study. A "
     "weak mental plane does not mean a lack of intelligence; it means that you rely more on "
     "feeling, experience or instinct than on reasoning. Your mental rating above shows how much "
     "of your name falls on this plane."},
    {EmotionalPlane,
     "Your heart rules your emotional senses. The emotional plane shows how strongly feelings "
     "guide your choices and how you express them. People with a strong emotional plane are "
     "warm, imaginative and sympathetic, often drawn to art, music or caring for others, but "
     "they can be carried away by their moods. A weak emotional plane suggests a more reserved "
     "nature that keeps its feelings private and prefers to act on reason or facts. Learning to "
     "recognise your feelings and to express them honestly brings balance to this plane. Your "
     "emotional rating above shows how much of your name falls on this plane."},
    {IntuitivePlane,
     "This plane reveals how sensitive you are about your inner self. It describes your "
     "intuition, your insight and your openness to spiritual and religious questions. A strong "
     "intuitive plane gives you a sixth sense for people and situations, vivid dreams and a "
     "natural interest in the unseen side of life. A weak intuitive plane shows that you trust "
     "facts and experience more than hunches, which keeps you grounded but may make you miss "
     "subtle signals. Quiet moments, meditation and attention to your first impressions can "
     "strengthen this plane. Your intuitive rating above shows how much of your name falls on "
     "this plane."},
};

// ---------------------------------------------------------- Opening words

struct Opening {
  const char* number;
  int key;
  const char* words;
};

// The words each text opens with, spelt exactly as the sections print them.
const Opening kOpenings[] = {
    {Challenge, GeneralDescription,
     "This number indicates what you must understand and learn in the various"},
    {Challenge, 0, "There is no consistent challenge during this period in particular."},
    {Challenge, 1, "You are expected to learn to be independent."},
    {Challenge, 2, "You are very sensitive person and this may cause fear,"},
    {Challenge, 3, "Don't try to run away from your own individuality."},
    {Challenge, 4, "Sometimes you tend to be disorganized."},
    {Challenge, 5, "Don't be in a hurry. Be tolerant and understanding."},
    {Challenge, 6, "You don't have a broad vision, which makes you think"},
    {Challenge, 7, "Try to attain peace by learning to see the life"},
    {Challenge, 8, "You have the hunger for achieving money and power."},

    {Pinnacle, GeneralDescription,
     "Pinnacles represent moments in your life in which you understand the goals"},
    {Pinnacle, 1, "This signifies the period when you will be aiming for independence."},
    {Pinnacle, 2,
     "This signifies the period when you will be aiming to improve your economic life"},
    {Pinnacle, 3,
     "This signifies the period when you will want to be happy and express yourself "
     "creatively."},
    {Pinnacle, 4, "This signifies the period when you will believe in making a strong foundation"},
    {Pinnacle, 5, "This signifies the period when you will want to achieve freedom."},
    {Pinnacle, 6, "This signifies the period when you wish to have peaceful and happy family life."},
    {Pinnacle, 7, "In this period you would like to come to terms with yourself"},
    {Pinnacle, 8,
     "This signifies the period when you will want to achieve success, fame and wealth."},
    {Pinnacle, 9,
     "This signifies the period when you will get into loving and satisfying relationships."},
    {Pinnacle, 11, "This signifies the period when you will want to attain enlightenment."},
    {Pinnacle, 22, "This signifies the period when you want to do something for the mankind."},
    {PinnacleThird, 3,
     "This signifies the period when you will want to be happy and express yourself "
     "creatively."},

    {LifePathPeriods, GeneralDescription,
     "This number describes the general influences on the life of a person."},
    {LifePathPeriods, 1, " It's a time of progress."},
    {LifePathPeriods, 2, "Slow and steady wins the race.  This is a period to maintain patience."},
    {LifePathPeriods, 3,
     "During this period you will become more mature enough to face new challenges."},
    {LifePathPeriods, 4, "It's the time strong hard work."},
    {LifePathPeriods, 5,
     "You will experience lots of rapid changes taking in your life during this period."},
    {LifePathPeriods, 6,
     "Now it's all about loving your family and taking more responsibilities on your shoulder."},
    {LifePathPeriods, 7, "This is the period for inner spiritual development."},
    {LifePathPeriods, 8, "You are at the breaking point of your career, so you need to work hard."},
    {LifePathPeriods, 9, "During this period you will develop feelings for social well-being."},
    {LifePathPeriods, 11, "You will learn to grow spiritually."},
    {LifePathPeriods, 22, "You have a mammoth task to achieve."},
    {PeriodDescription, 1, "The first Life Path Period begins at birth (early years)."},
    {PeriodDescription, 2, "The second Life Path Period is our most productive time of life"},
    {PeriodDescription, 3, "The third Life Path Period is a time for introspection."},

    {PersonalYear, GeneralDescription, "This number describes the pattern of the particular year."},
    {PersonalYear, 1, "It's a perfect time to start any new venture."},
    {PersonalYear, 2, "Your patience will be tested."},
    {PersonalYear, 3, "You will get recognition and rewards this year."},
    {PersonalYear, 4, "Focus on your dreams and developments."},
    {PersonalYear, 5, "Your previous year's hard work will be paid."},
    {PersonalYear, 6, "Relationships with family, friends, and co-workers play a key role"},
    {PersonalYear, 7, "This is a year of introspection and reflection."},
    {PersonalYear, 8, "Focus on those tasks, which you are mostly, associated with."},
    {PersonalYear, 9, "Anticipation of future possibilities vanishes from you."},

    {PersonalMonth, GeneralDescription,
     "The Personal Month number describes what your lessons are"},
    {PersonalMonth, 1, "This is a time for new beginnings."},
    {PersonalMonth, 2, "You will make new friends."},
    {PersonalMonth, 3, "This is the month of creativity."},
    {PersonalMonth, 4, "Pay attention to legal, property and financial matters."},
    {PersonalMonth, 5, "Leave behind old problems and look at life"},
    {PersonalMonth, 6, "This Month calls for the spirit of willingness."},
    {PersonalMonth, 7, "Listen to your heart, the inner soul."},
    {PersonalMonth, 8, "Efforts are required to reach the heights of success."},
    {PersonalMonth, 9, "Don't try to stop anything"},

    {PersonalDay, GeneralDescription, "What you think, imagine and do during the day sets"},
    {PersonalDay, 1, "Personal day is an excellent occasion to think about self"},
    {PersonalDay, 2, "Accept anything that comes your way"},
    {PersonalDay, 3, "It is a nice day for some cool fun."},
    {PersonalDay, 4, "The 4 Personal Day is the occasion to craft"},
    {PersonalDay, 5, "Change, tour, renovation, and feeling free are all part"},
    {PersonalDay, 6, "6 is the number of balance,"},
    {PersonalDay, 7, "Maintaining cool is the key to this day."},
    {PersonalDay, 8, "The power of the 8-day is victory."},
    {PersonalDay, 9, "If others need what you have, then share it willingly,"},

    {Essence, GeneralDescription, "This particular number indicates the possibilities that may arise"},
    {Essence, 1, "This is a year of new beginnings."},
    {Essence, 2, "This is good year for staring something new and completing all pending tasks."},
    {Essence, 3, "Many joyful moments are ahead during this very period."},
    {Essence, 4, "This is the ideal time to lay down very strong foundation for the future."},
    {Essence, 5, "During this period you will try to start new things with some unique ideas."},
    {Essence, 6, "You will become more responsible towards you family."},
    {Essence, 7, "This is a time of inner reflection and contemplation."},
    {Essence, 8, "Don't worry, the time has come and you will get the rewards"},
    {Essence, 9, "During this particular period, there can emotional moments for you ahead."},
    {Essence, 11, "This is a period of deeper mysticism and possibly even leadership."},
    {Essence, 22, "You will taste the success and will have fun with your friends and family."},

    {Plane, GeneralDescription, "These numbers shows a person's temperament and expression."},
    {Plane, PhysicalPlane, "Physical Plane of Expression tells how you react and can adjust"},
    {Plane, MentalPlane, "Mental Plane of Expression describes your thought process"},
    {Plane, EmotionalPlane, "Your heart rules your emotional senses."},
    {Plane, IntuitivePlane, "This plane reveals how sensitive you are about your inner self."},
};

}  // namespace

// ---------------------------------------------------------------- Challenges

QString challengeTitle() { return QStringLiteral("Challenge Number"); }
QString challengeFirstLine() { return QStringLiteral("Your Challenge Numbers are: "); }
QString challengeDescription() { return QString::fromUtf8(kChallengeDescription); }
QString challengeText(int key) { return find(kChallenge, key); }

QString challengeHeading(int challenge, int key) {
  if (challenge < 1 || challenge > 4 || key < 0 || key > 8) return QString();
  return QLatin1String(kChallengeOrdinals[challenge - 1]) +
         QLatin1String(" Challenge Number is ") + QString::number(key);
}

// ----------------------------------------------------------------- Pinnacles

QString pinnacleTitle() { return QStringLiteral("Pinnacle Phases"); }
QString pinnacleDescription() { return QString::fromUtf8(kPinnacleDescription); }
QString pinnacleText(int key) { return find(kPinnacle, key); }

QString pinnacleThirdRowThree() {
  QString text = pinnacleText(3);
  const QLatin1String joined("creatively.");
  const int at = text.indexOf(joined);
  if (at >= 0 && text.size() > at + joined.size() && text.at(at + joined.size()) == u' ')
    text.remove(at + joined.size(), 1);
  return text;
}

QString pinnacleParagraph(int pinnacle, int key) {
  if (pinnacle < 1 || pinnacle > 4) return QString();
  if (pinnacle == 3 && key == 3) return pinnacleThirdRowThree();
  QString text = pinnacleText(key);
  if (pinnacle == 3 && key == 1) text += kCrLf;
  return text;
}

QString pinnacleHeadingText(int pinnacle, int key) {
  if (pinnacle < 1 || pinnacle > 4) return QString();
  for (const PinnacleHeadings& row : kPinnacleHeadings) {
    if (row.key == key) return QLatin1String(row.text[pinnacle - 1]);
  }
  return QString();
}

// ---------------------------------------------------------- Life Path periods

QString periodsTitle() { return QStringLiteral("LifePath Periods"); }
QString periodsHeading() { return QStringLiteral("Your Current LifePath Period Number is: "); }
QString periodsDescription() { return QString::fromUtf8(kPeriodsDescription); }
QString periodsText(int lifePath) { return find(kPeriods, lifePath); }
QString periodDescription(int period) { return find(kPeriodDescriptions, period); }

QString periodHeadingText(int period, int lifePath) {
  if (period < 1 || period > 3) return QString();
  if (lifePath == 11 || lifePath == 22) lifePath = 1;
  if (lifePath < 1 || lifePath > 9) return QString();
  return QLatin1String(kPeriodHeadings[lifePath - 1][period - 1]);
}

// ------------------------------------------------ Personal year, month, day

QString personalYearTitle() { return QStringLiteral("Personal Year"); }
QString personalYearHeading() { return QStringLiteral("Your Personal Year is: "); }
QString personalYearDescription() { return QString::fromUtf8(kPersonalYearDescription); }
QString personalYearText(int key) { return find(kPersonalYear, key); }

QString personalMonthTitle() { return QStringLiteral("Personal Month"); }
QString personalMonthHeading() { return QStringLiteral("Your Personal Month Number is: "); }
QString personalMonthDescription() { return QString::fromUtf8(kPersonalMonthDescription); }
QString personalMonthText(int key) { return find(kPersonalMonth, key); }

QString personalDayTitle() { return QStringLiteral("Personal Day"); }
QString personalDayHeading() { return QStringLiteral("Your Personal Day is:"); }
QString personalDayDescription() { return QString::fromUtf8(kPersonalDayDescription); }
QString personalDayText(int key) { return find(kPersonalDay, key); }

// -------------------------------------------------------------------- Essence

QString essenceTitle() { return QStringLiteral("Essence"); }
QString essenceHeading() { return QStringLiteral("Your Essence Number is: "); }
QString essenceDescription() { return QString::fromUtf8(kEssenceDescription); }
QString essenceText(int key) { return find(kEssence, key); }

// -------------------------------------------------------- Planes of expression

QString personalAspectsTitle() { return QStringLiteral("Personal Aspects"); }
QString personalAspectsDominantLine() {
  return QStringLiteral("Your Planes of Expression is towards ");
}
QString personalAspectsListLine() { return QStringLiteral("Your Personal Aspects: "); }
QString personalAspectsDescription() { return QString::fromUtf8(kPersonalAspectsDescription); }
QString planeHeading(int block) { return find(kPlaneHeadings, block); }
QString planeText(int block) { return find(kPlanes, block); }

// ------------------------------------------------------------ One view

QString textFor(const QString& number, int key) {
  struct Entry {
    const char* number;
    QString (*description)();
    QString (*text)(int);
  };
  static const Entry entries[] = {
      {Challenge, challengeDescription, challengeText},
      {Pinnacle, pinnacleDescription, pinnacleText},
      {LifePathPeriods, periodsDescription, periodsText},
      {PeriodDescription, nullptr, periodDescription},
      {PersonalYear, personalYearDescription, personalYearText},
      {PersonalMonth, personalMonthDescription, personalMonthText},
      {PersonalDay, personalDayDescription, personalDayText},
      {Essence, essenceDescription, essenceText},
      {Plane, personalAspectsDescription, planeText},
  };
  if (number == QLatin1String(PinnacleThird))
    return key == 3 ? pinnacleThirdRowThree() : QString();
  for (const Entry& entry : entries) {
    if (number != QLatin1String(entry.number)) continue;
    if (key == GeneralDescription)
      return entry.description ? entry.description() : QString();
    return entry.text(key);
  }
  return QString();
}

const QVector<OpeningWords>& openingWords() {
  static const QVector<OpeningWords> table = [] {
    QVector<OpeningWords> rows;
    rows.reserve(int(std::size(kOpenings)));
    for (const Opening& o : kOpenings)
      rows.append({QLatin1String(o.number), o.key, QString::fromUtf8(o.words)});
    return rows;
  }();
  return table;
}

}  // namespace NumberTextsTwo
