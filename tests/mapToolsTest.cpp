// The map maker's tools as a map maker runs them: the check on small maps
// with one fault each, the phonetic key behind its sound-alike finding, and
// the simulation's report.
#include <gtest/gtest.h>

#include <sstream>

#include "files/mapFormat.h"
#include "files/soundKey.h"
#include "host/tools/simulation.h"
#include "host/posix/PosixPlatform.h"
#include "host/tools/toolCommands.h"
#include "support.h"

namespace sonarch::testing {
namespace {

struct CheckCase {
    const char* map;  // one line: items separated by commas
    int status;
    Lines findings;   // every line after the first, which names the map
};

TEST(MapCheck, FindsEachFaultWithItsZones) {
    const std::vector<CheckCase> cases{
        {"Row,4,A,1,1,B,2,0,2,C,2,1,3,D,1,2", 0,
         {"note: This map allows 1 computer player.", "Nothing stops play; 0 warnings."}},
        {"Loops,4,A,2,0,1,B,3,0,2,2,C,2,1,3,D,1,2", 0,
         {"warning: Zone 1 (A) links to itself.", "warning: Zone 2 (B) links to zone 3 (C) 2 times.",
          "note: This map allows 1 computer player.", "Nothing stops play; 2 warnings."}},
        {"Ring,4,A,1,1,B,2,0,2,C,2,1,3,D,2,2,0", 0,
         {"note: Zone 4 (D) links to zone 1 (A), which has no link back.",
          "note: This map allows 1 computer player.", "Nothing stops play; 0 warnings."}},
        {"Spring,4,A,1,1,B,2,0,2,C,1,1,D,1,2", 1,
         {"note: Zone 4 (D) links to zone 3 (C), which has no link back.",
          "stops play: No link from another zone reaches zone 4 (D): no one can attack it, and the cursor can never go there.",
          "note: This map allows 1 computer player.", "1 finding stops play; 0 warnings."}},
        {"Sink,4,A,1,1,B,2,0,2,C,2,1,3,D,0", 1,
         {"note: Zone 3 (C) links to zone 4 (D), which has no link back.",
          "stops play: Zone 4 (D) has no link to another zone: the cursor cannot leave it, and a player there cannot attack.",
          "note: This map allows 1 computer player.", "1 finding stops play; 0 warnings."}},
        {"Isles,4,A,1,1,B,1,0,C,1,3,D,1,2", 1,
         {"stops play: Zones 3 (C) and 4 (D) form a group that no link joins to the rest of the map.",
          "note: This map allows 1 computer player.", "1 finding stops play; 0 warnings."}},
        {"Names,6,Mill,1,1,Mill,2,0,2,Ash Ford,2,1,3,ashford,2,2,4,Smith Hill,2,3,5,Smyth Hill,1,4", 0,
         {"warning: Zones 1 and 2 are both named Mill.",
          "warning: Zones 3 (Ash Ford) and 4 (ashford) differ only in capitals, blanks or marks, which a listener does not hear.",
          "warning: Zones 5 (Smith Hill) and 6 (Smyth Hill) sound alike.",
          "note: This map allows 1 to 2 computer players.", "Nothing stops play; 3 warnings."}},
        {"Tiny,2,A,1,1,B,1,0", 1,
         {"stops play: This map allows no computer player: a game needs at least 4 zones.",
          "1 finding stops play; 0 warnings."}},
        {"Bad,2,A,11", 2, {}},
    };
    DataDir data;
    PosixPlatform disk;
    for (const CheckCase& c : cases) {
        data.writeMap("m.map", c.map);
        std::ostringstream out;
        EXPECT_EQ(checkMapFile(disk, (data.maps() / "m.map").string(), out), c.status) << c.map;
        Lines lines;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(Lines(lines.begin() + 1, lines.end()), c.findings) << c.map;
        if (c.status == 2) {
            EXPECT_EQ(lines[0], "The map m.map cannot be loaded: the number of links of zone 1 on line 1 "
                                "is 11, but a zone has 0 to 10 links.");
        }
    }
    std::ostringstream out, err;
    EXPECT_EQ(runToolCommand({"--check-map", (data.maps() / "none\x1b[2J.map").string()}, disk, out, err, false), 2);
    EXPECT_EQ(out.str(), "The map none^[[2J.map cannot be loaded: it does not exist.\n") << "shown, not obeyed";
    EXPECT_EQ(runToolCommand({"--simulate", "0", "x.map"}, disk, out, err, false), 2);
    EXPECT_EQ(runToolCommand({"--headless"}, disk, out, err, false), std::nullopt);
}

TEST(MapCheck, SoundKeyHearsSpellingsOfOneSoundAsOne) {
    const std::vector<std::pair<const char*, const char*>> alike{
        {"Smith Hill", "Smyth Hill"}, {"Knight Fort", "Night Fort"}, {"Philby", "Filby"},
        {"Wright", "Right"}, {"Greyhaven", "Grayhaven"}, {"Catherine Bay", "Kathryn Bay"},
        {"Oakmere", "Oakmoor"}, {"Ash Ford", "ashford"}};
    const std::vector<std::pair<const char*, const char*>> apart{
        {"North Valley", "South Valley"}, {"Upper Falls", "Lower Falls"}, {"Hold 12", "Hold 13"},
        {"Mill", "Hill"}, {"Cedarcross", "Cedarmere"}, {"Eastmarch", "Westmarch"}};
    for (const auto& [a, b] : alike) EXPECT_EQ(soundKey(a), soundKey(b)) << a << " / " << b;
    for (const auto& [a, b] : apart) EXPECT_NE(soundKey(a), soundKey(b)) << a << " / " << b;
}

MapRecord readMapText(const std::string& text) {
    MapRecord map;
    std::string whyNot;
    EXPECT_TRUE(parseMap(text, map, whyNot)) << whyNot;
    return map;
}

TEST(Simulation, TheSameSeedGivesTheSameReportOnOneThreadOrTwo) {
    const MapRecord map = readMapText("Square,4,A,2,1,3,B,2,0,2,C,2,1,3,D,2,2,0");
    SimulationOptions options{80, 2, 7, 1, 1000, {}};
    const SimulationTotals one = simulate(map, options);
    options.threads = 2;
    const SimulationTotals two = simulate(map, options);
    EXPECT_EQ(one, two);
    EXPECT_EQ(one.games, 80);
    EXPECT_EQ(one.atLimit, 0);
    long wins = 0, starts = 0;
    for (int z = 1; z <= 4; ++z) wins += one.won[z], starts += one.started[z];
    EXPECT_EQ(wins, 80);
    EXPECT_EQ(starts, 160);
    options.seed = 8;
    EXPECT_NE(simulate(map, options), one);
}

TEST(Simulation, AKeepNothingCanAttackWinsEveryGameBegunThere) {
    // The Keep reaches every zone and no zone reaches it or any other: its
    // holder takes all, and games without it never end.
    const MapRecord map = readMapText("Keep,6,Keep,5,1,2,3,4,5,B,0,C,0,D,0,E,0,F,0");
    const SimulationOptions options{200, 3, 11, 0, 50, {}};
    const SimulationTotals totals = simulate(map, options);
    std::ostringstream report;
    writeSimulationReport(report, map, options, totals);
    EXPECT_GT(totals.started[1], 0);
    EXPECT_EQ(totals.atLimit, 200 - totals.started[1]);
    EXPECT_NE(report.str().find("zone 1 (Keep): won " ), std::string::npos);
    EXPECT_NE(report.str().find(std::to_string(totals.started[1]) + " of the " +
                                std::to_string(totals.started[1]) + " games begun there (100.0%)."),
              std::string::npos)
        << report.str();
    EXPECT_NE(report.str().find("Games still undecided after 50 rounds: " + std::to_string(totals.atLimit)),
              std::string::npos);
}

// Names come from the file: a control code, a mark that turns the text's
// direction or a broken character in them is shown, never obeyed, in every
// report; and a map that allows only two players says so plainly.
TEST(MapTools, NamesFromTheFileReachTheTerminalHarmless) {
    DataDir data;
    PosixPlatform disk;
    // C1's CSI, a right-to-left override, a lone lead byte.
    data.writeMap("odd.map", "\"Odd\xc2\x9b" "2J\",4,\"A\xe2\x80\xae" "B\",2,1,3,\"C\xff\",2,0,2,D,2,1,3,E,2,2,0");
    const std::string path = (data.maps() / "odd.map").string();
    std::ostringstream check, simulated, err;
    EXPECT_EQ(runToolCommand({"--check-map", path}, disk, check, err, false), 0);
    EXPECT_EQ(check.str().substr(0, check.str().find('\n')), "The map Odd?2J has 4 zones.");
    EXPECT_EQ(runToolCommand({"--simulate", "20", "--seed", "3", path}, disk, simulated, err, false), 0);
    const std::string report = simulated.str();
    EXPECT_EQ(report.substr(0, report.find(" with")), "20 games on Odd?2J");
    for (const std::string zone : {"zone 1 (A?B)", "zone 2 (C?)"})
        EXPECT_NE(report.find(zone), std::string::npos) << report;
    EXPECT_EQ(report.find('\x9b'), std::string::npos);
    EXPECT_EQ(report.find("\xe2\x80\xae"), std::string::npos);

    std::ostringstream out, refused;
    EXPECT_EQ(runToolCommand({"--simulate", "1", "--players", "3", path}, disk, out, refused, false), 2);
    EXPECT_EQ(refused.str(), "sonarch: the map Odd?2J allows only 2 players\n");
    data.writeMap("six.map", "Six,6,A,1,1,B,1,2,C,1,3,D,1,4,E,1,5,F,1,0");
    std::ostringstream six;
    EXPECT_EQ(runToolCommand({"--simulate", "1", "--players", "4", (data.maps() / "six.map").string()}, disk, out,
                             six, false),
              2);
    EXPECT_EQ(six.str(), "sonarch: the map Six allows 2 to 3 players\n");
    std::ostringstream option;
    EXPECT_EQ(runToolCommand({"--simulate", "1", "--x\x1b[2J"}, disk, out, option, false), 2);
    EXPECT_EQ(option.str().substr(0, option.str().find('\n')), "sonarch: unknown option '--x^[[2J'");
}

}  // namespace
}  // namespace sonarch::testing
