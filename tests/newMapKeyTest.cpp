// G in the map list, as a player meets it: each map it says it made is a
// whole, playable map of the size it says, saved with the player's maps; a
// file already there is never replaced, and a folder it cannot write to is
// told.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "files/mapCheck.h"
#include "files/mapFormat.h"
#include "support.h"

namespace sonarch::testing {
namespace {

namespace fs = std::filesystem;

const std::string corners = "Corners\r\n4\r\nA\r\n1\r\n1\r\nB\r\n2\r\n0\r\n2\r\nC\r\n2\r\n1\r\n3\r\nD\r\n1\r\n2\r\n";

TEST(NewMapKey, EachMapItNamesIsSavedWholeAtTheSizeItSaysAndGAgainReplacesIt) {
    DataDir data;
    data.addMap("Four Corners.map");
    const PlayResult result = play(data, "Enter\nEnter\nG\nG\nG\n");
    const std::regex made(R"(say: Made the map (.+), (\d+) zones, saved as (.+\.map)\. Press Enter to play it.*)");
    std::vector<int> sizes;
    std::vector<std::string> files;
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);) {
        std::smatch said;
        if (!std::regex_match(line, said, made)) continue;
        // Only the map made last is kept: G again at once replaces the one before.
        for (const std::string& before : files) EXPECT_FALSE(fs::exists(data.maps() / before)) << before;
        files.push_back(said[3].str());
        sizes.push_back(std::stoi(said[2]));
    }
    EXPECT_EQ(sizes, (std::vector<int>{30, 60, 12})) << result.out;
    ASSERT_FALSE(files.empty());
    MapRecord map;
    std::string whyNot;
    ASSERT_TRUE(parseMap(contentsOf(data.maps() / files.back()), map, whyNot)) << files.back() << ": " << whyNot;
    EXPECT_EQ(map.zoneCount, 12);
    for (const MapFinding& finding : checkMap(map))
        EXPECT_EQ(finding.weight, MapFinding::Weight::note) << finding.sentence;
    EXPECT_EQ(std::distance(fs::directory_iterator(data.maps()), fs::directory_iterator()), 2)
        << "Four Corners and the map made last";
}

TEST(NewMapKey, NeverTakesTheNameOfAMapThereAndTellsWhyItCouldNotSave) {
    DataDir data;
    // With the seed of play(), the first map made would be Kosven Vales:
    // a map of that name is there, and one of a name that sounds the same.
    data.writeMap("Kosven Vales.map", corners);
    data.writeMap("Cosvenn Vails.map", corners);
    const PlayResult result = play(data, "Enter\nEnter\nG\n");
    EXPECT_NE(result.out.find("say: Made the map "), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("Kosven Vales"), std::string::npos) << result.out;
    EXPECT_EQ(contentsOf(data.maps() / "Kosven Vales.map"), corners);
    EXPECT_EQ(std::distance(fs::directory_iterator(data.maps()), fs::directory_iterator()), 3);

    fs::remove_all(data.maps());
    std::ofstream(data.maps()) << "not a folder";
    // Systems word the reason their own way.
    const std::string out = play(data, "Enter\nEnter\nG\n").out;
    EXPECT_NE(out.find("say: Select Map\nsay: The new map could not be saved as Kosven Vales.map: "), std::string::npos)
        << out;
    EXPECT_TRUE(fs::is_regular_file(data.maps()));
}

}  // namespace
}  // namespace sonarch::testing
