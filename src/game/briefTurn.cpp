// A computer player's turn told briefly: after its announcement, one
// sentence for its attacks and one for its placing, or for a player it put
// out in place of the placing, so that a round is heard in a few sentences.
// A battle against the listener is still told as it happens, with its pause
// and cue, and counted in the attacks' sentence (left out when it would only
// repeat the battles told). Every other battle goes into the history unsaid,
// with the placing in full, so that the whole turn is a few keys away. The
// end of the game is told as in full.
#include <algorithm>

#include "game/Form1.h"

namespace sonarch {

void Form1::tellComputerMoveBriefly(const Played& played) {
    const Board& after = played.after;
    const int listener = listenerOf(after);
    if (briefTurn_ && briefTurn_->seat != played.seat) finishBriefTurn(after);
    if (!briefTurn_) briefTurn_ = BriefTurn{.seat = played.seat};
    BriefTurn& turn = *briefTurn_;
    const bool endsGame = std::any_of(played.outcomes.begin(), played.outcomes.end(), [](const Outcome& outcome) {
        return outcome.kind == Outcome::Kind::HumanDefeated || outcome.kind == Outcome::Kind::GameWon;
    });
    for (const Outcome& outcome : played.outcomes) {
        switch (outcome.kind) {
        case Outcome::Kind::StartClaimed:
            tellMessage(words().play.startClaimed(after, outcome, listener));
            hold(5);
            break;
        case Outcome::Kind::ZoneTaken:
        case Outcome::Kind::BattleWon:
        case Outcome::Kind::BattleLost:
            turn.tally.count(outcome, listener);
            if (listener != 0 && outcome.defender == listener) {
                tellComputerAttack(outcome, after, listener);
                ++turn.attacksTold;
            } else {
                tellRecord(words().play.attackReport(after, outcome, listener));
            }
            break;
        case Outcome::Kind::ComputerPlaced:
            turn.placedInFull = words().play.computerPlaced(after, outcome.player, played.placed);
            turn.placedBriefly = words().play.placingSummed(after, outcome.player, played.placed);
            break;
        case Outcome::Kind::PlayerOut:
            // A put-out that ends the game is told with its end, below.
            if (endsGame) break;
            rememberPutOut(outcome);
            turn.putOut.push_back(words().play.playerOut(after, outcome, 0, listener));
            break;
        default: break;
        }
    }
    if (!endsGame) return;
    finishBriefTurn(after);
    tellGameEnders(played.outcomes, after);
}

void Form1::finishBriefTurn(const Board& after) {
    if (!briefTurn_) return;
    const BriefTurn turn = std::move(*briefTurn_);
    briefTurn_.reset();
    // A turn without attacks says nothing of them, nor one whose every
    // attack was against the listener and so told already.
    if (turn.tally.attacks > turn.attacksTold) {
        tellMessage(words().play.attacksSummed(after, turn.seat, turn.tally));
        hold(5);
    }
    for (const std::string& out : turn.putOut) {
        tellMessage(out);
        hold(5);
    }
    if (turn.placedInFull.empty()) return;
    // A placing on one zone, or none (every army full), is one short sentence already.
    const bool summed = !turn.placedBriefly.empty();
    if (summed) tellRecord(turn.placedInFull);
    // A player put out takes the placing's place among the sentences said.
    if (!turn.putOut.empty()) {
        if (!summed) tellRecord(turn.placedInFull);
        return;
    }
    tellMessage(summed ? turn.placedBriefly : turn.placedInFull);
    hold(5);
}

}  // namespace sonarch
