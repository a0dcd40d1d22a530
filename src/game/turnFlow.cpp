// The turn cycle as a seat at this keyboard hears it. The table plays every
// move at once and hands each over with the board it left; here each is
// told in order, with the pauses that let it be heard, and the board the
// player studies changes only when the move that changed it is told. So a
// computer player's turn is told move by move, a pause after each, and the
// board studied in a pause is the board just told.
#include <memory>

#include "game/Form1.h"
#include "wording/onlineWords.h"

namespace sonarch {

// With one person, that person hears everything as "you", whoever's turn it
// is. With several at one keyboard, the person whose turn it is is "you",
// and while a computer player moves everyone is named.
int Form1::listenerOf(const Board& seen) const {
    // Online every program is one seat's listener, or a watcher's (0).
    if (online_ != nullptr) return ownSeat_;
    if (seen.peopleCount() > 1) return seen.isPerson(seen.turnPlayer) ? seen.turnPlayer : 0;
    for (int p = 1; p <= seen.playerCount; ++p)
        if (seen.isPerson(p)) return p;
    return seen.humanPlayer;
}

void Form1::played(const Played& played) {
    switch (played.kind) {
    case Played::Kind::Move: tellPersonMove(played); break;
    case Played::Kind::TurnOver:
        // The last point ends the turn by itself once its sentence is heard.
        hold(2);
        showBoard(played.after);
        tellTurnPassing(played);
        break;
    case Played::Kind::ComputerMove:
        showBoard(played.after);
        tellComputerMove(played);
        break;
    case Played::Kind::TurnPassed:
        // A turn told briefly is summed up on the board its placing left.
        finishBriefTurn(played.after);
        showBoard(played.after);
        tellTurnPassing(played);
        break;
    }
}

// The board studied becomes the one a move left: at once when nothing is
// waiting to be told, else when the story reaches the move.
void Form1::showBoard(const Board& after) {
    if (story_.empty() && !Holder.Enabled) {
        board = after;
        return;
    }
    story_.push_back({.kind = Step::Kind::Show, .shown = std::make_shared<const Board>(after)});
}

void Form1::tellTurnPassing(const Played& played) {
    // Where a person's turn ended, what changes until their next one is told then.
    if (played.after.isPerson(played.seat))
        lastTurnEnded_[static_cast<std::size_t>(played.seat)] = std::make_shared<const Board>(played.after);
    for (const Outcome& outcome : played.outcomes) {
        if (outcome.kind == Outcome::Kind::PointsKept) {
            // The classic wording has always kept them without a word.
            const std::string keeping = words().play.pointsKept(played.after, outcome.points);
            if (!keeping.empty()) addMessage(keeping);
        }
        if (outcome.kind == Outcome::Kind::TurnBegins) tellTurnBegins(outcome, played.after);
    }
}

void Form1::tellTurnBegins(const Outcome& outcome, const Board& after) {
    std::string sentence = words().play.turnBegins(after, outcome.player, listenerOf(after));
    // A person who has yet to claim a start hears how, with their turn.
    if (after.peopleCount() > 1 && outcome.player == after.humanPlayer && after.choosingStart != 0)
        sentence += " " + words().menus.newGameBegins(after.zoneName(firstPlaceOf(outcome.player)));
    tellMessage(sentence);
    if (outcome.player != after.humanPlayer) return;
    tellCue(Cue::YourTurn);
    const auto seat = static_cast<std::size_t>(outcome.player);
    if (lastTurnEnded_[seat] && lastTurnEnded_[seat]->map == after.map) {
        const std::string since =
            words().play.sinceYourLastTurn(*lastTurnEnded_[seat], after, outcome.player, listenerOf(after));
        if (words().play.tellsSinceLastTurn()) tellMessage(since);
        sinceLastTurn_[seat] = since;
    }
    if (after.peopleCount() > 1 && online_ == nullptr) tellThen(&Form1::passTheKeys);
}

// Several people at one keyboard: each keeps their own place on the board
// between turns, and one who has yet to claim a start is told how.
void Form1::passTheKeys() {
    const int seat = board.humanPlayer;
    if (keysHeldBy_ != 0) cursorOf_[static_cast<std::size_t>(keysHeldBy_)] = cursorZone;
    keysHeldBy_ = seat;
    cursorZone = firstPlaceOf(seat);
    linkCursor = 1;
    jumpedTo = 0;
}

// Where a person's cursor stands when their turn begins: where they left
// it, or zone 1 in their first turn.
int Form1::firstPlaceOf(int seat) const {
    const int kept = cursorOf_[static_cast<std::size_t>(seat)];
    return board.isZone(kept) ? kept : 1;
}

void Form1::tellPersonMove(const Played& played) {
    const Board& after = played.after;
    const int listener = listenerOf(after);
    showBoard(after);
    switch (played.move.kind) {
    case Move::Kind::Claim:
        addMessage(words().play.startClaimed(after, played.outcomes.front(), listener));
        playCue(Cue::Claim);
        break;
    case Move::Kind::Place:
        // Online, another seat's placing is told as a computer player's is.
        if (played.seat != listener && after.seatsApart)
            addMessage(online::pointsPlacedBy(after.playerName[static_cast<std::size_t>(played.seat)],
                                              after.zoneName(played.outcomes.front().zone),
                                              played.outcomes.front().army));
        else
            addMessage(words().play.pointPlaced(after, played.outcomes.front()));
        break;
    case Move::Kind::Attack: tellAttack(played); break;
    case Move::Kind::EndPhase:
        if (!played.outcomes.empty() && played.outcomes.back().kind == Outcome::Kind::PlacingOpens) {
            if (played.seat != listener && after.seatsApart)
                addMessage(online::placingBy(after.playerName[static_cast<std::size_t>(played.seat)]));
            else
                addMessage(words().play.placingOpens(after));
        } else
            tellTurnPassing(played);
        break;
    }
}

void Form1::tellAttack(const Played& played) {
    const Outcomes& outcomes = played.outcomes;
    const bool consequencesFirst = !words().play.battleBeforeItsConsequences();
    // An attack that ends the game is told by the end of the game alone.
    if (consequencesFirst && !tellGameEnders(outcomes, played.after)) return;
    const Outcome& attack = outcomes.front();
    tellMessage(words().play.attackReport(played.after, attack, listenerOf(played.after)));
    if (attack.kind == Outcome::Kind::BattleLost)
        tellCue(Cue::BattleLost);
    else
        tellCue(attack.kind == Outcome::Kind::BattleWon ? Cue::BattleWon : Cue::Claim);
    if (consequencesFirst) return;
    // The battle is heard out before whoever it put out.
    if (outcomes.size() > 1) hold(2);
    tellGameEnders(outcomes, played.after);
}

void Form1::tellComputerMove(const Played& played) {
    if (roundsToldBriefly()) {
        tellComputerMoveBriefly(played);
        return;
    }
    const Board& after = played.after;
    const int listener = listenerOf(after);
    const bool consequencesFirst = !words().play.battleBeforeItsConsequences();
    if (consequencesFirst && !tellGameEnders(played.outcomes, after)) return;
    for (const Outcome& outcome : played.outcomes) {
        switch (outcome.kind) {
        case Outcome::Kind::StartClaimed: tellMessage(words().play.startClaimed(after, outcome, listener)); break;
        case Outcome::Kind::ZoneTaken:
        case Outcome::Kind::BattleWon:
        case Outcome::Kind::BattleLost: tellComputerAttack(outcome, after, listener); continue;
        case Outcome::Kind::ComputerPlaced:
            tellMessage(words().play.computerPlaced(after, outcome.player, played.placed));
            break;
        default: continue;
        }
        hold(5);
    }
    if (!consequencesFirst) tellGameEnders(played.outcomes, after);
}

// One battle of a computer player, or its taking of an unclaimed zone, with
// its pause.
void Form1::tellComputerAttack(const Outcome& attack, const Board& after, int listener) {
    tellMessage(words().play.attackReport(after, attack, listener));
    if (attack.kind == Outcome::Kind::BattleWon && after.isPerson(attack.defender) && after.humanPlayer != 0)
        tellCue(Cue::ZoneLost);
    hold(5);
}

bool Form1::tellGameEnders(const Outcomes& outcomes, const Board& after) {
    const int listener = listenerOf(after);
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const Outcome& outcome = outcomes[i];
        if (outcome.kind == Outcome::Kind::HumanDefeated) {
            tellMessage(words().play.humanDefeated(after, outcome, listener));
            tellCue(Cue::Defeat);
            tellThen(&Form1::endGame);
            return false;
        }
        if (outcome.kind != Outcome::Kind::PlayerOut) continue;
        rememberPutOut(outcome);
        const bool won = i + 1 < outcomes.size() && outcomes[i + 1].kind == Outcome::Kind::GameWon;
        tellMessage(words().play.playerOut(after, outcome, won ? outcomes[i + 1].player : 0, listener));
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
