// The sentences of studying the board: the cursor's zone, its links, the
// players, how the game stands, the zone and its attacks, the jumps through
// your zones and the front. The person studied is the one at the keys
// (board.humanPlayer); `listener` is "you". With one person they are the
// same seat; at one keyboard while a computer player moves the listener is
// no one (0), and the person studied is named: "Ben holds 4 zones".
#pragma once

#include <string>
#include <vector>

#include "rules/Board.h"

namespace sonarch {

// M keeps each of its sentences to this many words.
constexpr int mostWordsInABoardSentence = 40;

// Which of J, B and N found nothing to jump to.
enum class JumpKind { Any, CanAttack, Front };

class StudyWords {
public:
    virtual ~StudyWords() = default;

    // ---- the cursor zone and its links ----
    // Z: who holds the zone.
    virtual std::string ownerSentence(const Board& board, int zone, int listener) const = 0;
    // X: its army.
    virtual std::string armySentence(const Board& board, int zone) const = 0;
    // "yours, army 3", "Jacob, army 4", "unclaimed": who holds a zone and
    // its army, from the listener's side.
    virtual std::string holding(const Board& board, int zone, int listener) const = 0;
    virtual std::string noLinks(const Board& board, int zone) const = 0;
    // A link key past the zone's links; "" to say nothing, as the classic
    // game does.
    virtual std::string beyondLinks(const Board& board, int zone) const = 0;
    // The link the arrows selected, and where the cursor still is.
    virtual std::string selectedLink(const Board& board, int link, int at, int listener) const = 0;
    // The cursor has moved to zone.
    virtual std::string nowAt(const Board& board, int zone, int listener) const = 0;
    // Tab: the links of zone.
    virtual std::string linkList(const Board& board, int zone) const = 0;

    // ---- the players ----
    virtual std::string playerList(const Board& board) const = 0;
    // A digit: how one player stands; outName is the name a player that is
    // out had, "" when it is not known.
    virtual std::string playerReport(const Board& board, int player, const std::string& outName,
                                     int listener) const = 0;
    // S: how the person at the keys stands, and the leading computer player.
    virtual std::string standing(const Board& board, int listener) const = 0;

    // M: the board in sentences of at most 40 words, one a press in a row.
    virtual std::vector<std::string> boardSentences(const Board& board, int listener) const = 0;

    // ---- the zone and what can be done from it ----
    // D: the zone and each of its links.
    virtual std::string zoneDescription(const Board& board, int zone, int listener) const = 0;
    // Shift+D: the attacks the zone offers now, from it or on it.
    virtual std::string attackOptions(const Board& board, int zone, int listener) const = 0;

    // ---- J, B and N ----
    virtual std::string nothingToJumpTo(JumpKind kind) const = 0;
    // The zone J, B or N (kind) or F's Enter (Any) went to.
    virtual std::string reached(const Board& board, int zone, JumpKind kind) const = 0;
    // "2 of its 3 links lead to other players, 1 to an unclaimed zone."
    virtual std::string frontSentence(int toOthers, int toUnclaimed, int total) const = 0;

    // ---- F, finding a zone by name ----
    virtual std::string findPrompt() const = 0;
    // The zone told, and its place among the matches.
    virtual std::string findMatch(const Board& board, int zone, int place, int matches) const = 0;
    virtual std::string findNoMatch(const std::string& typed) const = 0;
    // Another character typed after the text matched nothing: the text is
    // not said again, however long it grows.
    virtual std::string findStillNoMatch() const = 0;
    // A character refused: the text is as long as a zone name can be.
    virtual std::string findTextFull(int longest) const = 0;
    virtual std::string findEnded(const Board& board, int at) const = 0;
};

class ClassicStudyWords : public StudyWords {
public:
    std::string ownerSentence(const Board& board, int zone, int listener) const override;
    std::string armySentence(const Board& board, int zone) const override;
    std::string holding(const Board& board, int zone, int listener) const override;
    std::string noLinks(const Board& board, int zone) const override;
    std::string beyondLinks(const Board& board, int zone) const override;
    std::string selectedLink(const Board& board, int link, int at, int listener) const override;
    std::string nowAt(const Board& board, int zone, int listener) const override;
    std::string linkList(const Board& board, int zone) const override;
    std::string playerList(const Board& board) const override;
    std::string playerReport(const Board& board, int player, const std::string& outName,
                             int listener) const override;
    std::string standing(const Board& board, int listener) const override;
    std::vector<std::string> boardSentences(const Board& board, int listener) const override;
    std::string zoneDescription(const Board& board, int zone, int listener) const override;
    std::string attackOptions(const Board& board, int zone, int listener) const override;
    std::string nothingToJumpTo(JumpKind kind) const override;
    std::string reached(const Board& board, int zone, JumpKind kind) const override;
    std::string frontSentence(int toOthers, int toUnclaimed, int total) const override;
    std::string findPrompt() const override;
    std::string findMatch(const Board& board, int zone, int place, int matches) const override;
    std::string findNoMatch(const std::string& typed) const override;
    std::string findStillNoMatch() const override;
    std::string findTextFull(int longest) const override;
    std::string findEnded(const Board& board, int at) const override;
};

class ClearStudyWords : public ClassicStudyWords {
public:
    std::string frontSentence(int toOthers, int toUnclaimed, int total) const override;
    // B's zone with what it can attack, so that no D need follow.
    std::string reached(const Board& board, int zone, JumpKind kind) const override;
    std::string beyondLinks(const Board& board, int zone) const override;
    // In play, D on a zone of yours that can attack, or on another
    // player's zone, tells the attacks (what Shift+D tells); elsewhere
    // the description.
    std::string zoneDescription(const Board& board, int zone, int listener) const override;
    std::string ownerSentence(const Board& board, int zone, int listener) const override;
    std::string selectedLink(const Board& board, int link, int at, int listener) const override;
    std::string nowAt(const Board& board, int zone, int listener) const override;
    std::string linkList(const Board& board, int zone) const override;
    std::string playerList(const Board& board) const override;
    std::string playerReport(const Board& board, int player, const std::string& outName,
                             int listener) const override;
};

}  // namespace sonarch
