// Online, the server's board is the game; this program works out its own
// from what each move did, and holds it against the board the server sends
// after the move: every zone's owner and army, whose turn it is and the
// phase. Should they ever differ (a fault on either side, a message lost),
// the player hears it once and plays on with the server's, which is the
// one every other seat sees.
#include "game/Form1.h"
#include "wording/onlineWords.h"

namespace sonarch {

namespace {
std::size_t at(int index) { return static_cast<std::size_t>(index); }

// The move the turn's seat may make, as the server names its phases.
enum class TurnPhase { Start, Attack, Place, Over };

TurnPhase phaseOf(const Board& board) {
    if (board.gameOver) return TurnPhase::Over;
    const int turn = board.turnPlayer;
    const bool claims = board.isPlayer(turn) && (board.isPerson(turn) ? board.choosingStart != 0
                                                                       : board.hasStarted[at(turn)] == 0);
    if (claims) return TurnPhase::Start;
    return board.placingPoints != 0 ? TurnPhase::Place : TurnPhase::Attack;
}

void follow(Board& board, const Outcome& outcome) {
    const auto zone = at(outcome.zone);
    switch (outcome.kind) {
    case Outcome::Kind::StartClaimed:
        board.zoneOwner[zone] = outcome.player;
        board.zoneArmy[zone] = outcome.army;
        board.hasStarted[at(outcome.player)] = 1;
        // A person places the turn's income at once.
        if (board.isPerson(outcome.player)) {
            board.choosingStart = 0;
            board.placingPoints = 1;
        }
        break;
    case Outcome::Kind::ZoneTaken:
    case Outcome::Kind::BattleWon:
        board.zoneOwner[zone] = outcome.player;
        board.zoneArmy[zone] = outcome.army;
        board.zoneArmy[at(outcome.from)] = 1;
        break;
    case Outcome::Kind::BattleLost:
        board.zoneArmy[zone] = outcome.army;
        board.zoneArmy[at(outcome.from)] = 1;
        break;
    case Outcome::Kind::PlayerOut: board.playerName[at(outcome.player)].clear(); break;
    case Outcome::Kind::HumanDefeated:
    case Outcome::Kind::GameWon: board.gameOver = true; break;
    case Outcome::Kind::PointPlaced: board.zoneArmy[zone] = outcome.army; break;
    case Outcome::Kind::PlacingOpens: board.placingPoints = 1; break;
    case Outcome::Kind::TurnBegins: {
        const int turn = outcome.player;
        board.turnPlayer = turn;
        board.placingPoints = 0;
        // With several people, each claims a starting zone in their first
        // turn while one is free.
        if (board.peopleCount() >= 2 && board.isPerson(turn))
            board.choosingStart = board.hasStarted[at(turn)] == 0 && board.zonesHeldBy(0) > 0 ? 1 : 0;
        break;
    }
    case Outcome::Kind::ComputerPlaced:
    case Outcome::Kind::PointsKept: break;
    }
}

bool sameGame(const Board& ours, const Board& theirs) {
    if (ours.zoneCount() != theirs.zoneCount() || ours.turnPlayer != theirs.turnPlayer) return false;
    for (int z = 1; z <= ours.zoneCount(); ++z)
        if (ours.zoneOwner[at(z)] != theirs.zoneOwner[at(z)] || ours.zoneArmy[at(z)] != theirs.zoneArmy[at(z)])
            return false;
    return phaseOf(ours) == phaseOf(theirs);
}
}  // namespace

Board Form1::ownBoardAfter(const Played& played) const {
    Board board = serverBoard_;
    // Who is a person and who a computer player (one standing in, say) is
    // the server's to say, not something a move shows.
    board.isComputer = played.after.isComputer;
    if (played.move.kind == Move::Kind::Claim && played.move.zone == 0 &&
        (played.kind == Played::Kind::Move || played.kind == Played::Kind::TurnOver)) {
        // Nothing left to claim: the seat starts on the zones it holds.
        board.hasStarted[at(played.seat)] = 1;
        if (board.isPerson(played.seat)) board.choosingStart = 0;
    }
    for (int z = 1; z <= board.zoneCount(); ++z) board.zoneArmy[at(z)] += played.placed[at(z)];
    for (const Outcome& outcome : played.outcomes) follow(board, outcome);
    return board;
}

void Form1::checkServerBoard(const Played& played, bool nextMove) {
    // A client that fell behind may be sent a later board in place of an
    // earlier one: a move's board is worked out only from the one before it.
    const bool comparable = nextMove && serverBoard_.map && played.after.map &&
                            serverBoard_.zoneCount() == played.after.zoneCount();
    if (comparable && !boardsDifferTold_ && !sameGame(ownBoardAfter(played), played.after)) {
        boardsDifferTold_ = true;
        sayIt(online::boardsDiffer());
    }
    serverBoard_ = played.after;
}

}  // namespace sonarch
