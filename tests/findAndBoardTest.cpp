// The keys that reach and sum up a board without walking it: every zone of
// Broad World found by name in few keys, Backspace in the search on every
// host, and the board's sentence within its 40 words on every bundled map.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <sstream>

#include "bot/TestBot.h"
#include "input/keyCodes.h"
#include "rules/zoneOrder.h"
#include "session.h"

namespace sonarch::testing {
namespace {

void startNewGame(Session& s, const std::string& mapFile, int computers = 1) {
    s.data.addMap(mapFile);
    s.start();
    std::vector<std::string> keys = TestBot::newGameKeys(0, 1);
    keys.pop_back();
    for (const auto& key : keys) s.press(key);
    s.press(std::to_string(std::min(computers, s.form.view().maxPlayers - 1)));
}

// The fewest keys a player who knows the name needs after F and before
// Enter: the start of the name, then Down or Up through the zones that match.
std::vector<std::string> keysToFind(const Board& board, int zone) {
    const std::string key = nameKey(board.zoneName(zone));
    std::vector<std::string> best;
    for (std::size_t typed = 0; typed <= key.size(); ++typed) {
        std::vector<std::string> keys;
        std::vector<int> matches;
        for (std::size_t i = 0; i < typed; ++i)
            keys.push_back(key[i] == ' ' ? "Space" : std::string(1, static_cast<char>(key[i] - 'a' + 'A')));
        for (const int other : zonesInNameOrder(board))
            if (nameKey(board.zoneName(other)).compare(0, typed, key, 0, typed) == 0)
                matches.push_back(other);
        const auto place = static_cast<std::size_t>(std::find(matches.begin(), matches.end(), zone) -
                                                    matches.begin());
        // Typing tells the first match; with nothing typed, Down tells it.
        const std::size_t downs = typed == 0 ? place + 1 : place, ups = matches.size() - place;
        keys.insert(keys.end(), std::min(downs, ups), downs <= ups ? "Down" : "Up");
        if (best.empty() || keys.size() < best.size()) best = keys;
    }
    return best;
}

TEST(FindZone, AnyZoneOfBroadWorldIsReachedInAtMostFourKeysOnAverage) {
    Session s;
    startNewGame(s, "Broad World.map");
    const Board& board = s.form.view().board;
    std::size_t allKeys = 0;
    for (int zone = 1; zone <= board.zoneCount(); ++zone) {
        std::vector<std::string> keys = keysToFind(board, zone);
        keys.insert(keys.begin(), "F");
        keys.push_back("Enter");
        s.said();
        for (const auto& key : keys) s.press(key);
        ASSERT_EQ(s.form.view().cursorZone, zone) << board.zoneName(zone);
        EXPECT_EQ(s.said().back(), "say: " + board.zoneName(zone) + " is unclaimed. No army in " +
                                       board.zoneName(zone) + ".");
        allKeys += keys.size();
    }
    const double average = static_cast<double>(allKeys) / board.zoneCount();
    std::cout << "Broad World: " << average << " keys a zone on average, F and Enter included\n";
    EXPECT_LE(average, 4.0);
}

TEST(FindZone, BackspaceErasesInTheSearchAndTheTerminalsBackspaceIsCtrlElsewhere) {
    Session s;
    s.data.addMap("Eight Crags.map");
    std::filesystem::copy_file(sourceDir() / "tests" / "saves" / "crags.snr", s.data.saves() / "crags.snr");
    s.start();
    for (const char* key : {"Down", "Down", "Enter", "Enter", "Enter", "F", "C", "O"}) s.press(key);
    s.said();
    const KeyStroke backspace{key::Backspace, 0}, terminalBackspace{key::TerminalBackspace, 0};
    s.run.press(backspace);
    s.run.press(backspace);
    s.run.press(backspace);
    s.press("C");
    s.press("R");
    s.run.press(terminalBackspace);
    s.press("Escape");
    s.run.press(terminalBackspace);
    s.run.press(backspace);
    EXPECT_EQ(s.said(), (Lines{"say: Cold Harbour: Jacob, army 2. 1 of 3 matches.",
                               "say: Find a zone: type the start of its name.",
                               "say: Find a zone: type the start of its name.",
                               "say: Cold Harbour: Jacob, army 2. 1 of 3 matches.",
                               "say: Crag's End: Julia, army 2. The only match.",
                               "say: Cold Harbour: Jacob, army 2. 1 of 3 matches.",
                               "say: Search ended. You are still at Ashford.", "say: "}));
}

// A key held down in the search: the text stops at 100 characters, the
// longest a zone name can be, and once nothing matches the text is not said
// again; so 2,000 presses print some 120 KB, not the whole text each time.
TEST(FindZone, TheTextStopsAtAHundredCharactersAndANoMatchIsNotRepeated) {
    DataDir data;
    data.addMap("Eight Crags.map");
    std::filesystem::copy_file(sourceDir() / "tests" / "saves" / "crags.snr", data.saves() / "crags.snr");
    std::string script = "Down\nDown\nEnter\nEnter\nEnter\nF\n";
    for (int i = 0; i < 2000; ++i) script += "Q\n";
    RunOptions options;
    options.random.seed = 3;
    const PlayResult result = play(data, script, options);
    std::istringstream out(result.out);
    Lines said;
    for (std::string line; std::getline(out, line);) said.push_back(line);
    ASSERT_GE(said.size(), 2001u);
    const Lines typing(said.end() - 2001, said.end());
    EXPECT_EQ(typing.front(), "say: Find a zone: type the start of its name.");
    EXPECT_EQ(typing[1], "say: No zone starts with q.");
    EXPECT_EQ(std::count(typing.begin(), typing.end(), "say: Still no match; Backspace erases."), 99);
    EXPECT_EQ(std::count(typing.begin(), typing.end(),
                         "say: No zone name is longer than 100 characters; Backspace erases."),
              1900);
    EXPECT_LT(result.out.size(), 200'000u);
}

int wordsIn(const std::string& text) {
    std::istringstream in(text);
    int words = 0;
    for (std::string word; in >> word;) ++words;
    return words;
}

TEST(BoardSentence, StaysWithinFortyWordsOnEveryBundledMapWithTheMostPlayers) {
    for (const auto& entry : std::filesystem::directory_iterator(sourceDir() / "Maps")) {
        if (entry.path().extension() != ".map") continue;
        Session s;
        startNewGame(s, entry.path().filename().string(), 7);
        // Before the start: the map's shape, then each region in turn,
        // every zone of it named.
        s.said();
        for (int region = 0; region <= 8; ++region) {
            s.press("M");
            const Lines said = s.said();
            ASSERT_EQ(said.size(), 1u);
            EXPECT_LE(wordsIn(said[0].substr(said[0].find(' '))), 40) << said[0];
            if (said[0].starts_with("say: Around ")) {
                EXPECT_EQ(said[0].find(" more."), std::string::npos) << said[0];
            }
        }
        std::size_t heard = 0;
        TestBot bot(s.form, [&](const std::string& key) {
            s.press(key);
            if (s.form.view().menuState != 0) return;
            s.said();
            s.press("M");
            const Lines said = s.said();
            ASSERT_EQ(said.size(), 1u);
            EXPECT_LE(wordsIn(said[0].substr(said[0].find(' '))), 40) << said[0];
            ++heard;
        }, TestBot::Style::Conqueror);
        for (int step = 0; step < 200 && bot.step();) ++step;
        EXPECT_GT(heard, 0u) << entry.path();
    }
}

}  // namespace
}  // namespace sonarch::testing
