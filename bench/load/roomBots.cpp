#include "roomBots.h"

#include "legalMove.h"

namespace sonarch::load {

using Type = net::ServerMessage::Type;

namespace {
net::ClientMessage message(net::ClientMessage::Type type) {
    net::ClientMessage made;
    made.type = type;
    return made;
}
}  // namespace

RoomBots::RoomBots(LoadRun& run, int number) : run_(run), number_(number) {
    creator_.name = "Anna" + std::to_string(number);
    joiner_.name = "Ben" + std::to_string(number);
    creator_.timer = std::make_unique<boost::asio::steady_timer>(run.io);
    joiner_.timer = std::make_unique<boost::asio::steady_timer>(run.io);
    creator_.retry = std::make_unique<boost::asio::steady_timer>(run.io);
    joiner_.retry = std::make_unique<boost::asio::steady_timer>(run.io);
}

void RoomBots::start() {
    open(creator_, [this] {
        net::ClientMessage create = message(net::ClientMessage::Type::Create);
        create.name = creator_.name;
        create.map = run_.options.map;
        create.people = 2;
        create.computers = 2;
        creator_.link->send(net::encodeClientMessage(create));
    });
}

void RoomBots::open(Bot& bot, std::function<void()> opened) {
    LoadConnection::Owner owner;
    owner.opened = std::move(opened);
    owner.received = [this, &bot](std::string_view text) { received(bot, text); };
    owner.closed = [this, &bot] {
        ++run_.figures.connectionsLost;
        lost(bot);
    };
    bot.link = std::make_shared<LoadConnection>(run_.io, run_.gate, run_.port, std::move(owner));
    bot.link->open();
}

void RoomBots::lost(Bot& bot) {
    if (run_.stopping || bot.token.empty()) return;
    if (!bot.lostAt) bot.lostAt = Clock::now();
    bot.sentAt.reset();
    bot.askedAt = -1;
    bot.timer->cancel();
    bot.waiting = false;
    bot.retry->expires_after(std::chrono::milliseconds(500));
    bot.retry->async_wait([this, &bot](boost::system::error_code error) {
        if (error || run_.stopping) return;
        bot.rejoining = true;
        open(bot, [this, &bot] {
            net::ClientMessage rejoin = message(net::ClientMessage::Type::Rejoin);
            rejoin.room = code_;
            rejoin.token = bot.token;
            rejoin.move = bot.lastMove;
            bot.link->send(net::encodeClientMessage(rejoin));
        });
    });
}

void RoomBots::received(Bot& bot, std::string_view text) {
    const net::ServerParse parsed = net::parseServerMessage(text, bot.map);
    if (!parsed.message) {
        ++run_.figures.unreadable;
        return;
    }
    const net::ServerMessage& told = *parsed.message;
    switch (told.type) {
    case Type::Joined:
        bot.seat = told.seat;
        if (!told.token.empty()) bot.token = told.token;
        if (&bot == &creator_) code_ = told.room;
        break;
    case Type::Board: boardTold(bot, told); break;
    case Type::Events: eventsTold(bot, told); break;
    case Type::News:
        // The second person is in: the game may begin.
        if (&bot == &creator_ && told.text == "joined" && !firstStartSent_) {
            firstStartSent_ = true;
            bot.link->send(net::encodeClientMessage(message(net::ClientMessage::Type::Start)));
        }
        break;
    case Type::Refused:
        ++run_.figures.refusals;
        bot.sentAt.reset();
        // Ending the phase is always legal; the next move gives up attacking.
        bot.askedAt = -1;
        bot.attacks = attacksATurn;
        considerMove(bot);
        break;
    case Type::Error: ++run_.figures.errors; break;
    default: break;
    }
}

void RoomBots::eventsTold(Bot& bot, const net::ServerMessage& told) {
    LoadFigures& figures = run_.figures;
    if (bot.lostAt && !bot.rejoining && told.move > bot.lastMove) {
        figures.recoveriesMs.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - *bot.lostAt).count());
        bot.lostAt.reset();
    }
    bot.lastMove = told.move;
    const Played& played = told.played;
    if (&bot == &creator_ && figures.measuring) ++figures.numberedMoves;
    const bool mine = played.seat == bot.seat &&
                      (played.kind == Played::Kind::Move || played.kind == Played::Kind::TurnOver);
    if (mine && bot.sentAt) {
        if (figures.measuring) {
            figures.roundTripsMs.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - *bot.sentAt).count());
            ++figures.personMoves;
        }
        bot.sentAt.reset();
    }
}

void RoomBots::boardTold(Bot& bot, const net::ServerMessage& told) {
    if (bot.rejoining) {
        // Every move this bot was told of must still be there.
        bot.rejoining = false;
        if (told.move < bot.lastMove) run_.figures.movesLost += bot.lastMove - told.move;
    }
    if (!bot.map) bot.map = told.board.map;
    bot.board = told.board;
    bot.phase = told.phase;
    if (told.move > bot.lastMove) bot.lastMove = told.move;
    if (&bot == &creator_) {
        if (!joinerOpened_ && !code_.empty()) {
            joinerOpened_ = true;
            open(joiner_, [this] {
                net::ClientMessage join = message(net::ClientMessage::Type::Join);
                join.name = joiner_.name;
                join.room = code_;
                joiner_.link->send(net::encodeClientMessage(join));
            });
        }
        if (told.phase != net::Phase::Waiting && told.phase != net::Phase::Over && !countedPlaying_) {
            countedPlaying_ = true;
            ++run_.figures.roomsPlaying;
        }
        if (told.phase == net::Phase::Over) {
            if (!overCounted_ && run_.figures.measuring) ++run_.figures.gamesOver;
            overCounted_ = true;
            // A rematch keeps the load steady.
            if (!run_.stopping) bot.link->send(net::encodeClientMessage(message(net::ClientMessage::Type::Start)));
        } else {
            overCounted_ = false;
        }
    }
    considerMove(bot);
}

bool RoomBots::myTurn(const Bot& bot) const {
    const bool inPlay = bot.phase == net::Phase::Start || bot.phase == net::Phase::Attack ||
                        bot.phase == net::Phase::Place;
    return inPlay && bot.seat != 0 && bot.board.map && bot.board.turnPlayer == bot.seat &&
           !turnEndsByItself(bot.board);
}

void RoomBots::considerMove(Bot& bot) {
    if (run_.stopping || bot.waiting || bot.sentAt || !myTurn(bot) || bot.askedAt == bot.lastMove) return;
    const auto due = bot.lastSent + std::chrono::duration_cast<Clock::duration>(
                                        std::chrono::duration<double>(run_.options.moveEvery));
    if (run_.options.moveEvery <= 0 || due <= Clock::now()) return sendMove(bot);
    bot.waiting = true;
    bot.timer->expires_at(due);
    bot.timer->async_wait([this, &bot](boost::system::error_code error) {
        bot.waiting = false;
        if (!error) considerMove(bot);
    });
}

void RoomBots::sendMove(Bot& bot) {
    if (!bot.link || !bot.link->isOpen()) return;
    const Move move = chooseLegalMove(bot.board, bot.seat, bot.attacks);
    if (move.kind == Move::Kind::Attack) {
        ++bot.attacks;
    } else if (move.kind == Move::Kind::EndPhase) {
        bot.attacks = 0;
    }
    net::ClientMessage asked = net::messageOf(move);
    asked.move = bot.lastMove;
    bot.askedAt = bot.lastMove;
    bot.lastSent = Clock::now();
    bot.sentAt = bot.lastSent;
    bot.link->send(net::encodeClientMessage(asked));
}

}  // namespace sonarch::load
