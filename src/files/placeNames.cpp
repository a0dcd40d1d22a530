// A name is a first syllable and an ending in the manner of English place
// names (Kel + ford, Bran + nis): speech engines say such names plainly. A
// listener tells names apart by how they begin, so no two zones of a map
// begin with the same sound, and none may share the map check's sound key.
// Each map draws its own few endings, which gives it a character of its own.
#include "files/placeNames.h"

#include <algorithm>
#include <set>
#include <string_view>

#include "files/soundKey.h"

namespace sonarch {

namespace {

const std::vector<std::string> onsets{
    "",   "B",  "Bl", "Br", "C",  "Cr", "D", "Dr", "F", "Fl", "Fr", "G",  "Gl", "Gr", "H",
    "K",  "L",  "M",  "N",  "P",  "Pr", "R", "S",  "Sk", "St", "T", "Tr", "Th", "V",  "W"};
const std::vector<std::string> vowels{"a", "e", "i", "o", "u"};
const std::vector<std::string> codas{"", "n", "m", "l", "r", "s", "t", "d"};
// These end a first syllable only before an ending that opens with a vowel:
// before a consonant they make a knot of sounds (Blukbrook).
const std::vector<std::string> heavyCodas{"k", "nd", "rn", "ld", "rk", "st"};
const std::vector<std::string> consonantEndings{
    "ford", "wick", "mere", "dale", "holm", "by",    "ton",  "stead", "ley",  "more", "wood",
    "haven", "field", "brook", "moor", "gate", "crest", "fell", "hurst", "mouth", "bury", "wyn",
    "dor",  "mar",  "ric",  "wen",  "vale", "ridge", "worth", "ham",  "port", "garth", "nor",
    "ven",  "lin",  "tor"};
const std::vector<std::string> vowelEndings{"a", "ia", "on", "en", "ar", "is", "or", "el", "ith", "ow"};
const std::vector<std::string> landWords{"Reach", "Isles", "Marches", "Vales", "Shores", "Heights",
                                         "Downs", "Wilds", "Fells",   "Lands", "Coast",  "Hills",
                                         "Weald", "Moors", "Dales",   "Realm"};
// Words a player should never hear by chance inside a name.
const std::vector<std::string_view> unwanted{
    "fuk", "fuc", "cum", "sex", "nig", "fag", "rape", "nazi", "dick", "dik", "tit", "cock", "cok", "shit",
    "slut", "porn", "piss", "anal", "anus", "cunt", "kunt", "twat", "wank", "poo", "butt", "bum", "ass"};

struct Name {
    std::string first, whole;
};

bool unwantedIn(std::string name) {
    for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return std::any_of(unwanted.begin(), unwanted.end(),
                       [&](std::string_view word) { return name.find(word) != std::string::npos; });
}

class NameDrawer {
public:
    NameDrawer(MakerRandom& random) : random_(random) {
        // A map's own endings: a third of the consonant endings and a few of the others.
        std::vector<std::string> pool = consonantEndings;
        random_.shuffle(pool);
        endings_.assign(pool.begin(), pool.begin() + 12);
        pool = vowelEndings;
        random_.shuffle(pool);
        endings_.insert(endings_.end(), pool.begin(), pool.begin() + 4);
    }

    // A name that reads and sounds well; not yet checked against the others.
    Name draw() {
        for (;;) {
            const std::string& onset = random_.pick(onsets);
            const std::string& ending = random_.pick(endings_);
            const bool endingOpensWithVowel = std::string_view("aeiou").find(ending[0]) != std::string_view::npos;
            const bool heavy = endingOpensWithVowel && random_.below(3) == 0;
            const std::string& coda = random_.pick(heavy ? heavyCodas : codas);
            Name name;
            name.first = onset + random_.pick(vowels) + coda;
            name.whole = name.first + ending;
            if (coda.empty() && (onset.empty() || endingOpensWithVowel)) continue;  // "Eford", "Braon"
            if (!coda.empty() && coda.back() == ending[0]) continue;                // "Belley"
            if (onset.size() == 2 && coda.find(onset[1]) != std::string::npos) continue;  // "Glul"
            if (name.whole.size() > 10 || unwantedIn(name.whole)) continue;
            if (name.first[0] >= 'a') name.first[0] = static_cast<char>(name.first[0] - 'a' + 'A');
            name.whole[0] = name.first[0];
            return name;
        }
    }

private:
    MakerRandom& random_;
    std::vector<std::string> endings_;
};

}  // namespace

PlaceNames makePlaceNames(int count, MakerRandom& random) {
    NameDrawer drawer(random);
    std::set<std::string> heard, beginnings;
    PlaceNames names;
    // After many refusals a name may share its beginning, never its whole sound:
    // a map of 100 zones uses a good part of the beginnings there are.
    int refused = 0;
    while (static_cast<int>(names.zones.size()) < count) {
        const Name name = drawer.draw();
        const std::string key = soundKey(name.whole);
        const bool beginningTaken = beginnings.count(soundKey(name.first)) > 0 && refused < 1000;
        if (heard.count(key) > 0 || beginningTaken) {
            ++refused;
            continue;
        }
        heard.insert(key);
        beginnings.insert(soundKey(name.first));
        names.zones.push_back(name.whole);
    }
    for (;;) {
        const std::string base = drawer.draw().whole;
        if (heard.count(soundKey(base)) > 0) continue;
        names.mapName = base + " " + random.pick(landWords);
        return names;
    }
}

}  // namespace sonarch
