// The turn cycle as the player hears it. Ending the human's turn passes it
// on: each computer player's turn is told move by move, a pause after each
// move, until the human's turn comes back or the game has ended. Each move
// is chosen and made only when everything before it has been told, so the
// board the player studies in a pause is the board just told.
#include "game/Form1.h"
#include "rules/turns.h"

namespace sonarch {

void Form1::endTurn() {
    // The game may have ended during the last computer turn.
    if (menuState != 0) return;
    outcomes_.clear();
    if (!nextTurn(board, outcomes_)) return;
    tellTurnBegins(outcomes_.front());
    if (board.isComputer[static_cast<std::size_t>(board.turnPlayer)] == 0) return;
    computerTurn_ = ComputerTurn{};
    tellThen(&Form1::computerMove);
}

void Form1::tellTurnBegins(const Outcome& outcome) {
    tellMessage(words().play.turnBegins(board, outcome.player));
    if (outcome.player == board.humanPlayer) tellCue(Cue::YourTurn);
}

void Form1::computerMove() {
    if (menuState != 0) return;
    const ComputerMove move = chooseMoveAt(gameStrength, board, computerTurn_, random);
    if (move.kind == ComputerMove::Kind::Done) {
        endTurn();
        return;
    }
    outcomes_.clear();
    playComputerMove(board, move, computerTurn_, random, outcomes_);
    tellComputerMove();
    tellThen(&Form1::computerMove);
}

void Form1::tellComputerMove() {
    const bool consequencesFirst = !words().play.battleBeforeItsConsequences();
    if (consequencesFirst && !tellGameEnders(outcomes_)) return;
    for (const Outcome& outcome : outcomes_) {
        switch (outcome.kind) {
        case Outcome::Kind::StartClaimed: tellMessage(words().play.startClaimed(board, outcome)); break;
        case Outcome::Kind::ZoneTaken:
        case Outcome::Kind::BattleWon:
        case Outcome::Kind::BattleLost:
            tellMessage(words().play.attackReport(board, outcome));
            if (outcome.kind == Outcome::Kind::BattleWon && outcome.defender == board.humanPlayer &&
                board.humanPlayer != 0)
                tellCue(Cue::ZoneLost);
            break;
        case Outcome::Kind::ComputerPlaced:
            tellMessage(words().play.computerPlaced(board, outcome.player, computerTurn_.placed));
            break;
        default: continue;
        }
        hold(5);
    }
    if (!consequencesFirst) tellGameEnders(outcomes_);
}

bool Form1::tellGameEnders(const Outcomes& outcomes) {
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const Outcome& outcome = outcomes[i];
        if (outcome.kind == Outcome::Kind::HumanDefeated) {
            tellMessage(words().play.humanDefeated());
            tellCue(Cue::Defeat);
            tellThen(&Form1::endGame);
            return false;
        }
        if (outcome.kind != Outcome::Kind::PlayerOut) continue;
        rememberPutOut(outcome);
        const bool won = i + 1 < outcomes.size() && outcomes[i + 1].kind == Outcome::Kind::GameWon;
        tellMessage(words().play.playerOut(outcome, won));
        if (won) {
            tellCue(Cue::Victory);
            tellThen(&Form1::endGame);
            return false;
        }
        hold(5);
    }
    return true;
}

// The end of a game, once it has been told: the main menu at its start.
void Form1::endGame() {
    menuState = 1;
    menuCursor = 0;
}

}  // namespace sonarch
