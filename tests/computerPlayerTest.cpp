// A computer player's turn, played as the turn order plays it: the starting
// claim, the attack sweeps with their sentences, the decision rule's chances,
// and the placing of points.
#include <gtest/gtest.h>

#include <algorithm>

#include "board.h"

namespace sonarch::testing {
namespace {

// Plays Jacob's (player 2's) turn.
Lines jacobsTurn(Session& s) {
    s.form.turnPlayer = 2;
    s.form.runAI();
    return s.said();
}

// Jacob has not yet started, as in a new game or after a loaded one, where
// nobody counts as started. Each turn leaves the number after its draws.
TEST(StartingClaim, IsJacobsWholeFirstTurn) {
    constexpr double unused = 0.123;
    struct Claim {
        std::string what;
        std::vector<std::string> computers;
        std::vector<BoardZone> zones;
        std::vector<double> draws;
        Lines said;
        std::vector<int> ownersAfter, armiesAfter;
        int chain;
        std::string name;  // empty once out
    };
    const std::vector<Claim> claims{
        // The first draw finds the human's zone and is drawn again; the
        // unclaimed neighbour is not attacked.
        {"a random unclaimed zone is taken and nothing else done", {"Jacob"},
         {{"Home", {2}, 1, 1}, {"Field", {1, 3}, 0, 0}, {"Hill", {2}, 0, 0}},
         {drawOf(1, 3), drawOf(3, 3)},
         {"msg: Jacob has taken control of Hill. The army of Hill is now 2.", "pause: 5"},
         {1, 0, 2}, {1, 0, 2}, 1, "Jacob"},
        {"the claim is made even by a player who already holds zones", {"Jacob"},
         {{"Home", {}, 1, 1}, {"North", {3}, 2, 8}, {"East", {}, 0, 0}}, {drawOf(3, 3)},
         {"msg: Jacob has taken control of East. The army of East is now 2.", "pause: 5"},
         {1, 2, 2}, {1, 8, 2}, 1, "Jacob"},
        {"with no zone left to claim the player plays on what it holds", {"Jacob", "Ethan"},
         {{"Home", {}, 1, 1}, {"Field", {}, 2, 3}, {"Hill", {2}, 2, 2}, {"Dale", {}, 3, 1}},
         {drawOf(3, 4), drawOf(3, 4)},
         {"msg: Jacob has increased the army of Hill to 4.", "pause: 5"},
         {1, 2, 2, 3}, {1, 3, 4, 1}, 2, "Jacob"},
        {"with no zone left a player holding nothing is out", {"Jacob", "Ethan"},
         {{"Home", {}, 1, 1}, {"Hill", {}, 3, 2}}, {},
         {"msg: Jacob has been defeated!", "pause: 5"}, {1, 3}, {1, 2}, 0, ""},
    };
    for (const Claim& c : claims) {
        SCOPED_TRACE(c.what);
        auto s = gameOn(c.computers, c.zones, then(c.draws, {unused}));
        s->form.hasStarted[2] = 0;
        EXPECT_EQ(jacobsTurn(*s), c.said);
        for (int z = 1; z <= static_cast<int>(c.zones.size()); ++z) {
            EXPECT_EQ(s->form.zoneOwner[z], c.ownersAfter[z - 1]) << "zone " << z;
            EXPECT_EQ(s->form.zoneArmy[z], c.armiesAfter[z - 1]) << "zone " << z;
        }
        EXPECT_EQ(s->form.chain[2], c.chain);
        EXPECT_EQ(s->form.playerName[2], c.name);
        EXPECT_TRUE(c.name.empty() || s->form.hasStarted[2] == 1);
        EXPECT_EQ(s->form.menuState, 0);
        EXPECT_EQ(s->form.random.next(), unused);
    }
}

TEST(ComputerAttack, TellsEachBattleWithTheArmiesLeft) {
    struct Battle {
        std::string what;
        std::vector<std::string> computers;
        std::vector<BoardZone> zones;
        std::vector<double> draws;
        Lines firstSaid;
    };
    const std::vector<Battle> battles{
        // North (5) beats Ethan's East (3) 20 to 9, then East, taken with 3,
        // attacks Ethan's West (3) on equal terms, draws 51, and loses 6 to 18.
        {"a won and a lost battle", {"Jacob", "Ethan"},
         {{"North", {2}, 2, 5}, {"East", {3}, 3, 3}, {"West", {}, 3, 3}, {"Home", {}, 1, 1}},
         then(then(diceTotalling(5, 20), diceTotalling(3, 9)),
              then({percentageOf(51)}, then(diceTotalling(3, 6), diceTotalling(3, 18)))),
         {"msg: Jacob of North attacked Ethan in East and was successful with a roll "
          "of 20 to 9. East has 3 army remaining.",
          "pause: 5",
          "msg: Jacob of East attacked Ethan in West and was defeated with a roll of "
          "6 to 18. West has 2 army remaining.",
          "pause: 5"}},
        {"the defender whose last zone it took is named first", {"Jacob", "Ethan"},
         {{"North", {2}, 2, 8}, {"East", {}, 3, 1}, {"Home", {}, 1, 1}},
         then(diceTotalling(8, 48), diceTotalling(1, 1)),
         {"msg: Ethan has been defeated!", "pause: 5",
          "msg: Jacob of North attacked Ethan in East and was successful with a roll "
          "of 48 to 1. East has 7 army remaining.",
          "pause: 5"}},
        {"the human is called You", {"Jacob"},
         {{"North", {2}, 2, 3}, {"Home", {}, 1, 2}, {"Hill", {}, 1, 1}},
         then(diceTotalling(3, 3), diceTotalling(2, 12)),
         {"msg: Jacob of North attacked You in Home and was defeated with a roll of 3 "
          "to 12. Home has 2 army remaining."}},
        // West is three stronger: the 100 drawn for it cannot make an attack,
        // and the 51 after it is what decides on South, an equal.
        {"a percentage is drawn even for a target it can never attack", {"Jacob", "Ethan"},
         {{"North", {2, 3}, 2, 2}, {"West", {}, 3, 5}, {"South", {}, 3, 2}, {"Home", {}, 1, 1}},
         then({percentageOf(100), percentageOf(51)}, then(diceTotalling(2, 12), diceTotalling(2, 2))),
         {"msg: Jacob of North attacked Ethan in South and was successful with a roll "
          "of 12 to 2. South has 1 army remaining."}},
    };
    for (const Battle& b : battles) {
        auto s = gameOn(b.computers, b.zones, b.draws);
        Lines said = jacobsTurn(*s);
        said.resize(std::min(said.size(), b.firstSaid.size()));
        EXPECT_EQ(said, b.firstSaid) << b.what;
    }
}

// A zone of 3 attacks a weaker target always, an equal on a percentage over
// 50, one stronger by 1 over 70, by 2 over 90, and a stronger one never.
// The share of attacks on a target of army `target` from a zone of 3, over
// many turns of one seeded game: the rule's chances as a player meets them.
double attackRate(int target) {
    constexpr int turns = 2000;
    Session s;
    s.start();
    int attacks = 0;
    for (int turn = 0; turn < turns; ++turn) {
        layOutGame(s.form, {"Jacob", "Ethan"},
                   {{"North", {2}, 2, 3}, {"West", {}, 3, target}, {"Dale", {}, 3, 1}, {"Home", {}, 1, 1}});
        s.form.turnPlayer = 2;
        s.form.runAI();
        // A won attack takes West; a lost one leaves North with 1 and, the
        // chain being 0, nothing placed on it.
        if (s.form.zoneOwner[2] == 2 || s.form.zoneArmy[1] == 1) ++attacks;
    }
    return static_cast<double>(attacks) / turns;
}

TEST(DecisionRule, AttacksByTheChancesOfItsTable) {
    // Four standard deviations of 2000 turns at most, about 0.045.
    EXPECT_EQ(attackRate(2), 1.0);
    EXPECT_NEAR(attackRate(3), 0.5, 0.045);
    EXPECT_NEAR(attackRate(4), 0.3, 0.041);
    EXPECT_NEAR(attackRate(5), 0.1, 0.027);
    EXPECT_EQ(attackRate(6), 0.0);
}

TEST(DecisionRule, TheBordersOfEachChance) {
    struct Border {
        int target, drawn;
        bool attacks;
    };
    for (const Border b : {Border{2, 1, true}, Border{3, 50, false}, Border{3, 51, true},
                           Border{4, 70, false}, Border{4, 71, true}, Border{5, 90, false},
                           Border{5, 91, true}, Border{6, 100, false}, Border{8, 100, false}}) {
        auto s = gameOn({"Jacob", "Ethan"},
                        {{"North", {2}, 2, 3}, {"West", {}, 3, b.target}, {"Dale", {}, 3, 1},
                         {"Home", {}, 1, 1}},
                        {percentageOf(b.drawn)});
        jacobsTurn(*s);
        EXPECT_EQ(s->form.zoneArmy[1] == 1, b.attacks) << "target " << b.target << " drawn " << b.drawn;
    }
}

// Whole turns told sentence by sentence; each leaves the number after its
// draws unused, and the history holds the last sentence.
TEST(ComputerTurn, SweepsAndPlacingAreToldInFull) {
    constexpr double unused = 0.123;
    const std::string stores = "msg: Jacob stores their points because all armies are at maximum size.";
    struct Turn {
        std::string what;
        std::vector<std::string> computers;
        std::vector<BoardZone> zones;
        std::vector<double> draws;
        int chain;
        Lines said;
    };
    // Jacob holds North (4), East (2) and West (1), linked to nothing; the
    // human holds Home.
    const std::vector<BoardZone> placing{
        {"North", {}, 2, 4}, {"East", {}, 2, 2}, {"West", {}, 2, 1}, {"Home", {}, 1, 1}};
    const std::vector<Turn> turns{
        {"an unclaimed neighbour is claimed always", {"Jacob"},
         {{"North", {2}, 2, 2}, {"East", {}, 0, 0}, {"Home", {}, 1, 1}},
         {drawOf(1, 3), drawOf(2, 3)}, 0,
         {"msg: Jacob has taken control of East. East now has an army of 1.", "pause: 5",
          "msg: Jacob has increased the army of North to 2,  and East to 2.", "pause: 5"}},
        // C takes L and D takes E in the first sweep; E, after D in the
        // order, attacks F in that same sweep, while L, before C, attacks M
        // in the next.
        {"zones taken earlier in the order wait for the next sweep", {"Jacob"},
         {{"L", {2}, 0, 0}, {"M", {}, 0, 0}, {"C", {1}, 2, 8}, {"D", {5}, 2, 8}, {"E", {6}, 0, 0},
          {"F", {}, 0, 0}, {"Home", {}, 1, 1}},
         {drawOf(1, 7), drawOf(1, 7), drawOf(1, 7)}, 0,
         {"msg: Jacob has taken control of L. L now has an army of 7.", "pause: 5",
          "msg: Jacob has taken control of E. E now has an army of 7.", "pause: 5",
          "msg: Jacob has taken control of F. F now has an army of 6.", "pause: 5",
          "msg: Jacob has taken control of M. M now has an army of 6.", "pause: 5",
          "msg: Jacob has increased the army of L to 4.", "pause: 5"}},
        // North (3) claims East and is left with 1; Ethan's West (1) comes
        // next on its links. A percentage drawn there would take the first
        // number, meant as a draw of West in the placing phase, as a 51: an
        // attack on equal terms with an army of 1.
        {"a zone down to one draws nothing for its later links", {"Jacob", "Ethan"},
         {{"North", {2, 3}, 2, 3}, {"East", {}, 0, 0}, {"West", {}, 3, 1}, {"Home", {}, 1, 1}},
         {0.505, drawOf(2, 4), drawOf(2, 4)}, 0,
         {"msg: Jacob has taken control of East. East now has an army of 2.", "pause: 5",
          "msg: Jacob has increased the army of East to 4.", "pause: 5"}},
        // North says no to its equal with a 40; East (3) loses to Dale (1).
        // A second sweep would draw again for North.
        {"a failed attack starts no new sweep", {"Jacob", "Ethan"},
         {{"North", {3}, 2, 3}, {"East", {4}, 2, 3}, {"West", {}, 3, 3}, {"Dale", {}, 3, 1},
          {"Home", {}, 1, 1}},
         then({percentageOf(40)}, then(diceTotalling(3, 3), diceTotalling(1, 6))), 0,
         {"msg: Jacob of East attacked Ethan in Dale and was defeated with a roll of "
          "3 to 6. Dale has 1 army remaining.",
          "pause: 5", stores, "pause: 5"}},
        // West lists North, but North does not list West: no attack.
        {"only its own zones' links are followed", {"Jacob", "Ethan"},
         {{"North", {}, 2, 8}, {"West", {1}, 3, 1}, {"Home", {}, 1, 1}}, {}, 0,
         {stores, "pause: 5"}},
        {"placing on one zone", {"Jacob"}, placing, {drawOf(1, 4)}, 1,
         {"msg: Jacob has increased the army of North to 5.", "pause: 5"}},
        // A draw of the human's zone is drawn again.
        {"placing on two zones, with two blanks before and", {"Jacob"}, placing,
         {drawOf(2, 4), drawOf(4, 4), drawOf(1, 4)}, 2,
         {"msg: Jacob has increased the army of North to 5,  and East to 3.", "pause: 5"}},
        {"placing on three zones, told in zone order", {"Jacob"}, placing,
         {drawOf(3, 4), drawOf(1, 4), drawOf(2, 4), drawOf(3, 4)}, 4,
         {"msg: Jacob has increased the army of North to 5, East to 3,  and West to 3.",
          "pause: 5"}},
        {"nothing to place at full armies", {"Jacob"},
         {{"North", {}, 2, 8}, {"East", {}, 2, 8}, {"West", {}, 2, 8}, {"Home", {}, 1, 1}}, {}, 3,
         {stores, "pause: 5"}},
        // Room 3 (North 8, East 7, West 6), chain 5: three points; a draw of
        // the full North is drawn again.
        {"no more than the room left", {"Jacob"},
         {{"North", {}, 2, 8}, {"East", {}, 2, 7}, {"West", {}, 2, 6}, {"Home", {}, 1, 1}},
         {drawOf(1, 4), drawOf(2, 4), drawOf(3, 4), drawOf(3, 4)}, 5,
         {"msg: Jacob has increased the army of East to 8,  and West to 8.", "pause: 5"}},
    };
    for (const Turn& t : turns) {
        SCOPED_TRACE(t.what);
        auto s = gameOn(t.computers, t.zones, then(t.draws, {unused}));
        s->form.chain[2] = t.chain;
        EXPECT_EQ(jacobsTurn(*s), t.said);
        EXPECT_EQ(s->form.random.next(), unused);
        EXPECT_EQ("msg: " + s->form.messages[1], t.said[t.said.size() - 2]);
    }
}

}  // namespace
}  // namespace sonarch::testing
