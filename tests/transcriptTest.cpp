// Golden transcripts: each tests/transcripts/*.case file holds a key script
// and the exact transcript it must produce. Set SONARCH_REGEN=1 to rewrite
// the expected part of every case from what the game now says.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "host/RunOptions.h"
#include "support.h"

namespace sonarch::testing {
namespace {

namespace fs = std::filesystem;

struct Case {
    std::string header;  // everything before "--- expect"
    std::vector<std::string> args, maps, saves;
    std::vector<double> random;
    std::string script, expect;
    int status = 0;
};

// The items of a header line: names split at semicolons, so that file names
// may hold blanks, or words split at blanks.
std::vector<std::string> items(const std::string& text, char separator) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string item; std::getline(in, item, separator);) {
        const auto first = item.find_first_not_of(' ');
        const auto last = item.find_last_not_of(' ');
        if (first != std::string::npos) result.push_back(item.substr(first, last - first + 1));
    }
    return result;
}

Case readCase(const fs::path& path) {
    std::ifstream in(path);
    Case c;
    std::string line, section;
    while (std::getline(in, line)) {
        if (line.rfind("--- ", 0) == 0) {
            section = line.substr(4);
            if (section.rfind("status ", 0) == 0) c.status = std::stoi(section.substr(7));
            if (section != "expect") c.header += line + "\n";
            continue;
        }
        if (section.empty()) {
            c.header += line + "\n";
            if (line.rfind("args:", 0) == 0) c.args = items(line.substr(5), ' ');
            if (line.rfind("maps:", 0) == 0) c.maps = items(line.substr(5), ';');
            if (line.rfind("saves:", 0) == 0) c.saves = items(line.substr(6), ';');
            if (line.rfind("random:", 0) == 0)
                for (const auto& w : items(line.substr(7), ' ')) c.random.push_back(std::stod(w));
        } else if (section == "script") {
            c.header += line + "\n";
            c.script += line + "\n";
        } else if (section == "expect") {
            c.expect += line + "\n";
        }
    }
    return c;
}

std::vector<fs::path> caseFiles() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(sourceDir() / "tests" / "transcripts"))
        if (entry.path().extension() == ".case") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

class Transcript : public ::testing::TestWithParam<fs::path> {};

TEST_P(Transcript, MatchesExactly) {
    const Case c = readCase(GetParam());
    DataDir data;
    for (const auto& map : c.maps) data.addMap(map);
    for (const auto& save : c.saves) {
        fs::copy_file(sourceDir() / "tests" / "saves" / save, data.saves() / save);
    }
    RunOptions options = parseRunOptions(c.args);
    options.random.fixedNumbers = c.random;
    const PlayResult result = play(data, c.script, options);
    if (std::getenv("SONARCH_REGEN")) {
        std::ofstream out(GetParam());
        out << c.header << "--- expect\n" << result.out;
        return;
    }
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_EQ(result.out, c.expect);
}

INSTANTIATE_TEST_SUITE_P(Cases, Transcript, ::testing::ValuesIn(caseFiles()),
                         [](const auto& info) {
                             std::string name = info.param.stem().string();
                             for (char& ch : name)
                                 if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

// A script line that cannot be read is told on standard error before any key
// is played: quoted at most 60 characters long, and with its control
// characters shown, not obeyed by the terminal. Modifiers are read in one
// pass however many a line holds (bench/ times a line of 200,000).
TEST(BadScriptLines, AreQuotedShortAndHarmless) {
    std::string manyShifts;
    for (int i = 0; i < 20000; ++i) manyShifts += "Shift+";
    const std::vector<std::pair<std::string, std::string>> bad{
        {"NoSuchKey", "line 2: unknown key name 'NoSuchKey'"},
        {"press \x1b]0;owned\x07", "line 2: unknown key name '^[]0;owned^G'"},
        {"two \x1b[2J words", "line 2: cannot read 'two ^[[2J words'"},
        {"during-pause Ctrl \x9b" "31m", "line 2: unknown key name '?31m'"},
        {std::string(70, 'x') + "\xc3\xa9", "line 2: unknown key name '" + std::string(60, 'x') + "...'"},
        {manyShifts + "Nothing", "line 2: unknown key name 'Shift+Shift+Shift+Shift+Shift+Shift+Shift+Shift+Shift+Shift+...'"},
    };
    DataDir data;
    for (const auto& [line, message] : bad) {
        const PlayResult result = play(data, "F12\n" + line + "\n");
        EXPECT_EQ(result.status, 2) << message;
        EXPECT_EQ(result.out, "") << message;
        EXPECT_EQ(result.err, "sonarch: script " + message + "\n");
    }
    const PlayResult shifted = play(data, manyShifts + "F12\n");
    EXPECT_EQ(shifted.out, "say: Welcome to Sonarch Alpha 1.4 by Korvel.\ncaption: Sapi is now Off.\n");
}

}  // namespace
}  // namespace sonarch::testing
