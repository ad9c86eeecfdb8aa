#include "tarot/TarotCardTexts.h"

namespace TarotCardTexts {
namespace {

struct CardText {
  const char* upright;
  const char* reversed;
};

// Two reversed meanings are shared by a pair of cards each.

// The reversed Hanged Man and the reversed World: a stage that should have
// closed and has not.
const char kStalledEnding[] =
    "You are holding on to something that should have been finished or released by now, and the "
    "delay is costing you. Stop waiting for perfect conditions before you act. Look honestly at "
    "what keeps you stuck, tie up the loose ends and let this chapter close, so that the next one "
    "can begin.";

// The reversed Three of Pentacles and the reversed Three of Swords: discord
// and old hurt between you and the people around you.
const char kDiscordAndHurt[] =
    "Friction with the people around you is making everything harder than it needs to be. Old "
    "hurts and misunderstandings stand in the way of working together. Say openly what went "
    "wrong, put down the grudges you carry and listen to the other side. Cooperation and healing "
    "will follow once the air is clear.";

// By card number, in the program's own order.
const CardText kTexts[] = {
    // 0 Death
    {"This is the beginning of a new phase in your life, made possible by the end of an old one. "
     "Something you have outgrown is falling away, and you should let it go without a fight. An "
     "ending of this kind clears the ground for new growth. Accept it and you will find the fresh "
     "start easier than you fear.",
     "You are resisting a change that has already begun. Clinging to a situation, a habit or a "
     "relationship that has run its course only draws out your discomfort. Ask yourself what you "
     "are afraid of losing. Once you stop holding on, the change you dread will feel far less "
     "frightening."},
    // 1 The Hermit
    {"Step back from the noise around you and spend some time alone with your thoughts. The "
     "answers you need will come from within, not from the crowd. Quiet reflection, study or a "
     "wise mentor can light your way. Do not mistake this solitude for loneliness; it is a search "
     "for understanding.",
     "You may be withdrawing too far from the people who care about you, or refusing to look "
     "inward at all. Time alone that once helped you think is turning into isolation. Reach out "
     "again and share what you have learned. Balance your quiet hours with honest company."},
    // 2 Judgement
    {"A moment of awakening is at hand. You are called to review your past honestly, to forgive "
     "yourself and others, and to rise to a new understanding. An important decision may be "
     "waiting for you. Answer the call with a clear conscience and make a fresh start.",
     "Self-doubt and harsh self-criticism are holding you back. You may be ignoring an inner call "
     "because you fear being judged or fear repeating old mistakes. Learn the lesson your past "
     "offers instead of punishing yourself for it. Let go of regret and listen to yourself."},
    // 3 Justice
    {"Fairness and truth will decide the matter before you. Your actions have consequences, and "
     "what you have sown is coming back to you. Act honestly and weigh every side with care before "
     "you decide. If a legal or formal matter is pending, a just outcome is likely.",
     "Something in your situation is unfair, or you are avoiding responsibility for your own part "
     "in it. Dishonesty, bias or a lopsided agreement may be at work. Be truthful with yourself "
     "about where you went wrong. A legal matter may be delayed or go against you, so check every "
     "detail."},
    // 4 Strength
    {"You have more inner strength than you realise. Patience and quiet courage, not force, will "
     "help you master a hard situation or tame strong feelings. Treat yourself and others with "
     "compassion. Your calm confidence will win where pressure would fail.",
     "Self-doubt is draining your courage, and your emotions may be getting the better of you. "
     "Do not let fear or anger make your choices for you. Go back to what gives you confidence and "
     "rebuild it in small steps. You are stronger than this moment makes you feel."},
    // 5 Temperance
    {"Balance and moderation are the keys to your situation now. Blend opposing forces patiently "
     "instead of rushing to extremes. Take the middle way and give things the time they need to "
     "settle. Your calm and measured approach will bring harmony and healing.",
     "Your life has lost its balance. You may be overdoing something, whether work, spending, food "
     "or feeling, or swinging from one extreme to the other. Slow down and find where you have lost "
     "your sense of proportion. Restore moderation before the excess costs you more."},
    // 6 The Fool
    {"A new adventure is calling you. Meet it with an open heart and a readiness to learn, even if "
     "you cannot see where the road leads. Trust your instincts and take the leap. Keep your eyes "
     "open, but do not let fear of the unknown keep you at home.",
     "You are about to act rashly, without thinking the consequences through. Naivety or "
     "carelessness could lead you into trouble. Or fear may be stopping you from taking a chance "
     "that you need. Look before you leap, and then leap when the time is right."},
    // 7 The Chariot
    {"Victory comes through determination and self-discipline. You can overcome the obstacles in "
     "front of you if you keep your goal clear and your conflicting impulses under control. Take "
     "the reins and move forward with confidence. Success is within reach when you focus your "
     "will.",
     "You have lost your sense of direction, or you are trying to force a result through sheer "
     "aggression. Opposing pulls inside you leave you stuck where you are. Stop and decide what you "
     "really want before you push on. Regain control of yourself first, then of the situation."},
    // 8 The Devil
    {"You may feel bound by an unhealthy habit, a relationship or a craving for possessions. Look "
     "closely at what has power over you and why you allow it. The chains are often looser than "
     "they seem. Face your darker side honestly and you will see that you can choose to walk free.",
     "You are beginning to break free from something that has held you captive. A bad habit, a "
     "dependence or a controlling person is losing its grip on you. Keep going and do not slip "
     "back. Notice the freedom you are winning and guard it well."},
    // 9 The Emperor
    {"Structure, order and authority are on your side. Take a firm, practical approach and lead "
     "with confidence. Set clear rules for yourself and keep to them. A father figure or a person "
     "in power may support you, or you may be called to take that role yourself.",
     "Too much control, or too little, is causing trouble. You may be facing a domineering person, "
     "or acting rigidly and stubbornly yourself. A lack of discipline may also be letting things "
     "slide. Find a healthy middle ground between control and chaos."},
    // 10 The Empress
    {"Abundance, creativity and nurture surround you. This is a fertile time to bring ideas, "
     "projects or even a family into being. Enjoy the comforts and beauty of life, and take time to "
     "care for yourself and others. Let your creativity flow freely.",
     "You may be neglecting your own needs while you look after everyone else, or your creativity "
     "feels blocked. Leaning on others too much, or smothering those you love, can also be the "
     "problem. Give yourself some of the care you give away. Return to what nourishes you."},
    // 11 The Hanged Man
    {"This is a time to pause and look at your situation from a new angle. Letting go of control, "
     "rather than struggling, will bring the insight you need. A small sacrifice now may lead to a "
     "greater gain later. Be patient and allow events to unfold.",
     kStalledEnding},
    // 12 The Hierophant
    {"Tradition, established institutions and proven methods will serve you well now. Seek "
     "guidance from a teacher, a mentor or a respected authority. Following accepted practice, or "
     "joining people who share your beliefs, may bring you comfort. This is a good time for "
     "learning and for commitment.",
     "You feel hemmed in by rules, traditions or what others expect of you. It may be time to "
     "question the customs you have followed without thinking. Find your own path and your own "
     "beliefs, but do so with care. Do not rebel merely for the sake of rebelling."},
    // 13 The High Priestess
    {"Listen to your intuition, for it knows more than you think. Hidden knowledge may be revealed "
     "to you if you stay quiet and watchful. Do not rush to act on appearances. Let your inner "
     "voice and your dreams guide you.",
     "You are ignoring your intuition or drowning it in other people's opinions. Secrets may be "
     "kept from you, or you may be hiding your own feelings. Step away from the outside noise and "
     "reconnect with your inner wisdom. What you sense below the surface deserves your attention."},
    // 14 The Lovers
    {"A meaningful relationship or an important choice lies before you. Harmony, attraction and "
     "shared values make a union strong. Decide according to what you truly believe in, and be "
     "honest with yourself and your partner. Choose with your heart as well as your head.",
     "Disharmony or imbalance is troubling a relationship. You may face a choice in which your "
     "values conflict, or you may be avoiding responsibility for a decision. Communication has "
     "broken down somewhere. Look at what you really want and talk openly before the rift grows."},
    // 15 The Magician
    {"You have all the tools and talents you need to succeed. Now is the time to turn your ideas "
     "into action with focus and confidence. Your skill and willpower can shape your circumstances. "
     "Concentrate your energy and you will make things happen.",
     "Your talents are being wasted or misused. Beware of trickery, or of someone who promises more "
     "than they can deliver, and make sure that someone is not you. Poor planning could leave good "
     "ideas unrealised. Be honest about your aims and use your gifts wisely."},
    // 16 The Moon
    {"Things are not what they seem. Confusion, illusion and hidden fears may cloud your judgement "
     "now. Move slowly and make no important decision on partial information. Let your intuition "
     "lead you through the uncertainty until the way becomes clear.",
     "The confusion around you is starting to lift. Fears lose their power as the truth comes out, "
     "and you can see your situation more clearly. Release the anxiety that has troubled you, but "
     "do not overlook the deceptions that are now being revealed."},
    // 17 The Star
    {"Hope and renewal follow a difficult time. You can look ahead with faith and optimism, for "
     "healing is under way. Your dreams are within reach if you keep believing in them. Be "
     "generous with your gifts and trust that you are supported.",
     "You have lost faith in yourself or in the future, and discouragement weighs on you. Do not "
     "give up. Look for small sources of hope and go back to what inspires you. Your optimism will "
     "return once you allow yourself to believe again."},
    // 18 The Sun
    {"Joy, success and vitality shine on you. This is one of the happiest times you can hope for, "
     "with warmth in your relationships and confidence in your work. Enjoy it fully and share your "
     "good fortune with others. Things will turn out well.",
     "Your happiness is clouded for a while. Success may come later than you expected, or you may "
     "be too gloomy to see the good around you. Beware also of overconfidence. Keep a realistic "
     "outlook, and the sunshine will return to your life."},
    // 19 The Tower
    {"Sudden upheaval is shaking the foundations of your life. Something built on false "
     "assumptions is collapsing, and although the change hurts, it clears the way for the truth. "
     "Do not cling to what is falling. Once the dust settles, you can rebuild on firmer ground.",
     "You are avoiding an upheaval that has to come, or trying to hold off a collapse that is "
     "already under way. Resisting only makes the change harder. You may also have narrowly escaped "
     "a crisis. Learn from the close call and make the changes you know you need."},
    // 20 The World
    {"A cycle is complete, and you can enjoy the fulfilment of reaching your goal. Success, "
     "wholeness and recognition are yours. You may travel or widen your horizons. Celebrate what "
     "you have achieved, then get ready for the next journey.",
     kStalledEnding},
    // 21 Wheel Fortune
    {"The wheel is turning in your favour. Luck, destiny and unexpected change are at work, and a "
     "new cycle is beginning. Be ready to seize the opportunities that come your way. Remember that "
     "life moves in cycles, and go with the flow.",
     "Bad luck or an unwelcome change has come your way, and life may seem out of your control. "
     "Resisting the turn of the wheel will not stop it. Accept what you cannot change and look for "
     "the lesson in it. The wheel will turn upward again."},
    // 22 Two of Cups
    {"A partnership built on mutual respect and affection is forming. It may be a romance, a close "
     "friendship or a business alliance. The attraction is shared and the bond is sincere. Open "
     "your heart and meet the other person halfway.",
     "A relationship has fallen out of balance. Misunderstanding, mistrust or a breakdown in "
     "communication is pulling you and another person apart. Talk honestly about what has gone "
     "wrong. Only then can the bond be mended, or ended with dignity."},
    // 23 Two of Swords
    {"You face a difficult decision and have closed your eyes to avoid it. Staying in the middle "
     "may feel safe, but the stalemate cannot last. Gather the facts you need and weigh your "
     "options calmly. Then make your choice.",
     "Indecision has turned into confusion and anxiety. Too much information, or advice that "
     "pulls in opposite directions, is overwhelming you. Stop sitting on the fence and choose the "
     "lesser evil if you must. A truth you have avoided is coming into view."},
    // 24 Two of Wands
    {"You are planning your next move and looking out at the wider world. The future is in your "
     "hands, and you have the power to make bold decisions. Consider where your long-term goals "
     "could take you. Be prepared to step beyond familiar ground.",
     "Fear of the unknown is keeping you from moving ahead with your plans. You may be playing it "
     "too safe or lack a clear direction. Poor planning could also undermine your efforts. Define "
     "your goal and take the first step."},
    // 25 Three of Cups
    {"Celebrate with the people you love. Friendship, community and happy gatherings bring you joy "
     "now. A wedding, a party or a reunion may be near. Share your good fortune and enjoy the "
     "support of those around you.",
     "Too much partying or gossip may be spoiling your friendships. You might feel left out of a "
     "group or let down by a friend. Take some time for yourself and look again at your social "
     "life. Beware of overindulgence."},
    // 26 Three of Pentacles
    {"Teamwork and skill will lead you to success. Your work is being noticed and valued, and "
     "working with others brings excellent results. Listen to the ideas of your colleagues and "
     "share what you know. Careful effort now builds something that lasts.",
     kDiscordAndHurt},
    // 27 Three of Swords
    {"You are going through heartbreak, grief or a painful disappointment. Words may have wounded "
     "you deeply. Allow yourself to feel the sorrow instead of burying it. Facing the pain "
     "honestly is the first step towards healing.",
     kDiscordAndHurt},
    // 28 Three of Wands
    {"Your plans are starting to bear fruit. Expansion, foresight and progress mark this time, and "
     "opportunities may arrive from far away. Keep looking ahead and be ready to take on more. "
     "Your efforts are being rewarded.",
     "Delays and obstacles are frustrating your plans. Things are not growing as fast as you "
     "hoped, or you failed to plan far enough ahead. Review your strategy and be patient. Do not "
     "abandon your vision because of one setback."},
    // 29 Four of Cups
    {"You feel bored, discontented or withdrawn, and you may be missing an opportunity that is "
     "offered to you. Take time to reflect, but do not become so absorbed in what is lacking that "
     "you overlook what you are given. Look up and notice what is in front of you.",
     "You are ready to leave a period of apathy behind. Fresh motivation and a clearer view of "
     "your options are returning. Accept the chances that come your way and take part in life "
     "again. Let old dissatisfaction go."},
    // 30 Four of Pentacles
    {"You are holding tightly to your money, your possessions or your position. Security matters, "
     "but gripping too hard may block new growth. Saving is wise as long as you are not acting out "
     "of fear. Ask yourself what you are really protecting.",
     "Greed or fear of loss has gone too far, or you are spending carelessly. Either way your "
     "dealings with money are out of balance. Loosen your grip where you have been too possessive, "
     "and tighten it where you have been wasteful."},
    // 31 Four of Swords
    {"You need rest and recovery. Take a break from the struggle to recharge your body and mind. "
     "Meditation, quiet time or a short retreat will restore your strength. Do not push yourself, "
     "for the battle can wait.",
     "You are driving yourself too hard and refusing to rest, or you have grown restless after a "
     "long time of inactivity. Burnout is a real risk. Return to action slowly if you have been "
     "withdrawn, or give yourself permission to stop if you have not."},
    // 32 Four of Wands
    {"Celebration, harmony and homecoming bring you joy. A milestone is being reached, perhaps a "
     "marriage, a new home or a successful project. Enjoy the stability you have created. Share "
     "this happy time with your friends and family.",
     "Harmony at home or in a group is disturbed. A celebration may be put off, or you may feel "
     "unwelcome or unsettled. Look for the cause of the tension. With some effort, stability and "
     "joy can return to you."},
    // 33 Five of Cups
    {"You are mourning a loss and dwelling on what has gone wrong. Grief is natural, but do not "
     "overlook what remains. Some things are still standing behind you. When you are ready, turn "
     "around and see what can be saved.",
     "You are moving past a loss and beginning to accept what happened. Forgiveness and hope are "
     "returning to you. Let go of regret and pick up what remains. You are ready to move forward "
     "again."},
    // 34 Five of Pentacles
    {"Money worries, hardship or a feeling of being left out in the cold trouble you now. Help is "
     "closer than you think if you are willing to ask for it. Do not let pride keep you from the "
     "support you need. This hard time will pass.",
     "Recovery from hardship is under way. Your money problems begin to ease, and you find the "
     "help you needed. Your faith in the future is returning. Keep making careful choices, and "
     "accept support when it is offered."},
    // 35 Five of Swords
    {"Conflict, tension or an empty victory surrounds you. Winning at any cost may leave you with "
     "few friends. Think about whether this battle is really worth fighting. Sometimes walking away "
     "is the wiser choice for you.",
     "The time has come to make peace after a conflict. You may want to apologise or reconcile, or "
     "simply walk away from a fight that cannot be won. Release your resentment and move on. Open "
     "and honest talk can heal old wounds."},
    // 36 Five of Wands
    {"Competition, disagreement and clashing egos surround you. Everyone wants to be heard and "
     "little gets done. Use the tension to sharpen your skills, but avoid conflict for its own "
     "sake. Find the common ground and work together.",
     "The quarrels around you are dying down, or you are avoiding a disagreement that needs to be "
     "aired. Look for a peaceful solution, but do not silence your own views just to keep the "
     "peace. Working together is possible again."},
    // 37 Six of Cups
    {"Happy memories, nostalgia and innocence come to the fore. Someone from your past may "
     "reappear, or you may revisit a place from your childhood. Enjoy simple pleasures and "
     "kindness. Draw strength from the good times you remember.",
     "You are living too much in the past. Nostalgia is keeping you from enjoying the present, or "
     "from growing and moving on. Let go of what no longer serves you. Put your attention on the "
     "future you are creating."},
    // 38 Six of Pentacles
    {"Generosity and a fair balance of giving and receiving are highlighted. You may be in a "
     "position to help others, or you may receive help yourself. Share your resources fairly. What "
     "you give will come back to you.",
     "Giving and receiving have become unbalanced. Someone may be using generosity to control you, "
     "or you give far more than you get back. Beware of debts and of gifts with strings attached. "
     "Restore fairness in your dealings."},
    // 39 Six of Swords
    {"You are leaving troubled waters behind and moving towards calmer times. The passage may "
     "bring some sadness, but it is necessary. Trust that the journey is taking you somewhere "
     "better. Travel, in body or in mind, is likely.",
     "You cannot move on from a difficult situation, or you are resisting the change you need. "
     "Unresolved matters keep pulling you back. Face what holds you there. Then let it go and set "
     "out again."},
    // 40 Six of Wands
    {"Victory and public recognition are yours. Your hard work is being acknowledged, and others "
     "look at you with admiration. Enjoy this success and the confidence it brings. Stay humble and "
     "keep moving forward.",
     "The recognition you hoped for is delayed, or you doubt your own success. Pride or arrogance "
     "may also be a risk. Do not let other people's opinions decide your worth. Keep working, and "
     "success will follow."},
    // 41 Seven of Cups
    {"Many choices and possibilities lie before you, but not all of them are real. Wishful "
     "thinking and illusions may cloud your judgement. Look closely at each option and decide "
     "which one you can truly achieve. Focus on one goal and act.",
     "The fog is clearing, and you can see your options more realistically. You are ready to stop "
     "daydreaming and make a decision. Stay grounded and commit yourself to the path that makes "
     "sense."},
    // 42 Seven of Pentacles
    {"Your efforts are beginning to show results, but the harvest is not yet complete. Pause to "
     "assess your progress and decide whether to keep investing your time. Patience and "
     "perseverance will pay off for you in the long run.",
     "Impatience or frustration with slow results tempts you to give up. Or you may be putting "
     "effort into something that will never pay off. Review where your energy is going, and invest "
     "it more wisely."},
    // 43 Seven of Swords
    {"Deception, scheming or getting away with something is in the air. Someone may not be playing "
     "fair with you, or you may be tempted to cut corners. Be careful whom you trust. Act shrewdly "
     "if you must, but keep your integrity.",
     "A deception is coming to light, or you feel the urge to confess. Your conscience is catching "
     "up with you, and honesty is the best way forward. Stop trying to do everything alone, and "
     "ask for help."},
    // 44 Seven of Wands
    {"You must stand your ground and defend your position. Challenges and competition come from "
     "all sides, but you hold the advantage. Keep to your beliefs with courage and determination. "
     "Do not give up.",
     "You feel overwhelmed and ready to give up the fight. Too many demands are wearing you down. "
     "Decide which battles are worth fighting and let the others go. Protect your energy for what "
     "matters."},
    // 45 Eight of Cups
    {"You are walking away from something that no longer fulfils you. Though it is hard to leave "
     "behind what you have invested in, your heart is looking for deeper meaning. Trust that "
     "leaving is right. Set out to find what you truly need.",
     "You are afraid to move on although you know something is missing. Or you keep drifting from "
     "one thing to the next without settling. Ask yourself what you are really looking for. Then "
     "decide whether to stay and mend it or to leave for good."},
    // 46 Eight of Pentacles
    {"Hard work, dedication and attention to detail bring mastery. This is a good time to learn a "
     "new skill or to perfect the one you have. Commit yourself to your craft. Steady effort leads "
     "you to excellent results.",
     "Perfectionism or a lack of focus is hurting your work. You may be bored by a repetitive task, "
     "or cutting corners. Remember why you started and set yourself realistic standards. Quality "
     "matters more than speed."},
    // 47 Eight of Swords
    {"You feel trapped, powerless and restricted, but many of the bonds are of your own making. "
     "Negative thinking keeps you stuck. Look at your situation again, for there is a way out if "
     "you are willing to see it. Take one step towards freedom.",
     "You are beginning to free yourself from beliefs that have limited you. A new point of view "
     "shows you options you missed before. Release fear and self-criticism. Take back your power "
     "and move forward."},
    // 48 Eight of Wands
    {"Events are moving quickly. News, travel or rapid progress is coming your way. Act swiftly "
     "while the momentum is with you. Obstacles are clearing, and your affairs will fall into "
     "place.",
     "Delays and frustration slow you down, or things move so fast that you lose control of them. "
     "Your plans may need to be revised. Be patient and do not rush into decisions. Wait for the "
     "right moment."},
    // 49 Nine of Cups
    {"Your wishes are coming true. Contentment, satisfaction and emotional fulfilment are yours to "
     "enjoy. Take pleasure in what you have achieved. Gratitude will help this happiness last.",
     "Success does not feel as satisfying as you expected, or your wish is delayed. Material "
     "pleasures may be leaving you empty. Think about what would truly make you happy. Beware of "
     "smugness and overindulgence."},
    // 50 Nine of Pentacles
    {"Independence, comfort and material security are the rewards of your hard work. Enjoy the "
     "fruits of your labour and the luxuries you have earned. You have built a good life by your "
     "own efforts, so savour it.",
     "Your financial independence may be at risk, or you are overworking at the cost of your "
     "happiness. Beware of living beyond your means or of depending too much on others. Take stock "
     "and rebuild your security."},
    // 51 Nine of Swords
    {"Worry, anxiety and sleepless nights trouble you. Your fears may be worse in your mind than "
     "in reality. Talk about your worries with someone you trust. Seen in the light of day, they "
     "grow smaller.",
     "The anxiety that has plagued you is beginning to ease, or it has grown so heavy that you must "
     "seek help. Do not suffer alone. Reach out and let others support you. Hope returns as you "
     "confront your fears."},
    // 52 Nine of Wands
    {"You are tired, but you are nearly at the finish line. Your resilience has carried you this "
     "far, and one final push will see you through. Stay alert and protect what you have gained. "
     "Do not give up now.",
     "You are exhausted, and your defences are worn thin. Suspicion or stubbornness may be keeping "
     "you from accepting help. Rest if you need to, and drop the battles you cannot win. Ask for "
     "support."},
    // 53 Ten of Cups
    {"Lasting happiness, harmony and emotional fulfilment in your family and your relationships "
     "are yours. Love surrounds you, and this is the picture of a happy home. Cherish the people "
     "who make your life complete.",
     "Family tension or broken dreams disturb your happiness. Your relationships may not match your "
     "ideal. Talk openly about your needs and be realistic about what family life can be. Work "
     "together to rebuild harmony."},
    // 54 Ten of Pentacles
    {"Wealth, family heritage and long-term security are highlighted. Your efforts build something "
     "that will last for generations. Family and tradition are a source of strength for you. Think "
     "about what you want to leave behind.",
     "Financial loss, family quarrels over money or instability threaten your security. Questions "
     "of inheritance may arise. Protect your assets and be careful with long-term investments. "
     "Mend family relationships where you can."},
    // 55 Ten of Swords
    {"A painful ending has arrived, and you may feel betrayed or defeated. The worst, however, is "
     "over. Accept that this chapter is closed. From this low point the only way for you is up.",
     "You are recovering from a painful defeat, though part of you resists letting it end. Get "
     "through the aftermath and begin to heal. Do not keep reopening the wound. Your recovery is "
     "slow, but it is certain."},
    // 56 Ten of Wands
    {"You are carrying too heavy a burden. Responsibilities have piled up, and you feel weighed "
     "down by them. Ask for help and hand over what you can. Success is near, but you cannot do "
     "everything alone.",
     "You have taken on so much that it is close to breaking you, or you are at last learning to "
     "set burdens down. Release the tasks that are not yours. Say no when you need to. Lighten "
     "your load."},
    // 57 Ace of Cups
    {"A new beginning in love, feeling or creativity is opening for you. Your heart is full, and "
     "compassion flows freely. A new relationship or a spiritual awakening may begin. Open yourself "
     "to love.",
     "Your emotions are blocked, or you are holding your feelings back. Love may feel one-sided or "
     "empty. Be kind to yourself and allow your heart to open again. Take time to understand what "
     "you feel."},
    // 58 Ace of Pentacles
    {"A new chance for prosperity and material success arrives. It may be a job, an investment or "
     "a business idea. Grasp it firmly and plan wisely. The seed you plant now can grow into lasting "
     "abundance.",
     "A financial opportunity may slip away through poor planning or hesitation. Greed or a bad "
     "investment is also a risk. Check the details before you commit your money. Do not let a good "
     "chance go to waste."},
    // 59 Ace of Swords
    {"A breakthrough in clarity and truth is at hand. New ideas, sharp insight and decisive action "
     "give you the edge. Speak the truth and cut through the confusion. This is the moment for a "
     "clear mind.",
     "Confusion, misunderstanding or the misuse of power clouds your thinking. Your ideas may lack "
     "clarity, or words may be used to hurt. Wait until your mind is clear before you act. Think "
     "before you speak."},
    // 60 Ace of Wands
    {"A surge of inspiration and creative energy is yours. A new venture, passion or opportunity "
     "is about to begin. Act on your enthusiasm and take the initiative. Your spark can light a "
     "great fire.",
     "Delays, a lack of motivation or a creative block hold you back. The spark is there, but it "
     "will not catch. Wait for the right time, and look for the source of your hesitation. Do not "
     "force what is not ready."},
    // 61 King of Cups
    {"Emotional balance, compassion and wisdom guide you. You can stay calm in a storm and help "
     "others do the same. Be diplomatic and caring. A mature, kind person may play a part in your "
     "life, or you may be called to be that person.",
     "Emotional manipulation, moodiness or buried feelings are a problem. Someone may be using "
     "emotion to control you, or you are losing your own balance. Be honest about how you feel. Do "
     "not let your moods rule you."},
    // 62 King of Pentacles
    {"Abundance, security and success in business surround you. You are practical and reliable, "
     "and you can turn ideas into wealth. Lead with discipline and generosity. A successful person "
     "may offer you valuable advice.",
     "Greed, stubbornness or poor handling of money is a risk. You may be too fixed on wealth or "
     "status. Do not let possessions rule your choices. Be wary of someone who values money above "
     "people."},
    // 63 King of Swords
    {"Clear thinking, authority and truth are your strengths. Make your decisions on logic and "
     "fairness rather than on emotion. Advice from a lawyer or another expert may help you. Speak "
     "and act with integrity.",
     "Abuse of power, manipulation or cold judgement is at work. Someone may be using their "
     "intellect to hurt or control you. Check that your own reasoning is fair. Do not let cruelty "
     "pass for honesty."},
    // 64 King of Wands
    {"Vision, leadership and bold action mark this time. You inspire others with your energy and "
     "confidence. Take charge of your plans and lead the way. Your spirit of enterprise will carry "
     "you forward.",
     "Impulsiveness, arrogance or unrealistic expectations are undermining you. You may be acting "
     "like a tyrant, or meeting one. Slow down and think about how your actions affect others. Lead "
     "by example, not by force."},
    // 65 Knight of Cups
    {"An offer, an invitation or a romantic proposal may come your way. Follow your heart and your "
     "imagination. Charm and idealism guide you now. Act on your feelings, but keep your feet on "
     "the ground.",
     "Moodiness, unrealistic dreams or false promises are at play. Someone may be charming but "
     "unreliable. Check that your feelings are grounded in reality. Do not let jealousy or moods "
     "lead you astray."},
    // 66 Knight of Pentacles
    {"Steady work, patience and reliability bring results. Your progress may be slow, but it is "
     "sure. Keep to your routine and follow through on your commitments. Diligence will pay off for "
     "you.",
     "Boredom, idleness or stubbornness is holding you back. You may be stuck in a rut, or too "
     "cautious to take any risk at all. Shake up your routine and find new motivation. Do not let "
     "perfectionism stop you."},
    // 67 Knight of Swords
    {"You are charging ahead with determination and ambition. Quick thinking and bold action help "
     "you reach your goals. Speak your mind and act fast. Take care, though, not to trample others "
     "on the way.",
     "Recklessness, impatience or aggressive words are causing trouble. You may be rushing ahead "
     "without a plan. Slow down and think before you speak or act. Direct your energy with care."},
    // 68 Knight of Wands
    {"Energy, passion and a taste for adventure drive you forward. You are ready to travel, take a "
     "risk or pursue a bold idea. Act with enthusiasm and confidence. Just be careful not to rush "
     "into things.",
     "Haste, frustration or scattered energy lead to delays. You may start many things and finish "
     "few of them. Slow down and think before acting. Pour your passion into one thing at a time."},
    // 69 Page of Cups
    {"A creative idea, a happy message or a new emotional beginning comes to you. Be open to your "
     "intuition and to the unexpected. Let the child in you play. A gentle surprise may brighten "
     "your day.",
     "Emotional immaturity, a creative block or disappointing news may trouble you. You might be "
     "escaping into fantasy. Face your feelings honestly. Do not let insecurity hold you back from "
     "what you want."},
    // 70 Page of Pentacles
    {"A new chance to learn, to study or to start a practical project arrives. Be diligent and "
     "willing to learn. Set yourself goals and make a plan. Small steps lead you to lasting "
     "achievement.",
     "A lack of focus, procrastination or missed chances hold you back. You may be dreaming "
     "without acting. Set realistic goals and follow them through. Learn from your mistakes "
     "instead of avoiding them."},
    // 71 Page of Swords
    {"Curiosity, new ideas and a thirst for knowledge drive you. Stay alert and watch for news or "
     "information. Speak up and ask questions. Be careful, though, to think before you speak.",
     "Gossip, hasty words or scattered thinking cause trouble. You may be all talk and no action. "
     "Think carefully before you speak. Be wary of someone who spreads rumours about you."},
    // 72 Page of Wands
    {"Exciting news, inspiration or a new adventure is on its way to you. Explore your creativity "
     "and your passions with enthusiasm. Be open to new experiences. Your fresh ideas have real "
     "potential.",
     "Delays, a lack of direction or ideas that come to nothing frustrate you. You may have plenty "
     "of plans but no follow-through. Focus your energy and make a start. Do not give up at the "
     "first setback."},
    // 73 Queen of Cups
    {"Compassion, intuition and emotional security guide you. Trust your feelings and offer care "
     "to those around you. A caring and intuitive person may support you. Look after your "
     "emotional wellbeing.",
     "Emotional insecurity, dependence or being swamped by the feelings of others affects you. You "
     "may be neglecting yourself. Set healthy boundaries. Take care of your own emotional needs "
     "too."},
    // 74 Queen of Pentacles
    {"Practical care, comfort and abundance surround you. You balance work and home with skill. "
     "Look after others with warmth and generosity. Enjoy the material security you have built.",
     "An imbalance between work and home, neglect of yourself or money worries trouble you. You may "
     "be smothering others or putting yourself last. Restore the balance. Take care of your own "
     "needs as well."},
    // 75 Queen of Swords
    {"Clear thinking, independence and honest words are your strengths. Set clear boundaries and "
     "speak the truth, even when it is hard. Use your experience to judge wisely. Do not let "
     "emotion cloud what you see.",
     "Harshness, bitterness or cold judgement is a risk. Someone may be cruel with words. Do not "
     "let past pain make you unkind. Balance your reason with compassion, and you will judge "
     "better."},
    // 76 Queen of Wands
    {"Confidence, warmth and determination make you shine. Your enthusiasm draws others to you. "
     "Take the lead and express yourself boldly. Trust your abilities and let them show.",
     "Jealousy, insecurity or demanding behaviour is getting in your way. You may be stretching "
     "yourself too thin or feeling unappreciated. Reconnect with your confidence. Do not let "
     "self-doubt or envy rule you."},
    // 77 Two of Pentacles
    {"You are juggling several responsibilities and need to stay flexible. Adapt to change and "
     "keep your priorities in order. Balance work and play. With a light touch you can keep "
     "everything moving.",
     "You are overwhelmed, disorganised or trying to do too much at once. Your juggling of money "
     "and duties may be failing. Drop what is not essential and focus on what is. Restore order "
     "before things fall."},
};
static_assert(sizeof(kTexts) / sizeof(kTexts[0]) == 78, "one entry per card");

bool inRange(int number) { return number >= 0 && number < 78; }

}  // namespace

const char* upright(int number) { return inRange(number) ? kTexts[number].upright : ""; }

const char* reversed(int number) { return inRange(number) ? kTexts[number].reversed : ""; }

}  // namespace TarotCardTexts
