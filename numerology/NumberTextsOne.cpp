#include "numerology/NumberTextsOne.h"

#include <cstddef>
#include <iterator>

namespace NumberTextsOne {
namespace {

// One row of a table: its key and the pieces of its text, joined with CR LF
// when there are several. Unused pieces stay null.
struct Row {
  int key;
  const char* pieces[4];
};

// The paragraphs the H/P Bridge and the L/E Bridge share for 6, 7 and 8.
const char kFamilyTime[] =
    "You need to spend some good time with your family. Home and close relationships are where "
    "your heart and your outer life meet. Show more warmth and responsibility towards those you "
    "love, and accept their care in return. Time given to the people closest to you is never "
    "wasted. Harmony at home will bring harmony within.";
const char kTimeAlone[] =
    "You may need to spend more time alone and think about matters that concern your inner life. "
    "Reflection will help you understand what you truly want. Do not rush to please others at the "
    "expense of your own truth. Study and quiet contemplation will bring clarity. Trust your "
    "intuition to guide your choices.";
const char kEveryStep[] =
    "Don't try to find short cuts; you have to climb every step of the ladder yourself. Your inner "
    "ambitions and your outward behaviour come together through patient effort. Take charge of "
    "your affairs with good judgement. Balance material goals with care for others. Honest hard "
    "work will bring you both success and peace of mind.";

// The Soul Urge and the H/P Bridge share their general description.
const char kHeartAndMind[] =
    "This number tries to close the gap between how you think and what your heart truly desires. "
    "It shows the inner wishes that drive your choices and helps you bring your heart and your "
    "mind into agreement.";

const char kNotValidForName[] = "This number is not valid for this name.";

// ---- Life Path, by number
const char kLifePathDescription[] =
    "This is one of the most important numbers. Sometimes it is also called the Life Direction "
    "Number. It is worked out from your full date of birth and shows the road you are meant to "
    "travel, the lessons you will meet on it and the gifts you bring with you. Knowing it helps "
    "you recognise the opportunities that suit your nature and the challenges that keep returning "
    "until they are mastered.";
const Row kLifePathRows[] = {
    {1,
     {"Your main purpose should be attaining independency. You are a natural pioneer who prefers "
      "to lead rather than follow, and you feel most alive when you start something new on your "
      "own terms. Determination and courage carry you through obstacles that would stop others. "
      "Your challenge is to stay open to advice and not to become impatient or domineering with "
      "the people who work beside you. When you learn to trust yourself without shutting others "
      "out, your originality can open doors for many."}},
    {2,
     {"Usually you are creative and follow certain protocols. You are a diplomat and a peacemaker "
      "at heart, sensitive to moods and able to bring opposing sides together. Partnerships and "
      "cooperation bring out the best in you, and you often do your finest work quietly in the "
      "background. Be careful not to lose yourself in pleasing others or to hold back your own "
      "opinions for the sake of calm. Your patience and tact are real strengths that the world "
      "needs."}},
    {3,
     {"You are entertainers, optimists and very creative. Words, art, music and humour come easily "
      "to you, and you have a gift for lifting the spirits of everyone around you. Your life path "
      "asks you to express yourself and to share your joy openly. The danger lies in scattering "
      "your energy across too many projects or hiding your worries behind a cheerful face. With "
      "focus and discipline, your talent for communication can bring you both success and lasting "
      "friendships."}},
    {4,
     {"The Life Path 4 produces the most reliable, practical, and hard-working people of all the "
      "numbers. You build slowly and carefully, laying firm foundations for your family, your work "
      "and your future. Order, honesty and a sense of duty guide your choices, and others depend "
      "on your steady nature. You may become rigid or overly cautious when plans change suddenly, "
      "so leave room for flexibility. Your patience ensures that what you build will last."}},
    {5,
     {"Generally people with 5 are very multitalented, bold, and progressive. You love freedom, "
      "travel and variety, and you learn best through direct experience. Change does not frighten "
      "you; routine is what you find hardest to bear. Your path teaches you to use your freedom "
      "wisely and to avoid the excess or restlessness that leaves tasks unfinished. When you "
      "commit to something that truly interests you, your energy and quick mind make you a strong "
      "and inspiring force."}},
    {6,
     {"The Life Path 6 indicates that you have a strong sense of responsibility towards your home, "
      "your family and your community. You are caring, protective and ready to help whenever "
      "someone is in need. Beauty and harmony matter to you, and you have a talent for creating a "
      "warm and welcoming atmosphere. Guard against carrying other people's burdens to the point "
      "of exhaustion or trying to steer their choices. Your love is greatest when it also leaves "
      "others free to grow."}},
    {7,
     {"You tend to be calm and affectionate by nature. At the same time you are a thinker and a "
      "seeker who wants to understand the deeper truth behind everything. Study, reflection and "
      "time alone are essential to your well-being, and you trust knowledge more than appearances. "
      "Others may find you reserved or hard to read, so make an effort to share your feelings with "
      "those close to you. Your wisdom grows with the years and can become a guide for many."}},
    {8,
     {"You are very materialistic and are focused on learning how power and money work in the "
      "world. Ambition, organisation and good judgement give you a natural talent for business and "
      "leadership. You are able to turn ideas into results and are not afraid of responsibility. "
      "Your lesson is to balance material success with generosity and to use authority fairly. "
      "When you do, your achievements bring security not only to you but also to the people who "
      "depend on you."}},
    {9,
     {"People with number 9 are generous, loving and have a broad view of the world. You are moved "
      "by the suffering of others and feel drawn to causes that serve humanity as a whole. "
      "Artistic and spiritual interests often run deep in you. Your path asks you to give without "
      "expecting reward and to let go gracefully of what has ended. By learning to forgive and "
      "release the past, you find the fulfilment that comes from making a real difference."}},
    {11,
     {"This is a master number and is associated with spiritual awareness. You are highly "
      "intuitive, idealistic and sensitive, often sensing things before they are spoken. Many "
      "people on this path feel called to inspire, teach or heal others. The high energy of the "
      "number can also bring nervous tension and self-doubt, so you need rest and a calm "
      "environment. When you trust your inner voice, you can become a source of light and "
      "encouragement for those around you."}},
    {22,
     {"The number 22 is the most powerful of all the Life Path numbers and is known as the Master "
      "Builder. You combine great vision with the practical skill to make your dreams real on a "
      "large scale. Projects that benefit many people, such as institutions, businesses or lasting "
      "works, suit you best. The pressure of such potential can feel heavy, and you may doubt "
      "yourself or aim too low. With patience and steady effort you can achieve more than almost "
      "any other number."}},
};

// ---- Birthday, by day of the month
const char kBirthdayDescription[] =
    "This describes what may happen in your middle years. It also tells you about the various "
    "talents you possess.";
const Row kBirthdayRows[] = {
    {1,
     {"People associated with 1 prefer their uniqueness. You are independent, driven and full of "
      "original ideas, and you like to be the first to try something new. Leadership comes "
      "naturally to you, especially when a situation calls for quick decisions. Watch a tendency "
      "towards stubbornness or impatience with slower people. In your middle years your "
      "self-reliance is likely to bring you recognition for what you have built on your own."}},
    {2,
     {"Generally people having number 2 love to keep peaceful relations. You are gentle, tactful "
      "and sensitive to the feelings of others, which makes you an excellent partner and mediator. "
      "You work best in a team and often notice details that others miss. Criticism can hurt you "
      "more than it should, so learn to value your own judgement. Your talent for cooperation will "
      "open many doors in your middle years."}},
    {3,
     {"People having 3, are very creative, social, charming, and blessed with a lively "
      "imagination. You express yourself easily in words, art or performance and enjoy being among "
      "people. Your optimism is infectious and helps others through difficult times. Try not to "
      "spread your talents too thinly or to leave projects half finished. When you focus your "
      "gifts, your middle years can bring real creative success."}},
    {4,
     {"4s are known for their sensible nature. You are practical, methodical and dependable, and "
      "you prefer a clear plan to vague promises. Hard work does not frighten you, and you take "
      "pride in doing a job properly. At times you may resist change or be too strict with "
      "yourself and others. Your steady effort tends to pay off in your middle years with security "
      "and respect."}},
    {5,
     {"People with number 5 as their birthday, are diehard adventurers. You crave variety, travel "
      "and new experiences, and you adapt quickly to any situation. Your quick wit and curiosity "
      "make you a lively companion and a persuasive speaker. Routine and restriction can make you "
      "restless, so choose work that gives you room to move. In your middle years your versatility "
      "can lead you in unexpected and rewarding directions."}},
    {6,
     {"A happy and loving family association is important to you. You are warm, responsible and "
      "protective, and people naturally turn to you for comfort and advice. You have an eye for "
      "beauty and a talent for making any place feel like home. Be careful not to take on more "
      "than your share of other people's problems. Your middle years are likely to centre on "
      "family, community and the care you give."}},
    {7,
     {"You are technically sound and make grand researchers, analysts and specialists. Your mind "
      "is sharp and questioning, and you are rarely satisfied with answers that only scratch the "
      "surface. You need quiet time to think and may appear reserved to people who do not know you "
      "well. Learning to trust others and to share your thoughts will enrich your relationships. "
      "In your middle years your expertise can earn you a respected place in your field."}},
    {8,
     {"8s can solve almost all problems that come through their way with strength and good "
      "judgement. You have natural business sense, ambition and the ability to organise people and "
      "resources. Success and status matter to you, and you are willing to work hard for them. "
      "Keep a balance between work and private life, and do not judge yourself only by material "
      "results. Your middle years may bring authority, prosperity and the chance to lead."}},
    {9,
     {"You are extremely charming, caring and entertaining by nature. Your generosity and broad "
      "outlook draw people from every walk of life to you. You feel deeply for others and are "
      "often drawn to artistic or humanitarian work. Letting go of the past can be hard for you, "
      "yet it is one of your key lessons. In your middle years your compassion can find an outlet "
      "that touches many lives."}},
    {10,
     {"You are ambitious, skilled and creative. You have the drive of the number one together with "
      "the staying power to finish what you start. Independence is important to you, and you "
      "prefer to find your own way rather than follow instructions. Be careful that your "
      "determination does not turn into impatience with others. Your middle years often bring the "
      "reward of goals you set for yourself long before."}},
    {11,
     {"You make a perfect visionary. Your intuition is strong, and you often sense what others "
      "feel before they say it. You are idealistic and can inspire people with your ideas and your "
      "sensitivity. Nervous energy and self-doubt may trouble you, so give yourself time to rest "
      "and recover. In your middle years your insight can guide others and lift your own life to a "
      "higher level."}},
    {12,
     {"Your nature allows you to bounce back rapidly from setbacks, and your good humour rarely "
      "deserts you for long. You are creative, expressive and able to see a situation from many "
      "angles. People enjoy your company and value your imaginative way of solving problems. Try "
      "to keep your emotions and your spending in balance. Your middle years can bring success in "
      "any field where creativity is welcome."}},
    {13,
     {" People with 13 in their pocket are very honest and hard working. You have a practical mind "
      "and a real gift for turning plans into solid results. Order and structure help you do your "
      "best work, though you also have a creative streak. Do not let frustration make you give up "
      "when progress is slow. Your persistence is likely to be richly rewarded in your middle "
      "years."}},
    {14,
     {"14s are immensely talented and versatile, with a quick mind and a love of change. You learn "
      "fast and can turn your hand to many different tasks. Freedom is essential to you, yet you "
      "also need some order to make the most of your gifts. Guard against impulsive decisions and "
      "excess of any kind. In your middle years your adaptability can carry you through changes "
      "that would unsettle others."}},
    {15,
     {"You are homely by nature, and your home is the place where you feel most yourself. You are "
      "generous, loving and ready to help friends and family in any trouble. Artistic gifts and a "
      "good eye for beauty often come with this birthday. At times you may worry too much about "
      "the people you care for. In your middle years your kindness is likely to be repaid with "
      "loyalty and affection."}},
    {16,
     {"You must work hard to maintain relations. Your mind is deep and analytical, and you often "
      "prefer your own company to that of a crowd. You can seem distant even to those close to "
      "you, though you feel more than you show. Sharing your thoughts openly will prevent "
      "misunderstandings. In your middle years your wisdom and inner strength can help you rebuild "
      "and grow after any setback."}},
    {17,
     {"17s goal oriented personalities as you are honest and ethical. You have strong willpower, "
      "good business sense and the ability to plan far ahead. People trust your judgement and "
      "often look to you for direction. Be careful not to become so focused on your goals that you "
      "forget the people beside you. Your middle years can bring financial stability and a "
      "position of responsibility."}},
    {18,
     {"You can become the corporate leader, the organiser or the public figure who gets things "
      "moving. You combine ambition with a real wish to help the wider world. Your broad view lets "
      "you see what needs to change and how to change it. Learn to delegate and to forgive the "
      "shortcomings of others. In your middle years you may find success in work that serves a "
      "larger cause."}},
    {19,
     {"Generally people with 19 are self-confident. You are independent, determined and prefer to "
      "rely on your own efforts. Your energy helps you recover quickly from disappointment and "
      "start again. Accepting help from others is a lesson you may still need to learn. In your "
      "middle years your self-reliance can lead to achievements that are truly your own."}},
    {20,
     {"You are emotional and sensitive in nature. You pick up the moods of others and care deeply "
      "about harmony in your relationships. Cooperation and teamwork suit you far better than "
      "competition. Try not to let small slights weigh on you for too long. In your middle years "
      "your warmth and tact can make you a valued partner, friend and colleague."}},
    {21,
     {"You have easygoing nature but still there is restlessness within you that keeps you looking "
      "for new ideas. You are sociable, expressive and talented with words. People are drawn to "
      "your charm and humour, and you make friends easily. Focus and self-discipline will help you "
      "turn your many gifts into solid achievements. In your middle years your creativity can "
      "bring both recognition and enjoyment."}},
    {22,
     {"You are a responsible person with a firm vision of what you want to build. You have the "
      "rare ability to combine big ideas with practical, patient work. Others often rely on your "
      "strength and good sense in difficult times. The weight of your own expectations can be "
      "heavy, so allow yourself some rest. Your middle years can see you complete projects of "
      "lasting value."}},
    {23,
     {"You are extremely talented and versatile, curious about everything and quick to learn. You "
      "communicate well and enjoy meeting people from many backgrounds. Change and travel keep "
      "your spirits high, while routine tends to bore you. Watch that your love of freedom does "
      "not make you careless with commitments. In your middle years your adaptability and charm "
      "can bring you many opportunities."}},
    {24,
     {"Born on the 24th, you have a better capacity than most to create a stable and loving home. "
      "You are loyal, responsible and devoted to the people you love. Practical skill and a sense "
      "of beauty often go together in you. Avoid becoming possessive or worrying about things you "
      "cannot control. Your middle years are likely to bring contentment through family and a "
      "secure life."}},
    {25,
     {"You have special interest in technical, scientific, or other complex subjects that reward "
      "careful study. Your mind is analytical and your intuition is strong, a rare and valuable "
      "combination. You often need solitude to recharge and sort out your thoughts. Learn to "
      "express your feelings rather than keeping them locked away. In your middle years your depth "
      "of understanding can earn you respect as an expert."}},
    {26,
     {"This number will increase your managerial qualities, giving you good judgement in business "
      "and in the running of a household. You are ambitious and practical, yet also caring towards "
      "your family. You like things done well and are willing to take charge to see that they are. "
      "Be careful not to let your wish for control strain your relationships. Your middle years "
      "can bring material comfort built on your own efforts."}},
    {27,
     {"You are a social worker at heart, with a deep wish to understand and help others. You are "
      "intuitive, thoughtful and often drawn to spiritual or philosophical questions. Your "
      "compassion is genuine, and people feel understood in your presence. Impatience and sudden "
      "changes of mood may be your weak points. In your middle years your wisdom can guide you "
      "into work that serves others."}},
    {28,
     {"This number adds extra energy and independence to your life. You are a natural leader who "
      "also knows the value of working with others. Your ideas are original, and you have the "
      "courage to put them into practice. Stubbornness and a dislike of advice can hold you back "
      "at times. In your middle years your drive and your willingness to cooperate can bring solid "
      "success."}},
    {29,
     {"Optimism will be your best friend. You are intuitive, idealistic and very sensitive to the "
      "world around you. Your emotions run deep, and you can inspire others with your vision. Mood "
      "swings and self-doubt may challenge you, so keep people around you who believe in you. In "
      "your middle years your insight and creativity can reach a wide audience."}},
    {30,
     {"You are a good conversationalist, witty and imaginative, with a gift for bringing people "
      "together. Creativity flows through you, whether in writing, art or simply in the way you "
      "live. Your enthusiasm lifts the mood of any gathering. Learn to finish what you start and "
      "to take your responsibilities seriously. In your middle years your talent for expression "
      "can bring you success and popularity."}},
    {31,
     {"This birthday suggests that you are a good coordinator with a practical and orderly mind. "
      "You are loyal, hard working and able to see a project through from start to finish. You "
      "also have a creative side that lightens your serious nature. Try not to become rigid when "
      "plans change. In your middle years your reliability can bring you security and the trust of "
      "many."}},
};

// ---- Maturity: a paragraph, then its remarks one to a line
const char kMaturityDescription[] =
    "The Maturity Number describes your underlying wishes, desires, and goals that slowly come to "
    "the surface as you grow older. It shows the direction your life takes in its second half, "
    "once the lessons of your youth have been learned.";
const Row kMaturityRows[] = {
    {1,
     {"As you grow older, will love being independent. You become more confident in your own "
      "judgement and less willing to follow the lead of others. Later life is likely to bring new "
      "projects that you start and steer yourself. Your courage to stand alone becomes one of your "
      "greatest assets.",
      "Too many 1s among the core numbers signify a stubborn and domineering attitude.",
      "And on the other hand, if you don't have many 1s then you will lead an exciting and "
      "adventurous life."}},
    {2,
     {"You will discover unique in-built talent for understanding and handling people with tact "
      "and patience. Partnerships and close relationships grow more important to you as the years "
      "pass. You find satisfaction in bringing peace where there was conflict. Your quiet "
      "influence becomes a real strength in your later years.",
      "Too many 2s will make you very sensitive.",
      "Few 2s may signify a peaceful life and the ability to work with different people will "
      "increase."}},
    {3,
     {"Fame, relations, confidence are some the key factor that will shape your later years. Your "
      "ability to express yourself grows with time, and you may find a creative outlet you never "
      "had room for before. People enjoy your company and look to you for warmth and humour. Make "
      "sure that your joy is matched by care for your duties.",
      "Many 3s in your chart will make you irresponsible about your work.",
      "Few 3s will signify a carefree and tension free life.",
      "But as a whole 3 brings close friends, new relations and most importantly happiness to your "
      "life."}},
    {4,
     {"Remember you have the capability to think big and the patience to build slowly. As you "
      "mature, order, planning and hard work bring you steady progress. You value security and "
      "will build something solid for yourself and your family. Allow yourself to rest and enjoy "
      "what you have built.",
      "Many 4s can make you narrow-minded.",
      "Few 4s will take you through to a new peak of success."}},
    {5,
     {"You will discover your true goal of life, as you mature. Your later years are marked by "
      "curiosity, travel and a desire for freedom. Change no longer feels like a threat but like "
      "an invitation to grow. Use your experience to choose the adventures that truly matter to "
      "you.",
      "Many 5s in your chart indicates lack of concentration.",
      "And less 5s indicates that you will take up new challenges and may adapt some positive "
      "changes in the later part of your life."}},
    {6,
     {"You have a golden heart. As you grow older, family, home and community become the centre of "
      "your life. Others come to you for comfort, advice and care, and you give it gladly. You "
      "find deep fulfilment in responsibility and in serving those you love. Remember to care for "
      "yourself as well as you care for others, so that your kindness can last a lifetime."}},
    {7,
     {"You start contemplating about the life your lead and the meaning that lies beneath it. "
      "Study, reflection and spiritual questions take on a growing importance. You may seek quiet "
      "and time alone to understand yourself better. The wisdom you gain becomes a treasure that "
      "others come to value.",
      "Several sevens may make you feel separated.",
      "Less 7s will land you in a particular field study, which may be your goal."}},
    {8,
     {"You are devoted and a determined person. As you mature, your ambition and practical sense "
      "bring you authority and material reward. You learn to manage money and people with growing "
      "skill. Success in later years is likely as long as you stay honest and generous.",
      "Too many 8s may make you overconfident and greedy.",
      "Few 8s in your chart will give you a stable and secure position."}},
    {9,
     {"Service to the mankind is the vision of your life. As you grow older, your concern widens "
      "from yourself to the world around you. You may feel called to teach, heal or give your time "
      "to a cause. Letting go of personal ambition brings you a deep sense of peace.",
      "Several 9s indicate arrogance and isolation in your chart.",
      "Less 9s in your signify that you will achieve your goal of leaving behind something "
      "immortal for people to remember."}},
    {11,
     {"You are highly spiritual and endowed with an exceptional understanding of people and of "
      "life. As you mature, your intuition sharpens and you may feel called to inspire or guide "
      "others. Your ideals become clearer and your sensitivity turns into wisdom. Keep your feet "
      "on the ground so that your vision can be shared. Your later years can bring illumination "
      "both to you and to those who learn from you."}},
};

// ---- Destiny: two or three paragraphs, the weaker side last
const char kDestinyDescription[] =
    "This number describes your vibration in the world and the tasks that you must achieve in this "
    "lifetime using the name given to you. It reveals the talents you were born with and the goals "
    "you are best equipped to reach.";
const Row kDestinyRows[] = {
    {1,
     {"This tells you are a leader. You are independent, ambitious and full of original ideas, and "
      "you are happiest when you can set your own course. Your task in this life is to develop "
      "courage and self-reliance and to use them to start new ventures. Others will look to you "
      "for direction whenever a situation is uncertain.",
      "The negative trait of this number includes one becoming egotistic and domineering. You may "
      "push your own views too hard and refuse to listen to advice. Impatience with slower people "
      "can cost you valuable support. Learning humility will make your leadership stronger, not "
      "weaker."}},
    {2,
     {"This number gives you good people managing skills. You are diplomatic, patient and able to "
      "bring people together towards a common goal. Partnerships, teamwork and mediation are where "
      "your talents shine. Your quiet presence often holds a group together.",
      "The negative trait of this number is that you can be sensitive to the point of being easily "
      "hurt. You may avoid conflict even when speaking up is needed. Indecision and dependence on "
      "the approval of others can hold you back. Trust your own worth and you will find your "
      "voice."}},
    {3,
     {"This number indicates a strong creativity in your nature. You have a talent for words, art "
      "and performance and a natural charm that draws people to you. Your task is to express "
      "yourself and to bring joy and inspiration to others. Writing, teaching, entertainment or "
      "any work with people suits you.",
      "The negative trait of Destiny number 3 is unwanted display of show. You may exaggerate, "
      "talk too much or seek attention for its own sake. Scattered energy can leave your talents "
      "undeveloped. Discipline and sincerity will let your gifts reach their full value."}},
    {4,
     {"You will have good management and organizational skills. You are practical, loyal and hard "
      "working, and you believe in doing things properly. Your task is to build lasting "
      "structures, whether a career, a business or a family. People trust you because you keep "
      "your word.",
      "All with Destiny 4, and especially the master number 22/4, carry a strong sense of duty "
      "towards the work they take on. You are at your best when a clear plan lets you build step "
      "by step. Patience is your strength, and you seldom give up once you have started. Your "
      "reliability makes you the backbone of any enterprise.",
      "The negative trait of 4 often produces arrogant and dominating individuals. You may become "
      "rigid, stubborn or too attached to routine. Resistance to new ideas can make you miss good "
      "chances. A little flexibility will make your solid foundations even stronger."}},
    {5,
     {"You are gifted with multiple talents. You love freedom, variety and adventure, and you "
      "learn quickly from experience. Your task is to embrace change and to use it constructively. "
      "Travel, sales, communication and any work that keeps you moving suit you well.",
      "The negative side of the number says that your restless and impatient nature can lead you "
      "to abandon things before they are finished. You may be tempted by excess in food, drink or "
      "pleasure. Avoiding responsibility will only bring more upheaval. Commitment to a chosen "
      "path will turn your versatility into success."}},
    {6,
     {"Your goal of life is to have the right balance of love and responsibility. You are caring, "
      "protective and devoted to family and community. Your task is to serve others and to create "
      "harmony and beauty around you. Teaching, healing, counselling and the arts are natural "
      "fields for you.",
      "The negative traits associated with this number, are stubbornness, arrogance and a tendency "
      "to interfere in other people's lives. You may take on too much and then feel unappreciated. "
      "Worry and self-sacrifice can wear you out. Let others make their own choices and your help "
      "will be welcomed."}},
    {7,
     {"You will be interested in analysis and the development of a mind that searches for truth. "
      "You are thoughtful, studious and drawn to the mysteries of life. Your task is to gain "
      "knowledge and wisdom and to share what you learn. Research, science, philosophy and "
      "spiritual study suit you.",
      "The negative trait of this number is that you do not trust others easily. You may become "
      "withdrawn, secretive or cynical. Pride in your own intellect can make you seem cold. "
      "Opening your heart will bring warmth to your search for understanding."}},
    {8,
     {"You need to achieve material and financial comfort above all things. You have a natural "
      "talent for business, management and handling money. Your task is to use power and authority "
      "wisely and to build success on sound judgement. Finance, commerce, law and positions of "
      "leadership suit you.",
      "A negative 8 can be very rigid and stubborn. You may become so focused on money and status "
      "that you neglect the people you love. Impatience with weakness can make you harsh. "
      "Generosity and fairness will make your achievements truly rewarding."}},
    {9,
     {"Your prime focus will be in activities of compassion, generosity and service to others. You "
      "have a wide outlook and feel connected to people of every background. Your task is to give "
      "of yourself and to work for the good of humanity. The arts, healing, teaching and "
      "charitable work suit you.",
      "The negative traits of 9 Destiny can be selfishness and an egoistic outlook when your "
      "ideals are disappointed. You may become moody, scattered or resentful of the demands of "
      "others. Holding on to past hurts drains your energy. Forgiveness and letting go will "
      "restore your natural generosity."}},
    {11,
     {"The Number Eleven is a highly charged number. It brings strong intuition, idealism and the "
      "power to inspire others. Your task is to share your vision and to act as a channel for new "
      "ideas. Spiritual work, teaching, counselling and the arts are natural fields for you.",
      "You may be unrealistic in your expectations. Nervous tension and self-doubt can make it "
      "hard for you to act on your insights. You may swing between great confidence and deep "
      "uncertainty. Keeping your feet on the ground will help your ideals take shape in the real "
      "world."}},
    {22,
     {"The Number 22 is a constructive and creative figure. It joins the vision of the master "
      "number with the practical strength of the number four. Your task is to build something of "
      "lasting value that serves many people. Large enterprises, public work and international "
      "projects suit you.",
      "However, twenty-twos can be very sensitive, and the weight of their own ambitions may "
      "overwhelm them. You may become tense, demanding or afraid of failure. Setting goals too low "
      "out of fear wastes your great potential. Patience with yourself will let your plans grow "
      "step by step."}},
};

// ---- Soul Urge, by number
const Row kSoulUrgeRows[] = {
    {1,
     {"You achieve a sense of gratification when you succeed on your own merits. Deep inside you "
      "want to be first, to lead and to be recognised for your individuality. Depending on others "
      "makes you uneasy, and you prefer to make your own decisions. Your heart is fulfilled when "
      "you can pursue your ambitions freely. Learning to value the contributions of others will "
      "make your success even sweeter."}},
    {2,
     {"You enclose a deep internal necessitate for love and harmony in every part of your life. "
      "Your heart longs for close partnership and for a peaceful, gentle atmosphere. You are "
      "happiest when you feel needed and appreciated. Conflict upsets you deeply, and you will go "
      "far to avoid it. Remember that your own needs deserve as much care as those of the people "
      "you love."}},
    {3,
     {"You achieve a sense of pleasure when you are involved in creative self-expression. Your "
      "heart longs to share ideas, laughter and beauty with others. Social life, art, music and "
      "conversation feed your spirit. You may feel restless when life becomes too serious or "
      "routine. Allow yourself the freedom to create and your inner joy will shine outward."}},
    {4,
     {"At hand there is an ever-present need to consider sheltered and secure ground under your "
      "feet. Your heart wants order, stability and a clear plan for the future. You find peace in "
      "honest work and in a home that is safe and well kept. Sudden change can leave you anxious. "
      "Trust that your careful preparation will carry you through whatever comes."}},
    {5,
     {"The yearning to have complete liberty to be in control of your own life is the deepest wish "
      "of your heart. You long for variety, travel and new experiences. Routine and restriction "
      "make you feel trapped. You are fulfilled when every day holds something fresh to explore. "
      "Learning to commit without feeling caged is your great inner lesson."}},
    {6,
     {"Having the knowledge of being wanted and respected is what your heart desires most. You "
      "long to care for others and to create a loving, harmonious home. Responsibility towards "
      "family and friends gives your life its meaning. You may sometimes sacrifice too much of "
      "yourself. Balance your giving with receiving, and your heart will stay full."}},
    {7,
     {"You encompass an in-built secret need to gain a spiritual and intellectual understanding of "
      "life. Your heart longs for quiet, study and time to reflect. You want to know the truth "
      "behind appearances and are not satisfied with easy answers. Crowds and noise can exhaust "
      "you. Solitude and a trusted circle of friends help you find the peace you seek."}},
    {8,
     {"You have a focused drive to achieve in a material and practical sense. Your heart longs for "
      "success, recognition and the freedom that financial security brings. You enjoy being in "
      "charge and making important decisions. Power and status motivate you strongly. Your deepest "
      "satisfaction comes when your success also benefits others."}},
    {9,
     {"You feel proud and satisfied, when you do something impressive for the good of others. Your "
      "heart longs to make the world a better place. You are moved by compassion and have a broad, "
      "tolerant view of life. Personal gain matters less to you than a cause you believe in. "
      "Giving freely without expecting thanks brings you the deepest fulfilment."}},
    {11,
     {"Master number 11 has resemblance with number 2. Like the 2 you long for harmony and close "
      "partnership, but your heart reaches further, towards spiritual insight and inspiration. You "
      "feel a strong inner call to share a vision or to uplift others. Your sensitivity is both a "
      "gift and a burden. When you trust your intuition, you find a deep sense of purpose."}},
    {22,
     {"With a master number 22 Soul Urge, there is an inner longing to build something great that "
      "will outlast you. Your heart combines high ideals with a practical wish to see them "
      "realised. You want your work to serve many people, not only yourself. The size of your "
      "dreams can make you restless or anxious. Steady, patient effort is the way to satisfy this "
      "powerful inner drive."}},
};

// ---- Inner Dreams, by number
const char kInnerDreamsDescription[] =
    "As the name suggests this number is associated with your personality and with the dreams you "
    "carry about the person you would like to be. It shows the image you present to others and the "
    "hopes you quietly hold for your future.";
const Row kInnerDreamsRows[] = {
    {1,
     {"Great feeling of importance is what you love. You dream of standing out, leading others and "
      "being admired for your achievements. In your imagination you are the one who takes the "
      "first step and shows the way. Others often see you as confident and self-assured. Turning "
      "these dreams into action takes patience and respect for the people who help you."}},
    {2,
     {"You dream about having close relationships with your friends and loved ones, built on trust "
      "and affection. A peaceful home and a loving partner are at the heart of your hopes. You "
      "picture yourself as the one who brings people together. Others see you as gentle, friendly "
      "and easy to approach. Your dreams come true when you value yourself as much as you value "
      "others."}},
    {3,
     {"All forms of art are you dream roles. You imagine yourself on a stage, behind a canvas or "
      "at a writing desk, sharing your imagination with the world. Others see you as lively, "
      "charming and fun to be with. You love attention and the warmth of an appreciative audience. "
      "Discipline will help you turn your colourful dreams into real accomplishments."}},
    {4,
     {"You visualize of being someone rock-solid whom everyone can depend on. You dream of a "
      "secure home, a steady career and a life built on firm foundations. Others see you as "
      "reliable, sensible and hard working. You take pride in being the person people turn to when "
      "things go wrong. Remember to leave some room in your plans for play and spontaneity."}},
    {5,
     {"You would love to be totally free and unreserved, travelling wherever your curiosity leads "
      "you. You dream of adventure, excitement and a life full of change. Others see you as "
      "energetic, witty and attractive. You picture yourself trying everything at least once. Your "
      "dreams are best served when you choose a few passions and follow them through."}},
    {6,
     {"You love your family and relations. You dream of a warm and beautiful home where everyone "
      "feels welcome and cared for. Others see you as kind, responsible and trustworthy. You "
      "picture yourself as the protector and counsellor of those you love. Your dreams flourish "
      "when you allow others to care for you in return."}},
    {7,
     {"You love to grab all opportunities you get to read, study and learn something new. You "
      "dream of understanding the hidden laws of life and of becoming wise. Others see you as "
      "quiet, thoughtful and perhaps a little mysterious. You picture yourself as a scholar, "
      "researcher or seeker of truth. Sharing your knowledge will bring your dreams closer."}},
    {8,
     {"Your vision is success in the business or political world, with the authority and comfort "
      "that come with it. You dream of running your own enterprise and making important decisions. "
      "Others see you as strong, capable and ambitious. You picture yourself respected for what "
      "you have achieved. Your dreams are most rewarding when your success also lifts others."}},
    {9,
     {"You are kind and compassionate. You dream of a world where people live in peace and treat "
      "one another fairly. Others see you as generous, understanding and broad-minded. You picture "
      "yourself helping those in need or inspiring others through your art or your example. Your "
      "dreams come true through service and a willingness to let go of personal gain."}},
    {11,
     {"You have the dream of casting the light of illumination; of guiding others towards a higher "
      "understanding. You imagine yourself as a teacher, healer or visionary. Others sense your "
      "sensitivity and your idealism. You may feel that ordinary life does not match the height of "
      "your dreams. Patience and inner calm will help you share your light with the world."}},
    {22,
     {"You have big dreams of being the pioneer behind something that will change many lives. You "
      "imagine great buildings, organisations or works that last for generations. Others see you "
      "as capable, serious and full of potential. The scale of your vision can make you impatient "
      "with small steps. Careful planning and steady effort will bring your great dreams within "
      "reach."}},
};

// ---- Hidden Passion, by the value of the most frequent letter
const char kHiddenPassionDescription[] =
    "The Hidden Passion Number unleashes the special talents and strengths that lie beneath the "
    "surface of your personality. It comes from the letter value that occurs most often in your "
    "name and shows the drive that quietly shapes many of your choices.";
const Row kHiddenPassionRows[] = {
    {1,
     {"Originality and individuality are the strong hidden senses for this number. You have a deep "
      "urge to lead, to decide for yourself and to be seen as unique. Starting new projects "
      "excites you more than finishing old ones. Independence is vital to you, and you may resist "
      "being told what to do. Channel this drive into worthwhile goals and it will make you a true "
      "pioneer."}},
    {2,
     {"Your hidden passion is harmony and you are a peacemaker. You care deeply about cooperation "
      "and feel at your best when people get along. Your tact and sensitivity make you a skilled "
      "mediator and a loyal friend. You may hide your own needs to keep the peace. Learning to "
      "speak up for yourself will make your gift for harmony even stronger."}},
    {3,
     {"Your hidden passion is creative expression and joy. Words, music, art and humour bubble up "
      "in you and want to be shared. You light up a room and enjoy making others laugh. Your many "
      "talents can tempt you to scatter your energy. Choosing one or two outlets for your "
      "creativity will bring you real satisfaction."}},
    {4,
     {"You like the taste of hard work. Order, method and a job well done give you deep "
      "satisfaction. You have great patience and can keep going long after others have given up. "
      "At times you may become too serious or rigid. Remember that rest and play also help you "
      "build a good life."}},
    {5,
     {"Adventure is the passion, says the number! You long for freedom, travel and new "
      "experiences, and you quickly tire of routine. Your curiosity and quick mind make you "
      "adaptable in any situation. Restlessness can lead you to excess or to abandoning "
      "commitments. Using your love of change wisely will open a life full of discovery."}},
    {6,
     {"You want to love and be loved. Home, family and friendship are at the centre of your "
      "deepest desires. You are happiest when you can care for others and create a harmonious "
      "atmosphere. You may take on too much responsibility or worry without need. Let others share "
      "your burdens, and your love will flourish."}},
    {7,
     {"Knowledge is power. You have a deep hunger to understand, to study and to get to the bottom "
      "of things. Reading, research and quiet reflection give you your greatest pleasure. You may "
      "be reserved and slow to trust others. Your thirst for wisdom can lead you to insights that "
      "benefit many people."}},
    {8,
     {"You are a born leader and manager. Success, authority and material achievement drive you "
      "strongly. You have a gift for organising people and money towards clear goals. The desire "
      "for control can sometimes make you hard on yourself and others. Balance ambition with "
      "generosity and your achievements will last."}},
    {9,
     {"You have the passion for serving the mankind. Compassion and idealism run deep in you, and "
      "you feel the suffering of others keenly. You are drawn to humanitarian causes, the arts and "
      "any work that improves the world. You may give so much that you forget your own needs. Your "
      "generosity is most powerful when it comes from a place of balance."}},
};

// ---- Karmic Lessons: the lesson of each missing value, one line each
const char kKarmicLessonsDescription[] =
    "Karmic Lessons are areas that you are presently weak in, shown by the letter values that are "
    "missing from your name. Each missing value points to a quality you must consciously develop "
    "in this life, and the situations that teach it tend to return until the lesson is learned.";
const Row kKarmicLessonsRows[] = {
    {1,
     {"In this life span, situations frequently come up that force you to stand on your own feet "
      "and make your own decisions. You may lack confidence in your own abilities and lean on "
      "others for direction. Each time you are pushed to take the lead, you are given a chance to "
      "grow. Practise stating your opinions and acting on them. Self-reliance and courage are the "
      "qualities you are here to build."}},
    {2,
     {"There may be an inclination to overlook the small things in life. Patience, tact and "
      "attention to detail do not come naturally to you. You may be impatient with others or miss "
      "the feelings behind their words. Life will keep placing you in situations that call for "
      "cooperation and diplomacy. Learning to listen and to work quietly with others will bring "
      "harmony into your life."}},
    {3,
     {"In this life span, situations and experiences may come up that require you to express "
      "yourself openly. You may be shy, self-critical or afraid of being judged. A lack of "
      "confidence in your creative talents can keep them hidden. Take every chance to speak, write "
      "or create, even if it feels uncomfortable at first. Joy and self-expression are the lessons "
      "waiting for you."}},
    {4,
     {"This shows an earlier battle against being disorganized and more methodical. You may find "
      "routine, planning and steady effort difficult. Projects can suffer because you lose "
      "interest before the foundations are laid. Life will teach you the value of order and hard "
      "work. Building good habits step by step will give you the security you seek."}},
    {5,
     {"You need to learn to live life and not fear it. Change, risk and the unknown may make you "
      "anxious, so you cling to what is familiar. Opportunities can pass you by while you "
      "hesitate. Life will push you towards new experiences and wider horizons. Embracing freedom "
      "and adaptability will make your life far richer."}},
    {6,
     {"In this lifetime, family and associates will do little for you. You may find it hard to "
      "accept responsibility for others or to commit fully to relationships. Situations involving "
      "home and duty will test your willingness to give. Learning to care, to serve and to accept "
      "care in return is your lesson. Through it you will discover the deep rewards of love and "
      "loyalty."}},
    {7,
     {"In this life span, there will be steady opportunities to restore your faith and to look "
      "more deeply into life. You may tend to accept things at face value or avoid serious "
      "thought. Lessons will come that call for study, reflection and trust in your inner voice. "
      "Taking time alone to think will help you understand yourself. Wisdom and spiritual insight "
      "are the qualities you are here to develop."}},
    {8,
     {"In this generation, you will be enforced to handle your own business. Money, authority and "
      "practical matters may have been a weak point for you. You may be careless with finances or "
      "uneasy about taking charge. Life will place you in positions where you must manage "
      "resources and make firm decisions. Learning good judgement in material matters will bring "
      "you independence."}},
    {9,
     {"In this life span, you will face bad blows to your emotional life that teach compassion and "
      "understanding. You may find it difficult to see beyond your own circle or to forgive. "
      "Situations will arise that ask you to think of the wider world. Developing tolerance and "
      "generosity will soften these experiences. By giving without expecting reward you will learn "
      "this lesson fully."}},
};

// ---- Subconscious Self, by the count of values present
const char kSubconsciousSelfDescription[] =
    "This number shows how you deal and respond in sudden situations. It counts how many of the "
    "nine letter values appear in your name and reveals how much inner confidence you can draw on "
    "when life takes you by surprise.";
const Row kSubconsciousSelfRows[] = {
    {0, {kNotValidForName}},
    {1, {kNotValidForName}},
    {2, {kNotValidForName}},
    {3,
     {"You depend on others to take care of both you and your problems. In a crisis you may feel "
      "overwhelmed and unsure where to begin. Your first reaction is often to look for someone "
      "stronger to lean on. Building small habits of self-reliance will help you stay calm. With "
      "practice you will discover more resourcefulness than you expect."}},
    {4,
     {"You are a slow to react to issues. You prefer to think a situation through before you act, "
      "which can be wise but may cost precious time in an emergency. Once you have a plan, you "
      "follow it with great persistence. Sudden change unsettles you more than most. Preparing for "
      "the unexpected will give you confidence when it arrives."}},
    {5,
     {"You adapt to change very well. Surprises rarely throw you for long, and you can switch "
      "direction quickly when circumstances demand it. You may even enjoy the excitement of an "
      "emergency. The risk is acting too fast without weighing the consequences. Pausing for a "
      "moment before you leap will make your quick responses even more effective."}},
    {6,
     {"You frequently help others, willing to sacrifice your needs for yours. In a crisis your "
      "first thought is for the safety and comfort of the people around you. You are dependable "
      "and calm when others need support. You may neglect your own well-being while you look after "
      "everyone else. Remember that you help best when you have also taken care of yourself."}},
    {7,
     {"You are well-balanced person. In difficult situations you tend to step back, observe and "
      "analyse before you act. Your calm reasoning helps you see what others miss. You may "
      "sometimes seem detached or slow to show your feelings. Trusting your intuition as well as "
      "your intellect will make your judgement even sounder."}},
    {8,
     {"You love challenging tasks and like to play with them. Pressure brings out your strength, "
      "and you are often the one who takes charge in an emergency. You are practical, decisive and "
      "good at organising others. At times you may be too forceful or impatient with hesitation. "
      "Your confidence is an asset when it is tempered with consideration."}},
    {9,
     {"It's difficult for anyone to understand you. You have a great range of inner resources and "
      "can cope with almost any situation that comes your way. Your experience and broad outlook "
      "keep you steady when others panic. You may hide your true feelings behind a calm surface. "
      "Letting trusted people see your inner life will bring you closer to them."}},
};

// ---- Balance, by number
const char kBalanceDescription[] =
    "The Balance Number describes how you react to life's challenges. It is drawn from the "
    "initials of your name and shows the attitude that helps you most when you are under stress. "
    "Following its advice can help you regain your footing when emotions run high.";
const Row kBalanceRows[] = {
    {1,
     {"You should make use of your keen sense of awareness. When trouble comes, your instinct is "
      "to handle it alone, and that inner strength serves you well. Still, shutting yourself away "
      "can make a problem seem larger than it is. Trust your own judgement, but be willing to ask "
      "for help when you need it. Courage combined with openness will carry you through."}},
    {2,
     {"Learn to be tactful. In difficult moments your sensitivity can make you withdraw or react "
      "emotionally. Use your natural gift for diplomacy instead, and look for the solution that "
      "respects everyone involved. Listening carefully will calm tense situations. Patience and "
      "gentleness are your best tools when life gets hard."}},
    {3,
     {"Apply simple solutions for your problems and don't mess it up. You tend to overthink or to "
      "talk a problem over until it grows bigger than it was. Humour and optimism can lighten any "
      "burden, so use them. Express your feelings clearly and then move on. A positive attitude "
      "will help you find the way out quickly."}},
    {4,
     {"Learn to be practical while solving your problems. Stress can make you rigid or stubborn, "
      "holding on to one approach even when it does not work. Break a difficult situation into "
      "small, manageable steps. Steady effort and a sensible plan will see you through. Stay open "
      "to other people's ideas along the way."}},
    {5,
     {"Accept changes and try to adapt them. When life becomes difficult you may want to run away "
      "or look for distraction. Resist the urge to escape and use your flexibility to find a new "
      "path instead. Change can be your ally rather than your enemy. A willingness to try "
      "something different will solve many of your problems."}},
    {6,
     {"Honesty is the best policy; use it when dealing with conflict. Your wish to keep everyone "
      "happy can lead you to hide your true feelings. Speak openly and kindly about what troubles "
      "you. Accept help from those who love you, as you so often help them. A balance between "
      "giving and receiving will restore your peace."}},
    {7,
     {"Fight your own battles. In times of trouble you tend to retreat into your thoughts, "
      "analysing the problem from every side. Reflection is valuable, but it must lead to action. "
      "Trust your intuition to show you the right step. Facing difficulties directly will give you "
      "the peace of mind you seek."}},
    {8,
     {"You may try to solve your problems by using manipulative or forceful means. Your strength "
      "and determination are considerable, but power alone does not heal a situation. Use your "
      "good judgement and your sense of fairness. Considering the feelings of others will bring "
      "better results. Balanced authority is your key to meeting challenges."}},
    {9,
     {"Use your empathetic nature to understand and deal with problems. Your compassion lets you "
      "see every side of a conflict. Try not to take on other people's pain as your own. Stand "
      "back a little and look at the wider picture. Tolerance and forgiveness will help you "
      "overcome almost any difficulty."}},
};

// ---- Rational Thought, by number
const char kRationalThoughtDescription[] =
    "The Rational thought Number reveals your particular way of thinking. It joins your birth day "
    "to your first name to show how you reason, plan and reach your decisions.";
const Row kRationalThoughtRows[] = {
    {1,
     {"You do not copy ideas but are an innovative thinker. Your mind works independently and "
      "quickly, and you trust your own conclusions. You are good at seeing new possibilities where "
      "others see dead ends. At times you may dismiss other views too quickly. Listening before "
      "you decide will make your original ideas even stronger."}},
    {2,
     {"You are a very careful thinker, finding solutions to problems through patience and "
      "attention to detail. You weigh every side of a question before you reach a conclusion. Your "
      "thinking is cooperative, and you often do your best work with a partner. Indecision can "
      "hold you up when time is short. Trust the careful judgement you have already made."}},
    {3,
     {"You have a creative nature. Your thoughts move in pictures, stories and bright ideas. You "
      "find unusual solutions and present them with flair. Keeping your attention on one problem "
      "at a time can be a challenge. Writing your ideas down will help you turn inspiration into "
      "results."}},
    {4,
     {"Different ideas wander in your mind. Yet when you settle on a problem, you approach it in a "
      "methodical and practical way. You like facts, order and a clear plan. You may be slow to "
      "accept new methods until they are proven. Your thoroughness makes your conclusions "
      "reliable."}},
    {5,
     {"You are a spontaneous and unconventional thinker. Your mind jumps quickly from one idea to "
      "another and enjoys variety. You adapt your thinking easily when circumstances change. "
      "Restlessness can stop you from following an idea to the end. Focus will turn your quick wit "
      "into real achievement."}},
    {6,
     {"You often lose concentration, focusing solely on details that concern the people you care "
      "about. Your thinking is shaped by responsibility and a wish for harmony. You look for "
      "solutions that are fair and that protect others. Emotions can sometimes cloud your "
      "judgement. Stepping back to see the whole picture will sharpen your reasoning."}},
    {7,
     {"You got a deep analytical way of thinking. You question everything and are not satisfied "
      "until you reach the heart of a matter. Research and reflection come naturally to you. You "
      "may keep your conclusions to yourself for too long. Sharing your insights will show others "
      "the value of your careful mind."}},
    {8,
     {"You have a quick mind always look for big picture. You think in terms of goals, results and "
      "the efficient use of resources. Business and organisation suit your way of reasoning. You "
      "may overlook the feelings of others in your drive for results. Balancing logic with "
      "consideration will make your decisions wiser."}},
    {9,
     {"You want this world to be a place where equality and peace prevail, and your thinking is "
      "guided by ideals. You consider the wider effects of every decision. Your broad outlook "
      "helps you understand many points of view. You may sometimes be more idealistic than "
      "practical. Grounding your vision in concrete steps will make it real."}},
    {11,
     {"You are creative, innovative and will shine in which field you choose to apply your "
      "intuitive mind. Insights often come to you in a flash rather than through step-by-step "
      "reasoning. You can inspire others with your vision. Nervous tension may cloud your thinking "
      "when you are under pressure. Calm reflection will help you trust the ideas that come to "
      "you."}},
    {22,
     {"You combine the methodology of the Number Four with the dreams of the master number. Your "
      "thinking joins large visions with practical planning. You can see how a great idea could be "
      "built step by step. The size of your goals may at times overwhelm you. Patience and good "
      "organisation will let you turn your plans into reality."}},
};

// ---- L/E Bridge, by number (9 has no row)
const char kLEBridgeDescription[] =
    "This number answers the 'whom' in you. It measures the distance between your Life Path and "
    "your Destiny numbers, between the road you travel and the talents you carry. Its advice shows "
    "how to bring these two parts of your life closer together.";
const Row kLEBridgeRows[] = {
    {0,
     {"You will probably experience a great deal of peace in your life. Your Life Path and your "
      "Destiny are in close harmony, so what you are meant to do and what you are able to do point "
      "the same way. Few inner conflicts pull you in different directions. Use this harmony to "
      "pursue your goals with confidence. Sharing your calm with others will enrich your life "
      "still further."}},
    {1,
     {"Behave autonomously, demonstrating more creativity and self-confidence. The gap between "
      "your path and your talents narrows when you trust yourself to take the lead. Waiting for "
      "permission or approval only holds you back. Start projects on your own initiative. Each "
      "independent step brings your abilities and your purpose closer together."}},
    {2,
     {"Be confident and open-minded. You need to become more sensitive to others and more willing "
      "to cooperate. Listening to different points of view will show you new ways forward. "
      "Partnerships can help you bridge the distance between your goals and your gifts. Patience "
      "with yourself and with others is the key."}},
    {3,
     {"You may need to have fun more often. Lightness and self-expression will help you bring your "
      "talents into harmony with your path. Do not take every setback too seriously. Share your "
      "ideas through words, art or simple conversation. Joy will open doors that hard work alone "
      "cannot."}},
    {4,
     {"You have to be fast with the world. At the same time you need to organise your efforts and "
      "build on solid ground. Set clear goals and plan practical steps towards them. Discipline "
      "will turn your potential into real results. Steady work will close the gap between where "
      "you are and where you want to be."}},
    {5,
     {"You need to become more daring and unconventional. Routine and caution may be keeping you "
      "from using your full potential. Welcome change and try new approaches. Travel and fresh "
      "experiences can show you what you are capable of. Freedom wisely used will bring your life "
      "into balance."}},
    {6, {kFamilyTime}},
    {7, {kTimeAlone}},
    {8, {kEveryStep}},
};

// ---- H/P Bridge, by number (9 has no row)
const Row kHPBridgeRows[] = {
    {0,
     {"This is very lucky number and you will make people feel comfortable in your presence. Your "
      "heart's desire and your outer personality are in harmony, so people see the real you. There "
      "is little conflict between what you want and how you behave. Others trust you because you "
      "are genuine. Use this ease to build warm and lasting relationships."}},
    {1,
     {"Know your greatest strengths and potentials. Your inner wishes and your outward manner do "
      "not always match, and that can confuse the people around you. Show more of your "
      "independence and self-assurance. Let your actions reflect what you truly want. Confidence "
      "will help others see who you really are."}},
    {2,
     {"Use your potentials to influence others with gentle nature. You will close the gap between "
      "your heart and your personality by becoming more tactful and considerate. Pay attention to "
      "the feelings of those around you. Cooperation will bring you closer to your true desires. "
      "Kindness is your most powerful tool."}},
    {3,
     {"Don't loose your heart if you are hurt. Let your inner joy show more openly in the way you "
      "present yourself. Express your feelings through words, art or humour. Optimism will help "
      "your heart and your personality work together. Others will respond warmly to your honesty."}},
    {4,
     {"Don't be confused or indecisive. Bring order and method into the way you pursue your "
      "wishes. A clear plan will make your outward actions match your inner goals. Be patient and "
      "practical in your relationships. Reliability will help others trust the person behind the "
      "face you show."}},
    {5,
     {"Flexibility and adaptability is seriously needed. Your heart and your personality drift "
      "apart when you cling to habits that no longer serve you. Allow yourself more freedom and "
      "variety. Welcome new people and experiences into your life. Openness to change will bring "
      "your inner and outer selves together."}},
    {6, {kFamilyTime}},
    {7, {kTimeAlone}},
    {8, {kEveryStep}},
};

// ---- Karmic Debt; every value without a row reads "Not Applicable"
const char kKarmicDebtDescription[] =
    "This number signifies some mistake or misuse of opportunities in a past life that must be "
    "made good in this one. It shows the kind of difficulty you may meet and the effort needed to "
    "overcome it.";
const Row kKarmicDebtRows[] = {
    {13,
     {"People with this number your kitty are hard worker and strugglers. You may feel that "
      "everything you achieve comes only through great effort. Obstacles and frustration can tempt "
      "you to give up or to look for easy ways out. The lesson is to work patiently and steadily, "
      "without cutting corners. Once you accept discipline, your efforts will be rewarded with "
      "solid and lasting success."}},
    {14,
     {"Be optimistic and goal oriented, you will come up with flying colors. This debt points to "
      "freedom misused in the past, so moderation is your lesson now. You may be tempted by "
      "excess, sudden changes or commitments you cannot keep. Learn to adapt to change without "
      "losing your sense of direction. Self-control and a clear goal will turn your restless "
      "energy into achievement."}},
    {16,
     {"This number is probably the route to attain the real truth of life. It often brings the "
      "sudden fall of something built on pride or illusion. Relationships and plans may collapse "
      "unexpectedly, forcing you to rebuild. Humility and openness to spiritual growth are the "
      "lessons here. From each ending you can rise wiser and stronger."}},
    {19,
     {"You are a self-made man forced to stand on your own feet and to learn independence the hard "
      "way. In the past, power may have been used selfishly, and now you must learn to use it "
      "well. You may resist help from others or feel that no one understands you. Accepting "
      "support without losing your self-reliance is your lesson. When you balance independence "
      "with cooperation, your struggles will turn into strength."}},
};

// The words every text opens with. Kept apart from the texts above so that a
// slip in a paragraph's opening shows against this list.
const Opening kOpenings[] = {
    {Number::LifePath, DescriptionKey, 0,
     "This is one of the most important numbers. Sometimes it is also called the Life Direction "
     "Number."},
    {Number::LifePath, 1, 0, "Your main purpose should be attaining independency."},
    {Number::LifePath, 2, 0, "Usually you are creative and follow certain protocols."},
    {Number::LifePath, 3, 0, "You are entertainers, optimists and very creative."},
    {Number::LifePath, 4, 0, "The Life Path 4 produces the most reliable, practical,"},
    {Number::LifePath, 5, 0,
     "Generally people with 5 are very multitalented, bold, and progressive."},
    {Number::LifePath, 6, 0, "The Life Path 6 indicates that you have a strong sense"},
    {Number::LifePath, 7, 0, "You tend to be calm and affectionate by nature."},
    {Number::LifePath, 8, 0, "You are very materialistic and are focused on learning"},
    {Number::LifePath, 9, 0, "People with number 9 are generous, loving and have"},
    {Number::LifePath, 11, 0,
     "This is a master number and is associated with spiritual awareness."},
    {Number::LifePath, 22, 0, "The number 22 is the most powerful of all the"},

    {Number::Birthday, DescriptionKey, 0,
     "This describes what may happen in your middle years. It also tells you about the various "
     "talents you possess."},
    {Number::Birthday, 1, 0, "People associated with 1 prefer their uniqueness."},
    {Number::Birthday, 2, 0, "Generally people having number 2 love to keep peaceful relations."},
    {Number::Birthday, 3, 0, "People having 3, are very creative, social, charming,"},
    {Number::Birthday, 4, 0, "4s are known for their sensible nature."},
    {Number::Birthday, 5, 0, "People with number 5 as their birthday, are diehard adventurers."},
    {Number::Birthday, 6, 0, "A happy and loving family association is important to you."},
    {Number::Birthday, 7, 0, "You are technically sound and make grand researchers,"},
    {Number::Birthday, 8, 0, "8s can solve almost all problems that come through"},
    {Number::Birthday, 9, 0, "You are extremely charming, caring and entertaining by nature."},
    {Number::Birthday, 10, 0, "You are ambitious, skilled and creative."},
    {Number::Birthday, 11, 0, "You make a perfect visionary."},
    {Number::Birthday, 12, 0, "Your nature allows you to bounce back rapidly from setbacks,"},
    {Number::Birthday, 13, 0, " People with 13 in their pocket are very honest"},
    {Number::Birthday, 14, 0, "14s are immensely talented and versatile,"},
    {Number::Birthday, 15, 0, "You are homely by nature,"},
    {Number::Birthday, 16, 0, "You must work hard to maintain relations."},
    {Number::Birthday, 17, 0, "17s goal oriented personalities as you are honest and ethical."},
    {Number::Birthday, 18, 0, "You can become the corporate leader,"},
    {Number::Birthday, 19, 0, "Generally people with 19 are self-confident."},
    {Number::Birthday, 20, 0, "You are emotional and sensitive in nature."},
    {Number::Birthday, 21, 0, "You have easygoing nature but still there is restlessness"},
    {Number::Birthday, 22, 0, "You are a responsible person with a firm vision"},
    {Number::Birthday, 23, 0, "You are extremely talented and versatile,"},
    {Number::Birthday, 24, 0, "Born on the 24th, you have a better capacity"},
    {Number::Birthday, 25, 0,
     "You have special interest in technical, scientific, or other complex"},
    {Number::Birthday, 26, 0, "This number will increase your managerial qualities,"},
    {Number::Birthday, 27, 0, "You are a social worker at heart"},
    {Number::Birthday, 28, 0, "This number adds extra energy and independence to your life."},
    {Number::Birthday, 29, 0, "Optimism will be your best friend."},
    {Number::Birthday, 30, 0, "You are a good conversationalist,"},
    {Number::Birthday, 31, 0, "This birthday suggests that you are a good coordinator"},

    {Number::Maturity, DescriptionKey, 0,
     "The Maturity Number describes your underlying wishes, desires, and goals"},
    {Number::Maturity, 1, 0, "As you grow older, will love being independent."},
    {Number::Maturity, 2, 0,
     "You will discover unique in-built talent for understanding and handling"},
    {Number::Maturity, 3, 0, "Fame, relations, confidence are some the key factor"},
    {Number::Maturity, 4, 0, "Remember you have the capability to think big"},
    {Number::Maturity, 5, 0, "You will discover your true goal of life, as you mature."},
    {Number::Maturity, 6, 0, "You have a golden heart."},
    {Number::Maturity, 7, 0, "You start contemplating about the life your lead"},
    {Number::Maturity, 8, 0, "You are devoted and a determined person."},
    {Number::Maturity, 9, 0, "Service to the mankind is the vision of your life."},
    {Number::Maturity, 11, 0,
     "You are highly spiritual and endowed with an exceptional understanding"},

    {Number::Destiny, DescriptionKey, 0,
     "This number describes your vibration in the world and the tasks"},
    {Number::Destiny, 1, 0, "This tells you are a leader."},
    {Number::Destiny, 1, 1, "The negative trait of this number includes one becoming egotistic"},
    {Number::Destiny, 2, 0, "This number gives you good people managing skills."},
    {Number::Destiny, 2, 1, "The negative trait of this number is that you can be sensitive"},
    {Number::Destiny, 3, 0, "This number indicates a strong creativity in your nature."},
    {Number::Destiny, 3, 1, "The negative trait of Destiny number 3 is unwanted display of show."},
    {Number::Destiny, 4, 0, "You will have good management and organizational skills."},
    {Number::Destiny, 4, 1, "All with Destiny 4, and especially the master number 22/4,"},
    {Number::Destiny, 4, 2,
     "The negative trait of 4 often produces arrogant and dominating individuals."},
    {Number::Destiny, 5, 0, "You are gifted with multiple talents."},
    {Number::Destiny, 5, 1, "The negative side of the number says that your restless and impatient"},
    {Number::Destiny, 6, 0, "Your goal of life is to have the right balance of love"},
    {Number::Destiny, 6, 1,
     "The negative traits associated with this number, are stubbornness, arrogance"},
    {Number::Destiny, 7, 0, "You will be interested in analysis and the development of a mind"},
    {Number::Destiny, 7, 1, "The negative trait of this number is that you do not trust"},
    {Number::Destiny, 8, 0,
     "You need to achieve material and financial comfort above all things."},
    {Number::Destiny, 8, 1, "A negative 8 can be very rigid and stubborn."},
    {Number::Destiny, 9, 0, "Your prime focus will be in activities of compassion,"},
    {Number::Destiny, 9, 1, "The negative traits of 9 Destiny can be selfishness and an egoistic"},
    {Number::Destiny, 11, 0, "The Number Eleven is a highly charged number."},
    {Number::Destiny, 11, 1, "You may be unrealistic in your expectations."},
    {Number::Destiny, 22, 0, "The Number 22 is a constructive and creative figure."},
    {Number::Destiny, 22, 1, "However, twenty-twos can be very sensitive,"},

    {Number::SoulUrge, DescriptionKey, 0,
     "This number tries to close the gap between how you think"},
    {Number::SoulUrge, 1, 0, "You achieve a sense of gratification when you succeed"},
    {Number::SoulUrge, 2, 0, "You enclose a deep internal necessitate for love and harmony"},
    {Number::SoulUrge, 3, 0, "You achieve a sense of pleasure when you are involved"},
    {Number::SoulUrge, 4, 0, "At hand there is an ever-present need to consider sheltered"},
    {Number::SoulUrge, 5, 0, "The yearning to have complete liberty to be in control"},
    {Number::SoulUrge, 6, 0, "Having the knowledge of being wanted and respected"},
    {Number::SoulUrge, 7, 0, "You encompass an in-built secret need to gain a spiritual"},
    {Number::SoulUrge, 8, 0, "You have a focused drive to achieve in a material"},
    {Number::SoulUrge, 9, 0, "You feel proud and satisfied, when you do something impressive"},
    {Number::SoulUrge, 11, 0, "Master number 11 has resemblance with number 2."},
    {Number::SoulUrge, 22, 0, "With a master number 22 Soul Urge, there is an"},

    {Number::InnerDreams, DescriptionKey, 0,
     "As the name suggests this number is associated with your personality"},
    {Number::InnerDreams, 1, 0, "Great feeling of importance is what you love."},
    {Number::InnerDreams, 2, 0, "You dream about having close relationships with your friends"},
    {Number::InnerDreams, 3, 0, "All forms of art are you dream roles."},
    {Number::InnerDreams, 4, 0, "You visualize of being someone rock-solid whom everyone can"},
    {Number::InnerDreams, 5, 0, "You would love to be totally free and unreserved"},
    {Number::InnerDreams, 6, 0, "You love your family and relations."},
    {Number::InnerDreams, 7, 0, "You love to grab all opportunities you get to read"},
    {Number::InnerDreams, 8, 0, "Your vision is success in the business or political world,"},
    {Number::InnerDreams, 9, 0, "You are kind and compassionate."},
    {Number::InnerDreams, 11, 0, "You have the dream of casting the light of illumination;"},
    {Number::InnerDreams, 22, 0, "You have big dreams of being the pioneer behind something"},

    {Number::HiddenPassion, DescriptionKey, 0,
     "The Hidden Passion Number unleashes the special talents and strengths"},
    {Number::HiddenPassion, 1, 0,
     "Originality and individuality are the strong hidden senses for this number."},
    {Number::HiddenPassion, 2, 0, "Your hidden passion is harmony and you are a peacemaker."},
    {Number::HiddenPassion, 3, 0, "Your hidden passion is creative expression and joy."},
    {Number::HiddenPassion, 4, 0, "You like the taste of hard work."},
    {Number::HiddenPassion, 5, 0, "Adventure is the passion, says the number!"},
    {Number::HiddenPassion, 6, 0, "You want to love and be loved."},
    {Number::HiddenPassion, 7, 0, "Knowledge is power."},
    {Number::HiddenPassion, 8, 0, "You are a born leader and manager."},
    {Number::HiddenPassion, 9, 0, "You have the passion for serving the mankind."},

    {Number::KarmicLessons, DescriptionKey, 0,
     "Karmic Lessons are areas that you are presently weak in,"},
    {Number::KarmicLessons, 1, 0,
     "In this life span, situations frequently come up that force you"},
    {Number::KarmicLessons, 2, 0,
     "There may be an inclination to overlook the small things in life."},
    {Number::KarmicLessons, 3, 0,
     "In this life span, situations and experiences may come up that"},
    {Number::KarmicLessons, 4, 0,
     "This shows an earlier battle against being disorganized and more methodical."},
    {Number::KarmicLessons, 5, 0, "You need to learn to live life and not fear it."},
    {Number::KarmicLessons, 6, 0,
     "In this lifetime, family and associates will do little for you."},
    {Number::KarmicLessons, 7, 0,
     "In this life span, there will be steady opportunities to restore"},
    {Number::KarmicLessons, 8, 0,
     "In this generation, you will be enforced to handle your own business."},
    {Number::KarmicLessons, 9, 0,
     "In this life span, you will face bad blows to your emotional"},

    {Number::SubconsciousSelf, DescriptionKey, 0,
     "This number shows how you deal and respond in sudden situations."},
    {Number::SubconsciousSelf, 0, 0, "This number is not valid for this name."},
    {Number::SubconsciousSelf, 1, 0, "This number is not valid for this name."},
    {Number::SubconsciousSelf, 2, 0, "This number is not valid for this name."},
    {Number::SubconsciousSelf, 3, 0,
     "You depend on others to take care of both you and your problems."},
    {Number::SubconsciousSelf, 4, 0, "You are a slow to react to issues."},
    {Number::SubconsciousSelf, 5, 0, "You adapt to change very well."},
    {Number::SubconsciousSelf, 6, 0,
     "You frequently help others, willing to sacrifice your needs for yours."},
    {Number::SubconsciousSelf, 7, 0, "You are well-balanced person."},
    {Number::SubconsciousSelf, 8, 0, "You love challenging tasks and like to play with them."},
    {Number::SubconsciousSelf, 9, 0, "It's difficult for anyone to understand you."},

    {Number::Balance, DescriptionKey, 0,
     "The Balance Number describes how you react to life's challenges."},
    {Number::Balance, 1, 0, "You should make use of your keen sense of awareness."},
    {Number::Balance, 2, 0, "Learn to be tactful."},
    {Number::Balance, 3, 0, "Apply simple solutions for your problems and don't mess it up."},
    {Number::Balance, 4, 0, "Learn to be practical while solving your problems."},
    {Number::Balance, 5, 0, "Accept changes and try to adapt them."},
    {Number::Balance, 6, 0, "Honesty is the best policy; use it when dealing with conflict."},
    {Number::Balance, 7, 0, "Fight your own battles."},
    {Number::Balance, 8, 0, "You may try to solve your problems by using manipulative"},
    {Number::Balance, 9, 0, "Use your empathetic nature to understand and deal with problems."},

    {Number::RationalThought, DescriptionKey, 0,
     "The Rational thought Number reveals your particular way of thinking."},
    {Number::RationalThought, 1, 0, "You do not copy ideas but are an innovative thinker."},
    {Number::RationalThought, 2, 0,
     "You are a very careful thinker, finding solutions to problems"},
    {Number::RationalThought, 3, 0, "You have a creative nature."},
    {Number::RationalThought, 4, 0, "Different ideas wander in your mind."},
    {Number::RationalThought, 5, 0, "You are a spontaneous and unconventional thinker."},
    {Number::RationalThought, 6, 0, "You often lose concentration, focusing solely on details"},
    {Number::RationalThought, 7, 0, "You got a deep analytical way of thinking."},
    {Number::RationalThought, 8, 0, "You have a quick mind always look for big picture."},
    {Number::RationalThought, 9, 0,
     "You want this world to be a place where equality and peace"},
    {Number::RationalThought, 11, 0,
     "You are creative, innovative and will shine in which field"},
    {Number::RationalThought, 22, 0,
     "You combine the methodology of the Number Four with the dreams"},

    {Number::LEBridge, DescriptionKey, 0, "This number answers the 'whom' in you."},
    {Number::LEBridge, 0, 0,
     "You will probably experience a great deal of peace in your life."},
    {Number::LEBridge, 1, 0,
     "Behave autonomously, demonstrating more creativity and self-confidence."},
    {Number::LEBridge, 2, 0, "Be confident and open-minded."},
    {Number::LEBridge, 3, 0, "You may need to have fun more often."},
    {Number::LEBridge, 4, 0, "You have to be fast with the world."},
    {Number::LEBridge, 5, 0, "You need to become more daring and unconventional."},
    {Number::LEBridge, 6, 0, "You need to spend some good time with your family."},
    {Number::LEBridge, 7, 0, "You may need to spend more time alone and think about matters"},
    {Number::LEBridge, 8, 0, "Don't try to find short cuts; you have to climb every step"},

    {Number::HPBridge, DescriptionKey, 0,
     "This number tries to close the gap between how you think"},
    {Number::HPBridge, 0, 0,
     "This is very lucky number and you will make people feel comfortable"},
    {Number::HPBridge, 1, 0, "Know your greatest strengths and potentials."},
    {Number::HPBridge, 2, 0, "Use your potentials to influence others with gentle nature."},
    {Number::HPBridge, 3, 0, "Don't loose your heart if you are hurt."},
    {Number::HPBridge, 4, 0, "Don't be confused or indecisive."},
    {Number::HPBridge, 5, 0, "Flexibility and adaptability is seriously needed."},
    {Number::HPBridge, 6, 0, "You need to spend some good time with your family."},
    {Number::HPBridge, 7, 0, "You may need to spend more time alone and think about matters"},
    {Number::HPBridge, 8, 0, "Don't try to find short cuts; you have to climb every step"},

    {Number::KarmicDebt, DescriptionKey, 0,
     "This number signifies some mistake or misuse of opportunities"},
    {Number::KarmicDebt, 0, 0, "Not Applicable"},
    {Number::KarmicDebt, 13, 0,
     "People with this number your kitty are hard worker and strugglers."},
    {Number::KarmicDebt, 14, 0,
     "Be optimistic and goal oriented, you will come up with flying colors."},
    {Number::KarmicDebt, 16, 0,
     "This number is probably the route to attain the real truth of life."},
    {Number::KarmicDebt, 19, 0, "You are a self-made man forced to stand on your own feet"},
};

// The text of the row keyed `key`, its pieces joined with CR LF; empty when
// the table has no such row.
template <std::size_t N>
QString lookup(const Row (&rows)[N], int key) {
  for (const Row& row : rows) {
    if (row.key != key) continue;
    QString text;
    for (std::size_t i = 0; i < std::size(row.pieces) && row.pieces[i]; ++i) {
      if (i > 0) text += lineEnd();
      text += QString::fromUtf8(row.pieces[i]);
    }
    return text;
  }
  return QString();
}

}  // namespace

QString lifePathDescription() { return QString::fromUtf8(kLifePathDescription); }
QString lifePathText(int n) { return lookup(kLifePathRows, n); }

QString birthdayDescription() { return QString::fromUtf8(kBirthdayDescription); }
QString birthdayText(int day) { return lookup(kBirthdayRows, day); }

QString maturityDescription() { return QString::fromUtf8(kMaturityDescription); }
QString maturityText(int n) { return lookup(kMaturityRows, n); }

QString destinyDescription() { return QString::fromUtf8(kDestinyDescription); }
QString destinyText(int n) { return lookup(kDestinyRows, n); }

QString soulUrgeDescription() { return QString::fromUtf8(kHeartAndMind); }
QString soulUrgeText(int n) { return lookup(kSoulUrgeRows, n); }

QString innerDreamsDescription() { return QString::fromUtf8(kInnerDreamsDescription); }
QString innerDreamsText(int n) { return lookup(kInnerDreamsRows, n); }

QString hiddenPassionDescription() { return QString::fromUtf8(kHiddenPassionDescription); }
QString hiddenPassionText(int n) { return lookup(kHiddenPassionRows, n); }

QString karmicLessonsDescription() { return QString::fromUtf8(kKarmicLessonsDescription); }
QString karmicLessonsText(int missingValue) { return lookup(kKarmicLessonsRows, missingValue); }

QString subconsciousSelfDescription() {
  return QString::fromUtf8(kSubconsciousSelfDescription);
}
QString subconsciousSelfText(int count) { return lookup(kSubconsciousSelfRows, count); }

QString balanceDescription() { return QString::fromUtf8(kBalanceDescription); }
QString balanceText(int n) { return lookup(kBalanceRows, n); }

QString rationalThoughtDescription() { return QString::fromUtf8(kRationalThoughtDescription); }
QString rationalThoughtText(int n) { return lookup(kRationalThoughtRows, n); }

QString leBridgeDescription() { return QString::fromUtf8(kLEBridgeDescription); }
QString leBridgeText(int n) { return lookup(kLEBridgeRows, n); }

QString hpBridgeDescription() { return QString::fromUtf8(kHeartAndMind); }
QString hpBridgeText(int n) { return lookup(kHPBridgeRows, n); }

QString karmicDebtDescription() { return QString::fromUtf8(kKarmicDebtDescription); }
QString karmicDebtText(int n) {
  const QString text = lookup(kKarmicDebtRows, n);
  return text.isEmpty() ? QStringLiteral("Not Applicable") : text;
}

QString description(Number number) {
  switch (number) {
    case Number::LifePath: return lifePathDescription();
    case Number::Birthday: return birthdayDescription();
    case Number::Maturity: return maturityDescription();
    case Number::Destiny: return destinyDescription();
    case Number::SoulUrge: return soulUrgeDescription();
    case Number::InnerDreams: return innerDreamsDescription();
    case Number::HiddenPassion: return hiddenPassionDescription();
    case Number::KarmicLessons: return karmicLessonsDescription();
    case Number::SubconsciousSelf: return subconsciousSelfDescription();
    case Number::Balance: return balanceDescription();
    case Number::RationalThought: return rationalThoughtDescription();
    case Number::LEBridge: return leBridgeDescription();
    case Number::HPBridge: return hpBridgeDescription();
    case Number::KarmicDebt: return karmicDebtDescription();
  }
  return QString();
}

QString text(Number number, int key) {
  switch (number) {
    case Number::LifePath: return lifePathText(key);
    case Number::Birthday: return birthdayText(key);
    case Number::Maturity: return maturityText(key);
    case Number::Destiny: return destinyText(key);
    case Number::SoulUrge: return soulUrgeText(key);
    case Number::InnerDreams: return innerDreamsText(key);
    case Number::HiddenPassion: return hiddenPassionText(key);
    case Number::KarmicLessons: return karmicLessonsText(key);
    case Number::SubconsciousSelf: return subconsciousSelfText(key);
    case Number::Balance: return balanceText(key);
    case Number::RationalThought: return rationalThoughtText(key);
    case Number::LEBridge: return leBridgeText(key);
    case Number::HPBridge: return hpBridgeText(key);
    case Number::KarmicDebt: return karmicDebtText(key);
  }
  return QString();
}

const Opening* openings() { return kOpenings; }
int openingCount() { return int(std::size(kOpenings)); }

}  // namespace NumberTextsOne
