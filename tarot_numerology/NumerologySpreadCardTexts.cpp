// The descriptions of the tarot-numerology deck's cards: one paragraph per
// card, in the deck's order. A Major Arcana card that belongs to a number's
// card set has the same description there.
#include "tarot_numerology/NumerologySpreadCards.h"

namespace NSCardTable {
namespace {

const char* const kDescriptions[kCardCount] = {
    "This signifies the beginning of a new journey. It may call for a leap of faith into "
    "the unknown, with the open heart and curiosity of a child. Trust life, travel light "
    "and welcome new experiences, but keep your eyes open so that spontaneity does not "
    "turn into carelessness.",
    "This card signifies a strong personality with willpower, skill and the means to turn "
    "ideas into results. Everything you need is already on your table; what counts now is "
    "that you use it with purpose. Communicate clearly, trust your abilities and act, for "
    "this is a time when your efforts can shape events.",
    "Your intuition will play a very important part in your decisions now. Not everything "
    "is visible yet: keep quiet, observe and listen to your inner voice rather than to "
    "loud opinions. Hidden knowledge, dreams and secrets may come to light, and patience "
    "will show you the right moment to act.",
    "Execution of your decisions are in you own hands now. This is a fertile and abundant "
    "time: ideas grow, projects bear fruit and relationships are warm and caring. Enjoy "
    "comfort and beauty, look after your body and your home, and let your creativity and "
    "generosity nourish the people you love.",
    "This is the time to organize yourself and plan your next moves with care. Structure, "
    "discipline and clear rules will serve you well. You may take on authority or meet a "
    "protective, fatherly figure. Be firm and fair, rely on reason rather than emotion, "
    "and build a solid base for what you want to achieve.",
    "You may be more worried about your social standing than you admit. Tradition, "
    "teachers and shared beliefs offer guidance now; learn from those who came before, yet "
    "keep what truly rings true for you.",
    "This is the time to understand and give a meaning to your closest relationships. A "
    "meaningful choice lies ahead, in love or in values, and it should come from the heart "
    "as well as from the head. The card speaks of harmony, attraction and partnership, and "
    "of being true to yourself in the bond you choose.",
    "You may see success soon. Have a positive outlook towards the challenges before you "
    "and keep firm control of opposing forces, within you and around you. Determination, "
    "focus and self-discipline will carry you forward; this is a card of victory won "
    "through effort, and sometimes of a journey.",
    "You may get involved in legal issues. Seek sound advice and act honestly, because "
    "this card promises a fair outcome that reflects what has been done. Weigh every side "
    "of a question, take responsibility for your choices and keep your agreements; balance "
    "and truth will be restored.",
    "You need to take out time and think about your direction in life. Step back from the "
    "noise, seek solitude and look within for answers. A teacher or guide may appear, or "
    "you may become one for others. Wisdom gained slowly now will light your way for a "
    "long time.",
    "You may have some special gains. Your destiny may be turning in your favour, bringing "
    "unexpected chances and a change of circumstances. Life moves in cycles: what rises "
    "will fall and rise again. Seize the opportunity while the wheel is with you, and stay "
    "steady when it turns.",
    "You have the courage, determination and will power to achieve what you set out to do. "
    "Your strength is gentle rather than forceful: patience, compassion and self-control "
    "will tame difficulties that force could not. Believe in yourself and meet challenges "
    "calmly, and others will trust your quiet confidence.",
    "You need to rise above this material world. There is a pause in your affairs that you "
    "cannot force; accept it and use it to see things from a new angle. Letting go of "
    "control, or making a small sacrifice now, can bring insight and a better result later.",
    "This is the beginning of a new life. You have reached the end of one chapter, and "
    "holding on to it will only delay what must come. The card rarely means a physical "
    "death; it speaks of transformation, of clearing away the old so that something new "
    "and healthier can grow in its place.",
    "Do not force people to accept your views immediately. Give them time, find the middle "
    "way and blend opposite ideas into something that works. This card asks for patience, "
    "moderation and balance in your habits, your feelings and your dealings with others; "
    "healing comes through calm and measured steps.",
    "Your dark side may be trying to take over your better judgement. Look honestly at "
    "what binds you: a habit, a desire, fear or an unhealthy tie. The chains are often "
    "looser than they seem, and naming them is the first step to freedom. Do not let "
    "material concerns or temptation rule your choices.",
    "There may be a sudden change or disruption in your plans or beliefs. Something built "
    "on weak ground may fall, and though the shock is unwelcome it clears the way for the "
    "truth. Do not cling to what is breaking; after the storm you can rebuild on firmer "
    "and more honest foundations.",
    "This is a very positive card and signifies hope, inspiration, healing and renewed "
    "faith in the future. After a difficult time, calm returns and your wishes have a real "
    "chance of coming true. Be open and generous, follow your ideals and trust that the "
    "way ahead is guided.",
    "Your intuitiveness is at its peak now. Do not start important ventures while things "
    "remain unclear: illusions, hidden fears or deception may cloud the picture. Pay "
    "attention to your dreams and feelings, move carefully, and wait until the light "
    "returns before you make firm decisions.",
    "You are enthusiastic and passionate about your work. Your hard work is noticed and "
    "brings success, recognition and a sense of well-being. This is a bright and happy "
    "card of vitality, good health and warm relationships; enjoy it, share your joy and "
    "let your confidence encourage the people around you.",
    "You hard work reaps all the rewards. Do not be afraid to look back honestly on the "
    "past, to forgive and to be forgiven; a new stage of life is calling you. This card "
    "speaks of awakening, important decisions and a fresh start, as if you were hearing a "
    "call to become who you really are.",
    "Trust people who mean well. Look at both sides of every question before you decide. A "
    "cycle of your life is coming to a happy completion, and you may enjoy reward, "
    "recognition and a feeling of wholeness. Travel or wider horizons may open before you, "
    "ready for the next beginning.",
    "This signifies the beginning of a new venture, full of creative fire. An idea is "
    "ready to take root; act on your enthusiasm while the spark is bright and the energy "
    "is with you.",
    "Good things are yet to come, and your plans are starting to take shape. Look beyond "
    "the familiar horizon, weigh your options and decide boldly which direction your "
    "ambitions will take.",
    "This signifies strength and confidence in your motives. Your efforts are beginning to "
    "bear fruit, and wider horizons open before you. Work with others and explore the "
    "chances that come your way.",
    "This is a time for enjoying the rewards of your work with family and friends. "
    "Celebration, harmony and a sense of home surround you; rest and rejoice in what you "
    "have built.",
    "This is time to test your courage. There may be rivalry, disagreement or petty "
    "struggles around you. Keep your temper, stand your ground fairly, and the competition "
    "will sharpen your skills.",
    "You may soon hear some good news. You will be recognised for your efforts and may "
    "enjoy public success. Accept praise graciously and let your victory inspire those who "
    "helped you.",
    "You may have to face stiff competition and challenges to your position. Hold firm to "
    "your convictions; with courage and determination you can defend what you have earned "
    "and come out ahead.",
    "You may be approaching your goal.  This is a time of swift movement, news and rapid "
    "progress. Act quickly while the way is clear, and matters long delayed will move "
    "forward at speed.",
    "You have prepared yourself for your eventual victory. Though tired, you are nearly "
    "there. Stay alert, guard what you have gained and draw on your stamina for one final "
    "effort.",
    "This is a time for struggle. You may be carrying more than your share of burdens. Ask "
    "for help, set down what is not yours to carry, and the load will grow lighter.",
    "You are highly adventurous and enthusiastic about life. New ideas and messages excite "
    "you; follow your curiosity, explore creative paths and share your bright energy with "
    "those around you.",
    "You are highly aggressive and impulsive. You tend to rush into action with great "
    "passion. Adventure and change call to you; channel your fire wisely and avoid hasty "
    "decisions.",
    "You are a well liked person. You are warm, confident and full of energy, and you "
    "inspire others with your charm. Use your determination and creativity to lead with "
    "generosity.",
    "You are a charismatic leader. You have a vision and the boldness to carry it out. "
    "People follow your example; lead with honour, and your enterprise will grow strong.",
    "This signifies beginning of a new life, journey or relationship filled with love. "
    "Your heart is open and overflowing; new feelings, compassion and spiritual joy pour "
    "into your days.",
    "This may be the beginning of a harmonious partnership or romance. Mutual respect and "
    "attraction draw two people together; differences are resolved and an agreement from "
    "the heart is made.",
    "You hidden talents will be discovered. You may soon have reason to celebrate with "
    "friends. Gatherings, support and shared happiness surround you; enjoy the company of "
    "those you love.",
    "Your life may be stagnating and you may feel bored or discontented. Look again at "
    "what is offered to you. A new chance may be waiting if you lift your eyes from your "
    "worries.",
    "This signifies loss and regret about something done or left undone. Grief is natural, "
    "yet not everything is lost; turn around and see what still remains to build upon.",
    "This is the time to make the best of fond memories and old friendships. Innocence, "
    "kindness and simple pleasures bring joy; a reunion or a gift from the past may warm "
    "your heart.",
    "This represents the choices that need to be made among many tempting possibilities. "
    "Not every dream is real; look past illusions and choose the path that truly serves "
    "you.",
    "You may wish to abandon your current path in search of something deeper. Walking away "
    "can be wise when the heart is no longer fed; trust your need for meaning.",
    "This is a time for emotional satisfaction and contentment. Wishes come true and "
    "comforts abound. Enjoy the pleasures you have earned and be grateful for your good "
    "fortune.",
    "This is the time for happiness. Relationships will flourish and family life brings "
    "lasting joy. Harmony, love and emotional fulfilment fill your home and your heart.",
    "You are a gentle, loving and caring person. Your sensitivity and imagination are "
    "gifts; a message of affection or a creative idea may arrive, and you will welcome it "
    "warmly.",
    "You are a romantic person at heart. You follow your feelings and ideals, and an offer "
    "of love or an invitation may come your way. Stay grounded as you chase your dreams.",
    "You are a loving and tender person. Your compassion and intuition make you a source "
    "of comfort to others. Trust your feelings and care for yourself as you care for them.",
    "You are a business man to the core. Yet you balance your head and heart with calm "
    "wisdom. Your diplomacy and steady emotions help you guide others through difficult "
    "waters.",
    "This may be the beginning of a new idea or breakthrough. Clarity cuts through "
    "confusion; use the power of truth and a sharp mind to win your battles fairly.",
    "This represents a stale mate situation. You have a difficult decision to make and may "
    "be avoiding it. Remove the blindfold, weigh both options honestly and choose.",
    "This signifies a broken heart and betrayal.  There may be sorrow or painful truths to "
    "face. Allow yourself to grieve; healing begins once the hurt is acknowledged and "
    "released.",
    "This is the time build up your mental and physical strength through rest. Withdraw "
    "for a while, meditate and recover. Quiet reflection now prepares you for the tasks "
    "ahead.",
    "There may be some mental tension. You may win an argument yet lose a friend. Consider "
    "whether the fight is worth it, and choose peace where pride would only bring loss.",
    "You may go on a long journey, mostly over water, leaving troubles behind. A calmer "
    "time lies ahead; move on from difficulties and trust that the passage leads somewhere "
    "better.",
    "Tact is needed in solving your problems. You may be tempted to act in secret, or "
    "others may not be honest with you. Guard your plans and keep your dealings clean.",
    "You may suffer from a restricted course of action and feel trapped. The bonds are "
    "weaker than they seem; change your thinking and you will find the way out.",
    "Things may not be as bad as they seem in the dark hours of the night. Worry and guilt "
    "can grow out of proportion; share your fears and let the morning bring perspective.",
    "You may be at the lowest point in a difficult cycle. The worst is over now; accept "
    "the ending, rest, and know that from here the only way is upward.",
    "You are full of grace and diplomacy. You think quickly, speak truthfully and watch "
    "closely. Curiosity and vigilance serve you well; news or an unexpected event may call "
    "for clear thought.",
    "You are very brave and aggressive. You strive for your goals with speed and "
    "directness. Your logic is sharp, but slow down enough to avoid needless disputes and "
    "rash moves.",
    "You are warrior and always ready for a fair fight of words and wits. Experience has "
    "made you perceptive and independent; speak plainly, judge clearly and keep your "
    "compassion.",
    "You are an authoritative figure. You will make decisions based on reason, fairness "
    "and truth. Your intellect and integrity earn respect; use your power to judge wisely.",
    "You may receive unexpected money. There may be a new opportunity for prosperity or a "
    "secure start in business. Plant the seed wisely and it will grow into lasting wealth.",
    "There is a need for maintaining a good balance between your many responsibilities. "
    "Stay flexible and light-hearted as you juggle work, money and play, and adapt to "
    "changes as they come.",
    "This represents the initial completion of a project. Your skill is recognised and "
    "teamwork brings results. Plan together, build with care and take pride in work well "
    "done.",
    "This signifies material and financial security. Business will be steady, yet holding "
    "too tightly may stifle growth. Keep what you need, but do not let fear of loss close "
    "your heart.",
    "You may suffer from loneliness and desolation. Poor health or money worries may weigh "
    "on you. Help is nearer than you think; do not be too proud to ask for it.",
    "You will receive what is rightfully yours. You may also be in a position to give. "
    "Generosity flows both ways now; share your good fortune and accept help with grace.",
    "Patient effort is needed to bring your work to harvest. Pause to assess what you have "
    "grown so far, decide where to invest your energy next and trust that steady care will "
    "be rewarded.",
    "You may be learning a new trade. Only diligent practice and attention to detail will "
    "bring mastery. Commit yourself to your craft, and your persistence will pay off.",
    "You may be financial comfortable. This is all the fruit of your own discipline and "
    "work. Enjoy your independence, refinement and the good things you have cultivated.",
    "You will have a stable family life. You may inherit wealth, traditions or lasting "
    "security. Long-term plans succeed, and what you build now will benefit generations to "
    "come.",
    "You may be eager to learn the tricks of a new skill or venture. Practical and "
    "studious, you plan carefully; good news about work or money may soon reach you.",
    "You love nature and animals. Your outlook may be slow and steady, but you are "
    "thorough and reliable. Hard work and routine carry you surely towards your goals.",
    "This card represents the procreative, nurturing and protective side of life. You are "
    "practical and warm-hearted, creating comfort and security for those you love while "
    "keeping your feet on the ground.",
    "You are a pillar of solidarity and strength for those around you. Successful and "
    "generous, you have built security through wise effort; lead with patience and enjoy "
    "your abundance.",
};

}  // namespace

QString description(int number) {
  return isCard(number) ? QString::fromLatin1(kDescriptions[number]) : QString();
}

}  // namespace NSCardTable
