#include "idleWatcher.h"

#include "net/protocol.h"

namespace sonarch::load {

IdleWatcher::IdleWatcher(LoadRun& run, std::string room) : run_(run), room_(std::move(room)) {}

void IdleWatcher::start() {
    LoadConnection::Owner owner;
    owner.opened = [this] {
        net::ClientMessage watch;
        watch.type = net::ClientMessage::Type::Watch;
        watch.room = room_;
        link_->send(net::encodeClientMessage(watch));
    };
    owner.received = [this](std::string_view text) {
        const net::ServerParse parsed = net::parseServerMessage(text, map_);
        if (!parsed.message) {
            ++run_.figures.unreadable;
            return;
        }
        using Type = net::ServerMessage::Type;
        if (parsed.message->type == Type::Joined && !joined_) {
            joined_ = true;
            ++run_.figures.watchersJoined;
            ++run_.figures.watchersOpen;
        }
        if (parsed.message->type == Type::Board && !map_) map_ = parsed.message->board.map;
        if (parsed.message->type == Type::Error) ++run_.figures.errors;
    };
    owner.closed = [this] {
        ++run_.figures.connectionsLost;
        if (joined_) --run_.figures.watchersOpen;
    };
    link_ = std::make_shared<LoadConnection>(run_.io, run_.gate, run_.port, std::move(owner));
    link_->open();
}

}  // namespace sonarch::load
