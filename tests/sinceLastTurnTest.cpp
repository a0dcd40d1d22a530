// What changed since a person's last turn, on boards worked out by hand.
#include <gtest/gtest.h>

#include "board.h"
#include "wording/Wording.h"

namespace sonarch::testing {
namespace {

// You hold Alder, Birch, Cedar and Dale; Carmen Elm and Fern, Cali Gorse,
// Damien Heath.
Board before() {
    return boardOf({"Carmen", "Cali", "Damien"},
                   {{"Alder", {}, 1, 2}, {"Birch", {}, 1, 2}, {"Cedar", {}, 1, 2}, {"Dale", {}, 1, 2},
                    {"Elm", {}, 2, 2}, {"Fern", {}, 2, 2}, {"Gorse", {}, 3, 2}, {"Heath", {}, 4, 2}});
}

TEST(SinceLastTurn, NamesTheZonesLostByTakerThePlayersOutAndTheStandings) {
    const Board was = before();
    Board now = was;
    // Carmen took Alder and Birch, Cali Cedar and Heath, Damien's last.
    now.zoneOwner[1] = now.zoneOwner[2] = 2;
    now.zoneOwner[3] = now.zoneOwner[8] = 3;
    now.playerName[4].clear();
    const PlayWords& words = clearWording().play;
    EXPECT_EQ(words.sinceYourLastTurn(was, now, 1, 1),
              "Since your last turn: Carmen took Alder and Birch from you, Cali took Cedar; Damien is out. "
              "Carmen 4 zones, Cali 3, you 1.");
    // Heard by nobody in particular, the person is named.
    Board anna = was;
    anna.playerName[1] = now.playerName[1] = "Anna";
    EXPECT_EQ(words.sinceYourLastTurn(anna, now, 1, 0),
              "Since Anna's last turn: Carmen took Alder and Birch from Anna, Cali took Cedar; Damien is out. "
              "Carmen 4 zones, Cali 3, Anna 1.");
}

TEST(SinceLastTurn, CountsTheZonesLostBeyondThreeAndSaysWhenNothingWasLost) {
    const Board was = before();
    Board now = was;
    now.zoneOwner[1] = now.zoneOwner[2] = now.zoneOwner[3] = 2;
    now.zoneOwner[4] = 3;
    const PlayWords& words = classicWording().play;
    EXPECT_EQ(words.sinceYourLastTurn(was, now, 1, 1),
              "Since your last turn: Carmen took 3 zones from you, Cali 1. Carmen 5 zones, Cali 2, Damien 1, you 0.");
    EXPECT_EQ(words.sinceYourLastTurn(was, was, 1, 1),
              "Since your last turn: you lost no zones. You 4 zones, Carmen 2, Cali 1, Damien 1.");
}

}  // namespace
}  // namespace sonarch::testing
