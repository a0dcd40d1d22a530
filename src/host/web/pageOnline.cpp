#include "host/web/pageOnline.h"

#include <cstdlib>
#include <memory>

#include "host/online/OnlineClient.h"
#include "host/online/startOnline.h"
#include "host/web/pageCalls.h"
#include "net/playerText.h"
#include "net/protocol.h"
#include "wording/onlineWords.h"

namespace sonarch::web {

namespace {
const std::string nameKey = "sonarch.name";

std::string takeText(char* text) {
    if (text == nullptr) return {};
    std::string taken(text);
    std::free(text);
    return taken;
}

// One key a room and server: "sonarch.seat ws://HOST:PORT KQXW".
std::string seatKeyOf(const ServerAddress& address) {
    return "sonarch.seat " + std::string(address.secure ? "wss://" : "ws://") + address.host + ":" + address.port + " ";
}

bool isWholeNumber(const std::string& text) {
    return !text.empty() && text.size() <= 15 && text.find_first_not_of("0123456789") == std::string::npos;
}

// "TOKEN MOVE CREATED", as keepSeat writes it; nothing for anything else.
std::optional<HeldSeat> keptSeat(BrowserStorage& storage, const std::string& seatKey, const std::string& room) {
    const std::string text = storage.kept(seatKey + room);
    const auto firstSpace = text.find(' ');
    const auto secondSpace = text.find(' ', firstSpace == std::string::npos ? text.size() : firstSpace + 1);
    if (secondSpace == std::string::npos) return std::nullopt;
    const std::string token = text.substr(0, firstSpace);
    const std::string move = text.substr(firstSpace + 1, secondSpace - firstSpace - 1);
    const std::string created = text.substr(secondSpace + 1);
    if (!net::isToken(token) || !isWholeNumber(move) || (created != "0" && created != "1")) return std::nullopt;
    return HeldSeat{.room = room, .token = token, .move = std::stoll(move), .created = created == "1"};
}

std::string rememberedName(BrowserStorage& storage) {
    const std::string name = storage.kept(nameKey);
    return net::nameRefusal(name).empty() ? name : std::string();
}

void connect(WebHost& host, GameSession& game, const OnlineAsk& ask) {
    const std::string whyNot = host.goOnline(ask);
    game.say(whyNot.empty() ? online::connecting(ask.server) : whyNot);
}

void askName(WebHost& host, GameSession& game, BrowserStorage& storage, const OnlineAsk& ask,
             const std::string& refusal) {
    const std::string last = rememberedName(storage);
    const std::string spoken = net::spokenCode(ask.room);
    const std::string question = (refusal.empty() ? "" : refusal + " ") + online::nameQuestion(spoken, last);
    game.say(question);
    host.askPage(question, [&host, &game, &storage, ask, last, spoken](const std::optional<std::string>& typed) {
        if (!typed) return game.say(online::roomLinkDeclined(spoken));
        std::string name(net::trimmedOfSpaces(*typed));
        if (name.empty()) name = last;
        if (const std::string refused = net::nameRefusal(name); !refused.empty())
            return askName(host, game, storage, ask, refused);
        storage.keep(nameKey, name);
        OnlineAsk named = ask;
        named.name = name;
        connect(host, game, named);
    });
}
}  // namespace

std::string pageServer() {
    const std::string origin = takeText(pageOrigin());
    std::string whyNot;
    if (origin.rfind("http", 0) != 0 || !serverAddressOf(origin, whyNot)) return {};
    return origin + "/";
}

OnlineStarter pageOnlineStarter(BrowserStorage& storage) {
    return [&storage](GameSession& game, const OnlineAsk& ask) -> std::unique_ptr<Inbox> {
        std::string whyNot;
        const auto address = serverAddressOf(ask.server, whyNot);
        if (!address) return nullptr;
        OnlineRequest request = onlineRequestOf(ask);
        const std::string seatKey = seatKeyOf(*address);
        if (request.kind == OnlineRequest::Kind::Join) request.kept = keptSeat(storage, seatKey, request.room);
        request.keepSeat = [&storage, seatKey](const HeldSeat& seat) {
            if (!net::isRoomCode(seat.room)) return;
            if (seat.token.empty()) return storage.keep(seatKey + seat.room, "");
            storage.keep(seatKey + seat.room,
                         seat.token + " " + std::to_string(seat.move) + (seat.created ? " 1" : " 0"));
            pageShowRoom(seat.room.c_str());
        };
        return std::make_unique<OnlineClient>(game, std::move(request), *address);
    };
}

void joinRoomOfAddress(WebHost& host, GameSession& game, BrowserStorage& storage) {
    const auto room = net::roomCodeTyped(takeText(pageRoomAsked()));
    const std::string server = pageServer();
    if (!room || server.empty()) return;
    const OnlineAsk ask{.server = server, .room = *room, .name = rememberedName(storage)};
    std::string whyNot;
    if (keptSeat(storage, seatKeyOf(*serverAddressOf(server, whyNot)), *room)) return connect(host, game, ask);
    askName(host, game, storage, ask, "");
}

}  // namespace sonarch::web
