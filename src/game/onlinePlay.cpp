// A seat in a room that a server holds. The server plays every move at its
// table and sends each with the board it left; here each is told exactly as
// a move of the table at this keyboard is told, in this seat's wording, rate
// and pauses, and the study keys answer from the board told so far without
// asking anyone. The person's moves go to the server, checked here first so
// that a refusal is said at once, as the game at one keyboard says it.
#include "game/Form1.h"
#include "rules/moves.h"
#include "wording/onlineWords.h"

namespace sonarch {

// Nobody's seat: a watcher, or a person put out who watches the rest. No
// turn is theirs, and the study keys still answer.
constexpr int watchingSeat = maxPlayerSlots;

Board Form1::asHeardHere(Board position) const {
    position.seatsApart = true;
    if (position.gameOver) {
        position.humanPlayer = 0;
    } else if (ownSeat_ != 0 && position.inGame(ownSeat_)) {
        position.humanPlayer = ownSeat_;
    } else {
        position.humanPlayer = watchingSeat;
    }
    return position;
}

Refusal Form1::makeMove(const Move& move) {
    if (online_ == nullptr) return table_.play(board.humanPlayer, move);
    const Refusal refused = moveRefusal(board, board.humanPlayer, move);
    if (refused != Refusal::None) return refused;
    awaitingServer_ = true;
    online_->sendMove(move, movesSeen_);
    return Refusal::None;
}

void Form1::onlineJoined(const std::string& spokenCode, const std::string& link, int seat) {
    ownSeat_ = seat;
    movesSeen_ = 0;
    readySent_ = -1;
    awaitingServer_ = false;
    lastTurnEnded_ = {};
    sinceLastTurn_ = {};
    serverBoard_ = {};
    boardsDifferTold_ = false;
    sayIt(online::roomCode(spokenCode, link));
}

void Form1::onlineBoard(Board position, std::int64_t move, bool started, bool creator, int seatsOpen) {
    const bool firstBoard = board.humanPlayer == 0 || board.map != position.map || menuState != 0;
    // Only a room heard waiting hears its game begin; a seat taken up in a
    // game under way hears whose turn it is.
    const bool beginning = started && !roomStarted_ && !firstBoard;
    roomStarted_ = started;
    roomCreator_ = creator;
    movesSeen_ = move;
    serverBoard_ = position;
    // A move of this seat still waits: its answer, or the client sends it
    // again once it is back, and the answer follows this board.
    position = asHeardHere(std::move(position));
    if (firstBoard || beginning) {
        // A board of its own (not a move's): the room, or the game taken up
        // where it stands. Whatever was still to be told of earlier moves is
        // overtaken by it.
        story_.clear();
        endPause();
        putInPlay(position, firstBoard ? 1 : cursorZone);
        if (!started) {
            const int people = board.peopleCount() - seatsOpen;
            if (ownSeat_ != 0)
                sayIt(online::joinedSeat(board.playerName[static_cast<std::size_t>(ownSeat_)], ownSeat_,
                                         board.playerCount));
            else
                sayIt(online::watching());
            sayIt(online::waitingForStart(creator, people, seatsOpen));
            return;
        }
        const int turn = board.turnPlayer;
        std::string sentence = words().play.turnBegins(board, turn, listenerOf(board));
        if (turn == board.humanPlayer && board.choosingStart != 0)
            sentence += " " + words().menus.newGameBegins(board.zoneName(cursorZone));
        addMessage(beginning ? online::seatNews("started", "", 0, false) + " " + sentence : sentence);
        if (turn == board.humanPlayer) playCue(Cue::YourTurn);
        return;
    }
    // A board between moves (a seat joined, someone came back): the
    // position is the server's.
    showBoard(position);
}

void Form1::onlinePlayed(const Played& received, std::int64_t move) {
    checkServerBoard(received, move == movesSeen_ + 1);
    movesSeen_ = move;
    if (received.seat == ownSeat_ &&
        (received.kind == Played::Kind::Move || received.kind == Played::Kind::TurnOver))
        awaitingServer_ = false;
    Played heard = received;
    heard.after = asHeardHere(received.after);
    played(heard);
}

void Form1::onlineRefused(Refusal refusal, const std::string& reason) {
    awaitingServer_ = false;
    if (refusal == Refusal::None) {
        sayIt(online::serverError(reason));
        return;
    }
    addMessage(words().play.refusal(board, refusal, board.attackFrom, cursorZone));
}

void Form1::onlineNews(const std::string& sentence, bool chat) {
    if (sentence.empty()) return;
    if (chat) {
        chatLines_.push_front(sentence);
        if (chatLines_.size() > historySize) chatLines_.pop_back();
        chatCursor_ = 0;
    }
    // News never waits behind a pause, nor enters the history of play.
    sayIt(sentence);
}

// The turn's clock starts once everything before this seat's turn is told.
void Form1::tellServerReady() {
    if (online_ == nullptr || ownSeat_ == 0 || !story_.empty() || Holder.Enabled) return;
    if (board.turnPlayer != ownSeat_ || board.gameOver || readySent_ == movesSeen_) return;
    readySent_ = movesSeen_;
    online_->sendReady(movesSeen_);
}

}  // namespace sonarch
