#include "host/online/startOnline.h"

#include <cctype>

#include "host/online/OnlineClient.h"

namespace sonarch {

namespace {
// Codes are heard and typed in any case; the server knows them in capitals.
std::string codeAsTyped(std::string code) {
    for (char& c : code) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return code;
}
}  // namespace

bool onlineAddressUsable(const OnlineOptions& options, std::string& whyNot) {
    if (!serverAddressOf(options.server, whyNot)) return false;
    for (const std::string* code : {&options.join, &options.watch}) {
        if (!code->empty() && !net::isRoomCode(codeAsTyped(*code))) {
            whyNot = "a room code is four of the letters " + std::string(net::codeLetters) + ", not '" + *code + "'";
            return false;
        }
    }
    return true;
}

std::unique_ptr<Inbox> startOnline(GameSession& game, const OnlineAsk& ask) {
    std::string whyNot;
    const auto address = serverAddressOf(ask.server, whyNot);
    if (!address) return nullptr;
    OnlineRequest request;
    request.url = ask.server;
    request.name = ask.name.empty() ? "Player" : ask.name;
    request.room = codeAsTyped(ask.room);
    if (ask.list) {
        request.kind = OnlineRequest::Kind::List;
    } else if (ask.room.empty()) {
        request.kind = OnlineRequest::Kind::Create;
        request.map = ask.map;
        request.people = ask.people;
        request.computers = ask.computers;
        request.isPublic = ask.isPublic;
        request.turnLimit = ask.turnLimit;
    } else {
        request.kind = ask.watch ? OnlineRequest::Kind::Watch : OnlineRequest::Kind::Join;
    }
    return std::make_unique<OnlineClient>(game, std::move(request), *address);
}

}  // namespace sonarch
