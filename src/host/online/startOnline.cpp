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

std::unique_ptr<Inbox> startOnline(GameSession& game, const OnlineOptions& options) {
    std::string whyNot;
    const auto address = serverAddressOf(options.server, whyNot);
    if (!address) return nullptr;
    OnlineRequest request;
    request.url = options.server;
    request.name = options.name.empty() ? "Player" : options.name;
    if (!options.join.empty()) {
        request.kind = OnlineRequest::Kind::Join;
        request.room = codeAsTyped(options.join);
    } else if (!options.watch.empty()) {
        request.kind = OnlineRequest::Kind::Watch;
        request.room = codeAsTyped(options.watch);
    } else {
        request.kind = OnlineRequest::Kind::Create;
        request.map = options.create;
        request.people = options.people;
        request.computers = options.computers;
    }
    return std::make_unique<OnlineClient>(game, std::move(request), *address);
}

}  // namespace sonarch
